// The system's high-contrast setting, read at every paint, so a change of
// theme shows at the next repaint.
#include "widgets/high_contrast.h"

static bool HighContrastOn()
{
    HIGHCONTRASTA setting = {};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON);
}

LinkColours LinkColoursNow(const LinkColours& own)
{
    ThemeColours theme = { GetSysColor(COLOR_HOTLIGHT), GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW) };
    return ChooseLinkColours(HighContrastOn(), own, theme);
}

void RepaintForNewColours(HWND window)
{
    RedrawWindow(window, 0, 0, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
