// The last ten distinct conversions set up by hand, shown newest first in the
// "&Go" menu with command ids 96 + ring slot.
#pragma once
#include "core/window_handle.h"

struct ConversionTriple {
    int category;
    int fromIndex;
    int toIndex;
};

bool operator==(const ConversionTriple& a, const ConversionTriple& b);

const int RECENT_SLOTS = 10;
const int RECENT_FIRST_ID = 96;   // 96..105: 96 + ring slot

struct RecentListState {
    ConversionTriple slots[RECENT_SLOTS];
    int nextSlot;   // slot the next entry takes
    int count;      // valid entries, the count slots before nextSlot
};

extern RecentListState RecentList;

void AddRecent(WindowHandle window);
void ApplyRecent(int slot);
void BuildRecentMenu(WindowHandle window);
