// Exact conversion answers.
//
// What is exact. The typed text is the decimal +/- w * 10^p it writes
// (w < 10^18, every digit typed). A factor counts as m * 2^a * 5^b with
// m < 2^53: the decimal c * 10^s its row stands for (c <= 10^15, a = b = s),
// or else the double's own value m * 2^e (a = e, b = 0). The temperature
// rules are affine maps with small integer coefficients. So every answer is
// +/- num / den * 2^twos * 5^fives with integers num and den, and is held
// exactly in fixed-size big integers: nothing is rounded on the way.
//
// Where the one rounding happens. The 16 digits are N = |R| * 10^(15 - E)
// rounded to an integer, E the power of ten of R's leading digit. That is the
// quotient n / d of two big integers; the division is exact and the quotient
// is rounded once, by comparing twice the remainder with d (ties to even),
// the same rounding FormatReal applies to a double's exact value. The layout
// then only cuts digits.
//
// The bounds that keep the big integers small. E is first estimated from bit
// lengths and exponents, good to 0.03 of a decade, so the estimate E' is E or
// E - 1. An answer with E' above 308 or below -325 lies beyond or below the
// double range and is classified without any big integer, so typed exponents
// such as e4931 never reach them. Inside, for the factor rule,
// R * 10^(15 - E') = w * m1 / m2 * 2^(p + a1 - a2 + 15 - E') * 5^(p + b1 - b2 + 15 - E'),
// and since E' = p + log10(w * F1 / F2) + O(1), p cancels: the powers depend
// only on the spread of the factors. For factors within 1e-60 .. 1e60 (the
// catalogue spans 1e-52 .. 1e48) the power of two stays within +/-300 and
// that of five within +/-140, so n and d stay below 2^450; the exact tests at
// the range edges compare R itself with 2^1024 - 2^970 and 2^-1075 and stay
// below 2^1150. (A search over every catalogue pair and the span's corners,
// with 18-digit values at both range edges, peaked at 390 and 1124 bits.)
// The temperature rule adds an offset, so p no longer cancels; the sum is
// formed by ExactAdd, which keeps a v more than 40 decades above or below
// the offset exact and the offset (or v) as a sticky mark, so the sum's
// bits grow by at most 40 decades plus v's own.
//
// A typed expression is a ratio num / den * 10^e of up to 512 bits each
// (numtext/exact_number.h) rather than w < 2^60 over 1: the same argument
// holds with the quotient's two sides up to 452 bits longer, and a sticky
// mark is carried into the rounding, where it breaks an exact tie and
// leaves a value within 10^-13 units of a rounding point undecided.
// Everything fits the big integers' 2048 bits.
#include "core/exact_convert.h"

#include <cassert>
#include <cstring>

#include "numtext/big_int.h"
#include "numtext/numtext.h"

