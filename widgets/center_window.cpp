// Window centring for the main window and the About box.
#include "widgets/center_window.h"

BOOL CenterWindowOver(HWND window, HWND other)
{
    RECT moved, over;
    if (!GetWindowRect(window, &moved) || !GetWindowRect(other, &over)) return FALSE;
    int width = moved.right - moved.left;
    int height = moved.bottom - moved.top;

    // Clamped to 0 first, then to the screen: a window larger than the screen
    // ends up at a negative position, its right or bottom edge on screen.
    int x = (over.right - over.left - width) / 2 + over.left;
    if (x < 0) x = 0;
    if (x > GetSystemMetrics(SM_CXFULLSCREEN) - width) x = GetSystemMetrics(SM_CXFULLSCREEN) - width;
    int y = (over.bottom - over.top - height) / 2 + over.top;
    if (y < 0) y = 0;
    if (y > GetSystemMetrics(SM_CYFULLSCREEN) - height) y = GetSystemMetrics(SM_CYFULLSCREEN) - height;

    return SetWindowPos(window, 0, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
