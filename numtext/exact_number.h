// An exact rational number, for what a value box reads and the arithmetic a
// typed expression asks for: +/- num / den * 10^exponent in fixed-size big
// integers, with a sticky stand-in for a term summed far below the rest.
// Every operation says false when the exact result cannot be held (division
// by zero, more bits than kExactNumberBits, a sticky term that no longer
// decides anything); the reader then treats the text as no number.
#pragma once
#include <cstdint>

#include "numtext/big_int.h"

struct ExactNumber {
    bool negative;     // kept for zero too ("-0" reads as negative zero)
    BigInt num, den;   // den > 0; num = 0 is zero
    int32_t exponent;
    // 0 when the value is exact. +1 or -1 when the true value is this one
    // times (1 + eps), eps of that sign and |eps| < 10^-stickyGap: a term
    // too small to hold beside a larger one (see ExactAdd).
    int sticky;
    int stickyGap;
};

// The most bits a numerator or a denominator holds. 64 characters of typed
// digits write at most 10^64 < 2^213 in all; the rest is room for sums over a
// common power of ten. 2^512 times the conversion's powers (exact_convert.cpp)
// stays below the big integers' 2048 bits.
const int kExactNumberBits = 512;
// A term more than this many decades below the other one in a sum is
// replaced by its sticky stand-in; a sticky value is only kept while its
// eps stays below 10^-kStickyMinGap.
const int kStickyDropDecades = 40;
const int kStickyMinGap = 30;

// +/- digits * 10^exponent, exact.
void ExactSetDecimal(ExactNumber& x, bool negative, uint64_t digits, int32_t exponent);
// numerator / denominator, denominator > 0, exact.
void ExactSetFraction(ExactNumber& x, uint64_t numerator, uint64_t denominator);
void ExactCopy(ExactNumber& to, const ExactNumber& from);  // only the limbs in use

bool ExactIsZero(const ExactNumber& x);
// log10 |x| for a non-zero x, within 0.03.
double ExactLog10(const ExactNumber& x);

void ExactNegate(ExactNumber& x);
bool ExactAdd(ExactNumber& x, const ExactNumber& y);       // x += y
bool ExactMultiply(ExactNumber& x, const ExactNumber& y);  // x *= y
bool ExactDivide(ExactNumber& x, const ExactNumber& y);    // x /= y; false for y = 0

// The double nearest to x (ties to even; on a tie a sticky mark decides),
// infinities beyond the range, a signed zero below it. A plain decimal
// rounds as ParseReal rounds it.
double ExactToDouble(const ExactNumber& x);
