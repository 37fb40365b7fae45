#include "tests/core/answer_reference.h"

#include <cmath>
#include <cstdio>

namespace {

bool IsZero(const RefInt& x) { return x.limb.empty(); }

RefInt PowerOfTwo(int n)
{
    RefInt x = RefFromWord(1);
    RefShiftLeft(x, n);
    return x;
}

RefRational Make(bool negative, const RefInt& num, const RefInt& den)
{
    RefRational r;
    r.negative = negative && !IsZero(num);
    r.num = num;
    r.den = den;
    return r;
}

// Sign of |a| - |b|.
int CompareMagnitude(const RefRational& a, const RefRational& b)
{
    return RefCompare(RefMultiply(a.num, b.den), RefMultiply(b.num, a.den));
}

RefRational Abs(const RefRational& a) { return Make(false, a.num, a.den); }

// E with 10^E <= |r| < 10^(E+1), r not zero: from a bit-length guess moved
// by exact tests.
int DecimalExponent(const RefRational& r)
{
    int e = (int)std::floor((RefBitLength(r.num) - RefBitLength(r.den)) * 0.30103);
    while (CompareMagnitude(r, RefDecimal(false, 1, e)) < 0) --e;
    while (CompareMagnitude(r, RefDecimal(false, 1, e + 1)) >= 0) ++e;
    return e;
}

}  // namespace

RefRational RefRationalOf(int64_t integer)
{
    uint64_t magnitude = integer < 0 ? 0 - (uint64_t)integer : (uint64_t)integer;
    return Make(integer < 0, RefFromWord(magnitude), RefFromWord(1));
}

RefRational RefDecimal(bool negative, uint64_t digits, int exponent10)
{
    RefInt num = RefFromWord(digits), den = RefFromWord(1);
    if (exponent10 >= 0) RefMultiplyPowerOfTen(num, exponent10);
    else RefMultiplyPowerOfTen(den, -exponent10);
    return Make(negative, num, den);
}

RefRational RefExactDouble(double value)
{
    RefInt num, den;
    RefFraction(value, &num, &den);
    return Make(value < 0, num, den);
}

RefRational RefOfScanned(const ScannedNumber& scanned)
{
    return RefDecimal(scanned.negative, scanned.digits,
                      scanned.exponent - (scanned.digitCount - scanned.integerDigits));
}

RefRational RefOfExact(const ExactNumber& x)
{
    RefInt num, den;
    num.limb.assign(x.num.limb, x.num.limb + x.num.used);
    den.limb.assign(x.den.limb, x.den.limb + x.den.used);
    return RefTimes(Make(x.negative, num, den), RefDecimal(false, 1, x.exponent));
}

RefRational RefTimes(const RefRational& a, const RefRational& b)
{
    return Make(a.negative != b.negative, RefMultiply(a.num, b.num), RefMultiply(a.den, b.den));
}

RefRational RefOver(const RefRational& a, const RefRational& b)
{
    return Make(a.negative != b.negative, RefMultiply(a.num, b.den), RefMultiply(a.den, b.num));
}

RefRational RefPlus(const RefRational& a, const RefRational& b)
{
    RefInt x = RefMultiply(a.num, b.den), y = RefMultiply(b.num, a.den), den = RefMultiply(a.den, b.den);
    if (a.negative == b.negative) {
        RefAdd(x, y);
        return Make(a.negative, x, den);
    }
    if (RefCompare(x, y) >= 0) {
        RefSubtract(x, y);
        return Make(a.negative, x, den);
    }
    RefSubtract(y, x);
    return Make(b.negative, y, den);
}

RefRational RefMinus(const RefRational& a, const RefRational& b)
{
    RefRational negated = b;
    negated.negative = !b.negative && !IsZero(b.num);
    return RefPlus(a, negated);
}

int RefSign(const RefRational& a)
{
    return IsZero(a.num) ? 0 : a.negative ? -1 : 1;
}

