// Taking an answer away and reading it: Copy Answer and Copy Conversion, the
// formula line, automatic notation, the Windows decimal symbol and Always on
// Top, by the menu and by the keyboard.
#include "tests/e2e/driver.h"
#include "res/resource.h"
#include <cstdlib>

namespace {

using Answers = MetrovaTest;
using Dpi = MetrovaTest;
using LocaleFormula = MetrovaTest;

const int COMMON_LENGTH = 4, MILE = 8, COMMON_KILOMETER = 3;   // "Common Length": "mile", "kilometer"
const int FORMULA_GROWTH96 = 34;                               // the line and the gap above it

// A window's text as it holds it, read with the wide message.
std::wstring WideText(HWND window)
{
    wchar_t text[512] = L"";
    DWORD_PTR ignored;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, LPARAM(text), SMTO_ABORTIFHUNG, DRIVER_TIMEOUT_MS, &ignored);
    return text;
}

HWND FormulaLine(const MetrovaApp& app) { return FindChild(app.window, "Static", IDC_FORMULA_LINE); }

bool Topmost(const MetrovaApp& app) { return (GetWindowLongA(app.window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

bool ItemChecked(MetrovaApp* app, int id)
{
    std::vector<MenuEntry> bar;
    const MenuEntry* item = ReadMenu(app, &bar) ? FindMenuItem(bar, id) : 0;
    return item && item->checked;
}

// 50 miles in kilometers, typed into the From box.
void ShowFiftyMiles(const MetrovaApp& app)
{
    ASSERT_TRUE(PickItem(CategoryChooser(app), COMMON_LENGTH));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), MILE));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), COMMON_KILOMETER));
    ASSERT_TRUE(ClearBox(FromBox(app)));
    ASSERT_TRUE(TypeText(FromBox(app), "50"));
    ASSERT_EQ(WindowText(ToBox(app)), " 80.467200");
}

// The copies leave the boxes and the choosers as they were.
TEST_F(Answers, CopiesPutTheAnswerAndTheConversionOnTheClipboard)
{
    ShowFiftyMiles(app);
    ASSERT_TRUE(EmptyTheClipboard());
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_COPY_ANSWER));
    EXPECT_EQ(ClipboardText(), L"80.467200");
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_COPY_CONVERSION));
    EXPECT_EQ(ClipboardText(), L"50 mile = 80.467200 kilometer");
    EXPECT_EQ(WindowText(FromBox(app)), "50");
    EXPECT_EQ(WindowText(ToBox(app)), " 80.467200");
    EXPECT_TRUE(Shows(app, COMMON_LENGTH, MILE, COMMON_KILOMETER));

    // Typed in the To box, the conversion runs the other way, rounded.
    ASSERT_TRUE(ClearBox(ToBox(app)));
    ASSERT_TRUE(TypeText(ToBox(app), "1"));
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_COPY_CONVERSION));
    EXPECT_EQ(ClipboardText(), L"1 kilometer \u2248 0.621371 mile");
}

// Every new command from the keys: the accelerator in a value box (where
// Ctrl+C is the box's own), the View and Options pop-ups by their letters or
// arrows.
TEST_F(Answers, EveryNewCommandWorksFromTheKeyboard)
{
    ShowFiftyMiles(app);
    ASSERT_TRUE(BringToFront(&app));
    ASSERT_TRUE(EmptyTheClipboard());
    ASSERT_TRUE(PressKey('C', KEY_CTRL | KEY_SHIFT));
    ASSERT_TRUE(WaitForInputHandled(&app));
    EXPECT_EQ(ClipboardText(), L"80.467200");

    const struct { WORD menu; std::vector<WORD> keys; int id; } commands[] = {
        { 'V', { 'V' }, IDM_VIEW_COPY_CONVERSION },
        { 'V', { VK_UP, VK_UP, VK_RETURN }, IDM_VIEW_FORMULA },   // "&Formula" shares its letter with "&Find Unit..."
        { 'V', { 'T' }, IDM_VIEW_ALWAYS_ON_TOP },
        { 'O', { VK_UP, VK_UP, VK_RETURN }, IDM_OPTIONS_AUTOMATIC },
        { 'O', { VK_UP, VK_RETURN }, IDM_OPTIONS_WINDOWS_DECIMAL },
    };
    for (const auto& c : commands) {
        ASSERT_TRUE(PressKey(c.menu, KEY_ALT));
        for (WORD key : c.keys) ASSERT_TRUE(PressKey(key));
        ASSERT_TRUE(WaitForInputHandled(&app));
        if (c.id == IDM_VIEW_COPY_CONVERSION)
            EXPECT_EQ(ClipboardText(), L"50 mile = 80.467200 kilometer");
        else
            EXPECT_TRUE(ItemChecked(&app, c.id)) << c.id;
    }
    EXPECT_TRUE(Topmost(app));
    EXPECT_TRUE(IsWindowVisible(FormulaLine(app)));
}

