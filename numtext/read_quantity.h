// A value box's text read as the exact number it writes: decimals as the
// locale writes them, fractions, mixed numbers and arithmetic. The locale's
// symbols come in as plain UTF-8 strings; the shell reads them.
#pragma once
#include "numtext/exact_number.h"

// The most characters (code points) a text may hold between its leading and
// trailing blanks: what a value box takes.
const int QUANTITY_MAX_CHARACTERS = 64;

// Reads the whole UTF-8 text into value; returns 0 when it is no number (the
// value is then unspecified). decimalSymbol and groupingSymbol are the
// locale's (each at most 7 bytes; empty or null for none). Accepted, around
// optional blanks (space, tab, line ends, U+00A0, U+202F, U+2009):
//   numbers   12  -5  .5  1e-3  "." or the decimal symbol as the mark;
//             grouped in threes by the grouping symbol, blanks, ' and U+2019,
//             or "," where the mark is "." (1,234.5  1.234,5  12'345.6)
//   fractions 7/16  3 1/2  3-1/2  3½  3 ½  ½ (the fifteen vulgar fractions)
//   sums      + - * / and U+00D7 U+00F7 U+00B7 U+2044, parentheses, one sign
//             before each operand; U+2212 and U+2013 read as "-".
// Every number is at most 18 digits with an exponent of at most 4931 in
// size, as ParseReal reads it, and the work is bounded by the 64 characters
// (a text ParseReal accepts is read as it reads it, whatever its length).
int ReadQuantity(const char* text, const char* decimalSymbol, const char* groupingSymbol, ExactNumber* value);
