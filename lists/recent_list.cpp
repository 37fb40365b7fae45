// The ring of the last ten conversions and its items in the "&Go" menu.
#include "lists/recent_list.h"

#include "catalogue/units.h"
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "core/bounded_text.h"
#include "lists/list_menu.h"

RecentListState RecentList;   // the one recent list of the process

int NewestRecentSlot(int k)
{
    // nextSlot - (k + 1), kept non-negative: 9 = RECENT_SLOTS - 1 steps back one.
    return (RecentList.nextSlot + (RECENT_SLOTS - 1) * (k + 1)) % RECENT_SLOTS;
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
        if (RecentList.slots[NewestRecentSlot(k)] == candidate)
            return;

    // A full ring gives the oldest entry's slot, and with it its id, to the new one.
    const int slot = RecentList.nextSlot;
    if (RecentList.count == RECENT_SLOTS)
        ListMenuDelete(window, RECENT_FIRST_ID + slot);
    RecentList.slots[slot] = candidate;

    char text[LIST_ITEM_TEXT_SIZE];
    FormatConversionText(candidate, text, sizeof text);
    if (RecentList.count == 0)
        ListMenuAppend(window, GO_POPUP, RECENT_FIRST_ID + slot, text);
    else   // directly below the separator: before the newest entry's item
        ListMenuInsertBefore(window, RECENT_FIRST_ID + NewestRecentSlot(0), RECENT_FIRST_ID + slot, text);

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
    ApplyConversion(RecentList.slots[slot]);
}

void BuildRecentMenu(WindowHandle window)
{
    char text[LIST_ITEM_TEXT_SIZE];
    for (int k = 0; k < RecentList.count; k++) {
        const int slot = NewestRecentSlot(k);
        if (k == 0)   // the window opens on the conversion set up last
            ApplyRecent(slot);
        FormatConversionText(RecentList.slots[slot], text, sizeof text);
        ListMenuAppend(window, GO_POPUP, RECENT_FIRST_ID + slot, text);
    }
    ListMenuRedraw(window);
}
