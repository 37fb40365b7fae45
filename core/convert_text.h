// The text a value box shows for a typed text: one entry point for every
// place that shows a converted value.
#pragma once

// `typed` (a value box's text) on unit fromUnit of category converted into
// toUnit, laid out in the current notation and decimal places of Conversion,
// exactly as the passive value box would show it. Returns the length written
// (at most outSize - 1 bytes and a NUL), or 0 with out untouched when there
// is nothing to show: a text that is no number, an answer beyond the double
// range, rows that do not exist, or an answer that does not fit outSize.
int ConvertTypedText(const char* typed, int category, int fromUnit, int toUnit, char* out, int outSize);
