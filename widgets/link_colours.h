// The colours a link draws with: its own, or under a high-contrast theme the
// system's, so that the theme recolours it. Plain values: no window, no system
// call, so the choice is tested anywhere.
#pragma once
#include <cstdint>

struct LinkColours {
    uint32_t normal;       // the link's text before it has been opened (0x00BBGGRR, as COLORREF)
    uint32_t visited;      // the link's text after
    uint32_t text;         // anything else drawn as text: the focus rectangle
    uint32_t background;   // what the link is drawn on
};

// The system colours a high-contrast theme sets for links and windows.
struct ThemeColours {
    uint32_t hotLight;     // COLOR_HOTLIGHT
    uint32_t windowText;   // COLOR_WINDOWTEXT
    uint32_t window;       // COLOR_WINDOW
};

// own outside high contrast; under it the link's text (opened or not) in the
// hot-light colour and the rest in the window's text and background colours.
LinkColours ChooseLinkColours(bool highContrast, const LinkColours& own, const ThemeColours& theme);
