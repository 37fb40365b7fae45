// The ring of the last ten conversions and its items in the "&Go" menu.
#include "lists/recent_list.h"

#include "core/catalog.h"
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "lists/bounded_text.h"
#include "lists/list_menu.h"

RecentListState RecentList;   // the one recent list of the process

bool operator==(const ConversionTriple& a, const ConversionTriple& b)
{
    return a.category == b.category && a.fromIndex == b.fromIndex && a.toIndex == b.toIndex;
}

bool IsConversionInCatalog(const ConversionTriple& entry)
{
    // Compared unsigned, so negative indexes fail as well.
    if (static_cast<unsigned>(entry.category) >= static_cast<unsigned>(CATEGORY_COUNT))
        return false;
    const unsigned units = static_cast<unsigned>(UnitCatalog[entry.category].count);
    return static_cast<unsigned>(entry.fromIndex) < units && static_cast<unsigned>(entry.toIndex) < units;
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

// The slot of the k-th newest entry (k = 0 for the newest).
static int NewestSlot(int k)
{
    return (RecentList.nextSlot + 9 * (k + 1)) % RECENT_SLOTS;
}

void AddRecent(WindowHandle window)
{
    ConversionTriple candidate;
    if (!ReadChosenConversion(&candidate))
        return;
    if (candidate.fromIndex == candidate.toIndex)
        return;
    if (!IsConversionInCatalog(candidate))   // chooser and state out of step: nothing to name
        return;

    // A conversion already listed keeps its place.
    for (int k = 0; k < RecentList.count; k++)
        if (RecentList.slots[NewestSlot(k)] == candidate)
            return;

    // A full ring gives the oldest entry's slot, and with it its id, to the new one.
    const int slot = RecentList.nextSlot;
    if (RecentList.count == RECENT_SLOTS)
        ListMenuDelete(window, RECENT_FIRST_ID + slot);
    RecentList.slots[slot] = candidate;

    char text[260];
    FormatConversionText(candidate, text, sizeof text);
    if (RecentList.count == 0)
        ListMenuAppend(window, GO_POPUP, RECENT_FIRST_ID + slot, text);
    else   // directly below the separator: before the newest entry's item
        ListMenuInsertBefore(window, RECENT_FIRST_ID + NewestSlot(0), RECENT_FIRST_ID + slot, text);

    RecentList.nextSlot = (slot + 1) % RECENT_SLOTS;
    if (RecentList.count < RECENT_SLOTS)
        RecentList.count++;
    ListMenuRedraw(window);
}

void ApplyRecent(int slot)
{
    if (slot < 0 || slot >= RECENT_SLOTS)
        return;
    // Only a valid entry is applied: one of the `count` slots before nextSlot.
    const int age = (RecentList.nextSlot - 1 - slot + 2 * RECENT_SLOTS) % RECENT_SLOTS;
    if (age >= RecentList.count)
        return;
    const ConversionTriple& entry = RecentList.slots[slot];
    if (!IsConversionInCatalog(entry))
        return;
    SelectConversion(entry.category, entry.fromIndex, entry.toIndex);
}

void BuildRecentMenu(WindowHandle window)
{
    char text[260];
    for (int k = 0; k < RecentList.count; k++) {
        const int slot = NewestSlot(k);
        if (k == 0)   // the window opens on the conversion set up last
            ApplyRecent(slot);
        FormatConversionText(RecentList.slots[slot], text, sizeof text);
        ListMenuAppend(window, GO_POPUP, RECENT_FIRST_ID + slot, text);
    }
    ListMenuRedraw(window);
}
