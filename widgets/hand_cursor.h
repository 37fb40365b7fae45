// The pointing-hand cursor shared by both link widgets: 32 x 32, one bit per
// pixel, hotspot at the fingertip (5, 0).
#pragma once
#include <windows.h>

const int HAND_CURSOR_SIZE = 32;
const int HAND_CURSOR_HOTSPOT_X = 5;
const int HAND_CURSOR_HOTSPOT_Y = 0;

// Rows top to bottom, 4 bytes a row, the leftmost pixel in the top bit.
// AND 1 / XOR 0 transparent, AND 0 / XOR 0 black, AND 0 / XOR 1 white.
extern const BYTE HandCursorAndPlane[HAND_CURSOR_SIZE * HAND_CURSOR_SIZE / 8];
extern const BYTE HandCursorXorPlane[HAND_CURSOR_SIZE * HAND_CURSOR_SIZE / 8];

// A new cursor from the planes; the caller destroys it. Null on failure.
HCURSOR CreateHandCursor();
