// Quantities as people write them, typed and pasted (as Unicode text, through
// the clipboard) into both value boxes of the real window. ctest runs this
// again under de_DE.UTF-8 and fr_FR.UTF-8, naming the decimal symbol in
// METROVA_EXPECTED_DECIMAL so that a missing locale fails instead of passing.
#include "tests/e2e/driver.h"
#include "res/resource.h"

#include <cstdlib>

namespace {

std::wstring LocaleSymbol(LCTYPE item)
{
    wchar_t symbol[8] = L"";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, item, symbol, 8);
    return symbol;
}

using TypedQuantity = MetrovaTest;

// Kilometres to metres; the typed box keeps exactly what was typed or
// pasted, the other one shows the exact answer (or the text that is no number).
TEST_F(TypedQuantity, TypedAndPastedIntoBothBoxes)
{
    const std::wstring decimal = LocaleSymbol(LOCALE_SDECIMAL), grouping = LocaleSymbol(LOCALE_STHOUSAND);
    if (const char* expected = std::getenv("METROVA_EXPECTED_DECIMAL")) {
        ASSERT_EQ(Utf8FromWide(decimal), expected) << "is the locale generated? (scripts/setup-debian.sh)";
    }
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_METRIC_LENGTH));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), KILOMETER));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), METER));

    struct Row {
        bool paste, fromBox;
        std::wstring text;
        const char* shown;
    } rows[] = {
        {false, true, L"3 1/2", " 3500.000000"},
        {false, false, L"(2+1/2)*3", " 0.007500"},
        {false, true, L"3\u00BD", " 3500.000000"},
        {false, false, L"1" + decimal + L"5", " 0.001500"},
        {true, true, L"\u22125", "-5000.000000"},
        {true, false, L"\t1" + grouping + L"234" + decimal + L"5 ", " 1.234500"},
        {true, true, L"\u00A01 234" + decimal + L"5", " 1234500.000000"},
        {true, false, L"1/0", "1/0"},
    };
    for (const Row& row : rows) {
        HWND typed = row.fromBox ? FromBox(app) : ToBox(app), other = row.fromBox ? ToBox(app) : FromBox(app);
        const std::string what = Utf8FromWide(row.text);
        if (row.paste) {
            ASSERT_TRUE(PasteText(typed, row.text)) << what;
        } else {
            ASSERT_TRUE(ClearBox(typed));
            ASSERT_TRUE(TypeTextWide(typed, row.text)) << what;
        }
        EXPECT_TRUE(WaitUntil([&] { return Utf8FromWide(WindowTextWide(other)) == row.shown; }))
            << what << " showed \"" << Utf8FromWide(WindowTextWide(other)) << '"';
        EXPECT_EQ(WindowTextWide(typed), row.text) << what;
    }
}

// Feet and inches both ways in "Common Length", then the answer in sixteenths
// from the Fractions pop-up, one check mark at a time. The compound rows are
// the last of their tables.
TEST_F(TypedQuantity, FeetAndInchesAndSixteenths)
{
    const int inch = 2, feetAndInches = UnitCount(CATEGORY_COMMON_LENGTH) - 1;
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_COMMON_LENGTH));
    ASSERT_TRUE(ComboItem(FromUnitChooser(app), feetAndInches) == "foot + inch" && ComboItem(FromUnitChooser(app), inch) == "inch");
    ASSERT_TRUE(PickItem(FromUnitChooser(app), feetAndInches));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), inch));
    const std::wstring decimal = LocaleSymbol(LOCALE_SDECIMAL);
    struct Row {
        bool fromBox;
        std::wstring text;
        std::wstring shown;
    } rows[] = {
        {true, L"5\u2032 7 1/2\u2033", L" 67.500000"},
        {true, L"5 ft 14 in", L" 74.000000"},
        {false, L"67" + decimal + L"5", L"5 ft 7.500000 in"},
        {false, L"-7" + decimal + L"5", L"-7.500000 in"},
    };
    for (const Row& row : rows) {
        HWND typed = row.fromBox ? FromBox(app) : ToBox(app), other = row.fromBox ? ToBox(app) : FromBox(app);
        ASSERT_TRUE(ClearBox(typed));
        ASSERT_TRUE(TypeTextWide(typed, row.text));
        EXPECT_TRUE(WaitUntil([&] { return WindowTextWide(other) == row.shown; }))
            << Utf8FromWide(row.text) << " showed \"" << Utf8FromWide(WindowTextWide(other)) << '"';
    }
    ASSERT_TRUE(ClearBox(ToBox(app)));
    ASSERT_TRUE(TypeTextWide(ToBox(app), L"67" + decimal + L"4"));
    ASSERT_TRUE(SendCommand(app.window, IDM_FRACTIONS_FIRST + 4));
    EXPECT_EQ(WindowTextWide(FromBox(app)), L"\u2248 5 ft 7 3/8 in");
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenu(&app, &bar));
    for (int id = IDM_FRACTIONS_FIRST; id <= IDM_FRACTIONS_LAST; ++id)
        EXPECT_TRUE(FindMenuItem(bar, id) && FindMenuItem(bar, id)->checked == (id == IDM_FRACTIONS_FIRST + 4)) << id;
    ASSERT_TRUE(SendCommand(app.window, IDM_FRACTIONS_FIRST));
    EXPECT_EQ(WindowTextWide(FromBox(app)), L"5 ft 7.400000 in");
}

}  // namespace
