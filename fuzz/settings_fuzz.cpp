// Random settings files through the loader and the saver: whatever the file
// holds, the lists stay within their bounds, every entry names a unit that
// exists, building the menus and applying the newest entry is safe, and a save
// followed by a load gives back exactly what was loaded.
//
// The platform side is the tests' in-memory profile reader (tests/lists), which
// follows the rules of the system's profile functions.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string>

#include "core/catalog.h"
#include "core/conversion_state.h"
#include "lists/favorites_list.h"
#include "lists/recent_list.h"
#include "lists/settings_file.h"
#include "tests/lists/fake_menu.cpp"
#include "tests/lists/fake_profile.cpp"
#include "tests/lists/fake_view.cpp"

static const char SETTINGS_FILE[] = ".\\Brisklane\\Metrova\\metrova.ini";

static void Check(bool condition)
{
    if (!condition) abort();
}

static bool EntryInCatalog(const ConversionTriple& entry)
{
    return entry.category >= 0 && entry.category < CATEGORY_COUNT && entry.fromIndex >= 0 &&
           entry.fromIndex < UnitCatalog[entry.category].count && entry.toIndex >= 0 &&
           entry.toIndex < UnitCatalog[entry.category].count;
}

static void CheckBounds()
{
    Check(FavoritesList.count >= 0 && FavoritesList.count <= FAVORITES_MAX);
    for (int i = 0; i < FavoritesList.count; i++) Check(EntryInCatalog(FavoritesList.entries[i]));
    Check(RecentList.count >= 0 && RecentList.count <= RECENT_SLOTS);
    Check(RecentList.nextSlot == 0);
    for (int k = 0; k < RecentList.count; k++) Check(EntryInCatalog(RecentList.slots[9 - k]));
}

static void StartProgram()
{
    RecentList = RecentListState();
    FavoritesList = FavoritesListState();
    Conversion.currentCategory = -1;
    Conversion.ActiveSide = 1;
    Conversion.NumFormat = 1;
    Conversion.DecimalPlaces = 6;
    ResetFakeMenu();
    ResetFakeControls();
    LoadSettings();
    OnChooserChanged(0);
    BuildFavoritesMenu(nullptr);
    BuildRecentMenu(nullptr);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ResetFakePlatform();
    Fake.folders.insert(".\\brisklane");
    Fake.folders.insert(".\\brisklane\\metrova");
    PutFakeFile(SETTINGS_FILE, std::string(reinterpret_cast<const char*>(data), size));

    StartProgram();
    Check(SaveOnExit == 1);
    CheckBounds();
    Check(ListItems(2).size() == static_cast<size_t>(FavoritesList.count));
    Check(ListItems(0).size() == static_cast<size_t>(RecentList.count));

    const FavoritesListState favorites = FavoritesList;
    const RecentListState recent = RecentList;
    const int numFormat = Conversion.NumFormat;
    const unsigned short decimals = Conversion.DecimalPlaces;
    SaveSettings();

    LoadSettings();   // the next start, without the window
    Check(FavoritesList.count == favorites.count);
    for (int i = 0; i < favorites.count; i++) Check(FavoritesList.entries[i] == favorites.entries[i]);
    Check(RecentList.count == recent.count);
    for (int k = 0; k < recent.count; k++) Check(RecentList.slots[9 - k] == recent.slots[9 - k]);
    Check(Conversion.NumFormat == (numFormat != 0 ? 1 : 0));
    Check(Conversion.DecimalPlaces == decimals);
    return 0;
}
