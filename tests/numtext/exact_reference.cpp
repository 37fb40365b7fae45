#include "tests/numtext/exact_reference.h"

#include <cassert>
#include <cmath>
#include <cstdio>
#include <cstring>

static void Trim(RefInt& x)
{
    while (!x.limb.empty() && x.limb.back() == 0) x.limb.pop_back();
}

RefInt RefFromWord(uint64_t value)
{
    RefInt x;
    x.limb = {(uint32_t)value, (uint32_t)(value >> 32)};
    Trim(x);
    return x;
}

void RefMultiplySmall(RefInt& x, uint32_t factor)
{
    uint64_t carry = 0;
    for (uint32_t& l : x.limb) {
        uint64_t p = (uint64_t)l * factor + carry;
        l = (uint32_t)p;
        carry = p >> 32;
    }
    if (carry) x.limb.push_back((uint32_t)carry);
    Trim(x);
}

void RefMultiplyPowerOfTen(RefInt& x, int n)
{
    for (; n >= 9; n -= 9) RefMultiplySmall(x, 1000000000u);
    for (; n > 0; --n) RefMultiplySmall(x, 10);
}

void RefMultiplyPowerOfFive(RefInt& x, int n)
{
    for (; n >= 13; n -= 13) RefMultiplySmall(x, 1220703125u);  // 5^13
    for (; n > 0; --n) RefMultiplySmall(x, 5);
}

static void ShiftRightOne(RefInt& x)
{
    for (size_t i = 0; i < x.limb.size(); ++i) {
        uint32_t next = i + 1 < x.limb.size() ? x.limb[i + 1] : 0;
        x.limb[i] = (x.limb[i] >> 1) | (next << 31);
    }
    Trim(x);
}

void RefShiftLeft(RefInt& x, int bits)
{
    if (x.limb.empty()) return;
    x.limb.insert(x.limb.begin(), bits / 32, 0u);
    int s = bits % 32;
    if (s) {
        uint32_t carry = 0;
        for (uint32_t& l : x.limb) {
            uint32_t next = l >> (32 - s);
            l = (l << s) | carry;
            carry = next;
        }
        if (carry) x.limb.push_back(carry);
    }
}

int RefCompare(const RefInt& x, const RefInt& y)
{
    if (x.limb.size() != y.limb.size()) return x.limb.size() < y.limb.size() ? -1 : 1;
    for (size_t i = x.limb.size(); i-- > 0;) {
        if (x.limb[i] != y.limb[i]) return x.limb[i] < y.limb[i] ? -1 : 1;
    }
    return 0;
}

void RefSubtract(RefInt& x, const RefInt& y)
{
    int64_t borrow = 0;
    for (size_t i = 0; i < x.limb.size(); ++i) {
        int64_t d = (int64_t)x.limb[i] - (i < y.limb.size() ? y.limb[i] : 0) - borrow;
        borrow = d < 0;
        x.limb[i] = (uint32_t)(d + (borrow << 32));
    }
    Trim(x);
}

void RefAdd(RefInt& x, const RefInt& y)
{
    if (x.limb.size() < y.limb.size()) x.limb.resize(y.limb.size(), 0u);
    uint64_t carry = 0;
    for (size_t i = 0; i < x.limb.size(); ++i) {
        uint64_t s = (uint64_t)x.limb[i] + (i < y.limb.size() ? y.limb[i] : 0) + carry;
        x.limb[i] = (uint32_t)s;
        carry = s >> 32;
    }
    if (carry) x.limb.push_back((uint32_t)carry);
    Trim(x);
}

RefInt RefMultiply(const RefInt& x, const RefInt& y)
{
    RefInt p;
    p.limb.assign(x.limb.size() + y.limb.size(), 0u);
    for (size_t i = 0; i < x.limb.size(); ++i) {
        uint64_t carry = 0;
        for (size_t j = 0; j < y.limb.size(); ++j) {
            uint64_t t = (uint64_t)x.limb[i] * y.limb[j] + p.limb[i + j] + carry;
            p.limb[i + j] = (uint32_t)t;
            carry = t >> 32;
        }
        p.limb[i + y.limb.size()] = (uint32_t)carry;
    }
    Trim(p);
    return p;
}

int RefBitLength(const RefInt& x)
{
    if (x.limb.empty()) return 0;
    int bits = 32 * (int)(x.limb.size() - 1);
    for (uint32_t top = x.limb.back(); top; top >>= 1) ++bits;
    return bits;
}

uint64_t RefDivide(RefInt& a, const RefInt& b)
{
    uint64_t q = 0;
    RefInt t = b;
    RefShiftLeft(t, 63);
    for (int bit = 63; bit >= 0; --bit, ShiftRightOne(t)) {
        if (RefCompare(a, t) >= 0) {
            RefSubtract(a, t);
            q |= 1ull << bit;
        }
    }
    return q;
}