namespace {

const int kSixteenDigitsUp = 15;                // N = |R| * 10^(15 - E) has its leading digit at 10^15
const uint64_t kTen15 = 1000000000000000ull;    // smallest 16-digit N
const uint64_t kTen16 = 10000000000000000ull;   // one past the largest N
[[maybe_unused]] const uint64_t kTen17 = 100000000000000000ull;  // bound of a quotient with one digit too many (< 2^57)

// log2(5) and log10(2), for the estimate of E.
const double kLog2Of5 = 2.321928094887362;
const double kLog10Of2 = 0.3010299956639812;
// The estimate of log10 |R| is within 0.027 of the truth (see BigLog2Estimate);
// taking this much off makes E' never too high and at most one too low.
const double kExponentSlack = 0.05;

// The double range. An answer rounds to an infinity from 2^1024 - 2^970 (the
// midpoint above the largest double, 2^970 * (2^54 - 1), rounded to even
// upwards) and to zero up to 2^-1075 (half the smallest denormal, rounded to
// even downwards). To 16 digits those edges are 1.797693134862316e308 and
// 2.470328229206233e-324, which is where the exact test is needed.
const int kLargestExponent = 308;
const uint64_t kOverflowDigits = 1797693134862316ull;
const uint64_t kOverflowMantissa = (1ull << 54) - 1;
const int kOverflowTwos = 970;
const int kSmallestExponent = -324;
const uint64_t kUnderflowDigits = 2470328229206233ull;
const int kUnderflowTwos = -1075;

// +/- num / den * 2^twos * 5^fives, den > 0, times (1 + eps) with eps of
// the sign `sticky` and |eps| < 10^-stickyGap (numtext/exact_number.h).
struct ExactRatio {
    bool negative;
    BigInt num, den;
    int twos, fives;
    int sticky, stickyGap;
};

// Whether a sticky eps cannot move a value across a rounding point: the
// value's distance to it is distance / scale units of the last digit kept,
// the value itself below 10^17 such units, so eps moves it by less than
// 10^(17 - gap) units. Bit lengths give the distance to within a factor 4;
// log2(10) > 3.32 keeps the bound on the safe side.
bool FarFromRoundingPoint(const BigInt& distance, const BigInt& scale, int gap)
{
    const int kUnitsBelow = 17;
    const double kLog2Of10Below = 3.32;
    return BigBitLength(distance) - BigBitLength(scale) - 2 >= -(int)((gap - kUnitsBelow) * kLog2Of10Below);
}

int Floor(double x)
{
    int i = (int)x;
    return (double)i > x ? i - 1 : i;
}

// Sign of |R| - m * 2^t, exactly: every power goes to the side where it
// multiplies, so only multiplications remain. A sticky R on the edge lies
// on eps's side; one within 10^-gap of it (relative) is undecided.
int CompareWithPowerOfTwo(const ExactRatio& r, uint64_t m, int t, bool* undecided)
{
    BigInt x, y;
    BigCopy(x, r.num);
    BigCopy(y, r.den);
    BigMultiplyWord(y, m);
    if (r.fives >= 0) BigMultiplyPowerOfFive(x, r.fives);
    else BigMultiplyPowerOfFive(y, -r.fives);
    if (r.twos >= t) BigShiftLeft(x, r.twos - t);
    else BigShiftLeft(y, t - r.twos);
    int c = BigCompare(x, y);
    if (r.sticky == 0) return c;
    if (c == 0) return r.sticky;
    BigInt distance;
    BigCopy(distance, c > 0 ? x : y);
    BigSubtract(distance, c > 0 ? y : x);
    const double kLog2Of10Below = 3.32;
    *undecided = BigBitLength(distance) - BigBitLength(y) - 2 < -(int)(r.stickyGap * kLog2Of10Below);
    return c;
}

// The rounding of a sticky R, apart from the plain path: an exact tie goes
// eps's way, and a value too near the midpoint for eps to be ignored is
// undecided. With a 16-digit quotient, twice the remainder n against d
// (half, the sign of n - d) says where the midpoint is; with a 17-digit one,
// the dropped digit and the remainder n below it.
__attribute__((noinline)) void StickyRounding(const ExactRatio& r, bool seventeenDigits, uint64_t dropped, int half,
                                              const BigInt& n, const BigInt& d, bool* roundUp, bool* undecided)
{
    BigInt distance, scale;
    BigCopy(scale, d);
    if (seventeenDigits) {
        if (dropped != 4 && dropped != 5) return;  // a whole unit of the 17th digit away
        if (dropped == 5 && BigIsZero(n)) {
            *roundUp = r.sticky > 0;
            return;
        }
        BigCopy(distance, dropped == 5 ? n : d);  // above the midpoint by n / d, or below by 1 - n / d
        if (dropped == 4) BigSubtract(distance, n);
    } else {
        if (half == 0) {
            *roundUp = r.sticky > 0;
            return;
        }
        BigCopy(distance, half > 0 ? n : d);
        BigSubtract(distance, half > 0 ? d : n);
        BigShiftLeft(scale, 1);
    }
    *undecided = !FarFromRoundingPoint(distance, scale, r.stickyGap);
}

// The 16 digits of R rounded once, or where R lies outside the double range.
ExactAnswer RoundRatio(const ExactRatio& r)
{
    ExactAnswer answer;
    answer.rounded = false;
    // Step 1: zero is zero, whatever its sign.
    if (BigIsZero(r.num)) {
        answer.kind = EXACT_ZERO;
        return answer;
    }

    // Step 2: estimate E (E' = E or E - 1) and classify what lies far out.
    double log2 = BigLog2Estimate(r.num) - BigLog2Estimate(r.den) + r.twos + r.fives * kLog2Of5;
    int exponent = Floor(log2 * kLog10Of2 - kExponentSlack);
    if (exponent > kLargestExponent) {          // |R| >= 10^309
        answer.kind = EXACT_BEYOND_RANGE;
        return answer;
    }
    if (exponent < kSmallestExponent - 1) {     // |R| < 10^-324
        answer.kind = EXACT_BELOW_RANGE;
        return answer;
    }

    // Step 3: n / d = |R| * 10^(15 - E'), every power on the side where it
    // multiplies.
    int q = kSixteenDigitsUp - exponent;
    BigInt n, d;
    BigCopy(n, r.num);
    BigCopy(d, r.den);
    int fives = r.fives + q, twos = r.twos + q;
    if (fives >= 0) BigMultiplyPowerOfFive(n, fives);
    else BigMultiplyPowerOfFive(d, -fives);
    if (twos >= 0) BigShiftLeft(n, twos);
    else BigShiftLeft(d, -twos);

    // Step 4: divide exactly. Precondition (from the estimate):
    // 10^15 <= n / d < 10^17, so the quotient is below 2^57.
    uint64_t quotient = BigDivide(n, d);  // n is now the remainder
    assert(quotient >= kTen15 && quotient < kTen17);

    // Step 5: round once, to nearest, ties to even; with a sticky mark its
    // sign breaks an exact tie, and a value too near the midpoint for eps to
    // be ignored is left undecided.
    uint64_t digits;
    bool roundUp;
    bool undecided = false;
    if (quotient >= kTen16) {
        // E' was E - 1: the last digit and the remainder below it decide.
        exponent += 1;
        digits = quotient / 10;
        uint64_t dropped = quotient % 10;
        roundUp = dropped > 5 || (dropped == 5 && (!BigIsZero(n) || (digits & 1) != 0));
        if (r.sticky) StickyRounding(r, true, dropped, 0, n, d, &roundUp, &undecided);
        answer.rounded = dropped != 0 || !BigIsZero(n) || r.sticky != 0;
    } else {
        digits = quotient;
        answer.rounded = !BigIsZero(n) || r.sticky != 0;
        BigShiftLeft(n, 1);
        int half = BigCompare(n, d);
        roundUp = half > 0 || (half == 0 && (digits & 1) != 0);
        if (r.sticky) StickyRounding(r, false, 0, half, n, d, &roundUp, &undecided);
    }
    if (undecided) {
        answer.kind = EXACT_UNDECIDED;
        return answer;
    }
    if (roundUp) digits += 1;
    if (digits == kTen16) {
        // 9999999999999999.5 and above carry into a 17th digit.
        digits = kTen15;
        exponent += 1;
    }

    // Step 6: the range edges, exactly where 16 digits cannot tell.
    bool beyond = exponent > kLargestExponent ||
                  (exponent == kLargestExponent && digits >= kOverflowDigits &&
                   (digits > kOverflowDigits ||
                    CompareWithPowerOfTwo(r, kOverflowMantissa, kOverflowTwos, &undecided) >= 0));
    bool below = exponent < kSmallestExponent ||
                 (exponent == kSmallestExponent && digits <= kUnderflowDigits &&
                  (digits < kUnderflowDigits || CompareWithPowerOfTwo(r, 1, kUnderflowTwos, &undecided) <= 0));
    answer.kind = undecided ? EXACT_UNDECIDED : beyond ? EXACT_BEYOND_RANGE : below ? EXACT_BELOW_RANGE : EXACT_DIGITS;
    answer.digits.negative = r.negative;
    answer.digits.digits = digits;
    answer.digits.exponent = exponent;
    return answer;
}

// The typed decimal's power of ten: digits * 10^(exponent - fraction digits).
int TypedPowerOfTen(const ScannedNumber& value)
{
    return value.exponent - (value.digitCount - value.integerDigits);
}

// ---- Factors ---------------------------------------------------------------

// The span of factors the bounds above are worked out for.
const double kFactorMin = 1e-60;
const double kFactorMax = 1e60;

// A factor as m / den * 2^twos * 5^fives: den is 1 for a row's factor, and
// below 10^18, as m is, for a custom unit's size (catalogue/units.h), which
// keeps the bounds above within 134 bits more on either side.
struct ExactFactor {
    uint64_t mantissa, den;
    int twos, fives;
};

// The number a factor's row stands for. A decimal of at most 15 significant
// digits within one unit in the last place (ulp = 2^e for the double
// m * 2^e, 2^52 <= m < 2^53) stands in for the double: that covers the
// shortest decimal that reads back as the double, and products such as
// 6 * 0.3048 = 1.8288000000000002 computed in doubles. Otherwise the
// double's exact value counts.
//
// Why one candidate suffices and the shortcut to it is exact: 15-digit
// decimals near f are 10^(E-14) apart, at least f * 10^-15 >= 2^52 * 10^-15
// = 4.5 ulp, so at most one lies within 1 ulp, and if one does it is the
// nearest, c. Then f * 10^(15-E) lies within 1 ulp = at most 2.3 units of
// the 16th digit of 10c, FormatReal's 16 digits N (rounded once from f) lie
// within 2.8 of 10c, and (N + 5) / 10 is c: the 16th digit is far from the 5
// where rounding twice could go wrong. If no decimal is within 1 ulp, the
// exact test below fails for whatever candidate it is given.
bool ComputeFactor(double factor, ExactFactor* exact)
{
    if (!(factor >= kFactorMin && factor <= kFactorMax)) return false;
    uint64_t bits;
    std::memcpy(&bits, &factor, sizeof bits);
    // A normal double: 11-bit biased exponent, 52 fraction bits, hidden bit.
    uint64_t m = (bits & ((1ull << 52) - 1)) | (1ull << 52);
    int e = (int)((bits >> 52) & 0x7FF) - 1075;

    DecimalDigits sixteen;
    SixteenDigits(factor, &sixteen);
    uint64_t candidate = (sixteen.digits + 5) / 10;  // 15 digits, or 10^15 after a carry
    int s = sixteen.exponent - 14;                   // 15 digits, 10^E down to 10^(E-14)
    // |c * 10^s - m * 2^e| <= 2^e, as c * 10^s between (m - 1) * 2^e and (m + 1) * 2^e.
    if (CompareExact(candidate, s, s, m + 1, e, 0) <= 0 && CompareExact(candidate, s, s, m - 1, e, 0) >= 0) {
        // Without its trailing zeros the mantissa is shorter, and so are the
        // numbers the conversion builds from it (1000 is 1 * 10^3).
        while (candidate % 10 == 0) {
            candidate /= 10;
            ++s;
        }
        exact->mantissa = candidate;
        exact->den = 1;
        exact->twos = s;
        exact->fives = s;
    } else {
        exact->mantissa = m;
        exact->den = 1;
        exact->twos = e;
        exact->fives = 0;
    }
    return true;
}

// Factors are worked out once and remembered, in a direct-mapped table keyed
// by the factor's bits (static storage: one user-interface thread). A unit
// change brings at most two new factors; 256 slots of 32 bytes keep a
// session's worth of units.
struct FactorMemo {
    uint64_t bits;
    bool filled, covered;
    ExactFactor value;
};
const int kFactorMemoBits = 8;
const int kFactorMemoSlots = 1 << kFactorMemoBits;
FactorMemo g_factorMemo[kFactorMemoSlots];

bool FactorValue(double factor, ExactFactor* exact)
{
    uint64_t bits;
    std::memcpy(&bits, &factor, sizeof bits);
    // Fibonacci hashing: the golden-ratio multiplier spreads nearby bit
    // patterns over the top bits.
    const uint64_t kGoldenRatio64 = 0x9E3779B97F4A7C15ull;
    FactorMemo& slot = g_factorMemo[(bits * kGoldenRatio64) >> (64 - kFactorMemoBits)];
    if (!slot.filled || slot.bits != bits) {
        slot.bits = bits;
        slot.covered = ComputeFactor(factor, &slot.value);
        slot.filled = true;
    }
    *exact = slot.value;
    return slot.covered;
}

// ---- Temperatures ----------------------------------------------------------

// kelvin = (scale * v + offset) / divisor, and back. 273.15 = 27315 / 100,
// 1.8 = 9/5, 1.25 = 5/4.
struct Affine {
    int64_t scale, offset, divisor;
};
const int64_t kZeroCelsius = 27315;  // 273.15 K in hundredths
const int64_t kFreezingFahrenheit = 32;

// Rows: Celsius, Fahrenheit, Rankine, Reaumur, kelvin.
const Affine kToKelvin[] = {
    {100, kZeroCelsius, 100},                                    // v + 273.15
    {500, 9 * kZeroCelsius - 500 * kFreezingFahrenheit, 900},    // (v - 32) / 1.8 + 273.15
    {5, 0, 9},                                                   // v / 1.8
    {125, kZeroCelsius, 100},                                    // v * 1.25 + 273.15
    {1, 0, 1},                                                   // v
};
const Affine kFromKelvin[] = {
    {100, -kZeroCelsius, 100},                                   // t - 273.15
    {900, 500 * kFreezingFahrenheit - 9 * kZeroCelsius, 500},    // (t - 273.15) * 1.8 + 32
    {9, 0, 5},                                                   // t * 1.8
    {400, -4 * kZeroCelsius, 500},                               // (t - 273.15) / 1.25
    {1, 0, 1},                                                   // t
};

// Codes are compared for exact equality with 1, 2, 3 and 4, as
// TemperatureConvert does; anything else is kelvin.
int TemperatureRow(double code)
{
    if (code == 1.0) return 0;
    if (code == 2.0) return 1;
    if (code == 3.0) return 2;
    if (code == 4.0) return 3;
    return 4;
}

// The kelvin value's sign decides below absolute zero; exactly zero kelvin
// converts normally. Returns -1 below, 0 not below, 1 undecided (a sticky
// term that cancels).
int BelowAbsoluteZero(const Affine& toKelvin, const ExactNumber& value)
{
    if (!value.negative || ExactIsZero(value)) return 0;
    ExactNumber kelvin, term;
    ExactCopy(kelvin, value);
    ExactSetDecimal(term, false, (uint64_t)toKelvin.scale, 0);
    if (!ExactMultiply(kelvin, term)) return 1;
    ExactSetDecimal(term, false, (uint64_t)toKelvin.offset, 0);
    if (!ExactAdd(kelvin, term)) return 1;
    return kelvin.negative && !ExactIsZero(kelvin) ? -1 : 0;
}

// An exact number as a ratio of the rounding's form.
void RatioOf(const ExactNumber& x, ExactRatio* r)
{
    r->negative = x.negative;
    BigCopy(r->num, x.num);
    BigCopy(r->den, x.den);
    r->twos = r->fives = x.exponent;
    r->sticky = x.sticky;
    r->stickyGap = x.stickyGap;
}

ExactAnswer Undecided()
{
    ExactAnswer answer;
    answer.kind = EXACT_UNDECIDED;
    return answer;
}

// The decimal a scanned text writes.
void ExactOfScanned(const ScannedNumber& value, ExactNumber* x)
{
    ExactSetDecimal(*x, value.negative, value.digits, TypedPowerOfTen(value));
}

}  // namespace

