// The Density table: its given rows, the metric families, the customary rows
// against the mass units they name and the volumes they divide by, and sizes
// known from standards.
#include "catalogue/tables.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const int DENSITY_COUNT = 78;

double Density(const char* name) { return UnitFactor(CATEGORY_DENSITY, name); }
double Mass(const char* name) { return UnitFactor(CATEGORY_ALL_MASS, name); }
double Convert(double value, const char* from, const char* to) { return ConvertUnits(CATEGORY_DENSITY, value, from, to); }

// volumes in cubic meters, from the legal anchors
const double INCH = 0.0254;
const double CUBIC_INCH = INCH * INCH * INCH;
const double CUBIC_FOOT = 1728 * CUBIC_INCH;
const double CUBIC_YARD = 27 * CUBIC_FOOT;
const double GALLON_US = 231 * CUBIC_INCH;
const double GALLON_UK = 4.54609e-3;

TEST(Density, GivenRowsAreTheGivenDoublesAtTheirIndexes)
{
    const struct { int index; const char* name; double factor; } given[] = {
        { 16, "kilogram/cubic meter", 1.0 },
        { 9, "gram/cubic decimeter", 1.0 },
        { 11, "gram/liter", 1.0 },
        { 31, "milligram/cubic centimeter", 1.0 },
        { 35, "milligram/milliliter", 1.0 },
        { 0, "aluminum", 2643.0 },
        { 1, "copper", 8906.0 },
        { 2, "gold", 19300.0 },
        { 13, "iron", 7658.0 },
        { 20, "lead", 11370.0 },
        { 56, "silver", 10510.0 },
        { 77, "water", 1000.0 },
        { 8, "gram/cubic centimeter", 1000.0 },
        { 28, "microgram/cubic meter", 1e-09 },
        { 17, "kilogram/cubic millimeter", 1000000000.0 },
        { 21, "megagram/cubic centimeter", 1000000000.0 },
        { 25, "megagram/milliliter", 1000000000.0 },
        { 72, "tonne/cubic centimeter", 1000000000.0 },
        { 76, "tonne/milliliter", 1000000000.0 },
        { 47, "pound/cubic foot", 16.018463 },
        { 53, "pound/gallon [U.S.]", 119.82643 },
        { 51, "pound/1000 gallon [U.K.]", 0.099776373 },
        { 52, "pound/1000000 gallon [U.K.]", 9.9776373e-05 },
    };
    for (const auto& row : given) {
        EXPECT_STREQ(DensityUnits[row.index].name, row.name) << "index " << row.index;
        EXPECT_EQ(DensityUnits[row.index].factor, row.factor) << row.name;
    }
    EXPECT_STREQ(DensityUnits[50].name, "pound/gallon [U.K.]");  // before the per-1000 row
    EXPECT_STREQ(DensityUnits[DENSITY_COUNT - 1].name, "water");
}

TEST(Density, EdgeCasesOfTheTable)
{
    EXPECT_EQ(Convert(1, "gold", "water"), 19.3);
    const char* base[] = { "gram/cubic decimeter", "gram/liter", "kilogram/cubic meter",
                           "milligram/cubic centimeter", "milligram/milliliter" };
    for (const char* from : base)
        for (const char* to : base)
            EXPECT_EQ(Convert(0.8125, from, to), 0.8125) << from << " -> " << to;
    double smallest = DensityUnits[0].factor;
    for (const UnitEntry& row : DensityUnits)
        smallest = std::fmin(smallest, row.factor);
    EXPECT_EQ(smallest, Density("microgram/cubic meter"));
}

// Every metric row is a power of ten: mass prefix over volume prefix.
TEST(Density, MetricRowsArePowersOfTen)
{
    const struct { const char* name; double value; } rows[] = {  // literals: MinGW's pow is not exact
        { "gram/cubic centimeter", 1e3 }, { "gram/cubic meter", 1e-3 }, { "gram/milliliter", 1e3 },
        { "kilogram/cubic centimeter", 1e6 }, { "kilogram/cubic decimeter", 1e3 },
        { "kilogram/liter", 1e3 }, { "kilogram/milliliter", 1e6 },
        { "megagram/cubic decimeter", 1e6 }, { "megagram/cubic meter", 1e3 }, { "megagram/liter", 1e6 },
        { "microgram/cubic centimeter", 1e-3 }, { "microgram/cubic decimeter", 1e-6 },
        { "microgram/liter", 1e-6 }, { "microgram/milliliter", 1e-3 },
        { "milligram/cubic decimeter", 1e-3 }, { "milligram/cubic meter", 1e-6 }, { "milligram/liter", 1e-3 },
        { "tonne/cubic decimeter", 1e6 }, { "tonne/cubic meter", 1e3 }, { "tonne/liter", 1e6 },
    };
    for (const auto& row : rows)
        EXPECT_EQ(Density(row.name), row.value) << row.name;
}