// 0.0001 m is 1e-7 km: below the sixth decimal, so fixed notation shows no
// digit of it and automatic notation turns to scientific for it alone.
TEST_F(Answers, AutomaticNotationExcludesScientific)
{
    ASSERT_TRUE(PickItem(CategoryChooser(app), METRIC_LENGTH));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), METER));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), KILOMETER));
    ASSERT_TRUE(ClearBox(FromBox(app)));
    ASSERT_TRUE(TypeText(FromBox(app), "0.0001"));
    EXPECT_EQ(WindowText(ToBox(app)), " 0.");
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_AUTOMATIC));
    EXPECT_EQ(WindowText(ToBox(app)), " 1.000000E-0007");
    ASSERT_TRUE(ClearBox(FromBox(app)));
    ASSERT_TRUE(TypeText(FromBox(app), "1"));
    EXPECT_EQ(WindowText(ToBox(app)), " 0.001000");

    // Choosing one notation clears the other; choosing the checked one again is fixed.
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SCIENTIFIC));
    EXPECT_TRUE(ItemChecked(&app, IDM_OPTIONS_SCIENTIFIC));
    EXPECT_FALSE(ItemChecked(&app, IDM_OPTIONS_AUTOMATIC));
    EXPECT_EQ(WindowText(ToBox(app)), " 1.000000E-0003");
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_AUTOMATIC));
    EXPECT_FALSE(ItemChecked(&app, IDM_OPTIONS_SCIENTIFIC));
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_AUTOMATIC));
    EXPECT_FALSE(ItemChecked(&app, IDM_OPTIONS_AUTOMATIC));
    EXPECT_EQ(WindowText(ToBox(app)), " 0.001000");
}

TEST_F(Answers, FormulaLineFollowsTheUnits)
{
    ShowFiftyMiles(app);
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_FORMULA));
    EXPECT_EQ(WideText(FormulaLine(app)), L"1 mile = 1.609344 kilometer\n1 kilometer \u2248 0.6213711922373340 mile");
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_SWAP));
    EXPECT_EQ(WideText(FormulaLine(app)), L"1 kilometer \u2248 0.6213711922373340 mile\n1 mile = 1.609344 kilometer");
    ASSERT_TRUE(PickItem(CategoryChooser(app), 28));   // Temperature: Celsius on both sides
    ASSERT_TRUE(PickItem(ToUnitChooser(app), 1));
    EXPECT_EQ(WideText(FormulaLine(app)), L"\u00B0F = \u00B0C \u00D7 1.8 + 32\n\u00B0C = (\u00B0F \u2212 32) / 1.8");
}

TEST_F(Answers, AlwaysOnTopKeepsTheWindowAbove)
{
    EXPECT_FALSE(Topmost(app));
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_ALWAYS_ON_TOP));
    EXPECT_TRUE(Topmost(app));
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_ALWAYS_ON_TOP));
    EXPECT_FALSE(Topmost(app));
}

// Run again under de_DE.UTF-8 (a comma), where METROVA_EXPECTED_DECIMAL
// makes sure the locale really gives one.
TEST_F(Answers, RegionalDecimalSymbolInAnswersAndCopies)
{
    wchar_t symbol[8] = L"";
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol, 8), 0);
    if (const char* expected = std::getenv("METROVA_EXPECTED_DECIMAL")) {
        ASSERT_EQ(Utf8FromWide(symbol), expected);
    }
    ShowFiftyMiles(app);
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_WINDOWS_DECIMAL));
    EXPECT_EQ(WideText(ToBox(app)), std::wstring(L" 80") + symbol + L"467200");
    EXPECT_EQ(WindowText(FromBox(app)), "50");   // typing is not touched
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_COPY_ANSWER));
    EXPECT_EQ(ClipboardText(), std::wstring(L"80") + symbol + L"467200");
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_COPY_CONVERSION));
    EXPECT_EQ(ClipboardText(), std::wstring(L"50 mile = 80") + symbol + L"467200 kilometer");
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_WINDOWS_DECIMAL));
    EXPECT_EQ(WindowText(ToBox(app)), " 80.467200");
}

// Run again under code pages 1251 and 932 (the Locale* tests): the line is a
// Unicode window, so a Windows-1252 name shows as written in every one.
TEST_F(LocaleFormula, NamesShowInEveryCodePage)
{
    const int ALL_LENGTH = 0;
    int print = -1, meter = -1;
    ASSERT_TRUE(PickItem(CategoryChooser(app), ALL_LENGTH));
    for (int i = 0; i < ComboCount(FromUnitChooser(app)); ++i) {
        const std::wstring name = ComboItemWide(FromUnitChooser(app), i);
        if (name == WideFrom1252("douzi\xE8me [print]")) print = i;
        if (name == L"meter") meter = i;
    }
    ASSERT_TRUE(print >= 0 && meter >= 0);
    ASSERT_TRUE(PickItem(FromUnitChooser(app), print));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), meter));
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_FORMULA));
    EXPECT_EQ(WideText(FormulaLine(app)),
              L"1 douzi\u00E8me [print] = 0.00017638888889 meter\n1 meter \u2248 5669.291338546965 douzi\u00E8me [print]");
}

// ctest runs this at 120, 144 and 192 DPI too.
TEST_F(Dpi, TheFormulaLineGrowsTheWindowAndShrinksItBack)
{
    HWND line = FormulaLine(app);
    ASSERT_NE(line, HWND(0));
    EXPECT_FALSE(IsWindowVisible(line));
    RECT before, after, client;
    GetWindowRect(app.window, &before);
    for (bool shown : { true, false }) {
        ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_FORMULA));
        GetWindowRect(app.window, &after);
        GetClientRect(app.window, &client);
        EXPECT_EQ(after.right - after.left, before.right - before.left);
        EXPECT_EQ(after.bottom - after.top, before.bottom - before.top + (shown ? Scaled(FORMULA_GROWTH96) : 0));
        EXPECT_EQ(after.top, before.top);
        EXPECT_EQ(IsWindowVisible(line) != 0, shown);
        if (shown) {
            const RECT r = ClientRectOf(line);
            EXPECT_GE(r.top, ClientRectOf(FromBox(app)).bottom);
            EXPECT_LE(r.bottom, client.bottom);
            EXPECT_LE(r.right, client.right);
        }
    }
}

}  // namespace
