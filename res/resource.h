// Resource and control ids shared by the resource scripts and the program.
// Plain #defines so that the resource compiler reads them too.
#pragma once

// Icon and dialog templates.
#define IDI_APP                  1     // the program's icon: 48, 32 and 16 pixels, 1 bit
#define IDD_ABOUT                4     // the About box (res/about_dialog.rc)
#define IDC_WEBLINK              129   // About box: the web page link
#define IDC_MAILLINK             130   // About box: the support mail link
#define IDC_ABOUT_ICON           131   // About box: the program's icon
#define IDD_FIND_UNIT            5     // the Find Unit box (res/find_dialog.rc)
#define IDD_CUSTOM_UNITS         10    // the user's own units (res/custom_units_dialog.rc)
#define IDD_CUSTOM_UNIT          11    // one of them, added or edited
#define IDC_CUSTOM_LIST          301   // Custom Units: the units
#define IDC_CUSTOM_ADD           302
#define IDC_CUSTOM_EDIT          303
#define IDC_CUSTOM_DELETE        304
#define IDC_UNIT_NAME            311   // a unit: its name, and what is wrong with it
#define IDC_UNIT_NAME_PROBLEM    312
#define IDC_UNIT_CATEGORY        313
#define IDC_UNIT_CATEGORY_PROBLEM 314
#define IDC_UNIT_QUANTITY        315
#define IDC_UNIT_QUANTITY_PROBLEM 316
#define IDC_UNIT_OF              317
#define IDC_UNIT_OF_PROBLEM      318
#define IDC_FIND_QUERY           201   // Find Unit: the query
#define IDC_FIND_LIST            202   // Find Unit: the rows found
#define IDC_FIND_COUNT           203   // Find Unit: "N of 1788 units"
#define IDC_FIND_SET_FROM        204   // Find Unit: "Set &From", the default button
#define IDC_FIND_SET_TO          205   // Find Unit: "Set &To"
#define IDD_ALL_UNITS            6     // the All Units window (res/all_units.rc)
#define IDC_ALL_UNITS_FILTER     211   // All Units: the filter
#define IDC_ALL_UNITS_LIST       212   // All Units: one row per unit, value and name
#define IDC_ALL_UNITS_FILTER_LABEL 213 // All Units: "Filter:", created just before the filter
#define IDC_ALL_UNITS_LIST_LABEL 214   // All Units: the list's name, hidden, created just before it
#define IDA_MAIN                 1     // the main window's accelerators: Ctrl+F, Ctrl+U, Ctrl+Shift+C

// Menu "MainAppMenu". Pop-up 0 is "&Go", pop-up 2 "&Favorites".
#define IDM_HELP_ABOUT           32
#define IDM_HELP_WEB_SITE        33    // the caption link's page, from the keyboard
#define IDM_GO_EXIT              34
#define IDM_FAVORITES_ADD        48
#define IDM_FAVORITES_REMOVE     49
#define IDM_OPTIONS_SAVE_ON_EXIT 50
#define IDM_VIEW_SWAP            51
#define IDM_VIEW_FIND_UNIT       52
#define IDM_VIEW_ALL_UNITS       53
#define IDM_VIEW_ALWAYS_ON_TOP   54
#define IDM_VIEW_FORMULA         55
#define IDM_VIEW_COPY_ANSWER     56    // also Ctrl+Shift+C
#define IDM_VIEW_COPY_CONVERSION 57
#define IDM_OPTIONS_SCIENTIFIC   65
#define IDM_OPTIONS_AUTOMATIC    66
#define IDM_OPTIONS_WINDOWS_DECIMAL 67
#define IDM_OPTIONS_CUSTOM_UNITS 68
#define IDM_DECIMALS_FIRST       80    // "0" .. "15": 80 + decimal places
#define IDM_DECIMALS_LAST        95
#define IDM_RECENT_FIRST         96    // 96 + ring slot
#define IDM_RECENT_LAST          105
#define IDM_FAVORITE_FIRST       112   // 112 + list index
#define IDM_FAVORITE_LAST        131
#define IDM_FRACTIONS_FIRST      140   // "Off", then "1/2" .. "1/64": 140 + log2 of the denominator
#define IDM_FRACTIONS_LAST       146

// Main window children. Kinds share ids; notifications tell them apart.
#define IDC_FROM_BOX             1
#define IDC_TO_BOX               2
#define IDC_CATEGORY_CHOOSER     1
#define IDC_FROM_UNIT_CHOOSER    2
#define IDC_TO_UNIT_CHOOSER      3
#define IDC_CATEGORY_LABEL       1
#define IDC_FROM_LABEL           2
#define IDC_FROM_UNIT_LABEL      3
#define IDC_TO_LABEL             4
#define IDC_TO_UNIT_LABEL        5
#define IDC_FORMULA_LINE         6     // the factor both ways, below the value boxes
