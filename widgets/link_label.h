// Turns an existing static control into a hyperlink: underlined text in a link
// colour, a hand cursor, and a click (or, when focusable, Space or Enter) that
// opens the target through the shell and turns the text to the visited colour.
// It tells accessibility tools that it is a link, and under a high-contrast
// theme draws in the theme's colours.
#pragma once
#include <windows.h>

// Option bits. The horizontal ones are not the DT_ values they select.
const unsigned LINK_RIGHT = 0x01;     // DT_RIGHT; wins over LINK_CENTER
const unsigned LINK_CENTER = 0x02;    // DT_CENTER
const unsigned LINK_VCENTER = 0x04;   // DT_VCENTER
const unsigned LINK_BOTTOM = 0x08;    // DT_BOTTOM; wins over LINK_VCENTER
const unsigned LINK_VISITED = 0x10;   // drawn in the visited colour
const unsigned LINK_TABSTOP = 0x20;   // takes the focus; Space or Enter opens it
const unsigned LINK_AUTOSIZE = 0x40;  // the control follows its text's size

const COLORREF LINK_DEFAULT_COLOUR = CLR_INVALID;        // "use the default" for either colour
const COLORREF LINK_NORMAL_COLOUR = RGB(0, 0, 255);      // 0x00FF0000
const COLORREF LINK_VISITED_COLOUR = RGB(128, 0, 128);   // 0x00800080

const int LINK_TARGET_SIZE = 260;   // at most 259 characters and a NUL

struct LinkLabelRecord {
    char target[LINK_TARGET_SIZE];  // empty: open the control's own text
    WNDPROC previousProc;           // the static control's own procedure
    HCURSOR cursor;                 // this control's hand cursor, or null
    HFONT linkFont;                 // underlined copy of the control's font
    COLORREF normalColour;
    COLORREF visitedColour;
    int pressed;                    // 1 from a left press until the next release
    unsigned options;               // LINK_* bits
};

// Makes control a link label, or updates one (target, colours, options, style).
// target may be null; a colour of LINK_DEFAULT_COLOUR takes the default.
void AttachLinkLabel(HWND control, const char* target, COLORREF normalColour,
                     COLORREF visitedColour, unsigned options);

// Sizes the control to its text. 0 when it is no link label or measuring fails.
BOOL FitLinkLabel(HWND control, BOOL redraw);

// Opens the target (or the text when there is no target). 0 when the control is
// no link label; 1 otherwise, whether or not the shell managed to open it.
int OpenLinkLabel(HWND control);

// Paints the text into dc, or with measureRect only measures it there.
int DrawLinkLabel(HWND control, HDC dc, RECT* measureRect);

LRESULT CALLBACK LinkLabelProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
