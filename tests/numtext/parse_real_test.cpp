// ParseReal: the value box text to a double.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>

#include "numtext/numtext.h"
#include "tests/support/bits.h"
#include "tests/numtext/exact_reference.h"

namespace {

const uint64_t kDefaultNaN = 0xFFF8000000000000ull;

// Parses text that must be accepted; returns the value's bits.
uint64_t Accept(const char* text)
{
    double v = 12345;
    EXPECT_NE(ParseReal(text, &v), 0) << '"' << text << '"';
    return BitsOf(v);
}

// Parses text that must be refused: result 0 and the NaN 0xFFF8000000000000.
void ExpectRejected(const char* text)
{
    double v = 12345;
    EXPECT_EQ(ParseReal(text, &v), 0) << '"' << text << '"';
    EXPECT_EQ(BitsOf(v), kDefaultNaN) << '"' << text << "\" gave " << Hex(v);
}

#define EXPECT_PARSES(text, value) EXPECT_EQ(Accept(text), BitsOf(value)) << '"' << text << '"'

TEST(ParseReal, Accepted)
{
    EXPECT_PARSES("5", 5.0);
    EXPECT_PARSES(" 5", 5.0);           // leading blanks skipped
    EXPECT_PARSES("     5", 5.0);
    EXPECT_PARSES("+5", 5.0);
    EXPECT_PARSES("-5", -5.0);
    EXPECT_PARSES(".5", 0.5);           // point first
    EXPECT_PARSES("+.5", 0.5);
    EXPECT_PARSES("5.", 5.0);           // point last
    EXPECT_PARSES("-.5", -0.5);
    EXPECT_PARSES("5.e3", 5000.0);
    EXPECT_PARSES("12.5", 12.5);
    EXPECT_PARSES("-12.5e-3", -0.0125);
    EXPECT_PARSES("1E5", 100000.0);
    EXPECT_PARSES("1e+5", 100000.0);
    EXPECT_PARSES("1e05", 100000.0);
    EXPECT_PARSES("007", 7.0);          // three digits counted
    EXPECT_PARSES(" 1.000000E+0020", 1e20);  // a text the formatter writes
}

TEST(ParseReal, Zero)
{
    EXPECT_EQ(Accept("-0"), 0x8000000000000000ull);   // negative zero
    EXPECT_EQ(Accept(" 0."), 0x0000000000000000ull);
    EXPECT_EQ(Accept("-0."), 0x8000000000000000ull);
    EXPECT_EQ(Accept("0e4931"), 0x0000000000000000ull);  // zero times anything
    EXPECT_EQ(Accept("-000000000000000000e-4931"), 0x8000000000000000ull);
}

TEST(ParseReal, Rejected)
{
    const char* texts[] = {
        "", "   ",                                  // nothing to read
        "5 ", "1e5 ",                               // a trailing blank
        "--5", "+-5", "- 5", "+ 5",                 // a second sign, a blank after the sign
        "\t5", "5\t",                               // a tab is not a blank
        ".", "-", "+", "e5", "E5", "+.e5", ".e1",   // no digit
        "1e", "1e+", "1e-", "1e+-5", "1e3.5", "1.5e3e2", "1ee5",  // bad exponents
        "1..2", "1.2.3", "1,5", "abc", "0x10", "1 000", "inf", "nan", "1_0",
        "5\x80", "\xA0" "5",                        // high characters, the no-break space
    };
    for (const char* t : texts) ExpectRejected(t);
}

TEST(ParseReal, DigitLimit)
{
    EXPECT_PARSES("123456789012345678", 1.2345678901234568e17);  // 18 digits
    ExpectRejected("1234567890123456789");                       // 19 digits
    EXPECT_PARSES("0.00000000000000001", 1e-17);                 // 18 digits with the zeros
    ExpectRejected("0.000000000000000001");                      // 19 digits with the zeros
    EXPECT_PARSES("999999999999999999", 999999999999999999.0);   // 18 nines, point anywhere
    EXPECT_PARSES("999999999.999999999", 999999999.999999999);
    EXPECT_PARSES(".999999999999999999", .999999999999999999);
    ExpectRejected("9999999999.999999999");                      // 19 nines
    ExpectRejected("0000000000000000000");                       // zeros count too
    EXPECT_PARSES("-000000000000000001", -1.0);
}

TEST(ParseReal, ExponentLimit)
{
    EXPECT_PARSES("1e4931", INFINITY);             // 10^4931 in extended precision, infinite as a double
    ExpectRejected("1e4932");
    EXPECT_PARSES("1e-4931", 0.0);
    ExpectRejected("1e-4932");
    EXPECT_PARSES("99e4931", INFINITY);            // beyond the extended range too, no failure
    EXPECT_PARSES("1e400", INFINITY);
    EXPECT_PARSES("-1e400", -INFINITY);
    EXPECT_PARSES("1e00000000000000000004931", INFINITY);  // leading zeros in the exponent
    ExpectRejected("1e99999");                     // fails at its fourth digit
    ExpectRejected("1e4940");
    EXPECT_PARSES("123456789012345678e-4931", 0.0);
}

TEST(ParseReal, Limits)
{
    EXPECT_PARSES("1.7976931348623157e308", DBL_MAX);
    EXPECT_PARSES("1.7976931348623158e308", DBL_MAX);       // below the midpoint to 2^1024
    EXPECT_PARSES("1.7976931348623159e308", INFINITY);      // above it
    EXPECT_PARSES(" 1.797693134862316E+0308", INFINITY);    // the formatter's text for DBL_MAX
    EXPECT_PARSES("179769313486231581e291", INFINITY);          // 2^1024 - 2^970, the midpoint, rounded up
    EXPECT_PARSES("2.2250738585072014e-308", DBL_MIN);
    EXPECT_PARSES("1e-15", 1e-15);
    EXPECT_PARSES("1e22", 1e22);                           // largest exact power of ten
    EXPECT_PARSES("1e23", 1e23);                           // the first inexact one
}

TEST(ParseReal, Denormals)
{
    EXPECT_EQ(Accept("4.9406564584124654e-324"), 1ull);    // smallest
    EXPECT_EQ(Accept("2.4703282292062328e-324"), 1ull);    // just above half of it: up
    EXPECT_EQ(Accept("2.4703282292062327e-324"), 0ull);    // just below half of it: zero
    EXPECT_EQ(Accept("2.2250738585072009e-308"), 0x000FFFFFFFFFFFFFull);  // largest denormal
    EXPECT_EQ(Accept("2.2250738585072011e-308"), 0x000FFFFFFFFFFFFFull);  // rounds down to it
    EXPECT_EQ(Accept("2.2250738585072012e-308"), 0x0010000000000000ull);  // rounds up to DBL_MIN
    EXPECT_EQ(Accept("-1e-320"), 0x80000000000007E8ull);
    EXPECT_EQ(Accept("1e-325"), 0ull);
}

TEST(ParseReal, TiesToEven)
{
    // 2^53 + 1 and 2^53 + 3 are midpoints between doubles.
    EXPECT_PARSES("9007199254740993", 9007199254740992.0);   // to the even ...992
    EXPECT_PARSES("9007199254740995", 9007199254740996.0);   // to the even ...996
    EXPECT_PARSES("9007199254740993.00", 9007199254740992.0);  // trailing zeros keep the tie
    EXPECT_PARSES("9007199254740993.01", 9007199254740994.0);  // just above the midpoint: up
    EXPECT_PARSES("9007199254740992.99", 9007199254740992.0);  // just below it: down
}

TEST(ParseReal, NearMidpoints)
{
    // The classic hard case: 2^-1075 * (2^53 + 1) style inputs near a midpoint.
    EXPECT_PARSES("2.2250738585072011e-308", Bits(0x000FFFFFFFFFFFFFull));
    EXPECT_PARSES("0.1", 0.1);
    EXPECT_PARSES("7.038531e-26", 7.038531e-26);
    EXPECT_PARSES("8.9255e-18", 8.9255e-18);
    EXPECT_PARSES("9214843084008499", 9214843084008500.0);   // odd integer above 2^53: a midpoint
    EXPECT_PARSES("4.4501477170144026e-308", Bits(0x0020000000000000ull));  // 2^-1021, reached from just below
}

TEST(ParseReal, LeavesDefaultFpuState)
{
    uint16_t control = 0x0F7F;  // rounding toward zero, set by someone else
    asm volatile("fldcw %0" ::"m"(control));
    double v;
    ParseReal("1", &v);
    asm volatile("fnstcw %0" : "=m"(control));
    EXPECT_EQ(control, 0x037F);
}

}  // namespace
