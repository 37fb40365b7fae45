// One reading per keystroke: the typed text becomes an exact number once,
// and both the shown answer and the stored doubles come from it.
#include "core/convert_text.h"

#include <cstring>

#include "catalogue/units.h"
#include "core/conversion_state.h"
#include "core/convert.h"
#include "core/exact_convert.h"
#include "numtext/read_quantity.h"

namespace {

const int kSymbolBytes = 8;               // 7 bytes and a NUL
char g_decimalSymbol[kSymbolBytes] = ".";  // the locale's, as the shell hands it down
char g_groupingSymbol[kSymbolBytes] = ",";

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

void ConvertTyped(const char* typed, int category, int fromUnit, int toUnit, int decimals, int numFormat,
                  TypedConversion* result)
{
    const double fromFactor = UnitFactor(category, fromUnit), toFactor = UnitFactor(category, toUnit);
    // Step 1: read the text once. No number stores the default NaN, as ParseReal does.
    ExactNumber value;
    result->shown = 0;
    if (!ReadQuantity(typed, g_decimalSymbol, g_groupingSymbol, &value)) {
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

    // Step 3: the answer as a double: the shown 16 digits rounded once, or,
    // where the exact path shows the double path's answer, that answer.
    SpecialConverter converter = FindSpecialConverter(category);
    double doubleAnswer;
    if (converter) converter(fromFactor, toFactor, result->typedValue, &doubleAnswer);
    else doubleAnswer = ConvertByFactors(result->typedValue, fromFactor, toFactor);
    switch (answer.kind) {
    case EXACT_DIGITS: {
        ExactNumber shown;
        ExactSetDecimal(shown, answer.digits.negative, answer.digits.digits, answer.digits.exponent - 15);
        result->answerValue = ExactToDouble(shown);
        break;
    }
    case EXACT_ZERO:
        result->answerValue = 0.0;
        break;
    case EXACT_BEYOND_RANGE:
        result->answerValue = doubleAnswer;  // an infinity, or the double path's overflow
        break;
    case EXACT_UNDECIDED:
        ParseReal("", &result->answerValue);
        break;
    default:
        result->answerValue = doubleAnswer;
        break;
    }

    // Step 4: its text.
    result->shown = FormatExactAnswer(answer, result->answerValue, decimals, result->text, numFormat);
}

int ConvertTypedText(const char* typed, int category, int fromUnit, int toUnit, char* out, int outSize)
{
    if (!UnitExists(category, fromUnit) || !UnitExists(category, toUnit) || !typed || !out) return 0;
    TypedConversion result;
    ConvertTyped(typed, category, fromUnit, toUnit, Conversion.DecimalPlaces, Conversion.NumFormat, &result);
    size_t length = result.shown ? std::strlen(result.text) : 0;
    if (!result.shown || length >= (size_t)outSize) return 0;
    std::memcpy(out, result.text, length + 1);
    return 1;
}