ExactAnswer ExactQuotient(int64_t num, int64_t den)
{
    // Precondition: a positive denominator.
    assert(den > 0);
    ExactRatio r;
    r.negative = num < 0;
    BigSetWord(r.num, num < 0 ? 0 - (uint64_t)num : (uint64_t)num);
    BigSetWord(r.den, (uint64_t)den);
    r.twos = r.fives = 0;
    r.sticky = r.stickyGap = 0;
    return RoundRatio(r);
}

TemperatureMap TemperatureRule(double fromCode, double toCode)
{
    const Affine& in = kToKelvin[TemperatureRow(fromCode)];
    const Affine& out = kFromKelvin[TemperatureRow(toCode)];
    TemperatureMap map;
    map.scale = in.scale * out.scale;
    map.offset = in.offset * out.scale + out.offset * in.divisor;
    map.divisor = in.divisor * out.divisor;
    return map;
}

namespace {

// The exact size a unit stands for: a custom unit's own, else its row's factor.
bool UnitFactorValue(int category, int unit, ExactFactor* exact)
{
    UnitSize size;
    if (!UnitExactSize(category, unit, &size)) return FactorValue(UnitFactor(category, unit), exact);
    exact->mantissa = size.num;
    exact->den = size.den;
    exact->twos = exact->fives = size.exponent;
    return true;
}

// R = num / den * 10^e * from / to = (num * m1 * d2) / (den * m2 * d1) *
// 2^twos * 5^fives, classified, divided and rounded once.
ExactAnswer ByExactFactors(const ExactFactor& from, const ExactFactor& to, const ExactNumber& value)
{
    ExactAnswer answer;
    answer.rounded = false;
    if (ExactIsZero(value)) {   // zero is zero whatever its exponent
        answer.kind = EXACT_ZERO;
        return answer;
    }
    ExactRatio r;
    RatioOf(value, &r);
    BigMultiplyWord(r.num, from.mantissa);
    if (to.den != 1) BigMultiplyWord(r.num, to.den);   // a custom unit's size
    if (r.den.used == 1 && r.den.limb[0] == 1) BigSetWord(r.den, to.mantissa);  // a typed decimal's
    else BigMultiplyWord(r.den, to.mantissa);
    if (from.den != 1) BigMultiplyWord(r.den, from.den);
    r.twos += from.twos - to.twos;
    r.fives += from.fives - to.fives;
    return RoundRatio(r);
}

ExactAnswer NotCovered()
{
    ExactAnswer answer;
    answer.rounded = false;
    answer.kind = EXACT_NOT_COVERED;
    return answer;
}

}  // namespace

