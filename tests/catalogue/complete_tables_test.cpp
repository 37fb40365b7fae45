// The small tables whose every row is fixed: relations between their rows and
// the conversions users check first.
#include "catalogue/units.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

TEST(CompleteTables, LengthConversions)
{
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_COMMON_LENGTH, 1, "feet", "inch"), 12);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_COMMON_LENGTH, 1, "mile", "kilometer"), 1.609344);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_ASTRONOMICAL, 1, "light year [Julian]", "kilometer"), 9460730472580.8);
    // A light year [Julian] is 365.25 light days.
    EXPECT_EQ(UnitFactor(CATEGORY_ASTRONOMICAL, "light day") * 365.25, UnitFactor(CATEGORY_ASTRONOMICAL, "light year [Julian]"));
    // The same name stands at different indexes in different categories.
    EXPECT_STREQ(UnitName(CATEGORY_COMMON_LENGTH, 6), "meter");
    EXPECT_STREQ(UnitName(CATEGORY_ASTRONOMICAL, 10), "meter");
    EXPECT_STREQ(UnitName(CATEGORY_METRIC_LENGTH, 10), "meter");
}

TEST(CompleteTables, MetricLengthFollowsThePrefixes)
{
    const struct { const char* name; int power; } prefixed[] = {
        { "yoctometer", -24 }, { "zeptometer", -21 }, { "attometer", -18 }, { "femtometer", -15 },
        { "picometer", -12 }, { "tenthmeter", -10 }, { "nanometer", -9 }, { "micrometer", -6 },
        { "millimeter", -3 }, { "centimeter", -2 }, { "decimeter", -1 }, { "dekameter", 1 },
        { "hectometer", 2 }, { "kilometer", 3 }, { "myriameter", 4 }, { "megameter", 6 },
        { "gigameter", 9 }, { "terameter", 12 }, { "petameter", 15 }, { "exameter", 18 },
        { "zettameter", 21 }, { "yottameter", 24 },
    };
    for (const auto& p : prefixed)
        EXPECT_EQ(UnitFactor(CATEGORY_METRIC_LENGTH, p.name), std::stod("1e" + std::to_string(p.power))) << p.name;
}

TEST(CompleteTables, MassConversions)
{
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_BUTTER, 1, "pound", "ounce"), 16);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_BUTTER, 1, "stick", "half stick"), 2);
    // "gram" is 0.001 where the base is the kilogram and 1.0 in the butter table,
    // yet a pound comes out the same in both.
    EXPECT_EQ(UnitFactor(CATEGORY_COMMON_WEIGHT, "gram"), 0.001);
    EXPECT_EQ(UnitFactor(CATEGORY_BUTTER, "gram"), 1.0);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_BUTTER, 1, "pound", "gram"), 453.59237);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_COMMON_WEIGHT, 1, "pound", "gram"), 453.59237);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_METRIC_MASS, 1, "kilogram", "gram"), 1000);
}

TEST(CompleteTables, FlowAndViscosityConversions)
{
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_KINEMATIC_VISCOSITY, 1, "ft\xB2/second", "ft\xB2/minute"), 60);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_KINEMATIC_VISCOSITY, 1, "m\xB2/second", "m\xB2/minute"), 60);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_OIL_WATER_VISCOSITY, 1, "Poise", "Centipoise"), 100);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_DYNAMIC_VISCOSITY, 1, "poise", "centipoise"), 100);
    EXPECT_EQ(ConvertUnits(CATEGORY_DYNAMIC_VISCOSITY, 3.5, "newton second/m&sup2;", "pascal second"), 3.5);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_MASS_FLOW, 1, "kilogram/hour", "kilogram/second") * 3600, 1);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_MOLE_FLOW, 1, "mole/second", "mole/minute"), 60);
}

TEST(CompleteTables, NamesKeepTheirBlanksAndEntities)
{
    EXPECT_STREQ(UnitName(CATEGORY_KINEMATIC_VISCOSITY, 6), "poise cm\xB3/gram  ");
    EXPECT_STREQ(UnitName(CATEGORY_TIME, 1), "millisecond ");
    EXPECT_STREQ(UnitName(CATEGORY_DYNAMIC_VISCOSITY, 10), "newton second/m&sup2;");
    const char* row5 = UnitName(CATEGORY_DYNAMIC_VISCOSITY, 5);  // ends in a literal entity
    ASSERT_GT(std::strlen(row5), 6u);
    EXPECT_STREQ(row5 + std::strlen(row5) - 6, "&nbsp;");
}

TEST(CompleteTables, MechanicsConversions)
{
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_COMMON_SPEED, 1, "knot", "kilometer/hour"), 1.852);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_ACCELERATION, 1, "g-unit (G)", "meter/square second"), 9.80665);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_FORCE, 1, "kilogram-force", "newton"), 9.80665);
    EXPECT_EQ(ConvertUnits(CATEGORY_FORCE, 2.5, "joule/meter", "newton"), 2.5);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_TORQUE, 1, "pound foot", "pound inch"), 12);
}

TEST(CompleteTables, TimeCountsCalendarYearsOf365Days)
{
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_TIME, 1, "year", "day"), 365);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_TIME, 1, "month", "hour"), 730);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_TIME, 1, "quarter", "month"), 3);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_TIME, 1, "millennium", "century"), 10);
}

TEST(CompleteTables, AngleRowsComeFromTheDoubleNearestPi)
{
    const double pi = 3.141592653589793;
    EXPECT_EQ(UnitFactor(CATEGORY_ANGLE, "mil"), 2 * pi / 6400);
    EXPECT_EQ(UnitFactor(CATEGORY_ANGLE, "grad"), 2 * pi / 400);
    EXPECT_EQ(UnitFactor(CATEGORY_ANGLE, "degree"), pi / 180);
    EXPECT_EQ(UnitFactor(CATEGORY_ANGLE, "minute"), pi / 180 / 60);
    EXPECT_EQ(UnitFactor(CATEGORY_ANGLE, "second"), pi / 180 / 3600);
    EXPECT_EQ(UnitFactor(CATEGORY_ANGLE, "point"), 2 * pi / 32);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_ANGLE, 1, "full circle", "degree"), 360);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_ANGLE, 1, "1/4 circle", "degree"), 90);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_ANGLE, 1, "degree", "minute"), 60);
}

TEST(CompleteTables, FrequencyAndLight)
{
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_FREQUENCY, 1, "RPM", "revolution/minute"), 1);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_FREQUENCY, 1, "kilohertz", "hertz"), 1000);
    EXPECT_EQ(ConvertUnits(CATEGORY_FREQUENCY, 7, "cycle/second", "revolution/second"), 7);
    EXPECT_EQ(ConvertUnits(CATEGORY_ILLUMINANCE, 7, "lux", "metercandle"), 7);
    EXPECT_DOUBLE_EQ(ConvertUnits(CATEGORY_LUMINANCE, 1, "stilb", "nit"), 10000);
}

}  // namespace
