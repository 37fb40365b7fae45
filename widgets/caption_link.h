// A link drawn in a top-level window's caption bar, just left of the caption
// buttons; a click opens its target through the shell.
#pragma once
#include <windows.h>

const int CAPTION_LINK_TEXT_SIZE = 256;   // text and target: at most 255 characters

struct CaptionLinkRecord {
    WNDPROC previousProc;                  // the window's own procedure
    int active;                            // caption state last let through: 0 inactive
    int hover;                             // 1 while the pointer is on the link (capture held)
    RECT linkRect;                         // where the text was last drawn, window coordinates
    char text[CAPTION_LINK_TEXT_SIZE];
    char target[CAPTION_LINK_TEXT_SIZE];
    HCURSOR handCursor;
    HCURSOR savedCursor;                   // current when hover began; put back when it ends
    HFONT font;                            // the GUI font at fontDpi, made when that is not the system's DPI
    int fontDpi;                           // 0 until a font has been made
};

// Subclasses window; does nothing when its user-data slot is already in use.
void AttachCaptionLink(HWND window, const char* text, const char* target);

LRESULT CALLBACK CaptionLinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The rectangle the link is right- and bottom-aligned in, window coordinates.
RECT GetCaptionLinkArea(HWND window);
void DrawCaptionLink(CaptionLinkRecord* record, HWND window);
BOOL HitTestCaptionLink(CaptionLinkRecord* record, HWND window, POINT point);
LRESULT OnCaptionNcActivate(CaptionLinkRecord* record, HWND window, WPARAM wParam);
void SetCaptionTextQuietly(HWND window, const char* text);
