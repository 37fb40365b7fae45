// The main window driven from the keyboard with real keystrokes: Tab order,
// the active side, browsing the unit choosers, the menus' Alt keys and the
// focus kept over a switch to another window.
#include "tests/e2e/driver.h"
#include "res/resource.h"

namespace {

struct Focus {
    int id;
    const char* className;
};

std::string FocusedClass(MetrovaApp* app)
{
    std::string className;
    FocusedControlId(app, &className);
    return className;
}

bool HasFocus(MetrovaApp* app, const Focus& expected)
{
    std::string className;
    return FocusedControlId(app, &className) == expected.id && className == expected.className;
}

class Keyboard : public MetrovaTest {
protected:
    void SetUp() override
    {
        MetrovaTest::SetUp();
        ASSERT_TRUE(BringToFront(&app));
        ASSERT_TRUE(WaitUntil([&] { return HasFocus(&app, FROM_BOX); }));   // where typing starts
    }
    void TearDown() override
    {
        StopMetrova(&other);
        MetrovaTest::TearDown();
    }
    // Presses Tab (or Shift+Tab) and waits for the focus to arrive.
    bool TabTo(const Focus& expected, int modifiers = KEY_PLAIN)
    {
        return PressKey(VK_TAB, modifiers) && WaitUntil([&] { return HasFocus(&app, expected); });
    }
    const Focus FROM_BOX = { IDC_FROM_BOX, "Edit" };
    const Focus TO_BOX = { IDC_TO_BOX, "Edit" };
    const Focus CATEGORY = { IDC_CATEGORY_CHOOSER, "ComboBox" };
    const Focus FROM_UNIT = { IDC_FROM_UNIT_CHOOSER, "ComboBox" };
    const Focus TO_UNIT = { IDC_TO_UNIT_CHOOSER, "ComboBox" };
    MetrovaApp other = {};   // another program, for a test that needs one: a second Metrova
};

TEST_F(Keyboard, TabGoesRoundTheFiveControlsInReadingOrder)
{
    EXPECT_TRUE(TabTo(TO_BOX)) << FocusedClass(&app);
    EXPECT_TRUE(TabTo(CATEGORY)) << FocusedClass(&app);   // and round again
    EXPECT_TRUE(TabTo(FROM_UNIT)) << FocusedClass(&app);
    EXPECT_TRUE(TabTo(TO_UNIT)) << FocusedClass(&app);
    EXPECT_TRUE(TabTo(FROM_BOX)) << FocusedClass(&app);
    EXPECT_TRUE(TabTo(TO_UNIT, KEY_SHIFT)) << FocusedClass(&app);   // Shift+Tab: backwards
    EXPECT_TRUE(TabTo(FROM_UNIT, KEY_SHIFT)) << FocusedClass(&app);
    EXPECT_TRUE(TabTo(CATEGORY, KEY_SHIFT)) << FocusedClass(&app);
    EXPECT_TRUE(TabTo(TO_BOX, KEY_SHIFT)) << FocusedClass(&app);
}

TEST_F(Keyboard, TabbingIntoTheToBoxMakesItTheActiveSide)
{
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_METRIC_LENGTH));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), KILOMETER));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), METER));
    ASSERT_TRUE(BringToFront(&app));
    ASSERT_TRUE(TabTo(TO_BOX));
    ASSERT_TRUE(PressKeys("3000"));   // Tab selected the box's "0": typing replaces it
    EXPECT_TRUE(WaitUntil([&] { return WindowText(FromBox(app)) == " 3.000000"; })) << WindowText(FromBox(app));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), METER));   // the To box stays the side typed in
    EXPECT_EQ(WindowText(FromBox(app)), " 3000.000000");
    EXPECT_EQ(WindowText(ToBox(app)), "3000");
}

