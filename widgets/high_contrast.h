// The links' colours as the system's theme wants them now, and a window
// repainted when the theme or the system colours change.
#pragma once
#include <windows.h>
#include "widgets/link_colours.h"

// ChooseLinkColours with the system's high-contrast setting and colours as they are now.
LinkColours LinkColoursNow(const LinkColours& own);

// Frame, client area and children drawn again in the new colours; for
// WM_SYSCOLORCHANGE and WM_SETTINGCHANGE, which reach only top-level windows.
void RepaintForNewColours(HWND window);
