// Dots per inch: of a window, of the system, and the metrics and GUI font for
// one. Layouts are written in pixels at 96 DPI (100 %) and scaled in one place,
// ScaleForDpi. The functions that newer Windows versions bring for this are
// looked up at run time, so the program still starts on systems without them;
// there every window has the system's DPI.
#pragma once
#include <windows.h>

const int BASE_DPI = 96;   // the DPI the layouts are written for

// value * dpi / 96, rounded to nearest.
int ScaleForDpi(int value, int dpi);
// The DPI the system fonts and metrics are made for.
int SystemDpi();
// The DPI of the monitor the window is on (its DPI awareness permitting).
int WindowDpi(HWND window);
// GetSystemMetrics(index) as it is at dpi.
int MetricForDpi(int index, int dpi);
// AdjustWindowRectEx at dpi: the outer rectangle for a client rectangle.
BOOL AdjustWindowRectForDpi(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, int dpi);
// A new font like the stock DEFAULT_GUI_FONT, sized for dpi (at the system's
// own DPI, exactly the stock font's fields). The caller deletes it.
HFONT CreateGuiFontForDpi(int dpi);
