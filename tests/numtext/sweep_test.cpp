// Seeded random sweeps of FormatReal and ParseReal against the exact
// big-integer reference, and checks of the constants behind the fast paths.
// Build with -DMETROVA_LONG_SWEEPS=ON for sweeps a hundred times longer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "numtext/extended.h"
#include "numtext/numtext.h"
#include "tests/support/bits.h"
#include "numtext/pow10_table.h"
#include "numtext/wide_multiply.h"
#include "tests/numtext/exact_reference.h"

namespace {

#ifdef METROVA_LONG_SWEEPS
const int kRounds = 100;
#else
const int kRounds = 1;
#endif

const uint64_t kInfinityBits = 0x7FF0000000000000ull;

// The scientific text with 15 decimals shows all 16 digits: compare those.
void ExpectSixteenDigits(double v)
{
    char out[32];
    ASSERT_NE(FormatReal(v, 15, out, 0), 0) << Hex(v);
    if (v == 0) {
        ASSERT_STREQ(out, "0");
        return;
    }
    RefDigits r = RefSixteenDigits(v);
    char expected[48];
    std::snprintf(expected, sizeof expected, "%c%llu.%015lluE%c%04d", std::signbit(v) ? '-' : ' ',
                  (unsigned long long)(r.digits / 1000000000000000ull),
                  (unsigned long long)(r.digits % 1000000000000000ull), r.exponent < 0 ? '-' : '+',
                  std::abs(r.exponent));
    ASSERT_STREQ(out, expected) << "value " << Hex(v);
}

// The number a text shows, read the plain way: +/- w * 10^p.
bool ReadShown(const char* text, uint64_t* w, int* p, bool* negative)
{
    *w = 0;
    *p = 0;
    *negative = false;
    int fractionDigits = 0, digits = 0;
    bool point = false;
    const char* c = text;
    while (*c == ' ') ++c;
    if (*c == '-' || *c == '+') *negative = *c++ == '-';
    for (; (*c >= '0' && *c <= '9') || *c == '.'; ++c) {
        if (*c == '.') { point = true; continue; }
        *w = *w * 10 + (uint64_t)(*c - '0');
        ++digits;
        if (point) ++fractionDigits;
    }
    int exponent = 0;
    if (*c == 'E' || *c == 'e') exponent = std::atoi(c + 1);
    *p = exponent - fractionDigits;
    return digits <= 18;
}

void ExpectParses(const std::string& text, uint64_t w, int p, bool negative)
{
    double v;
    ASSERT_NE(ParseReal(text.c_str(), &v), 0) << text;
    uint64_t expected = RefNearestDouble(w, p) | (negative ? 1ull << 63 : 0);
    ASSERT_EQ(BitsOf(v), expected) << '"' << text << "\" gave " << Hex(v) << ", nearest is " << Hex(Bits(expected));
}

std::string Digits(uint64_t w, int width)
{
    char text[32];
    std::snprintf(text, sizeof text, "%0*llu", width, (unsigned long long)w);
    return text;
}

TEST(FastPathConstants, PowerOfTenTable)
{
    // Each entry T for 10^q: T * 2^t <= 10^q < (T + 1) * 2^t, T with 128 bits.
    for (int q = kPow10MinExponent; q <= kPow10MaxExponent; ++q) {
        const Pow10Entry& e = kPow10Table[q - kPow10MinExponent];
        ASSERT_TRUE(e.hi >> 63) << q;
        int t = Pow10BinaryExponent(q);
        // low = hi * 2^64 + lo, built limb by limb (hi has its top bit set).
        RefInt low;
        low.limb = {(uint32_t)e.lo, (uint32_t)(e.lo >> 32), (uint32_t)e.hi, (uint32_t)(e.hi >> 32)};
        RefInt high = low;
        // high = low + 1
        for (uint32_t& l : high.limb) {
            if (++l != 0) break;
        }
        RefInt power = RefFromWord(1);
        if (q >= 0) RefMultiplyPowerOfTen(power, q);
        // Bring both sides to integers: multiply by 10^-q and 2^-t as needed.
        if (q < 0) {
            RefMultiplyPowerOfTen(low, -q);
            RefMultiplyPowerOfTen(high, -q);
        }
        if (t >= 0) {
            RefShiftLeft(low, t);
            RefShiftLeft(high, t);
        } else {
            RefShiftLeft(power, -t);
        }
        ASSERT_LE(RefCompare(low, power), 0) << "10^" << q;
        ASSERT_GT(RefCompare(high, power), 0) << "10^" << q;
        if (q >= 0 && q <= kPow10ExactMax) {
            ASSERT_EQ(RefCompare(low, power), 0) << "10^" << q << " must be exact";
        }
    }
}

TEST(FastPathConstants, FloorLog10Pow2)
{
    for (int k = -1200; k <= 1200; ++k) {
        int e = FloorLog10Pow2(k);
        // 10^e <= 2^k < 10^(e+1)
        RefInt two = RefFromWord(1), ten = RefFromWord(1), ten1 = RefFromWord(1);
        if (k >= 0) RefShiftLeft(two, k);
        if (e >= 0) { RefMultiplyPowerOfTen(ten, e); } else { RefMultiplyPowerOfTen(two, -e); }
        if (k < 0) { RefShiftLeft(ten, -k); }
        ASSERT_LE(RefCompare(ten, two), 0) << k;
        RefInt two1 = RefFromWord(1);
        if (k >= 0) RefShiftLeft(two1, k);
        if (e + 1 >= 0) RefMultiplyPowerOfTen(ten1, e + 1); else RefMultiplyPowerOfTen(two1, -(e + 1));
        if (k < 0) RefShiftLeft(ten1, -k);
        ASSERT_GT(RefCompare(ten1, two1), 0) << k;
    }
}

TEST(FastPathConstants, PortableWideMultiply)
{
    // The i686 build multiplies from 32-bit halves; it must agree with the
    // 128-bit product, carries between the halves included.
    std::mt19937_64 random(3);
    const uint64_t edges[] = {0, 1, 0xFFFFFFFFull, 0x100000000ull, UINT64_MAX, UINT64_MAX - 1, 1ull << 63};
    for (uint64_t a : edges) {
        for (uint64_t b : edges) {
            EXPECT_EQ(MultiplyWidePortable(a, b).high, MultiplyWide(a, b).high) << a << " * " << b;
            EXPECT_EQ(MultiplyWidePortable(a, b).low, MultiplyWide(a, b).low) << a << " * " << b;
        }
    }
    for (int i = 0; i < 100000; ++i) {
        uint64_t a = random(), b = random();
        ASSERT_EQ(MultiplyWidePortable(a, b).high, MultiplyWide(a, b).high) << a << " * " << b;
        ASSERT_EQ(MultiplyWidePortable(a, b).low, MultiplyWide(a, b).low) << a << " * " << b;
    }
}

TEST(FormatSweep, RandomBitPatterns)
{
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 20000 * kRounds; ++i) {
        uint64_t bits = random();
        if ((bits & kInfinityBits) == kInfinityBits) continue;  // NaN and infinities
        ExpectSixteenDigits(Bits(bits));
    }
}

