// The All Units window: opened from the menu and with Ctrl+U, following the
// main window at every change, choosing and copying rows, its place kept.
// Dpi.* runs again at other DPIs, LocaleAllUnits.* under other code pages.
#include "tests/e2e/driver.h"
#include "tests/e2e/settings_helpers.h"
#include "catalogue/catalog.h"
#include "res/resource.h"

#include <cstdlib>

namespace {

// The window open from the menu, its list, and the rows read back.
struct AllUnitsFixture : MetrovaTest {
    void Open()
    {
        ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_ALL_UNITS));
        box = AllUnitsBox(app);
        ASSERT_NE(box, HWND(0));
        list = GetDlgItem(box, IDC_ALL_UNITS_LIST);
    }
    std::vector<ListRow> Rows() { return ListRows(&app, list); }
    // Waits until row `row` shows this value (the view follows at once, the
    // reading is the bounded part).
    bool RowShows(int row, const std::string& value)
    {
        return WaitUntil([&] {
            std::vector<ListRow> rows = Rows();
            return int(rows.size()) > row && rows[row].value == value;
        });
    }
    void Close()
    {
        PostMessageA(box, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitForClose(box));
    }
    HWND box = 0, list = 0;
};

std::string Trimmed(std::string text)
{
    return text.erase(0, text.find_first_not_of(' '));
}

using AllUnits = AllUnitsFixture;

TEST_F(AllUnits, OpensFromTheMenuAndWithCtrlU)
{
    Open();
    EXPECT_EQ(GetWindow(box, GW_OWNER), app.window);
    EXPECT_TRUE(GetWindowLongA(box, GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(int(Rows().size()), UnitCatalog[0].count);
    // Each label stands just before its control, which a screen reader names it by.
    HWND filter = GetDlgItem(box, IDC_ALL_UNITS_FILTER);
    EXPECT_EQ(WindowText(GetWindow(filter, GW_HWNDPREV)), "Filter:");
    EXPECT_EQ(WindowText(GetWindow(list, GW_HWNDPREV)), "Units");
    // Tab between the filter and the list.
    EXPECT_EQ(FocusedControlId(&app), IDC_ALL_UNITS_LIST);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }));
    ASSERT_TRUE(PressKey(VK_TAB));
    EXPECT_TRUE(WaitUntil([&] { return FocusedControlId(&app) == IDC_ALL_UNITS_FILTER; }));
    Close();
    ASSERT_TRUE(BringToFront(&app));
    ASSERT_TRUE(PressKey('U', KEY_CTRL));
    EXPECT_NE(AllUnitsBox(app), HWND(0));
}

// Typing, units, categories, options and swapping in the main window show at
// once, and the focus stays in the main window.
TEST_F(AllUnits, FollowsEveryChangeInTheMainWindow)
{
    Open();
    ASSERT_TRUE(PickItem(CategoryChooser(app), METRIC_LENGTH));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), KILOMETER));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), METER));
    ASSERT_TRUE(ClearBox(FromBox(app)));
    ASSERT_TRUE(TypeText(FromBox(app), "2"));
    ASSERT_TRUE(RowShows(METER, "2000.000000"));
    std::vector<ListRow> rows = Rows();
    ASSERT_EQ(int(rows.size()), UnitCatalog[METRIC_LENGTH].count);
    EXPECT_EQ(rows[METER].unit, "meter (to unit)");
    EXPECT_EQ(rows[KILOMETER].unit, "kilometer (from unit)");
    EXPECT_EQ(rows[KILOMETER].value, "2.000000");
    EXPECT_EQ(FocusedControlId(&app), IDC_FROM_BOX);

    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SCIENTIFIC));
    EXPECT_TRUE(RowShows(METER, Trimmed(WindowText(ToBox(app)))));
    ASSERT_TRUE(SendCommand(app.window, IDM_DECIMALS_FIRST + 2));
    EXPECT_TRUE(RowShows(METER, Trimmed(WindowText(ToBox(app)))));
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_SWAP));
    EXPECT_TRUE(WaitUntil([&] { return Rows()[METER].unit == "meter (from unit)"; }));
    // Typed on the to side, the rows follow that box.
    ASSERT_TRUE(ClearBox(ToBox(app)));
    ASSERT_TRUE(TypeText(ToBox(app), "abc"));
    EXPECT_TRUE(RowShows(METER, ""));
    ASSERT_TRUE(PickItem(CategoryChooser(app), TEMPERATURE_CATEGORY));
    EXPECT_TRUE(WaitUntil([&] { return int(Rows().size()) == UnitCatalog[TEMPERATURE_CATEGORY].count; }));
    // The filter narrows the rows as Find Unit does.
    ASSERT_TRUE(SetTextWide(GetDlgItem(box, IDC_ALL_UNITS_FILTER), L"FAHRENHEIT degree"));
    EXPECT_TRUE(WaitUntil([&] { rows = Rows(); return rows.size() == 1 && rows[0].unit == "degree Fahrenheit"; }));
}

