// The one way into the unit catalogue: every question about a category or a
// unit goes through these functions, never through the tables themselves, so
// rows of other kinds can join the catalogue behind them. A category is its
// index, a unit its index in its category; both are stored in the settings
// file. Indexes that name nothing are answered, not trusted: a count of 0, an
// empty name, a NaN factor, -1 for an index.
#pragma once
#include <cstdint>

// The categories, in stored order.
const int CATEGORY_ALL_LENGTH = 0, CATEGORY_ALL_SPEED = 1, CATEGORY_ALL_MASS = 2, CATEGORY_COOKING = 3,
          CATEGORY_COMMON_LENGTH = 4, CATEGORY_COMMON_SPEED = 5, CATEGORY_COMMON_WEIGHT = 6,
          CATEGORY_ACCELERATION = 7, CATEGORY_ANGLE = 8, CATEGORY_AREA = 9, CATEGORY_ASTRONOMICAL = 10,
          CATEGORY_BUTTER = 11, CATEGORY_DENSITY = 12, CATEGORY_OIL_WATER_VISCOSITY = 13,
          CATEGORY_DYNAMIC_VISCOSITY = 14, CATEGORY_ENERGY = 15, CATEGORY_MASS_FLOW = 16,
          CATEGORY_MOLE_FLOW = 17, CATEGORY_VOLUME_FLOW = 18, CATEGORY_FORCE = 19, CATEGORY_FREQUENCY = 20,
          CATEGORY_ILLUMINANCE = 21, CATEGORY_KINEMATIC_VISCOSITY = 22, CATEGORY_LUMINANCE = 23,
          CATEGORY_METRIC_LENGTH = 24, CATEGORY_METRIC_MASS = 25, CATEGORY_POWER = 26, CATEGORY_PRESSURE = 27,
          CATEGORY_TEMPERATURE = 28, CATEGORY_TIME = 29, CATEGORY_TORQUE = 30, CATEGORY_VOLUME = 31;

const int UNIT_NAME_MAX = 39;   // characters in the longest unit name

// How a unit converts. Every kind keeps its number: more kinds come after these.
enum UnitKind {
    UNIT_FACTOR,        // by its factor, its size in the category's base unit
    UNIT_TEMPERATURE,   // by the temperature converter; the factor is its code
    UNIT_CUSTOM,        // a user's unit: its exact size (UnitExactSize), the factor that rounded
    UNIT_COMPOUND,      // by the factor of its first part, written in parts ("5 ft 7 in")
};

// Makes every unit known that the settings may name. The built-in tables
// need nothing; units added at run time are added here, so it runs before
// the settings are read.
void LoadCatalogue();

int CategoryCount();
bool IsCategoryIndex(int category);
const char* CategoryName(int category);   // "" for no category
int UnitCount(int category);              // 0 for no category

// Whether the category has a unit of that index.
bool UnitExists(int category, int unit);
const char* UnitName(int category, int unit);    // Windows-1252; "" for no unit
double UnitFactor(int category, int unit);       // the size or the code; NaN for no unit
UnitKind UnitKindOf(int category, int unit);     // UNIT_FACTOR for no unit

// The category's first unit of factor 1.0, which sizes are given in; 0 for
// Temperature, whose factors are codes. -1 for an index that names no
// category, or a category without such a unit.
int BaseUnitIndex(int category);

// The units of all categories together.
int TotalUnitCount();

// ---- The user's own units, after every built-in row and category ----------

const int CUSTOM_CATEGORY_MAX = 16;
const int CUSTOM_UNIT_MAX = 200;
// A custom name: at most UNIT_NAME_MAX characters of UTF-8 (4 bytes each), NUL.
const int CUSTOM_NAME_SIZE = 4 * UNIT_NAME_MAX + 1;

// A custom unit's size in its category's base unit, exactly: num / den *
// 10^exponent, both below 10^18.
struct UnitSize {
    uint64_t num, den;
    int exponent;
};

struct CustomUnitRow {
    int category;                   // a built-in category or BUILT_IN + a custom one
    char name[CUSTOM_NAME_SIZE];    // UTF-8
    UnitSize size;
    double factor;                  // size rounded to a double
};

// The custom rows as the catalogue shows them; the units of one category
// come in the order they have here. Filled by core/custom_units.h.
struct CustomCatalogue {
    int categoryCount;
    char categoryNames[CUSTOM_CATEGORY_MAX][CUSTOM_NAME_SIZE];   // UTF-8
    int unitCount;
    CustomUnitRow units[CUSTOM_UNIT_MAX];
};
extern CustomCatalogue CustomRows;

int BuiltInCategoryCount();
int BuiltInUnitCount(int category);     // 0 for a custom category or none
// Whether a name is UTF-8 (a custom one) rather than Windows-1252.
bool CategoryNameIsUtf8(int category);
bool UnitNameIsUtf8(int category, int unit);
// The custom row a unit is, or -1 for a built-in unit or none.
int CustomRowOf(int category, int unit);
// The exact size of a UNIT_CUSTOM unit; false for every other unit.
bool UnitExactSize(int category, int unit, UnitSize* size);