ExactAnswer ExactRationalByFactors(double fromFactor, double toFactor, const ExactNumber& value)
{
    ExactFactor from, to;
    if (!FactorValue(fromFactor, &from) || !FactorValue(toFactor, &to)) return NotCovered();
    return ByExactFactors(from, to, value);
}

ExactAnswer ExactRationalByUnits(int category, int fromUnit, int toUnit, const ExactNumber& value)
{
    if (UnitKindOf(category, fromUnit) == UNIT_TEMPERATURE)
        return ExactRationalTemperature(UnitFactor(category, fromUnit), UnitFactor(category, toUnit), value);
    ExactFactor from, to;
    if (!UnitFactorValue(category, fromUnit, &from) || !UnitFactorValue(category, toUnit, &to)) return NotCovered();
    return ByExactFactors(from, to, value);
}

bool FactorAsSize(double factor, UnitSize* size)
{
    ExactFactor exact;
    if (!FactorValue(factor, &exact)) return false;
    size->num = exact.mantissa;
    size->den = 1;
    size->exponent = exact.fives;
    // m * 2^twos * 5^fives = m * 2^(twos - fives) * 10^fives: the power of
    // two goes to the side where it multiplies, when it fits there.
    const int twos = exact.twos - exact.fives;
    uint64_t& side = twos >= 0 ? size->num : size->den;
    const int shift = twos >= 0 ? twos : -twos;
    if (shift >= 60 || side >= (1ull << (60 - shift))) return false;
    side <<= shift;
    return side < 1000000000000000000ull;
}

