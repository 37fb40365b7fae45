// FormatExtended, ParseExtended and PowerOfTen: the general 80-bit routines.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "numtext/extended.h"
#include "numtext/numtext.h"
#include "tests/numtext/edge_rows.h"
#include "tests/numtext/exact_reference.h"

namespace {

uint16_t ControlWord()
{
    uint16_t control;
    asm volatile("fnstcw %0" : "=m"(control));
    return control;
}

void SetControlWord(uint16_t control)
{
    asm volatile("fldcw %0" ::"m"(control));
}

const uint16_t kDefaultControl = 0x037F;     // all masked, 64-bit precision, to nearest
const uint16_t kRoundUpControl = 0x0B7F;     // all masked, 64-bit precision, toward +infinity

std::string Direct(long double value, int decimals, unsigned flags = 0)
{
    char out[64];
    std::memset(out, '#', sizeof out);
    EXPECT_NE(FormatExtended(value, nullptr, decimals, out, FMT_VALUE_DIRECT | flags), 0);
    EXPECT_LE(std::strlen(out) + 1, (size_t)FORMAT_MAX_TEXT) << out;
    return out;
}

std::string Hex(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%La", value);
    return text;
}

// Fails and leaves every byte of the buffer as it was.
void ExpectFailsUntouched(long double value, const long double* address, unsigned flags,
                          intptr_t decimals = 6)
{
    char out[32];
    std::memset(out, 0x5A, sizeof out);
    EXPECT_EQ(FormatExtended(value, address, decimals, out, flags), 0) << Hex(value) << " flags " << flags;
    for (char c : out) ASSERT_EQ(c, 0x5A) << "buffer touched for " << Hex(value);
    EXPECT_EQ(ControlWord(), kDefaultControl) << "failure leaves the default state";
}

TEST(FormatExtended, ValueSources)
{
    char out[32];
    long double stored = 1234.5678L;
    ASSERT_NE(FormatExtended(0, &stored, 2, out, FMT_VALUE_AT_ADDRESS), 0);
    EXPECT_STREQ(out, " 1234.56");
    // The direct value wins when both bits are set.
    ASSERT_NE(FormatExtended(2.5L, &stored, 1, out, FMT_VALUE_DIRECT | FMT_VALUE_AT_ADDRESS), 0);
    EXPECT_STREQ(out, " 2.5");
    // Bits other than the four named ones change nothing.
    ASSERT_NE(FormatExtended(2.5L, nullptr, 1, out, FMT_VALUE_DIRECT | 0x7BFC), 0);
    EXPECT_STREQ(out, " 2.5");
    // Neither value bit: no value, failure, buffer untouched.
    ExpectFailsUntouched(2.5L, &stored, 0);
    int32_t decimals = 3;
    ExpectFailsUntouched(2.5L, &stored, FMT_SCIENTIFIC | FMT_DECIMALS_AT_ADDRESS, (intptr_t)&decimals);
}

TEST(FormatExtended, DecimalsAtAddress)
{
    char out[32];
    int32_t decimals = 3;
    ASSERT_NE(FormatExtended(2.5L, nullptr, (intptr_t)&decimals, out, FMT_VALUE_DIRECT | FMT_DECIMALS_AT_ADDRESS), 0);
    EXPECT_STREQ(out, " 2.500");
    decimals = -3;  // clamped to 0
    ASSERT_NE(FormatExtended(2.5L, nullptr, (intptr_t)&decimals, out, FMT_VALUE_DIRECT | FMT_DECIMALS_AT_ADDRESS), 0);
    EXPECT_STREQ(out, " 2");
    decimals = 40;  // clamped to 15
    ASSERT_NE(FormatExtended(2.5L, nullptr, (intptr_t)&decimals, out, FMT_VALUE_DIRECT | FMT_DECIMALS_AT_ADDRESS | FMT_SCIENTIFIC), 0);
    EXPECT_STREQ(out, " 2.500000000000000E+0000");
}

TEST(FormatExtended, Rejected)
{
    ExpectFailsUntouched(std::numeric_limits<long double>::quiet_NaN(), nullptr, FMT_VALUE_DIRECT);
    ExpectFailsUntouched(INFINITY, nullptr, FMT_VALUE_DIRECT);
    ExpectFailsUntouched(-INFINITY, nullptr, FMT_VALUE_DIRECT | FMT_SCIENTIFIC);
    long double inf = INFINITY;
    ExpectFailsUntouched(0, &inf, FMT_VALUE_AT_ADDRESS);
    // Below 10^-4917 the scale 10^(15 - E) overflows: the product is infinite.
    ExpectFailsUntouched(1e-4920L, nullptr, FMT_VALUE_DIRECT);
    ExpectFailsUntouched(1e-4917L, nullptr, FMT_VALUE_DIRECT);
    ExpectFailsUntouched(LDBL_MIN, nullptr, FMT_VALUE_DIRECT);       // 3.36e-4932, normal but too small
    ExpectFailsUntouched(LDBL_TRUE_MIN, nullptr, FMT_VALUE_DIRECT);  // the smallest denormal
}

TEST(FormatExtended, EdgeCaseTableOnTheGeneralPath)
{
    // The same texts come from the 80-bit arithmetic.
    for (const EdgeRow& r : kEdgeRows) {
        EXPECT_EQ(Direct(r.value, r.decimals), r.fixed) << Hex((long double)r.value);
        EXPECT_EQ(Direct(r.value, r.decimals, FMT_SCIENTIFIC), r.scientific) << Hex((long double)r.value);
    }
}

TEST(FormatExtended, Limits)
{
    EXPECT_EQ(Direct(LDBL_MAX, 6), " 1.189731E+4932");           // four exponent digits suffice
    // Found by fuzzing: from 10^4932 up the text's exponent is beyond what the
    // parser takes, so such texts do not read back (no double comes near).
    long double back;
    EXPECT_EQ(ParseExtended(Direct(-LDBL_MAX, 0).c_str(), &back, 0), 0);
    EXPECT_EQ(Direct(1e4931L, 2, FMT_SCIENTIFIC), " 1.00E+4931");
    EXPECT_EQ(Direct(-1.5e-4900L, 2, FMT_SCIENTIFIC), "-1.50E-4900");  // 10^4915 scales it, error ~2^-50
    EXPECT_EQ(Direct(2e-4916L, 0, FMT_SCIENTIFIC), " 2.E-4916");  // just inside the scalable range
}

TEST(FormatExtended, FloatingPointState)
{
    // A successful direct call keeps the caller's rounding mode and precision.
    SetControlWord(kRoundUpControl);
    EXPECT_EQ(Direct(2.5L, 1), " 2.5");
    EXPECT_EQ(ControlWord(), kRoundUpControl);
    SetControlWord(kDefaultControl);
    // A call through the address resets the unit.
    long double stored = 2.5L;
    char out[32];
    SetControlWord(kRoundUpControl);
    ASSERT_NE(FormatExtended(0, &stored, 1, out, FMT_VALUE_AT_ADDRESS), 0);
    EXPECT_EQ(ControlWord(), kDefaultControl);
}

TEST(PowerOfTen, Accuracy)
{
    // 10^0 .. 10^27 are exact in 64 bits (5^27 < 2^64). The computed ones lose
    // about log2(n * log2(10)) bits to the rounding of that product: below
    // 2^-57 up to n = 27 (27 * 3.32 < 2^7).
    long double exact = 1;
    for (int n = 0; n <= 27; ++n, exact *= 10) {
        long double p = PowerOfTen(n);
        EXPECT_LE(std::fabs(p - exact) / exact, 0x1p-57L) << n << " " << Hex(p);
    }
    // Relative error grows with |n| as the product n * log2(10) loses bits.
    EXPECT_LE(std::fabs(PowerOfTen(-1) - 0.1L) / 0.1L, 0x1p-60L);
    EXPECT_LE(std::fabs(PowerOfTen(308) - 1e308L) / 1e308L, 0x1p-52L);
    EXPECT_LE(std::fabs(PowerOfTen(4931) - 1e4931L) / 1e4931L, 0x1p-48L);
}

TEST(PowerOfTen, Range)
{
    EXPECT_TRUE(std::isfinite(PowerOfTen(4931)));
    EXPECT_EQ(PowerOfTen(4933), INFINITY);
    EXPECT_EQ(std::fpclassify(PowerOfTen(-4931)), FP_NORMAL);
    EXPECT_EQ(std::fpclassify(PowerOfTen(-4932)), FP_SUBNORMAL);  // from -4932 down: denormal
    EXPECT_GT(PowerOfTen(-4949), 0.0L);                          // still non-zero at the low end
}

TEST(ParseExtended, DestinationOrHandedBack)
{
    long double dest = 7, back = 7;
    // One multiplication by a computed 10^-16: close to, not always at, 12.5.
    ASSERT_NE(ParseExtended("12.5", &dest, 0, &back), 0);
    EXPECT_NEAR(dest, 12.5L, 12.5L * 0x1p-58L);
    EXPECT_EQ(back, 7.0L);
    dest = 7;
    ASSERT_NE(ParseExtended("-12.5e-3", &dest, PARSE_RETURN_VALUE, &back), 0);
    EXPECT_EQ(dest, 7.0L);  // not used
    EXPECT_NEAR(back, -12.5e-3L, 12.5e-3L * 0x1p-56L);
    ASSERT_NE(ParseExtended("-0", nullptr, PARSE_RETURN_VALUE | 0x7F, &back), 0);
    EXPECT_TRUE(back == 0 && std::signbit(back));
}

TEST(ParseExtended, FailureWritesNothing)
{
    for (const char* text : {"", "5 ", "1e4932", "1234567890123456789", "1,5"}) {
        long double dest = 7, back = 7;
        EXPECT_EQ(ParseExtended(text, &dest, 0, &back), 0) << text;
        EXPECT_EQ(ParseExtended(text, &dest, PARSE_RETURN_VALUE, &back), 0) << text;
        EXPECT_EQ(dest, 7.0L) << text;
        EXPECT_EQ(back, 7.0L) << text;
    }
}

TEST(ParseExtended, Limits)
{
    long double v;
    ASSERT_NE(ParseExtended("1e4931", &v, 0), 0);
    EXPECT_TRUE(std::isfinite(v));
    EXPECT_LE(std::fabs(v - 1e4931L) / 1e4931L, 0x1p-48L);
    ASSERT_NE(ParseExtended("99e4931", &v, 0), 0);
    EXPECT_EQ(v, INFINITY);                                  // overflow is no failure
    ASSERT_NE(ParseExtended("1e-4931", &v, 0), 0);
    EXPECT_GT(v, 0.0L);                                      // a denormal, not zero
    ASSERT_NE(ParseExtended("123456789012345678", &v, 0), 0);
    EXPECT_EQ(v, 123456789012345678.0L);                     // 18 digits exact in 64 bits
    ASSERT_NE(ParseExtended(".999999999999999999", &v, 0), 0);
    EXPECT_LE(std::fabs(v - .999999999999999999L), 0x1p-58L);
    EXPECT_EQ(ControlWord(), kDefaultControl);
}

TEST(ParseExtended, FormattedTextsReadBack)
{
    // The general pair agrees with itself to 16 digits on every table value.
    for (long double value : {1.0L, -2.5L, 1234.5678L, 1e20L, 1e-7L, 0.05L, 1e4931L, -1e-4900L}) {
        std::string text = Direct(value, 15, FMT_SCIENTIFIC);
        long double back;
        ASSERT_NE(ParseExtended(text.c_str(), &back, 0), 0) << text;
        EXPECT_LE(std::fabs(back - value) / std::fabs(value), 1e-15L) << text;
    }
}

}  // namespace
