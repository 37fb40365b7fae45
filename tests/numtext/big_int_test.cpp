// The fixed-size big integers against the plain arbitrary-size reference, on
// seeded random operands of every length the exact paths use.
#include "numtext/big_int.h"
#include "tests/numtext/exact_reference.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>

namespace {

RefInt ToRef(const BigInt& x)
{
    RefInt r;
    for (int i = 0; i < x.used; ++i) r.limb.push_back(x.limb[i]);
    return r;
}

bool Same(const BigInt& x, const RefInt& y) { return RefCompare(ToRef(x), y) == 0; }

// Limbs little-endian, as written in the division cases below.
BigInt FromLimbs(std::initializer_list<uint32_t> limbs)
{
    BigInt x;
    x.used = 0;
    for (uint32_t limb : limbs) x.limb[x.used++] = limb;
    while (x.used > 0 && x.limb[x.used - 1] == 0) --x.used;
    return x;
}

// A random number of `limbs` limbs whose top limb is non-zero; now and then
// runs of all-ones or zero limbs, where carries and borrows travel far.
BigInt RandomBig(std::mt19937_64& random, int limbs)
{
    BigInt x;
    int pattern = (int)(random() % 4);
    for (int i = 0; i < limbs; ++i) {
        uint32_t limb = (uint32_t)random();
        if (pattern == 1) limb = 0xFFFFFFFFu;
        if (pattern == 2 && i + 1 < limbs) limb = 0;
        x.limb[i] = limb;
    }
    if (x.limb[limbs - 1] == 0) x.limb[limbs - 1] = 1;
    x.used = limbs;
    return x;
}

TEST(BigInt, ArithmeticAgreesWithReference)
{
    std::mt19937_64 random(20261208);
    for (int trial = 0; trial < 3000; ++trial) {
        SCOPED_TRACE(trial);
        BigInt x = RandomBig(random, 1 + (int)(random() % 20));
        BigInt y = RandomBig(random, 1 + (int)(random() % 20));
        RefInt rx = ToRef(x), ry = ToRef(y);
        EXPECT_EQ(BigCompare(x, y), RefCompare(rx, ry));
        EXPECT_EQ(BigBitLength(x), RefBitLength(rx));

        BigInt sum = x;
        BigAdd(sum, y);
        RefInt rsum = rx;
        RefAdd(rsum, ry);
        EXPECT_TRUE(Same(sum, rsum));
        BigSubtract(sum, y);
        EXPECT_EQ(BigCompare(sum, x), 0);

        uint64_t word = random() >> (random() % 64);
        BigInt product = x;
        BigMultiplyWord(product, word);
        EXPECT_TRUE(Same(product, RefMultiply(rx, RefFromWord(word)))) << word;

        int shift = (int)(random() % 300);
        BigInt shifted = x;
        BigShiftLeft(shifted, shift);
        RefInt rshifted = rx;
        RefShiftLeft(rshifted, shift);
        EXPECT_TRUE(Same(shifted, rshifted));

        int five = (int)(random() % 200);
        BigInt powered = x;
        BigMultiplyPowerOfFive(powered, five);
        RefInt rpowered = rx;
        RefMultiplyPowerOfFive(rpowered, five);
        EXPECT_TRUE(Same(powered, rpowered));

        // The leading bits are x * 2^(64 - length), cut to an integer.
        int length = RefBitLength(rx);
        RefInt top = rx, unit = RefFromWord(1);
        if (length < 64) RefShiftLeft(top, 64 - length);
        else RefShiftLeft(unit, length - 64);
        EXPECT_EQ(BigLeadingBits(x), RefDivide(top, unit));
    }
}

// n = q * d + r with a random divisor of 1 to 30 limbs and a quotient of up
// to 64 bits, often at the top of that range.
TEST(BigInt, DivisionWithQuotientBelow2To64)
{
    std::mt19937_64 random(77);
    for (int trial = 0; trial < 20000; ++trial) {
        SCOPED_TRACE(trial);
        int limbs = 1 + (int)(random() % 30);
        BigInt d = RandomBig(random, limbs);
        uint64_t q = random() >> (random() % 64);
        if (trial % 5 == 0) q = ~0ull - (random() % 3);
        BigInt r = RandomBig(random, 1 + (int)(random() % limbs));
        if (BigCompare(r, d) >= 0) BigSetWord(r, 0);
        BigInt n = d;
        BigMultiplyWord(n, q);
        BigAdd(n, r);

        BigInt remainder = n;
        ASSERT_EQ(BigDivide(remainder, d), q);
        ASSERT_EQ(BigCompare(remainder, r), 0);
    }
}

// Divisions where the first digit estimate is too large even after the
// two-digit correction, so the multiply-subtract goes negative and the
// divisor is added back; and ones where the subtracted quantity has its top
// bit set. The reference gives the expected quotient and remainder.
TEST(BigInt, DivisionAddBack)
{
    struct Case {
        BigInt n, d;
    };
    const Case cases[] = {
        {FromLimbs({3, 0, 0x80000000}), FromLimbs({1, 0, 0x20000000})},
        {FromLimbs({3, 0, 0x8000}), FromLimbs({1, 0, 0x2000})},
        {FromLimbs({0, 0, 0x8000, 0x7FFF}), FromLimbs({1, 0, 0x8000})},
        {FromLimbs({0, 0, 0x8000, 0x8000}), FromLimbs({0, 0xFFFF, 0x8000})},
        {FromLimbs({0, 0xFFFE, 0, 0x8000}), FromLimbs({0xFFFF, 0, 0x8000})},
        {FromLimbs({0, 0xFFFFFFFE, 0, 0x80000000}), FromLimbs({0xFFFF, 0, 0x80000000})},
        {FromLimbs({0, 0xFFFFFFFE, 0, 0x80000000}), FromLimbs({0xFFFFFFFF, 0, 0x80000000})},
    };
    for (const Case& c : cases) {
        BigInt remainder = c.n;
        uint64_t quotient = BigDivide(remainder, c.d);
        RefInt rn = ToRef(c.n);
        EXPECT_EQ(quotient, RefDivide(rn, ToRef(c.d)));
        EXPECT_TRUE(Same(remainder, rn));
    }
}

TEST(BigInt, Zero)
{
    BigInt x;
    BigSetWord(x, 0);
    EXPECT_TRUE(BigIsZero(x));
    EXPECT_EQ(BigBitLength(x), 0);
    EXPECT_EQ(BigLeadingBits(x), 0u);
    BigMultiplyWord(x, 123456789012345ull);
    EXPECT_TRUE(BigIsZero(x));
    BigSetWord(x, 5);
    BigMultiplySmall(x, 0);
    EXPECT_TRUE(BigIsZero(x));
    BigInt d;
    BigSetWord(d, 7);
    BigSetWord(x, 6);
    EXPECT_EQ(BigDivide(x, d), 0u);  // below the divisor: all of it is the remainder
    EXPECT_EQ(x.used, 1);
    EXPECT_EQ(x.limb[0], 6u);
}

}  // namespace
