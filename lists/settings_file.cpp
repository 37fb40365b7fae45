// The settings location and the settings file: both lists and the two display
// options, read and written one key at a time through the profile functions.
#include "lists/settings_file.h"

#include <string.h>

#include "catalogue/units.h"
#include "core/conversion_state.h"
#include "core/convert_text.h"
#include "core/bounded_text.h"
#include "lists/favorites_list.h"
#include "lists/recent_list.h"
#include "lists/settings_profile.h"
#include "lists/units_file.h"

// Any base that fits SettingsBase fits the folder and file paths too, so
// only the platform's own limit ever refuses one.
static_assert(SETTINGS_FOLDER_SIZE >= SETTINGS_BASE_SIZE + 1 + int(sizeof SETTINGS_MAKER - 1) + 1 +
                                          int(sizeof SETTINGS_PRODUCT - 1),
              "base\\maker\\product fits");
static_assert(SETTINGS_PATH_SIZE >= SETTINGS_FOLDER_SIZE + 1 + int(sizeof SETTINGS_FILE_NAME - 1),
              "base\\maker\\product\\file fits");

char SettingsBase[SETTINGS_BASE_SIZE] = ".";   // set once by FindSettingsBase
int PortableMode;               // shown in the title
int SaveOnExit;                 // flipped by the menu, set by LoadSettings
int WindowsDecimalSymbol;       // flipped by the menu, set by LoadSettings
int AlwaysOnTop;                // the same
WindowPlace AllUnitsPlace;      // kept by the All Units window as it moves

// Joins the parts with backslashes; false when the path does not fit (the
// buffer then holds a cut path that must not be used).
static bool JoinPath(char* buffer, int size, const char* a, const char* b,
                     const char* c = nullptr, const char* d = nullptr)
{
    const char* parts[4] = { a, b, c, d };
    int length = 0;
    buffer[0] = '\0';
    for (int i = 0; i < 4 && parts[i]; i++)
        if ((i > 0 && !AppendText(buffer, size, &length, "\\")) || !AppendText(buffer, size, &length, parts[i]))
            return false;
    return true;
}

int GetAppDataFolder(char* buffer)
{
    if (PlatformAppDataFolder(buffer, SETTINGS_BASE_SIZE))
        return 1;
    strcpy(buffer, ".");
    return 0;
}

int IsOnRemovableDrive()
{
    char path[EXECUTABLE_PATH_SIZE];
    int length = PlatformExecutablePath(path, sizeof path);
    if (length <= 0)
        return 0;
    if (length > static_cast<int>(sizeof path) - 1)
        length = sizeof path - 1;
    path[length] = '\0';
    // A path without a drive colon (a network path) is not on a removable drive.
    char* colon = static_cast<char*>(memchr(path, ':', static_cast<size_t>(length)));
    if (!colon)
        return 0;
    colon[1] = '\0';
    return PlatformIsRemovableDrive(path) ? 1 : 0;
}

// On a removable drive the settings live beside the program, so the
// application-data folder is not looked up (which would load the shell).
void FindSettingsBase()
{
    PortableMode = IsOnRemovableDrive();
    if (PortableMode)
        strcpy(SettingsBase, ".");
    else
        GetAppDataFolder(SettingsBase);
}

int BuildPathBesideSettings(char* buffer, int size, const char* fileName)
{
    return JoinPath(buffer, size, SettingsBase, SETTINGS_MAKER, SETTINGS_PRODUCT, fileName) ? 1 : 0;
}

int BuildSettingsPath(char* buffer, int size)
{
    return BuildPathBesideSettings(buffer, size, SETTINGS_FILE_NAME);
}

int EnsureSettingsFolders(const char* base, const char* maker, const char* product)
{
    char folder[SETTINGS_FOLDER_SIZE];
    if (!JoinPath(folder, sizeof folder, base, maker) || !PlatformCreateFolder(folder))
        return 0;
    if (!JoinPath(folder, sizeof folder, base, maker, product) || !PlatformCreateFolder(folder))
        return 0;
    return 1;
}

