// The menu side of the recent and favourites lists: a handful of plain
// operations on the main window's menu bar. The Windows program implements
// them with the real menus (list_menu_win32.cpp), the tests with a fake.
// Ids name items anywhere in the menu bar, pop-ups included.
#pragma once

// The main window as the portable code sees it: an opaque handle that the
// Windows shell fills with its HWND (the same type there) and native tests
// leave null.
struct HWND__;
typedef HWND__* WindowHandle;

// A pop-up is named by a command it holds, so it is found wherever it stands
// in the bar (the shell checks these against the resource's ids).
const int GO_POPUP = 34;          // "&Go", which holds "E&xit": recent conversions below its separator
const int FAVORITES_POPUP = 48;   // "&Favorites", which holds "Add to Favoriates": favourites below its separator

// Item texts are Windows-1252, like the unit names they are made of; "&"
// marks the next letter as the item's mnemonic.

// Adds a plain text item at the end of the pop-up of the menu bar that holds
// the command `popup` (GO_POPUP, FAVORITES_POPUP).
void ListMenuAppend(WindowHandle window, int popup, int id, const char* text);
// Inserts a plain text item right before the item with id `beforeId`.
void ListMenuInsertBefore(WindowHandle window, int beforeId, int id, const char* text);
// Deletes the item with id `id`.
void ListMenuDelete(WindowHandle window, int id);
// Gives the item with id `oldId` the id `newId`; its text and place stay.
void ListMenuSetId(WindowHandle window, int oldId, int newId);
// Redraws the menu bar after a change.
void ListMenuRedraw(WindowHandle window);
