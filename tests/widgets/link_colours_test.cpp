// The colours a link draws with, outside and under a high-contrast theme.
#include "widgets/link_colours.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<uint32_t> Listed(const LinkColours& c)   // normal, visited, text, background
{
    return { c.normal, c.visited, c.text, c.background };
}

TEST(LinkColours, OwnOutsideHighContrastTheThemesUnderIt)
{
    const LinkColours own = { 0xFF0000, 0x0000FF, 0x000000, 0xC0C0C0 };   // blue, red; black on grey
    const ThemeColours theme = { 0x00FFFF, 0xFFFFFF, 0x000000 };          // yellow links, white on black
    EXPECT_EQ(Listed(ChooseLinkColours(false, own, theme)), Listed(own));
    // The theme has one colour for links, opened or not.
    EXPECT_EQ(Listed(ChooseLinkColours(true, own, theme)), std::vector<uint32_t>({ 0x00FFFF, 0x00FFFF, 0xFFFFFF, 0x000000 }));
}

}  // namespace
