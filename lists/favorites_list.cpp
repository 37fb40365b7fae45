// Up to twenty favourite conversions and their items in the "&Favorites" menu.
#include "lists/favorites_list.h"

#include "core/conversion_state.h"
#include "lists/list_menu.h"

FavoritesListState FavoritesList;   // the one favourites list of the process

void AddFavorite(WindowHandle window)
{
    ConversionTriple candidate;
    if (!ReadChosenConversion(&candidate))
        return;
    if (FavoritesList.count >= FAVORITES_MAX)
        return;
    if (candidate.fromIndex == candidate.toIndex)
        return;
    if (!IsConversionInCatalog(candidate))
        return;
    for (int i = 0; i < FavoritesList.count; i++)
        if (FavoritesList.entries[i] == candidate)
            return;

    const int index = FavoritesList.count;
    FavoritesList.entries[index] = candidate;
    FavoritesList.count++;

    char text[LIST_ITEM_TEXT_SIZE];
    FormatConversionText(candidate, text, sizeof text);
    ListMenuAppend(window, FAVORITES_POPUP, FAVORITE_FIRST_ID + index, text);
    ListMenuRedraw(window);
}

void RemoveFavorite(WindowHandle window)
{
    ConversionTriple shown;
    if (!ReadChosenConversion(&shown))
        return;
    int found = -1;
    for (int i = 0; i < FavoritesList.count && found < 0; i++)
        if (FavoritesList.entries[i] == shown)
            found = i;
    if (found < 0)
        return;

    ListMenuDelete(window, FAVORITE_FIRST_ID + found);
    // Upwards, so each item takes an id that has just been freed.
    for (int j = found; j < FavoritesList.count - 1; j++) {
        ListMenuSetId(window, FAVORITE_FIRST_ID + j + 1, FAVORITE_FIRST_ID + j);
        FavoritesList.entries[j] = FavoritesList.entries[j + 1];
    }
    FavoritesList.count--;
    ListMenuRedraw(window);
}

void ApplyFavorite(int index)
{
    if (index < 0 || index >= FavoritesList.count)
        return;
    ApplyConversion(FavoritesList.entries[index]);
}

void BuildFavoritesMenu(WindowHandle window)
{
    char text[LIST_ITEM_TEXT_SIZE];
    for (int i = 0; i < FavoritesList.count; i++) {
        FormatConversionText(FavoritesList.entries[i], text, sizeof text);
        ListMenuAppend(window, FAVORITES_POPUP, FAVORITE_FIRST_ID + i, text);
    }
    ListMenuRedraw(window);
}
