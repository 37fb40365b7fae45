// Volume table: the rows whose sizes are fixed, the US, imperial and metric
// families, cubes of lengths, and sizes known from the standards.
#include "catalogue/tables.h"
#include "catalogue/units.h"
#include "table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double Volume(const char* name) { return UnitFactor(CATEGORY_VOLUME, name); }
double Length(const char* name) { return UnitFactor(CATEGORY_ALL_LENGTH, name); }

double Rel(double a, double b) { return RatioOffset(a, b); }

TEST(Volume, StatedRowsAreTheGivenDoubles)
{
    const struct { int index; const char* name; double factor; } rows[] = {
        {   0, "acre foot", 1233.48185532 },
        {   8, "barrel [US, petroleum]", 0.1589872956 },
        {  21, "cubic foot", 0.028316846711688312 },
        {  22, "cubic inch", 1.638706406926407e-05 },
        {  24, "cubic meter", 1.0 },
        {  25, "cubic mile", 4168181843.058454 },
        {  26, "cubic micrometer", 1e-18 },
        {  28, "cubic yard", 0.7645548612155845 },
        {  31, "cup [US]", 0.0002365882375 },
        {  38, "gallon [UK]", 0.00454609 },
        {  40, "gallon [US, liquid]", 0.0037854118 },
        {  48, "kiloliter", 1.0 },
        {  49, "liter", 0.001 },
        {  53, "milliliter", 1e-06 },
        {  57, "ounce [US, liquid]", 2.95735296875e-05 },
        {  72, "Tivok", 1e-05 },
        {  74, "stere", 1.0 },
        {  77, "Tablespoon [US]", 1.478676484375e-05 },
        {  80, "Teaspoon [US]", 4.928921614583333e-06 },
        {  81, "yard", 0.7645548612155845 },
    };
    for (const auto& r : rows) {
        EXPECT_STREQ(VolumeUnits[r.index].name, r.name) << "row " << r.index;
        EXPECT_EQ(VolumeUnits[r.index].factor, r.factor) << r.name;
    }
}

TEST(Volume, OrderQuirksAreKept)
{
    EXPECT_STREQ(VolumeUnits[25].name, "cubic mile");        // before "cubic micrometer"
    EXPECT_STREQ(VolumeUnits[26].name, "cubic micrometer");
    EXPECT_STREQ(VolumeUnits[81].name, "yard");              // last row
    EXPECT_STREQ(VolumeUnits[75].name, "Tablespoon [metric]");  // capital T, sorted after "stere"
}

TEST(Volume, BaseRowsConvertUnchanged)
{
    const char* base[] = { "cubic meter", "kiloliter", "stere" };
    const double values[] = { 1.0, 0.3, 987654.321, 1e-300, 1e300 };
    for (const char* a : base)
        for (const char* b : base)
            for (double v : values) EXPECT_EQ(ConvertByFactors(v, Volume(a), Volume(b)), v) << a << " -> " << b;
}

TEST(Volume, EdgeConversions)
{
    EXPECT_DOUBLE_EQ(ConvertByFactors(1, Volume("cubic yard"), Volume("cubic foot")), 27);
    EXPECT_DOUBLE_EQ(ConvertByFactors(1, Volume("gallon [US, liquid]"), Volume("liter")), 3.7854118);
    EXPECT_EQ(Volume("yard"), Volume("cubic yard"));
    double smallest = VolumeUnits[0].factor, largest = smallest;
    for (const UnitEntry& row : VolumeUnits) {
        smallest = std::fmin(smallest, row.factor);
        largest = std::fmax(largest, row.factor);
    }
    EXPECT_EQ(smallest, Volume("cubic micrometer"));
    EXPECT_EQ(largest, Volume("cubic mile"));
}

// The US rows hang off one gallon of 231 cubic inches.
TEST(Volume, UsCustomaryFamily)
{
    const double gal = Volume("gallon [US, liquid]"), in3 = Volume("cubic inch");
    const struct { const char* name; double size; } rows[] = {
        { "cubic inch", gal / 231 },           { "cubic foot", 1728 * in3 },
        { "cubic yard", 46656 * in3 },         { "cubic mile", 1728 * in3 * 5280.0 * 5280 * 5280 },
        { "board foot", 144 * in3 },           { "cord foot [timber]", 16 * 1728 * in3 },
        { "cord [firewood]", 128 * 1728 * in3 },
        { "quart [US, liquid]", gal / 4 },     { "pint [US, liquid]", gal / 8 },
        { "cup [US]", gal / 16 },              { "gill [US]", gal / 32 },
        { "ounce [US, liquid]", gal / 128 },   { "pony", gal / 128 },          { "shot", gal / 128 },
        { "jigger", 1.5 * gal / 128 },         { "Tablespoon [US]", gal / 256 },
        { "Teaspoon [US]", gal / 768 },        { "dram", gal / 1024 },         { "minim [US]", gal / 61440 },
        { "fifth", gal / 5 },                  { "barrel [US, federal]", 31 * gal },
        { "barrel [US, liquid]", 31.5 * gal }, { "barrel [US, petroleum]", 42 * gal },
        { "drum [US, petroleum]", 55 * gal },  { "hogshead [US]", 63 * gal },  { "pipe [US]", 126 * gal },
        { "bushel [US, dry]", 2150.42 * in3 }, { "peck [US]", 2150.42 * in3 / 4 },
        { "gallon [US, dry]", 2150.42 * in3 / 8 }, { "quart [US, dry]", 2150.42 * in3 / 32 },
        { "pint [US, dry]", 2150.42 * in3 / 64 },  { "barrel [US, dry]", 7056 * in3 },
    };
    for (const auto& r : rows) EXPECT_LT(Rel(Volume(r.name), r.size), 1e-15) << r.name;
}

