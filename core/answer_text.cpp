// Answers as the user reads and takes them away: the regional decimal
// symbol, the copied texts and the formula line, all in UTF-8.
#include "core/answer_text.h"
#include "core/name_text.h"

#include <cstdint>
#include <cstring>

#include "catalogue/units.h"
#include "core/compound.h"
#include "core/conversion_state.h"
#include "core/convert.h"
#include "core/convert_text.h"
#include "core/exact_convert.h"
#include "numtext/decimal_digits.h"

char AnswerDecimalSymbol = '.';

namespace {

// ---- Bounded UTF-8 text --------------------------------------------------------

struct Utf8Text {
    char* buffer;
    int size;     // bytes, NUL included
    int length;
    bool full;    // something did not fit: nothing more is added
};

Utf8Text BeginText(char* buffer, int size)
{
    if (size > 0) buffer[0] = '\0';
    return Utf8Text{ buffer, size, 0, size <= 0 };
}

// Appends `count` bytes that belong together (one character, or a run of
// whole characters), or nothing when they do not fit.
void PutBytes(Utf8Text& t, const char* bytes, int count)
{
    if (t.full || t.length + count > t.size - 1) {
        t.full = true;
        return;
    }
    for (int i = 0; i < count; ++i) t.buffer[t.length++] = bytes[i];
    t.buffer[t.length] = '\0';
}

// UTF-8 text (or ASCII), character by character so a cut never splits one.
void Put(Utf8Text& t, const char* text)
{
    while (*text && !t.full) {
        const unsigned char lead = (unsigned char)*text;
        int count = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        int available = 0;
        while (available < count && text[available]) ++available;
        PutBytes(t, text, available);
        text += available;
    }
}

void PutCodePoint(Utf8Text& t, unsigned code)
{
    char bytes[3];
    if (code < 0x80) {
        bytes[0] = char(code);
        PutBytes(t, bytes, 1);
    } else if (code < 0x800) {
        bytes[0] = char(0xC0 | (code >> 6));
        bytes[1] = char(0x80 | (code & 0x3F));
        PutBytes(t, bytes, 2);
    } else {
        bytes[0] = char(0xE0 | (code >> 12));
        bytes[1] = char(0x80 | ((code >> 6) & 0x3F));
        bytes[2] = char(0x80 | (code & 0x3F));
        PutBytes(t, bytes, 3);
    }
}

void Put1252(Utf8Text& t, const char* text)
{
    for (; *text && !t.full; ++text) {
        const unsigned char byte = (unsigned char)*text;
        PutCodePoint(t, byte >= 0x80 && byte < 0xA0 ? CP1252_HIGH[byte - 0x80] : byte);
    }
}

// A unit's name as UTF-8, whichever way the catalogue holds it.
void PutUnitName(Utf8Text& t, int category, int unit)
{
    if (UnitNameIsUtf8(category, unit)) Put(t, UnitName(category, unit));
    else Put1252(t, UnitName(category, unit));
}

const char kApprox[] = "\xE2\x89\x88";     // U+2248
const char kTimes[] = "\xC3\x97";          // U+00D7
const char kMinus[] = "\xE2\x88\x92";      // U+2212

void PutRelation(Utf8Text& t, bool exact)
{
    Put(t, " ");
    Put(t, exact ? "=" : kApprox);
    Put(t, " ");
}

// ---- Numbers in the formula ----------------------------------------------------

// The span in which a formula number is written out with its point; beyond
// it a power of ten keeps the line short.
const int kPositionalHighest = 15;
const int kPositionalLowest = -7;

// The decimal symbol, from Windows-1252 to UTF-8.
void PutDecimalSymbol(Utf8Text& t)
{
    const char symbol[2] = { AnswerDecimalSymbol, '\0' };
    Put1252(t, symbol);
}

// An exact number in its shortest decimal, a rounded one with all 16 digits,
// with the answers' decimal symbol: 1.609344, 0.6213711922373340, 1E-20.
void PutFormulaNumber(Utf8Text& t, const DecimalDigits& d, bool exact)
{
    char digits[16];
    uint64_t n = d.digits;
    for (int i = 15; i >= 0; --i, n /= 10) digits[i] = char('0' + n % 10);
    int count = 16;
    if (exact)
        while (count > 1 && digits[count - 1] == '0') --count;
    const int e = d.exponent;
    if (d.negative) Put(t, kMinus);
    if (e > kPositionalHighest || e < kPositionalLowest) {
        // d1, the other digits after the point, and the power of ten.
        PutBytes(t, digits, 1);
        if (count > 1) {
            PutDecimalSymbol(t);
            PutBytes(t, digits + 1, count - 1);
        }
        Put(t, e < 0 ? "E-" : "E+");
        char power[8];
        int length = 0;
        for (unsigned m = unsigned(e < 0 ? -e : e); m || length == 0; m /= 10) power[length++] = char('0' + m % 10);
        while (length > 0) PutBytes(t, &power[--length], 1);
    } else if (e >= 0) {
        // The integer digits (zeros past the last significant one), then the rest.
        for (int i = 0; i <= e; ++i) PutBytes(t, i < count ? &digits[i] : "0", 1);
        if (count > e + 1) {
            PutDecimalSymbol(t);
            PutBytes(t, digits + e + 1, count - e - 1);
        }
    } else {
        Put(t, "0");
        PutDecimalSymbol(t);
        for (int i = 0; i < -e - 1; ++i) Put(t, "0");
        PutBytes(t, digits, count);
    }
}

// A non-zero num / den for the formula, rounded once; false when it cannot
// be shown (never for the temperature rules' numbers).
bool QuotientDigits(int64_t num, int64_t den, DecimalDigits* d, bool* exact)
{
    const ExactAnswer q = ExactQuotient(num, den);
    if (q.kind != EXACT_DIGITS) return false;
    *d = q.digits;
    *exact = !q.rounded;
    return true;
}

// ---- The formula ---------------------------------------------------------------

// "1 from = factor to", the factor rounded once from the numbers the two
// rows stand for (their double quotient where the exact path does not reach).
void PutFactorRule(Utf8Text& t, int category, int from, int to)
{
    const double fromFactor = UnitFactor(category, from), toFactor = UnitFactor(category, to);
    ExactNumber one;
    ExactSetDecimal(one, false, 1, 0);
    const ExactAnswer factor = ExactRationalByUnits(category, from, to, one);
    DecimalDigits d;
    bool exact = false;
    if (factor.kind == EXACT_DIGITS) {
        d = factor.digits;
        exact = !factor.rounded;
    } else if (!SixteenDigits(fromFactor / toFactor, &d)) {
        return;
    }
    Put(t, "1 ");
    PutUnitName(t, category, from);
    PutRelation(t, exact);
    PutFormulaNumber(t, d, exact);
    Put(t, " ");
    PutUnitName(t, category, to);
}

// The temperature scales' symbols by code, as TemperatureConvert knows them.
const char* TemperatureSymbol(double code)
{
    if (code == 1.0) return "\xC2\xB0" "C";
    if (code == 2.0) return "\xC2\xB0" "F";
    if (code == 3.0) return "\xC2\xB0" "R";
    if (code == 4.0) return "\xC2\xB0" "R\xC3\xA9";
    return "K";
}

// "+ 32" or "− 273.15" after a term; nothing for zero.
void PutOffset(Utf8Text& t, int64_t num, int64_t den, bool* exact)
{
    if (num == 0) return;
    DecimalDigits d;
    bool offsetExact = false;
    if (!QuotientDigits(num < 0 ? -num : num, den, &d, &offsetExact)) return;
    Put(t, num < 0 ? " " : " + ");
    if (num < 0) {
        Put(t, kMinus);
        Put(t, " ");
    }
    PutFormulaNumber(t, d, offsetExact);
    *exact = *exact && offsetExact;
}

// The affine rule y = (P x + Q) / S in the numbers that make it exact where
// that can be: "y = x × P/S + Q/S" when P/S is a finite decimal, otherwise
// "y = (x + Q/P) / (S/P)" (Fahrenheit to Celsius: "(°F − 32) / 1.8"). The
// relation is "≈" when any number shown is rounded.
void PutTemperatureRule(Utf8Text& t, double fromCode, double toCode)
{
    const TemperatureMap map = TemperatureRule(fromCode, toCode);
    const char* x = TemperatureSymbol(fromCode);
    const DecimalDigits kOne = { false, 1000000000000000ull, 0 };   // never shown: the quotients exist
    DecimalDigits scale = kOne;
    bool scaleExact = false;
    QuotientDigits(map.scale, map.divisor, &scale, &scaleExact);
    bool exact = true;
    char body[96];
    Utf8Text b = BeginText(body, sizeof body);
    if (scaleExact) {
        Put(b, x);
        if (map.scale != map.divisor) {
            Put(b, " ");
            Put(b, kTimes);
            Put(b, " ");
            PutFormulaNumber(b, scale, true);
        }
        PutOffset(b, map.offset, map.divisor, &exact);
    } else {
        DecimalDigits divisor = kOne;
        bool divisorExact = false;
        QuotientDigits(map.divisor, map.scale, &divisor, &divisorExact);
        Put(b, map.offset ? "(" : "");
        Put(b, x);
        PutOffset(b, map.offset, map.scale, &exact);
        Put(b, map.offset ? ") / " : " / ");
        PutFormulaNumber(b, divisor, divisorExact);
        exact = exact && divisorExact;
    }
    Put(t, TemperatureSymbol(toCode));
    PutRelation(t, exact);
    Put(t, body);
}

void PutRule(Utf8Text& t, int category, int from, int to)
{
    if (FindExactConverter(category) == ExactTemperature)
        PutTemperatureRule(t, UnitFactor(category, from), UnitFactor(category, to));
    else
        PutFactorRule(t, category, from, to);
}

// ---- Copied answers --------------------------------------------------------------

// The answer without its leading blanks and a fraction's "≈ ".
const char* AnswerNumber(const char* text)
{
    while (*text == ' ') ++text;
    const int approxLength = sizeof kApprox - 1;
    int i = 0;
    while (i < approxLength && text[i] == kApprox[i]) ++i;
    if (i == approxLength) text += approxLength;
    while (*text == ' ') ++text;
    return text;
}

// Whether the scanned decimal is exactly the 16 digits d stand for.
bool SameDecimal(const ScannedNumber& s, const DecimalDigits& d)
{
    uint64_t m1 = s.digits, m2 = d.digits;
    int e1 = s.exponent - (s.digitCount - s.integerDigits), e2 = d.exponent - 15;
    if (m1 == 0) return false;
    while (m1 % 10 == 0) m1 /= 10, ++e1;
    while (m2 % 10 == 0) m2 /= 10, ++e2;
    return s.negative == d.negative && m1 == m2 && e1 == e2;
}

}  // namespace

