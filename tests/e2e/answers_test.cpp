// Copy Answer, Copy Conversion, the formula line, automatic notation, the
// Windows decimal symbol and Always on Top, by the menu and by the keyboard.
#include "tests/e2e/driver.h"
#include "res/resource.h"
#include <cstdlib>

namespace {

using Answers = MetrovaTest;
using Dpi = MetrovaTest;
using LocaleFormula = MetrovaTest;

HWND FormulaLine(const MetrovaApp& app) { return FindChild(app.window, "Static", IDC_FORMULA_LINE); }

// Each command by the menu and by its keys (the letters of the View pop-up,
// arrows where there is none or it is taken); the copies leave the boxes as
// they were. Then the Windows decimal symbol, left on, in the answer and the
// copy: run again under de_DE.UTF-8, where METROVA_EXPECTED_DECIMAL makes sure
// it is a comma.
TEST_F(Answers, RegionalDecimalSymbolAndEveryCommandByMenuAndKeys)
{
    wchar_t symbol[8] = L"";
    ASSERT_GT(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, symbol, 8), 0);
    const char* expected = std::getenv("METROVA_EXPECTED_DECIMAL");
    ASSERT_TRUE(!expected || Utf8FromWide(symbol) == expected) << Utf8FromWide(symbol);
    // 50 in the From box, "Common Length" (4) from "mile" (8) to "kilometer" (3).
    ASSERT_TRUE(PickItem(CategoryChooser(app), 4) && PickItem(FromUnitChooser(app), 8) && PickItem(ToUnitChooser(app), 3));
    ASSERT_TRUE(ClearBox(FromBox(app)) && TypeText(FromBox(app), "50"));
    ASSERT_EQ(WindowText(ToBox(app)), " 80.467200");
    ASSERT_TRUE(BringToFront(&app));
    // The pop-up's letter (0: none, the keys are pressed with Ctrl+Shift), then the keys.
    const struct { int id; WORD menu; std::vector<WORD> keys; const wchar_t* copied; } commands[] = {
        { IDM_VIEW_COPY_ANSWER, 0, { 'C' }, L"80.467200" },   // in the From box, whose own Ctrl+C it is not
        { IDM_VIEW_COPY_CONVERSION, 'V', { 'V' }, L"50 mile = 80.467200 kilometer" },
        { IDM_VIEW_FORMULA, 'V', { VK_UP, VK_UP, VK_RETURN }, 0 },   // "&F" is "&Find Unit..."'s too
        { IDM_VIEW_ALWAYS_ON_TOP, 'V', { 'T' }, 0 },
        { IDM_OPTIONS_AUTOMATIC, 'O', { VK_UP, VK_UP, VK_RETURN }, 0 },
        { IDM_OPTIONS_WINDOWS_DECIMAL, 'O', { VK_UP, VK_RETURN }, 0 },
    };
    for (const auto& c : commands) {
        for (bool byKeys : { false, true }) {
            ASSERT_TRUE(EmptyTheClipboard());
            if (byKeys) {
                ASSERT_TRUE(!c.menu || PressKey(c.menu, KEY_ALT));
                for (WORD key : c.keys) ASSERT_TRUE(PressKey(key, c.menu ? KEY_PLAIN : KEY_CTRL | KEY_SHIFT));
                ASSERT_TRUE(WaitForInputHandled(&app));
            } else {
                ASSERT_TRUE(SendCommand(app.window, c.id));
            }
            if (c.copied) {
                EXPECT_EQ(ClipboardText(), c.copied) << c.id;
            } else {
                std::vector<MenuEntry> bar;
                EXPECT_TRUE(ReadMenu(&app, &bar) && FindMenuItem(bar, c.id)->checked) << c.id << " " << byKeys;
                ASSERT_TRUE(byKeys || SendCommand(app.window, c.id));   // off again for the keys
            }
        }
    }
    EXPECT_NE(GetWindowLongA(app.window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_TRUE(IsWindowVisible(FormulaLine(app)));
    EXPECT_EQ(WindowText(FromBox(app)), "50");
    EXPECT_EQ(WindowTextWide(ToBox(app)), std::wstring(L" 80") + symbol + L"467200");
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_COPY_CONVERSION));
    EXPECT_EQ(ClipboardText(), std::wstring(L"50 mile = 80") + symbol + L"467200 kilometer");
}

// Also run under code pages 1251 and 932 (Locale*): a Windows-1252 name shows
// as written in every one, the line following the units chosen.
TEST_F(LocaleFormula, NamesShowInEveryCodePage)
{
    const std::wstring print = WideFrom1252("douzi\xE8me [print]");
    int unit = 0;
    while (unit < 400 && ComboItemWide(FromUnitChooser(app), unit) != print) ++unit;   // "All Length & Distance"
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_FORMULA));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), unit));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), unit - 1));   // "douzième [watchmaking]"
    EXPECT_EQ(WindowTextWide(FormulaLine(app)), L"1 " + print + L" \u2248 0.9382387706914894 " + WideFrom1252("douzi\xE8me [watchmaking]") +
                                              L"\n1 " + WideFrom1252("douzi\xE8me [watchmaking]") + L" \u2248 1.065826771646829 " + print);
}

// ctest runs this at 120, 144 and 192 DPI too: the line and the gap above it are 34 pixels at 96.
TEST_F(Dpi, TheFormulaLineGrowsTheWindowAndShrinksItBack)
{
    RECT before, after, client;
    GetWindowRect(app.window, &before);
    for (bool shown : { true, false }) {
        ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_FORMULA));
        GetWindowRect(app.window, &after);
        GetClientRect(app.window, &client);
        EXPECT_EQ(after.right - after.left, before.right - before.left);
        EXPECT_EQ(after.bottom - after.top, before.bottom - before.top + (shown ? Scaled(34) : 0));
        EXPECT_EQ(IsWindowVisible(FormulaLine(app)) != 0, shown);
        const RECT line = ClientRectOf(FormulaLine(app));
        EXPECT_TRUE(line.top >= ClientRectOf(FromBox(app)).bottom && (!shown || line.bottom <= client.bottom));
    }
}

}  // namespace
