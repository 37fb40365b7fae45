// The value box text for 16 significant digits: fixed or scientific notation,
// digits cut (not rounded) at the last place shown.
#include "numtext/numtext_internal.h"
#include <cassert>

namespace {

// "00" "01" ... "99": two digits per division halves the divisions.
const char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// d1 .. d16 of N as characters, d1 first.
void SpellDigits(uint64_t n, char* digits)
{
    // 10^8 splits N < 10^16 into two 8-digit halves that fit in 32 bits.
    uint32_t halves[2] = {(uint32_t)(n / 100000000u), (uint32_t)(n % 100000000u)};
    for (int h = 0; h < 2; ++h) {
        uint32_t value = halves[h];
        char* at = digits + 8 * h + 6;
        for (int pair = 0; pair < 4; ++pair, at -= 2) {
            uint32_t low = value % 100;
            value /= 100;
            at[0] = kDigitPairs[2 * low];
            at[1] = kDigitPairs[2 * low + 1];
        }
    }
}

}  // namespace

int WriteDecimalText(const DecimalDigits& d, int decimals, bool scientific, char* out)
{
    // Preconditions: a 16-digit N and a clamped count of decimals.
    assert(d.digits >= 1000000000000000ull && d.digits < 10000000000000000ull);
    assert(decimals >= 0 && decimals <= 15);
    char digits[16];
    SpellDigits(d.digits, digits);
    int e = d.exponent;
    char* at = out;
    *at++ = d.negative ? '-' : ' ';

    if (!scientific && e <= 15) {
        if (e >= 0) {
            // The E + 1 integer digits, then at most 15 - E decimals, so that
            // no more than 16 significant digits ever show.
            for (int i = 0; i <= e; ++i) *at++ = digits[i];
            int shown = decimals < 15 - e ? decimals : 15 - e;
            if (shown > 0) {
                *at++ = '.';
                for (int i = 0; i < shown; ++i) *at++ = digits[e + 1 + i];
            }
        } else {
            *at++ = '0';
            *at++ = '.';
            // Below the last place shown the value leaves " 0." or "-0.".
            if (-e <= decimals) {
                for (int i = 0; i < -e - 1; ++i) *at++ = '0';
                for (int i = 0; i < decimals + e + 1; ++i) *at++ = digits[i];
            }
        }
    } else {
        // d1, the point (also with no decimals), the decimals, and the
        // exponent as a sign and exactly four digits.
        *at++ = digits[0];
        *at++ = '.';
        for (int i = 1; i <= decimals; ++i) *at++ = digits[i];
        *at++ = 'E';
        *at++ = e < 0 ? '-' : '+';
        unsigned magnitude = e < 0 ? (unsigned)-e : (unsigned)e;
        // Precondition: the extended range keeps |E| below 10^4.
        assert(magnitude <= 9999);
        *at++ = (char)('0' + magnitude / 1000);
        *at++ = (char)('0' + magnitude / 100 % 10);
        *at++ = (char)('0' + magnitude / 10 % 10);
        *at++ = (char)('0' + magnitude % 10);
    }
    *at++ = '\0';
    return (int)(at - out);
}

bool LaysOutScientific(const DecimalDigits& d, int decimals, int numFormat)
{
    if (numFormat == NUM_FORMAT_SCIENTIFIC) return true;
    if (numFormat != NUM_FORMAT_AUTOMATIC) return false;
    // The leading digit sits -E places after the point: beyond the last of
    // the `decimals` places, fixed notation shows " 0.".
    return d.exponent < 0 && -d.exponent > decimals;
}

int WriteAnswerText(const DecimalDigits& d, int decimals, int numFormat, char* out)
{
    return WriteDecimalText(d, decimals, LaysOutScientific(d, decimals, numFormat), out);
}
