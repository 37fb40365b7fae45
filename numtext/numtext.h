// Number text: the value boxes' text to a double and back, and the general
// 80-bit extended-precision routines under them.
#pragma once
#include <cfloat>
#include <cstdint>

// The routines work on the x87 80-bit extended format (64-bit significand),
// which GCC's long double is on x86 and x86-64, MinGW included.
static_assert(LDBL_MANT_DIG == 64, "long double must be the x87 80-bit extended format");

const unsigned FMT_VALUE_DIRECT = 0x0001;         // value handed over in the call
const unsigned FMT_VALUE_AT_ADDRESS = 0x0002;     // value read from valueAddress
const unsigned FMT_DECIMALS_AT_ADDRESS = 0x0400;  // decimals is the address of an int
const unsigned FMT_SCIENTIFIC = 0x8000;           // scientific notation for every value
const unsigned PARSE_RETURN_VALUE = 0x0080;       // hand the value back, leave dest alone

// Longest text the formatter writes, NUL included: "-1.234567890123456E-0300".
const int FORMAT_MAX_TEXT = 25;

// Writes value with decimals (clamped to 0..15) in fixed (numFormat != 0) or
// scientific notation; returns 0 and leaves out untouched for NaN or infinity.
// The 16 significant digits are the correctly rounded ones (ties to even).
int FormatReal(double value, int decimals, char* out, int numFormat);

// Reads the whole text as a number; stores the NaN 0xFFF8000000000000 and
// returns 0 when the text is not accepted. The double stored is the correctly
// rounded value of the decimal text.
int ParseReal(const char* text, double* result);

// The general formatter. The value is `value` with FMT_VALUE_DIRECT, else
// *valueAddress with FMT_VALUE_AT_ADDRESS; with neither it fails. `decimals`
// is the count, or with FMT_DECIMALS_AT_ADDRESS the address of an int holding
// it (cast to intptr_t). Writes at most FORMAT_MAX_TEXT bytes to out and
// returns non-zero; on failure returns 0 and leaves out untouched.
int FormatExtended(long double value, const long double* valueAddress, intptr_t decimals,
                   char* out, unsigned flags);

// The general parser. On success stores the value at *dest, or with
// PARSE_RETURN_VALUE at *handedBack (dest is then not used), and returns
// non-zero; on failure returns 0 and writes nothing.
int ParseExtended(const char* text, long double* dest, unsigned flags,
                  long double* handedBack = nullptr);

// 10^n in extended precision, as 2^f * 2^i with i = round(n * log2(10)).
long double PowerOfTen(int n);