RefRational RefStandsFor(double factor)
{
    RefRational exact = RefExactDouble(factor);
    // One unit in the last place: 2^e for factor = m * 2^e, 2^52 <= m < 2^53.
    int e;
    std::frexp(factor, &e);
    RefRational ulp = e - 53 >= 0 ? Make(false, PowerOfTwo(e - 53), RefFromWord(1))
                                  : Make(false, RefFromWord(1), PowerOfTwo(53 - e));
    // The leading digit's power of ten, 10^k <= factor < 10^(k+1).
    int k = DecimalExponent(exact);
    // The nearest decimal of 15 significant digits: round(factor * 10^(14-k)).
    RefRational scaled = RefTimes(exact, RefDecimal(false, 1, 14 - k));
    RefInt remainder = scaled.num;
    uint64_t c = RefDivide(remainder, scaled.den);
    RefShiftLeft(remainder, 1);
    if (RefCompare(remainder, scaled.den) >= 0) ++c;  // a tie is never within 1 ulp
    RefRational candidate = RefDecimal(false, c, k - 14);
    if (CompareMagnitude(RefMinus(candidate, exact), ulp) <= 0) return candidate;
    return exact;
}

RefRational RefTemperature(double fromCode, double toCode, const RefRational& value)
{
    const RefRational zeroCelsius = RefDecimal(false, 27315, -2);  // 273.15
    const RefRational thirtyTwo = RefRationalOf(32);
    const RefRational ratio = RefDecimal(false, 18, -1);           // 1.8
    const RefRational reaumur = RefDecimal(false, 125, -2);         // 1.25
    RefRational t;
    if (fromCode == 1.0) t = RefPlus(value, zeroCelsius);
    else if (fromCode == 2.0) t = RefPlus(RefOver(RefMinus(value, thirtyTwo), ratio), zeroCelsius);
    else if (fromCode == 3.0) t = RefOver(value, ratio);
    else if (fromCode == 4.0) t = RefPlus(RefTimes(value, reaumur), zeroCelsius);
    else t = value;
    if (RefSign(t) < 0) return RefRationalOf(0);
    if (toCode == 1.0) return RefMinus(t, zeroCelsius);
    if (toCode == 2.0) return RefPlus(RefTimes(RefMinus(t, zeroCelsius), ratio), thirtyTwo);
    if (toCode == 3.0) return RefTimes(t, ratio);
    if (toCode == 4.0) return RefOver(RefMinus(t, zeroCelsius), reaumur);
    return t;
}

RefRange RefRangeOf(const RefRational& r)
{
    if (RefSign(r) == 0) return REF_ZERO;
    if (CompareMagnitude(r, RefOverflowEdge()) >= 0) return REF_BEYOND_RANGE;
    if (CompareMagnitude(r, RefUnderflowEdge()) <= 0) return REF_BELOW_RANGE;
    return REF_IN_RANGE;
}

RefRational RefOverflowEdge()
{
    RefInt top = PowerOfTwo(1024);
    RefSubtract(top, PowerOfTwo(970));
    return Make(false, top, RefFromWord(1));
}

RefRational RefUnderflowEdge()
{
    return Make(false, RefFromWord(1), PowerOfTwo(1075));
}

RefShown RefRoundOnce(const RefRational& r)
{
    RefShown shown = {r.negative, 0, 0};
    if (RefSign(r) == 0) return shown;
    RefRational magnitude = Abs(r);

    int e = DecimalExponent(magnitude);

    // N = |r| * 10^(15 - E) rounded once, to nearest, ties to even.
    RefRational scaled = RefTimes(magnitude, RefDecimal(false, 1, 15 - e));
    uint64_t n = RefRoundQuotient(scaled.num, scaled.den);
    if (n == 10000000000000000ull) {
        n = 1000000000000000ull;
        ++e;
    }
    shown.digits = n;
    shown.exponent = e;
    return shown;
}

std::string RefLayout(const RefShown& shown, int decimals, bool scientific)
{
    if (shown.digits == 0) return "0";
    char digits[24];  // 16 digits; room for any 64-bit value
    std::snprintf(digits, sizeof digits, "%016llu", (unsigned long long)shown.digits);
    int e = shown.exponent;
    std::string text(1, shown.negative ? '-' : ' ');
    if (!scientific && e <= 15) {
        if (e >= 0) {
            text.append(digits, e + 1);
            int places = decimals < 15 - e ? decimals : 15 - e;
            if (places > 0) text += "." + std::string(digits + e + 1, places);
        } else {
            text += "0.";
            if (-e <= decimals) text += std::string(-e - 1, '0') + std::string(digits, decimals + e + 1);
        }
    } else {
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "E%c%04d", e < 0 ? '-' : '+', e < 0 ? -e : e);
        text += std::string(1, digits[0]) + "." + std::string(digits + 1, decimals) + exponent;
    }
    return text;
}

