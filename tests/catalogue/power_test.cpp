// The Power table: its given rows, the hour/minute sets, the watt prefixes, the
// horsepowers, and agreement with the matching Energy rows.
#include "catalogue/tables.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const int POWER_COUNT = 69;

double Factor(const char* name) { return UnitFactor(CATEGORY_POWER, name); }
double EnergyFactor(const char* name) { return UnitFactor(CATEGORY_ENERGY, name); }
double Convert(double value, const char* from, const char* to) { return ConvertUnits(CATEGORY_POWER, value, from, to); }

TEST(Power, GivenRowsAreTheGivenDoublesAtTheirIndexes)
{
    const struct { int index; const char* name; double factor; } given[] = {
        { 64, "watt", 1.0 },
        { 38, "joule/second", 1.0 },
        { 56, "newton meter/second", 1.0 },
        { 1, "Btu/hour [I.T.]", 0.29307107 },
        { 3, "Btu/second [I.T.]", 1055.055852 },
        { 6, "calorie/second [I.T.]", 4.1868 },
        { 8, "cheval vapeur", 735.49875 },
        { 9, "clusec", 1.3332237e-06 },
        { 14, "dyne centimeter/second", 1e-07 },
        { 17, "erg/second", 1e-07 },
        { 22, "foot pound-force/second", 1.3558179 },
        { 25, "foot poundal/second", 0.04214011 },
        { 29, "gram-force centimeter/second", 9.80665e-05 },
        { 31, "horsepower [international]", 745.69987 },
        { 32, "horsepower [electric]", 746.0 },
        { 33, "horsepower [metric]", 735.49875 },
        { 34, "horsepower [water]", 746.043 },
        { 35, "inch ounce-force revolution/minute", 0.00073948398 },
        { 41, "kilocalorie/second [I.T.]", 4186.8 },
        { 44, "kilogram-force meter/second", 9.80665 },
        { 47, "kilopond meter/second", 9.80665 },
        { 48, "kilowatt", 1000.0 },
        { 51, "million Btu/hour [I.T.]", 293071.07 },
        { 58, "pferdestarke", 735.49875 },
        { 60, "poncelet", 980.665 },
        { 61, "pound square foot/cubic second", 0.04214011 },
        { 63, "ton of refrigeration", 3516.85284 },
        { 65, "yoctowatt", 1e-24 },
        { 66, "yottawatt", 1e+24 },
    };
    for (const auto& g : given) {
        EXPECT_STREQ(PowerUnits[g.index].name, g.name) << "index " << g.index;
        EXPECT_EQ(PowerUnits[g.index].factor, g.factor) << g.name;
    }
}

TEST(Power, SmallestAndLargestFactorsAndPlainAscii)
{
    double smallest = PowerUnits[0].factor, largest = smallest;
    for (const UnitEntry& row : PowerUnits) {
        smallest = std::fmin(smallest, row.factor);
        largest = std::fmax(largest, row.factor);
        for (const unsigned char* p = (const unsigned char*)row.name; *p; ++p)
            EXPECT_LT(*p, 0x80) << row.name;  // "pferdestarke" has no umlaut
    }
    EXPECT_EQ(smallest, Factor("yoctowatt"));
    EXPECT_EQ(largest, Factor("yottawatt"));
}

// Twelve quantities come as hour, minute and second rows in that order; the hour
// and minute rows are the second row divided by 3600 and 60 in double precision.
TEST(Power, HourAndMinuteRowsFollowTheirSecondRow)
{
    int sets = 0;
    for (int s = 2; s < POWER_COUNT; ++s) {
        std::string name = PowerUnits[s].name;
        size_t at = name.find("/second");
        if (at == std::string::npos) continue;
        std::string tail = name.substr(at + 7);
        EXPECT_EQ(std::string(PowerUnits[s - 2].name), name.substr(0, at) + "/hour" + tail);
        EXPECT_EQ(std::string(PowerUnits[s - 1].name), name.substr(0, at) + "/minute" + tail);
        EXPECT_EQ(PowerUnits[s - 2].factor, PowerUnits[s].factor / 3600) << name;
        EXPECT_EQ(PowerUnits[s - 1].factor, PowerUnits[s].factor / 60) << name;
        ++sets;
    }
    EXPECT_EQ(sets, 12);
    EXPECT_TRUE(WithinUlps(Factor("million Btu/hour [I.T.]"), 1e6 * Factor("Btu/hour [I.T.]"), 1));
}

