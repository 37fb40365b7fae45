// Factor arithmetic, the temperature converter and its registry.
#include "catalogue/units.h"
#include "core/convert.h"
#include "tests/support/bits.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

const double CELSIUS = 1.0, FAHRENHEIT = 2.0, RANKINE = 3.0, REAUMUR = 4.0, KELVIN = 5.0;

double Temperature(double from, double to, double value)
{
    double result = -12345.0;
    TemperatureConvert(from, to, value, &result);
    return result;
}

TEST(ConvertByFactors, ProductBeforeDivision)
{
    EXPECT_EQ(ConvertByFactors(2.0, 1000.0, 1.0), 2000.0);
    // (0.1 * 3) / 3 is not 0.1 in double arithmetic: 0.1 * 3 rounds up to
    // 0.30000000000000004, and a third of that is one ulp above 0.1.
    // 0.1 * (3 / 3) would give 0.1 itself.
    EXPECT_EQ(BitsOf(ConvertByFactors(0.1, 3.0, 3.0)), 0x3FB999999999999Bull);
    EXPECT_EQ(BitsOf(0.1), 0x3FB999999999999Aull);
    EXPECT_EQ(ConvertByFactors(7.25, 1.0, 1.0), 7.25);  // two base rows: unchanged
    EXPECT_TRUE(std::isnan(ConvertByFactors(std::nan(""), 2.0, 3.0)));
}

// The x86 program must show the digits the x64 one shows. That holds when
// every double operation rounds to double, as SSE2 does; on the x87 unit the
// product keeps 64 bits until the division and about a quarter of these
// conversions come out one unit in the last place apart (3 ft is then exactly
// 1 yd). These are the bit patterns x64 gives.
TEST(ConvertByFactors, RoundsEachOperationToDouble)
{
    EXPECT_EQ(FLT_EVAL_METHOD, 0) << "doubles evaluated in a wider format";
    const double FOOT = 0.3048, YARD = 0.9144, INCH = 0.025400000000000002, MILLIMETER = 0.001;
    EXPECT_EQ(BitsOf(ConvertByFactors(3, FOOT, YARD)), 0x3FF0000000000001u);        // 1.0000000000000002, x87: 1
    EXPECT_EQ(BitsOf(ConvertByFactors(3, YARD, FOOT)), 0x4021FFFFFFFFFFFFu);        // 8.999999999999998, x87: 9
    EXPECT_EQ(BitsOf(ConvertByFactors(5, YARD, FOOT)), 0x402E000000000000u);        // 15, x87: 14.999999999999998
    EXPECT_EQ(BitsOf(ConvertByFactors(5, INCH, MILLIMETER)), 0x405FC00000000000u);  // 127, x87: 127.00000000000001
}

TEST(TemperatureConvert, EverydayValues)
{
    EXPECT_DOUBLE_EQ(Temperature(CELSIUS, FAHRENHEIT, 100.0), 212.0);
    EXPECT_DOUBLE_EQ(Temperature(CELSIUS, FAHRENHEIT, -40.0), -40.0);
    EXPECT_DOUBLE_EQ(Temperature(FAHRENHEIT, CELSIUS, -40.0), -40.0);
    EXPECT_DOUBLE_EQ(Temperature(REAUMUR, CELSIUS, 80.0), 100.0);
    EXPECT_DOUBLE_EQ(Temperature(KELVIN, CELSIUS, 0.0), -273.15);
    EXPECT_DOUBLE_EQ(Temperature(CELSIUS, RANKINE, 0.0), 491.67);
}

TEST(TemperatureConvert, AbsoluteZeroAndBelow)
{
    EXPECT_EQ(Temperature(CELSIUS, KELVIN, -273.15), 0.0);          // exactly zero is converted
    EXPECT_DOUBLE_EQ(Temperature(CELSIUS, CELSIUS, -273.15), -273.15);
    EXPECT_EQ(Temperature(CELSIUS, FAHRENHEIT, -300.0), 0.0);       // below: 0 in any unit
    EXPECT_EQ(Temperature(KELVIN, KELVIN, -1.0), 0.0);
    EXPECT_EQ(Temperature(RANKINE, CELSIUS, -0.5), 0.0);
}

TEST(TemperatureConvert, UnknownCodesMeanKelvinAndNaNPassesThrough)
{
    EXPECT_EQ(Temperature(9.0, 0.0, 300.0), 300.0);
    EXPECT_TRUE(std::isnan(Temperature(CELSIUS, FAHRENHEIT, std::nan(""))));
    EXPECT_TRUE(std::isinf(Temperature(CELSIUS, KELVIN, std::numeric_limits<double>::infinity())));
}

TEST(FindSpecialConverter, OnlyTemperatureHasOne)
{
    for (int c = 0; c < CategoryCount(); ++c)
        EXPECT_EQ(FindSpecialConverter(c) != nullptr, c == CATEGORY_TEMPERATURE) << c;
    EXPECT_EQ(FindSpecialConverter(CATEGORY_TEMPERATURE), &TemperatureConvert);
    EXPECT_EQ(FindSpecialConverter(32), nullptr);
    EXPECT_EQ(FindSpecialConverter(-1), nullptr);
}

}  // namespace