namespace {

// The temperature rule on an exact number: 1 with the answer in result, 0
// below absolute zero (exactly), -1 undecided or too long to hold.
int TemperatureValue(double fromCode, double toCode, const ExactNumber& value, ExactNumber& result)
{
    // Step 1: through kelvin as one map, result = (P * v + Q) / S.
    const Affine& in = kToKelvin[TemperatureRow(fromCode)];
    const TemperatureMap map = TemperatureRule(fromCode, toCode);

    // Step 2: below absolute zero gives 0 in any unit.
    int below = BelowAbsoluteZero(in, value);
    if (below != 0) return below < 0 ? 0 : -1;

    // Step 3: (P * v + Q) / S exactly. A v far above the offset, or far
    // below it, keeps the other term as a sticky mark (exact_number.h): the
    // rounding then sees the sum's direction, which is all it needs.
    ExactNumber term;
    ExactCopy(result, value);
    ExactSetDecimal(term, false, (uint64_t)map.scale, 0);
    if (!ExactMultiply(result, term)) return -1;
    ExactSetDecimal(term, map.offset < 0, (uint64_t)(map.offset < 0 ? -map.offset : map.offset), 0);
    if (!ExactAdd(result, term)) return -1;
    ExactSetDecimal(term, false, (uint64_t)map.divisor, 0);
    return ExactDivide(result, term) ? 1 : -1;
}

// x *= 2^twos, in steps a 64-bit fraction holds.
bool ExactScaleByTwo(ExactNumber& x, int twos)
{
    const int kStep = 62;
    ExactNumber term;
    while (twos != 0) {
        int step = twos > kStep ? kStep : twos < -kStep ? -kStep : twos;
        if (step > 0) ExactSetFraction(term, 1ull << step, 1);
        else ExactSetFraction(term, 1, 1ull << -step);
        if (!ExactMultiply(x, term)) return false;
        twos -= step;
    }
    return true;
}

}  // namespace

