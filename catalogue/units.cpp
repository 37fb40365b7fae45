// The catalogue's questions answered from the built-in tables.
#include "catalogue/units.h"

#include "catalogue/catalog.h"

#include <cmath>

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
    return UnitExists(category, unit) && category == CATEGORY_TEMPERATURE ? UNIT_TEMPERATURE : UNIT_FACTOR;
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