// Reads entry n of a list; false when its three keys do not name a conversion
// in the catalogue, which ends the list.
static bool ReadStoredEntry(const char* path, const char* section, const char* catFormat, const char* fromFormat,
                            const char* toFormat, int n, ConversionTriple* entry)
{
    char key[32];
    FormatNumberedKey(key, sizeof key, catFormat, n);
    const int category = ProfileReadInt(section, key, -1, path);
    // The default -1 of a missing key fails here, as do negative values.
    if (!IsCategoryIndex(category))
        return false;
    FormatNumberedKey(key, sizeof key, fromFormat, n);
    const int fromIndex = ProfileReadInt(section, key, -1, path);
    if (!UnitExists(category, fromIndex))
        return false;
    FormatNumberedKey(key, sizeof key, toFormat, n);
    const int toIndex = ProfileReadInt(section, key, -1, path);
    if (!UnitExists(category, toIndex))
        return false;
    entry->category = category;
    entry->fromIndex = fromIndex;
    entry->toIndex = toIndex;
    return true;
}

static bool InSpan(int value, int low, int high)
{
    return value >= low && value <= high;
}

// The window's place, all four keys or none.
static void LoadWindowPlace(const char* path, WindowPlace* place)
{
    WindowPlace read;
    read.left = ProfileReadInt(SECTION_OPTIONS, KEY_ALL_UNITS_LEFT, 0, path);
    read.top = ProfileReadInt(SECTION_OPTIONS, KEY_ALL_UNITS_TOP, 0, path);
    read.width = ProfileReadInt(SECTION_OPTIONS, KEY_ALL_UNITS_WIDTH, 0, path);
    read.height = ProfileReadInt(SECTION_OPTIONS, KEY_ALL_UNITS_HEIGHT, 0, path);
    if (InSpan(read.left, -WINDOW_PLACE_COORD_MAX, WINDOW_PLACE_COORD_MAX) &&
        InSpan(read.top, -WINDOW_PLACE_COORD_MAX, WINDOW_PLACE_COORD_MAX) &&
        InSpan(read.width, WINDOW_PLACE_SIZE_MIN, WINDOW_PLACE_SIZE_MAX) &&
        InSpan(read.height, WINDOW_PLACE_SIZE_MIN, WINDOW_PLACE_SIZE_MAX))
        *place = read;
}

void LoadSettings()
{
    AllUnitsPlace = WindowPlace{};
    FavoritesList.count = 0;
    RecentList.count = 0;
    RecentList.nextSlot = 0;

    char path[SETTINGS_PATH_SIZE];
    if (!BuildSettingsPath(path, sizeof path) || !ProfileFileOpenable(path)) {
        SaveOnExit = 0;
        return;
    }
    SaveOnExit = 1;

    for (int n = 1; n <= FAVORITES_MAX; n++) {
        if (!ReadStoredEntry(path, SECTION_FAVORITES, KEY_FAVORITE_CAT, KEY_FAVORITE_FR, KEY_FAVORITE_TO, n,
                             &FavoritesList.entries[n - 1]))
            break;
        FavoritesList.count = n;
    }

    // Entry n is the (n - 1)-th newest: with nextSlot 0 entry 1 lands in slot
    // 9 and entry 10 in slot 0.
    for (int n = 1; n <= RECENT_SLOTS; n++) {
        if (!ReadStoredEntry(path, SECTION_RECENT, KEY_RECENT_CAT, KEY_RECENT_FR, KEY_RECENT_TO, n,
                             &RecentList.slots[NewestRecentSlot(n - 1)]))
            break;
        RecentList.count = n;
    }

    Conversion.NumFormat = ProfileReadInt(SECTION_OPTIONS, KEY_NUM_FORMAT, DEFAULT_NUM_FORMAT, path);
    // Any value but 1 leaves a flag at its default, off.
    WindowsDecimalSymbol = ProfileReadInt(SECTION_OPTIONS, KEY_WINDOWS_DECIMAL, 0, path) == 1;
    AlwaysOnTop = ProfileReadInt(SECTION_OPTIONS, KEY_ALWAYS_ON_TOP, 0, path) == 1;
    SetAnswerDenominator(ProfileReadInt(SECTION_OPTIONS, KEY_FRACTIONS, 0, path));   // unknown: decimals
    // Kept as read (low 16 bits); the display clamps it to 15 decimals.
    Conversion.DecimalPlaces =
        static_cast<unsigned short>(ProfileReadInt(SECTION_OPTIONS, KEY_DEC_PLACE, DEFAULT_DECIMAL_PLACES, path));
    LoadWindowPlace(path, &AllUnitsPlace);
}

