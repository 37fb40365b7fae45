// The exact answer a value box shows: the typed decimal converted by the
// factor rule or the temperature rule in exact rational arithmetic, rounded
// once to the 16 significant digits the box shows, instead of rounded to a
// double on the way.
#pragma once
#include "catalogue/units.h"
#include "numtext/decimal_digits.h"
#include "numtext/exact_number.h"

enum ExactKind {
    EXACT_DIGITS,         // digits holds the answer
    EXACT_ZERO,           // the answer is exactly zero
    EXACT_BELOW_RANGE,    // not zero, but it would round to zero as a double
    EXACT_BEYOND_RANGE,   // it would round to an infinity as a double
    EXACT_NOT_COVERED,    // a factor outside the span the exact path is built for
    EXACT_UNDECIDED,      // a sticky term left the answer undecided: shown as no number
};

struct ExactAnswer {
    ExactKind kind;
    DecimalDigits digits;  // only with EXACT_DIGITS
    bool rounded;          // with EXACT_DIGITS: the 16 digits are not the whole answer
};

// The exact counterpart of a special converter (same argument order).
typedef ExactAnswer (*ExactConverter)(double fromFactor, double toFactor, const ScannedNumber& value);

// The converters on an exact number as the typed-quantity grammar reads it
// (numtext/read_quantity.h); the ones on a ScannedNumber above call them.
typedef ExactAnswer (*ExactRationalConverter)(double fromFactor, double toFactor, const ExactNumber& value);
ExactAnswer ExactRationalByFactors(double fromFactor, double toFactor, const ExactNumber& value);
ExactAnswer ExactRationalTemperature(double fromCode, double toCode, const ExactNumber& value);
// value from one unit of the catalogue to another by the rule of its kind:
// the temperature rule, a row's factor as ExactByFactors counts it, or a
// custom unit's exact size.
ExactAnswer ExactRationalByUnits(int category, int fromUnit, int toUnit, const ExactNumber& value);
// A row's factor as the exact size ExactByFactors counts it; false when it
// is not covered or a side would reach 10^18.
bool FactorAsSize(double factor, UnitSize* size);
// ExactRationalByUnits' answer before its rounding: exact (or with the sticky mark of its
// sum), for layouts that round elsewhere than at 16 digits. False where the
// exact path gives no number or does not cover the factors.
bool ExactRationalValue(int category, int fromUnit, int toUnit, const ExactNumber& value, ExactNumber* answer);

// The text a value box shows for an exact answer, laid out as FormatReal
// lays out a double; 0 (out untouched) for an answer beyond the range or
// undecided. Below the range or not covered, doubleResult shows.
int FormatExactAnswer(const ExactAnswer& answer, double doubleResult, int decimals, char* out, int numFormat);

// value * fromFactor / toFactor, where each factor counts as the decimal its
// row stands for: the decimal of at most 15 significant digits within one
// unit in the last place of the double, if there is one, else the double's
// exact value. Factors outside 1e-60 .. 1e60 are not covered.
ExactAnswer ExactByFactors(double fromFactor, double toFactor, const ScannedNumber& value);

// TemperatureConvert in exact arithmetic, with 273.15, 32, 1.8 and 1.25 as
// the decimals they are written as; below absolute zero (exactly) gives zero.
ExactAnswer ExactTemperature(double fromCode, double toCode, const ScannedNumber& value);

// The temperature rule from one code to another as one affine map with
// integer coefficients: result = (scale * v + offset) / divisor, divisor > 0.
// Codes as TemperatureConvert takes them.
// num / den (den > 0) to 16 digits, rounded once, as an answer is.
ExactAnswer ExactQuotient(int64_t num, int64_t den);

struct TemperatureMap {
    int64_t scale, offset, divisor;
};
TemperatureMap TemperatureRule(double fromCode, double toCode);

// The text the other value box shows for the typed text: the exact answer by
// `converter` (the factor rule when it is 0), laid out as FormatReal lays
// out a double. Like FormatReal it returns 0 and leaves out untouched when
// there is nothing to show (a text that is no number, an answer beyond the
// double range). An answer below the double range, or one this path does
// not cover, shows doubleResult as FormatReal shows it. out may be text's own
// buffer; it receives at most FORMAT_MAX_TEXT bytes.
int FormatExactConversion(const char* text, double fromFactor, double toFactor, ExactConverter converter,
                          double doubleResult, int decimals, char* out, int numFormat);
