// The application shell's process-wide state and its entry points: the main
// window, its ten children and their font, and the menu dispatch.
#pragma once
#include <windows.h>

extern HINSTANCE Instance;        // this program's module
extern HWND MainWindow;           // the one main window, set while it is created
extern HWND FromBox, ToBox;       // value boxes, ids 1 and 2
extern HWND CategoryChooser;      // drop-down lists, ids 1, 2 and 3
extern HWND FromUnitChooser;
extern HWND ToUnitChooser;
extern HACCEL Accelerators;       // the main window's keys: Ctrl+F, Ctrl+Shift+C
extern HFONT SharedFont;          // the controls' and labels' font at the window's DPI

extern const char MAIN_WINDOW_CLASS[];   // "metrova"
extern const char MAIN_MENU_NAME[];      // "MainAppMenu"

// Fixed size: no sizing border, no maximise box. The size is the one at 96
// DPI; at another DPI the client area is scaled.
const DWORD MAIN_WINDOW_STYLE = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
const DWORD MAIN_WINDOW_EX_STYLE = WS_EX_CLIENTEDGE;
const int MAIN_WINDOW_WIDTH = 470;
const int MAIN_WINDOW_HEIGHT = 250;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_COMMAND: control notifications by code, menu commands by id.
void OnCommand(HWND window, WPARAM wParam, LPARAM lParam);
// Check marks of "Save Settings Upon Exit", the notations, the decimal places and the answer choices.
void UpdateOptionChecks(HWND window);
// The "Fractions" pop-up (shell/fractions_menu.cpp): false for any other id.
bool OnFractionsCommand(HWND window, WPARAM id);
void UpdateFractionChecks(HWND window);

// The message loop's keyboard handling for the main window (Tab between the
// controls, Enter ending a browse through a chooser); true when the message
// has been handled and must not be dispatched again.
bool TranslateMainWindowMessage(HWND window, MSG* message);
// The control that got the keyboard focus (its focus notification), given the
// focus back when the window is activated again.
void RememberFocusedControl(HWND control);
// A unit chooser's new selection, for the recent list: offered at once when
// the mouse chose it, held back while the keys browse.
void OfferUnitChoice(HWND window);
// Reads the user's decimal and grouping symbols and hands them to the
// number reader (at start-up and when the user changes them).
void HandDownNumberSymbols();
// The locale's decimal symbol as answers may show it (see number_symbols.cpp).
extern char LocaleAnswerSymbol;
// Offers the conversion that browsing through a unit chooser has arrived at to
// the recent list, if a browse is under way.
void SettleChooserBrowsing(HWND window);
