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
#include <charconv>
#include <string>

#include "catalogue/units.h"
#include "core/conversion_state.h"
#include "lists/favorites_list.h"
#include "lists/list_menu.h"
#include "lists/recent_list.h"
#include "lists/settings_file.h"
#include "tests/support/fake_menu.h"
#include "tests/support/fake_profile.h"
#include "tests/support/fake_view.h"

static const std::string SETTINGS_FILE = ".\\Brisklane\\Metrova\\metrova.ini";

static void Check(bool condition)
{
    if (!condition) abort();
}

static bool EntryInCatalog(const ConversionTriple& entry)
{
    return UnitExists(entry.category, entry.fromIndex) && UnitExists(entry.category, entry.toIndex);
}

static void CheckBounds()
{
    Check(FavoritesList.count >= 0 && FavoritesList.count <= FAVORITES_MAX);
    for (int i = 0; i < FavoritesList.count; i++) Check(EntryInCatalog(FavoritesList.entries[i]));
    Check(RecentList.count >= 0 && RecentList.count <= RECENT_SLOTS);
    Check(RecentList.nextSlot == 0);
    for (int k = 0; k < RecentList.count; k++) Check(EntryInCatalog(RecentList.slots[NewestRecentSlot(k)]));
}

// The main window, built once as the program builds it at start-up: the
// menu bar, and the controls on category 0 with units 0 and 0. Building it
// for every input (hundreds of unit names into the choosers) took most of
// the target's time and checked nothing the inputs choose.
static void BuildWindowOnce()
{
    static bool built = false;
    if (built) return;
    Conversion.currentCategory = -1;
    Conversion.ActiveSide = 1;
    ResetFakeMenu();
    FakeViewReset();
    OnChooserChanged(0);
    built = true;
}

// A start of the program on that window: the lists and options come from
// the file, the menus get their list items and the newest recent entry is
// applied. The controls keep the conversion the previous input left there,
// as a running window would; nothing checked here depends on it.
static void StartProgram()
{
    BuildWindowOnce();
    RecentList = RecentListState();
    FavoritesList = FavoritesListState();
    Conversion.NumFormat = DEFAULT_NUM_FORMAT;
    Conversion.DecimalPlaces = DEFAULT_DECIMAL_PLACES;
    LoadSettings();
    BuildFavoritesMenu(nullptr);
    BuildRecentMenu(nullptr);
}

// Leaves nothing of this input's own behind (the parsed file, the menus'
// list items), so that every input frees what it allocated and libFuzzer's
// leak check stays quiet unless something really leaks.
static void EndProgram()
{
    ClearFakeMenuLists();
    PutFakeFile(SETTINGS_FILE, "");
}

// A settings file built from the bytes three at a time: a section line, or a
// key of one of the lists or of the options with its value. List keys take
// their entry's number from a counter per list that a TO key usually moves
// on, so entries come out mostly whole and in order, with gaps and repeats now
// and then. Values are mostly below 40 (categories and units that exist),
// else up to 511 (both sides of every table's limit) or one of a few odd
// texts. Random text alone seldom gets a section and three matching keys right.
static void AppendNumber(std::string* text, int number)
{
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, number);
    text->append(digits, end.ptr);
}

static void StructuredFile(const uint8_t* data, size_t size, std::string* text)
{
    static const char* const sections[] = { "Favorites List", "Recent List", "Options" };
    static const char* const keys[] = { "FAVORITE_CAT_", "FAVORITE_FR_", "FAVORITE_TO_", "RECENT_CAT_",
                                        "RECENT_FR_",    "RECENT_TO_",   "NUM_FORMAT",   "DEC_PLACE" };
    static const char* const oddValues[] = { "-1", "65536", "4294967296", "", "junk", "99999999999", "0x1f", " 7 " };
    int numbers[2] = { 1, 1 };   // the entry being written in each list
    text->clear();
    for (size_t i = 0; i + 2 < size; i += 3) {
        const uint8_t what = data[i], high = data[i + 1], low = data[i + 2];
        if (what < 24) {
            text->append("[").append(sections[what % 3]).append("]\r\n");
            continue;
        }
        const int kind = what % 8;
        const int twist = (what >> 3) & 7;
        text->append(keys[kind]);
        if (kind < 6) {
            int& number = numbers[kind / 3];
            AppendNumber(text, number);
            const bool isTo = kind % 3 == 2;
            if ((isTo && twist != 0) || (!isTo && twist == 7)) number = number % 22 + 1;
        }
        text->append("=");
        if (high < 0x80) AppendNumber(text, low % 40);
        else if (high < 0xF8) AppendNumber(text, low + 256 * (high & 1));
        else text->append(oddValues[high - 0xF8]);
        text->append("\r\n");
    }
}

// The machine: the settings folders below the current folder, where a
// program on a removable drive keeps them. Made once; each input only puts
// its own file there. No log of the calls is kept: nothing here reads it.
static void PrepareMachineOnce()
{
    static bool prepared = false;
    if (prepared) return;
    ResetFakePlatform();
    Fake.folders.insert(".\\brisklane");
    Fake.folders.insert(".\\brisklane\\metrova");
    Fake.noLog = true;
    prepared = true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    PrepareMachineOnce();
    // First byte odd: the rest is the file's text as it stands; even: built.
    static std::string text;
    if (data[0] & 1) text.assign(reinterpret_cast<const char*>(data + 1), size - 1);
    else StructuredFile(data + 1, size - 1, &text);
    PutFakeFile(SETTINGS_FILE, text);

    StartProgram();
    Check(SaveOnExit == 1);
    CheckBounds();
    Check(ListItemCount(FAVORITES_POPUP) == static_cast<size_t>(FavoritesList.count));
    Check(ListItemCount(GO_POPUP) == static_cast<size_t>(RecentList.count));

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
    // Scientific and automatic notation are kept as they are; any other number reads as fixed.
    Check(Conversion.NumFormat ==
          (numFormat == NUM_FORMAT_SCIENTIFIC || numFormat == NUM_FORMAT_AUTOMATIC ? numFormat : NUM_FORMAT_FIXED));
    Check(Conversion.DecimalPlaces == decimals);
    EndProgram();
    return 0;
}
