// The last ten distinct conversions set up by hand, shown newest first in the
// "&Go" menu with command ids 96 + ring slot.
#pragma once
#include "lists/conversion_triple.h"
#include "lists/list_menu.h"

const int RECENT_SLOTS = 10;
const int RECENT_FIRST_ID = 96;   // 96..105: 96 + ring slot

struct RecentListState {
    ConversionTriple slots[RECENT_SLOTS];
    int nextSlot;   // slot the next entry takes
    int count;      // valid entries, the count slots before nextSlot
};

extern RecentListState RecentList;

// The slot of the k-th newest entry, k = 0 for the newest (0 <= k < 10).
int NewestRecentSlot(int k);

void AddRecent(WindowHandle window);
void ApplyRecent(int slot);
void BuildRecentMenu(WindowHandle window);
