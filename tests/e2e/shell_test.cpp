// The main window as the user sees it: layout, start state, live conversion,
// the options and the menu.
#include "tests/e2e/driver.h"
#include "res/resource.h"
#include <cstring>

namespace {


// Picks kilometer -> meter in "Metric Length & Distance" and empties the From box.
void SetUpKilometerToMeter(const MetrovaApp& app)
{
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_METRIC_LENGTH));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), KILOMETER));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), METER));
    ASSERT_EQ(ComboItem(FromUnitChooser(app), KILOMETER), "kilometer");
    ASSERT_EQ(ComboItem(ToUnitChooser(app), METER), "meter");
    ASSERT_TRUE(ClearBox(FromBox(app)));
}

// Index of the chooser item with that text, or -1.
int ItemIndex(HWND combo, const char* text)
{
    for (int i = 0; i < ComboCount(combo); ++i)
        if (ComboItem(combo, i) == text) return i;
    return -1;
}

using MainWindow = MetrovaTest;

// The client area that a 470 x 250 window has at 96 DPI, scaled to the display's.
SIZE ExpectedClientSize()
{
    const int dpi96 = 96;
    RECT frame = { 0, 0, 0, 0 };
    AdjustWindowRectExForDpi(&frame, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, TRUE, WS_EX_CLIENTEDGE, dpi96);
    SIZE client = { Scaled(470 - (frame.right - frame.left)), Scaled(250 - (frame.bottom - frame.top)) };
    return client;
}

