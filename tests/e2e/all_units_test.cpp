// The All Units window: opened from the menu and with Ctrl+U, following the
// main window, choosing and copying rows, its place kept. ctest runs these
// again at other DPIs and under other code pages.
#include "tests/e2e/driver.h"
#include "catalogue/units.h"
#include "res/resource.h"

namespace {

struct AllUnits : MetrovaTest {
    void Open()
    {
        ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_ALL_UNITS));
        ASSERT_NE(box = AllUnitsBox(app), HWND(0));
        list = GetDlgItem(box, IDC_ALL_UNITS_LIST);
    }
    // Waits until the row shows this value and unit.
    bool RowShows(int row, const std::string& value, const std::string& unit)
    {
        return WaitUntil([&] {
            std::vector<ListRow> rows = ListRows(&app, list);
            return int(rows.size()) > row && rows[row].value == value && rows[row].unit == unit;
        });
    }
    HWND box = 0, list = 0;
};

std::string Trimmed(std::string text) { return text.erase(0, text.find_first_not_of(' ')); }

// Scaled with its font, each label just before its control (which a screen
// reader names the control by), Tab to the filter; opened again by Ctrl+U where it was left, in
// this run and, saved, the next.
TEST_F(AllUnits, OpensFromTheMenuAndWithCtrlUWhereItWasLeft)
{
    Open();
    EXPECT_EQ(GetWindow(box, GW_OWNER), app.window);
    EXPECT_EQ(WindowText(GetWindow(GetDlgItem(box, IDC_ALL_UNITS_FILTER), GW_HWNDPREV)), "Filter:");
    EXPECT_EQ(WindowText(GetWindow(list, GW_HWNDPREV)), "Units");
    EXPECT_EQ(int(ListRows(&app, list).size()), UnitCount(CATEGORY_ALL_LENGTH));
    RECT placed, again, client;
    GetClientRect(box, &client);
    EXPECT_GE(client.right, Scaled(420));   // 490 x 390 at 96 DPI; fonts grow in whole pixels
    EXPECT_GE(client.bottom, Scaled(340));
    ASSERT_TRUE(SetWindowPos(box, 0, 37, 41, Scaled(400), Scaled(360), SWP_NOZORDER));
    const RECT row = ClientRectOf(list);
    GetWindowRect(box, &placed);
    GetClientRect(box, &client);
    EXPECT_EQ(client.right - row.right, row.left);   // the list laid out again, the same margin both sides
    EXPECT_LE(row.bottom, client.bottom);
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }) && (run || PressKey(VK_TAB)));
        EXPECT_TRUE(run || WaitUntil([&] { return FocusedControlId(&app) == IDC_ALL_UNITS_FILTER; }));
        ASSERT_TRUE(PressKey(VK_ESCAPE) && WaitForClose(box));
        if (run == 1) {
            ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
            StopMetrova(&app);   // closes the main window, which saves
            std::string why;
            ASSERT_TRUE(StartMetrova(&app, &why)) << why;
        }
        ASSERT_TRUE(BringToFront(&app) && PressKey('U', KEY_CTRL));
        ASSERT_NE(box = AllUnitsBox(app), HWND(0));
        GetWindowRect(box, &again);
        EXPECT_TRUE(EqualRect(&placed, &again)) << run;
    }
}

// Typing, units, options, swapping and categories in the main window show at
// once, the focus staying there; the filter narrows the rows. Ctrl+C copies
// the selected rows as "value unit" lines; Enter makes the first one's unit
// the to-unit, recorded as a recent conversion.
TEST_F(AllUnits, FollowsTheMainWindowCopiesAndChoosesRows)
{
    Open();
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_METRIC_LENGTH));
    ASSERT_TRUE(TypeText(FromBox(app), "2"));   // "02"
    EXPECT_EQ(FocusedControlId(&app), IDC_FROM_BOX);
    ASSERT_TRUE(SetForegroundWindow(box) && WaitUntil([&] { return GetForegroundWindow() == box; }));
    ASSERT_TRUE(PressKey(VK_HOME));
    for (int i = 0; i < KILOMETER; ++i) ASSERT_TRUE(PressKey(VK_DOWN));
    for (int key : { VK_DOWN | KEY_SHIFT << 16, 'C' | KEY_CTRL << 16, VK_RETURN })
        ASSERT_TRUE(PressKey(WORD(key), key >> 16));
    ASSERT_TRUE(WaitUntil([&] { return ComboSelection(ToUnitChooser(app)) == KILOMETER; }));
    EXPECT_NE(ListItems(&app, GO_MENU).at(0).find("~ kilometer"), std::string::npos);
    std::vector<ListRow> rows = ListRows(&app, list);
    EXPECT_EQ(Utf8FromWide(ClipboardText()), rows[KILOMETER].value + " kilometer\r\n" + rows[KILOMETER + 1].value +
                                                  " " + UnitName(CATEGORY_METRIC_LENGTH, KILOMETER + 1));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), KILOMETER));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), METER));
    EXPECT_TRUE(RowShows(METER, "2000.000000", "meter (to unit)"));
    EXPECT_TRUE(RowShows(KILOMETER, "2.000000", "kilometer (from unit)"));
    for (int command : { IDM_OPTIONS_SCIENTIFIC, IDM_DECIMALS_FIRST + 2, IDM_VIEW_SWAP }) {
        ASSERT_TRUE(SendCommand(app.window, command));
        EXPECT_TRUE(RowShows(ComboSelection(ToUnitChooser(app)), Trimmed(WindowText(ToBox(app))),
                             command == IDM_VIEW_SWAP ? "kilometer (to unit)" : "meter (to unit)"));
    }
    ASSERT_TRUE(TypeText(ToBox(app), "x"));   // typed on the To side: the rows follow it
    EXPECT_TRUE(RowShows(METER, "", "meter (from unit)"));
    ASSERT_TRUE(PickItem(CategoryChooser(app), 0));
    ASSERT_TRUE(SetTextWide(GetDlgItem(box, IDC_ALL_UNITS_FILTER), L"PRINT douzi\u00E8me"));
    EXPECT_TRUE(WaitUntil([&] { return ListRows(&app, list).size() == 1; }));
    EXPECT_TRUE(RowShows(0, "", Utf8FromWide(L"douzi\u00E8me [print]")));
}

}  // namespace