void UseAnswerDecimalSymbol(char* answer)
{
    for (char* at = answer; *at; ++at)
        if (*at == '.') *at = AnswerDecimalSymbol;
}

int ComposeCopiedAnswer(const char* boxText, char* out, int outSize)
{
    Utf8Text t = BeginText(out, outSize);
    Put(t, AnswerNumber(boxText));
    return t.length;
}

AnswerExactness ShownAnswerExactness(const char* typed, const char* shown, int category, int typedUnit,
                                     int answerUnit)
{
    ExactNumber value;
    if (!UnitExists(category, typedUnit) || !UnitExists(category, answerUnit) ||
        !ReadTypedRow(typed, category, typedUnit, &value))
        return ANSWER_NOT_A_NUMBER;
    // An answer in parts or in a fraction: exact when its one rounding lost nothing.
    const CompoundLayout* parts = FindCompound(category, answerUnit);
    const char* shownNumber = AnswerNumber(shown);
    if (parts || std::strchr(shownNumber, '/') || shownNumber != shown + std::strspn(shown, " ")) {
        ExactNumber exact;
        const int denominator = Conversion.NumFormat == NUM_FORMAT_SCIENTIFIC ? 0 : AnswerDenominator();
        return ExactRationalValue(category, typedUnit, answerUnit, value, &exact) &&
                       ShowsExactly(parts, exact, ShownDecimalPlaces(), denominator)
                   ? ANSWER_EXACT
                   : ANSWER_ROUNDED;
    }
    const ExactAnswer answer = ExactRationalByUnits(category, typedUnit, answerUnit, value);   // temperatures too
    if (answer.kind == EXACT_ZERO) return ANSWER_EXACT;
    if (answer.kind != EXACT_DIGITS || answer.rounded) return ANSWER_ROUNDED;

    // The answer shown, read back with a point in place of the symbol (as
    // UTF-8, up to three bytes): the digits it cut decide.
    char symbol[4], number[64];
    Utf8Text symbolText = BeginText(symbol, sizeof symbol);
    PutDecimalSymbol(symbolText);
    Utf8Text numberText = BeginText(number, sizeof number);
    for (const char* at = AnswerNumber(shown); *at && !numberText.full;) {
        const bool isSymbol = symbolText.length > 0 && std::strncmp(at, symbol, size_t(symbolText.length)) == 0;
        PutBytes(numberText, isSymbol ? "." : at, 1);
        at += isSymbol ? symbolText.length : 1;
    }
    ScannedNumber shownValue;
    if (numberText.full || !ScanNumber(number, &shownValue)) return ANSWER_ROUNDED;
    return SameDecimal(shownValue, answer.digits) ? ANSWER_EXACT : ANSWER_ROUNDED;
}

