// Placeholder so the shell links before the lists are built.
#include "lists/favorites_list.h"
#include "lists/settings_file.h"

RecentListState RecentList;
FavoritesListState FavoritesList;
char SettingsBase[260] = ".";
int PortableMode;
int SaveOnExit;

bool operator==(const ConversionTriple& a, const ConversionTriple& b)
{
    return a.category == b.category && a.fromIndex == b.fromIndex && a.toIndex == b.toIndex;
}
void AddRecent(WindowHandle) {}
void ApplyRecent(int) {}
void BuildRecentMenu(WindowHandle) {}
void AddFavorite(WindowHandle) {}
void RemoveFavorite(WindowHandle) {}
void ApplyFavorite(int) {}
void BuildFavoritesMenu(WindowHandle) {}
void FindSettingsBase() {}
void LoadSettings() {}
void SaveSettings() {}
