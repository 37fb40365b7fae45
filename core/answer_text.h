// What the user reads and takes away besides the value boxes: an answer with
// the user's decimal symbol, the texts put on the clipboard, and the formula
// line. Unit names come in as the catalogue's Windows-1252; every text these
// functions write is UTF-8, which the shell turns into UTF-16 at the edge.
#pragma once

// The decimal symbol answers are shown with: '.' unless the user asks for
// their own, which the shell reads from the locale and hands down as one
// Windows-1252 byte.
extern char AnswerDecimalSymbol;

// Puts AnswerDecimalSymbol in place of the point of a laid-out answer.
void UseAnswerDecimalSymbol(char* answer);

// The answer box's text (UTF-8) as "Copy Answer" takes it: without the
// layout's leading blank and without the "≈ " of a fraction. Returns the
// length written, 0 when nothing is left (out is then empty). The text is
// cut to outSize - 1 bytes at a character boundary.
int ComposeCopiedAnswer(const char* boxText, char* out, int outSize);

enum AnswerExactness {
    ANSWER_NOT_A_NUMBER,   // the typed text is no number: nothing was converted
    ANSWER_EXACT,          // the answer shown is the exact conversion
    ANSWER_ROUNDED,        // it is not
};

// Whether `shown` (the other box's text, with AnswerDecimalSymbol) is exactly
// what `typed` comes to from unit `typedUnit` to unit `answerUnit`.
AnswerExactness ShownAnswerExactness(const char* typed, const char* shown, int category, int typedUnit,
                                     int answerUnit);

// "Copy Conversion": "50 mile = 80.467200 kilometer", the typed text as
// typed and the answer as shown (both UTF-8), "≈" where the answer is
// rounded. Returns the length written, 0 (out empty) when the typed text is
// no number or a unit does not exist.
int ComposeCopiedConversion(const char* typed, const char* shown, int category, int typedUnit, int answerUnit,
                            char* out, int outSize);

// The formula line: the factor between the two units both ways, one way per
// line ("1 mile = 1.609344 kilometer\n1 kilometer ≈ 0.6213711922373340
// mile"), each rounded once to 16 digits from the numbers the rows stand
// for, "=" when exact and "≈" when rounded; Temperature as its affine rule
// ("°F = °C × 1.8 + 32"). One line when both units are the same. Returns the
// length written, 0 (out empty) for rows that do not exist.
const int FORMULA_TEXT_SIZE = 640;   // two lines of the longest names, UTF-8
int ComposeFormulaText(int category, int fromUnit, int toUnit, char* out, int outSize);

// A unit's or a category's name as UTF-8 into out (cut at a character
// boundary to size - 1 bytes), whether the catalogue holds it as
// Windows-1252 or, for the user's own, as UTF-8; its length.
int UnitNameUtf8(int category, int unit, char* out, int size);
int CategoryNameUtf8(int category, char* out, int size);