// A customary row is the "All Weight & Mass" unit it names over the volume it names.
TEST(Density, CustomaryRowsAreMassOverVolume)
{
    const struct { const char* name; const char* mass; double volume; } rows[] = {
        { "grain/cubic foot", "grain", CUBIC_FOOT },
        { "grain/cubic inch", "grain", CUBIC_INCH },
        { "grain/cubic yard", "grain", CUBIC_YARD },
        { "grain/gallon [U.K.]", "grain", GALLON_UK },
        { "grain/gallon [U.S.]", "grain", GALLON_US },
        { "ounce/cubic foot", "ounce", CUBIC_FOOT },
        { "ounce/cubic foot [troy]", "troy ounce", CUBIC_FOOT },
        { "ounce/cubic inch", "ounce", CUBIC_INCH },
        { "ounce/cubic inch [troy]", "troy ounce", CUBIC_INCH },
        { "ounce/cubic yard", "ounce", CUBIC_YARD },
        { "ounce/cubic yard [troy]", "troy ounce", CUBIC_YARD },
        { "ounce/gallon [U.K.]", "ounce", GALLON_UK },
        { "ounce/gallon [U.S.]", "ounce", GALLON_US },
        { "ounce/gallon [troy/U.K.]", "troy ounce", GALLON_UK },
        { "ounce/gallon [troy/U.S.]", "troy ounce", GALLON_US },
        { "pound/cubic inch", "pound", CUBIC_INCH },
        { "pound/cubic yard", "pound", CUBIC_YARD },
        { "slug/cubic foot", "slug", CUBIC_FOOT },
        { "slug/cubic inch", "slug", CUBIC_INCH },
        { "slug/cubic yard", "slug", CUBIC_YARD },
        { "slug/gallon [U.K.]", "slug", GALLON_UK },
        { "slug/gallon [U.S.]", "slug", GALLON_US },
        { "ton/cubic foot [long]", "long ton", CUBIC_FOOT },
        { "ton/cubic foot [short]", "short ton", CUBIC_FOOT },
        { "ton/cubic inch [long]", "long ton", CUBIC_INCH },
        { "ton/cubic inch [short]", "short ton", CUBIC_INCH },
        { "ton/cubic yard [long]", "long ton", CUBIC_YARD },
        { "ton/cubic yard [short]", "short ton", CUBIC_YARD },
        { "ton/gallon [long/U.K.]", "long ton", GALLON_UK },
        { "ton/gallon [long/U.S.]", "long ton", GALLON_US },
        { "ton/gallon [short/U.K.]", "short ton", GALLON_UK },
        { "ton/gallon [short/U.S.]", "short ton", GALLON_US },
    };
    for (const auto& row : rows)
        EXPECT_TRUE(WithinUlps(Density(row.name), Mass(row.mass) / row.volume, 8)) << row.name;
    // the given pound rows are rounded to eight digits, and so are the gallon
    // multiples that follow them; the true sizes agree to that
    EXPECT_TRUE(WithinRelative(Density("pound/gallon [U.K.]"), Mass("pound") / GALLON_UK, 5e-8));
    EXPECT_TRUE(WithinRelative(Density("pound/1000 gallon [U.S.]"), Mass("pound") / (1000 * GALLON_US), 5e-8));
    EXPECT_TRUE(WithinRelative(Density("pound/1000000 gallon [U.S.]"), Mass("pound") / (1e6 * GALLON_US), 5e-8));
    EXPECT_TRUE(WithinRelative(Density("pound/cubic foot"), Mass("pound") / CUBIC_FOOT, 5e-8));
    EXPECT_TRUE(WithinRelative(Density("pound/gallon [U.S.]"), Mass("pound") / GALLON_US, 5e-8));
    EXPECT_TRUE(WithinRelative(Density("pound/1000 gallon [U.K.]"), Mass("pound") / (1000 * GALLON_UK), 5e-8));
    EXPECT_TRUE(WithinRelative(Density("pound/1000000 gallon [U.K.]"), Mass("pound") / (1e6 * GALLON_UK), 5e-8));
}

