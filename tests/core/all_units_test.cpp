// The All Units rows over fake controls: every row's value against the exact
// reference, the filter against the matcher, the marks and the copied lines.
#include "core/all_units.h"
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "tests/catalogue/table_lookup.h"
#include "tests/core/answer_reference.h"
#include "tests/support/fake_view.h"
#include <gtest/gtest.h>
#include <string>

namespace {

const ConversionState InitialState = Conversion;

// Shows typed on one side of the conversion and reads the rows again.
void Show(int category, const char* from, const char* to, int side, const char* typed)
{
    Conversion = InitialState;
    FakeViewReset();
    OnChooserChanged(0);
    SelectConversion(category, UnitIndex(category, from), UnitIndex(category, to));
    FakeFocus(side);
    FakeClear(side);
    FakeType(side, typed);
    RefreshAllUnits();
}

std::string Text(int (*write)(int, char*), int row)
{
    char text[ALL_UNITS_NAME_SIZE + ALL_UNITS_LINE_SIZE];
    write(row, text);
    return text;
}

// Every row, in every notation, is the exact answer for the typed text on the
// active side's unit as a value box lays it out, without its leading blank.
TEST(AllUnits, EveryRowIsTheExactAnswerInTheCurrentNotation)
{
    const struct { int category; const char* from; const char* to; int side; const char* typed; } cases[] = {
        { CATEGORY_ALL_LENGTH, "foot [international, U.S.]", "inch [international, U.S.]", BOX_TO, "-1234.5e3" },
        { CATEGORY_TEMPERATURE, "degree Celsius", "degree Fahrenheit", BOX_FROM, "-40" },
    };
    const int notations[][2] = { { 1, 6 }, { 0, 15 }, { 1, 0 } };   // NumFormat, DecimalPlaces
    for (const auto& c : cases) {
        SetAllUnitsFilter("");
        Show(c.category, c.from, c.to, c.side, c.typed);
        ASSERT_EQ(AllUnits.count, UnitCount(c.category));
        const double typedFactor = UnitFactor(c.category, c.side == BOX_FROM ? c.from : c.to);
        ScannedNumber scanned;
        ASSERT_TRUE(ScanNumber(c.typed, &scanned));
        const RefRational value = RefOfScanned(scanned);
        for (const auto& n : notations) {
            Conversion.NumFormat = n[0];
            Conversion.DecimalPlaces = static_cast<unsigned short>(n[1]);
            for (int row = 0; row < AllUnits.count; ++row) {
                if (UnitKindOf(c.category, row) == UNIT_COMPOUND) continue;   // laid out in parts: the compound tests
                const double f = UnitFactor(c.category, row);
                std::string expected = RefBoxText(c.category == CATEGORY_TEMPERATURE ? RefTemperature(typedFactor, f, value)
                                                  : RefOver(RefTimes(value, RefStandsFor(typedFactor)), RefStandsFor(f)),
                                                  n[1], n[0] == 0);
                EXPECT_EQ(Text(AllUnitsValueText, row), expected.erase(0, expected.find_first_not_of(' ')))
                    << UnitName(c.category, row) << " from " << c.typed << ", notation " << n[0] << "/" << n[1];
            }
        }
    }
}

// Words in any order, case ignored, the category's units in table order; a
// new category keeps the filter.
TEST(AllUnits, FilterNarrowsWithTheFindUnitMatcher)
{
    Show(CATEGORY_ALL_LENGTH, "meter", "meter", BOX_FROM, "1");
    const struct { const char* filter; int count; } cases[] = {
        { "", UnitCount(CATEGORY_ALL_LENGTH) }, { "SURVEY foot", 1 }, { "foot survey", 1 }, { "xyzzy", 0 } };
    for (const auto& c : cases) {
        SetAllUnitsFilter(c.filter);
        EXPECT_EQ(AllUnits.count, c.count) << c.filter;
    }
    SetAllUnitsFilter("meter");
    Show(CATEGORY_METRIC_LENGTH, "meter", "meter", BOX_FROM, "1");
    ASSERT_GT(AllUnits.count, 5);
    for (int row = 0; row < AllUnits.count; ++row) {
        EXPECT_NE(Text(AllUnitsNameText, row).find("meter"), std::string::npos);
        EXPECT_TRUE(row == 0 || AllUnitsRowUnit(row - 1) < AllUnitsRowUnit(row));
    }
    EXPECT_EQ(AllUnitsRowUnit(AllUnits.count), -1);
}

// The from- and to-unit rows carry their marks; a copied line has the value
// and the bare name, or the name alone when the text is no number.
TEST(AllUnits, MarksAndCopiedLines)
{
    SetAllUnitsFilter("");
    Show(CATEGORY_METRIC_LENGTH, "kilometer", "meter", BOX_FROM, "2");
    const int km = UnitIndex(CATEGORY_METRIC_LENGTH, "kilometer"), m = UnitIndex(CATEGORY_METRIC_LENGTH, "meter");
    EXPECT_EQ(Text(AllUnitsNameText, km), "kilometer (from unit)");
    EXPECT_EQ(Text(AllUnitsNameText, m), "meter (to unit)");
    EXPECT_EQ(AllUnitsRowMarks(0), 0);
    EXPECT_EQ(Text(AllUnitsCopyLine, m), "2000.000000 meter");
    Show(CATEGORY_METRIC_LENGTH, "kilometer", "kilometer", BOX_FROM, "2x");
    EXPECT_EQ(Text(AllUnitsNameText, km), "kilometer (from and to unit)");
    EXPECT_EQ(Text(AllUnitsCopyLine, m), "meter");
}

}  // namespace