TEST(FormatSweep, ConversionResults)
{
    // Values like those a conversion produces: a typed decimal times a factor.
    std::mt19937_64 random(42);
    std::uniform_int_distribution<int> exponent(-12, 8);
    std::uniform_int_distribution<uint64_t> digits(1, 999999);
    const double factors[] = {0.3048, 1 / 0.3048, 4.54609e-3, 1609.344, 0.45359237, 101325.0, 1.0 / 3600, 4.1868};
    for (int i = 0; i < 20000 * kRounds; ++i) {
        double typed = Bits(RefNearestDouble(digits(random), exponent(random)));
        double v = typed * factors[i % 8];
        ExpectSixteenDigits(v);
        ExpectSixteenDigits(-typed);
    }
}

TEST(FormatSweep, NearDecimalTies)
{
    // The doubles nearest to N.5 * 10^k (a 17th digit of exactly 5) and their
    // neighbours: where rounding to 16 digits is closest to a tie.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<uint64_t> sixteen(1000000000000000ull, 9999999999999999ull);
    std::uniform_int_distribution<int> exponent(-340, 308);
    for (int i = 0; i < 5000 * kRounds; ++i) {
        uint64_t n = sixteen(random);
        double v = Bits(RefNearestDouble(n * 10 + 5, exponent(random) - 16));
        if (!std::isfinite(v) || v == 0) continue;
        ExpectSixteenDigits(v);
        ExpectSixteenDigits(std::nextafter(v, 0.0));
        ExpectSixteenDigits(std::nextafter(v, INFINITY));
    }
}

