// The Energy table: its given rows, the SI prefix families, the fuel gallon
// pairs, the non-ASCII names, and sizes known from standards.
#include "catalogue/tables.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

int IndexOf(const char* name) { return UnitIndex(CATEGORY_ENERGY, name); }
double Factor(const char* name) { return UnitFactor(CATEGORY_ENERGY, name); }
double PowerFactor(const char* name) { return UnitFactor(CATEGORY_POWER, name); }
double Convert(double value, const char* from, const char* to) { return ConvertUnits(CATEGORY_ENERGY, value, from, to); }

TEST(Energy, GivenRowsAreTheGivenDoublesAtTheirIndexes)
{
    const struct { int index; const char* name; double factor; } given[] = {
        { 53, "joule", 1.0 },
        { 77, "newton meter", 1.0 },
        { 94, "wattsecond", 1.0 },
        { 1, "Board of Trade unit", 3600000.0 },
        { 2, "Btu", 1055.0559 },
        { 4, "calorie [I.T.]", 4.1868 },
        { 5, "calorie [15\xB0 C]", 4.1858 },
        { 6, "Calorie [nutritional]", 4186.8 },
        { 7, "calorie [thermochemical]", 4.184 },
        { 10, "cheval vapeur heure", 2647795.5 },
        { 15, "electronvolt", 1.6021773e-19 },
        { 16, "erg", 1e-07 },
        { 20, "foot pound", 1.3558179 },
        { 22, "gallon [UK] of automotive gasoline", 158237172.0 },
        { 23, "gallon [U.S.] of automotive gasoline", 131760000.0 },
        { 32, "gallon [UK] of LPG", 121005126.0865275 },
        { 45, "gram calorie", 4.1858 },
        { 55, "kilocalorie [I.T.]", 4186.8 },
        { 60, "kilojoule", 1000.0 },
        { 62, "kiloton [explosive]", 4184000000000.0 },
        { 63, "kilowatt hour", 3600000.0 },
        { 80, "pferdest\xE4rkenstunde", 2647795.5 },
        { 82, "Q unit", 1.0550559e+21 },
        { 83, "quad", 1.0550559e+18 },
        { 87, "therm [Europe]", 105505590.0 },
        { 88, "therm [U.S.]", 105480400.0 },
        { 90, "ton [explosive]", 4184000000.0 },
        { 93, "watthour", 3600.0 },
        { 95, "yoctojoule", 1e-24 },
        { 97, "yottawatthour", 3.6e+27 },
    };
    for (const auto& g : given) {
        EXPECT_STREQ(EnergyUnits[g.index].name, g.name) << "index " << g.index;
        EXPECT_EQ(EnergyUnits[g.index].factor, g.factor) << g.name;
    }
}

TEST(Energy, SmallestAndLargestFactors)
{
    double smallest = EnergyUnits[0].factor, largest = smallest;
    for (const UnitEntry& row : EnergyUnits) {
        smallest = std::fmin(smallest, row.factor);
        largest = std::fmax(largest, row.factor);
    }
    EXPECT_EQ(smallest, Factor("yoctojoule"));
    EXPECT_EQ(largest, Factor("yottawatthour"));
}

// Four names carry the degree sign before " C", one carries a-umlaut; no other
// byte above 0x7F, and never UTF-8.
TEST(Energy, NonAsciiNamesAreWindows1252)
{
    int degree = 0, umlaut = 0, other = 0;
    for (const UnitEntry& row : EnergyUnits)
        for (const unsigned char* p = (const unsigned char*)row.name; *p; ++p) {
            if (*p == 0xB0) {
                ++degree;
                EXPECT_EQ(std::strncmp((const char*)p + 1, " C]", 3), 0) << row.name;
            } else if (*p == 0xE4) {
                ++umlaut;
            } else if (*p >= 0x80) {
                ++other;
            }
        }
    EXPECT_EQ(degree, 4);
    EXPECT_EQ(umlaut, 1);
    EXPECT_EQ(other, 0);
    EXPECT_GE(IndexOf("kilocalorie [15\xB0 C]"), 0);
    EXPECT_GE(IndexOf("megacalorie [15\xB0 C]"), 0);
    EXPECT_GE(IndexOf("gigacalorie [15\xB0 C]"), 0);
}

