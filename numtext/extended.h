// Number text, the general routines: formatting and parsing on the x87 unit's
// 80-bit extended format, steered by flag words, and the power of ten both
// scale by. The program itself ships FormatReal and ParseReal (numtext.h),
// which compute the same texts and values exactly in integer arithmetic; these
// routines are kept for callers that hold extended values, and the tests and
// fuzz targets hold the two paths against each other.
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

// The general formatter (format_extended.cpp). The value is `value` with
// FMT_VALUE_DIRECT, else *valueAddress with FMT_VALUE_AT_ADDRESS; with neither
// it fails. `decimals` is the count, or with FMT_DECIMALS_AT_ADDRESS the
// address of an int holding it (cast to intptr_t). Writes at most
// FORMAT_MAX_TEXT bytes to out and returns non-zero; on failure returns 0 and
// leaves out untouched.
int FormatExtended(long double value, const long double* valueAddress, intptr_t decimals,
                   char* out, unsigned flags);

// The general parser (parse_extended.cpp). On success stores the value at
// *dest, or with PARSE_RETURN_VALUE at *handedBack (dest is then not used),
// and returns non-zero; on failure returns 0 and writes nothing.
int ParseExtended(const char* text, long double* dest, unsigned flags,
                  long double* handedBack = nullptr);

// 10^n in extended precision, as 2^f * 2^i with i = round(n * log2(10))
// (power_of_ten.cpp).
long double PowerOfTen(int n);
