// FormatReal, the formatter the program ships: a double to value box text,
// with the correctly rounded 16 significant digits (ties to even), in integer
// arithmetic.
//
// A double is m * 2^e exactly. Its 16 digits are N = round(|v| * 10^(15 - E))
// with E the decimal exponent of the leading digit. The product is formed
// from a 128-bit truncated significand of 10^(15 - E), which leaves an error
// below one unit of the 128th bit: a rounding decision that this error could
// flip (the fraction within 2^-70 of one half, about one double in 2^70) is
// settled by exact big-integer comparison instead. True ties only occur where
// the table entry is exact (10^0 .. 10^55) and are seen there directly: from
// 10^16 up no double is a tie, (2N + 1) * 5^(k+1) would need 54 bits.
#include <cassert>
#include <cstring>

#include "numtext/numtext.h"
#include "numtext/numtext_internal.h"
#include "numtext/pow10_table.h"
#include "numtext/wide_multiply.h"
#include "numtext/x87.h"

namespace {

const uint64_t kTen15 = 1000000000000000ull;   // smallest 16-digit N
const uint64_t kTen16 = 10000000000000000ull;  // 10^16 = 2^53.15: one past the largest N

// |v| * 10^q for the normalised significand mn (top bit set) and v = mn * 2^b:
// its integer part and whether it must be rounded up (ties to even).
// Precondition: 10^15 <= |v| * 10^q < 10^17 + 1.
struct Scaled {
    uint64_t integer;
    bool roundUp;
};

Scaled ScaleAndRound(uint64_t mn, int b, int q, uint64_t m, int e2)
{
    // Precondition: 10^q is in the table (q = 15 - E for a double's E).
    assert(q >= kPow10MinExponent && q <= kPow10MaxExponent);
    Wide192 p = MultiplyByEntry(mn, kPow10Table[q - kPow10MinExponent]);
    // |v| * 10^q = p * 2^(b + tq): the fraction has fractionBits bits, of
    // which fractionBits - 128 lie in p.high. An integer part of 10^15 ..
    // 10^17 has 50 .. 57 bits, so fractionBits is 135 .. 142.
    int fractionBits = -(b + Pow10BinaryExponent(q));
    int highFraction = fractionBits - 128;
    assert(highFraction >= 7 && highFraction <= 14);
    Scaled s;
    s.integer = p.high >> highFraction;
    HalfComparison c = TOO_CLOSE;
    if (!kAlwaysExact) {
        c = CompareWithHalf(p.high & ((1ull << highFraction) - 1), 1ull << (highFraction - 1), p.middle,
                            p.low, q >= 0 && q <= kPow10ExactMax);
    }
    if (c == TOO_CLOSE) {
        // Compare |v| * 10^q with integer + 1/2 exactly, as
        // 2 * m * 2^e2 * 2^q * 5^q against 2 * integer + 1.
        int exact = CompareExact(m, e2 + 1 + q, q, 2 * s.integer + 1, 0, 0);
        c = exact > 0 ? ABOVE_HALF : exact < 0 ? BELOW_HALF : EXACTLY_HALF;
    }
    s.roundUp = c == ABOVE_HALF || (c == EXACTLY_HALF && (s.integer & 1) != 0);
    return s;
}

}  // namespace

int SixteenDigits(double value, DecimalDigits* d)
{
    // Take the value apart. Double layout: sign bit 63, biased exponent bits
    // 52-62, fraction bits 0-51.
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    bool negative = (bits >> 63) != 0;
    int biased = (int)((bits >> 52) & 0x7FF);
    uint64_t fraction = bits & ((1ull << 52) - 1);
    if (biased == 0x7FF || (biased == 0 && fraction == 0)) return 0;

    // Estimate E from the binary exponent. v = m * 2^e2 exactly; denormals
    // have no hidden bit and e2 = -1074.
    uint64_t m = biased ? fraction | (1ull << 52) : fraction;
    int e2 = (biased ? biased : 1) - 1075;
    int shift = __builtin_clzll(m);
    uint64_t mn = m << shift;
    int b = e2 - shift;
    // 2^k <= v < 2^(k+1) with k = b + 63, so E is E0 or E0 + 1.
    int e0 = FloorLog10Pow2(b + 63);

    // N = |v| * 10^(15 - E) rounded to nearest, ties to even; an integer
    // part of 17 digits means E was E0 + 1.
    d->negative = negative;
    d->exponent = e0;
    Scaled s = ScaleAndRound(mn, b, 15 - e0, m, e2);
    if (s.integer >= kTen16) {
        d->exponent = e0 + 1;
        s = ScaleAndRound(mn, b, 15 - d->exponent, m, e2);
    }
    d->digits = s.integer + (s.roundUp ? 1 : 0);
    if (d->digits == kTen16) {
        // 9999999999999999.5 and above round into a 17th digit: the value is
        // 10^(E+1) to 16 digits.
        d->digits = kTen15;
        d->exponent += 1;
    }
    return 1;
}

int FormatReal(double value, int decimals, char* out, int numFormat)
{
    // Step 1: clamp the decimals to 0 .. 15.
    int clamped = ClampDecimals(decimals);

    // Step 3: NaN and infinities (biased exponent all ones) write nothing and
    // leave the unit in its default state, as the general formatter does;
    // zero is a bare "0".
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    if (((bits >> 52) & 0x7FF) == 0x7FF) {
        X87Reset();
        return 0;
    }
    // Steps 2 and 4 to 7: the 16 digits and E.
    DecimalDigits d;
    if (!SixteenDigits(value, &d)) {
        out[0] = '0';
        out[1] = '\0';
        return 1;
    }
    // Step 8: lay out the digits in the notation numFormat chooses for them.
    WriteAnswerText(d, clamped, numFormat, out);
    return 1;
}
