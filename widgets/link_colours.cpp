// The link colours for the system's theme.
#include "widgets/link_colours.h"

LinkColours ChooseLinkColours(bool highContrast, const LinkColours& own, const ThemeColours& theme)
{
    if (!highContrast) return own;
    LinkColours chosen = { theme.hotLight, theme.hotLight, theme.windowText, theme.window };
    return chosen;
}