TEST_F(MainWindow, TitleClassAndFixedSize)
{
    EXPECT_EQ(WindowText(app.window), "Metrova [Desktop]");
    EXPECT_EQ(ClassOf(app.window), "metrova");
    RECT r;
    GetWindowRect(app.window, &r);
    if (DisplayDpi() == 96) {
        EXPECT_EQ(r.right - r.left, 470);                      // outer size
        EXPECT_EQ(r.bottom - r.top, 250);
    }
    GetClientRect(app.window, &r);
    EXPECT_NEAR(r.right, ExpectedClientSize().cx, 1);           // the 96-DPI client area, scaled
    EXPECT_NEAR(r.bottom, ExpectedClientSize().cy, 1);
    LONG style = GetWindowLongA(app.window, GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);                        // cannot be resized...
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);                       // ...nor maximised
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(GetWindowLongA(app.window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(MainWindow, OpensCentredOnTheScreen)
{
    RECT r;
    GetWindowRect(app.window, &r);
    int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    EXPECT_NEAR(r.left, x, 1);
    EXPECT_NEAR(r.top, y, 1);
}

struct ExpectedChild {
    const char* className;
    int id;
    int x, y, width, height;   // at 96 DPI; height as shown: a closed chooser is shorter than 200
    DWORD style;
    const char* text;
};

TEST_F(MainWindow, ChildrenWhereTheyBelong)
{
    const DWORD box = WS_CHILD | WS_VISIBLE | ES_RIGHT;
    const DWORD chooser = WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;
    const ExpectedChild children[] = {
        { "Edit", IDC_FROM_BOX, 10, 150, 200, 20, box, "0" },
        { "Edit", IDC_TO_BOX, 250, 150, 200, 20, box, "0" },
        { "ComboBox", IDC_CATEGORY_CHOOSER, 10, 30, 200, 0, chooser, 0 },
        { "ComboBox", IDC_FROM_UNIT_CHOOSER, 10, 90, 200, 0, chooser, 0 },
        { "ComboBox", IDC_TO_UNIT_CHOOSER, 250, 90, 200, 0, chooser, 0 },
        { "Static", IDC_CATEGORY_LABEL, 10, 10, 200, 20, WS_CHILD | WS_VISIBLE, "Category:" },
        { "Static", IDC_FROM_LABEL, 10, 70, 200, 20, WS_CHILD | WS_VISIBLE, "From:" },
        { "Static", IDC_TO_LABEL, 250, 70, 200, 20, WS_CHILD | WS_VISIBLE, "To:" },
        { "Static", IDC_FROM_UNIT_LABEL, 10, 130, 200, 20, WS_CHILD | WS_VISIBLE, "From Unit:" },
        { "Static", IDC_TO_UNIT_LABEL, 250, 130, 200, 20, WS_CHILD | WS_VISIBLE, "To Unit:" },
    };
    for (const ExpectedChild& e : children) {
        SCOPED_TRACE(std::string(e.className) + " " + std::to_string(e.id));
        HWND child = FindChild(app.window, e.className, e.id);
        ASSERT_NE(child, HWND(0));
        RECT r = ClientRectOf(child);
        EXPECT_NEAR(r.left, Scaled(e.x), 1);                    // the 96-DPI layout, scaled
        EXPECT_NEAR(r.top, Scaled(e.y), 1);
        EXPECT_NEAR(r.right - r.left, Scaled(e.width), 1);
        if (e.height) { EXPECT_NEAR(r.bottom - r.top, Scaled(e.height), 1); }
        EXPECT_EQ(DWORD(GetWindowLongA(child, GWL_STYLE)) & e.style, e.style);
        if (e.text) { EXPECT_EQ(WindowText(child), e.text); }
    }
    EXPECT_TRUE(GetWindowLongA(FromBox(app), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongA(ToBox(app), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT dropped;
    ASSERT_TRUE(SendBounded(CategoryChooser(app), CB_GETDROPPEDCONTROLRECT, 0, LPARAM(&dropped)));
    EXPECT_GT(dropped.bottom - dropped.top, 100);              // created 200 high: a long list
}

TEST_F(MainWindow, AllChildrenShareOneFont)
{
    std::string first;
    const char* classes[] = { "Edit", "Edit", "ComboBox", "ComboBox", "ComboBox",
                              "Static", "Static", "Static", "Static", "Static" };
    const int ids[] = { 1, 2, 1, 2, 3, 1, 2, 3, 4, 5 };
    for (int i = 0; i < 10; ++i) {
        char query[64];
        std::snprintf(query, sizeof query, "font %llx",
                      (unsigned long long)(UINT_PTR)FindChild(app.window, classes[i], ids[i]));
        std::string reply;
        ASSERT_TRUE(ProbeQuery(&app, query, &reply)) << reply;
        ASSERT_NE(reply, "none") << classes[i] << " " << ids[i];
        if (i == 0) first = reply;
        EXPECT_EQ(reply, first) << classes[i] << " " << ids[i];   // same handle, face, size
    }
}

TEST_F(MainWindow, StartState)
{
    EXPECT_EQ(ComboCount(CategoryChooser(app)), 32);
    EXPECT_EQ(ComboItem(CategoryChooser(app), CATEGORY_ALL_LENGTH), "All Length & Distance");
    EXPECT_EQ(ComboItem(CategoryChooser(app), CATEGORY_METRIC_LENGTH), "Metric Length & Distance");
    EXPECT_EQ(ComboSelection(CategoryChooser(app)), 0);
    EXPECT_EQ(ComboSelection(FromUnitChooser(app)), 0);
    EXPECT_EQ(ComboSelection(ToUnitChooser(app)), 0);
    EXPECT_EQ(ComboCount(FromUnitChooser(app)), 316);           // category 0's units
    EXPECT_EQ(WindowText(FromBox(app)), "0");
    EXPECT_EQ(WindowText(ToBox(app)), "0");
    EXPECT_EQ(FocusedControlId(&app), 1);                       // typing goes to the From box
}

TEST_F(MainWindow, TypingConvertsAtEveryKeystroke)
{
    SetUpKilometerToMeter(app);
    ASSERT_TRUE(TypeText(FromBox(app), "2"));
    EXPECT_EQ(WindowText(ToBox(app)), " 2000.000000");
    ASSERT_TRUE(TypeText(FromBox(app), "0"));
    EXPECT_EQ(WindowText(ToBox(app)), " 20000.000000");
    EXPECT_EQ(WindowText(FromBox(app)), "20");                 // not rewritten by the To box's change
}

// 54 cg is exactly 5.4 dg; in doubles 54 * 1e-5 / 1e-4 lands just below,
// and the box used to show " 5.399999".
TEST_F(MainWindow, ShowsTheExactAnswer)
{
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_METRIC_MASS));
    ASSERT_EQ(ComboItem(CategoryChooser(app), CATEGORY_METRIC_MASS), "Metric Mass");
    int centigram = ItemIndex(FromUnitChooser(app), "centigram");
    int decigram = ItemIndex(ToUnitChooser(app), "decigram");
    ASSERT_GE(centigram, 0);
    ASSERT_GE(decigram, 0);
    ASSERT_TRUE(PickItem(FromUnitChooser(app), centigram));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), decigram));
    ASSERT_TRUE(ClearBox(FromBox(app)));
    ASSERT_TRUE(TypeText(FromBox(app), "54"));
    EXPECT_EQ(WindowText(ToBox(app)), " 5.400000");
}

