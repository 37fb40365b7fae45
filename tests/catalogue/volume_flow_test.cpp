// The volume flow table: its per-second anchors, the day/hour/minute sets
// derived from them, and the sizes users know from elsewhere.
#include "catalogue/tables.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

const int FLOW_COUNT = 168;

double Factor(const char* name) { return UnitFactor(CATEGORY_VOLUME_FLOW, name); }
double Convert(double value, const char* from, const char* to) { return ConvertUnits(CATEGORY_VOLUME_FLOW, value, from, to); }

bool IsSingleRow(int u) { return u == 84 || (u >= 141 && u <= 143); }

// The name with its time base replaced by "*", and the hour row's "barrle" read as "barrel".
std::string Quantity(const char* name, const char* per)
{
    std::string s = name;
    size_t at = s.find(per);
    if (at == std::string::npos)
        return "(no " + std::string(per) + " in " + s + ")";
    s.replace(at, std::strlen(per), "/*");
    if (s.compare(0, 6, "barrle") == 0)
        s.replace(0, 6, "barrel");
    return s;
}

TEST(VolumeFlow, PerSecondRowsAndSingleRowsAreTheGivenDoubles)
{
    const struct { int index; const char* name; double factor; } given[] = {
        { 3, "acre foot/second", 1233.48184 },
        { 7, "acre foot/second [survey]", 1233.48924 },
        { 11, "acre inch/second", 102.79015333333332 },
        { 15, "acre inch/second [survey]", 102.79077000000001 },
        { 19, "barrel/second [petroleum]", 0.1589872956 },
        { 23, "barrel/second [UK]", 0.16365924 },
        { 27, "barrel/second [US]", 0.1192404717 },
        { 31, "barrel/second [US beer/wine]", 0.1173477658 },
        { 35, "billion cubic foot/second", 28316847.0 },
        { 39, "centiliter/second", 1e-05 },
        { 43, "cubem/second", 4168181830.0 },
        { 47, "cubic centimeter/second", 1e-06 },
        { 51, "cubic decimeter/second", 0.001 },
        { 55, "cubic dekameter/second", 1000.0 },
        { 59, "cubic foot/second", 0.028316847 },
        { 63, "cubic inch/second", 1.638706423611111e-05 },
        { 67, "cubic kilometer/second", 1000000000.0 },
        { 71, "cubic meter/second", 1.0 },
        { 75, "cubic mile/second", 4168181830.0 },
        { 79, "cubic millimeter/second", 1e-09 },
        { 83, "cubic yard/second", 0.764554869 },
        { 84, "cusec", 0.028316847 },
        { 88, "deciliter/second", 0.0001 },
        { 92, "dekaliter/second", 0.01 },
        { 96, "gallon/second [UK]", 0.00454609 },
        { 100, "gallon/second [US]", 0.0037854118 },
        { 104, "hectare meter/second", 10000.0 },
        { 108, "hectoliter/second", 0.1 },
        { 112, "kiloliter/second", 1.0 },
        { 116, "lambda/second", 1e-09 },
        { 120, "liter/second", 0.001 },
        { 124, "milliliter/second", 1e-06 },
        { 128, "million acre foot/second", 1233481840.0 },
        { 132, "million cubic foot/second", 28316.847 },
        { 136, "million gallon/second [UK]", 4546.09 },
        { 140, "million gallon/second [US]", 3785.4118 },
        { 141, "miner's inch [AZ, CA, OR] ", 0.000707921175 },
        { 142, "miner's inch [CO]", 0.000737417890625 },
        { 143, "miner's inch [ID, WA, NM]", 0.0005678117700000001 },
        { 147, "ounce/second [UK]", 2.84130625e-05 },
        { 151, "ounce/second [US]", 2.95735296875e-05 },
        { 155, "petrograd standard/second", 4.672279755 },
        { 159, "stere/second", 1.0 },
        { 163, "thousand cubic foot/second", 28.316847 },
        { 167, "trillion cubic foot/second", 28316847000.0 },
    };
    for (const auto& g : given) {
        EXPECT_STREQ(VolumeFlowUnits[g.index].name, g.name) << "row " << g.index;
        EXPECT_EQ(VolumeFlowUnits[g.index].factor, g.factor) << g.name;
    }
}

