// Number text as the program uses it: a value box's text to a double and a
// double back to the text a value box shows. Both are exact, in integer
// arithmetic (format_real.cpp, parse_real.cpp); no library conversion routine
// is used. The general 80-bit routines are in extended.h.
#pragma once

// Longest text the formatter writes, NUL included: "-1.234567890123456E-0300".
const int FORMAT_MAX_TEXT = 25;

// Writes value with decimals (clamped to 0..15) in scientific (numFormat 0),
// automatic (2) or fixed notation (any other); returns 0 and leaves out
// untouched for NaN or infinity.
// The 16 significant digits are the correctly rounded ones (ties to even).
int FormatReal(double value, int decimals, char* out, int numFormat);

// Reads the whole text as a number; stores the NaN 0xFFF8000000000000 and
// returns 0 when the text is not accepted. The double stored is the correctly
// rounded value of the decimal text. Leaves the x87 unit in its default state
// (exceptions masked, 64-bit precision, rounding to nearest), as the general
// parser does.
int ParseReal(const char* text, double* result);
