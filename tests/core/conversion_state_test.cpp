// The conversion state driven as the user drives the window, over fake controls.
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "tests/support/fake_view.h"
#include <gtest/gtest.h>
#include <string>

namespace {

const int KILOMETER = 8;   // units of "Metric Length & Distance"
const int METER = 10;
const int MILLIMETER = 12;
const int CELSIUS = 0;   // units of "Temperature"
const int FAHRENHEIT = 1;
const int KELVIN = 4;

const ConversionState InitialState = Conversion;   // as the process starts

std::string Box(int box) { return FakeView.boxes[box].text; }
int Selected(int chooser) { return FakeView.choosers[chooser].selection; }

class ConversionStateTest : public testing::Test {
protected:
    void SetUp() override
    {
        Conversion = InitialState;
        FakeViewReset();
        OnChooserChanged(0);
    }
    // Picks a category and two units the way the user does, then empties the
    // From box so that typing starts from nothing.
    void Pick(int category, int from, int to)
    {
        FakePick(CHOOSER_CATEGORY, category);
        FakePick(CHOOSER_FROM_UNIT, from);
        FakePick(CHOOSER_TO_UNIT, to);
        FakeClear(BOX_FROM);
        FakeView.deepestChange = 0;
    }
};

TEST_F(ConversionStateTest, StartUp)
{
    EXPECT_EQ(FakeView.choosers[CHOOSER_CATEGORY].items.size(), 32u);   // every category, table order
    EXPECT_EQ(FakeView.choosers[CHOOSER_CATEGORY].items[24], "Metric Length & Distance");
    EXPECT_EQ(Selected(CHOOSER_CATEGORY), 0);                 // category 0 current
    EXPECT_EQ(Conversion.currentCategory, 0);
    EXPECT_EQ(FakeView.choosers[CHOOSER_FROM_UNIT].items.size(), size_t(UnitCount(0)));
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), 0);                // first unit on both sides
    EXPECT_EQ(Selected(CHOOSER_TO_UNIT), 0);
    EXPECT_EQ(Box(BOX_FROM), "0");                            // zero is written as "0"
    EXPECT_EQ(Box(BOX_TO), "0");
    EXPECT_EQ(FakeView.focusedBox, BOX_FROM);                 // the user types into From first
    EXPECT_EQ(Conversion.ActiveSide, BOX_FROM);
}

TEST_F(ConversionStateTest, InitialiseAgainStartsOver)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeType(BOX_FROM, "5");
    OnChooserChanged(0);
    EXPECT_EQ(FakeView.choosers[CHOOSER_CATEGORY].items.size(), 32u);   // not appended twice
    EXPECT_EQ(Selected(CHOOSER_CATEGORY), 0);
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), 0);
}

TEST_F(ConversionStateTest, LiveConversionFromBox)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeType(BOX_FROM, "2");
    EXPECT_EQ(Box(BOX_TO), " 2000.000000");                   // fixed notation, 6 decimals
    FakeType(BOX_FROM, "0");
    EXPECT_EQ(Box(BOX_TO), " 20000.000000");                  // every keystroke converts
    EXPECT_EQ(Box(BOX_FROM), "20");                           // typed text left alone
    EXPECT_EQ(FakeView.deepestChange, 2);                     // To's own change did not convert back
    EXPECT_EQ(FakeView.boxes[BOX_FROM].setTextCount, 0);
}

TEST_F(ConversionStateTest, TextThatIsNoNumberPassesThrough)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeType(BOX_FROM, "7");
    FakeClear(BOX_FROM);
    EXPECT_EQ(Box(BOX_TO), "");                               // emptying one box empties the other
    FakeType(BOX_FROM, "abc");
    EXPECT_EQ(Box(BOX_TO), "abc");                            // not a number: shown as typed
    FakeClear(BOX_FROM);
    FakeType(BOX_FROM, "1e400");
    EXPECT_EQ(Box(BOX_TO), "1e400");                          // beyond the double range: as typed
}