// Room for an expression: 64 characters, wider than the box.
TEST_F(MainWindow, ValueBoxTakesAtMost64Characters)
{
    std::string sum = "10";   // the box keeps 10 and 31 ones
    while (sum.size() < 69) sum += "+1";
    SetUpKilometerToMeter(app);
    ASSERT_TRUE(TypeText(FromBox(app), sum.c_str()));
    EXPECT_EQ(WindowText(FromBox(app)), sum.substr(0, 64));
    EXPECT_EQ(WindowText(ToBox(app)), " 41000.000000");
}

TEST_F(MainWindow, TextThatIsNoNumberPassesThrough)
{
    SetUpKilometerToMeter(app);
    EXPECT_EQ(WindowText(ToBox(app)), "");                      // emptied with the From box
    ASSERT_TRUE(TypeText(FromBox(app), "abc"));
    EXPECT_EQ(WindowText(ToBox(app)), "abc");
}

TEST_F(MainWindow, TypingInToBoxConvertsBackwards)
{
    SetUpKilometerToMeter(app);
    ASSERT_TRUE(ClearBox(ToBox(app)));
    ASSERT_TRUE(TypeText(ToBox(app), "3"));
    EXPECT_EQ(WindowText(FromBox(app)), " 0.003000");
    EXPECT_EQ(FocusedControlId(&app), 2);
    ASSERT_TRUE(PickItem(FromUnitChooser(app), METER));         // a unit change now rewrites From
    EXPECT_EQ(WindowText(FromBox(app)), " 3.000000");
    EXPECT_EQ(WindowText(ToBox(app)), "3");
}

TEST_F(MainWindow, CategoryChangeResetsUnits)
{
    SetUpKilometerToMeter(app);
    ASSERT_TRUE(TypeText(FromBox(app), "5"));
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_TEMPERATURE));
    EXPECT_EQ(ComboCount(FromUnitChooser(app)), 5);
    EXPECT_EQ(ComboItem(ToUnitChooser(app), 4), "kelvin");
    EXPECT_EQ(ComboSelection(FromUnitChooser(app)), 0);
    EXPECT_EQ(ComboSelection(ToUnitChooser(app)), 0);
    EXPECT_EQ(WindowText(ToBox(app)), " 5.000000");             // Celsius to Celsius
}

TEST_F(MainWindow, SwapExchangesUnits)
{
    SetUpKilometerToMeter(app);
    ASSERT_TRUE(TypeText(FromBox(app), "2"));
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_SWAP));
    EXPECT_EQ(ComboSelection(FromUnitChooser(app)), METER);
    EXPECT_EQ(ComboSelection(ToUnitChooser(app)), KILOMETER);
    EXPECT_EQ(WindowText(FromBox(app)), "2");                  // values are not exchanged
    EXPECT_EQ(WindowText(ToBox(app)), " 0.002000");
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_SWAP));
    EXPECT_EQ(ComboSelection(FromUnitChooser(app)), KILOMETER);
    EXPECT_EQ(WindowText(ToBox(app)), " 2000.000000");
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenu(&app, &bar));
    bool offered = false;                                       // each swap offers the reversed pair
    for (const MenuEntry& item : bar[0].items) offered = offered || item.text == "meter ~ kilometer";
    EXPECT_TRUE(offered);
}