// A prefix and a unit of the table: the unit's factor times the power of ten.
TEST(Energy, PrefixFamiliesFollowTheRule)
{
    const struct { const char* prefix; double power; } prefixes[] = {
        { "yocto", 1e-24 }, { "zepto", 1e-21 }, { "atto", 1e-18 }, { "femto", 1e-15 },
        { "pico", 1e-12 },  { "nano", 1e-9 },   { "micro", 1e-6 }, { "milli", 1e-3 },
        { "centi", 1e-2 },  { "deci", 1e-1 },   { "deka", 1e1 },   { "hecto", 1e2 },
        { "myria", 1e4 },   { "kilo", 1e3 },    { "mega", 1e6 },   { "giga", 1e9 },
        { "tera", 1e12 },   { "peta", 1e15 },   { "exa", 1e18 },   { "zetta", 1e21 },
        { "yotta", 1e24 },
    };
    // "watt hour" is written with and without a blank
    const char* units[] = { "joule", "watthour", "electronvolt", "calorie [I.T.]",
                            "calorie [15\xB0 C]", "calorie [thermochemical]" };
    int checked = 0;
    for (const char* unit : units) {
        double base = Factor(unit);
        for (const auto& p : prefixes) {
            std::string names[2] = { std::string(p.prefix) + unit, "" };
            if (std::strcmp(unit, "watthour") == 0) names[1] = std::string(p.prefix) + "watt hour";
            for (const std::string& name : names) {
                int i = name.empty() ? -1 : IndexOf(name.c_str());
                if (i < 0) continue;
                EXPECT_TRUE(WithinUlps(EnergyUnits[i].factor, base * p.power, 1)) << name;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 20 + 11 + 4 + 3 + 3 + 1);
    EXPECT_TRUE(WithinUlps(Factor("megalerg"), 1e6 * Factor("erg"), 1));
    EXPECT_EQ(Factor("megaton [explosive]"), 1000 * Factor("kiloton [explosive]"));
    EXPECT_EQ(Factor("kiloton [explosive]"), 1000 * Factor("ton [explosive]"));
}

// Rows 22 to 39: a UK gallon row, then the U.S. gallon row of the same fuel; the
// UK row is the U.S. one times 1.20095, as the given gasoline and LPG rows are.
TEST(Energy, FuelGallonPairs)
{
    const double trueRatio = 4.54609 / 3.785411784;
    for (int uk = 22; uk <= 38; uk += 2) {
        std::string ukName = EnergyUnits[uk].name, usName = EnergyUnits[uk + 1].name;
        ASSERT_EQ(ukName.compare(0, 12, "gallon [UK] "), 0) << ukName;
        ASSERT_EQ(usName.compare(0, 14, "gallon [U.S.] "), 0) << usName;
        EXPECT_EQ(ukName.substr(12), usName.substr(14)) << "pair at " << uk;
        EXPECT_EQ(EnergyUnits[uk].factor, EnergyUnits[uk + 1].factor * 1.20095) << ukName;
        EXPECT_TRUE(WithinRelative(EnergyUnits[uk].factor / EnergyUnits[uk + 1].factor, trueRatio, 1e-6));
        // a U.S. gallon of any of these holds 90 000 to 160 000 Btu: catches a barrel
        // or liter slipping in
        double btu = EnergyUnits[uk + 1].factor / Factor("Btu");
        EXPECT_GT(btu, 90000) << usName;
        EXPECT_LT(btu, 160000) << usName;
    }
    EXPECT_NEAR(Factor("gallon [U.S.] of LPG") / Factor("Btu"), 95500, 1e-6);
    EXPECT_EQ(Factor("gallon [U.S.] of diesel oil"), Factor("gallon [U.S.] of distilate #2 fuel oil"));
    EXPECT_EQ(Factor("gallon [U.S.] of kerosene"), Factor("gallon [U.S.] of kerosene type jet fuel"));
    EXPECT_LT(Factor("gallon [U.S.] of aviation gasoline"), Factor("gallon [U.S.] of automotive gasoline"));
}

TEST(Energy, EdgeCases)
{
    EXPECT_EQ(Convert(7.25, "joule", "newton meter"), 7.25);
    EXPECT_EQ(Convert(7.25, "newton meter", "wattsecond"), 7.25);
    EXPECT_EQ(Convert(7.25, "wattsecond", "joule"), 7.25);
    EXPECT_EQ(Convert(1, "kilowatt hour", "kilojoule"), 3600);
    EXPECT_TRUE(WithinUlps(Convert(1, "yottawatthour", "yoctojoule"), 3.6e51, 2));
}

// Rows that name the same quantity another row names.
TEST(Energy, RelatedRowsAgree)
{
    EXPECT_EQ(Factor("Board of Trade unit"), Factor("kilowatt hour"));
    EXPECT_EQ(Factor("Calorie [nutritional]"), Factor("kilocalorie [I.T.]"));
    EXPECT_EQ(Factor("gram calorie"), Factor("calorie [15\xB0 C]"));
    EXPECT_EQ(Factor("kilogram calorie"), Factor("kilocalorie [15\xB0 C]"));
    EXPECT_EQ(Factor("thermie"), Factor("megacalorie [15\xB0 C]"));
    EXPECT_EQ(Factor("cheval vapeur heure"), Factor("pferdest\xE4rkenstunde"));
    EXPECT_EQ(Factor("cheval vapeur heure"), PowerFactor("cheval vapeur") * 3600);
    EXPECT_EQ(Factor("kilogram-force meter"), Factor("meter kilogram-force"));
    EXPECT_EQ(Factor("kilopond meter"), Factor("kilogram-force meter"));
    EXPECT_TRUE(WithinUlps(Factor("inch pound"), Factor("foot pound") / 12, 1));
    EXPECT_TRUE(WithinUlps(Factor("inch ounce"), Factor("inch pound") / 16, 1));
    EXPECT_TRUE(WithinUlps(Factor("therm [Europe]"), 1e5 * Factor("Btu"), 1));
    EXPECT_TRUE(WithinUlps(Factor("dekatherm"), 10 * Factor("therm [Europe]"), 1));
    EXPECT_TRUE(WithinUlps(Factor("quad"), 1e15 * Factor("Btu"), 1));
    EXPECT_TRUE(WithinUlps(Factor("Q unit"), 1000 * Factor("quad"), 1));
    EXPECT_TRUE(WithinRelative(Factor("celsius heat unit"), 1.8 * Factor("Btu"), 1e-7));
    EXPECT_TRUE(WithinRelative(Factor("horsepower hour"), PowerFactor("horsepower [international]") * 3600, 1e-8));
}

// Sizes from NIST SP 811 Appendix B, CODATA and the IEA/EIA definitions.
TEST(Energy, KnownSizes)
{
    EXPECT_NEAR(Factor("Btu [thermochemical]"), 1054.350, 0.0005);          // SP 811
    EXPECT_TRUE(WithinRelative(Factor("Btu [thermochemical]") / Factor("Btu"), 0.999331, 1e-6));
    EXPECT_NEAR(Factor("celsius heat unit"), 1899.1005, 0.0001);
    EXPECT_NEAR(Factor("foot poundal"), 4.214011e-2, 5e-9);                 // SP 811
    EXPECT_NEAR(Factor("horsepower hour"), 2.684520e6, 0.5);                // SP 811
    EXPECT_NEAR(Factor("inch pound"), 0.1129848, 1e-7);                     // SP 811
    EXPECT_NEAR(Factor("liter atmosphere"), 101.325, 1e-12);
    EXPECT_NEAR(Factor("hartree") / Factor("electronvolt"), 27.2114, 1e-4);  // CODATA
    EXPECT_EQ(Factor("tonne of oil equivalent"), 41.868e9);                 // 10 Gcal [I.T.]
    EXPECT_EQ(Factor("tonne of coal equivalent"), 29.3076e9);               // 7 Gcal [I.T.]
    EXPECT_NEAR(Factor("hundred cubic foot of natural gas") / Factor("Btu"), 103000, 1e-6);
    EXPECT_NEAR(Factor("gallon [U.S.] of diesel oil") / Factor("Btu") * 42, 5.825e6, 1e-3);
}

// The fuel rows are EIA's gross heat contents per 42-gallon barrel (Monthly Energy
// Review, Table A1) in the table's Btu; a fuel taking its neighbour's value shows here.
TEST(Energy, FuelRowsMatchTheirHeatContentPerBarrel)
{
    const struct { const char* name; double mmbtuPerBarrel; } fuels[] = {
        { "gallon [U.S.] of aviation gasoline", 5.048 },
        { "gallon [U.S.] of diesel oil", 5.825 },               // distillate fuel oil
        { "gallon [U.S.] of distilate #2 fuel oil", 5.825 },
        { "gallon [U.S.] of kerosene type jet fuel", 5.670 },
        { "gallon [U.S.] of naphtha type jet fuel", 5.355 },
        { "gallon [U.S.] of kerosene", 5.670 },
        { "gallon [U.S.] of residual fuel oil", 6.287 },
    };
    for (const auto& f : fuels)
        EXPECT_TRUE(WithinRelative(Factor(f.name) * 42 / Factor("Btu"), f.mmbtuPerBarrel * 1e6, 1e-12)) << f.name;
}

// Names shared by several variants of one unit pick the one their trade uses.
TEST(Energy, VariantsAreTheIntendedOnes)
{
    // US gas trade: 1 dekatherm = 10^6 Btu [I.T.] = 1.055056 GJ, not 10 therms [U.S.]
    EXPECT_TRUE(WithinRelative(Factor("dekatherm"), 1.055056e9, 1e-7));
    EXPECT_FALSE(WithinRelative(Factor("dekatherm"), 10 * Factor("therm [U.S.]"), 1e-5));
    // "Btu" is the International Table Btu (1055.05585262 J), not the thermochemical one
    EXPECT_TRUE(WithinRelative(Factor("Btu"), 1055.05585262, 1e-7));
    // the celsius heat unit is 1.8 Btu [I.T.], not a thermochemical 1897.8 J
    EXPECT_TRUE(WithinRelative(Factor("celsius heat unit"), 1.8 * 1055.05585262, 1e-9));
    // TNT: thermochemical calories; oil and coal equivalents: I.T. calories
    EXPECT_EQ(Factor("ton [explosive]"), 1e9 * Factor("calorie [thermochemical]"));
    EXPECT_TRUE(WithinUlps(Factor("tonne of oil equivalent"), 1e10 * Factor("calorie [I.T.]"), 1));
    // the thermie is a megacalorie of the 15 degree calorie
    EXPECT_TRUE(WithinUlps(Factor("thermie"), 1e6 * Factor("calorie [15\xB0 C]"), 1));
}

}  // namespace
