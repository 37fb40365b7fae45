// The decimal pieces of the number text routines, for exact arithmetic
// elsewhere: a typed text as the exact decimal it writes, the correctly
// rounded 16 digits of a double, exact comparison of m * 2^a * 5^b products,
// and the value box layout of 16 digits.
#pragma once
#include <cstdint>

// A finite non-zero value reduced to 16 significant digits: |value| is about
// digits * 10^(exponent - 15).
struct DecimalDigits {
    bool negative;
    uint64_t digits;   // N, 10^15 <= N < 10^16
    int32_t exponent;  // E, the power of ten of the leading digit
};

// The decimals count as every formatter takes it: below 0 is 0, above 15 is 15.
int ClampDecimals(int32_t decimals);

// Writes the value box text for d with 0 <= decimals <= 15 and returns the
// number of bytes written, NUL included (at most 25).
int WriteDecimalText(const DecimalDigits& d, int decimals, bool scientific, char* out);

// The notations an answer is laid out in (the NUM_FORMAT setting). Any value
// other than 0 and 2 is fixed notation, as it always was.
const int NUM_FORMAT_SCIENTIFIC = 0;
const int NUM_FORMAT_FIXED = 1;
const int NUM_FORMAT_AUTOMATIC = 2;   // fixed, unless that shows no significant digit

// Whether an answer of d is laid out in scientific notation: always with 0;
// with 2 when fixed notation would show no significant digit (d lies below
// the last place shown). Fixed notation turns to scientific from 10^16 by
// itself. 0 <= decimals <= 15.
bool LaysOutScientific(const DecimalDigits& d, int decimals, int numFormat);

// WriteDecimalText in the notation numFormat chooses for d.
int WriteAnswerText(const DecimalDigits& d, int decimals, int numFormat, char* out);

// The 16 digits FormatReal shows for value, rounded once from its exact
// value (ties to even). Returns 0 for zero, NaN and infinities.
int SixteenDigits(double value, DecimalDigits* d);

// An accepted text, as scanned: +/- digits * 10^(exponent - fractionDigits),
// fractionDigits = digitCount - integerDigits.
struct ScannedNumber {
    bool negative;
    uint64_t digits;         // the mantissa digits read as an integer, < 10^18
    int32_t digitCount;      // 1..18, leading and trailing zeros counted
    int32_t integerDigits;   // I: digits before the point, 0..18
    int32_t exponent;        // -4931..4931
};

// Scans text by the accepted form; returns 0 when the text is not accepted.
int ScanNumber(const char* text, ScannedNumber* number);

// Sign of x - y for x = xm * 2^x2 * 5^x5 and y = ym * 2^y2 * 5^y5, in exact
// integer arithmetic. The exponents must keep both sides below 2^1536 once
// aligned (every power goes to the side where its exponent is larger).
int CompareExact(uint64_t xm, int x2, int x5, uint64_t ym, int y2, int y5);
