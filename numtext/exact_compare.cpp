// Exact comparison of m * 2^a * 5^b products: the slow, certain path that the
// fast double <-> text conversions take when their 128-bit estimate lies too
// close to a rounding boundary to decide.
#include "numtext/big_int.h"
#include "numtext/numtext_internal.h"

int CompareExact(uint64_t xm, int x2, int x5, uint64_t ym, int y2, int y5)
{
    // The largest operand built by the number text routines is
    // 2 * (2^53 - 1) * 5^342 * 2^... aligned to the other side: below 2^1100,
    // inside the big integers' 1536 bits.
    BigInt x, y;
    BigSetWord(x, xm);
    BigSetWord(y, ym);
    // Move every power to the side where its exponent is larger, so only
    // multiplications remain.
    if (x5 > y5) BigMultiplyPowerOfFive(x, x5 - y5);
    else BigMultiplyPowerOfFive(y, y5 - x5);
    if (x2 > y2) BigShiftLeft(x, x2 - y2);
    else BigShiftLeft(y, y2 - x2);
    return BigCompare(x, y);
}
