// The colours a link draws with, outside and under a high-contrast theme.
#include "widgets/link_colours.h"
#include <gtest/gtest.h>

namespace {

TEST(LinkColours, OwnOutsideHighContrastTheThemesUnderIt)
{
    const LinkColours own = { 0xFF0000, 0x0000FF, 0x000000, 0xC0C0C0 };   // blue, red; black on grey
    const ThemeColours theme = { 0x00FFFF, 0xFFFFFF, 0x000000 };          // yellow links, white on black
    const struct { bool highContrast; LinkColours expected; } cases[] = {
        { false, own },
        { true, { 0x00FFFF, 0x00FFFF, 0xFFFFFF, 0x000000 } },   // the theme has one colour for links, opened or not
    };
    for (const auto& c : cases) {
        LinkColours chosen = ChooseLinkColours(c.highContrast, own, theme);
        EXPECT_EQ(chosen.normal, c.expected.normal) << c.highContrast;
        EXPECT_EQ(chosen.visited, c.expected.visited) << c.highContrast;
        EXPECT_EQ(chosen.text, c.expected.text) << c.highContrast;
        EXPECT_EQ(chosen.background, c.expected.background) << c.highContrast;
    }
}

}  // namespace
