// Random settings files through the loader and the saver: whatever the file
// holds, the lists stay within their bounds, every entry names a unit that
// exists, building the menus and applying the newest entry is safe, and a save
// followed by a load gives back exactly what was loaded. The input is either
// the file's text itself or a recipe for a file of plausible keys.
//
// The platform side is the tests' in-memory profile reader (tests/support), which
// follows the rules of the system's profile functions.
#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string>

#include "catalogue/catalog.h"
#include "core/conversion_state.h"
#include "lists/favorites_list.h"
#include "lists/recent_list.h"
#include "lists/settings_file.h"
#include "tests/support/fake_menu.h"
#include "tests/support/fake_profile.h"
#include "tests/support/fake_view.h"

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
    for (int k = 0; k < RecentList.count; k++) Check(EntryInCatalog(RecentList.slots[NewestRecentSlot(k)]));
}

static void StartProgram()
{
    RecentList = RecentListState();
    FavoritesList = FavoritesListState();
    Conversion.currentCategory = -1;
    Conversion.ActiveSide = 1;
    Conversion.NumFormat = DEFAULT_NUM_FORMAT;
    Conversion.DecimalPlaces = DEFAULT_DECIMAL_PLACES;
    ResetFakeMenu();
    FakeViewReset();
    LoadSettings();
    OnChooserChanged(0);
    BuildFavoritesMenu(nullptr);
    BuildRecentMenu(nullptr);
}

// A settings file built from the bytes three at a time: a section line, or a
// key of one of the lists or of the options with its value. List keys take
// their entry's number from a counter per list that a TO key usually moves
// on, so entries come out mostly whole and in order, with gaps and repeats now
// and then. Values are mostly below 40 (categories and units that exist),
// else up to 511 (both sides of every table's limit) or one of a few odd
// texts. Random text alone seldom gets a section and three matching keys right.
static std::string StructuredFile(const uint8_t* data, size_t size)
{
    static const char* const sections[] = { "Favorites List", "Recent List", "Options" };
    static const char* const keys[] = { "FAVORITE_CAT_", "FAVORITE_FR_", "FAVORITE_TO_", "RECENT_CAT_",
                                        "RECENT_FR_",    "RECENT_TO_",   "NUM_FORMAT",   "DEC_PLACE" };
    static const char* const oddValues[] = { "-1", "65536", "4294967296", "", "junk", "99999999999", "0x1f", " 7 " };
    int numbers[2] = { 1, 1 };   // the entry being written in each list
    std::string text;
    for (size_t i = 0; i + 2 < size; i += 3) {
        const uint8_t what = data[i], high = data[i + 1], low = data[i + 2];
        if (what < 24) {
            text += std::string("[") + sections[what % 3] + "]\r\n";
            continue;
        }
        const int kind = what % 8;
        const int twist = (what >> 3) & 7;
        std::string key = keys[kind];
        if (kind < 6) {
            int& number = numbers[kind / 3];
            key += std::to_string(number);
            const bool isTo = kind % 3 == 2;
            if ((isTo && twist != 0) || (!isTo && twist == 7)) number = number % 22 + 1;
        }
        std::string value;
        if (high < 0x80) value = std::to_string(low % 40);
        else if (high < 0xF8) value = std::to_string(low + 256 * (high & 1));
        else value = oddValues[high - 0xF8];
        text += key + "=" + value + "\r\n";
    }
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    ResetFakePlatform();
    Fake.folders.insert(".\\brisklane");
    Fake.folders.insert(".\\brisklane\\metrova");
    // First byte odd: the rest is the file's text as it stands; even: built.
    const std::string text = data[0] & 1 ? std::string(reinterpret_cast<const char*>(data + 1), size - 1)
                                         : StructuredFile(data + 1, size - 1);
    PutFakeFile(SETTINGS_FILE, text);

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
    for (int k = 0; k < recent.count; k++) Check(RecentList.slots[NewestRecentSlot(k)] == recent.slots[NewestRecentSlot(k)]);
    Check(Conversion.NumFormat == (numFormat != 0 ? 1 : 0));
    Check(Conversion.DecimalPlaces == decimals);
    return 0;
}
