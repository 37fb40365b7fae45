// Exact reference conversions for the number text tests, on a plain
// arbitrary-size integer: slow, simple and independent of the code under test.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Non-negative integer of any size, 32-bit limbs, little-endian, no leading
// zero limbs.
struct RefInt {
    std::vector<uint32_t> limb;
};

RefInt RefFromWord(uint64_t value);
void RefMultiplySmall(RefInt& x, uint32_t factor);
void RefMultiplyPowerOfTen(RefInt& x, int n);
void RefMultiplyPowerOfFive(RefInt& x, int n);
void RefShiftLeft(RefInt& x, int bits);
int RefCompare(const RefInt& x, const RefInt& y);
void RefSubtract(RefInt& x, const RefInt& y);  // x >= y
void RefAdd(RefInt& x, const RefInt& y);
RefInt RefMultiply(const RefInt& x, const RefInt& y);
int RefBitLength(const RefInt& x);
// floor(a / b) for a quotient below 2^64; a becomes the remainder.
uint64_t RefDivide(RefInt& a, const RefInt& b);

// |value| = num / den exactly, for a finite double.
void RefFraction(double value, RefInt* num, RefInt* den);
// num / den rounded to an integer, ties to even (quotient below 2^64).
uint64_t RefRoundQuotient(RefInt num, const RefInt& den);

// The correctly rounded 16 significant digits of a finite non-zero double:
// |value| ~ digits * 10^(exponent - 15), ties to even.
struct RefDigits {
    uint64_t digits;
    int exponent;
};
RefDigits RefSixteenDigits(double value);

// Bits of the double nearest to w * 10^p (w >= 0), ties to even; positive.
uint64_t RefNearestDouble(uint64_t w, int p);

// The first 18 significant digits (truncated) of the midpoint between the
// positive finite double v and the next double up: mid ~ digits * 10^p.
void RefMidpointDigits(double v, uint64_t* digits, int* p);

// "%La"-like text of a double's bits for failure messages.
std::string Hex(double value);
