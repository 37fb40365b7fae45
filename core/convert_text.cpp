// ConvertTypedText: the text a value box shows for a typed text on a unit
// pair, in the conversion state's notation and decimal places.
#include "core/convert_text.h"

#include <cstring>

#include "catalogue/units.h"
#include "core/conversion_state.h"

int ConvertTypedText(const char* typed, int category, int fromUnit, int toUnit, char* out, int outSize)
{
    if (!UnitExists(category, fromUnit) || !UnitExists(category, toUnit) || !typed || !out) return 0;
    TypedConversion result;
    ConvertTypedRows(typed, category, fromUnit, toUnit, Conversion.DecimalPlaces, Conversion.NumFormat, &result);
    size_t length = result.shown ? std::strlen(result.text) : 0;
    if (!result.shown || length >= (size_t)outSize) return 0;
    std::memcpy(out, result.text, length + 1);
    return 1;
}