void RefFraction(double value, RefInt* num, RefInt* den)
{
    int e;
    double f = std::frexp(std::fabs(value), &e);  // |value| = f * 2^e, 0.5 <= f < 1
    uint64_t m = (uint64_t)std::ldexp(f, 64 - 11);  // 53 bits, exact
    e -= 53;
    *num = RefFromWord(m);
    *den = RefFromWord(1);
    if (e >= 0) RefShiftLeft(*num, e);
    else RefShiftLeft(*den, -e);
}

// num/den * 10^q as a scaled pair.
static void Scale(RefInt& num, RefInt& den, int q)
{
    if (q >= 0) RefMultiplyPowerOfTen(num, q);
    else RefMultiplyPowerOfTen(den, -q);
}

uint64_t RefRoundQuotient(RefInt num, const RefInt& den)
{
    uint64_t q = RefDivide(num, den);
    RefShiftLeft(num, 1);  // 2 * remainder against den
    int c = RefCompare(num, den);
    if (c > 0 || (c == 0 && (q & 1))) ++q;
    return q;
}

RefDigits RefSixteenDigits(double value)
{
    RefInt num, den;
    RefFraction(value, &num, &den);
    // E: the largest with 10^E <= |value|, from an estimate moved by exact tests.
    int e = (int)std::floor(std::log10(std::fabs(value)));
    for (;;) {
        RefInt n = num, d = den;
        Scale(n, d, -e);
        if (RefCompare(n, d) < 0) { --e; continue; }  // value < 10^E
        RefInt n1 = num, d1 = den;
        Scale(n1, d1, -(e + 1));
        if (RefCompare(n1, d1) >= 0) { ++e; continue; }  // value >= 10^(E+1)
        break;
    }
    Scale(num, den, 15 - e);
    RefDigits r;
    r.digits = RefRoundQuotient(num, den);
    r.exponent = e;
    if (r.digits == 10000000000000000ull) {
        r.digits = 1000000000000000ull;
        r.exponent += 1;
    }
    return r;
}

uint64_t RefNearestDouble(uint64_t w, int p)
{
    if (w == 0) return 0;
    // Far outside the double range the answer is plain; 10^-400 * 10^18 is
    // far below 2^-1075 and 10^400 far above DBL_MAX.
    if (p < -400) return 0;
    if (p > 400) return 0x7FF0000000000000ull;
    RefInt num = RefFromWord(w), den = RefFromWord(1);
    Scale(num, den, p);
    // e2: 2^e2 <= value < 2^(e2+1).
    int e2 = RefBitLength(num) - RefBitLength(den);
    {
        RefInt d = den;
        if (e2 >= 0) RefShiftLeft(d, e2);
        RefInt n = num;
        if (e2 < 0) RefShiftLeft(n, -e2);
        if (RefCompare(n, d) < 0) --e2;
    }
    if (e2 > 1023) return 0x7FF0000000000000ull;
    int last = e2 >= -1022 ? e2 - 52 : -1074;  // exponent of the last place
    if (last >= 0) RefShiftLeft(den, last);
    else RefShiftLeft(num, -last);
    uint64_t m = RefRoundQuotient(num, den);
    uint64_t bits = e2 >= -1022 ? ((uint64_t)(e2 + 1022) << 52) + m : m;
    if (bits > 0x7FF0000000000000ull) bits = 0x7FF0000000000000ull;
    return bits;
}

void RefMidpointDigits(double v, uint64_t* digits, int* p)
{
    // mid = (2m + 1) * 2^(e - 1) with v = m * 2^e.
    int e;
    double f = std::frexp(v, &e);
    uint64_t m = (uint64_t)std::ldexp(f, 53);
    e -= 53;
    if (e < -1074) {  // denormal: the last place is 2^-1074
        m >>= (-1074 - e);
        e = -1074;
    }
    RefInt num = RefFromWord(2 * m + 1), den = RefFromWord(1);
    if (e - 1 >= 0) RefShiftLeft(num, e - 1);
    else RefShiftLeft(den, 1 - e);
    int k = (int)std::floor(std::log10(v));
    // 18 digits: mid * 10^(17 - k) in [10^17, 10^18), nudging k as needed.
    for (;;) {
        RefInt n = num, d = den;
        Scale(n, d, 17 - k);
        uint64_t q = RefDivide(n, d);
        if (q >= 1000000000000000000ull) { ++k; continue; }
        if (q < 100000000000000000ull) { --k; continue; }
        *digits = q;
        *p = k - 17;
        return;
    }
}

std::string Hex(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}
