// Area table: the rows whose sizes are fixed, squares of the length rows,
// land measures against their definitions, and the extreme conversions.
#include "catalogue/tables.h"
#include "catalogue/units.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

double Area(const char* name) { return UnitFactor(CATEGORY_AREA, name); }
double Length(const char* name) { return UnitFactor(CATEGORY_ALL_LENGTH, name); }

// Relative difference, for relations that hold up to the rounding of each side.
double Rel(double a, double b) { return RatioOffset(a, b); }

TEST(Area, StatedRowsAreTheGivenDoubles)
{
    const struct { int index; const char* name; double factor; } rows[] = {
        {   0, "acre", 4046.8564224 },
        {   2, "acre [survey]", 4046.8726267200004 },
        {   4, "are", 100.0 },
        {  15, "centiare", 1.0 },
        {  28, "hectare", 10000.0 },
        {  43, "mu", 666.6666666666666 },
        {  61, "square centimeter", 0.0001 },
        {  74, "square foot", 0.09290304 },
        {  79, "square inch", 0.0006451600000000001 },
        {  81, "square kilometer", 1000000.0 },
        {  88, "square meter", 1.0 },
        {  94, "square mile", 2589988.110336 },
        {  96, "square mile [survey, U.S. statute]", 2589998.5 },
        { 113, "square yard", 0.8361273600000001 },
        { 116, "square yottameter", 1e+48 },
        { 122, "township", 93239945.3196288 },
        { 125, "yard", 0.8361273600000001 },
        { 126, "virgate", 120000.0 },
    };
    for (const auto& r : rows) {
        EXPECT_STREQ(AreaUnits[r.index].name, r.name) << "row " << r.index;
        EXPECT_EQ(AreaUnits[r.index].factor, r.factor) << r.name;
    }
}

TEST(Area, OrderQuirksAreKept)
{
    EXPECT_STREQ(AreaUnits[2].name, "acre [survey]");   // before "acre [Ireland]"
    EXPECT_STREQ(AreaUnits[3].name, "acre [Ireland]");
    EXPECT_STREQ(AreaUnits[125].name, "yard");          // "yard" and then "virgate" close the table
    EXPECT_STREQ(AreaUnits[126].name, "virgate");
    EXPECT_STREQ(AreaUnits[63].name, "square chain [Ramden, Engineer]");  // spelled so here
}

// A shed is 1e-24 barn; a barn is 1e-28 m2.
TEST(Area, ShedIsOneYoctobarn)
{
    EXPECT_EQ(Area("barn"), 1e-28);
    EXPECT_EQ(Area("shed"), 1e-52);
    EXPECT_LT(Rel(Area("shed"), Area("barn") * 1e-24), 1e-15);
}

TEST(Area, BaseRowsConvertUnchanged)
{
    const double values[] = { 1.0, 0.1, 123456.789, 1e-300, 1e300 };
    for (double v : values) {
        EXPECT_EQ(ConvertByFactors(v, Area("centiare"), Area("square meter")), v);
        EXPECT_EQ(ConvertByFactors(v, Area("square meter"), Area("centiare")), v);
    }
}

TEST(Area, ExtremeRatioStaysFinite)
{
    double r = ConvertByFactors(1.0, Area("square yottameter"), Area("shed"));
    EXPECT_TRUE(std::isfinite(r));
    EXPECT_LT(Rel(r, 1e100), 1e-15);                     // 1e48 / 1e-52
    double smallest = AreaUnits[0].factor, largest = smallest;
    for (const UnitEntry& row : AreaUnits) {
        smallest = std::fmin(smallest, row.factor);
        largest = std::fmax(largest, row.factor);
    }
    EXPECT_EQ(smallest, Area("shed"));
    EXPECT_EQ(largest, Area("square yottameter"));
}

TEST(Area, YardIsTheSquareYardHere)
{
    EXPECT_EQ(Area("yard"), Area("square yard"));
    EXPECT_EQ(Length("yard"), 0.9144);                   // the length category keeps its own yard
}

TEST(Area, SynonymsCarryOneFactor)
{
    EXPECT_EQ(Area("are"), Area("square dekameter"));
    EXPECT_EQ(Area("hectare"), Area("square hectometer"));
    EXPECT_EQ(Area("hectare"), Area("bunder"));
    EXPECT_EQ(Area("hectare"), Area("manzana [Argentina]"));
    EXPECT_EQ(Area("section"), Area("square mile [survey, U.S. statute]"));
    EXPECT_EQ(Area("perch"), Area("square rod"));
    EXPECT_EQ(Area("square perch"), Area("square rod"));
    EXPECT_EQ(Area("fall [English]"), Area("perch"));
    EXPECT_EQ(Area("square fermi"), Area("square femtometer"));
    EXPECT_EQ(Area("square micron"), Area("square micrometer"));
    EXPECT_EQ(Area("square mil"), Area("square thou"));
    EXPECT_EQ(Area("tsubo"), Area("ping"));
    EXPECT_EQ(Area("tsubo"), Area("pyong"));
    EXPECT_EQ(Area("legua"), Area("sitio"));             // the square league is called a sitio in Mexico and Texas
    EXPECT_EQ(Area("bovate"), Area("oxgang"));
    EXPECT_EQ(Area("jo [Japan]"), Area("tatami [Japan]"));
}