// 41 sets of day, hour, minute, second: the first three are the per-second
// factor divided by 86400, 3600 and 60 in double precision, nothing else.
TEST(VolumeFlow, DayHourMinuteRowsDivideThePerSecondRow)
{
    int sets = 0;
    for (int u = 0; u < FLOW_COUNT;) {
        if (IsSingleRow(u)) {
            ++u;
            continue;
        }
        ASSERT_LE(u + 3, FLOW_COUNT - 1) << "set starting at " << u << " runs past the end";
        const UnitEntry* set = &VolumeFlowUnits[u];
        std::string quantity = Quantity(set[3].name, "/second");
        EXPECT_EQ(Quantity(set[0].name, "/day"), quantity) << "row " << u;
        EXPECT_EQ(Quantity(set[1].name, "/hour"), quantity) << "row " << u + 1;
        EXPECT_EQ(Quantity(set[2].name, "/minute"), quantity) << "row " << u + 2;
        EXPECT_EQ(set[0].factor, set[3].factor / 86400) << set[0].name;
        EXPECT_EQ(set[1].factor, set[3].factor / 3600) << set[1].name;
        EXPECT_EQ(set[2].factor, set[3].factor / 60) << set[2].name;
        ++sets;
        u += 4;
    }
    EXPECT_EQ(sets, 41);
}

TEST(VolumeFlow, NamesAsShown)
{
    EXPECT_STREQ(VolumeFlowUnits[141].name, "miner's inch [AZ, CA, OR] ");  // trailing blank kept
    EXPECT_STREQ(VolumeFlowUnits[17].name, "barrle/hour [petroleum]");      // the hour rows spell it so
    EXPECT_STREQ(VolumeFlowUnits[21].name, "barrle/hour [UK]");
    EXPECT_STREQ(VolumeFlowUnits[25].name, "barrle/hour [US]");
    EXPECT_STREQ(VolumeFlowUnits[29].name, "barrle/hour [US beer/wine]");
    EXPECT_STREQ(VolumeFlowUnits[0].name, "acre foot/day");                 // plain rows before the variant
    EXPECT_STREQ(VolumeFlowUnits[4].name, "acre foot/day [survey]");
}

TEST(VolumeFlow, SmallestAndLargestFactors)
{
    double smallest = VolumeFlowUnits[0].factor, largest = smallest;
    for (const UnitEntry& row : VolumeFlowUnits) {
        smallest = std::fmin(smallest, row.factor);
        largest = std::fmax(largest, row.factor);
    }
    EXPECT_EQ(smallest, 1.1574074074074075e-14);
    EXPECT_EQ(Factor("cubic millimeter/day"), smallest);
    EXPECT_EQ(Factor("lambda/day"), smallest);
    EXPECT_EQ(Factor("trillion cubic foot/second"), largest);
}

TEST(VolumeFlow, Conversions)
{
    EXPECT_DOUBLE_EQ(Convert(1, "cubic foot/second", "cubic foot/minute"), 60);
    EXPECT_DOUBLE_EQ(Convert(1, "liter/second", "liter/minute"), 60);
    EXPECT_DOUBLE_EQ(Convert(1, "cubic meter/hour", "liter/hour"), 1000);
    EXPECT_DOUBLE_EQ(Convert(1, "gallon/minute [UK]", "ounce/minute [UK]"), 160);
    EXPECT_DOUBLE_EQ(Convert(1, "gallon/hour [US]", "ounce/hour [US]"), 128);
    // The three base rows are one unit under three names.
    EXPECT_EQ(Convert(3.7, "cubic meter/second", "kiloliter/second"), 3.7);
    EXPECT_EQ(Convert(3.7, "stere/second", "cubic meter/second"), 3.7);
    EXPECT_EQ(Convert(3.7, "kiloliter/day", "stere/day"), 3.7);
}

TEST(VolumeFlow, SynonymsCarryOneFactor)
{
    EXPECT_EQ(Factor("cusec"), Factor("cubic foot/second"));
    EXPECT_EQ(Factor("cubem/day"), Factor("cubic mile/day"));
    EXPECT_EQ(Factor("lambda/minute"), Factor("cubic millimeter/minute"));
    EXPECT_EQ(Factor("liter/hour"), Factor("cubic decimeter/hour"));
    EXPECT_EQ(Factor("milliliter/day"), Factor("cubic centimeter/day"));
}

