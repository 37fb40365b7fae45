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

// Shared by both lists.

// "%s ~ %s" with the entry's from-unit and to-unit names, cut to fit `size`
// bytes. An entry outside the catalogue gives an empty text.
void FormatConversionText(const ConversionTriple& entry, char* buffer, int size);

// The current category with the from-unit and to-unit choosers' selections;
// false when a chooser has no selection.
bool ReadChosenConversion(ConversionTriple* chosen);

// Whether the entry names a category and two units that exist, so that its
// indexes may be used on the catalogue tables.
bool IsConversionInCatalog(const ConversionTriple& entry);