// A hand-edited or damaged file may repeat a key. The profile functions only
// ever see the first copy, so removing one copy would bring the next back to
// life at the next start: every copy goes. But each removal rewrites the
// whole file, and a file may hold thousands of copies, so a save removes at
// most this many keys in all: each surplus key of both lists once, and 64
// copies more. A copy still there when they are spent is emptied instead; the
// profile reader takes an empty value for a missing key, so nothing behind it
// is ever read, and the next save finds nothing left to do.
static const int KEY_REMOVALS_PER_SAVE = 3 * (FAVORITES_MAX + RECENT_SLOTS) + 64;

// A key with an empty value reads like a missing one, and counts as gone.
static bool KeyPresent(const char* path, const char* section, const char* key)
{
    return ProfileKeyHasValue(section, key, path) != 0;
}

// False only when the key can be neither removed nor emptied: the file cannot
// be written, which ends the save like any failed write.
static bool RemoveKey(const char* path, const char* section, const char* key, int* removalsLeft)
{
    while (KeyPresent(path, section, key)) {
        if (*removalsLeft <= 0 || !ProfileDeleteKey(section, key, path))
            return ProfileWriteString(section, key, "", path) != 0;
        --*removalsLeft;
    }
    return true;
}

static bool WriteInt(const char* path, const char* section, const char* key, int value)
{
    char text[16];
    int length = 0;
    AppendDecimal(text, sizeof text, &length, value);
    return ProfileWriteString(section, key, text, path) != 0;
}

// Writes one list's entries as numbers 1..count, then removes the keys of the
// numbers up to `limit` so that a longer earlier list leaves nothing behind.
static bool WriteList(const char* path, const char* section, const char* catFormat, const char* fromFormat,
                      const char* toFormat, const ConversionTriple* const* entries, int count, int limit,
                      int* removalsLeft)
{
    const char* formats[3] = { catFormat, fromFormat, toFormat };
    char key[32];
    for (int n = 1; n <= count; n++) {
        const int values[3] = { entries[n - 1]->category, entries[n - 1]->fromIndex, entries[n - 1]->toIndex };
        for (int field = 0; field < 3; field++) {
            FormatNumberedKey(key, sizeof key, formats[field], n);
            if (!WriteInt(path, section, key, values[field]))
                return false;
        }
    }
    for (int n = count + 1; n <= limit; n++) {
        for (int field = 0; field < 3; field++) {
            FormatNumberedKey(key, sizeof key, formats[field], n);
            if (!RemoveKey(path, section, key, removalsLeft))
                return false;
        }
    }
    return true;
}

// Scientific and automatic as themselves; any other value is fixed notation.
static const char* NumFormatText(int numFormat)
{
    return numFormat == NUM_FORMAT_SCIENTIFIC ? "0" : numFormat == NUM_FORMAT_AUTOMATIC ? "2" : "1";
}

// A choice that is off leaves no key behind.
static bool WriteFlag(const char* path, const char* key, int on, int* removalsLeft)
{
    if (on) return ProfileWriteString(SECTION_OPTIONS, key, "1", path) != 0;
    return RemoveKey(path, SECTION_OPTIONS, key, removalsLeft);
}

