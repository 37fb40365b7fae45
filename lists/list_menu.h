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

const int GO_POPUP = 0;          // "&Go": recent conversions below its separator
const int FAVORITES_POPUP = 2;   // "&Favorites": favourites below its separator

// Item texts are Windows-1252, like the unit names they are made of; "&"
// marks the next letter as the item's mnemonic.

// Adds a plain text item at the end of pop-up `popup` of the menu bar.
void ListMenuAppend(WindowHandle window, int popup, int id, const char* text);
// Inserts a plain text item right before the item with id `beforeId`.
void ListMenuInsertBefore(WindowHandle window, int beforeId, int id, const char* text);
// Deletes the item with id `id`.
void ListMenuDelete(WindowHandle window, int id);
// Gives the item with id `oldId` the id `newId`; its text and place stay.
void ListMenuSetId(WindowHandle window, int oldId, int newId);
// Redraws the menu bar after a change.
void ListMenuRedraw(WindowHandle window);
