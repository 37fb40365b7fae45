// Fixed-size big integer arithmetic: schoolbook operations on 32-bit limbs
// with 64-bit intermediates, so the same code serves x86-64 and i686.
#include "numtext/big_int.h"

#include <cassert>

namespace {

const uint64_t kLimbBase = 1ull << 32;

void Trim(BigInt& x)
{
    while (x.used > 0 && x.limb[x.used - 1] == 0) --x.used;
}

int LeadingZeros32(uint32_t v)
{
    return v ? __builtin_clz(v) : 32;
}

}  // namespace

void BigMultiplySmall(BigInt& x, uint32_t factor)
{
    uint64_t carry = 0;
    for (int i = 0; i < x.used; ++i) {
        uint64_t product = (uint64_t)x.limb[i] * factor + carry;
        x.limb[i] = (uint32_t)product;
        carry = product >> 32;
    }
    if (carry) {
        assert(x.used < kBigIntLimbs);
        x.limb[x.used++] = (uint32_t)carry;
    }
    if (factor == 0) x.used = 0;
}

void BigMultiplyWord(BigInt& x, uint64_t factor)
{
    uint32_t low = (uint32_t)factor, high = (uint32_t)(factor >> 32);
    if (high == 0) {
        BigMultiplySmall(x, low);
        return;
    }
    // Two rows of the schoolbook product, added as they are formed.
    assert(x.used + 2 <= kBigIntLimbs);
    uint32_t result[kBigIntLimbs];
    uint64_t carry = 0;
    for (int i = 0; i < x.used; ++i) {
        uint64_t product = (uint64_t)x.limb[i] * low + carry;
        result[i] = (uint32_t)product;
        carry = product >> 32;
    }
    result[x.used] = (uint32_t)carry;
    carry = 0;
    for (int i = 0; i < x.used; ++i) {
        uint64_t sum = (uint64_t)x.limb[i] * high + result[i + 1] + carry;
        result[i + 1] = (uint32_t)sum;
        carry = sum >> 32;
    }
    result[x.used + 1] = (uint32_t)carry;
    int used = x.used + 2;
    for (int i = 0; i < used; ++i) x.limb[i] = result[i];
    x.used = used;
    Trim(x);
}

void BigMultiplyPowerOfFive(BigInt& x, int n)
{
    assert(n >= 0);
    // 5^13 = 1220703125 is the largest power of five below 2^32.
    const uint32_t kFive13 = 1220703125u;
    for (; n >= 13; n -= 13) BigMultiplySmall(x, kFive13);
    uint32_t rest = 1;
    for (; n > 0; --n) rest *= 5;
    if (rest != 1) BigMultiplySmall(x, rest);
}

void BigMultiplyPowerOfTen(BigInt& x, int n)
{
    BigMultiplyPowerOfFive(x, n);
    BigShiftLeft(x, n);
}

void BigShiftLeft(BigInt& x, int bits)
{
    assert(bits >= 0);
    if (x.used == 0 || bits == 0) return;
    int words = bits / 32, shift = bits % 32;
    assert(x.used + words + 1 <= kBigIntLimbs);
    for (int i = x.used; i >= 0; --i) {
        uint32_t high = i < x.used ? x.limb[i] : 0;
        uint32_t low = i > 0 ? x.limb[i - 1] : 0;
        x.limb[i + words] = shift ? (high << shift) | (low >> (32 - shift)) : high;
    }
    for (int i = 0; i < words; ++i) x.limb[i] = 0;
    x.used += words + 1;
    Trim(x);
}

void BigMultiply(BigInt& x, const BigInt& y)
{
    if (x.used == 0 || y.used == 0) {
        x.used = 0;
        return;
    }
    assert(x.used + y.used <= kBigIntLimbs);
    uint32_t result[kBigIntLimbs];
    int used = x.used + y.used;
    for (int i = 0; i < used; ++i) result[i] = 0;
    for (int i = 0; i < x.used; ++i) {
        uint64_t carry = 0;
        for (int j = 0; j < y.used; ++j) {
            uint64_t sum = (uint64_t)x.limb[i] * y.limb[j] + result[i + j] + carry;
            result[i + j] = (uint32_t)sum;
            carry = sum >> 32;
        }
        result[i + y.used] = (uint32_t)carry;
    }
    for (int i = 0; i < used; ++i) x.limb[i] = result[i];
    x.used = used;
    Trim(x);
}

void BigAdd(BigInt& x, const BigInt& y)
{
    int longer = x.used > y.used ? x.used : y.used;
    uint64_t carry = 0;
    for (int i = 0; i < longer; ++i) {
        uint64_t sum = (i < x.used ? x.limb[i] : 0) + (uint64_t)(i < y.used ? y.limb[i] : 0) + carry;
        x.limb[i] = (uint32_t)sum;
        carry = sum >> 32;
    }
    x.used = longer;
    if (carry) {
        assert(x.used < kBigIntLimbs);
        x.limb[x.used++] = (uint32_t)carry;
    }
}

void BigSubtract(BigInt& x, const BigInt& y)
{
    assert(BigCompare(x, y) >= 0);
    uint64_t borrow = 0;
    for (int i = 0; i < x.used; ++i) {
        uint64_t subtrahend = (uint64_t)(i < y.used ? y.limb[i] : 0) + borrow;
        borrow = x.limb[i] < subtrahend ? 1 : 0;
        x.limb[i] = (uint32_t)(x.limb[i] + (borrow << 32) - subtrahend);
    }
    Trim(x);
}