TEST_F(MainWindow, AboutOpensOverTheWindowAndCloses)
{
    ASSERT_TRUE(PostCommand(app.window, IDM_HELP_ABOUT));                   // modal: posted, not sent
    HWND about = FindAboutBox(app);
    ASSERT_NE(about, HWND(0));
    EXPECT_FALSE(IsWindowEnabled(app.window));                  // the main window waits
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitForClose(about));
    EXPECT_TRUE(IsWindowEnabled(app.window));
}

TEST_F(MainWindow, DecimalPlacesReformatPassiveBox)
{
    SetUpKilometerToMeter(app);
    ASSERT_TRUE(TypeText(FromBox(app), "1.23456"));
    ASSERT_TRUE(SendCommand(app.window, IDM_DECIMALS_FIRST + 2));                   // "2"
    EXPECT_EQ(WindowText(ToBox(app)), " 1234.56");
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenu(&app, &bar));
    for (int id = IDM_DECIMALS_FIRST; id <= IDM_DECIMALS_LAST; ++id)                           // the one check moved from 6 to 2
        EXPECT_EQ(FindMenuItem(bar, id)->checked, id == IDM_DECIMALS_FIRST + 2) << id;
    ASSERT_TRUE(SendCommand(app.window, IDM_DECIMALS_FIRST + 15));                   // "15"
    EXPECT_EQ(WindowText(ToBox(app)), " 1234.560000000000");
}

TEST_F(MainWindow, ScientificNotationSwitchesBackAndForth)
{
    SetUpKilometerToMeter(app);
    ASSERT_TRUE(TypeText(FromBox(app), "2"));
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SCIENTIFIC));
    EXPECT_EQ(WindowText(ToBox(app)), " 2.000000E+0003");
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenu(&app, &bar));
    EXPECT_TRUE(FindMenuItem(bar, IDM_OPTIONS_SCIENTIFIC)->checked);
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SCIENTIFIC));
    EXPECT_EQ(WindowText(ToBox(app)), " 2000.000000");
    ASSERT_TRUE(ReadMenu(&app, &bar));
    EXPECT_FALSE(FindMenuItem(bar, IDM_OPTIONS_SCIENTIFIC)->checked);
}

TEST_F(MainWindow, SaveOnExitCheckFollowsTheCommand)
{
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenu(&app, &bar));
    EXPECT_FALSE(FindMenuItem(bar, IDM_OPTIONS_SAVE_ON_EXIT)->checked);               // no settings file: off
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_TRUE(ReadMenu(&app, &bar));
    EXPECT_TRUE(FindMenuItem(bar, IDM_OPTIONS_SAVE_ON_EXIT)->checked);
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_TRUE(ReadMenu(&app, &bar));
    EXPECT_FALSE(FindMenuItem(bar, IDM_OPTIONS_SAVE_ON_EXIT)->checked);
}

TEST_F(MainWindow, UnknownCommandsAndNotificationsChangeNothing)
{
    SetUpKilometerToMeter(app);
    ASSERT_TRUE(TypeText(FromBox(app), "2"));
    ASSERT_TRUE(SendCommand(app.window, IDM_FAVORITE_FIRST));                  // no favourite yet
    ASSERT_TRUE(SendCommand(app.window, IDM_DECIMALS_FIRST - 1));                   // just below the decimal places
    ASSERT_TRUE(SendCommand(app.window, IDM_RECENT_LAST + 1));                  // just past the recent slots
    ASSERT_TRUE(SendCommand(app.window, 0x10000 | IDM_OPTIONS_SCIENTIFIC));       // not a menu command as a whole
    EXPECT_EQ(ComboSelection(CategoryChooser(app)), CATEGORY_METRIC_LENGTH);
    EXPECT_EQ(WindowText(ToBox(app)), " 2000.000000");
}

