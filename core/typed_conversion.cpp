// One reading per keystroke: the typed text becomes an exact number once,
// and both the shown answer and the stored doubles come from it. Apart from
// ConvertTypedText (convert_text.cpp), which reads the conversion state, so
// that the benchmarks and fuzz targets link without the view.
#include "core/convert_text.h"

#include <cstring>

#include "catalogue/units.h"
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

    // Step 3: the answer as a double: the rule on doubles applied to the
    // typed value, as the conversion state always kept it (zero where the
    // exact answer is zero, no number where it is undecided).
    SpecialConverter converter = FindSpecialConverter(category);
    if (converter) converter(fromFactor, toFactor, result->typedValue, &result->answerValue);
    else result->answerValue = ConvertByFactors(result->typedValue, fromFactor, toFactor);
    if (answer.kind == EXACT_ZERO) result->answerValue = 0.0;
    if (answer.kind == EXACT_UNDECIDED) ParseReal("", &result->answerValue);

    // Step 4: its text.
    result->shown = FormatExactAnswer(answer, result->answerValue, decimals, result->text, numFormat);
}

