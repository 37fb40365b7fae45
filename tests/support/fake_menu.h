// A fake of the lists' menu seam: the main menu bar's five pop-ups as lists of
// items, addressed by command id across all pop-ups as the real menus are.
#pragma once
#include <string>
#include <vector>

struct FakeMenuItem {
    int id;             // 0 for a separator
    std::string text;
};

struct FakeMenuBar {
    std::vector<FakeMenuItem> popups[5];   // "&Go", "&View", "&Favorites", "&Options", "&Help"
    int redraws;
    int failedLookups;   // operations whose id named no item
};

extern FakeMenuBar FakeMenu;

// The menu bar as the resource creates it, with no list items.
void ResetFakeMenu();

// Removes the recent and favourite items, as if the lists were empty when
// the menus were built; the rest of the menu bar stays as it is.
void ClearFakeMenuLists();

// The pop-ups below are named as the lists name them (GO_POPUP, FAVORITES_POPUP).
// How many items follow the pop-up's separator.
size_t ListItemCount(int popup);
// The items after the pop-up's separator, top to bottom.
std::vector<FakeMenuItem> ListItems(int popup);
// The same as "id text" lines, for compact comparisons.
std::vector<std::string> ListItemLines(int popup);
