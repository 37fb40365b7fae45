// Common Cooking table: the rows whose sizes are fixed, the kitchen measures
// as fractions of the US teaspoon, and the names it shares with Volume.
#include "catalogue/tables.h"
#include "catalogue/units.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const int COOKING_COUNT = 73;

double Cooking(const char* name) { return UnitFactor(CATEGORY_COOKING, name); }

double Rel(double a, double b) { return RatioOffset(a, b); }

TEST(Cooking, StatedRowsAreTheGivenDoubles)
{
    const struct { int index; const char* name; double factor; } rows[] = {
        {   0, "#2.5 can", 0.00082805883125 },
        {   1, "#10 can", 0.0028390588500000003 },
        {  12, "coffee spoon", 2.4644608072916666e-06 },
        {  17, "cubic meter", 1.0 },
        {  18, "cubic micrometer", 1e-18 },
        {  20, "cup [Canada]", 0.0002273045 },
        {  21, "cup [metric]", 0.00025 },
        {  22, "cup [US]", 0.0002365882375 },
        {  23, "dash", 6.161152018229166e-07 },
        {  28, "drop", 5.1342933485243054e-08 },
        {  30, "gallon [UK]", 0.00454609 },
        {  32, "gallon [US, liquid]", 0.0037854118 },
        {  39, "kiloliter", 1.0 },
        {  40, "liter", 0.001 },
        {  42, "megaliter", 1000.0 },
        {  44, "milliliter", 1e-06 },
        {  48, "ounce [US, liquid]", 2.95735296875e-05 },
        {  51, "pinch", 3.080576009114583e-07 },
        {  54, "pint [US, liquid]", 0.000473176475 },
        {  63, "Tivok", 1e-05 },
        {  64, "Tivokspoon", 1e-05 },
        {  65, "Tivok Shot", 5e-05 },
        {  67, "Tablespoon [metric]", 1.5e-05 },
        {  69, "Tablespoon [US]", 1.478676484375e-05 },
        {  70, "Teaspoon [metric]", 5e-06 },
        {  72, "Teaspoon [US]", 4.928921614583333e-06 },
    };
    for (const auto& r : rows) {
        EXPECT_STREQ(CookingUnits[r.index].name, r.name) << "row " << r.index;
        EXPECT_EQ(CookingUnits[r.index].factor, r.factor) << r.name;
    }
}

TEST(Cooking, OrderQuirksAreKept)
{
    EXPECT_STREQ(CookingUnits[0].name, "#2.5 can");          // before "#10 can"
    EXPECT_STREQ(CookingUnits[1].name, "#10 can");
    EXPECT_STREQ(CookingUnits[67].name, "Tablespoon [metric]");
    EXPECT_STREQ(CookingUnits[72].name, "Teaspoon [US]");
}

// Every name but the kitchen-only ones is also a Volume row, with the same factor.
TEST(Cooking, SharedNamesCarryTheVolumeFactor)
{
    const std::string kitchenOnly[] = { "#2.5 can", "#10 can", "coffee spoon", "dash", "demi", "drop",
                                        "pinch", "Tivokspoon", "Tivok Shot" };
    int shared = 0;
    for (const UnitEntry& row : CookingUnits) {
        bool only = false;
        for (const std::string& k : kitchenOnly) only = only || k == row.name;
        double v = UnitFactorOrNaN(CATEGORY_VOLUME, row.name);
        if (only) {
            EXPECT_TRUE(std::isnan(v)) << row.name << " should not be a Volume row";
            continue;
        }
        ASSERT_FALSE(std::isnan(v)) << row.name << " is missing from Volume";
        EXPECT_EQ(row.factor, v) << row.name;
        ++shared;
    }
    EXPECT_EQ(shared, COOKING_COUNT - 9);
}

TEST(Cooking, BaseRowsConvertUnchanged)
{
    const double values[] = { 1.0, 0.25, 4242.5, 1e-300, 1e300 };
    for (double v : values) {
        EXPECT_EQ(ConvertByFactors(v, Cooking("cubic meter"), Cooking("kiloliter")), v);
        EXPECT_EQ(ConvertByFactors(v, Cooking("kiloliter"), Cooking("cubic meter")), v);
    }
}

