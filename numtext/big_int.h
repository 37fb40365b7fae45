// Fixed-size non-negative big integers for the exact paths: the comparisons
// that settle the double <-> text roundings and the exact conversion answer.
// No allocation: every number lives in a fixed array of 32-bit limbs, and
// each operation touches only the limbs in use.
#pragma once
#include <cstdint>

// 64 limbs of 32 bits = 2048 bits. The largest operand any caller builds is
// below 2^1900 (the exact conversion of a typed expression whose numerator
// and denominator use their whole 512 bits, exact_number.h; plain decimals
// stay below 2^1200 and the number text comparisons below 2^1100); each
// caller says why.
const int kBigIntLimbs = 64;

struct BigInt {
    uint32_t limb[kBigIntLimbs];  // little-endian; limb[used..] are not looked at
    int used;                     // limbs in use, the top one non-zero (0 for zero)
};

// The three smallest operations are inline: the exact paths call them on
// every keystroke.
inline void BigSetWord(BigInt& x, uint64_t value)
{
    x.limb[0] = (uint32_t)value;
    x.limb[1] = (uint32_t)(value >> 32);
    x.used = x.limb[1] ? 2 : (x.limb[0] ? 1 : 0);
}

inline void BigCopy(BigInt& to, const BigInt& from)  // only the limbs in use, unlike =
{
    for (int i = 0; i < from.used; ++i) to.limb[i] = from.limb[i];
    to.used = from.used;
}

inline bool BigIsZero(const BigInt& x)
{
    return x.used == 0;
}

// x *= factor. Precondition for these and the shift: the result fits in
// kBigIntLimbs limbs (asserted).
void BigMultiplySmall(BigInt& x, uint32_t factor);
void BigMultiplyWord(BigInt& x, uint64_t factor);
void BigMultiplyPowerOfFive(BigInt& x, int n);  // n >= 0
void BigMultiplyPowerOfTen(BigInt& x, int n);   // n >= 0
void BigShiftLeft(BigInt& x, int bits);         // bits >= 0

void BigMultiply(BigInt& x, const BigInt& y);  // x *= y
void BigAdd(BigInt& x, const BigInt& y);       // x += y
void BigSubtract(BigInt& x, const BigInt& y);  // x -= y; precondition x >= y

int BigCompare(const BigInt& x, const BigInt& y);  // sign of x - y
int BigBitLength(const BigInt& x);                 // 0 for zero

// log2 of a non-zero x from its bit length and leading 64 bits read as 1.f:
// log2(1 + f) >= f on 0 <= f < 1 with a gap of at most 0.0861, and the bits
// below the leading 64 only add, so the estimate is low by 0 .. 0.087. A
// difference of two is within 0.087 bits = 0.027 decades.
double BigLog2Estimate(const BigInt& x);

// The 64 bits from the leading one down (bit 63 set), zero-padded below a
// short number; 0 for zero.
uint64_t BigLeadingBits(const BigInt& x);

// n / d for a quotient below 2^64: returns the quotient and leaves the
// remainder in n. Precondition: d is not zero and n < d * 2^64 (asserted).
uint64_t BigDivide(BigInt& n, const BigInt& d);
