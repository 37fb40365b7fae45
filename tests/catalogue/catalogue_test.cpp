// Checks that hold for the catalogue as a whole: sizes, base rows, names.
#include "catalogue/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

struct Expected {
    const char* name;
    int count;
    std::vector<std::string> baseRows;  // every row whose factor is exactly 1.0
};

// Category names, unit counts and base rows, in table order.
const Expected Categories[] = {
    { "All Length & Distance", 316, { "meter", "metre" } },
    { "All Speed", 70, { "benz", "meter/second" } },
    { "All Weight & Mass", 203, { "kilogram", "kilogram-force", "libra [metric]", "seer [Pakistan]" } },
    { "Common Cooking", 73, { "cubic meter", "kiloliter" } },
    { "Common Length", 12, { "meter" } },
    { "Common Speed", 13, { "meter/second" } },
    { "Common Weight", 25, { "kilogram" } },
    { "Acceleration", 21, { "meter/square second" } },
    { "Angle", 15, { "radian" } },
    { "Area", 127, { "centiare", "square meter" } },
    { "Astronomical", 12, { "meter" } },
    { "Butter", 10, { "gram" } },
    { "Density", 78, { "gram/cubic decimeter", "gram/liter", "kilogram/cubic meter",
                       "milligram/cubic centimeter", "milligram/milliliter" } },
    { "Dynamic Viscosity (Oil & Water)", 16, { "Poise" } },
    { "Dynamic Viscosity", 22, { "kilogram/meter second", "newton second/m&sup2;", "pascal second",
                                 "poiseuille [France]" } },
    { "Energy", 101, { "joule", "newton meter", "wattsecond" } },
    { "Flow Rate (Mass)", 36, { "kilogram/second" } },
    { "Flow Rate (Mole Basis)", 20, { "mole/second" } },
    { "Flow Rate (Volume)", 168, { "cubic meter/second", "kiloliter/second", "stere/second" } },
    { "Force", 38, { "joule/meter", "newton" } },
    { "Frequency", 18, { "1/second", "cycle/second", "hertz", "revolution/second" } },
    { "Illuminance", 11, { "lumen/square meter", "lux", "metercandle" } },
    { "Kinematic Viscosity", 28, { "m\xB2/second" } },
    { "Luminance", 15, { "candela/square meter", "nit" } },
    { "Metric Length & Distance", 23, { "meter" } },
    { "Metric Mass", 30, { "kilogram" } },
    { "Power", 69, { "joule/second", "newton meter/second", "watt" } },
    { "Pressure", 100, { "newton/square meter", "pascal" } },
    { "Temperature", 5, {} },
    { "Time", 15, { "second" } },
    { "Torque", 16, { "newton meter" } },
    { "Volume", 82, { "cubic meter", "kiloliter", "stere" } },
};

TEST(Catalogue, CategoryNamesAndCountsInTableOrder)
{
    ASSERT_EQ(CategoryCount(), int(sizeof Categories / sizeof Categories[0]));
    int total = 0;
    for (int c = 0; c < CategoryCount(); ++c) {
        EXPECT_STREQ(CategoryName(c), Categories[c].name) << "category " << c;
        EXPECT_EQ(UnitCount(c), Categories[c].count) << Categories[c].name;
        total += UnitCount(c);
    }
    EXPECT_EQ(total, 1788);
}

TEST(Catalogue, BaseRowsAreExactlyTheRowsWithFactorOne)
{
    for (int c = 0; c < CategoryCount(); ++c) {
        if (c == CATEGORY_TEMPERATURE) continue;
        std::set<std::string> found;
        for (int u = 0; u < UnitCount(c); ++u)
            if (UnitFactor(c, u) == 1.0)
                found.insert(UnitName(c, u));
        std::set<std::string> expected(Categories[c].baseRows.begin(), Categories[c].baseRows.end());
        EXPECT_EQ(found, expected) << Categories[c].name;
    }
}

TEST(Catalogue, NamesAreUniqueWithinATableAndAtMost39Characters)
{
    for (int c = 0; c < CategoryCount(); ++c) {
        std::set<std::string> seen;
        for (int u = 0; u < UnitCount(c); ++u) {
            const char* name = UnitName(c, u);
            ASSERT_NE(name, nullptr) << Categories[c].name << " row " << u;
            EXPECT_GT(std::strlen(name), 0u) << Categories[c].name << " row " << u;
            EXPECT_LE(std::strlen(name), 39u) << Categories[c].name << " row " << u << " " << name;
            EXPECT_TRUE(seen.insert(name).second) << Categories[c].name << " repeats " << name;
        }
    }
}

TEST(Catalogue, FactorsAreFiniteAndPositive)
{
    for (int c = 0; c < CategoryCount(); ++c)
        for (int u = 0; u < UnitCount(c); ++u) {
            double f = UnitFactor(c, u);
            EXPECT_TRUE(std::isfinite(f) && f > 0) << Categories[c].name << " row " << u;
        }
}

TEST(Catalogue, TemperatureCodes)
{
    const char* names[] = { "degree Celsius", "degree Fahrenheit", "degree Rankine", "degree Reaumur", "kelvin" };
    for (int u = 0; u < 5; ++u) {
        EXPECT_STREQ(UnitName(CATEGORY_TEMPERATURE, u), names[u]);
        EXPECT_EQ(UnitFactor(CATEGORY_TEMPERATURE, u), u + 1.0);
    }
}

// The door's answers at its edges: the last unit of the last category is
// there, the pairs around it and around the first are not.
TEST(Catalogue, PairsAtTheEdges)
{
    const int last = CategoryCount() - 1, lastUnit = UnitCount(last) - 1;
    const struct { int category, unit; bool exists; } pairs[] = {
        { 0, 0, true },                      // first unit of the first category
        { last, lastUnit, true },            // last unit of the last category
        { last, lastUnit + 1, false },       // one unit past it
        { last + 1, 0, false },              // one category past it
        { -1, 0, false }, { 0, -1, false },  // negative, compared unsigned
    };
    for (const auto& p : pairs) {
        SCOPED_TRACE(std::to_string(p.category) + ", " + std::to_string(p.unit));
        EXPECT_EQ(UnitExists(p.category, p.unit), p.exists);
        EXPECT_EQ(std::strlen(UnitName(p.category, p.unit)) > 0, p.exists);
        EXPECT_EQ(std::isnan(UnitFactor(p.category, p.unit)), !p.exists);
    }
    EXPECT_STREQ(UnitName(last, lastUnit), "yard");   // "Volume" ends with the cubic yard
    EXPECT_EQ(UnitCount(last + 1), 0);
    EXPECT_STREQ(CategoryName(last + 1), "");
    EXPECT_EQ(BaseUnitIndex(last + 1), -1);
    EXPECT_EQ(UnitKindOf(CATEGORY_TEMPERATURE, 0), UNIT_TEMPERATURE);
    EXPECT_EQ(UnitKindOf(CATEGORY_TEMPERATURE, UnitCount(CATEGORY_TEMPERATURE)), UNIT_FACTOR);
    EXPECT_EQ(UnitKindOf(last, lastUnit), UNIT_FACTOR);
    int compoundRows = 0;   // the rows written in parts
    for (int c = 0; c < CategoryCount(); ++c)
        for (int u = 0; u < UnitCount(c); ++u) compoundRows += UnitKindOf(c, u) == UNIT_COMPOUND;
    EXPECT_EQ(compoundRows, 8);
}

}  // namespace
