// Exact rational arithmetic for typed expressions.
//
// Why the numbers stay small. A product or quotient multiplies numerators
// and denominators, so their bits grow by what the text writes (each digit
// 3.33 bits). A sum is formed over the smaller of the two powers of ten, so
// it would grow by the distance between the exponents: 1e4931 + 1e-4931
// needs 32000 bits. So a term more than kStickyDropDecades below the other
// is not added; it leaves a sticky mark instead: the value held, V, is exact
// and the true value is V * (1 + eps) with eps of a known sign and |eps| <
// 10^-stickyGap. That is all the final rounding needs: a value with a gap of
// at least 30 decades cannot cross a 16-digit rounding point unless V lies
// on it or within 10^-13 of a unit of the last digit of it, and the rounding
// (exact_convert.cpp) sees both: on it, the sign of eps decides; that close,
// it gives up rather than guess. The same argument is what the temperature
// rule used for a tiny value next to its offset, and it now goes through
// this sum.
//
// How eps travels. A product or quotient of a sticky value keeps eps's size
// (a quotient flips its sign: 1 / (1 + eps) = 1 - eps + ...); two sticky
// values of the same direction give a sum of both, below 10^-(gap - 1); of
// opposite directions nothing is known and the operation fails. A sum that
// cancels enlarges eps relative to the result by the cancellation, so the
// gap shrinks by it; when it drops below kStickyMinGap, or the sum is zero,
// the operation fails. Every check works on bit lengths, so the work per
// operation is bounded by kExactNumberBits.
#include "numtext/exact_number.h"

#include <cmath>
#include <cstring>

#include "numtext/numtext_internal.h"

namespace {

const double kLog10Of2 = 0.3010299956639812;
const double kLog2Of10 = 3.321928094887362;

// The bits 10^n adds, rounded up.
int64_t BitsOfPowerOfTen(int64_t n)
{
    return (int64_t)(n * kLog2Of10) + 1;
}

bool Fits(int64_t bits)
{
    return bits <= kExactNumberBits;
}

// Direction of the error V * eps: the sign of eps times that of V.
int AbsoluteDirection(const ExactNumber& x)
{
    return x.negative ? -x.sticky : x.sticky;
}

// Merges the stickiness of a product's or quotient's operands (the divisor's
// eps already flipped): false when their directions differ.
bool MergeSticky(ExactNumber& x, int otherSticky, int otherGap)
{
    if (otherSticky == 0) return true;
    if (x.sticky == 0) {
        x.sticky = otherSticky;
        x.stickyGap = otherGap;
        return true;
    }
    if (x.sticky != otherSticky) return false;
    x.stickyGap = (x.stickyGap < otherGap ? x.stickyGap : otherGap) - 1;
    return x.stickyGap >= kStickyMinGap;
}

// x += a term far below it, of the given sign.
bool AbsorbTiny(ExactNumber& x, bool tinyNegative)
{
    int sticky = tinyNegative == x.negative ? 1 : -1;
    // |tiny| < |x| * 10^-(kStickyDropDecades - 0.06), the estimates' slack.
    return MergeSticky(x, sticky, kStickyDropDecades - 1);
}

}  // namespace

void ExactSetDecimal(ExactNumber& x, bool negative, uint64_t digits, int32_t exponent)
{
    x.negative = negative;
    BigSetWord(x.num, digits);
    BigSetWord(x.den, 1);
    x.exponent = digits ? exponent : 0;
    x.sticky = 0;
    x.stickyGap = 0;
}

void ExactSetFraction(ExactNumber& x, uint64_t numerator, uint64_t denominator)
{
    ExactSetDecimal(x, false, numerator, 0);
    BigSetWord(x.den, denominator);
}

void ExactCopy(ExactNumber& to, const ExactNumber& from)
{
    to.negative = from.negative;
    BigCopy(to.num, from.num);
    BigCopy(to.den, from.den);
    to.exponent = from.exponent;
    to.sticky = from.sticky;
    to.stickyGap = from.stickyGap;
}

bool ExactIsZero(const ExactNumber& x)
{
    return BigIsZero(x.num);
}