TEST(Cooking, SpoonsAndCups)
{
    EXPECT_DOUBLE_EQ(ConvertByFactors(1, Cooking("cup [US]"), Cooking("Tablespoon [US]")), 16);
    EXPECT_DOUBLE_EQ(ConvertByFactors(1, Cooking("Tablespoon [US]"), Cooking("Teaspoon [US]")), 3);
    EXPECT_DOUBLE_EQ(ConvertByFactors(1, Cooking("Tablespoon [metric]"), Cooking("Teaspoon [metric]")), 3);
    EXPECT_DOUBLE_EQ(ConvertByFactors(1, Cooking("Tablespoon [UK]"), Cooking("Teaspoon [UK]")), 4);
    EXPECT_DOUBLE_EQ(ConvertByFactors(1, Cooking("cup [metric]"), Cooking("milliliter")), 250);
    EXPECT_EQ(Cooking("demi"), Cooking("cup [metric]"));
    EXPECT_EQ(Cooking("Tivok"), Cooking("centiliter"));
    EXPECT_EQ(Cooking("Tivokspoon"), Cooking("centiliter"));
}

// The kitchen measures are simple fractions of the US teaspoon and cup.
TEST(Cooking, KitchenMeasures)
{
    const double tsp = Cooking("Teaspoon [US]"), cup = Cooking("cup [US]");
    const struct { const char* name; double size; } rows[] = {
        { "coffee spoon", tsp / 2 }, { "dash", tsp / 8 }, { "pinch", tsp / 16 }, { "drop", tsp / 96 },
        { "#2.5 can", 3.5 * cup },   { "#10 can", 12 * cup }, { "pint [US, liquid]", 2 * cup },
        { "Tivok Shot", 5 * Cooking("centiliter") },
    };
    for (const auto& r : rows) EXPECT_LT(Rel(Cooking(r.name), r.size), 1e-15) << r.name;
}

TEST(Cooking, ExtremeRows)
{
    double smallest = CookingUnits[0].factor, largest = smallest;
    for (const UnitEntry& row : CookingUnits) {
        smallest = std::fmin(smallest, row.factor);
        largest = std::fmax(largest, row.factor);
    }
    EXPECT_EQ(smallest, Cooking("cubic micrometer"));
    EXPECT_EQ(largest, Cooking("megaliter"));
}

// The Butter table weighs the same spoons: a UK spoon of butter must come out
// about as dense as a US spoon of butter, and its teaspoon a quarter of its
// tablespoon. A half-ounce UK tablespoon would make butter 30% denser.
TEST(Cooking, UkSpoonsAgreeWithTheButterTable)
{
    const double gramsUkTbsp = UnitFactor(CATEGORY_BUTTER, "tablespoon [UK]");
    const double gramsUsTbsp = UnitFactor(CATEGORY_BUTTER, "tablespoon [US]");
    const double gramsUkTsp = UnitFactor(CATEGORY_BUTTER, "teaspoon [UK]");
    const double usDensity = gramsUsTbsp / Cooking("Tablespoon [US]");
    EXPECT_LT(Rel(gramsUkTbsp / Cooking("Tablespoon [UK]"), usDensity), 0.05);
    EXPECT_LT(Rel(gramsUkTsp / Cooking("Teaspoon [UK]"), usDensity), 0.05);
    EXPECT_DOUBLE_EQ(Cooking("Tablespoon [UK]"), 4 * Cooking("Teaspoon [UK]"));
}

// Independently known sizes: the US cup is 236.5882365 mL and the imperial
// gallon 4.54609 L exactly; the table's US gallon is rounded at 1e-8.
TEST(Cooking, AgreesWithKnownSizes)
{
    EXPECT_LT(Rel(Cooking("cup [US]"), 236.5882365e-6), 2e-8);
    EXPECT_LT(Rel(Cooking("Teaspoon [US]"), 4.92892159375e-6), 2e-8);
    EXPECT_EQ(Cooking("gallon [UK]"), 4.54609e-3);
    EXPECT_LT(Rel(Cooking("ounce [UK, liquid]"), 28.4130625e-6), 1e-15);
    EXPECT_LT(Rel(Cooking("cup [Canada]"), 227.3045e-6), 1e-15);
    EXPECT_LT(Rel(Cooking("Tablespoon [UK]"), 17.7581640625e-6), 1e-15);  // 5/8 imperial fl oz
}

}  // namespace