TEST_F(Keyboard, ArrowsThroughAUnitChooserRecordOnlyWhereTheyStop)
{
    ASSERT_TRUE(TabTo(TO_BOX));
    ASSERT_TRUE(TabTo(CATEGORY));
    ASSERT_TRUE(TabTo(FROM_UNIT));
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(PressKey(VK_DOWN));
    EXPECT_TRUE(WaitUntil([&] { return ComboSelection(FromUnitChooser(app)) == 3; }));
    LetInputSettle(&app);
    EXPECT_TRUE(ListItems(&app, GO_MENU).empty());   // units 1 and 2 were only passed
    ASSERT_TRUE(TabTo(TO_UNIT));                 // leaving the chooser settles on unit 3
    std::vector<std::string> items = ListItems(&app, GO_MENU);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0], ListItemOf(app, IDM_RECENT_FIRST, 3, 0));

    for (int i = 0; i < 2; ++i) ASSERT_TRUE(PressKey(VK_DOWN));   // to-unit 2 ...
    ASSERT_TRUE(PressKey(VK_RETURN));                               // ... settled by Enter
    EXPECT_TRUE(WaitUntil([&] { return ListItems(&app, GO_MENU).size() == 2; }));
    LetInputSettle(&app);
    EXPECT_EQ(ListItems(&app, GO_MENU).size(), 2u);   // not again when the focus leaves
    ASSERT_TRUE(TabTo(FROM_BOX));
    EXPECT_EQ(ListItems(&app, GO_MENU).size(), 2u);
}

TEST_F(Keyboard, ADroppedListIsSettledWhenItCloses)
{
    ASSERT_TRUE(TabTo(TO_UNIT, KEY_SHIFT));
    ASSERT_TRUE(PressKey(VK_DOWN, KEY_ALT));   // open the list
    ASSERT_TRUE(WaitUntil([&] {
        LRESULT dropped = 0;
        return SendBounded(ToUnitChooser(app), CB_GETDROPPEDSTATE, 0, 0, &dropped) && dropped != 0;
    }));
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(PressKey(VK_DOWN));
    LetInputSettle(&app);
    EXPECT_TRUE(ListItems(&app, GO_MENU).empty());
    ASSERT_TRUE(PressKey(VK_RETURN));          // close it on unit 4
    EXPECT_TRUE(WaitUntil([&] { return ListItems(&app, GO_MENU).size() == 1; }));
    EXPECT_EQ(ComboSelection(ToUnitChooser(app)), 4);
    LetInputSettle(&app);
    EXPECT_EQ(ListItems(&app, GO_MENU).size(), 1u);
}

// The mouse, by contrast, records a unit the moment it is chosen.
TEST_F(Keyboard, AUnitChosenWithTheMouseIsRecordedAtOnce)
{
    RECT chooser = ClientRectOf(FromUnitChooser(app));
    ASSERT_TRUE(RealClick(app.window, chooser.left + 20, (chooser.top + chooser.bottom) / 2));   // drops the list
    HWND list = 0;
    ASSERT_TRUE(WaitUntil([&] { return (list = ShownList(app)) != 0; }));
    RECT item;
    LRESULT found = LB_ERR;
    ASSERT_TRUE(SendBounded(list, LB_GETITEMRECT, 2, LPARAM(&item), &found));
    ASSERT_NE(found, LB_ERR);
    ASSERT_TRUE(RealClick(list, item.left + 10, (item.top + item.bottom) / 2));
    EXPECT_TRUE(WaitUntil([&] { return ComboSelection(FromUnitChooser(app)) == 2; }));
    EXPECT_TRUE(WaitUntil([&] { return ListItems(&app, GO_MENU).size() == 1; }));   // while the chooser keeps the focus
    EXPECT_TRUE(HasFocus(&app, FROM_UNIT));
}

TEST_F(Keyboard, MenusKeepTheirAltKeys)
{
    ASSERT_TRUE(PickItem(FromUnitChooser(app), 1));
    ASSERT_TRUE(BringToFront(&app));
    ASSERT_TRUE(PressKey('V', KEY_ALT));   // "&View"
    ASSERT_TRUE(PressKey(VK_RETURN));      // its first item, "Swap"
    EXPECT_TRUE(WaitUntil([&] { return ComboSelection(FromUnitChooser(app)) == 0; }));
    EXPECT_EQ(ComboSelection(ToUnitChooser(app)), 1);
}

TEST_F(Keyboard, TheFocusComesBackAfterAnotherWindow)
{
    ASSERT_TRUE(TabTo(TO_BOX));
    ASSERT_TRUE(TabTo(CATEGORY));
    std::string why;
    ASSERT_TRUE(StartMetrova(&other, &why)) << why;
    EXPECT_TRUE(BringToFront(&other));
    EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(&app) == 0; }));   // this one lost it
    ASSERT_TRUE(BringToFront(&app));
    // The program just started can take the foreground back once more (under
    // Wine its window's focus events may come late): then it is asked again.
    EXPECT_TRUE(WaitUntil([&] {
        if (GetForegroundWindow() != app.window) BringToFront(&app);
        return HasFocus(&app, CATEGORY);
    })) << FocusedClass(&app);
}

}  // namespace