double ExactLog10(const ExactNumber& x)
{
    return (BigLog2Estimate(x.num) - BigLog2Estimate(x.den)) * kLog10Of2 + x.exponent;
}

void ExactNegate(ExactNumber& x)
{
    x.negative = !x.negative;  // eps is relative: it keeps its sign
}

bool ExactMultiply(ExactNumber& x, const ExactNumber& y)
{
    if (ExactIsZero(x) || ExactIsZero(y)) {
        bool negative = x.negative != y.negative;
        ExactSetDecimal(x, negative, 0, 0);  // exactly zero, sticky or not
        return true;
    }
    if (!Fits(BigBitLength(x.num) + BigBitLength(y.num)) || !Fits(BigBitLength(x.den) + BigBitLength(y.den)))
        return false;
    if (!MergeSticky(x, y.sticky, y.stickyGap)) return false;
    BigMultiply(x.num, y.num);
    BigMultiply(x.den, y.den);
    x.exponent += y.exponent;
    x.negative = x.negative != y.negative;
    return true;
}

bool ExactDivide(ExactNumber& x, const ExactNumber& y)
{
    if (ExactIsZero(y)) return false;
    if (ExactIsZero(x)) {
        x.negative = x.negative != y.negative;
        return true;
    }
    if (!Fits(BigBitLength(x.num) + BigBitLength(y.den)) || !Fits(BigBitLength(x.den) + BigBitLength(y.num)))
        return false;
    // 1 / (1 + eps) = 1 - eps / (1 + eps): the opposite sign, at most twice the size.
    if (!MergeSticky(x, -y.sticky, y.stickyGap - 1)) return false;
    BigMultiply(x.num, y.den);
    BigMultiply(x.den, y.num);
    x.exponent -= y.exponent;
    x.negative = x.negative != y.negative;
    return true;
}

bool ExactAdd(ExactNumber& x, const ExactNumber& y)
{
    // Step 1: zero adds nothing (and a sum with zero keeps the other's sign).
    if (ExactIsZero(y)) return true;
    if (ExactIsZero(x)) {
        ExactCopy(x, y);
        return true;
    }

    // Step 2: a term far below the other leaves only its sticky mark.
    double logX = ExactLog10(x), logY = ExactLog10(y);
    if (logY < logX - kStickyDropDecades) return AbsorbTiny(x, y.negative);
    if (logX < logY - kStickyDropDecades) {
        bool tinyNegative = x.negative;
        ExactCopy(x, y);
        return AbsorbTiny(x, tinyNegative);
    }

    // Step 3: both over the smaller power of ten and the product of the
    // denominators. The exponents are within 40 + 2 * 154 decades here (the
    // logs are close and num, den have at most 512 bits), so the bit test
    // below is all that bounds the work.
    int64_t common = x.exponent < y.exponent ? x.exponent : y.exponent;
    int64_t shiftX = x.exponent - common, shiftY = y.exponent - common;
    if (!Fits(BigBitLength(x.num) + BitsOfPowerOfTen(shiftX) + BigBitLength(y.den) + 1) ||
        !Fits(BigBitLength(y.num) + BitsOfPowerOfTen(shiftY) + BigBitLength(x.den) + 1) ||
        !Fits(BigBitLength(x.den) + BigBitLength(y.den)))
        return false;
    int directionX = AbsoluteDirection(x), directionY = AbsoluteDirection(y);
    if (directionX != 0 && directionY != 0 && directionX != directionY) return false;
    int gapX = directionX ? x.stickyGap : 1 << 20, gapY = directionY ? y.stickyGap : 1 << 20;

    BigInt a, b;
    BigCopy(a, x.num);
    BigMultiplyPowerOfTen(a, (int)shiftX);
    BigMultiply(a, y.den);
    BigCopy(b, y.num);
    BigMultiplyPowerOfTen(b, (int)shiftY);
    BigMultiply(b, x.den);
    BigMultiply(x.den, y.den);
    x.exponent = (int32_t)common;
    if (x.negative == y.negative) {
        BigAdd(a, b);
        BigCopy(x.num, a);
    } else if (BigCompare(a, b) >= 0) {
        BigSubtract(a, b);
        BigCopy(x.num, a);
    } else {
        BigSubtract(b, a);
        BigCopy(x.num, b);
        x.negative = y.negative;
    }

    // Step 4: the error terms, relative to the sum: |err| < 2 * max(|x|, |y|)
    // * 10^-gap, so the gap shrinks by log10(2 * max / |sum|), rounded up
    // with the estimates' slack.
    int direction = directionX | directionY;
    if (direction == 0) {
        x.sticky = 0;
        if (ExactIsZero(x)) x.negative = false;  // 5 - 5 and -5 + 5 are +0
        return true;
    }
    if (ExactIsZero(x)) return false;
    double larger = logX > logY ? logX : logY;
    int loss = (int)std::ceil(larger - ExactLog10(x) + kLog10Of2 + 0.06);
    x.stickyGap = (gapX < gapY ? gapX : gapY) - loss;
    x.sticky = x.negative ? -direction : direction;
    return x.stickyGap >= kStickyMinGap;
}

