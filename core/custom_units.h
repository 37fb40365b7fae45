// The user's own units: each one defined as "1 NAME = QUANTITY UNIT", UNIT a
// unit of the same category, built-in or custom. A category that is not
// built in is made by its first unit, "1 NAME = 1 NAME", its base. The set
// is read from and written to the units file's text here (UTF-8); a unit's
// exact size follows from its chain of definitions, and the set is shown
// through the catalogue's door (catalogue/units.h).
//
// The file's text: one block per unit, in order, keys in any order:
//   [Unit]
//   Category=Common Length
//   Name=stride
//   Equals=39/50
//   Of=Meter
// Blank lines and lines starting with ';' are ignored; a block that lacks a
// key, or whose unit cannot be defined, is skipped.
#pragma once
#include "catalogue/units.h"

struct UnitDefinition {
    char category[CUSTOM_NAME_SIZE];   // UTF-8, as every name here
    char name[CUSTOM_NAME_SIZE];
    UnitSize quantity;                 // QUANTITY, in lowest terms
    char of[CUSTOM_NAME_SIZE];         // UNIT; the name itself for a category's base
};

struct CustomUnitSet {
    int count;
    UnitDefinition units[CUSTOM_UNIT_MAX];
};

// What is wrong with a definition; the dialog says it next to the field.
enum UnitProblem {
    UNIT_OK,
    UNIT_NAME_EMPTY,
    UNIT_NAME_TOO_LONG,       // more than UNIT_NAME_MAX characters, or not text
    UNIT_NAME_TAKEN,          // already a unit of that category
    UNIT_QUANTITY_BAD,        // not a positive finite number that can be held exactly
    UNIT_THROUGH_ITSELF,      // its chain of definitions comes back to it
    UNIT_OF_UNKNOWN,          // UNIT is no unit of the category
    UNIT_CATEGORY_BAD,        // empty, too long, or Temperature
    UNIT_TOO_MANY_UNITS,
    UNIT_TOO_MANY_CATEGORIES,
    UNIT_SIZE_BEYOND,         // the size through the chain cannot be held exactly
};

// The set as the catalogue shows it, and the text the set is read from last.
extern CustomUnitSet CustomUnits;

// Reads a units file's text (length bytes, no NUL needed) into set: every
// block that can be read and defined is kept, in order; returns how many
// were skipped.
int ReadUnitsText(const char* text, int length, CustomUnitSet* set);
// The file's text of set into out (NUL-terminated); its length, or -1 when
// it does not fit size. UNITS_TEXT_MAX holds any set.
const int UNITS_TEXT_MAX = CUSTOM_UNIT_MAX * (4 * CUSTOM_NAME_SIZE + 120) + 200;
int WriteUnitsText(const CustomUnitSet& set, char* out, int size);

// A quantity as typed (UTF-8, the locale's symbols as ReadTypedNumber
// reads it) into lowest terms; false when it is no positive number below
// 10^18 over 10^18 within 10^-60 .. 10^60.
bool ReadUnitQuantity(const char* typed, UnitSize* quantity);
// The quantity as the file writes it ("39/50", "1e-9", "7/3").
int WriteUnitQuantity(const UnitSize& quantity, char* out, int size);

// Whether definition may replace the unit at `replacing` (-1: be added) in
// set; with UNIT_OK, size receives its exact size in its category's base.
UnitProblem CheckUnitDefinition(const CustomUnitSet& set, const UnitDefinition& definition, int replacing,
                                UnitSize* size);
// The same check; with UNIT_OK the definition goes into set, and the units
// defined through a renamed unit follow its new name.
UnitProblem ApplyUnitDefinition(CustomUnitSet* set, const UnitDefinition& definition, int replacing);
// The unit of set that has that category and name, or -1.
int FindCustomUnit(const CustomUnitSet& set, const char* category, const char* name);

// Makes set the catalogue's custom part (CustomUnits and the door's rows).
void ShowCustomUnits(const CustomUnitSet& set);

// The built-in category of that name (compared as UTF-8), or -1.
int CategoryOfBuiltInName(const char* name);
// The catalogue index of a category name (built-in names compared as
// UTF-8), or -1; with custom categories as set makes them.
int CategoryOfName(const CustomUnitSet& set, const char* name);
// The units of set a deletion of unit `index` takes with it: those defined
// through it, directly or not. marks[i] is set for each (index included);
// returns their count.
int UnitsDefinedThrough(const CustomUnitSet& set, int index, bool marks[CUSTOM_UNIT_MAX]);
// Removes the marked units, keeping the order of the others.
void RemoveMarkedUnits(CustomUnitSet* set, const bool marks[CUSTOM_UNIT_MAX]);

// What the dialog says next to a field about a problem, and which field:
// 0 the name, 1 the category, 2 the quantity, 3 the unit.
const char* UnitProblemText(UnitProblem problem);
int UnitProblemField(UnitProblem problem);
// "stride (Common Length): 1 stride = 0.78 meter", UTF-8, cut to size - 1.
void DescribeCustomUnit(const UnitDefinition& unit, char* out, int size);