TEST(Power, WattPrefixesFollowTheRule)
{
    const struct { const char* prefix; double power; } prefixes[] = {
        { "yocto", 1e-24 }, { "zepto", 1e-21 }, { "atto", 1e-18 }, { "femto", 1e-15 },
        { "pico", 1e-12 },  { "nano", 1e-9 },   { "micro", 1e-6 }, { "milli", 1e-3 },
        { "centi", 1e-2 },  { "deci", 1e-1 },   { "deka", 1e1 },   { "hecto", 1e2 },
        { "kilo", 1e3 },    { "mega", 1e6 },    { "giga", 1e9 },   { "tera", 1e12 },
        { "peta", 1e15 },   { "exa", 1e18 },    { "zetta", 1e21 }, { "yotta", 1e24 },
    };
    for (const auto& p : prefixes) {
        std::string name = std::string(p.prefix) + "watt";
        EXPECT_TRUE(WithinUlps(Factor(name.c_str()), p.power, 1)) << name;
    }
}

TEST(Power, EdgeCases)
{
    EXPECT_EQ(Convert(3.5, "joule/second", "watt"), 3.5);
    EXPECT_EQ(Convert(3.5, "newton meter/second", "joule/second"), 3.5);
    EXPECT_EQ(Convert(3.5, "watt", "newton meter/second"), 3.5);
    EXPECT_EQ(Convert(1, "cheval vapeur", "horsepower [metric]"), 1);
    EXPECT_EQ(Convert(1, "cheval vapeur", "pferdestarke"), 1);
}

// Horsepowers and other sizes from NIST SP 811 Appendix B and their definitions.
TEST(Power, KnownSizes)
{
    const double footPoundForce = 0.3048 * 0.45359237 * 9.80665;
    const double pi = 3.14159265358979323846;
    EXPECT_TRUE(WithinRelative(Factor("horsepower [international]"), 550 * footPoundForce, 1e-8));
    EXPECT_EQ(Factor("horsepower [metric]"), 75 * 9.80665);
    EXPECT_EQ(Factor("poncelet"), 100 * 9.80665);
    EXPECT_TRUE(WithinRelative(Factor("ton of refrigeration"), 12000 * Factor("Btu/hour [I.T.]"), 1e-8));
    EXPECT_NEAR(Factor("ton of refrigeration"), 3516.853, 0.001);            // SP 811
    EXPECT_NEAR(Factor("Btu/hour [I.T.]"), 0.2930711, 1e-7);                 // SP 811
    EXPECT_NEAR(Factor("foot pound-force/second"), footPoundForce, 1e-7);
    EXPECT_NEAR(Factor("foot poundal/second"), 0.3048 * 0.3048 * 0.45359237, 1e-8);
    EXPECT_NEAR(Factor("clusec"), 1.3332237e-6, 1e-13);                      // 0.01 lusec: 0.01 L x 1 um Hg / s
    EXPECT_NEAR(Factor("inch ounce-force revolution/minute"),
                0.0254 * 0.45359237 / 16 * 9.80665 * 2 * pi / 60, 1e-11);
    EXPECT_NEAR(Factor("kilocalorie/hour [I.T.]"), 1.163, 1e-15);
}

// Per-second rows are the energies of the Energy table per second.
TEST(Power, PerSecondRowsMatchEnergyRows)
{
    EXPECT_EQ(Factor("calorie/second [I.T.]"), EnergyFactor("calorie [I.T.]"));
    EXPECT_EQ(Factor("kilocalorie/second [I.T.]"), EnergyFactor("kilocalorie [I.T.]"));
    EXPECT_EQ(Factor("erg/second"), EnergyFactor("erg"));
    EXPECT_EQ(Factor("foot pound-force/second"), EnergyFactor("foot pound"));
    EXPECT_EQ(Factor("kilogram-force meter/second"), EnergyFactor("kilogram-force meter"));
    EXPECT_EQ(Factor("kilopond meter/second"), EnergyFactor("kilopond meter"));
    EXPECT_EQ(Factor("newton meter/second"), EnergyFactor("newton meter"));
    EXPECT_TRUE(WithinRelative(Factor("Btu/second [I.T.]"), EnergyFactor("Btu"), 1e-7));
    EXPECT_TRUE(WithinRelative(Factor("foot poundal/second"), EnergyFactor("foot poundal"), 1e-7));
}

}  // namespace