// SI squares: the prefix squared, exactly as the decimal literal reads.
TEST(Area, MetricSquaresFollowThePrefixes)
{
    const struct { const char* name; double size; } rows[] = {
        { "square yoctometer", 1e-48 }, { "square attometer", 1e-36 }, { "square femtometer", 1e-30 },
        { "square picometer", 1e-24 },  { "square bicron", 1e-24 },     { "square micromicron", 1e-24 },
        { "square angstrom", 1e-20 },   { "square tenthmeter", 1e-20 }, { "square nanometer", 1e-18 },
        { "square millimicron", 1e-18 }, { "square micrometer", 1e-12 }, { "square millimeter", 1e-6 },
        { "square centimeter", 1e-4 },  { "square decimeter", 1e-2 },   { "square dekameter", 1e2 },
        { "square hectometer", 1e4 },   { "square kilometer", 1e6 },    { "square myriameter", 1e8 },
        { "square megameter", 1e12 },   { "square gigameter", 1e18 },   { "square terameter", 1e24 },
        { "square petameter", 1e30 },   { "square exameter", 1e36 },    { "square yottameter", 1e48 },
        { "dekare", 1e3 }, { "stremma", 1e3 }, { "dunum, dunham", 1e3 }, { "rai", 1600 }, { "ngarn", 400 },
    };
    for (const auto& r : rows) EXPECT_EQ(Area(r.name), r.size) << r.name;
}

// Each "square X" is the square of the length row it names (the length table
// rounds each length to a double, so allow a few ulps).
TEST(Area, SquaresOfLengthRows)
{
    ASSERT_STREQ(AllLengthUnits[174].name, "meter");   // the length table's base row, where it belongs
    const struct { const char* area; const char* length; } pairs[] = {
        { "square foot", "foot [international, U.S.]" },
        { "square foot [survey]", "foot [survey]" },
        { "square inch", "inch [international, U.S.]" },
        { "square yard", "yard" },
        { "square mile", "mile [international]" },
        { "square mile [nautical]", "mile [nautical, international]" },
        { "square fathom", "fathom" },
        { "square cubit", "cubit [English]" },
        { "square furlong", "furlong [international]" },
        { "square chain [Gunter, survey]", "chain [Gunter, survey]" },
        { "square chain [Ramden, Engineer]", "chain [Ramsden, engineer]" },
        { "square link [Gunter, survey]", "link [Gunter, survey]" },
        { "square link [Ramden, Engineer]", "link [Ramden, engineer]" },
        { "square league [nautical]", "league [nautical]" },
        { "square league [U.S. statute]", "league [US statute]" },
        { "square city block [East U.S.]", "city block [East U.S.]" },
        { "square city block [Midwest U.S.]", "city block [Midwest U.S.]" },
        { "square city block [South, West U.S.]", "city block [South, West U.S.]" },
        { "square astronomical unit", "astronomical unit" },
        { "square light year", "light year [Julian]" },
        { "square parsec", "parsec" },
        { "square Paris foot", "foot [France]" },
        { "square angstrom", "angstrom" },
        { "square kilometer", "kilometer" },
        { "fall [English]", "fall [English]" },
        { "fall [Scots]", "fall [Scotland]" },
        { "arpent [Canada]", "arpent [Canada]" },           // the same word for a side and its square
        { "legua", "legua [Texas]" },                        // the square legua of Texas land grants
        { "square vara [California]", "vara [California]" },
        { "square vara [Texas]", "vara [Texas]" },
        { "square mil", "mil" },
        { "square microinch", "microinch" },
        { "square rod", "rod [international]" },
        { "square perch", "perch" },
        { "square Paris foot", "Paris foot" },
    };
    for (const auto& p : pairs) {
        double side = Length(p.length);
        EXPECT_LT(Rel(Area(p.area), side * side), 1e-15) << p.area << " vs " << p.length;
    }
    double frenchFoot = Length("feet [pre-1963 Canada]");  // the Quebec land foot
    EXPECT_LT(Rel(Area("perche [Canada]"), 18 * 18 * frenchFoot * frenchFoot), 1e-15);
    double capeRood = Length("cape rood");
    EXPECT_LT(Rel(Area("morgen [South Africa]"), 600 * capeRood * capeRood), 1e-15);
}

