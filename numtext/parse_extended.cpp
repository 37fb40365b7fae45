// The general parser: accepted text to an 80-bit extended value, as an
// 18-digit packed decimal integer times a computed power of ten. Not on the
// program's own path (ParseReal is); the tests hold the two against each other.
#include "numtext/extended.h"
#include "numtext/numtext.h"
#include "numtext/numtext_internal.h"
#include "numtext/x87.h"

namespace {

// Working storage of the routine (not reentrant: one user-interface thread).
PackedDecimal g_digitBuffer;  // the mantissa digits from 10^17 down
long double g_scale;          // 10^P

// 10^0 .. 10^18.
const uint64_t kPowersOfTen[19] = {
    1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull, 10000000ull,
    100000000ull, 1000000000ull, 10000000000ull, 100000000000ull, 1000000000000ull,
    10000000000000ull, 100000000000000ull, 1000000000000000ull, 10000000000000000ull,
    100000000000000000ull, 1000000000000000000ull};

// The digits as typed, the first at 10^17: the integer times 10^(18 - count).
void FillDigitBuffer(const ScannedNumber& n)
{
    uint64_t m = n.digits * kPowersOfTen[18 - n.digitCount];
    for (int i = 0; i < 9; ++i) {
        unsigned pair = (unsigned)(m % 100);
        m /= 100;
        g_digitBuffer.bytes[i] = (uint8_t)(((pair / 10) << 4) | (pair % 10));
    }
    g_digitBuffer.bytes[9] = n.negative ? 0x80 : 0x00;
}

}  // namespace

int ParseExtended(const char* text, long double* dest, unsigned flags, long double* handedBack)
{
    // Step 1: the default state: exceptions masked, 64-bit precision,
    // rounding to nearest.
    X87Reset();

    // Steps 2 to 5: scan the text.
    ScannedNumber n;
    if (!ScanNumber(text, &n)) return 0;

    // Step 6: M * 10^P with M the 18-digit buffer (exact: M < 10^18 < 2^64)
    // and P = exponent - 18 + I in -4949 .. 4931, one rounding.
    FillDigitBuffer(n);
    int32_t p = n.exponent - 18 + n.integerDigits;
    g_scale = PowerOfTen(p);
    long double value = X87LoadPackedTimes(&g_digitBuffer, &g_scale);

    // Step 7: hand the value over.
    if (flags & PARSE_RETURN_VALUE) *handedBack = value;
    else *dest = value;
    return 1;
}
