// The catalogue's questions answered from the built-in tables.
#include "catalogue/units.h"

#include "catalogue/catalog.h"

#include <cmath>
#include <cstring>

namespace {

// The rows written in parts, appended to their tables; the parts themselves
// are core's business (core/compound.h), keyed by these names.
const char* const kCompoundRowNames[] = {
    "foot + inch", "pound + ounce", "stone + pound", "hour + minute + second", "degree + minute + second",
};

bool IsCompoundRow(const UnitEntry& row)
{
    for (const char* name : kCompoundRowNames)
        if (std::strcmp(row.name, name) == 0) return true;
    return false;
}

}  // namespace

void LoadCatalogue()
{
}

int CategoryCount()
{
    return BUILT_IN_CATEGORY_COUNT;
}

// Compared unsigned, so negative indexes fail as well as those past the end.
bool IsCategoryIndex(int category)
{
    return static_cast<unsigned>(category) < static_cast<unsigned>(CategoryCount());
}

const char* CategoryName(int category)
{
    return IsCategoryIndex(category) ? UnitCatalog[category].name : "";
}

int UnitCount(int category)
{
    return IsCategoryIndex(category) ? UnitCatalog[category].count : 0;
}

bool UnitExists(int category, int unit)
{
    return static_cast<unsigned>(unit) < static_cast<unsigned>(UnitCount(category));
}

const char* UnitName(int category, int unit)
{
    return UnitExists(category, unit) ? UnitCatalog[category].units[unit].name : "";
}

double UnitFactor(int category, int unit)
{
    return UnitExists(category, unit) ? UnitCatalog[category].units[unit].factor : std::nan("");
}

UnitKind UnitKindOf(int category, int unit)
{
    if (!UnitExists(category, unit)) return UNIT_FACTOR;
    if (category == CATEGORY_TEMPERATURE) return UNIT_TEMPERATURE;
    return IsCompoundRow(UnitCatalog[category].units[unit]) ? UNIT_COMPOUND : UNIT_FACTOR;
}

int BaseUnitIndex(int category)
{
    if (!IsCategoryIndex(category))
        return -1;
    if (category == CATEGORY_TEMPERATURE)
        return 0;   // its factors are converter codes, not sizes
    for (int u = 0; u < UnitCount(category); ++u)
        if (UnitFactor(category, u) == 1.0)
            return u;
    return -1;
}

int TotalUnitCount()
{
    int total = 0;
    for (int c = 0; c < CategoryCount(); ++c)
        total += UnitCount(c);
    return total;
}
