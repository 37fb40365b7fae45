// Typed text to the text the other value box shows, read once: the grammar of
// numtext/read_quantity.h with the locale's symbols, the exact converters,
// and the two values as doubles, for the value boxes, an All Units window and
// copying alike.
#pragma once
#include "numtext/exact_number.h"
#include "numtext/numtext.h"

// The locale's decimal and grouping symbols (UTF-8, at most 7 bytes each;
// a longer or missing one counts as none). Until set: "." and ",".
void SetNumberSymbols(const char* decimal, const char* grouping);

// Reads typed (UTF-8) with the locale's symbols as the value boxes read it;
// returns 0 when it is not a number.
int ReadTypedNumber(const char* typed, ExactNumber* value);

// The most bytes of an answer's text, its NUL included: a compound answer
// ("≈ -999999999999999 h 59 min 59.999999999999999 s") is longer than a number.
const int TYPED_ANSWER_MAX_TEXT = 72;

// The denominator fixed answers are shown in (the "Fractions" choice): 0 for
// decimals, else 2, 4, 8, 16, 32 or 64. Anything else sets 0.
void SetAnswerDenominator(int denominator);
int AnswerDenominator();

// ReadTypedNumber in a row of a category: a compound row reads its parts,
// counted in its first part.
int ReadTypedRow(const char* typed, int category, int unit, ExactNumber* value);

// One reading of a typed text and its answer.
struct TypedConversion {
    double typedValue;         // the typed number rounded once to a double; a NaN when it is none
    double answerValue;        // the answer as a double (an infinity beyond the range)
    int shown;                 // 1 when text holds what the other box shows
    int exactZero;             // 1 when the exact answer is zero (answerValue may be 0 for a tiny one)
    char text[TYPED_ANSWER_MAX_TEXT];
};

// Reads typed (UTF-8) and converts it from fromUnit to toUnit by the rule
// of the category (its temperature rule, or the units' sizes), showing
// decimals in numFormat as FormatReal does.
void ConvertTyped(const char* typed, int category, int fromUnit, int toUnit, int decimals, int numFormat,
                  TypedConversion* result);

// ConvertTyped for two rows of a category: a compound row reads and shows its
// parts, and a fixed answer shows the chosen fraction.
void ConvertTypedRows(const char* typed, int category, int fromUnit, int toUnit, int decimals, int numFormat,
                      TypedConversion* result);

// The text a value box shows for typed on (category, fromUnit) converted
// into toUnit, in the current notation and decimal places of Conversion;
// returns 0 and leaves out untouched when there is nothing to show (no
// number, beyond the range, a unit that does not exist, outSize too small).
int ConvertTypedText(const char* typed, int category, int fromUnit, int toUnit, char* out, int outSize);
