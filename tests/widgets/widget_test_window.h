// Windows for the widget tests: a visible top-level window and a static text
// child, plus a way to paint a control into memory and look at its pixels.
#pragma once
#include <windows.h>

HWND CreateTestWindow(DWORD style, DWORD exStyle, int width, int height);   // at (100, 100)
HWND CreateTestWindowAt(DWORD style, DWORD exStyle, int x, int y, int width, int height);
HWND CreateTestStatic(HWND parent, const char* text, DWORD style);
void PumpMessages();

// Paints control (through WM_PAINT with a memory DC) and reports whether any
// pixel has the colour.
bool PaintedWithColour(HWND control, COLORREF colour);

// The bounding box of the pixels painted in colour (empty when there are none).
RECT PaintedExtent(HWND control, COLORREF colour);

// The full path of the marker program, and of the file it leaves when opened.
void MarkerPaths(char* exe, char* ran);
bool WaitForFile(const char* path, int milliseconds);