TEST(Volume, ImperialFamily)
{
    const double gal = 4.54609e-3;
    const struct { const char* name; double size; } rows[] = {
        { "gallon [UK]", gal },                { "quart [UK]", gal / 4 },       { "pint [UK]", gal / 8 },
        { "gill [UK]", gal / 32 },             { "ounce [UK, liquid]", gal / 160 },
        { "minim [UK]", gal / 76800 },         { "Tablespoon [UK]", gal / 256 }, { "Teaspoon [UK]", gal / 1024 },
        { "cup [Canada]", gal / 20 },          { "peck [UK]", 2 * gal },         { "bucket [UK]", 4 * gal },
        { "bushel [UK]", 8 * gal },            { "barrel [UK]", 36 * gal },      { "quarter [UK, liquid]", 64 * gal },
        { "barrel [UK, wine]", 26.25 * gal },  { "hogshead [UK]", 52.5 * gal },  { "pipe [UK]", 105 * gal },
    };
    for (const auto& r : rows) EXPECT_LT(Rel(Volume(r.name), r.size), 1e-15) << r.name;
}

TEST(Volume, MetricRows)
{
    const struct { const char* name; double size; } rows[] = {
        { "cubic micrometer", 1e-18 }, { "microliter", 1e-9 }, { "cubic millimeter", 1e-9 },
        { "milliliter", 1e-6 }, { "cubic centimeter", 1e-6 }, { "Teaspoon [metric]", 5e-6 },
        { "centiliter", 1e-5 }, { "Tablespoon [metric]", 1.5e-5 }, { "deciliter", 1e-4 },
        { "cup [metric]", 2.5e-4 }, { "liter", 1e-3 }, { "cubic decimeter", 1e-3 }, { "dekaliter", 1e-2 },
        { "hectoliter", 0.1 }, { "drum [metric, petroleum]", 0.2 }, { "kiloliter", 1 },
        { "megaliter", 1e3 }, { "cubic dekameter", 1e3 }, { "hectare meter", 1e4 }, { "cubic kilometer", 1e9 },
    };
    for (const auto& r : rows) EXPECT_EQ(Volume(r.name), r.size) << r.name;
}

// Cubic units are cubes of the "All Length & Distance" rows they name; the
// customary ones follow the rounded US gallon, so they agree to 1e-8.
TEST(Volume, CubesOfTheLengthTableRows)
{
    const struct { const char* volume; const char* length; double tolerance; } rows[] = {
        { "cubic micrometer", "micrometer", 1e-15 },  { "cubic millimeter", "millimeter", 1e-15 },
        { "cubic centimeter", "centimeter", 1e-15 },  { "cubic decimeter", "decimeter", 1e-15 },
        { "cubic dekameter", "dekameter", 1e-15 },    { "cubic kilometer", "kilometer", 1e-15 },
        { "cubic cubit [ancient egypt]", "cubit [Royal Egyptian]", 1e-15 },
        { "cubic foot", "foot [international, U.S.]", 1e-8 }, { "cubic yard", "yard", 1e-8 },
    };
    for (const auto& r : rows) {
        const double side = Length(r.length);
        EXPECT_LT(Rel(Volume(r.volume), side * side * side), r.tolerance) << r.volume;
    }
    const double surveyFoot = Length("foot [survey]");
    EXPECT_LT(Rel(Volume("acre foot [US survey]"), 43560 * surveyFoot * surveyFoot * surveyFoot), 1e-15);
    EXPECT_LT(Rel(Volume("cubic mile"), std::pow(Length("mile [international]"), 3)), 1e-8);
}

// Against sizes fixed by the inch of 0.0254 m (NIST SP 811 Appendix B, HB44
// Appendix C); the table's gallon is rounded to 0.0037854118, so allow 1e-8.
TEST(Volume, AgreesWithKnownSizes)
{
    const double in3 = 0.0254 * 0.0254 * 0.0254, ft3 = 1728 * in3;
    const double surveyFt = 1200.0 / 3937.0;
    const struct { const char* name; double size; } rows[] = {
        { "gallon [US, liquid]", 231 * in3 },          { "cubic foot", ft3 },
        { "cubic yard", 27 * ft3 },                    { "cubic mile", 1609.344 * 1609.344 * 1609.344 },
        { "acre foot", 43560 * ft3 },                  { "acre inch", 3630 * ft3 },
        { "acre foot [US survey]", 43560 * surveyFt * surveyFt * surveyFt },
        { "bushel [US, dry]", 2150.42 * in3 },         { "gallon [US, dry]", 268.8025 * in3 },
        { "barrel [US, petroleum]", 0.158987294928 },  { "cord [firewood]", 3.624556363776 },
        { "board foot", 144 * in3 },                   { "Teaspoon [US]", 4.92892159375e-6 },
        { "cubic cubit [ancient egypt]", 0.524 * 0.524 * 0.524 },
    };
    for (const auto& r : rows) EXPECT_LT(Rel(Volume(r.name), r.size), 2e-8) << r.name;
}

}  // namespace
