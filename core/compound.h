// Quantities written in parts ("5 ft 7 in", "1:30:15", 10°45'3") and answers
// laid out in parts or as a whole number and a fraction. Everything here
// works on exact numbers; the value of a compound row is counted in its
// first part, the unit whose factor the row carries.
#pragma once
#include "numtext/exact_number.h"

struct CompoundLayout;

// The layout of a compound row (UNIT_COMPOUND in catalogue/units.h); 0 for
// any other row.
const CompoundLayout* FindCompound(int category, int unit);

// Reads typed (UTF-8) in the row's parts into value, counted in the first
// part; returns 0 when it is not a number. The parts come largest first,
// each a number, fraction or mixed number of numtext/read_quantity.h, each
// with one of its marks; a number without a mark is the part after the
// last one given (the first part when it is alone). "h:min[:s]" reads in a
// row whose parts are hours, minutes and seconds.
int ReadCompound(const CompoundLayout* layout, const char* typed, const char* decimalSymbol,
                 const char* groupingSymbol, ExactNumber* value);

// The denominators an answer may be shown in: 0 for decimals, else 2 .. 64.
bool IsAnswerDenominator(int denominator);

// value laid out in parts, every part but the last whole, the last with
// `decimals` places (0 .. 15) or, with a denominator, as a whole number and
// the nearest multiple of 1 / denominator ("≈ " in front when that is not
// exact). layout 0 lays out one part without a mark, which only makes sense
// with a denominator. Returns 0 (out untouched) for a first part of 10^15 or
// more, or outSize too small; '.' is the decimal mark.
int WriteCompound(const CompoundLayout* layout, const ExactNumber& value, int decimals, int denominator, char* out,
                  int outSize);

// Whether WriteCompound with these arguments shows value exactly (false too
// where it would show nothing).
bool ShowsExactly(const CompoundLayout* layout, const ExactNumber& value, int decimals, int denominator);

// The mark written after the first part alone (" ft"), for answers of 10^15
// or more; "" without a layout.
const char* FirstPartMark(const CompoundLayout* layout);