// The general case divides once: q = floor(|x| / 2^u) with u two or more bits
// below the double's last place, so q has 55 to 57 bits (fewer below the
// normal range) and the remainder and the bits below the last place decide
// the rounding. The estimate of log2 |x| is within 0.09 of the truth
// (BigLog2Estimate), so floor(estimate - 0.1) is log2's floor or one below.
// Sizes: in range |x| < 2^1025 and > 2^-1077, so |exponent| stays below
// 154 + 325 decades (num, den < 2^512) and both sides stay below 2^1700.
// A sticky mark only breaks an exact tie: the stored double may differ from
// the true value's only where that lies within 10^-30 of a midpoint.
double ExactToDouble(const ExactNumber& x)
{
    uint64_t bits = 0;
    if (!ExactIsZero(x)) {
        if (x.sticky == 0 && x.den.used == 1 && x.den.limb[0] == 1 && x.num.used <= 2) {
            // Step 1: a decimal w * 10^p, as ParseReal rounds it.
            uint64_t w = x.num.limb[0] | (x.num.used == 2 ? (uint64_t)x.num.limb[1] << 32 : 0);
            bits = NearestDouble(w, x.exponent);
        } else {
            // Step 2: classify far out, then divide and round once.
            const uint64_t kInfinityBits = 0x7FF0000000000000ull;
            double log2 = BigLog2Estimate(x.num) - BigLog2Estimate(x.den) + x.exponent * kLog2Of10;
            if (log2 > 1025) {
                bits = kInfinityBits;
            } else if (log2 >= -1077) {
                int estimate = (int)std::floor(log2 - 0.1);
                int u = estimate - 54 > -1076 ? estimate - 54 : -1076;
                BigInt n, d;
                BigCopy(n, x.num);
                BigCopy(d, x.den);
                int e = x.exponent;
                if (e >= 0) BigMultiplyPowerOfFive(n, e);
                else BigMultiplyPowerOfFive(d, -e);
                if (e - u >= 0) BigShiftLeft(n, e - u);
                else BigShiftLeft(d, u - e);
                uint64_t q = BigDivide(n, d);  // n is now the remainder
                int floorLog2 = q ? u + 63 - __builtin_clzll(q) : u - 1;  // q = 0: far below 2^-1074
                int lastPlace = floorLog2 - 52 > -1074 ? floorLog2 - 52 : -1074;
                int drop = lastPlace - u;  // at least 2
                uint64_t m = q >> drop, rest = q & ((1ull << drop) - 1), half = 1ull << (drop - 1);
                bool exactTie = rest == half && BigIsZero(n);
                bool roundUp = rest > half || (rest == half && !BigIsZero(n)) ||
                               (exactTie && (x.sticky > 0 || (x.sticky == 0 && (m & 1) != 0)));
                bits = floorLog2 > 1023 ? kInfinityBits : ((uint64_t)(lastPlace + 1074) << 52) + m + (roundUp ? 1 : 0);
                if (bits > kInfinityBits) bits = kInfinityBits;
            }
        }
    }
    if (x.negative) bits |= 1ull << 63;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
