// Centres one window over another, kept on the screen; used by the main
// window and the About box.
#pragma once
#include <windows.h>

// Moves window (size and z-order kept); false if either rectangle cannot be read.
BOOL CenterWindowOver(HWND window, HWND other);
