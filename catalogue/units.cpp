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

CustomCatalogue CustomRows;

int CategoryCount()
{
    return BUILT_IN_CATEGORY_COUNT + CustomRows.categoryCount;
}

int BuiltInCategoryCount()
{
    return BUILT_IN_CATEGORY_COUNT;
}

int BuiltInUnitCount(int category)
{
    return static_cast<unsigned>(category) < static_cast<unsigned>(BUILT_IN_CATEGORY_COUNT)
               ? UnitCatalog[category].count : 0;
}

bool CategoryNameIsUtf8(int category)
{
    return IsCategoryIndex(category) && category >= BUILT_IN_CATEGORY_COUNT;
}

bool UnitNameIsUtf8(int category, int unit)
{
    return CustomRowOf(category, unit) >= 0;
}

int CustomRowOf(int category, int unit)
{
    int k = unit - BuiltInUnitCount(category);
    if (k < 0 || !IsCategoryIndex(category))
        return -1;
    for (int r = 0; r < CustomRows.unitCount; ++r)
        if (CustomRows.units[r].category == category && k-- == 0)
            return r;
    return -1;
}

bool UnitExactSize(int category, int unit, UnitSize* size)
{
    const int row = CustomRowOf(category, unit);
    if (row < 0)
        return false;
    *size = CustomRows.units[row].size;
    return true;
}

// Compared unsigned, so negative indexes fail as well as those past the end.
bool IsCategoryIndex(int category)
{
    return static_cast<unsigned>(category) < static_cast<unsigned>(CategoryCount());
}

const char* CategoryName(int category)
{
    if (!IsCategoryIndex(category))
        return "";
    return category < BUILT_IN_CATEGORY_COUNT ? UnitCatalog[category].name
                                              : CustomRows.categoryNames[category - BUILT_IN_CATEGORY_COUNT];
}

int UnitCount(int category)
{
    if (!IsCategoryIndex(category))
        return 0;
    int count = BuiltInUnitCount(category);
    for (int r = 0; r < CustomRows.unitCount; ++r)
        count += CustomRows.units[r].category == category;
    return count;
}

bool UnitExists(int category, int unit)
{
    return static_cast<unsigned>(unit) < static_cast<unsigned>(UnitCount(category));
}

const char* UnitName(int category, int unit)
{
    if (unit < BuiltInUnitCount(category) && unit >= 0)
        return UnitCatalog[category].units[unit].name;
    const int row = CustomRowOf(category, unit);
    return row >= 0 ? CustomRows.units[row].name : "";
}

double UnitFactor(int category, int unit)
{
    if (unit < BuiltInUnitCount(category) && unit >= 0)
        return UnitCatalog[category].units[unit].factor;
    const int row = CustomRowOf(category, unit);
    return row >= 0 ? CustomRows.units[row].factor : std::nan("");
}

UnitKind UnitKindOf(int category, int unit)
{
    if (CustomRowOf(category, unit) >= 0)
        return UNIT_CUSTOM;
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