int ComposeCopiedConversion(const char* typed, const char* shown, int category, int typedUnit, int answerUnit,
                            char* out, int outSize)
{
    Utf8Text t = BeginText(out, outSize);
    const AnswerExactness exactness = ShownAnswerExactness(typed, shown, category, typedUnit, answerUnit);
    if (exactness == ANSWER_NOT_A_NUMBER) return 0;
    Put(t, typed);
    Put(t, " ");
    PutUnitName(t, category, typedUnit);
    PutRelation(t, exactness == ANSWER_EXACT);
    Put(t, AnswerNumber(shown));
    Put(t, " ");
    PutUnitName(t, category, answerUnit);
    return t.length;
}

int ComposeFormulaText(int category, int fromUnit, int toUnit, char* out, int outSize)
{
    Utf8Text t = BeginText(out, outSize);
    if (!UnitExists(category, fromUnit) || !UnitExists(category, toUnit)) return 0;
    PutRule(t, category, fromUnit, toUnit);
    if (fromUnit != toUnit) {
        Put(t, "\n");
        PutRule(t, category, toUnit, fromUnit);
    }
    return t.length;
}

int UnitNameUtf8(int category, int unit, char* out, int size)
{
    Utf8Text t = BeginText(out, size);
    PutUnitName(t, category, unit);
    return t.length;
}

int CategoryNameUtf8(int category, char* out, int size)
{
    Utf8Text t = BeginText(out, size);
    if (CategoryNameIsUtf8(category)) Put(t, CategoryName(category));
    else Put1252(t, CategoryName(category));
    return t.length;
}

