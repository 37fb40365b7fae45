// The lists' menu operations on the main window's real menu bar. Every id
// lookup is by command, which searches the pop-ups as well.
#include <windows.h>

#include "lists/list_menu.h"

void ListMenuAppend(WindowHandle window, int popup, int id, const char* text)
{
    AppendMenuA(GetSubMenu(GetMenu(window), popup), MF_STRING, static_cast<UINT_PTR>(id), text);
}

void ListMenuInsertBefore(WindowHandle window, int beforeId, int id, const char* text)
{
    InsertMenuA(GetMenu(window), static_cast<UINT>(beforeId), MF_BYCOMMAND | MF_STRING, static_cast<UINT_PTR>(id),
                text);
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

void ListMenuRedraw(WindowHandle window)
{
    DrawMenuBar(window);
}
