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

std::string Trimmed(std::string text)
{
    return text.erase(0, text.find_first_not_of(' '));
}

class AllUnitsTest : public testing::Test {
protected:
    void SetUp() override
    {
        Conversion = InitialState;
        FakeViewReset();
        OnChooserChanged(0);
        SetAllUnitsFilter("");
    }
    void Show(int category, int from, int to, int side, const char* typed)
    {
        FakePick(CHOOSER_CATEGORY, category);
        FakePick(CHOOSER_FROM_UNIT, from);
        FakePick(CHOOSER_TO_UNIT, to);
        FakeFocus(side);
        FakeClear(side);
        FakeType(side, typed);
        RefreshAllUnits();
    }
    std::string Value(int row)
    {
        char text[ALL_UNITS_VALUE_SIZE];
        AllUnitsValueText(row, text);
        return text;
    }
};

// Every row of a category, in every notation, is the exact answer for the
// typed text on the active side's unit, as a value box lays it out.
TEST_F(AllUnitsTest, EveryRowIsTheExactAnswerInTheCurrentNotation)
{
    struct Case { int category; const char* from; const char* to; int side; const char* typed; };
    const Case cases[] = {
        { METRIC_LENGTH, "kilometer", "meter", BOX_FROM, "2.5" },
        { ALL_LENGTH, "foot [international, U.S.]", "inch [international, U.S.]", BOX_TO, "-1234.5e3" },
        { COOKING, "cup [US]", "dash", BOX_FROM, "3" },
        { TEMPERATURE, "degree Celsius", "degree Fahrenheit", BOX_FROM, "-40" },
    };
    struct Notation { int numFormat, decimals; };
    const Notation notations[] = { { 1, 6 }, { 0, 15 }, { 1, 0 }, { 0, 3 } };
    for (const Case& c : cases) {
        const int from = UnitIndex(c.category, c.from), to = UnitIndex(c.category, c.to);
        ASSERT_GE(from, 0) << c.from;
        ASSERT_GE(to, 0) << c.to;
        Show(c.category, from, to, c.side, c.typed);
        const Category& table = UnitCatalog[c.category];
        ASSERT_EQ(AllUnits.count, table.count);
        const double typedFactor = table.units[c.side == BOX_FROM ? from : to].factor;
        ScannedNumber scanned;
        ASSERT_TRUE(ScanNumber(c.typed, &scanned));
        for (const Notation& n : notations) {
            Conversion.NumFormat = n.numFormat;
            Conversion.DecimalPlaces = static_cast<unsigned short>(n.decimals);
            for (int row = 0; row < AllUnits.count; ++row) {
                const double rowFactor = table.units[row].factor;
                RefRational value = RefOfScanned(scanned);
                RefRational expected = c.category == TEMPERATURE
                                           ? RefTemperature(typedFactor, rowFactor, value)
                                           : RefOver(RefTimes(value, RefStandsFor(typedFactor)), RefStandsFor(rowFactor));
                EXPECT_EQ(Value(row), Trimmed(RefBoxText(expected, n.decimals, n.numFormat == 0)))
                    << table.units[row].name << " from " << c.typed << " notation " << n.numFormat << "/" << n.decimals;
            }
        }
    }
}

// A text that is no number leaves every value empty; the copied line is then
// the name alone.
TEST_F(AllUnitsTest, NoNumberShowsNoValues)
{
    Show(METRIC_LENGTH, UnitIndex(METRIC_LENGTH, "kilometer"), UnitIndex(METRIC_LENGTH, "meter"), BOX_FROM, "abc");
    for (int row = 0; row < AllUnits.count; ++row) EXPECT_EQ(Value(row), "") << row;
    char line[ALL_UNITS_LINE_SIZE];
    AllUnitsCopyLine(UnitIndex(METRIC_LENGTH, "meter"), line);
    EXPECT_STREQ(line, "meter");
}

// The filter keeps the category's units the matcher finds, words in any
// order, case and accents ignored, in table order.
TEST_F(AllUnitsTest, FilterNarrowsWithTheFindUnitMatcher)
{
    Show(ALL_LENGTH, 0, 0, BOX_FROM, "1");
    struct Case { const char* filter; int count; };   // -1: the whole category
    const Case cases[] = { { "", -1 }, { "SURVEY foot", 1 }, { "foot survey", 1 }, { "xyzzy", 0 } };
    for (const Case& c : cases) {
        SetAllUnitsFilter(c.filter);
        EXPECT_EQ(AllUnits.count, c.count < 0 ? UnitCatalog[ALL_LENGTH].count : c.count) << c.filter;
    }
    SetAllUnitsFilter("meter");
    ASSERT_GT(AllUnits.count, 5);
    for (int row = 0; row < AllUnits.count; ++row) {
        EXPECT_NE(std::string(UnitCatalog[ALL_LENGTH].units[AllUnitsRowUnit(row)].name).find("meter"), std::string::npos);
        if (row > 0) {
            EXPECT_LT(AllUnitsRowUnit(row - 1), AllUnitsRowUnit(row));
        }
    }
    // A new category keeps the filter and lists its own units.
    Show(METRIC_LENGTH, 0, 0, BOX_FROM, "1");
    for (int row = 0; row < AllUnits.count; ++row)
        EXPECT_NE(std::string(UnitCatalog[METRIC_LENGTH].units[AllUnitsRowUnit(row)].name).find("meter"), std::string::npos);
    EXPECT_EQ(AllUnitsRowUnit(AllUnits.count), -1);
}

// The from-unit and to-unit rows carry their marks in the name; the copied
// line has the value and the bare name.
TEST_F(AllUnitsTest, FromAndToRowsAreMarked)
{
    const int km = UnitIndex(METRIC_LENGTH, "kilometer"), m = UnitIndex(METRIC_LENGTH, "meter");
    Show(METRIC_LENGTH, km, m, BOX_FROM, "2");
    char name[ALL_UNITS_NAME_SIZE], line[ALL_UNITS_LINE_SIZE];
    struct Case { int row; int marks; const char* name; };
    const Case cases[] = { { km, ALL_UNITS_MARK_FROM, "kilometer (from unit)" }, { m, ALL_UNITS_MARK_TO, "meter (to unit)" },
                           { 0, 0, UnitCatalog[METRIC_LENGTH].units[0].name } };
    for (const Case& c : cases) {
        EXPECT_EQ(AllUnitsRowMarks(c.row), c.marks);
        AllUnitsNameText(c.row, name);
        EXPECT_STREQ(name, c.name);
    }
    AllUnitsCopyLine(m, line);
    EXPECT_STREQ(line, "2000.000000 meter");
    FakePick(CHOOSER_TO_UNIT, km);
    RefreshAllUnits();
    AllUnitsNameText(km, name);
    EXPECT_STREQ(name, "kilometer (from and to unit)");
}

// The view hears of every answer and of the side being typed in changing.
TEST_F(AllUnitsTest, EveryChangeIsAnnounced)
{
    const int before = FakeView.conversionChanges;
    FakeType(BOX_FROM, "5");
    EXPECT_EQ(FakeView.conversionChanges, before + 1);
    FakeFocus(BOX_TO);
    EXPECT_EQ(FakeView.conversionChanges, before + 2);
    SetDecimalPlaces(3);
    FakePick(CHOOSER_TO_UNIT, 4);
    EXPECT_EQ(FakeView.conversionChanges, before + 4);
}

}  // namespace
