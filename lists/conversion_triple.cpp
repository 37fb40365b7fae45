// What both lists do with a conversion: compare, check against the catalogue,
// name it in a menu item and read the one the choosers show.
#include "lists/conversion_triple.h"
#include "core/name_text.h"

#include "catalogue/units.h"
#include "core/conversion_state.h"
#include "core/bounded_text.h"

bool operator==(const ConversionTriple& a, const ConversionTriple& b)
{
    return a.category == b.category && a.fromIndex == b.fromIndex && a.toIndex == b.toIndex;
}

bool IsConversionInCatalog(const ConversionTriple& entry)
{
    return UnitExists(entry.category, entry.fromIndex) && UnitExists(entry.category, entry.toIndex);
}

void ApplyConversion(const ConversionTriple& entry)
{
    if (IsConversionInCatalog(entry))
        SelectConversion(entry.category, entry.fromIndex, entry.toIndex);
}

void FormatConversionText(const ConversionTriple& entry, char* buffer, int size)
{
    if (size <= 0)
        return;
    buffer[0] = '\0';
    if (!IsConversionInCatalog(entry))
        return;
    int length = 0;   // "%s ~ %s", cut when it does not fit
    char own[UNIT_NAME_MAX + 1];
    if (AppendText(buffer, size, &length, UnitName1252(entry.category, entry.fromIndex, own, sizeof own)) &&
        AppendText(buffer, size, &length, " ~ "))
        AppendText(buffer, size, &length, UnitName1252(entry.category, entry.toIndex, own, sizeof own));
}

bool ReadChosenConversion(ConversionTriple* chosen)
{
    return ShownConversion(&chosen->category, &chosen->fromIndex, &chosen->toIndex);
}