// Sizes known independently of this table; the rows are given to 8-10 digits.
TEST(VolumeFlow, AgreesWithKnownVolumes)
{
    const double cubicFoot = 0.028316846592;          // 0.3048^3 m3
    const double usGallon = 231 * 0.0254 * 0.0254 * 0.0254;
    const double acreFoot = 43560 * cubicFoot;
    const struct { const char* name; double size; } known[] = {
        { "cubic foot/second", cubicFoot },
        { "cubic inch/second", 0.0254 * 0.0254 * 0.0254 },
        { "cubic yard/second", 27 * cubicFoot },
        { "cubic mile/second", 1609.344 * 1609.344 * 1609.344 },
        { "gallon/second [US]", usGallon },
        { "gallon/second [UK]", 4.54609e-3 },
        { "ounce/second [US]", usGallon / 128 },
        { "ounce/second [UK]", 4.54609e-3 / 160 },
        { "barrel/second [petroleum]", 42 * usGallon },
        { "barrel/second [US]", 31.5 * usGallon },
        { "barrel/second [US beer/wine]", 31 * usGallon },
        { "barrel/second [UK]", 36 * 4.54609e-3 },
        { "acre foot/second", acreFoot },
        { "acre foot/second [survey]", acreFoot * 1.000006000012 },  // (1 + 2 ppm)^3
        { "acre inch/second", acreFoot / 12 },
        { "million acre foot/second", 1e6 * acreFoot },
        { "hectare meter/second", 10000 },
        { "petrograd standard/second", 165 * cubicFoot },
        { "miner's inch [AZ, CA, OR] ", cubicFoot / 40 },
        { "miner's inch [CO]", cubicFoot / 38.4 },
        { "miner's inch [ID, WA, NM]", 9 * usGallon / 60 },
        { "thousand cubic foot/second", 1e3 * cubicFoot },
        { "million cubic foot/second", 1e6 * cubicFoot },
        { "billion cubic foot/second", 1e9 * cubicFoot },
        { "trillion cubic foot/second", 1e12 * cubicFoot },
        { "cubic dekameter/second", 1000 },
        { "cubic kilometer/second", 1e9 },
    };
    for (const auto& k : known)
        EXPECT_NEAR(Factor(k.name) / k.size, 1.0, 2e-8) << k.name;
}

// The per-second rows are the Volume table's units per second; both tables
// round their anchors differently, but only in the eighth digit or beyond.
TEST(VolumeFlow, PerSecondRowsMatchTheVolumeTable)
{
    ASSERT_STREQ(UnitName(CATEGORY_VOLUME, 24), "cubic meter");   // the Volume table's base row, where it belongs
    const struct { const char* flow; const char* volume; } pairs[] = {
        { "acre foot/second", "acre foot" },
        { "acre foot/second [survey]", "acre foot [US survey]" },
        { "acre inch/second", "acre inch" },
        { "barrel/second [petroleum]", "barrel [US, petroleum]" },
        { "barrel/second [US]", "barrel [US, liquid]" },
        { "cubic foot/second", "cubic foot" },
        { "cubic inch/second", "cubic inch" },
        { "cubic yard/second", "cubic yard" },
        { "cubic mile/second", "cubic mile" },
        { "gallon/second [UK]", "gallon [UK]" },
        { "gallon/second [US]", "gallon [US, liquid]" },
        { "ounce/second [UK]", "ounce [UK, liquid]" },
        { "ounce/second [US]", "ounce [US, liquid]" },
        { "hectare meter/second", "hectare meter" },
        { "liter/second", "liter" },
        { "centiliter/second", "centiliter" },
        { "cubic dekameter/second", "cubic dekameter" },
    };
    for (const auto& p : pairs) {
        double size = UnitFactorOrNaN(CATEGORY_VOLUME, p.volume);
        EXPECT_NEAR(Factor(p.flow) / size, 1.0, 3e-8) << p.flow << " vs " << p.volume;
    }
}

}  // namespace
