#include "tests/support/fake_menu.h"

#include "lists/list_menu.h"

FakeMenuBar FakeMenu;

void ResetFakeMenu()
{
    for (std::vector<FakeMenuItem>& popup : FakeMenu.popups)
        popup.clear();
    FakeMenu.popups[0] = { { 34, "E&xit" }, { 0, "" } };
    FakeMenu.popups[1] = { { 51, "Swap" } };
    FakeMenu.popups[2] = { { 48, "Add to Favoriates" }, { 49, "Remove from Favoriates" }, { 0, "" } };
    // The decimal-place pop-up is flattened into "&Options": its ids 80..95
    // are found by command like every other item.
    FakeMenu.popups[3] = { { 50, "Save Settings Upon Exit" }, { 0, "" } };
    for (int places = 0; places <= 15; places++)
        FakeMenu.popups[3].push_back({ 80 + places, std::to_string(places) });
    FakeMenu.popups[3].push_back({ 65, "Scientific Notation" });
    FakeMenu.popups[4] = { { 32, "&About" } };
    FakeMenu.redraws = 0;
    FakeMenu.failedLookups = 0;
}

// The first item with this id in menu order, like a lookup by command.
static bool FindItem(int id, int* popup, size_t* position)
{
    for (int p = 0; p < 5; p++)
        for (size_t i = 0; i < FakeMenu.popups[p].size(); i++)
            if (FakeMenu.popups[p][i].id == id && id != 0) {
                *popup = p;
                *position = i;
                return true;
            }
    FakeMenu.failedLookups++;
    return false;
}

// The pop-up that holds the command among its items, as the lists name one; -1 when none does.
static int PopupHolding(int command)
{
    for (int p = 0; p < 5; p++)
        for (const FakeMenuItem& item : FakeMenu.popups[p])
            if (item.id == command && command != 0) return p;
    return -1;
}

void ListMenuAppend(WindowHandle, int popup, int id, const char* text)
{
    const int p = PopupHolding(popup);
    if (p >= 0) FakeMenu.popups[p].push_back({ id, text });
}

void ListMenuInsertBefore(WindowHandle, int beforeId, int id, const char* text)
{
    int popup;
    size_t position;
    if (FindItem(beforeId, &popup, &position))
        FakeMenu.popups[popup].insert(FakeMenu.popups[popup].begin() + static_cast<long>(position), { id, text });
}

void ListMenuDelete(WindowHandle, int id)
{
    int popup;
    size_t position;
    if (FindItem(id, &popup, &position))
        FakeMenu.popups[popup].erase(FakeMenu.popups[popup].begin() + static_cast<long>(position));
}

void ListMenuSetId(WindowHandle, int oldId, int newId)
{
    int popup;
    size_t position;
    if (FindItem(oldId, &popup, &position)) FakeMenu.popups[popup][position].id = newId;
}

void ListMenuRedraw(WindowHandle)
{
    FakeMenu.redraws++;
}

// Where the list items of a pop-up start: right after its first separator.
static size_t FirstListItem(const std::vector<FakeMenuItem>& popup)
{
    for (size_t i = 0; i < popup.size(); i++)
        if (popup[i].id == 0) return i + 1;
    return popup.size();
}

void ClearFakeMenuLists()
{
    for (int popup : { GO_POPUP, FAVORITES_POPUP }) {
        std::vector<FakeMenuItem>& items = FakeMenu.popups[PopupHolding(popup)];
        items.erase(items.begin() + static_cast<long>(FirstListItem(items)), items.end());
    }
}

size_t ListItemCount(int popup)
{
    const std::vector<FakeMenuItem>& items = FakeMenu.popups[PopupHolding(popup)];
    return items.size() - FirstListItem(items);
}

std::vector<FakeMenuItem> ListItems(int popup)
{
    std::vector<FakeMenuItem> items;
    bool afterSeparator = false;
    for (const FakeMenuItem& item : FakeMenu.popups[PopupHolding(popup)]) {
        if (afterSeparator) items.push_back(item);
        if (item.id == 0) afterSeparator = true;
    }
    return items;
}

std::vector<std::string> ListItemLines(int popup)
{
    std::vector<std::string> lines;
    for (const FakeMenuItem& item : ListItems(popup))
        lines.push_back(std::to_string(item.id) + " " + item.text);
    return lines;
}