TEST(ParseSweep, RandomTexts)
{
    std::mt19937_64 random(1234);
    std::uniform_int_distribution<int> count(1, 18);
    std::uniform_int_distribution<int> wide(-4931, 4931);
    std::uniform_int_distribution<int> near(-345, 330);
    for (int i = 0; i < 20000 * kRounds; ++i) {
        int n = count(random);
        uint64_t w = 0;
        std::string digits;
        for (int k = 0; k < n; ++k) {
            int d = (int)(random() % 10);
            digits += (char)('0' + d);
            w = w * 10 + (uint64_t)d;
        }
        int point = (int)(random() % (n + 1));  // digits before the point
        int e = (i % 10 == 0) ? wide(random) : near(random);
        bool negative = random() & 1;
        std::string text = (negative ? "-" : "") + digits.substr(0, point) + "." + digits.substr(point) + "e" + std::to_string(e);
        ExpectParses(text, w, e - (n - point), negative);
    }
}

TEST(ParseSweep, NearMidpoints)
{
    // 18-digit texts just below, at and above the midpoint between a double
    // and the next one up, over the whole range denormals included.
    std::mt19937_64 random(99);
    for (int i = 0; i < 5000 * kRounds; ++i) {
        double v = Bits(random() & 0x7FEFFFFFFFFFFFFFull);
        if (v == 0) continue;
        uint64_t mid;
        int p;
        RefMidpointDigits(v, &mid, &p);
        for (uint64_t w : {mid - 1, mid, mid + 1}) {
            if (w >= 1000000000000000000ull) continue;
            ExpectParses(Digits(w, 18) + "e" + std::to_string(p), w, p, false);
        }
    }
}

TEST(ParseSweep, ExactMidpoints)
{
    // (2m + 1) / 2 and (2m + 1) / 4 for 2^52 <= m < 2^53 are exact ties in at
    // most 18 digits; so are (2m + 1) * 2^k for k = 0 .. 5.
    std::mt19937_64 random(5);
    for (int i = 0; i < 5000 * kRounds; ++i) {
        uint64_t m = (1ull << 52) | (random() & ((1ull << 52) - 1));
        uint64_t odd = 2 * m + 1;
        // odd / 2 = (odd * 5) / 10; odd / 4 = (odd * 25) / 100.
        ExpectParses(std::to_string(odd * 5 / 10) + "." + std::to_string(odd * 5 % 10), odd * 5, -1, false);
        ExpectParses(std::to_string(odd * 25 / 100) + "." + Digits(odd * 25 % 100, 2), odd * 25, -2, false);
        int k = (int)(random() % 6);
        ExpectParses(std::to_string(odd << k), odd << k, 0, false);
    }
}

TEST(RoundTrip, TextsReadBackAsShown)
{
    // Every text written for a double reads back as the number it shows.
    std::mt19937_64 random(2026);
    for (int i = 0; i < 10000 * kRounds; ++i) {
        uint64_t bits = random();
        if (i % 2) bits = (bits & 0x800FFFFFFFFFFFFFull) | ((uint64_t)(1023 - 40 + random() % 90) << 52);
        double v = Bits(bits);
        if (!std::isfinite(v)) continue;
        for (int numFormat : {0, 1}) {
            for (int decimals : {0, 6, 15}) {
                char text[32];
                ASSERT_NE(FormatReal(v, decimals, text, numFormat), 0);
                uint64_t w;
                int p;
                bool negative;
                ASSERT_TRUE(ReadShown(text, &w, &p, &negative)) << text;
                ExpectParses(text, w, p, negative);
            }
        }
    }
}

}  // namespace