void SaveSettings()
{
    // Missing folders make the first write fail, which ends the save.
    EnsureSettingsFolders(SettingsBase, SETTINGS_MAKER, SETTINGS_PRODUCT);

    char path[SETTINGS_PATH_SIZE];
    if (!BuildSettingsPath(path, sizeof path))
        return;

    const ConversionTriple* entries[FAVORITES_MAX];
    int count = FavoritesList.count;
    if (count < 0 || count > FAVORITES_MAX)
        count = 0;
    for (int i = 0; i < count; i++)
        entries[i] = &FavoritesList.entries[i];
    int removalsLeft = KEY_REMOVALS_PER_SAVE;
    if (!WriteList(path, SECTION_FAVORITES, KEY_FAVORITE_CAT, KEY_FAVORITE_FR, KEY_FAVORITE_TO, entries, count,
                   FAVORITES_MAX, &removalsLeft))
        return;

    // Newest first.
    count = RecentList.count;
    if (count < 0 || count > RECENT_SLOTS)
        count = 0;
    for (int k = 0; k < count; k++)
        entries[k] = &RecentList.slots[NewestRecentSlot(k)];
    if (!WriteList(path, SECTION_RECENT, KEY_RECENT_CAT, KEY_RECENT_FR, KEY_RECENT_TO, entries, count,
                   RECENT_SLOTS, &removalsLeft))
        return;

    if (ProfileWriteString(SECTION_OPTIONS, KEY_NUM_FORMAT, NumFormatText(Conversion.NumFormat), path) == 0)
        return;
    if (!WriteInt(path, SECTION_OPTIONS, KEY_DEC_PLACE, Conversion.DecimalPlaces))
        return;
    if (!WriteFlag(path, KEY_WINDOWS_DECIMAL, WindowsDecimalSymbol, &removalsLeft))
        return;
    if (!WriteFlag(path, KEY_ALWAYS_ON_TOP, AlwaysOnTop, &removalsLeft))
        return;
    if (AnswerDenominator() == 0 ? !RemoveKey(path, SECTION_OPTIONS, KEY_FRACTIONS, &removalsLeft)
                                 : !WriteInt(path, SECTION_OPTIONS, KEY_FRACTIONS, AnswerDenominator()))
        return;

    // A window never opened leaves whatever place is stored alone.
    if (AllUnitsPlace.width == 0)
        return;
    const int place[4] = { AllUnitsPlace.left, AllUnitsPlace.top, AllUnitsPlace.width, AllUnitsPlace.height };
    const char* const keys[4] = { KEY_ALL_UNITS_LEFT, KEY_ALL_UNITS_TOP, KEY_ALL_UNITS_WIDTH, KEY_ALL_UNITS_HEIGHT };
    for (int i = 0; i < 4; i++)
        if (!WriteInt(path, SECTION_OPTIONS, keys[i], place[i]))
            return;
}

// One stored list read as it stands (entries until the first incomplete
// one), followed to the units' new indexes, and written back.
static bool FollowStoredList(const char* path, const CustomCatalogue& before, const char* section,
                             const char* catFormat, const char* fromFormat, const char* toFormat, int limit,
                             int* removalsLeft)
{
    ConversionTriple kept[FAVORITES_MAX > RECENT_SLOTS ? FAVORITES_MAX : RECENT_SLOTS];
    const ConversionTriple* entries[FAVORITES_MAX > RECENT_SLOTS ? FAVORITES_MAX : RECENT_SLOTS];
    const char* formats[3] = { catFormat, fromFormat, toFormat };
    int count = 0;
    for (int n = 1; n <= limit; n++) {
        int values[3];
        char key[32];
        for (int field = 0; field < 3; field++) {
            FormatNumberedKey(key, sizeof key, formats[field], n);
            values[field] = ProfileReadInt(section, key, -1, path);
        }
        if (values[0] < 0 || values[1] < 0 || values[2] < 0) break;
        int fromCategory = values[0], toCategory = values[0];
        if (!FollowUnit(before, &fromCategory, &values[1]) || !FollowUnit(before, &toCategory, &values[2]) ||
            fromCategory != toCategory)
            continue;
        kept[count] = ConversionTriple{ fromCategory, values[1], values[2] };
        entries[count] = &kept[count];
        count++;
    }
    return WriteList(path, section, catFormat, fromFormat, toFormat, entries, count, limit, removalsLeft);
}

void FollowStoredLists(const CustomCatalogue& before)
{
    char path[SETTINGS_PATH_SIZE];
    if (!BuildSettingsPath(path, sizeof path) || !ProfileFileOpenable(path))
        return;
    int removalsLeft = KEY_REMOVALS_PER_SAVE;
    if (FollowStoredList(path, before, SECTION_FAVORITES, KEY_FAVORITE_CAT, KEY_FAVORITE_FR, KEY_FAVORITE_TO,
                         FAVORITES_MAX, &removalsLeft))
        FollowStoredList(path, before, SECTION_RECENT, KEY_RECENT_CAT, KEY_RECENT_FR, KEY_RECENT_TO, RECENT_SLOTS,
                         &removalsLeft);
}