TEST_F(ConversionStateTest, AtMost254CharactersAreRead)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    std::string longText(300, 'x');                           // pasted, not typed: no 20-character limit
    FakeView.boxes[BOX_FROM].text = longText;
    OnValueBoxChanged(BOX_FROM);
    EXPECT_EQ(Box(BOX_TO), longText.substr(0, 254));
}

TEST_F(ConversionStateTest, TypingInToBoxConvertsBackwards)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeClear(BOX_TO);
    FakeType(BOX_TO, "3");
    EXPECT_EQ(Conversion.ActiveSide, BOX_TO);
    EXPECT_EQ(Box(BOX_FROM), " 0.003000");                    // 3 m is 0.003 km
    EXPECT_EQ(FakeView.deepestChange, 2);                     // From's change did not convert forwards

    int toWrites = FakeView.boxes[BOX_TO].setTextCount;
    FakePick(CHOOSER_FROM_UNIT, MILLIMETER);
    EXPECT_EQ(Box(BOX_FROM), " 3000.000000");                 // the passive From box is rewritten
    EXPECT_EQ(Box(BOX_TO), "3");                              // the typed To box is not
    EXPECT_EQ(FakeView.boxes[BOX_TO].setTextCount, toWrites);
    EXPECT_EQ(FakeView.focusedBox, BOX_TO);                   // the focus stays where the user typed
}

TEST_F(ConversionStateTest, CategoryChangeResetsUnitsAndRecomputes)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeType(BOX_FROM, "4");
    FakePick(CHOOSER_CATEGORY, CATEGORY_TEMPERATURE);
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), 0);                // both choosers back on their first unit
    EXPECT_EQ(Selected(CHOOSER_TO_UNIT), 0);
    EXPECT_EQ(FakeView.choosers[CHOOSER_TO_UNIT].items.size(), 5u);   // only this category's units
    EXPECT_EQ(FakeView.choosers[CHOOSER_TO_UNIT].items[KELVIN], "kelvin");
    EXPECT_EQ(Box(BOX_TO), " 4.000000");                      // recomputed from the active box's text
}

TEST_F(ConversionStateTest, SameUnitBothSidesGivesTypedValue)
{
    Pick(CATEGORY_METRIC_LENGTH, MILLIMETER, MILLIMETER);
    FakeType(BOX_FROM, "1.5");
    EXPECT_EQ(Box(BOX_TO), " 1.500000");                      // value * f / f
}

TEST_F(ConversionStateTest, Temperature)
{
    Pick(CATEGORY_TEMPERATURE, FAHRENHEIT, CELSIUS);
    FakeType(BOX_FROM, "212");
    EXPECT_EQ(Box(BOX_TO), " 100.000000");                    // the converter, not 212 * 2 / 1
    FakeClear(BOX_TO);
    FakeType(BOX_TO, "-40");
    EXPECT_EQ(Box(BOX_FROM), "-40.000000");                   // backwards through the converter too
    FakePick(CHOOSER_FROM_UNIT, KELVIN);
    FakeClear(BOX_TO);
    FakeType(BOX_TO, "-300");
    EXPECT_EQ(Box(BOX_FROM), "0");                            // below absolute zero comes out as 0
    FakeClear(BOX_TO);
    FakeType(BOX_TO, "abc");
    EXPECT_EQ(Box(BOX_FROM), "abc");                          // a NaN is not caught as below zero
}

TEST_F(ConversionStateTest, SwapExchangesSelectionsNotValues)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeType(BOX_FROM, "2");
    SwapUnits();
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), METER);
    EXPECT_EQ(Selected(CHOOSER_TO_UNIT), KILOMETER);
    EXPECT_EQ(Box(BOX_FROM), "2");                            // the boxes keep their text...
    EXPECT_EQ(Box(BOX_TO), " 0.002000");                      // ...and the active side is recomputed
    SwapUnits();
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), KILOMETER);        // a second swap returns
    EXPECT_EQ(Box(BOX_TO), " 2000.000000");
}

