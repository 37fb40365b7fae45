// FormatReal: the value box text for a double.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "numtext/numtext.h"
#include "tests/support/bits.h"
#include "tests/numtext/edge_rows.h"
#include "tests/numtext/exact_reference.h"

namespace {

const int FIXED = 1;
const int SCIENTIFIC = 0;

// The text written, checked to stay within the 25 bytes the buffer promises.
std::string Format(double value, int decimals, int numFormat)
{
    char out[64];
    std::memset(out, '#', sizeof out);
    EXPECT_NE(FormatReal(value, decimals, out, numFormat), 0) << Hex(value);
    size_t length = std::strlen(out);
    EXPECT_LE(length + 1, (size_t)FORMAT_MAX_TEXT) << out;
    EXPECT_EQ(out[length + 1], '#') << "wrote past the NUL for " << Hex(value);
    return out;
}

TEST(FormatReal, EdgeCaseTable)
{
    for (const EdgeRow& r : kEdgeRows) {
        EXPECT_EQ(Format(r.value, r.decimals, FIXED), r.fixed) << Hex(r.value) << " D=" << r.decimals;
        EXPECT_EQ(Format(r.value, r.decimals, SCIENTIFIC), r.scientific) << Hex(r.value) << " D=" << r.decimals;
    }
}

TEST(FormatReal, Zero)
{
    EXPECT_EQ(Format(0.0, 0, FIXED), "0");         // no point even when decimals are asked for
    EXPECT_EQ(Format(-0.0, 0, SCIENTIFIC), "0");   // no sign, no exponent
    EXPECT_EQ(Format(0.0, 15, SCIENTIFIC), "0");
}

TEST(FormatReal, NumFormatsOtherThanScientificAndAutomaticAreFixed)
{
    EXPECT_EQ(Format(2.5, 1, -7), " 2.5");
    EXPECT_EQ(Format(2.5, 1, 0x10000), " 2.5");
    EXPECT_EQ(Format(0.01, 1, 3), " 0.");
}

// Automatic notation is fixed while that shows a significant digit and fits
// (below 10^16), scientific otherwise, with the same decimals.
TEST(FormatReal, AutomaticNotationAtItsEdges)
{
    const struct { double value; int decimals; const char* text; } rows[] = {
        { 1e-6, 6, " 0.000001" },              // the smallest value fixed shows (16 digits: 1.0e-6)
        { 9.999999999999998e-7, 6, " 9.999999E-0007" }, { 0.0000019, 6, " 0.000001" },   // cut, a digit shows
        { 0.5, 0, " 5.E-0001" }, { 1.0, 0, " 1" }, { -0.000123, 2, "-1.23E-0004" },
        { 9999999999999998.0, 6, " 9999999999999998" }, { 1e16, 2, " 1.00E+0016" },   // the largest fixed fits
        { 4.9406564584124654e-324, 15, " 4.940656458412465E-0324" }, { 0.0, 6, "0" }, { -0.0, 0, "0" },
    };
    for (const auto& r : rows) EXPECT_EQ(Format(r.value, r.decimals, 2), r.text) << Hex(r.value);
}

TEST(FormatReal, DecimalsClamped)
{
    EXPECT_EQ(Format(2.5, -3, FIXED), " 2");           // -3 behaves as 0
    EXPECT_EQ(Format(2.5, 40, FIXED), " 2.500000000000000");  // 40 behaves as 15
    EXPECT_EQ(Format(2.5, 16, SCIENTIFIC), " 2.500000000000000E+0000");
    EXPECT_EQ(Format(2.5, INT32_MIN, SCIENTIFIC), " 2.E+0000");
}

TEST(FormatReal, CarryInto17thDigit)
{
    // Doubles just below a power of ten whose 16 digits round up into a 17th:
    // E moves up one and N becomes 10^15.
    EXPECT_EQ(Format(1e-7, 15, SCIENTIFIC), " 1.000000000000000E-0007");  // 9.99999999999999954748e-8
    EXPECT_EQ(Format(1e-6, 15, FIXED), " 0.000001000000000");             // 9.99999999999999954748e-7
    EXPECT_EQ(Format(1e-14, 0, SCIENTIFIC), " 1.E-0014");                 // 9.99999999999999998819e-15
    EXPECT_EQ(Format(1e24, 3, FIXED), " 1.000E+0024");                    // 9.99999999999999983223e23
    EXPECT_EQ(Format(-1e28, 1, SCIENTIFIC), "-1.0E+0028");                // 9.99999999999999958312e27
    // Just below the carry: 16 nines stay.
    EXPECT_EQ(Format(std::nextafter(1.0, 0.0), 15, SCIENTIFIC), " 9.999999999999999E-0001");  // 1 - 2^-53
    EXPECT_EQ(Format(std::nextafter(1.0, 0.0), 3, FIXED), " 0.999");
    EXPECT_EQ(Format(1e23, 15, SCIENTIFIC), " 9.999999999999999E+0022");  // 9.9999999999999991611e22
}

TEST(FormatReal, ExponentEstimate)
{
    // Powers of ten and their neighbours, where a logarithm estimate lands on
    // the wrong side.
    for (int k = -307; k <= 308; ++k) {
        double p = std::pow(10.0, k);  // a double near 10^k, either side
        for (double v : {std::nextafter(p, 0.0), p, std::nextafter(p, INFINITY)}) {
            RefDigits r = RefSixteenDigits(v);
            std::string text = Format(v, 15, SCIENTIFIC);
            char expected[48];
            std::snprintf(expected, sizeof expected, " %llu.%015lluE%c%04d",
                          (unsigned long long)(r.digits / 1000000000000000ull),
                          (unsigned long long)(r.digits % 1000000000000000ull),
                          r.exponent < 0 ? '-' : '+', std::abs(r.exponent));
            EXPECT_EQ(text, expected) << Hex(v);
        }
    }
}

TEST(FormatReal, Denormals)
{
    EXPECT_EQ(Format(Bits(1), 15, SCIENTIFIC), " 4.940656458412465E-0324");          // smallest
    EXPECT_EQ(Format(Bits(2), 15, SCIENTIFIC), " 9.881312916824931E-0324");          // ...9309 rounds up
    EXPECT_EQ(Format(Bits(0x000FFFFFFFFFFFFFull), 15, SCIENTIFIC), " 2.225073858507201E-0308");  // largest
    EXPECT_EQ(Format(Bits(0x0010000000000000ull), 15, SCIENTIFIC), " 2.225073858507201E-0308");  // smallest normal
    EXPECT_EQ(Format(-Bits(3), 2, SCIENTIFIC), "-1.48E-0323");
    EXPECT_EQ(Format(Bits(3), 15, FIXED), " 0.");
}

TEST(FormatReal, TiesToEven)
{
    // 2^50 + 0.5 has 17 significant digits ending in 5: an exact tie.
    EXPECT_EQ(Format(1125899906842624.5, 0, FIXED), " 1125899906842624");   // ...24 stays even
    EXPECT_EQ(Format(1125899906842625.5, 0, FIXED), " 1125899906842626");   // ...25 goes up to even
    EXPECT_EQ(Format(-1125899906842623.5, 0, FIXED), "-1125899906842624");
    // Ties after the point: X.25 and X.75 with 15 integer digits are doubles.
    EXPECT_EQ(Format(123456789012345.25, 15, FIXED), " 123456789012345.2");   // ...2|5 stays even
    EXPECT_EQ(Format(123456789012345.75, 15, FIXED), " 123456789012345.8");   // ...7|5 goes up to even
    EXPECT_EQ(Format(-12345678901234.125, 15, SCIENTIFIC), "-1.234567890123412E+0013");
    // From 10^16 up no double is a tie: (2N + 1) * 5^(k+1) would need 54 bits.
    // Just above a tie is not a tie: 0.5 + 2^-53 over 10^15 scale.
    EXPECT_EQ(Format(std::nextafter(1125899906842624.5, 2e15), 0, FIXED), " 1125899906842625");
}

TEST(FormatReal, FixedToScientificAt1e16)
{
    EXPECT_EQ(Format(9999999999999998.0, 15, FIXED), " 9999999999999998");  // no point
    EXPECT_EQ(Format(1e16, 0, FIXED), " 1.E+0016");
    EXPECT_EQ(Format(-1e16, 15, FIXED), "-1.000000000000000E+0016");
}

TEST(FormatReal, FixedShowsAtMost16SignificantDigits)
{
    EXPECT_EQ(Format(123.456, 15, FIXED), " 123.4560000000000");     // 3 + 13 digits
    EXPECT_EQ(Format(1e-5, 15, FIXED), " 0.000010000000000");        // zeros after the point are free
    EXPECT_EQ(Format(1.5e-15, 15, FIXED), " 0.000000000000001");     // last place cut, not rounded
    EXPECT_EQ(Format(9.5e-16, 15, FIXED), " 0.");                    // below the last place
}

TEST(FormatReal, Limits)
{
    EXPECT_EQ(Format(DBL_MAX, 15, SCIENTIFIC), " 1.797693134862316E+0308");
    EXPECT_EQ(Format(-DBL_MAX, 15, FIXED), "-1.797693134862316E+0308");
    EXPECT_EQ(Format(DBL_MIN, 0, SCIENTIFIC), " 2.E-0308");
    // The longest text: 25 bytes with the NUL.
    EXPECT_EQ(Format(-1e-300, 15, SCIENTIFIC).size() + 1, 25u);
}

TEST(FormatReal, Rejected)
{
    const double bad[] = {std::numeric_limits<double>::quiet_NaN(), Bits(0xFFF8000000000000ull),
                          Bits(0x7FF0000000000001ull), INFINITY, -INFINITY};
    for (double v : bad) {
        for (int numFormat : {FIXED, SCIENTIFIC}) {
            char out[32];
            std::memset(out, 0x5A, sizeof out);
            uint16_t control = 0x0F7F;  // someone's rounding toward zero
            asm volatile("fldcw %0" ::"m"(control));
            EXPECT_EQ(FormatReal(v, 6, out, numFormat), 0) << Hex(v);
            for (char c : out) ASSERT_EQ(c, 0x5A) << "buffer touched for " << Hex(v);
            asm volatile("fnstcw %0" : "=m"(control));
            EXPECT_EQ(control, 0x037F) << "a failure leaves the default x87 state";
        }
    }
}

TEST(FormatReal, SuccessKeepsCallerFpuState)
{
    uint16_t control = 0x0F7F;  // rounding toward zero
    asm volatile("fldcw %0" ::"m"(control));
    EXPECT_EQ(Format(2.5, 1, FIXED), " 2.5");
    asm volatile("fnstcw %0" : "=m"(control));
    EXPECT_EQ(control, 0x0F7F);
    control = 0x037F;
    asm volatile("fldcw %0" ::"m"(control));
}

TEST(FormatReal, TextsReadBackAsShown)
{
    double v;
    ASSERT_NE(ParseReal(" 0.", &v), 0);
    EXPECT_TRUE(v == 0 && !std::signbit(v));
    ASSERT_NE(ParseReal("-0.", &v), 0);
    EXPECT_TRUE(v == 0 && std::signbit(v));
    ASSERT_NE(ParseReal(Format(DBL_MAX, 15, SCIENTIFIC).c_str(), &v), 0);
    EXPECT_EQ(v, INFINITY);  // 1.797693134862316E+0308 lies above the double range
    for (const EdgeRow& r : kEdgeRows) {
        double fixed, scientific;
        EXPECT_NE(ParseReal(r.fixed, &fixed), 0) << r.fixed;
        EXPECT_NE(ParseReal(r.scientific, &scientific), 0) << r.scientific;
    }
}

}  // namespace
