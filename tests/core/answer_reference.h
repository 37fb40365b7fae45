// An exact reference for the answers the value boxes show, written apart from
// the code under test: rationals of unbounded integers, the rule for what a
// factor stands for, the temperature rule, the one rounding to 16 digits and
// the text layout. Slow and plain.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "numtext/decimal_digits.h"
#include "numtext/exact_number.h"
#include "tests/numtext/exact_reference.h"

// +/- num / den, den > 0; zero has no limbs in num.
struct RefRational {
    bool negative;
    RefInt num, den;
};

RefRational RefRationalOf(int64_t integer);
// +/- digits * 10^exponent10.
RefRational RefDecimal(bool negative, uint64_t digits, int exponent10);
// The double's exact value.
RefRational RefExactDouble(double value);
// The decimal a scanned text writes.
RefRational RefOfScanned(const ScannedNumber& scanned);

// An exact number the grammar read (its sticky mark is not looked at).
RefRational RefOfExact(const ExactNumber& x);

RefRational RefTimes(const RefRational& a, const RefRational& b);
RefRational RefOver(const RefRational& a, const RefRational& b);  // b not zero
RefRational RefPlus(const RefRational& a, const RefRational& b);
RefRational RefMinus(const RefRational& a, const RefRational& b);
int RefSign(const RefRational& a);

// The number a factor's row stands for: the nearest decimal of 15
// significant digits if it lies within one unit in the last place of the
// double, else the double itself.
RefRational RefStandsFor(double factor);

// The temperature rule through kelvin with 273.15, 32, 1.8 and 1.25 exact;
// below absolute zero gives 0. Codes 1 C, 2 F, 3 R, 4 Reaumur, else kelvin.
RefRational RefTemperature(double fromCode, double toCode, const RefRational& value);

// Where the answer lies against the double range: it rounds to an infinity,
// to zero, or to a finite non-zero double (zero itself is REF_ZERO).
enum RefRange { REF_ZERO, REF_IN_RANGE, REF_BELOW_RANGE, REF_BEYOND_RANGE };
RefRange RefRangeOf(const RefRational& r);
// The edges: from 2^1024 - 2^970 up an answer rounds to an infinity, up to
// 2^-1075 to zero.
RefRational RefOverflowEdge();
RefRational RefUnderflowEdge();

// A value rounded once to 16 significant digits (ties to even):
// |value| ~ digits * 10^(exponent - 15); zero has digits 0.
struct RefShown {
    bool negative;
    uint64_t digits;
    int exponent;
};
RefShown RefRoundOnce(const RefRational& r);

// The box text for it: "0" for zero, else a sign character and fixed
// notation below 10^16 (unless scientific), digits cut at the last place
// shown. decimals is 0 .. 15.
std::string RefLayout(const RefShown& shown, int decimals, bool scientific);

// Both at once.
std::string RefBoxText(const RefRational& r, int decimals, bool scientific);

// A compound row's parts as the tests know them: how many of each part make
// one of the part before, and the mark written after each. No parts for any
// other row.
struct RefParts {
    std::vector<unsigned> ratio;   // ratio[0] is 1
    std::vector<std::string> mark;
};
RefParts RefPartsOf(const std::string& rowName);

// r laid out in parts (or, with no parts, as one number without a mark):
// rounded once (ties to even) to `decimals` places of the last part, or to
// the nearest 1/denominator with "≈ " when that is not r; whole numbers in
// every part but the last, leading zero parts left out, one "-". "" when the
// first part comes to 10^15 or more.
std::string RefPartsText(const RefRational& r, const RefParts& parts, int decimals, int denominator);

// The text of a rational for failure messages: "-num/den".
std::string RefText(const RefRational& r);