ExactAnswer ExactRationalTemperature(double fromCode, double toCode, const ExactNumber& value)
{
    ExactAnswer answer;
    answer.rounded = false;
    ExactNumber result;
    int found = TemperatureValue(fromCode, toCode, value, result);
    if (found < 0) return Undecided();
    if (found == 0 || ExactIsZero(result)) {
        answer.kind = EXACT_ZERO;
        return answer;
    }
    // Steps 4 and on: classify, divide, round once.
    ExactRatio r;
    RatioOf(result, &r);
    return RoundRatio(r);
}

bool ExactRationalValue(int category, int fromUnit, int toUnit, const ExactNumber& value, ExactNumber* answer)
{
    if (UnitKindOf(category, fromUnit) == UNIT_TEMPERATURE) {
        int found = TemperatureValue(UnitFactor(category, fromUnit), UnitFactor(category, toUnit), value, *answer);
        if (found == 0) ExactSetDecimal(*answer, false, 0, 0);
        return found >= 0;
    }
    // value * m1 / m2 * d2 / d1 * 2^(a1 - a2) * 5^(b1 - b2), the fives as a
    // power of ten; d1 and d2 are 1 but for a custom unit's size.
    ExactFactor from, to;
    if (!UnitFactorValue(category, fromUnit, &from) || !UnitFactorValue(category, toUnit, &to)) return false;
    ExactNumber term;
    ExactCopy(*answer, value);
    ExactSetFraction(term, from.mantissa, to.mantissa);
    if (!ExactMultiply(*answer, term)) return false;
    if (from.den != 1 || to.den != 1) {
        ExactSetFraction(term, to.den, from.den);
        if (!ExactMultiply(*answer, term)) return false;
    }
    const int fives = from.fives - to.fives;
    answer->exponent += fives;
    return ExactScaleByTwo(*answer, from.twos - to.twos - fives);
}

