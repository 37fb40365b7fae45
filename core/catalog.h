// The built-in unit catalogue: 32 categories, each an ordered table of units.
// A unit's factor is its size in the category's base unit; the Temperature
// table carries codes instead (see TemperatureConvert). Indexes into both
// tables are stored in the settings file, so the order never changes.
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

extern const Category UnitCatalog[CATEGORY_COUNT];

// A routine that replaces factor arithmetic for one unit table.
typedef void (*SpecialConverter)(double fromFactor, double toFactor, double value, double* result);

// value * fromFactor / toFactor, product first, in double precision.
double ConvertByFactors(double value, double fromFactor, double toFactor);

// Temperature codes: 1 Celsius, 2 Fahrenheit, 3 Rankine, 4 Reaumur, anything else kelvin.
void TemperatureConvert(double fromCode, double toCode, double value, double* result);

// The converter registered for the category's unit table, or 0. Indexes of 32
// or more (compared unsigned, so negative ones too) select nothing.
SpecialConverter FindSpecialConverter(int categoryIndex);