TEST_F(MainWindow, MenuAsBuilt)
{
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenu(&app, &bar));
    ASSERT_EQ(bar.size(), 5u);
    const char* popups[] = { "&Go", "&View", "&Favorites", "&Options", "&Help" };
    for (int i = 0; i < 5; ++i) EXPECT_EQ(bar[i].text, popups[i]);

    ASSERT_EQ(bar[0].items.size(), 2u);                         // no recent conversions yet
    EXPECT_EQ(bar[0].items[0].text, "E&xit");
    EXPECT_EQ(bar[0].items[0].id, 34);
    EXPECT_TRUE(bar[0].items[1].separator);

    ASSERT_EQ(bar[1].items.size(), 10u);
    const char* view[] = { "Swap", "", "&Find Unit...\tCtrl+F", "All &Units...\tCtrl+U", "",
                           "&Copy Answer\tCtrl+Shift+C", "Copy Con&version", "", "&Formula", "Always on &Top" };
    const int viewIds[] = { 51, 0, 52, 53, 0, 56, 57, 0, 55, 54 };   // 0: a separator
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(bar[1].items[i].text, view[i]);
        EXPECT_EQ(bar[1].items[i].id, viewIds[i]);
        EXPECT_EQ(bar[1].items[i].separator, viewIds[i] == 0);
        EXPECT_FALSE(bar[1].items[i].checked);   // every choice off at first
    }

    ASSERT_EQ(bar[2].items.size(), 3u);                         // no favourites yet
    EXPECT_EQ(bar[2].items[0].text, "Add to Favoriates");
    EXPECT_EQ(bar[2].items[0].id, 48);
    EXPECT_EQ(bar[2].items[1].text, "Remove from Favoriates");
    EXPECT_EQ(bar[2].items[1].id, 49);
    EXPECT_TRUE(bar[2].items[2].separator);

    const std::vector<MenuEntry>& options = bar[3].items;
    ASSERT_EQ(options.size(), 8u);
    const char* optionTexts[] = { "Save Settings Upon Exit", "Custom &Units...", "", "Select Decimal Place",
                                  "Scientific Notation", "Fractions", "Automatic Notation", "Windows Decimal Symbol" };
    const int optionIds[] = { 50, 68, 0, -1, 65, -1, 66, 67 };   // 0: a separator, -1: a pop-up
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(options[i].text, optionTexts[i]);
        EXPECT_EQ(options[i].separator, optionIds[i] == 0);
        EXPECT_EQ(options[i].popup, optionIds[i] == -1);
        EXPECT_TRUE(optionIds[i] < 0 || options[i].id == optionIds[i]) << i;
        EXPECT_FALSE(options[i].checked);                       // fixed notation, nothing chosen at first
    }
    const char* fractions[] = { "Off", "1/2", "1/4", "1/8", "1/16", "1/32", "1/64" };
    const struct { int at, count, firstId, checked; } lists[] = { { 3, 16, 80, 6 }, { 5, 7, 140, 0 } };   // 6 decimals, no fractions
    for (const auto& popup : lists) {
        const std::vector<MenuEntry>& items = options[popup.at].items;
        ASSERT_EQ(items.size(), size_t(popup.count));
        for (int i = 0; i < popup.count; ++i) {
            EXPECT_EQ(items[i].text, popup.at == 3 ? std::to_string(i) : fractions[i]);
            EXPECT_EQ(items[i].id, popup.firstId + i);
            EXPECT_EQ(items[i].checked, i == popup.checked);
        }
    }

    ASSERT_EQ(bar[4].items.size(), 2u);
    EXPECT_EQ(bar[4].items[0].text, "&Web Site");
    EXPECT_EQ(bar[4].items[0].id, 33);
    EXPECT_EQ(bar[4].items[1].text, "&About");
    EXPECT_EQ(bar[4].items[1].id, 32);
}

TEST_F(MainWindow, ExitEndsTheProgram)
{
    ASSERT_TRUE(SendCommand(app.window, IDM_GO_EXIT));
    DWORD exitCode = 1;
    ASSERT_TRUE(WaitForExit(&app, 5000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    std::string ignored;
    EXPECT_FALSE(ReadSettingsFile(&ignored));                   // saving was off: nothing written
}

TEST_F(MainWindow, ExitSavesWhenAsked)
{
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));                   // "Save Settings Upon Exit"
    ASSERT_TRUE(SendCommand(app.window, IDM_GO_EXIT));
    DWORD exitCode = 1;
    ASSERT_TRUE(WaitForExit(&app, 5000, &exitCode));
    std::string file;
    ASSERT_TRUE(ReadSettingsFile(&file));
    EXPECT_NE(file.find("NUM_FORMAT=1"), std::string::npos) << file;
    EXPECT_NE(file.find("DEC_PLACE=6"), std::string::npos) << file;
}