std::string RefBoxText(const RefRational& r, int decimals, bool scientific)
{
    return RefLayout(RefRoundOnce(r), decimals, scientific);
}

std::string RefText(const RefRational& r)
{
    // Hexadecimal limbs: plain, and enough to rebuild the failing value.
    auto hex = [](const RefInt& x) {
        if (x.limb.empty()) return std::string("0");
        std::string s = "0x";
        char part[9];
        for (size_t i = x.limb.size(); i-- > 0;) {
            std::snprintf(part, sizeof part, i + 1 == x.limb.size() ? "%x" : "%08x", x.limb[i]);
            s += part;
        }
        return s;
    };
    return (r.negative ? "-" : "") + hex(r.num) + "/" + hex(r.den);
}

RefParts RefPartsOf(const std::string& rowName)
{
    if (rowName == "foot + inch") return {{1, 12}, {" ft", " in"}};
    if (rowName == "pound + ounce") return {{1, 16}, {" lb", " oz"}};
    if (rowName == "stone + pound") return {{1, 14}, {" st", " lb"}};
    if (rowName == "hour + minute + second") return {{1, 60, 60}, {" h", " min", " s"}};
    if (rowName == "degree + minute + second") return {{1, 60, 60}, {"\xC2\xB0", "'", "\""}};
    return {};
}

std::string RefPartsText(const RefRational& r, const RefParts& parts, int decimals, int denominator)
{
    // The last part's places in one integer: |r| * step rounded, where step
    // counts them per first part.
    uint64_t unit = 1;
    if (denominator) unit = (uint64_t)denominator;
    else for (int i = 0; i < decimals; ++i) unit *= 10;
    uint64_t step = unit;
    for (unsigned ratio : parts.ratio) step *= ratio;
    RefInt limit = r.den, rest = r.num;
    RefMultiplyPowerOfTen(limit, 15);
    if (RefCompare(r.num, limit) >= 0) return "";
    uint64_t first = RefDivide(rest, r.den);
    RefInt scaled = RefMultiply(rest, RefFromWord(step));
    RefInt exactCheck = scaled;
    uint64_t below = RefRoundQuotient(scaled, r.den);
    RefDivide(exactCheck, r.den);
    const bool exact = exactCheck.limb.empty();
    if (below == step) { below = 0; ++first; }
    if (first >= 1000000000000000ull) return "";
    // Cut from the last part up.
    size_t n = parts.ratio.empty() ? 1 : parts.ratio.size();
    std::vector<uint64_t> amount(n, 0);
    amount[0] = first;
    uint64_t lastPlaces = below;
    if (n > 1) {
        uint64_t left = below / unit;
        lastPlaces = below % unit;
        for (size_t i = n - 1; i >= 1; --i) { amount[i] = left % parts.ratio[i]; left /= parts.ratio[i]; }
    }
    std::string text = denominator && !exact ? "\xE2\x89\x88 " : "";
    if (r.negative && (first || below)) text += "-";
    size_t from = 0;
    while (from + 1 < n && amount[from] == 0) ++from;
    for (size_t i = from; i < n; ++i) {
        if (i > from) text += " ";
        std::string part = std::to_string(amount[i]);
        if (i + 1 == n && !denominator && decimals) {
            std::string places = std::to_string(lastPlaces);
            part += "." + std::string(decimals - places.size(), '0') + places;
        } else if (i + 1 == n && denominator && lastPlaces) {
            uint64_t num = lastPlaces, den = unit;
            while (num % 2 == 0) { num /= 2; den /= 2; }
            std::string fraction = std::to_string(num) + "/" + std::to_string(den);
            part = amount[i] ? part + " " + fraction : fraction;
        }
        text += part + (parts.mark.empty() ? "" : parts.mark[i]);
    }
    return text;
}
