// The Find Unit box of the running program: opened with Ctrl+F and from the
// menu, queried with real keystrokes, its rows read back, and a unit chosen
// with each button, with Enter and with a double click.
#include "tests/e2e/driver.h"
#include "catalogue/units.h"
#include "res/resource.h"

namespace {

const int CELSIUS = 0;
const int RANKINE = 2;

class FindUnit : public MetrovaTest {
protected:
    void SetUp() override
    {
        MetrovaTest::SetUp();
        ASSERT_TRUE(BringToFront(&app));
    }
    // Opens the box with Ctrl+F and waits for it and its first rows.
    HWND OpenWithKeys()
    {
        if (!PressKey('F', KEY_CTRL)) return 0;
        HWND box = FindUnitBox(app);
        if (box) WaitUntil([&] { return ListBoxCount(List(box)) > 0; });
        return box;
    }
    HWND List(HWND box) { return GetDlgItem(box, IDC_FIND_LIST); }
    // Types the query and waits until the list shows rowCount rows.
    bool Query(HWND box, const char* text, int rowCount)
    {
        return PressKeys(text) && WaitUntil([&] { return ListBoxCount(List(box)) == rowCount; });
    }
    std::string Recent(int position)
    {
        std::vector<std::string> items = ListItems(&app, GO_MENU);
        return position < int(items.size()) ? items[position] : "<none>";
    }
};

TEST_F(FindUnit, CtrlFOpensItOverTheWindowWithTheFocusInTheQuery)
{
    HWND box = OpenWithKeys();
    ASSERT_NE(box, HWND(0));
    EXPECT_FALSE(IsWindowEnabled(app.window));   // modal
    std::string className;
    EXPECT_EQ(FocusedControlId(&app, &className), IDC_FIND_QUERY);
    EXPECT_EQ(ListBoxCount(List(box)), 1788);    // an empty query lists every unit
    EXPECT_EQ(WindowText(GetDlgItem(box, IDC_FIND_COUNT)), "1788 of 1788 units");
    RECT boxRect, window;
    GetWindowRect(box, &boxRect);
    GetWindowRect(app.window, &window);
    EXPECT_NEAR((boxRect.left + boxRect.right) / 2, (window.left + window.right) / 2, 2);   // centred over it
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    EXPECT_TRUE(WaitForClose(box));
    EXPECT_TRUE(IsWindowEnabled(app.window));
    EXPECT_EQ(ComboSelection(CategoryChooser(app)), 0);   // Escape changes nothing
    EXPECT_TRUE(ListItems(&app, GO_MENU).empty());
}

TEST_F(FindUnit, TheMenuOpensItToo)
{
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenu(&app, &bar));
    const MenuEntry* item = FindMenuItem(bar, IDM_VIEW_FIND_UNIT);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text, "&Find Unit...\tCtrl+F");
    ASSERT_TRUE(PostCommand(app.window, IDM_VIEW_FIND_UNIT));
    HWND box = FindUnitBox(app);
    ASSERT_NE(box, HWND(0));
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitForClose(box));
}

TEST_F(FindUnit, RowsNameTheUnitItsCategoryAndItsSize)
{
    HWND box = OpenWithKeys();
    ASSERT_NE(box, HWND(0));
    // Two furlongs of length and five speeds in furlongs start with the query,
    // length first; "square furlong" only has a word that does.
    ASSERT_TRUE(Query(box, "furlong", 8)) << ListBoxCount(List(box));
    EXPECT_EQ(ListBoxItem(List(box), 0), L"furlong [international] \u00B7 All Length & Distance \u00B7 201.168 meter");
    EXPECT_EQ(WindowText(GetDlgItem(box, IDC_FIND_COUNT)), "8 of 1788 units");
    EXPECT_EQ(ListBoxItem(List(box), 7), L"square furlong \u00B7 Area \u00B7 40468.564224 centiare");
    EXPECT_EQ(ListBoxSelection(List(box)), 0);    // the best row is selected
    ASSERT_TRUE(PressKey(VK_DOWN));                // moves the list's selection from the query box
    EXPECT_TRUE(WaitUntil([&] { return ListBoxSelection(List(box)) == 1; }));
    ASSERT_TRUE(PressKey(VK_UP));
    EXPECT_TRUE(WaitUntil([&] { return ListBoxSelection(List(box)) == 0; }));
    for (int i = 0; i < 7; ++i) ASSERT_TRUE(PressKey(VK_BACK));
    ASSERT_TRUE(Query(box, "douzieme", 2));        // accents ignored, shown in UTF-16
    EXPECT_EQ(ListBoxItem(List(box), 0).compare(0, 8, L"douzi\u00E8me"), 0);
    ASSERT_TRUE(Query(box, "xyz", 0));
    EXPECT_EQ(WindowText(GetDlgItem(box, IDC_FIND_COUNT)), "0 of 1788 units");
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(box, IDC_FIND_SET_FROM)));   // nothing to set
    ASSERT_TRUE(PressKey(VK_ESCAPE));
    EXPECT_TRUE(WaitForClose(box));
}

