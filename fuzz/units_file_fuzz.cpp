// Any units file: the set keeps within its limits, every unit kept has a finite
// positive size, and writing and reading it back gives the same units and text.
#include <stdint.h>
#include <stdlib.h>
#include <cmath>
#include <cstring>

#include "catalogue/units.h"
#include "core/custom_units.h"

static void Check(bool condition)
{
    if (!condition) abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CustomUnitSet set, again;
    static char text[UNITS_TEXT_MAX], second[UNITS_TEXT_MAX];
    if (size > 1 << 16) return 0;
    ReadUnitsText(reinterpret_cast<const char*>(data), (int)size, &set);
    Check(set.count >= 0 && set.count <= CUSTOM_UNIT_MAX);
    ShowCustomUnits(set);
    Check(CategoryCount() <= BuiltInCategoryCount() + CUSTOM_CATEGORY_MAX);
    int shown = 0;
    for (int c = 0; c < CategoryCount(); ++c) {
        for (int u = BuiltInUnitCount(c); u < UnitCount(c); ++u, ++shown) {
            const double factor = UnitFactor(c, u);
            Check(UnitKindOf(c, u) == UNIT_CUSTOM && std::isfinite(factor) && factor > 0);
        }
    }
    Check(shown == set.count);
    const int length = WriteUnitsText(set, text, sizeof text);
    Check(length >= 0 && ReadUnitsText(text, length, &again) == 0 && again.count == set.count);
    for (int i = 0; i < set.count; ++i) Check(std::strcmp(again.units[i].name, set.units[i].name) == 0);
    Check(WriteUnitsText(again, second, sizeof second) == length && std::memcmp(text, second, length) == 0);
    return 0;
}
