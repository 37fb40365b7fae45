// One reading per keystroke: the typed text becomes an exact number once,
// and both the shown answer and the stored doubles come from it. Apart from
// ConvertTypedText (convert_text.cpp), which reads the conversion state, so
// that the benchmarks and fuzz targets link without the view.
#include "core/convert_text.h"

#include <cstring>

#include "catalogue/units.h"
#include "core/compound.h"
#include "core/convert.h"
#include "core/exact_convert.h"
#include "numtext/read_quantity.h"

namespace {

const int kSymbolBytes = 8;               // 7 bytes and a NUL
char g_decimalSymbol[kSymbolBytes] = ".";  // the locale's, as the shell hands it down
char g_groupingSymbol[kSymbolBytes] = ",";
int g_answerDenominator = 0;               // decimals

void CopySymbol(char* to, const char* from)
{
    size_t length = from ? std::strlen(from) : 0;
    if (length >= (size_t)kSymbolBytes) length = 0;
    std::memcpy(to, from ? from : "", length);
    to[length] = '\0';
}

}  // namespace

void SetNumberSymbols(const char* decimal, const char* grouping)
{
    CopySymbol(g_decimalSymbol, decimal);
    CopySymbol(g_groupingSymbol, grouping);
}

int ReadTypedNumber(const char* typed, ExactNumber* value)
{
    return ReadQuantity(typed, g_decimalSymbol, g_groupingSymbol, value);
}

namespace {

// The typed text read once (ok false when it is no number) and converted.
// No number stores the default NaN, as ParseReal does.
void ConvertValue(bool ok, const ExactNumber& value, int category, int fromUnit, int toUnit, int decimals,
                  int numFormat, TypedConversion* result)
{
    const double fromFactor = UnitFactor(category, fromUnit), toFactor = UnitFactor(category, toUnit);
    // Step 1: the number read.
    result->shown = result->exactZero = 0;
    if (!ok) {
        double notANumber;
        ParseReal("", &notANumber);
        result->typedValue = result->answerValue = notANumber;
        return;
    }
    result->typedValue = ExactToDouble(value);

    // Step 2: the exact answer, by the category's rule.
    ExactConverter special = FindExactConverter(category);
    ExactAnswer answer = special ? ExactRationalTemperature(fromFactor, toFactor, value)
                                 : ExactRationalByUnits(category, fromUnit, toUnit, value);

    // Step 3: the answer as a double: the rule on doubles applied to the
    // typed value, as the conversion state always kept it (zero where the
    // exact answer is zero, no number where it is undecided).
    SpecialConverter converter = FindSpecialConverter(category);
    if (converter) converter(fromFactor, toFactor, result->typedValue, &result->answerValue);
    else result->answerValue = ConvertByFactors(result->typedValue, fromFactor, toFactor);
    result->exactZero = answer.kind == EXACT_ZERO;
    if (result->exactZero) result->answerValue = 0.0;
    if (answer.kind == EXACT_UNDECIDED) ParseReal("", &result->answerValue);

    // Step 4: its text.
    result->shown = FormatExactAnswer(answer, result->answerValue, decimals, result->text, numFormat);
}


// The answer laid out in the parts of a compound row or as a fraction, in
// place of the decimal text; a first part of 10^15 or more shows alone.
void WritePartsOrFraction(const ExactNumber& typed, const CompoundLayout* layout, int category, int fromUnit,
                          int toUnit, int decimals, int denominator, TypedConversion* result)
{
    ExactNumber answer;
    if (ExactRationalValue(category, fromUnit, toUnit, typed, &answer) &&
        WriteCompound(layout, answer, decimals, denominator, result->text, TYPED_ANSWER_MAX_TEXT))
        return;
    if (!layout) return;
    const size_t length = std::strlen(result->text), mark = std::strlen(FirstPartMark(layout));
    if (length + mark < (size_t)TYPED_ANSWER_MAX_TEXT) std::memcpy(result->text + length, FirstPartMark(layout), mark + 1);
}

}  // namespace

void SetAnswerDenominator(int denominator)
{
    g_answerDenominator = IsAnswerDenominator(denominator) ? denominator : 0;
}

int AnswerDenominator()
{
    return g_answerDenominator;
}

void ConvertTyped(const char* typed, int category, int fromUnit, int toUnit, int decimals, int numFormat,
                  TypedConversion* result)
{
    ExactNumber value;
    const bool ok = ReadQuantity(typed, g_decimalSymbol, g_groupingSymbol, &value) != 0;
    ConvertValue(ok, value, category, fromUnit, toUnit, decimals, numFormat, result);
}

int ReadTypedRow(const char* typed, int category, int unit, ExactNumber* value)
{
    const CompoundLayout* parts = FindCompound(category, unit);
    return parts ? ReadCompound(parts, typed, g_decimalSymbol, g_groupingSymbol, value)
                 : ReadQuantity(typed, g_decimalSymbol, g_groupingSymbol, value);
}

void ConvertTypedRows(const char* typed, int category, int fromUnit, int toUnit, int decimals, int numFormat,
                      TypedConversion* result)
{
    // Step 1: read the text once, in parts in a compound row, and convert it.
    const CompoundLayout* to = FindCompound(category, toUnit);
    ExactNumber value;
    const bool ok = ReadTypedRow(typed, category, fromUnit, &value) != 0;
    ConvertValue(ok, value, category, fromUnit, toUnit, decimals, numFormat, result);

    // Step 2: an answer in parts, whatever the notation; a fixed one as a
    // fraction. Automatic notation keeps its layout where a fraction would
    // show no significant digit, as fixed decimals would not.
    if (!result->shown) return;
    const int denominator = numFormat == NUM_FORMAT_SCIENTIFIC ? 0 : g_answerDenominator;
    if (!to && denominator == 0) return;
    char decimalText[TYPED_ANSWER_MAX_TEXT];
    std::memcpy(decimalText, result->text, sizeof decimalText);
    WritePartsOrFraction(value, to, category, fromUnit, toUnit,
                         ClampDecimals(decimals), denominator, result);
    if (!to && numFormat == NUM_FORMAT_AUTOMATIC && !result->exactZero &&
        std::strcmp(result->text, "\xE2\x89\x88 0") == 0)
        std::memcpy(result->text, decimalText, sizeof decimalText);
}
