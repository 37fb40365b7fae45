// What both lists do with a conversion: compare, check against the catalogue,
// name it in a menu item and read the one the choosers show.
#include "lists/conversion_triple.h"

#include "catalogue/catalog.h"
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "lists/bounded_text.h"

bool operator==(const ConversionTriple& a, const ConversionTriple& b)
{
    return a.category == b.category && a.fromIndex == b.fromIndex && a.toIndex == b.toIndex;
}

bool IsConversionInCatalog(const ConversionTriple& entry)
{
    if (!IsCategoryIndex(entry.category))
        return false;
    // Compared unsigned, so negative indexes fail as well.
    const unsigned units = static_cast<unsigned>(UnitCatalog[entry.category].count);
    return static_cast<unsigned>(entry.fromIndex) < units && static_cast<unsigned>(entry.toIndex) < units;
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
    const UnitEntry* units = UnitCatalog[entry.category].units;
    int length = 0;   // "%s ~ %s", cut when it does not fit
    if (AppendText(buffer, size, &length, units[entry.fromIndex].name) && AppendText(buffer, size, &length, " ~ "))
        AppendText(buffer, size, &length, units[entry.toIndex].name);
}

bool ReadChosenConversion(ConversionTriple* chosen)
{
    const int fromIndex = ViewChooserSelection(CHOOSER_FROM_UNIT);
    if (fromIndex == -1)
        return false;
    const int toIndex = ViewChooserSelection(CHOOSER_TO_UNIT);
    if (toIndex == -1)
        return false;
    chosen->category = Conversion.currentCategory;
    chosen->fromIndex = fromIndex;
    chosen->toIndex = toIndex;
    return true;
}
