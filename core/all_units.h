// The rows of the "All Units" view: every unit of the current category, in
// the category's order, narrowed by a filter with the Find Unit matcher, each
// showing the typed value converted into it. Plain code over the conversion
// state; the window asks for a row's texts only when it shows the row.
#pragma once
#include <vector>

#include "catalogue/units.h"
#include "core/convert_text.h"
#include "core/unit_search.h"
#include "numtext/numtext.h"

const int ALL_UNITS_TYPED_SIZE = 255;                 // a value box's text as Recompute reads it, NUL included
const int ALL_UNITS_VALUE_SIZE = TYPED_ANSWER_MAX_TEXT;  // a row's value text (UTF-8) and its NUL
// A name (a custom one in UTF-8) and its mark, " (from and to unit)" being the longest.
const int ALL_UNITS_NAME_SIZE = CUSTOM_NAME_SIZE + 23;
// "value unit" of one row, NUL included.
const int ALL_UNITS_LINE_SIZE = ALL_UNITS_VALUE_SIZE + 1 + CUSTOM_NAME_SIZE;

// Marks of a row: its unit is current on that side.
const int ALL_UNITS_MARK_FROM = 1;
const int ALL_UNITS_MARK_TO = 2;

struct AllUnitsRows {
    int category;                    // whose units the rows are; -1 before the first refresh
    int fromUnit, toUnit;            // the current units (marked)
    int typedUnit;                   // the unit the typed text is on: the active side's
    char typed[ALL_UNITS_TYPED_SIZE];        // the active value box's text
    char filter[FIND_QUERY_MAX + 1];         // Windows-1252, as Find Unit takes it
    std::vector<int> units;                  // the rows shown: unit indexes in table order
    int count;
};

extern AllUnitsRows AllUnits;   // the one view's rows

// Takes the conversion as given: the category, its two current units, the
// active side (1 From, 2 To) and that box's text. The rows are filtered again
// when the category changed. Returns true when the rows themselves (which
// units, how many) changed, false when only their values or marks may have.
bool SetAllUnitsConversion(int category, int fromUnit, int toUnit, int activeSide, const char* typed);
// The same, read from the conversion state and its view.
bool RefreshAllUnits();
// A new filter (Windows-1252; the first FIND_QUERY_MAX bytes count): the rows
// are the category's units the matcher finds, in table order.
void SetAllUnitsFilter(const char* filter);

// The unit of row, or -1 for a row that is not shown.
int AllUnitsRowUnit(int row);
// ALL_UNITS_MARK_FROM and/or ALL_UNITS_MARK_TO, 0 for an unmarked or missing row.
int AllUnitsRowMarks(int row);
// The typed value in the row's unit without leading blanks, as the passive
// box would show it; 0 and out empty for a text that is no number or a
// missing row. out holds at least ALL_UNITS_VALUE_SIZE bytes.
int AllUnitsValueText(int row, char* out);
// The unit's name without trailing blanks, then " (from unit)", " (to unit)"
// or " (from and to unit)" for a marked row. out holds ALL_UNITS_NAME_SIZE bytes.
int AllUnitsNameText(int row, char* out);
// "value unit", or the name alone when there is no value: what copying the
// row gives. out holds ALL_UNITS_LINE_SIZE bytes.
int AllUnitsCopyLine(int row, char* out);
