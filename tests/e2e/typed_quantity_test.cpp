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

struct Row {
    bool paste, fromBox;
    std::wstring text, shown;   // what goes into one box, what the other then shows
};

// Each row into its box; the typed box keeps exactly what was typed or pasted.
void Enter(const MetrovaApp& app, const std::vector<Row>& rows)
{
    for (const Row& row : rows) {
        HWND typed = row.fromBox ? FromBox(app) : ToBox(app), other = row.fromBox ? ToBox(app) : FromBox(app);
        const std::string what = Utf8FromWide(row.text);
        if (row.paste) {
            ASSERT_TRUE(PasteText(typed, row.text)) << what;
        } else {
            ASSERT_TRUE(ClearBox(typed) && TypeTextWide(typed, row.text)) << what;
        }
        EXPECT_TRUE(WaitUntil([&] { return WindowTextWide(other) == row.shown; }))
            << what << " showed \"" << Utf8FromWide(WindowTextWide(other)) << '"';
        EXPECT_EQ(WindowTextWide(typed), row.text) << what;
    }
}

using TypedQuantity = MetrovaTest;

// Kilometres to metres (text that is no number passes through); then feet and
// inches both ways in "Common Length" (the compound unit is the table's last),
// and the answer in sixteenths from the Fractions pop-up, one check mark at a time.
TEST_F(TypedQuantity, TypedAndPastedIntoBothBoxes)
{
    const std::wstring decimal = LocaleSymbol(LOCALE_SDECIMAL), grouping = LocaleSymbol(LOCALE_STHOUSAND);
    if (const char* expected = std::getenv("METROVA_EXPECTED_DECIMAL")) {
        ASSERT_EQ(Utf8FromWide(decimal), expected) << "is the locale generated? (scripts/setup-debian.sh)";
    }
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_METRIC_LENGTH));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), KILOMETER) && PickItem(ToUnitChooser(app), METER));
    Enter(app, {
        {false, true, L"3\u00BD", L" 3500.000000"},
        {false, false, L"(2+1/2)*3", L" 0.007500"},
        {false, false, L"1" + decimal + L"5", L" 0.001500"},
        {true, true, L"\u22125", L"-5000.000000"},
        {true, false, L"\t1" + grouping + L"234" + decimal + L"5 ", L" 1.234500"},
        {true, false, L"1/0", L"1/0"},
    });

    const int inch = 2, feetAndInches = UnitCount(CATEGORY_COMMON_LENGTH) - 1;
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_COMMON_LENGTH));
    ASSERT_TRUE(ComboItem(FromUnitChooser(app), feetAndInches) == "foot + inch" && ComboItem(FromUnitChooser(app), inch) == "inch");
    ASSERT_TRUE(PickItem(FromUnitChooser(app), feetAndInches) && PickItem(ToUnitChooser(app), inch));
    Enter(app, {
        {false, true, L"5\u2032 7 1/2\u2033", L" 67.500000"},
        {false, false, L"67" + decimal + L"4", L"5 ft 7.400000 in"},
    });
    ASSERT_TRUE(SendCommand(app.window, IDM_FRACTIONS_FIRST + 4));
    EXPECT_EQ(WindowTextWide(FromBox(app)), L"\u2248 5 ft 7 3/8 in");
    std::vector<MenuEntry> bar;
    ASSERT_TRUE(ReadMenu(&app, &bar));
    for (int id = IDM_FRACTIONS_FIRST; id <= IDM_FRACTIONS_LAST; ++id)
        EXPECT_TRUE(FindMenuItem(bar, id) && FindMenuItem(bar, id)->checked == (id == IDM_FRACTIONS_FIRST + 4)) << id;
}

}  // namespace
