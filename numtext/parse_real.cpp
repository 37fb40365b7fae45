// ParseReal, the parser the program ships: value box text to the correctly
// rounded double, in integer arithmetic.
//
// The text is w * 10^p with w < 10^18. The product of w with a 128-bit
// truncated significand of 10^p gives the double's 53 bits and the fraction
// below them with an error under 2^-73 of the last place; when that error
// could decide the rounding, an exact big-integer comparison with the
// midpoint settles it. Denormal results always take the exact comparison.
#include <cassert>
#include <cstring>

#include "numtext/numtext.h"
#include "numtext/numtext_internal.h"
#include "numtext/pow10_table.h"
#include "numtext/wide_multiply.h"
#include "numtext/x87.h"

namespace {

const uint64_t kInfinityBits = 0x7FF0000000000000ull;
const uint64_t kDefaultNaNBits = 0xFFF8000000000000ull;  // the x87 default NaN

}  // namespace

// Bits of the double nearest to w * 10^p, w > 0.
uint64_t NearestDouble(uint64_t w, int p)
{
    if (p < kPow10MinExponent) return 0;       // below 10^-324 < 2^-1075: rounds to zero
    if (p > 308) return kInfinityBits;         // at least 10^309 > DBL_MAX
    int shift = __builtin_clzll(w);
    Wide192 product = MultiplyByEntry(w << shift, kPow10Table[p - kPow10MinExponent]);
    uint64_t top = product.high;

    // value = product * 2^scale, the product's leading bit at 191 or 190.
    int scale = Pow10BinaryExponent(p) - shift;
    int leading = (top >> 63) ? 191 : 190;
    int e2 = leading + scale;  // 2^e2 <= value < 2^(e2+1), give or take the error
    if (e2 > 1023) return kInfinityBits;

    if (e2 >= -1022) {
        // Normal: 53 bits from the leading one; their last at bit 138 or 139,
        // that is bit 10 or 11 of the top word.
        int lastInTop = leading - 52 - 128;
        uint64_t m = top >> lastInTop;
        HalfComparison c = TOO_CLOSE;
        if (!kAlwaysExact) {
            c = CompareWithHalf(top & ((1ull << lastInTop) - 1), 1ull << (lastInTop - 1), product.middle,
                                product.low, p >= 0 && p <= kPow10ExactMax);
        }
        if (c == TOO_CLOSE) {
            // w * 10^p against the midpoint (2m + 1) * 2^(e2 - 53).
            int exact = CompareExact(w, p, p, 2 * m + 1, e2 - 53, 0);
            c = exact > 0 ? ABOVE_HALF : exact < 0 ? BELOW_HALF : EXACTLY_HALF;
        }
        bool roundUp = c == ABOVE_HALF || (c == EXACTLY_HALF && (m & 1) != 0);
        // m carries the hidden bit, so a carry out of 53 bits steps the
        // exponent field, and past 2^1024 - 2^970 it reaches infinity.
        return ((uint64_t)(e2 + 1022) << 52) + m + (roundUp ? 1 : 0);
    }

    // Denormal (or zero): the last place is 2^-1074, at bit -1074 - scale of
    // the product, which is above 138 here.
    int lastBit = -1074 - scale;
    assert(lastBit > 138);
    uint64_t m = lastBit >= 192 ? 0 : top >> (lastBit - 128);
    int c = CompareExact(w, p + 1, p, 2 * m + 1, -1074, 0);
    bool roundUp = c > 0 || (c == 0 && (m & 1) != 0);
    // 2^52 here is the smallest normal double's bit pattern.
    return m + (roundUp ? 1 : 0);
}

int ParseReal(const char* text, double* result)
{
    // Step 1: the x87 unit is left in its default state, as after the
    // general parser (this path itself computes in integers only).
    X87ResetIfNeeded();

    // Steps 2 to 5: scan the text; a refused text stores the default NaN.
    ScannedNumber n;
    uint64_t bits;
    if (!ScanNumber(text, &n)) {
        bits = kDefaultNaNBits;
        std::memcpy(result, &bits, sizeof bits);
        return 0;
    }
    // Step 6: the digits times 10^(exponent - digits after the point),
    // rounded once, straight to the nearest double.
    int p = n.exponent - (n.digitCount - n.integerDigits);
    bits = n.digits ? NearestDouble(n.digits, p) : 0;
    // Step 7: store it, with the sign ("-0" is negative zero).
    if (n.negative) bits |= 1ull << 63;
    std::memcpy(result, &bits, sizeof bits);
    return 1;
}
