// The built-in unit catalogue: 32 categories, each an ordered table of units.
// A unit's factor is its size in the category's base unit; the Temperature
// table carries codes instead (see TemperatureConvert in core/convert.h).
// Indexes into both tables are stored in the settings file, so the order never
// changes.
#pragma once

struct UnitEntry {
    const char* name;   // Windows-1252, shown verbatim; at most 39 characters
    double factor;      // size in the base unit, or a Temperature code
};

struct Category {
    const char* name;        // shown in the category chooser
    const UnitEntry* units;  // display order, unsorted
    int count;               // rows in units
};

const int CATEGORY_COUNT = 32;
const int TEMPERATURE_CATEGORY = 28;
const int UNIT_NAME_MAX = 39;   // characters in the longest unit name

extern const Category UnitCatalog[CATEGORY_COUNT];

// Whether index names a row of UnitCatalog. Compared unsigned, so negative
// indexes fail as well as those of 32 or more.
inline bool IsCategoryIndex(int index)
{
    return static_cast<unsigned>(index) < static_cast<unsigned>(CATEGORY_COUNT);
}
