// The All Units rows: the filter runs when the category or the filter changes;
// a row's value is converted only when it is asked for, so a keystroke costs
// nothing but the rows on screen.
#include "core/all_units.h"

#include <string.h>

#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "core/convert_text.h"

AllUnitsRows AllUnits = { -1, 0, 0, 0, "", "", {}, 0 };

// Every unit of the category the matcher finds for the filter, in table order.
static void FilterRows()
{
    // Kept between filterings; they grow only with the catalogue.
    static std::vector<UnitMatch> found;
    static std::vector<bool> hit;
    const int units = UnitCount(AllUnits.category);
    found.resize(size_t(TotalUnitCount()));
    hit.assign(size_t(units), false);
    AllUnits.units.resize(size_t(units));
    const int foundCount = FindUnits(AllUnits.filter, found.data(), int(found.size()));
    for (int i = 0; i < foundCount; ++i)
        if (found[i].category == AllUnits.category && found[i].unit < units) hit[size_t(found[i].unit)] = true;
    AllUnits.count = 0;
    for (int u = 0; u < units; ++u)
        if (hit[size_t(u)]) AllUnits.units[size_t(AllUnits.count++)] = u;
}

static void CopyBounded(char* out, int size, const char* text)
{
    int length = int(strlen(text));
    if (length > size - 1) length = size - 1;
    memcpy(out, text, size_t(length));
    out[length] = '\0';
}

bool SetAllUnitsConversion(int category, int fromUnit, int toUnit, int activeSide, const char* typed)
{
    AllUnits.fromUnit = fromUnit;
    AllUnits.toUnit = toUnit;
    AllUnits.typedUnit = activeSide == BOX_TO ? toUnit : fromUnit;
    CopyBounded(AllUnits.typed, sizeof AllUnits.typed, typed ? typed : "");
    if (category == AllUnits.category) return false;
    AllUnits.category = category;
    FilterRows();
    return true;
}

bool RefreshAllUnits()
{
    char typed[ALL_UNITS_TYPED_SIZE];
    const int side = Conversion.ActiveSide == BOX_TO ? BOX_TO : BOX_FROM;
    int length = ViewBoxGetText(side, typed, sizeof typed);
    if (length < 0) length = 0;
    if (length > int(sizeof typed) - 1) length = sizeof typed - 1;
    typed[length] = '\0';
    return SetAllUnitsConversion(Conversion.currentCategory, Conversion.fromUnit, Conversion.toUnit, side, typed);
}

void SetAllUnitsFilter(const char* filter)
{
    CopyBounded(AllUnits.filter, sizeof AllUnits.filter, filter ? filter : "");
    FilterRows();
}

int AllUnitsRowUnit(int row)
{
    return unsigned(row) < unsigned(AllUnits.count) ? AllUnits.units[size_t(row)] : -1;
}

int AllUnitsRowMarks(int row)
{
    const int unit = AllUnitsRowUnit(row);
    if (unit < 0) return 0;
    return (unit == AllUnits.fromUnit ? ALL_UNITS_MARK_FROM : 0) | (unit == AllUnits.toUnit ? ALL_UNITS_MARK_TO : 0);
}

int AllUnitsValueText(int row, char* out)
{
    out[0] = '\0';
    const int unit = AllUnitsRowUnit(row);
    char text[ALL_UNITS_VALUE_SIZE];
    if (unit < 0 ||
        !ConvertTypedText(AllUnits.typed, AllUnits.category, AllUnits.typedUnit, unit, text, sizeof text))
        return 0;
    const char* start = text;
    while (*start == ' ') ++start;   // the blank a positive value keeps for its sign
    CopyBounded(out, ALL_UNITS_VALUE_SIZE, start);
    return int(strlen(out));
}

// The name without the blanks some names end in.
static int TrimmedName(int unit, char* out)
{
    CopyBounded(out, CUSTOM_NAME_SIZE, UnitName(AllUnits.category, unit));
    int length = int(strlen(out));
    while (length > 0 && out[length - 1] == ' ') out[--length] = '\0';
    return length;
}

int AllUnitsNameText(int row, char* out)
{
    out[0] = '\0';
    const int unit = AllUnitsRowUnit(row);
    if (unit < 0) return 0;
    int length = TrimmedName(unit, out);
    static const char* const marks[4] = { "", " (from unit)", " (to unit)", " (from and to unit)" };
    const char* mark = marks[AllUnitsRowMarks(row)];
    memcpy(out + length, mark, strlen(mark) + 1);
    return length + int(strlen(mark));
}

int AllUnitsCopyLine(int row, char* out)
{
    out[0] = '\0';
    const int unit = AllUnitsRowUnit(row);
    if (unit < 0) return 0;
    int length = AllUnitsValueText(row, out);
    if (length > 0) out[length++] = ' ';
    return length + TrimmedName(unit, out + length);
}