ExactAnswer ExactByFactors(double fromFactor, double toFactor, const ScannedNumber& value)
{
    ExactNumber x;
    ExactOfScanned(value, &x);
    return ExactRationalByFactors(fromFactor, toFactor, x);
}

ExactAnswer ExactTemperature(double fromCode, double toCode, const ScannedNumber& value)
{
    ExactNumber x;
    ExactOfScanned(value, &x);
    return ExactRationalTemperature(fromCode, toCode, x);
}

int FormatExactAnswer(const ExactAnswer& answer, double doubleResult, int decimals, char* out, int numFormat)
{
    switch (answer.kind) {
    case EXACT_DIGITS:
        WriteAnswerText(answer.digits, ClampDecimals(decimals), numFormat, out);
        return 1;
    case EXACT_ZERO:
        return FormatReal(0.0, decimals, out, numFormat);  // zero's own text, "0"
    case EXACT_BEYOND_RANGE:
    case EXACT_UNDECIDED:
        return 0;  // the typed text stays
    case EXACT_BELOW_RANGE:
    case EXACT_NOT_COVERED:
    default:
        return FormatReal(doubleResult, decimals, out, numFormat);
    }
}

int FormatExactConversion(const char* text, double fromFactor, double toFactor, ExactConverter converter,
                          double doubleResult, int decimals, char* out, int numFormat)
{
    // Step 1: the typed text as the exact decimal it writes. A text that is
    // no number writes nothing.
    ScannedNumber typed;
    if (!ScanNumber(text, &typed)) return 0;

    // Step 2: the exact answer.
    ExactAnswer answer = converter ? converter(fromFactor, toFactor, typed)
                                   : ExactByFactors(fromFactor, toFactor, typed);

    // Step 3: its text, laid out as FormatReal lays out a double.
    return FormatExactAnswer(answer, doubleResult, decimals, out, numFormat);
}
