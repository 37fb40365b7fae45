// A link drawn in a top-level window's caption bar, just left of the caption
// buttons; a click opens its target through the shell.
#pragma once
#include <windows.h>

// text and target: at most 255 characters each.
void AttachCaptionLink(HWND window, const char* text, const char* target);
