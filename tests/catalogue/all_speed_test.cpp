// The All Speed table: its given rows, the per-day/hour/minute sets derived from
// the per-second rows, and agreement with the Common Speed table.
#include "catalogue/tables.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

const int ALL_SPEED_COUNT = 70;

int IndexOf(const char* name) { return UnitIndex(CATEGORY_ALL_SPEED, name); }
double Factor(const char* name) { return UnitFactor(CATEGORY_ALL_SPEED, name); }
double Convert(double value, const char* from, const char* to) { return ConvertUnits(CATEGORY_ALL_SPEED, value, from, to); }

TEST(AllSpeed, GivenRowsAreTheGivenDoublesAtTheirIndexes)
{
    const struct { int index; const char* name; double factor; } given[] = {
        { 0, "benz", 1.0 },
        { 4, "centimeter/second", 0.01 },
        { 8, "dekameter/second", 10.0 },
        { 12, "foot/second", 0.3048 },
        { 14, "furlong/fortnight [survey]", 0.0001663098544973545 },
        { 17, "furlong/second [survey]", 201.1684 },
        { 21, "hectometer/second", 100.0 },
        { 25, "inch/second", 0.025400000000000002 },
        { 29, "kilometer/second", 1000.0 },
        { 30, "knot", 0.5144444444444445 },
        { 34, "league/second [statute]", 4828.0417 },
        { 35, "mach", 340.29 },
        { 39, "megameter/second", 1000000.0 },
        { 43, "meter/second", 1.0 },
        { 47, "mile/second", 1609.344 },
        { 51, "millimeter/second", 0.001 },
        { 52, "millimeter/microsecond", 1000.0 },
        { 53, "millimeter/100 microsecond", 10.0 },
        { 57, "nautical mile/second", 1852.0 },
        { 58, "speed of light [air]", 299702547.0 },
        { 59, "speed of light [glass]", 199861638.0 },
        { 60, "speed of light [ice]", 228849204.0 },
        { 61, "speed of light [vacuum]", 299792458.0 },
        { 62, "speed of light [water]", 225407863.0 },
        { 63, "speed of sound [air]", 340.29 },
        { 64, "speed of sound [metal]", 5000.0 },
        { 65, "speed of sound [water]", 1500.0 },
        { 69, "yard/second", 0.9144000000000001 },
    };
    for (const auto& g : given) {
        EXPECT_STREQ(AllSpeedUnits[g.index].name, g.name) << "index " << g.index;
        EXPECT_EQ(AllSpeedUnits[g.index].factor, g.factor) << g.name;
    }
}

// "<length>/day", "/hour", "/minute" carry the "/second" factor divided by
// 86400, 3600 and 60 in double precision; the bracketed qualifier stays at the end.
TEST(AllSpeed, DayHourMinuteRowsFollowTheirSecondRow)
{
    const struct { const char* unit; double divisor; } periods[] = {
        { "/day", 86400.0 }, { "/hour", 3600.0 }, { "/minute", 60.0 },
    };
    int derived = 0;
    for (int i = 0; i < ALL_SPEED_COUNT; ++i) {
        std::string name = AllSpeedUnits[i].name;
        for (const auto& p : periods) {
            size_t at = name.find(p.unit);
            if (at == std::string::npos) continue;
            std::string perSecond = name.substr(0, at) + "/second" + name.substr(at + std::strlen(p.unit));
            int s = IndexOf(perSecond.c_str());
            ASSERT_GE(s, 0) << name << " has no " << perSecond;
            EXPECT_EQ(AllSpeedUnits[i].factor, AllSpeedUnits[s].factor / p.divisor) << name;
            ++derived;
        }
    }
    EXPECT_EQ(derived, 14 * 3);  // fourteen sets
}

TEST(AllSpeed, SetsAreConsecutiveExceptTheFortnightRow)
{
    EXPECT_STREQ(AllSpeedUnits[13].name, "furlong/day [survey]");
    EXPECT_STREQ(AllSpeedUnits[15].name, "furlong/hour [survey]");
    EXPECT_STREQ(AllSpeedUnits[1].name, "centimeter/day");
    EXPECT_STREQ(AllSpeedUnits[66].name, "yard/day");
    EXPECT_STREQ(AllSpeedUnits[48].name, "millimeter/day");
}

TEST(AllSpeed, EdgeCases)
{
    EXPECT_EQ(Convert(123.456, "benz", "meter/second"), 123.456);          // both base rows
    EXPECT_EQ(Factor("knot"), Factor("nautical mile/hour"));                // same unit twice
    EXPECT_EQ(Factor("mach"), Factor("speed of sound [air]"));              // same reference speed
    EXPECT_DOUBLE_EQ(Convert(1, "knot", "kilometer/hour"), 1.852);
    EXPECT_DOUBLE_EQ(Convert(1, "mile/hour", "kilometer/hour"), 1.609344);
    EXPECT_DOUBLE_EQ(Convert(1, "furlong/fortnight [survey]", "furlong/day [survey]"), 1.0 / 14);
}

TEST(AllSpeed, SmallestAndLargestFactors)
{
    double smallest = AllSpeedUnits[0].factor, largest = smallest;
    for (const UnitEntry& row : AllSpeedUnits) {
        smallest = std::fmin(smallest, row.factor);
        largest = std::fmax(largest, row.factor);
    }
    EXPECT_EQ(smallest, 1.1574074074074074e-08);
    EXPECT_EQ(smallest, Factor("millimeter/day"));
    EXPECT_EQ(largest, Factor("speed of light [vacuum]"));
}

TEST(AllSpeed, KnownSpeeds)
{
    EXPECT_EQ(Factor("mile/hour"), 0.44704);                               // 1609.344 m / 3600 s
    EXPECT_NEAR(Factor("kilometer/hour"), 1 / 3.6, 1e-16);
    EXPECT_NEAR(Factor("foot/minute"), 0.00508, 1e-18);                    // NIST SP 811: 5.08 E-03
    EXPECT_NEAR(Factor("furlong/fortnight [survey]"), 1.663e-4, 1e-7);     // 201.168 m / 1 209 600 s
    EXPECT_NEAR(Factor("league/second [statute]") / Factor("mile/second"), 3.0, 1e-5);
    // the survey rows use the US survey mile (6336/3937 km), 2 ppm longer than the
    // international mile
    EXPECT_NEAR(Factor("league/second [statute]") / (3 * 6336000.0 / 3937), 1, 2e-8);
    EXPECT_NEAR(Factor("furlong/second [survey]") / (6336000.0 / 3937 / 8), 1, 2e-8);
}

// A name shared with "Common Speed" is the same unit there.
TEST(AllSpeed, SharedNamesAgreeWithCommonSpeed)
{
    int shared = 0;
    for (const UnitEntry& common : CommonSpeedUnits) {
        int i = IndexOf(common.name);
        if (i < 0) continue;
        EXPECT_EQ(AllSpeedUnits[i].factor, common.factor) << common.name;
        ++shared;
    }
    EXPECT_EQ(shared, 12);  // all but "mile/hour (mph)"
    EXPECT_EQ(Factor("mile/hour"), CommonSpeedUnits[8].factor);
}

}  // namespace