TEST_F(FindUnit, EnterSetsTheFromUnitOfAnotherCategory)
{
    HWND box = OpenWithKeys();
    ASSERT_NE(box, HWND(0));
    ASSERT_TRUE(Query(box, "rankine", 1));
    ASSERT_TRUE(PressKey(VK_RETURN));              // "Set From", the default
    ASSERT_TRUE(WaitForClose(box));
    EXPECT_EQ(ComboSelection(CategoryChooser(app)), CATEGORY_TEMPERATURE);
    EXPECT_EQ(ComboSelection(FromUnitChooser(app)), RANKINE);
    EXPECT_EQ(ComboSelection(ToUnitChooser(app)), CELSIUS);   // Temperature's first unit opposite
    EXPECT_EQ(WindowText(ToBox(app)), "-273.150000");          // recomputed from the From box's "0"
    const std::string offered = std::to_string(IDM_RECENT_FIRST) + " degree Rankine ~ degree Celsius";
    EXPECT_TRUE(WaitUntil([&] { return Recent(0) == offered; })) << Recent(0);
}

TEST_F(FindUnit, SetToInTheCurrentCategoryChangesOnlyThatSide)
{
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_METRIC_LENGTH));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), KILOMETER));
    ASSERT_TRUE(TypeText(FromBox(app), "2"));
    ASSERT_TRUE(BringToFront(&app));
    const size_t before = ListItems(&app, GO_MENU).size();
    HWND box = OpenWithKeys();
    ASSERT_NE(box, HWND(0));
    ASSERT_TRUE(PressKeys("meter"));
    ASSERT_TRUE(WaitForInputHandled(&app));        // every key's search done: the rows stay as they are
    ASSERT_TRUE(WaitUntil([&] { return ListBoxItem(List(box), 0).compare(0, 8, L"meter \u00B7 ") == 0; }));
    int row = -1;                                  // "meter" in Metric Length & Distance
    for (int i = 0; i < ListBoxCount(List(box)) && row < 0; ++i)
        if (ListBoxItem(List(box), i).find(L"Metric Length") != std::wstring::npos) row = i;
    ASSERT_GE(row, 0);
    ASSERT_TRUE(SendBounded(List(box), LB_SETCURSEL, WPARAM(row), 0));
    ASSERT_TRUE(PressKey('T', KEY_ALT));           // "Set &To"
    ASSERT_TRUE(WaitForClose(box));
    EXPECT_EQ(ComboSelection(CategoryChooser(app)), CATEGORY_METRIC_LENGTH);
    EXPECT_EQ(ComboSelection(FromUnitChooser(app)), KILOMETER);   // the other side stays
    EXPECT_EQ(ComboSelection(ToUnitChooser(app)), METER);
    EXPECT_EQ(WindowText(ToBox(app)), " 2000.000000");
    EXPECT_EQ(ListItems(&app, GO_MENU).size(), before + 1);
    EXPECT_EQ(Recent(0), std::to_string(IDM_RECENT_FIRST + int(before)) + " kilometer ~ meter");
}

TEST_F(FindUnit, ADoubleClickSetsFromAndTheQueryComesBackSelected)
{
    HWND box = OpenWithKeys();
    ASSERT_NE(box, HWND(0));
    ASSERT_TRUE(Query(box, "barye", 1));
    RECT first;
    ASSERT_TRUE(SendBounded(List(box), LB_GETITEMRECT, 0, LPARAM(&first)));
    ASSERT_TRUE(RealClick(List(box), first.left + 10, (first.top + first.bottom) / 2));
    ASSERT_TRUE(RealClick(List(box), first.left + 10, (first.top + first.bottom) / 2));
    ASSERT_TRUE(WaitForClose(box));
    EXPECT_EQ(ComboItem(FromUnitChooser(app), ComboSelection(FromUnitChooser(app))), "barye");

    box = OpenWithKeys();
    ASSERT_NE(box, HWND(0));
    HWND query = GetDlgItem(box, IDC_FIND_QUERY);
    EXPECT_EQ(WindowText(query), "barye");
    DWORD start = 0, end = 0;
    ASSERT_TRUE(SendBounded(query, EM_GETSEL, WPARAM(&start), LPARAM(&end)));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);                            // all of it selected: typing replaces it
    EXPECT_EQ(ListBoxCount(List(box)), 1);
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitForClose(box));
}

}  // namespace