int BigCompare(const BigInt& x, const BigInt& y)
{
    if (x.used != y.used) return x.used < y.used ? -1 : 1;
    for (int i = x.used - 1; i >= 0; --i) {
        if (x.limb[i] != y.limb[i]) return x.limb[i] < y.limb[i] ? -1 : 1;
    }
    return 0;
}

int BigBitLength(const BigInt& x)
{
    if (x.used == 0) return 0;
    return 32 * x.used - LeadingZeros32(x.limb[x.used - 1]);
}

uint64_t BigLeadingBits(const BigInt& x)
{
    if (x.used == 0) return 0;
    // The top three limbs hold at least 65 significant bits (the top limb
    // has at least one), enough for 64 from the leading one.
    uint64_t top = x.limb[x.used - 1];
    uint64_t middle = x.used >= 2 ? x.limb[x.used - 2] : 0;
    uint64_t low = x.used >= 3 ? x.limb[x.used - 3] : 0;
    int shift = LeadingZeros32((uint32_t)top);
    uint64_t bits = (top << 32 | middle) << shift;
    if (shift) bits |= low >> (32 - shift);
    return bits;
}

double BigLog2Estimate(const BigInt& x)
{
    assert(x.used > 0);
    const double kTwoToMinus63 = 1.0 / 9223372036854775808.0;  // the leading 64 bits as 1.f
    return (BigBitLength(x) - 1) + (double)(BigLeadingBits(x) - (1ull << 63)) * kTwoToMinus63;
}

// Knuth's algorithm D (TAOCP 4.3.1) with 32-bit digits: each quotient digit
// is estimated from the top two digits of the remainder and the top digit of
// the normalised divisor, corrected with the divisor's second digit (then at
// most one too large), and settled by the multiply-subtract with an add-back.
uint64_t BigDivide(BigInt& n, const BigInt& d)
{
    assert(d.used > 0);
    if (BigCompare(n, d) < 0) return 0;

    if (d.used == 1) {
        // One-digit divisor: short division from the top.
        uint64_t divisor = d.limb[0], remainder = 0, quotient = 0;
        for (int i = n.used - 1; i >= 0; --i) {
            uint64_t current = remainder << 32 | n.limb[i];
            // Precondition: the quotient fits in 64 bits, so digits above
            // the second are zero and the shift loses nothing.
            assert(i < 2 || current / divisor == 0);
            quotient = quotient << 32 | current / divisor;
            remainder = current % divisor;
        }
        BigSetWord(n, remainder);
        return quotient;
    }

    // Normalise: shift both so that the divisor's top digit has its top bit
    // set; then each estimate is at most two too large.
    int dn = d.used, m = n.used;
    assert(m - dn <= 2);  // quotient below 2^64: at most three digits, the third zero
    int shift = LeadingZeros32(d.limb[dn - 1]);
    uint32_t v[kBigIntLimbs], u[kBigIntLimbs + 1];
    for (int i = dn - 1; i > 0; --i)
        v[i] = shift ? (d.limb[i] << shift) | (d.limb[i - 1] >> (32 - shift)) : d.limb[i];
    v[0] = d.limb[0] << shift;
    u[m] = shift ? n.limb[m - 1] >> (32 - shift) : 0;
    for (int i = m - 1; i > 0; --i)
        u[i] = shift ? (n.limb[i] << shift) | (n.limb[i - 1] >> (32 - shift)) : n.limb[i];
    u[0] = n.limb[0] << shift;

    uint64_t quotient = 0;
    for (int j = m - dn; j >= 0; --j) {
        uint64_t top = (uint64_t)u[j + dn] << 32 | u[j + dn - 1];
        uint64_t estimate = top / v[dn - 1];
        uint64_t rest = top % v[dn - 1];
        while (estimate >= kLimbBase || estimate * v[dn - 2] > (rest << 32 | u[j + dn - 2])) {
            --estimate;
            rest += v[dn - 1];
            if (rest >= kLimbBase) break;
        }
        // Multiply and subtract: u[j .. j+dn] -= estimate * v.
        uint64_t carry = 0, borrow = 0;
        for (int i = 0; i < dn; ++i) {
            uint64_t product = estimate * v[i] + carry;
            carry = product >> 32;
            uint64_t subtrahend = (product & 0xFFFFFFFFu) + borrow;
            borrow = u[i + j] < subtrahend ? 1 : 0;
            u[i + j] = (uint32_t)(u[i + j] + (borrow << 32) - subtrahend);
        }
        uint64_t subtrahend = carry + borrow;
        bool negative = u[j + dn] < subtrahend;
        u[j + dn] = (uint32_t)(u[j + dn] - subtrahend);
        if (negative) {
            // The estimate was one too large: add the divisor back.
            --estimate;
            uint64_t sum = 0;
            for (int i = 0; i < dn; ++i) {
                sum = (uint64_t)u[i + j] + v[i] + (sum >> 32);
                u[i + j] = (uint32_t)sum;
            }
            u[j + dn] += (uint32_t)(sum >> 32);
        }
        assert(j < 2 || estimate == 0);
        quotient = quotient << 32 | estimate;
    }

    // The remainder is u[0 .. dn-1], shifted back.
    for (int i = 0; i < dn; ++i)
        n.limb[i] = shift ? (u[i] >> shift) | (u[i + 1] << (32 - shift)) : u[i];
    n.used = dn;
    Trim(n);
    return quotient;
}