// The same rows against the "Volume" table's own rows: both tables must mean
// the same gallon and cubic foot (the Volume table's US gallon is rounded to
// eight digits, so allow 3e-8).
TEST(Density, CustomaryRowsAgreeWithTheVolumeTable)
{
    const struct { const char* name; const char* mass; const char* volume; } rows[] = {
        { "grain/gallon [U.K.]", "grain", "gallon [UK]" },
        { "grain/gallon [U.S.]", "grain", "gallon [US, liquid]" },
        { "ounce/cubic foot", "ounce", "cubic foot" },
        { "ounce/gallon [troy/U.K.]", "troy ounce", "gallon [UK]" },
        { "ounce/gallon [troy/U.S.]", "troy ounce", "gallon [US, liquid]" },
        { "pound/cubic inch", "pound", "cubic inch" },
        { "pound/cubic yard", "pound", "cubic yard" },
        { "pound/gallon [U.K.]", "pound", "gallon [UK]" },
        { "pound/gallon [U.S.]", "pound", "gallon [US, liquid]" },
        { "slug/gallon [U.S.]", "slug", "gallon [US, liquid]" },
        { "ton/gallon [long/U.K.]", "long ton", "gallon [UK]" },
        { "ton/gallon [short/U.S.]", "short ton", "gallon [US, liquid]" },
    };
    for (const auto& row : rows) {
        double volume = UnitFactorOrNaN(CATEGORY_VOLUME, row.volume);
        EXPECT_TRUE(WithinRelative(Density(row.name), Mass(row.mass) / volume, 3e-8)) << row.name;
    }
}

// Within one gallon family the multiples convert by exact powers of ten:
// 1 pound/gallon is 1000 pound/1000 gallon, not 999.9999966.
TEST(Density, PoundPerGallonMultiplesAreExactThousands)
{
    const char* families[][3] = {
        { "pound/gallon [U.K.]", "pound/1000 gallon [U.K.]", "pound/1000000 gallon [U.K.]" },
        { "pound/gallon [U.S.]", "pound/1000 gallon [U.S.]", "pound/1000000 gallon [U.S.]" },
    };
    for (const auto& f : families) {
        EXPECT_TRUE(WithinUlps(Convert(1, f[0], f[1]), 1000.0, 2)) << f[0];
        EXPECT_TRUE(WithinUlps(Convert(1, f[1], f[2]), 1000.0, 2)) << f[1];
        EXPECT_TRUE(WithinUlps(Convert(1, f[0], f[2]), 1e6, 2)) << f[0];
    }
}

// A circular mil is the area of a circle one mil (0.001 in) across. The row is
// the true size, about 2.94e9 kg/m^3, so it, not kilogram/cubic millimeter, is
// the table's largest factor.
TEST(Density, PoundPerCircularMilFoot)
{
    const double pi = 3.14159265358979323846;
    const double circularMilFoot = pi / 4 * (INCH / 1000) * (INCH / 1000) * (12 * INCH);
    EXPECT_TRUE(WithinRelative(Density("pound/circular mil foot"), 0.45359237 / circularMilFoot, 1e-14));
    EXPECT_GT(Density("pound/circular mil foot"), Density("kilogram/cubic millimeter"));
}

// Values printed in NIST SP 811 Appendix B.9 (seven digits).
TEST(Density, KnownSizes)
{
    EXPECT_TRUE(WithinRelative(Density("pound/cubic inch"), 2.767990e4, 1e-6));
    EXPECT_TRUE(WithinRelative(Density("pound/cubic yard"), 5.932764e-1, 1e-6));
    EXPECT_TRUE(WithinRelative(Density("pound/gallon [U.K.]"), 9.977637e1, 1e-6));
    EXPECT_TRUE(WithinRelative(Density("ounce/cubic inch"), 1.729994e3, 1e-6));
    EXPECT_TRUE(WithinRelative(Density("ounce/gallon [U.K.]"), 6.236023, 1e-6));
    EXPECT_TRUE(WithinRelative(Density("ounce/gallon [U.S.]"), 7.489152, 1e-6));
    EXPECT_TRUE(WithinRelative(Density("slug/cubic foot"), 5.153788e2, 1e-6));
    EXPECT_TRUE(WithinRelative(Density("ton/cubic yard [long]"), 1.328939e3, 1e-6));
    EXPECT_TRUE(WithinRelative(Density("ton/cubic yard [short]"), 1.186553e3, 1e-6));
    EXPECT_TRUE(WithinRelative(Density("grain/gallon [U.S.]"), 1.711806e-2, 1e-6));
}

}  // namespace
