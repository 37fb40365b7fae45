// The pressure table: its given rows, the SI prefix families, the liquid and
// air columns kept consistent with each other, and sizes known from standards.
#include "catalogue/tables.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <string>

namespace {

const int PRESSURE_COUNT = 100;

double Factor(const char* name) { return UnitFactor(CATEGORY_PRESSURE, name); }
double Convert(double value, const char* from, const char* to) { return ConvertUnits(CATEGORY_PRESSURE, value, from, to); }

TEST(Pressure, GivenRowsAreTheGivenDoubles)
{
    const struct { int index; const char* name; double factor; } given[] = {
        { 70, "pascal", 1.0 },
        { 67, "newton/square meter", 1.0 },
        { 0, "atmosphere [standard]", 101325.01 },
        { 1, "atmosphere [technical]", 98066.5 },
        { 4, "bar", 100000.0 },
        { 5, "barad", 0.1 },
        { 9, "centimeter of mercury [0 \xB0" "C]", 1333.2239 },
        { 25, "foot of head", 2989.0669 },
        { 32, "hectopascal", 100.0 },
        { 35, "inch of mercury [0 \xB0" "C]", 3386.3886666666663 },
        { 36, "inch of water [4 \xB0" "C]", 249.0889083333333 },
        { 42, "kilopascal", 1000.0 },
        { 47, "kip/square inch", 6894757.279999999 },
        { 50, "megapascal", 1000000.0 },
        { 53, "meter of head", 9804.139432 },
        { 61, "millimeter of mercury [0 \xB0" "C]", 133.32239 },
        { 77, "pound/square inch", 6894.75728 },
        { 88, "torr", 133.32237 },
        { 89, "Water Column [centimeter]", 98.0665 },
        { 93, "yoctopascal", 1e-24 },
        { 94, "yottabar", 1e+29 },
    };
    for (const auto& g : given) {
        EXPECT_STREQ(PressureUnits[g.index].name, g.name) << "row " << g.index;
        EXPECT_EQ(PressureUnits[g.index].factor, g.factor) << g.name;
    }
}

TEST(Pressure, SmallestAndLargestFactors)
{
    double smallest = PressureUnits[0].factor, largest = smallest;
    for (const UnitEntry& row : PressureUnits) {
        smallest = std::fmin(smallest, row.factor);
        largest = std::fmax(largest, row.factor);
    }
    EXPECT_EQ(smallest, Factor("yoctopascal"));
    EXPECT_EQ(largest, Factor("yottabar"));
}

TEST(Pressure, Conversions)
{
    EXPECT_EQ(Convert(1, "atmosphere [standard]", "pascal"), 101325.01);
    EXPECT_EQ(Convert(1, "bar", "millibar"), 1000);
    EXPECT_EQ(Convert(2.75, "newton/square meter", "pascal"), 2.75);
    EXPECT_DOUBLE_EQ(Convert(1, "kilopascal", "hectopascal"), 10);
    EXPECT_DOUBLE_EQ(Convert(1, "foot of mercury [0 \xB0" "C]", "inch of mercury [0 \xB0" "C]"), 12);
    EXPECT_DOUBLE_EQ(Convert(1, "pound/square inch", "ounce/square inch"), 16);
    EXPECT_DOUBLE_EQ(Convert(1, "ton/square inch [short]", "pound/square inch"), 2000);
}

// A prefixed name is its unit times the prefix's power of ten.
TEST(Pressure, PrefixedRowsFollowTheirUnit)
{
    const struct { const char* prefix; int power; } prefixes[] = {
        { "yocto", -24 }, { "zepto", -21 }, { "atto", -18 }, { "femto", -15 }, { "pico", -12 },
        { "nano", -9 }, { "micro", -6 }, { "milli", -3 }, { "centi", -2 }, { "deci", -1 },
        { "deka", 1 }, { "hecto", 2 }, { "kilo", 3 }, { "mega", 6 }, { "giga", 9 }, { "tera", 12 },
        { "peta", 15 }, { "exa", 18 }, { "zetta", 21 }, { "yotta", 24 },
    };
    int checked = 0;
    for (const char* unit : { "bar", "pascal", "torr" }) {
        for (const auto& p : prefixes) {
            std::string name = std::string(p.prefix) + unit;
            bool present = false;
            for (const UnitEntry& row : PressureUnits)
                present = present || name == row.name;
            if (!present)
                continue;
            double rule = Factor(unit) * std::stod("1e" + std::to_string(p.power));
            EXPECT_TRUE(WithinUlps(Factor(name.c_str()), rule, 1.5)) << name << " " << Factor(name.c_str());
            ++checked;
        }
    }
    EXPECT_EQ(checked, 20 + 20 + 3);  // every bar and pascal prefix; centi-, deci- and millitorr
}

TEST(Pressure, SynonymsCarryOneFactor)
{
    const char* groups[][6] = {
        { "barad", "barye", "decipascal", "dyne/square centimeter", "microbar", nullptr },
        { "kilopascal", "centibar", "kilonewton/square meter", "pieze", "sthene/square meter", nullptr },
        { "megapascal", "meganewton/square meter", "newton/square millimeter", nullptr },
        { "atmosphere [technical]", "technical atmosphere", "kilogram-force/square centimeter",
          "kilopond/square centimeter", nullptr },
        { "kilogram-force/square meter", "kilopond/square meter", "millimeter of water [4 \xB0" "C]",
          "Water Column [millimeter]", nullptr },
        { "kilogram-force/square millimeter", "kilopond/square millimeter", nullptr },
        { "centimeter of water [4 \xB0" "C]", "Water Column [centimeter]", "gram-force/square centimeter", nullptr },
        { "inch of water [4 \xB0" "C]", "Water Column [inch]", nullptr },
        { "foot of water [4 \xB0" "C]", "foot of head", nullptr },
        { "hectopascal", "millibar", nullptr },
        { "millimeter of mercury [0 \xB0" "C]", "millihg", nullptr },
        { "centimeter of mercury [0 \xB0" "C]", "centihg", nullptr },
        { "micrometer of mercury [0 \xB0" "C]", "micron of mercury [0 \xB0" "C]", nullptr },
    };
    for (const auto& group : groups)
        for (int k = 1; group[k]; ++k)
            EXPECT_EQ(Factor(group[k]), Factor(group[0])) << group[k] << " vs " << group[0];
}

// "millihg" is the millimeter of mercury, so "centihg" is the centimeter.
TEST(Pressure, MercuryPrefixRows)
{
    EXPECT_EQ(Factor("centihg"), Factor("centimeter of mercury [0 \xB0" "C]"));
    EXPECT_TRUE(WithinUlps(Factor("centihg"), 10 * Factor("millihg"), 1));
}

// Columns of one liquid scale with their height, so they agree with each other.
TEST(Pressure, ColumnsOfOneFluidScaleWithHeight)
{
    const char* mercury[] = { "micrometer of mercury [0 \xB0" "C]", "millimeter of mercury [0 \xB0" "C]",
                              "centimeter of mercury [0 \xB0" "C]", "inch of mercury [0 \xB0" "C]",
                              "foot of mercury [0 \xB0" "C]" };
    const char* water[] = { "micrometer of water [4 \xB0" "C]", "millimeter of water [4 \xB0" "C]",
                            "centimeter of water [4 \xB0" "C]", "inch of water [4 \xB0" "C]",
                            "foot of water [4 \xB0" "C]" };
    const double heights[] = { 1e-6, 1e-3, 1e-2, 0.0254, 0.3048 };  // meters
    for (int k = 1; k < 5; ++k) {
        // the rows are given to 8 digits, so neighbours agree to about 1e-8
        EXPECT_NEAR(Factor(mercury[k]) / Factor(mercury[0]) / (heights[k] / heights[0]), 1, 2e-8) << mercury[k];
        EXPECT_NEAR(Factor(water[k]) / Factor(water[0]) / (heights[k] / heights[0]), 1, 2e-8) << water[k];
    }
    for (const char* t : { "[0 \xB0" "C]", "[15 \xB0" "C]" }) {
        std::string inch = std::string("inch of air ") + t, foot = std::string("foot of air ") + t,
                    meter = std::string("meter of air ") + t;
        EXPECT_DOUBLE_EQ(Factor(foot.c_str()) / Factor(inch.c_str()), 12) << t;
        EXPECT_DOUBLE_EQ(Factor(meter.c_str()) * 0.3048, Factor(foot.c_str())) << t;
    }
    // Mercury weighs 13.5951 times as much as water, the same in every column.
    EXPECT_NEAR(Factor("inch of mercury [0 \xB0" "C]") / Factor("inch of water [4 \xB0" "C]"), 13.5951, 1e-6);
    // Air is lighter when warm.
    EXPECT_LT(Factor("foot of air [15 \xB0" "C]"), Factor("foot of air [0 \xB0" "C]"));
}

TEST(Pressure, PoundAndTonRowsFollowThePsiRow)
{
    const double psi = Factor("pound/square inch");
    EXPECT_DOUBLE_EQ(Factor("pound/square foot") * 144, psi);
    EXPECT_DOUBLE_EQ(Factor("ounce/square inch") * 16, psi);
    EXPECT_DOUBLE_EQ(Factor("kip/square inch"), 1000 * psi);
    EXPECT_DOUBLE_EQ(Factor("kip/square foot") * 144, 1000 * psi);
    EXPECT_DOUBLE_EQ(Factor("ton/square inch [short]"), 2000 * psi);
    EXPECT_DOUBLE_EQ(Factor("ton/square inch [long]"), 2240 * psi);
    EXPECT_DOUBLE_EQ(Factor("ton/square foot [short]") * 144, 2000 * psi);
    EXPECT_DOUBLE_EQ(Factor("ton/square foot [long]") * 144, 2240 * psi);
}

// Sizes from the definitions (NIST SP 811 B.8, BIPM); the table's rows for
// atmosphere, torr, psi and the columns are rounded, hence the tolerances.
TEST(Pressure, AgreesWithKnownPressures)
{
    const double gn = 9.80665, lbf = 0.45359237 * gn, inch = 0.0254, foot = 0.3048;
    const struct { const char* name; double size; double tolerance; } known[] = {
        { "atmosphere [standard]", 101325, 1e-7 },                             // the row holds 101325.01
        { "torr", 101325.0 / 760, 2e-8 },
        { "millimeter of mercury [0 \xB0" "C]", 13595.1 * gn * 1e-3, 2e-8 },  // conventional mmHg
        { "inch of mercury [0 \xB0" "C]", 13595.1 * gn * inch, 2e-8 },      // NIST 3.386 389 E+03
        { "inch of water [4 \xB0" "C]", 1000 * gn * inch, 1e-8 },             // conventional inH2O
        { "foot of water [4 \xB0" "C]", 1000 * gn * foot, 1e-8 },
        { "centimeter of water [4 \xB0" "C]", 98.0665, 0 },
        { "pound/square inch", lbf / (inch * inch), 2e-9 },
        { "pound/square foot", lbf / (foot * foot), 2e-9 },
        { "poundal/square foot", 0.45359237 / foot, 1e-15 },
        { "kilogram-force/square centimeter", gn * 1e4, 0 },
        { "ton/square meter", 1000 * gn, 0 },
        { "bar", 1e5, 0 },
        { "inch of air [0 \xB0" "C]", 1.293 * gn * inch, 1e-15 },              // dry air 1.293 kg/m3
        { "foot of air [15 \xB0" "C]", 1.225 * gn * foot, 1e-15 },             // ISA sea level 1.225 kg/m3
    };
    for (const auto& k : known)
        EXPECT_NEAR(Factor(k.name) / k.size, 1.0, k.tolerance) << k.name;
}

TEST(Pressure, NamesInAlphabeticalOrderWithDegreeSigns)
{
    int degreeNames = 0;
    for (int u = 0; u < PRESSURE_COUNT; ++u) {
        const char* name = PressureUnits[u].name;
        if (std::strchr(name, '\xB0')) {
            ++degreeNames;
            EXPECT_TRUE(std::strstr(name, " \xB0" "C]") != nullptr) << name;  // blank, degree, C, bracket
        }
        if (u > 0) {
            std::string a = PressureUnits[u - 1].name, b = name;
            for (char& c : a) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            for (char& c : b) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_LT(a, b) << "row " << u;
        }
    }
    EXPECT_EQ(degreeNames, 17);
    EXPECT_STREQ(PressureUnits[89].name, "Water Column [centimeter]");  // capital W, listed after "torr"
}

}  // namespace
