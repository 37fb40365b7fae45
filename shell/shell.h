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
extern HFONT SharedFont;          // the controls' and labels' font, kept until exit

extern const char MAIN_WINDOW_CLASS[];   // "metrova"
extern const char MAIN_MENU_NAME[];      // "MainAppMenu"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_COMMAND: control notifications by code, menu commands by id.
void OnCommand(HWND window, WPARAM wParam, LPARAM lParam);
// Check marks of "Save Settings Upon Exit", "Scientific Notation" and the decimal places.
void UpdateOptionChecks(HWND window);
