// A two-colour icon keeps its AND mask and its XOR image stacked in one
// bitmap twice the icon's height, mask on top. The copy takes the mask as it
// is and the image into a screen-compatible colour bitmap; a two-colour to
// colour blit turns 0 into the text colour (black) and 1 into the background
// colour (white), so every pixel draws as before.
#include "widgets/colour_icon.h"

HICON ColourCopyOfIcon(HICON icon)
{
    ICONINFO info;
    if (!GetIconInfo(icon, &info)) return 0;
    if (info.hbmColor) {
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return CopyIcon(icon);
    }
    BITMAP stacked;
    GetObjectA(info.hbmMask, sizeof stacked, &stacked);
    int width = stacked.bmWidth, height = stacked.bmHeight / 2;

    HDC screen = GetDC(0);
    HDC from = CreateCompatibleDC(screen);
    HDC to = CreateCompatibleDC(screen);
    HBITMAP image = CreateCompatibleBitmap(screen, width, height);
    HBITMAP mask = CreateBitmap(width, height, 1, 1, 0);
    HGDIOBJ oldFrom = SelectObject(from, info.hbmMask);
    HGDIOBJ oldTo = SelectObject(to, image);
    SetTextColor(to, RGB(0, 0, 0));
    SetBkColor(to, RGB(255, 255, 255));
    BitBlt(to, 0, 0, width, height, from, 0, height, SRCCOPY);   // the lower half: the image
    SelectObject(to, mask);
    BitBlt(to, 0, 0, width, height, from, 0, 0, SRCCOPY);        // the upper half: the mask
    SelectObject(to, oldTo);
    SelectObject(from, oldFrom);
    DeleteDC(to);
    DeleteDC(from);
    ReleaseDC(0, screen);

    ICONINFO colour = { TRUE, 0, 0, mask, image };
    HICON copy = CreateIconIndirect(&colour);   // copies both bitmaps
    DeleteObject(image);
    DeleteObject(mask);
    DeleteObject(info.hbmMask);
    return copy;
}
