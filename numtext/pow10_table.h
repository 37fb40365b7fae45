// Powers of ten as 128-bit significands, for the exact double <-> text paths.
#pragma once
#include <cstdint>

struct Pow10Entry {
    uint64_t hi;  // top 64 bits of the significand; bit 63 always set
    uint64_t lo;  // next 64 bits, truncated
};

// 10^q for q = kPow10MinExponent .. kPow10MaxExponent.
//   parsing needs -342 .. 308: below 10^-342 even 18 nines round to zero
//     (999999999999999999e-360 < 10^-324 < 2^-1075), from 10^309 up every
//     non-zero value overflows;
//   formatting needs -293 .. 339: 15 - E for the decimal exponents E of the
//     doubles, -324 (4.94e-324) .. 308 (1.79e308).
const int kPow10MinExponent = -342;
const int kPow10MaxExponent = 339;
extern const Pow10Entry kPow10Table[kPow10MaxExponent - kPow10MinExponent + 1];

// 5^55 < 2^128 (5^55 = 2^127.7), so 10^0 .. 10^55 are held exactly.
const int kPow10ExactMax = 55;

// Binary exponent of the entry for q: floor(q * log2(10)) - 127.
// 217706 / 2^16 = 3.32192993... ~ log2(10) = 3.32192809...; the product is
// floored correctly for |q| <= 1233, checked by the tests for the table range.
inline int Pow10BinaryExponent(int q)
{
    return ((q * 217706) >> 16) - 127;
}

// floor(k * log10(2)) for |k| <= 1650: 78913 / 2^18 = 0.3010292053...
// against log10(2) = 0.3010299956...; checked by the tests for k = -1200 .. 1200.
inline int FloorLog10Pow2(int k)
{
    return (k * 78913) >> 18;
}