// Enter on a row makes its unit the to-unit, recomputed and recorded.
TEST_F(AllUnits, ChoosingARowMakesItTheToUnit)
{
    ASSERT_TRUE(PickItem(CategoryChooser(app), METRIC_LENGTH));
    Open();
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }));
    ASSERT_TRUE(PressKey(VK_HOME));
    for (int i = 0; i < METER; ++i) ASSERT_TRUE(PressKey(VK_DOWN));
    ASSERT_TRUE(PressKey(VK_RETURN));
    ASSERT_TRUE(WaitUntil([&] { return ComboSelection(ToUnitChooser(app)) == METER; }));
    std::vector<std::string> recent = ListItems(&app, GO_MENU);
    ASSERT_FALSE(recent.empty());
    EXPECT_NE(recent[0].find("~ meter"), std::string::npos) << recent[0];
    EXPECT_EQ(Rows()[METER].unit, "meter (to unit)");
}

// Ctrl+C puts the selected rows on the clipboard, one "value unit" line each.
TEST_F(AllUnits, CopiesTheSelectedRows)
{
    ASSERT_TRUE(PickItem(CategoryChooser(app), METRIC_LENGTH));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), KILOMETER));
    ASSERT_TRUE(TypeText(FromBox(app), "5"));   // "05"
    Open();
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }));
    ASSERT_TRUE(PressKey(VK_HOME));
    for (int i = 0; i < KILOMETER; ++i) ASSERT_TRUE(PressKey(VK_DOWN));
    ASSERT_TRUE(PressKey(VK_DOWN, KEY_SHIFT));
    ASSERT_TRUE(PressKey('C', KEY_CTRL));
    ASSERT_TRUE(WaitForInputHandled(&app));
    std::vector<ListRow> rows = Rows();
    const std::string expected = rows[KILOMETER].value + " kilometer\r\n" + rows[KILOMETER + 1].value + " " +
                                 UnitCatalog[METRIC_LENGTH].units[KILOMETER + 1].name;
    std::wstring copied;
    ASSERT_TRUE(WaitUntil([&] {
        if (!OpenClipboard(0)) return false;
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        const wchar_t* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : 0;
        copied = text ? text : L"";
        if (text) GlobalUnlock(data);
        CloseClipboard();
        return Utf8FromWide(copied) == expected;
    })) << Utf8FromWide(copied) << " instead of " << expected;
}

// The window opens again where it was left, in this run and the next.
TEST_F(AllUnits, OpensAgainWhereItWasLeft)
{
    Open();
    ASSERT_TRUE(SetWindowPos(box, 0, 37, 41, Scaled(300), Scaled(280), SWP_NOZORDER));
    RECT placed;
    GetWindowRect(box, &placed);
    Close();
    Open();
    RECT again;
    GetWindowRect(box, &again);
    EXPECT_TRUE(EqualRect(&placed, &again));
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    PostMessageA(app.window, WM_CLOSE, 0, 0);
    DWORD code;
    ASSERT_TRUE(WaitForExit(&app, DRIVER_TIMEOUT_MS, &code));
    std::string settings;
    ASSERT_TRUE(ReadSettingsFile(&settings));
    EXPECT_NE(settings.find("ALL_UNITS_LEFT=37"), std::string::npos) << settings;
    StopMetrova(&app);
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    Open();
    GetWindowRect(box, &again);
    EXPECT_TRUE(EqualRect(&placed, &again));
}

// At any DPI the window and its list grow with the font, and the rows fit.
using Dpi = MetrovaTest;
TEST_F(Dpi, TheAllUnitsWindowGrowsWithItsFont)
{
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_ALL_UNITS));
    HWND box = AllUnitsBox(app);
    ASSERT_NE(box, HWND(0));
    RECT client;
    GetClientRect(box, &client);
    EXPECT_GE(client.right, Scaled(460));
    EXPECT_GE(client.bottom, Scaled(370));
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r = ClientRectOf(child);
        EXPECT_LE(r.right, client.right) << WindowText(child);
        EXPECT_LE(r.bottom, client.bottom) << WindowText(child);
    }
}

// Under any code page the rows hold the names as written.
using LocaleAllUnits = MetrovaTest;
TEST_F(LocaleAllUnits, RowsReadAsWritten)
{
    const char* expected = std::getenv("METROVA_EXPECTED_CODE_PAGE");
    if (expected) {
        ASSERT_EQ(MetrovaCodePage(&app), std::atoi(expected));
    }
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_ALL_UNITS));
    HWND box = AllUnitsBox(app);
    ASSERT_NE(box, HWND(0));
    ASSERT_TRUE(SetTextWide(GetDlgItem(box, IDC_ALL_UNITS_FILTER), L"douzi\u00E8me print"));
    std::vector<ListRow> rows;
    EXPECT_TRUE(WaitUntil([&] {
        rows = ListRows(&app, GetDlgItem(box, IDC_ALL_UNITS_LIST));
        return rows.size() == 1 && rows[0].unit == Utf8FromWide(L"douzi\u00E8me [print]");
    })) << (rows.empty() ? "no rows" : rows[0].unit);
}

}  // namespace
