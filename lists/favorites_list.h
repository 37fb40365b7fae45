// Up to twenty favourite conversions in order of addition, shown in the
// "&Favorites" menu with command ids 112 + list index.
#pragma once
#include "lists/conversion_triple.h"
#include "lists/list_menu.h"

const int FAVORITES_MAX = 20;
const int FAVORITE_FIRST_ID = 112;   // 112..131: 112 + list index

struct FavoritesListState {
    ConversionTriple entries[FAVORITES_MAX];
    int count;
};

extern FavoritesListState FavoritesList;

void AddFavorite(WindowHandle window);
void RemoveFavorite(WindowHandle window);
void ApplyFavorite(int index);
void BuildFavoritesMenu(WindowHandle window);
