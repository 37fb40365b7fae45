// Number text: the value boxes' text to a double and back.
#pragma once

const unsigned FMT_VALUE_DIRECT = 0x0001;
const unsigned FMT_VALUE_AT_ADDRESS = 0x0002;
const unsigned FMT_DECIMALS_AT_ADDRESS = 0x0400;
const unsigned FMT_SCIENTIFIC = 0x8000;
const unsigned PARSE_RETURN_VALUE = 0x0080;

// Writes value with decimals (clamped to 0..15) in fixed (numFormat != 0) or
// scientific notation; returns 0 and leaves out untouched for NaN or infinity.
int FormatReal(double value, int decimals, char* out, int numFormat);

// Reads the whole text as a number; stores the NaN 0xFFF8000000000000 and
// returns 0 when the text is not accepted.
int ParseReal(const char* text, double* result);
