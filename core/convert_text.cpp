// Typed text to shown text on the exact path the value boxes use: the double
// result of the factor rule or the category's converter, and the exact answer
// laid out from the typed decimal.
#include "core/convert_text.h"

#include <string.h>

#include "catalogue/catalog.h"
#include "core/conversion_state.h"
#include "numtext/numtext.h"

static bool IsUnitOf(int category, int unit)
{
    return IsCategoryIndex(category) && unsigned(unit) < unsigned(UnitCatalog[category].count);
}

int ConvertTypedText(const char* typed, int category, int fromUnit, int toUnit, char* out, int outSize)
{
    if (!typed || !out || !IsUnitOf(category, fromUnit) || !IsUnitOf(category, toUnit)) return 0;
    const double fromFactor = UnitCatalog[category].units[fromUnit].factor;
    const double toFactor = UnitCatalog[category].units[toUnit].factor;
    double value, result;
    ParseReal(typed, &value);
    if (SpecialConverter special = FindSpecialConverter(category))
        special(fromFactor, toFactor, value, &result);
    else
        result = ConvertByFactors(value, fromFactor, toFactor);

    char text[FORMAT_MAX_TEXT + 1];
    if (!FormatExactConversion(typed, fromFactor, toFactor, FindExactConverter(category), result,
                               Conversion.DecimalPlaces, text, Conversion.NumFormat))
        return 0;
    const int length = int(strlen(text));
    if (length >= outSize) return 0;
    memcpy(out, text, size_t(length) + 1);
    return length;
}