// Every path that changes a unit keeps the state's two unit indexes in step.
TEST_F(ConversionStateTest, TheStateHoldsBothUnits)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);                  // picks in the choosers
    EXPECT_EQ(Conversion.fromUnit * 100 + Conversion.toUnit, KILOMETER * 100 + METER);
    SwapUnits();
    EXPECT_EQ(Conversion.fromUnit * 100 + Conversion.toUnit, METER * 100 + KILOMETER);
    ShowFoundUnit(CATEGORY_METRIC_LENGTH, MILLIMETER, BOX_TO);        // Find Unit, same category
    EXPECT_EQ(Conversion.fromUnit * 100 + Conversion.toUnit, METER * 100 + MILLIMETER);
    ShowFoundUnit(CATEGORY_TEMPERATURE, KELVIN, BOX_FROM);            // another category
    EXPECT_EQ(Conversion.fromUnit * 100 + Conversion.toUnit, KELVIN * 100 + CELSIUS);
}

TEST_F(ConversionStateTest, SwapWithoutSelectionDoesNothing)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeType(BOX_FROM, "2");
    FakeView.choosers[CHOOSER_TO_UNIT].selection = -1;
    int writes = FakeView.boxes[BOX_TO].setTextCount;
    SwapUnits();
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), KILOMETER);
    EXPECT_EQ(FakeView.boxes[BOX_TO].setTextCount, writes);
}

TEST_F(ConversionStateTest, ChoosersWithoutSelection)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeType(BOX_FROM, "2");
    FakePick(CHOOSER_CATEGORY, -1);
    EXPECT_EQ(Conversion.currentCategory, CATEGORY_METRIC_LENGTH);     // category chooser with no selection: ignored
    FakePick(CHOOSER_FROM_UNIT, -1);
    EXPECT_EQ(Conversion.fromFactor, UnitFactor(CATEGORY_METRIC_LENGTH, KILOMETER));
    FakePick(CHOOSER_TO_UNIT, MILLIMETER);
}

TEST_F(ConversionStateTest, IgnoredRequests)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    SelectConversion(CategoryCount(), 0, 0);                               // one past the table
    SelectConversion(-1, 0, 0);                               // negative, compared unsigned
    OnChooserChanged(4);                                      // no such chooser
    EXPECT_EQ(Conversion.currentCategory, CATEGORY_METRIC_LENGTH);
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), KILOMETER);
}

TEST_F(ConversionStateTest, SelectConversionShowsTheWholeConversion)
{
    SelectConversion(CATEGORY_METRIC_LENGTH, KILOMETER, METER);        // as the lists re-apply an entry
    EXPECT_EQ(Selected(CHOOSER_CATEGORY), CATEGORY_METRIC_LENGTH);
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), KILOMETER);
    EXPECT_EQ(Selected(CHOOSER_TO_UNIT), METER);
}

TEST_F(ConversionStateTest, ScientificNotationReformatsPassiveBox)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeType(BOX_FROM, "2");
    FlipNumFormat();
    EXPECT_EQ(Box(BOX_TO), " 2.000000E+0003");
    FlipNumFormat();
    EXPECT_EQ(Box(BOX_TO), " 2000.000000");                   // and back to fixed
}

TEST_F(ConversionStateTest, FlipAlwaysSwitchesNotation)
{
    Conversion.NumFormat = 3;                                 // a hand-edited NUM_FORMAT=3 (fixed)
    FlipNumFormat();
    EXPECT_EQ(Conversion.NumFormat, 0);                       // a lowest-bit flip would give 2, automatic
    FlipNumFormat();
    EXPECT_EQ(Conversion.NumFormat, 1);
    Conversion.NumFormat = -1;                                // any non-zero value is fixed
    FlipNumFormat();
    EXPECT_EQ(Conversion.NumFormat, 0);
}