// Land measures against their definitions in feet, yards, varas and acres.
TEST(Area, LandMeasuresAgainstTheirDefinitions)
{
    const double ft2 = 0.3048 * 0.3048, yd2 = 9 * ft2, acre = 43560 * ft2;
    const double surveyFt = 1200.0 / 3937.0, texasVara = 0.0254 * 100 / 3;
    const struct { const char* name; double size; double tolerance; } rows[] = {
        { "acre", 4046.8564224, 1e-16 },                          // NIST HB44 Appendix C
        { "acre [commercial]", 36000 * ft2, 1e-15 },
        { "acre [Ireland]", 7840 * yd2, 1e-15 },                   // 160 sq Irish perches of 7 yd
        { "rood", acre / 4, 1e-15 },
        { "farthingdale", acre / 4, 1e-15 },
        { "perch", 272.25 * ft2, 1e-15 },
        { "fall [English]", acre / 160, 1e-15 },                   // the English fall of land is the square perch
        { "square", 100 * ft2, 1e-15 },
        { "oxgang", 15 * acre, 1e-15 },
        { "carucate", 120 * acre, 1e-15 },
        { "hide", 120 * acre, 1e-15 },
        { "hundred", 100 * 120 * acre, 1e-15 },
        { "nook", 20 * acre, 1e-15 },                              // half a 40-acre northern yardland
        { "square furlong", 10 * acre, 1e-15 },
        { "square mile", 640 * acre, 1e-15 },
        { "homestead", 160 * 43560 * surveyFt * surveyFt, 1e-8 },  // quarter section
        { "township", 36 * 640 * 43560 * surveyFt * surveyFt, 1e-8 },
        { "acre [survey]", 43560 * surveyFt * surveyFt, 1e-8 },
        { "square mile [survey, U.S. statute]", 27878400 * surveyFt * surveyFt, 2e-8 },
        { "hectare", 1e4, 0 },
        { "mu", 1e4 / 15, 1e-16 },
        { "tsubo", 400.0 / 121, 1e-15 },                          // 36 sq shaku of 10/33 m
        { "jo [Japan]", 200.0 / 121, 1e-15 },                     // one mat, half a tsubo
        { "labor", 1e6 * texasVara * texasVara, 1e-15 },
        { "legua", 25e6 * texasVara * texasVara, 1e-15 },         // 4428.4 acres
        { "hacienda", 125e6 * texasVara * texasVara, 1e-15 },
        { "square vara [Texas]", texasVara * texasVara, 1e-15 },
        { "dessiatina", 2400 * 2.1336 * 2.1336, 1e-15 },           // 2400 sq sazhen of 7 ft
        { "kattha [Nepal]", 3645 * ft2, 1e-15 },
        { "dhur", 3645 * ft2 / 20, 1e-15 },
        { "cawney", 57600 * ft2, 1e-15 },
        { "stang", 3240 * yd2, 1e-15 },
        { "cover", 4320 * yd2, 1e-15 },                            // North Wales cyfar, the 4320 sq yd erw
        { "jitro, joch, jutro", 1600 * 1.89648384 * 1.89648384, 1e-15 },
        { "kappland", 4936.37816 / 32, 1e-9 },                      // 1/32 tunnland
        { "tunnland", 4936.37816, 1e-9 },                        // 56000 sq fot of 0.2969 m
        { "tonde land", 5516.1, 1e-4 },
        { "morgen [South Africa]", 2.11654 * acre, 1e-5 },
        { "arpent [Canada]", 3418.89, 1e-5 },                       // about 0.845 acre
        { "perche [Canada]", 3418.89 / 100, 1e-5 },
        { "cuerda", 3930.395625, 0 },
        { "caballeria [Cuba]", 134202, 1e-5 },                     // 13.4202 ha
        { "manzana [Costa Rican]", 6987.29, 1e-5 },
        { "tarea", 628.86, 1e-5 },
        { "caballeria [Central America]", 64 * 6987.29, 1e-5 },
    };
    for (const auto& r : rows) EXPECT_LE(Rel(Area(r.name), r.size), r.tolerance) << r.name;
}

TEST(Area, Conversions)
{
    EXPECT_NEAR(ConvertByFactors(1, Area("acre"), Area("square foot")), 43560, 1e-9);
    EXPECT_NEAR(ConvertByFactors(1, Area("square mile"), Area("acre")), 640, 1e-10);
    EXPECT_NEAR(ConvertByFactors(1, Area("square yard"), Area("square inch")), 1296, 1e-10);
    EXPECT_NEAR(ConvertByFactors(1, Area("hectare"), Area("are")), 100, 0);
    EXPECT_NEAR(ConvertByFactors(1, Area("township"), Area("section")), 36, 1e-5);
    EXPECT_NEAR(ConvertByFactors(1, Area("legua"), Area("labor")), 25, 1e-12);
    EXPECT_NEAR(ConvertByFactors(1, Area("tsubo"), Area("square meter")), 3.305785, 1e-6);
}

}  // namespace