TEST_F(MainWindow, CloseButtonEndsTheProgram)
{
    ASSERT_TRUE(PostMessageA(app.window, WM_SYSCOMMAND, SC_CLOSE, 0));
    DWORD exitCode = 1;
    ASSERT_TRUE(WaitForExit(&app, 5000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace

namespace {

// Options as a hand-edited settings file may carry them.
class HandEditedOptions : public MetrovaTest {
protected:
    void BeforeStart() override
    {
        // Six recent conversions fill slots 9 down to 4: the oldest has id 96 + 4 = 100,
        // which is also 80 + DEC_PLACE. The newest (kilometer -> meter) is applied at start.
        std::string file = "[Recent List]\r\n";
        const int units[6][2] = { { 8, 10 }, { 10, 8 }, { 1, 2 }, { 2, 1 }, { 3, 4 }, { 4, 3 } };
        for (int n = 1; n <= 6; ++n) {
            file += "RECENT_CAT_" + std::to_string(n) + "=24\r\n";
            file += "RECENT_FR_" + std::to_string(n) + "=" + std::to_string(units[n - 1][0]) + "\r\n";
            file += "RECENT_TO_" + std::to_string(n) + "=" + std::to_string(units[n - 1][1]) + "\r\n";
        }
        file += "[Options]\r\nNUM_FORMAT=3\r\nDEC_PLACE=20\r\n";
        ASSERT_TRUE(WriteSettingsFile(file));
    }
};

TEST_F(HandEditedOptions, ScientificNotationFlipsFromAnyFixedValue)
{
    ASSERT_TRUE(ClearBox(FromBox(app)));
    ASSERT_TRUE(TypeText(FromBox(app), "2"));
    EXPECT_EQ(WindowText(ToBox(app)), " 2000.000000000000");      // NUM_FORMAT=3 is fixed; 16 digits shown
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SCIENTIFIC));
    EXPECT_EQ(WindowText(ToBox(app)), " 2.000000000000000E+0003"); // 3 -> scientific (a lowest-bit flip gives 2)
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenu(&app, &bar));
    EXPECT_TRUE(FindMenuItem(bar, IDM_OPTIONS_SCIENTIFIC)->checked);
}

TEST_F(HandEditedOptions, NotationIsSavedAsZeroOrOne)
{
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SCIENTIFIC));                   // 2 -> scientific
    ASSERT_TRUE(SendCommand(app.window, IDM_GO_EXIT));                   // the file existed: saved at exit
    DWORD exitCode = 1;
    ASSERT_TRUE(WaitForExit(&app, 5000, &exitCode));
    std::string file;
    ASSERT_TRUE(ReadSettingsFile(&file));
    EXPECT_NE(file.find("NUM_FORMAT=0"), std::string::npos) << file;
}

TEST_F(HandEditedOptions, DecimalPlacesAbove15CheckOnly15)
{
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenu(&app, &bar));
    const MenuEntry* oldest = FindMenuItem(bar, IDM_RECENT_FIRST + 4);
    ASSERT_NE(oldest, nullptr);
    EXPECT_FALSE(oldest->checked);                                  // 80 + 20 is a recent item's id
    for (int id = IDM_DECIMALS_FIRST; id <= IDM_DECIMALS_LAST; ++id)
        EXPECT_EQ(FindMenuItem(bar, id)->checked, id == IDM_DECIMALS_LAST) << id;  // shown as 15, checked as 15
    ASSERT_TRUE(SendCommand(app.window, IDM_DECIMALS_FIRST + 3));
    ASSERT_TRUE(ReadMenu(&app, &bar));
    for (int id = IDM_DECIMALS_FIRST; id <= IDM_DECIMALS_LAST; ++id)
        EXPECT_EQ(FindMenuItem(bar, id)->checked, id == IDM_DECIMALS_FIRST + 3) << id;  // the single mark moved
}

}  // namespace
