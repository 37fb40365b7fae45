// Factor arithmetic and the temperature converter.
#include "core/convert.h"

#include "catalogue/units.h"

double ConvertByFactors(double value, double fromFactor, double toFactor)
{
    return value * fromFactor / toFactor;
}

// Every temperature goes through kelvin. Anything below absolute zero comes out
// as 0 in the target unit; a NaN is not caught here and passes through.
void TemperatureConvert(double fromCode, double toCode, double value, double* result)
{
    double kelvin;
    if (fromCode == 1.0)      kelvin = value + 273.15;
    else if (fromCode == 2.0) kelvin = (value - 32.0) / 1.8 + 273.15;
    else if (fromCode == 3.0) kelvin = value / 1.8;
    else if (fromCode == 4.0) kelvin = value * 1.25 + 273.15;
    else                      kelvin = value;

    if (kelvin < 0.0) {
        *result = 0.0;
        return;
    }

    if (toCode == 1.0)      *result = kelvin - 273.15;
    else if (toCode == 2.0) *result = (kelvin - 273.15) * 1.8 + 32.0;
    else if (toCode == 3.0) *result = kelvin * 1.8;
    else if (toCode == 4.0) *result = (kelvin - 273.15) / 1.25;
    else                    *result = kelvin;
}

struct SpecialConverterEntry {
    int category;
    SpecialConverter converter;   // on doubles
    ExactConverter exact;         // the same rule in exact arithmetic
};

// The categories whose units do not convert by their factors.
static const SpecialConverterEntry SpecialConverters[] = {
    { CATEGORY_TEMPERATURE, TemperatureConvert, ExactTemperature },
};

static const SpecialConverterEntry* FindEntry(int categoryIndex)
{
    for (const SpecialConverterEntry& entry : SpecialConverters)
        if (entry.category == categoryIndex)
            return &entry;
    return 0;
}

SpecialConverter FindSpecialConverter(int categoryIndex)
{
    const SpecialConverterEntry* entry = FindEntry(categoryIndex);
    return entry ? entry->converter : 0;
}

ExactConverter FindExactConverter(int categoryIndex)
{
    const SpecialConverterEntry* entry = FindEntry(categoryIndex);
    return entry ? entry->exact : 0;
}
