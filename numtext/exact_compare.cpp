// Exact comparison of m * 2^a * 5^b products: the slow, certain path that the
// fast double <-> text conversions take when their 128-bit estimate lies too
// close to a rounding boundary to decide.
#include "numtext/numtext_internal.h"
#include <cassert>

namespace {

// 48 limbs of 32 bits = 1536 bits. The largest operand built here is
// 2 * (2^53 - 1) * 5^342 * 2^... aligned to the other side: below 2^1100.
const int kLimbs = 48;

struct BigInt {
    uint32_t limb[kLimbs];  // little-endian
    int used;               // limbs in use; limb[used..] are zero
};

void SetWord(BigInt& x, uint64_t value)
{
    for (int i = 0; i < kLimbs; ++i) x.limb[i] = 0;
    x.limb[0] = (uint32_t)value;
    x.limb[1] = (uint32_t)(value >> 32);
    x.used = x.limb[1] ? 2 : (x.limb[0] ? 1 : 0);
}

void MultiplySmall(BigInt& x, uint32_t factor)
{
    uint64_t carry = 0;
    for (int i = 0; i < x.used; ++i) {
        uint64_t product = (uint64_t)x.limb[i] * factor + carry;
        x.limb[i] = (uint32_t)product;
        carry = product >> 32;
    }
    if (carry) {
        // Precondition: the product fits in kLimbs limbs.
        assert(x.used < kLimbs);
        x.limb[x.used++] = (uint32_t)carry;
    }
}

void MultiplyPowerOfFive(BigInt& x, int n)
{
    // 5^13 = 1220703125 is the largest power of five below 2^32.
    const uint32_t kFive13 = 1220703125u;
    for (; n >= 13; n -= 13) MultiplySmall(x, kFive13);
    uint32_t rest = 1;
    for (; n > 0; --n) rest *= 5;
    if (rest != 1) MultiplySmall(x, rest);
}

void ShiftLeft(BigInt& x, int bits)
{
    if (x.used == 0 || bits == 0) return;
    int words = bits / 32, shift = bits % 32;
    // Precondition: the shifted value fits in kLimbs limbs.
    assert(x.used + words + 1 <= kLimbs);
    for (int i = x.used - 1 + 1; i >= 0; --i) {
        uint32_t high = i < x.used ? x.limb[i] : 0;
        uint32_t low = i > 0 ? x.limb[i - 1] : 0;
        uint32_t value = shift ? (high << shift) | (low >> (32 - shift)) : high;
        x.limb[i + words] = value;
    }
    for (int i = 0; i < words; ++i) x.limb[i] = 0;
    x.used += words + 1;
    while (x.used > 0 && x.limb[x.used - 1] == 0) --x.used;
}

int Compare(const BigInt& x, const BigInt& y)
{
    if (x.used != y.used) return x.used < y.used ? -1 : 1;
    for (int i = x.used - 1; i >= 0; --i) {
        if (x.limb[i] != y.limb[i]) return x.limb[i] < y.limb[i] ? -1 : 1;
    }
    return 0;
}

}  // namespace

int CompareExact(uint64_t xm, int x2, int x5, uint64_t ym, int y2, int y5)
{
    BigInt x, y;
    SetWord(x, xm);
    SetWord(y, ym);
    // Move every power to the side where its exponent is larger, so only
    // multiplications remain.
    if (x5 > y5) MultiplyPowerOfFive(x, x5 - y5);
    else MultiplyPowerOfFive(y, y5 - x5);
    if (x2 > y2) ShiftLeft(x, x2 - y2);
    else ShiftLeft(y, y2 - x2);
    return Compare(x, y);
}