TEST_F(ConversionStateTest, DecimalPlacesReformatFromActiveText)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeType(BOX_FROM, "1.23456");
    Conversion.fromValue = 99;                                // the box's text counts, not the stored value
    SetDecimalPlaces(2);
    EXPECT_EQ(Box(BOX_TO), " 1234.56");
    SetDecimalPlaces(0);
    EXPECT_EQ(Box(BOX_TO), " 1234");                          // no point without decimals
    SetDecimalPlaces(16);                                     // not offered by the menu: ignored
    EXPECT_EQ(Conversion.DecimalPlaces, 0);
}

TEST_F(ConversionStateTest, LoadedDecimalPlacesAbove15ShowAs15)
{
    Pick(CATEGORY_METRIC_LENGTH, METER, METER);
    Conversion.DecimalPlaces = 40;                            // a hand-edited DEC_PLACE=40
    EXPECT_EQ(ShownDecimalPlaces(), 15);
    FakeType(BOX_FROM, "1");
    EXPECT_EQ(Box(BOX_TO), " 1.000000000000000");             // the formatter clamps to 15
    Conversion.DecimalPlaces = 7;
    EXPECT_EQ(ShownDecimalPlaces(), 7);
}

}  // namespace

// A unit chosen in the Find Unit box.
TEST_F(ConversionStateTest, FoundUnitInTheCurrentCategoryChangesOnlyItsSide)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeType(BOX_FROM, "2");
    ShowFoundUnit(CATEGORY_METRIC_LENGTH, MILLIMETER, BOX_TO);
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), KILOMETER);
    EXPECT_EQ(Selected(CHOOSER_TO_UNIT), MILLIMETER);
    EXPECT_EQ(Box(BOX_TO), " 2000000.000000");                // recomputed as a pick would
    ShowFoundUnit(CATEGORY_METRIC_LENGTH, METER, BOX_FROM);
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), METER);
    EXPECT_EQ(Box(BOX_TO), " 2000.000000");
}

TEST_F(ConversionStateTest, FoundUnitElsewhereBringsItsCategoryWithTheBaseUnitOpposite)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    FakeType(BOX_FROM, "100");
    ShowFoundUnit(CATEGORY_TEMPERATURE, FAHRENHEIT, BOX_TO);           // Temperature: its first unit opposite
    EXPECT_EQ(Selected(CHOOSER_CATEGORY), CATEGORY_TEMPERATURE);
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), CELSIUS);
    EXPECT_EQ(Selected(CHOOSER_TO_UNIT), FAHRENHEIT);
    EXPECT_EQ(Box(BOX_TO), " 212.000000");                    // from the active box's text
    ShowFoundUnit(CATEGORY_METRIC_LENGTH, KILOMETER, BOX_FROM);        // first unit of factor 1 is "meter"
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), KILOMETER);
    EXPECT_EQ(FakeView.choosers[CHOOSER_TO_UNIT].items[Selected(CHOOSER_TO_UNIT)], "meter");
    EXPECT_EQ(Box(BOX_TO), " 100000.000000");
}

TEST_F(ConversionStateTest, FoundUnitOutsideTheCatalogueIsIgnored)
{
    Pick(CATEGORY_METRIC_LENGTH, KILOMETER, METER);
    ShowFoundUnit(CategoryCount(), 0, BOX_FROM);
    ShowFoundUnit(CATEGORY_METRIC_LENGTH, 23, BOX_FROM);               // one past the table's 23 rows
    ShowFoundUnit(CATEGORY_METRIC_LENGTH, -1, BOX_TO);
    ShowFoundUnit(CATEGORY_METRIC_LENGTH, METER, 3);                   // no such side
    EXPECT_EQ(Conversion.currentCategory, CATEGORY_METRIC_LENGTH);
    EXPECT_EQ(Selected(CHOOSER_FROM_UNIT), KILOMETER);
    EXPECT_EQ(Selected(CHOOSER_TO_UNIT), METER);
}
