// The built-in unit catalogue: 32 categories, each an ordered table of units.
// A unit's factor is its size in the category's base unit; the Temperature
// table carries codes instead (see TemperatureConvert in core/convert.h).
// Indexes into both tables are stored in the settings file, so the order never
// changes. Only catalogue/ reads these records; everything else asks
// catalogue/units.h.
#pragma once
#include "catalogue/units.h"

struct UnitEntry {
    const char* name;   // Windows-1252, shown verbatim; at most 39 characters
    double factor;      // size in the base unit, or a Temperature code
};

struct Category {
    const char* name;        // shown in the category chooser
    const UnitEntry* units;  // display order, unsorted
    int count;               // rows in units
};

const int BUILT_IN_CATEGORY_COUNT = 32;

extern const Category UnitCatalog[BUILT_IN_CATEGORY_COUNT];
