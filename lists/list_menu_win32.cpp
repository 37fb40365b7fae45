// The lists' menu operations on the main window's real menu bar. Every id
// lookup is by command, which searches the pop-ups as well. Item texts come
// as Windows-1252 ("from ~ to" of two unit names) and go to the wide calls as
// UTF-16, so the system's code page never reads them; "&" still marks the
// mnemonic.
#include <windows.h>

#include "lists/conversion_triple.h"
#include "lists/list_menu.h"
#include "catalogue/wide_name_win32.h"

// The pop-up of the bar with the command among its own items, or 0.
static HMENU PopupHolding(HMENU bar, int command)
{
    const int popups = GetMenuItemCount(bar);
    for (int p = 0; p < popups; ++p) {
        HMENU popup = GetSubMenu(bar, p);
        const int items = popup ? GetMenuItemCount(popup) : 0;
        for (int i = 0; i < items; ++i)
            if (GetMenuItemID(popup, i) == static_cast<UINT>(command))
                return popup;
    }
    return 0;
}

void ListMenuAppend(WindowHandle window, int popup, int id, const char* text)
{
    HMENU menu = PopupHolding(GetMenu(window), popup);
    if (!menu)
        return;
    wchar_t item[LIST_ITEM_TEXT_SIZE];
    WidenName(text, item, LIST_ITEM_TEXT_SIZE);
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), item);
}

void ListMenuInsertBefore(WindowHandle window, int beforeId, int id, const char* text)
{
    wchar_t item[LIST_ITEM_TEXT_SIZE];
    WidenName(text, item, LIST_ITEM_TEXT_SIZE);
    InsertMenuW(GetMenu(window), static_cast<UINT>(beforeId), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(id),
                item);
}

void ListMenuDelete(WindowHandle window, int id)
{
    DeleteMenu(GetMenu(window), static_cast<UINT>(id), MF_BYCOMMAND);
}

void ListMenuSetId(WindowHandle window, int oldId, int newId)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID;   // the id only: text and place stay
    item.wID = static_cast<UINT>(newId);
    SetMenuItemInfoA(GetMenu(window), static_cast<UINT>(oldId), FALSE, &item);
}

// A hidden window (the main window while it is created) has no menu bar on
// the screen yet: it is drawn whole when the window shows.
void ListMenuRedraw(WindowHandle window)
{
    if (IsWindowVisible(window)) DrawMenuBar(window);
}
