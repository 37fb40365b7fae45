// A unit chooser browsed with the arrow keys and then left for the menu: the
// unit stopped on is recorded when the menu opens, before any command chosen
// from it changes the conversion. (Found by the soak: Swap right after a
// browse lost the browsed conversion.)
#include "tests/e2e/driver.h"
#include "res/resource.h"

namespace {


class BrowseThenMenu : public MetrovaTest {
protected:
    void SetUp() override
    {
        MetrovaTest::SetUp();
        ASSERT_TRUE(BringToFront(&app));
        ASSERT_TRUE(WaitUntil([&] { return Focused() == "Edit 1"; }));   // the From box
        // From box -> to-unit chooser -> from-unit chooser, then one unit down.
        ASSERT_TRUE(PressKey(VK_TAB, KEY_SHIFT));
        ASSERT_TRUE(PressKey(VK_TAB, KEY_SHIFT));
        ASSERT_TRUE(WaitUntil([&] { return Focused() == "ComboBox 2"; })) << Focused();
        ASSERT_TRUE(PressKey(VK_DOWN));
        ASSERT_TRUE(WaitUntil([&] { return ComboSelection(FromUnitChooser(app)) == 1; }));
        LetInputSettle(&app);
        ASSERT_TRUE(ListItems(&app, GO_MENU).empty());   // not settled yet
    }
    std::string Focused()
    {
        std::string className;
        const int id = FocusedControlId(&app, &className);
        return className + " " + std::to_string(id);
    }
};

TEST_F(BrowseThenMenu, OpeningTheMenuRecordsTheUnitStoppedOn)
{
    ASSERT_TRUE(PressKey('G', KEY_ALT));   // "&Go" opens, listing it already
    EXPECT_TRUE(WaitUntil([&] { return ListItems(&app, GO_MENU).size() == 1; }));
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    LetInputSettle(&app);
    EXPECT_EQ(ListItems(&app, GO_MENU), std::vector<std::string>{ ListItemOf(app, IDM_RECENT_FIRST, 1, 0) });
    EXPECT_EQ(Focused(), "ComboBox 2");   // the chooser keeps the focus
}

TEST_F(BrowseThenMenu, SwapKeepsTheConversionBrowsedTo)
{
    ASSERT_TRUE(PressKey('V', KEY_ALT));   // "&View", whose first item is "Swap"
    ASSERT_TRUE(PressKey(VK_RETURN));
    EXPECT_TRUE(WaitUntil([&] { return ComboSelection(FromUnitChooser(app)) == 0; }));
    EXPECT_TRUE(WaitUntil([&] { return ListItems(&app, GO_MENU).size() == 2; }));
    EXPECT_EQ(ListItems(&app, GO_MENU),
              (std::vector<std::string>{ ListItemOf(app, IDM_RECENT_FIRST + 1, 0, 1), ListItemOf(app, IDM_RECENT_FIRST, 1, 0) }));
}

}  // namespace
