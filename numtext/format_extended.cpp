// The general formatter: an 80-bit extended value to value box text, on the
// x87 unit's own logarithm, power of ten and packed decimal store. Not on the
// program's own path (FormatReal is); the tests hold the two against each other.
#include <cassert>
#include <cstring>

#include "numtext/extended.h"
#include "numtext/numtext.h"
#include "numtext/numtext_internal.h"
#include "numtext/x87.h"

namespace {

// Working storage of the routine (not reentrant: one user-interface thread).
int32_t g_exponent;          // E
int32_t g_decimals;          // D after clamping
PackedDecimal g_packed;      // N as 18 packed decimal digits
uint16_t g_status;           // x87 status word after the packed store
long double g_value;         // the value being formatted
long double g_scale;         // 10^(15 - E)

// 10^15 <= N < 10^16 in packed digits: byte 8 (10^16 and 10^17) is zero and
// the high nibble of byte 7 (10^15) is not.
bool PackedAtLeast1e16(const PackedDecimal& p) { return p.bytes[8] != 0; }
bool PackedBelow1e15(const PackedDecimal& p) { return p.bytes[8] == 0 && (p.bytes[7] >> 4) == 0; }

uint64_t PackedToInteger(const PackedDecimal& p)
{
    uint64_t n = 0;
    for (int i = 8; i >= 0; --i) n = n * 100 + (p.bytes[i] >> 4) * 10 + (p.bytes[i] & 0x0F);
    return n;
}

// Steps 5 and 6: N = value * 10^(15 - E) rounded by the mode in force.
void ScaleToPacked()
{
    int32_t p = 15 - g_exponent;
    if (p != 0) {
        g_scale = PowerOfTen(p);
        X87StorePacked(&g_value, &g_scale, &g_packed);
    } else {
        X87StorePacked(&g_value, nullptr, &g_packed);
    }
    g_status = X87Status();
}

int Fail()
{
    X87Reset();
    return 0;
}

}  // namespace

int ClampDecimals(int32_t decimals)
{
    if (decimals < 0) return 0;
    if (decimals > 15) return 15;
    return decimals;
}

int FormatExtended(long double value, const long double* valueAddress, intptr_t decimals,
                   char* out, unsigned flags)
{
    // Step 1: clear the exception flags; read and clamp the decimals.
    X87ClearExceptions();
    g_decimals = ClampDecimals((flags & FMT_DECIMALS_AT_ADDRESS) ? *(const int32_t*)decimals
                                                                  : (int32_t)decimals);

    // Step 2: take the value. Without the direct value the unit is reset
    // first; without any value source the call fails (after a second reset).
    if (flags & FMT_VALUE_DIRECT) {
        g_value = value;
    } else {
        X87Reset();
        if (!(flags & FMT_VALUE_AT_ADDRESS)) return Fail();
        // Precondition: FMT_VALUE_AT_ADDRESS comes with an address.
        assert(valueAddress != nullptr);
        g_value = *valueAddress;
    }

    // Step 3: a NaN fails; +0 and -0 are written as a bare "0".
    if (g_value != g_value) return Fail();
    if (g_value == 0) {
        out[0] = '0';
        out[1] = '\0';
        return 1;
    }

    // Step 4: E from log10(2) * log2|value|, truncated, minus one below 1.
    // An infinity makes the conversion invalid; stop here rather than carry
    // the integer indefinite into 15 - E.
    g_exponent = X87TruncatedLog10(&g_value);
    if (X87Status() & X87_INVALID_FLAG) return Fail();
    if (g_value < 1 && g_value > -1) g_exponent -= 1;

    // Steps 5 and 6: scale to an integer and store it as packed decimal.
    ScaleToPacked();
    if (g_status & X87_INVALID_FLAG) return Fail();

    // Step 7: a 17th digit (carry or low estimate) or only 15 digits (high
    // estimate) moves E by one; one correction always suffices.
    if (PackedAtLeast1e16(g_packed)) {
        g_exponent += 1;
        ScaleToPacked();
    } else if (PackedBelow1e15(g_packed)) {
        g_exponent -= 1;
        ScaleToPacked();
    }
    if (g_status & X87_INVALID_FLAG) return Fail();

    // Step 8: lay out the digits.
    DecimalDigits d;
    d.negative = (g_packed.bytes[9] & 0x80) != 0;
    d.digits = PackedToInteger(g_packed);
    d.exponent = g_exponent;
    if (d.digits < 1000000000000000ull || d.digits >= 10000000000000000ull) return Fail();
    WriteDecimalText(d, g_decimals, (flags & FMT_SCIENTIFIC) != 0, out);
    return 1;
}
