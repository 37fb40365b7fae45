// Where the settings live (the application-data folder, or below the current
// folder when started from a removable drive) and the settings file itself.
// Paths are UTF-8, as on the profile seam (settings_profile.h).
#pragma once

// The system takes paths of up to MAX_PATH UTF-16 units, NUL included; one
// unit is at most 3 bytes of UTF-8 (a pair of units, 4), so any such path
// fits 3 * 260 bytes. A longer path is refused by the platform side, never
// cut here.
const int PATH_UNITS_MAX = 260;                   // MAX_PATH
const int PATH_UTF8_SIZE = 3 * PATH_UNITS_MAX;    // bytes for any path of PATH_UNITS_MAX units

const int SETTINGS_BASE_SIZE = PATH_UTF8_SIZE;   // the base folder's path, NUL included

extern char SettingsBase[SETTINGS_BASE_SIZE];   // folder holding Brisklane\Metrova\metrova.ini
extern int PortableMode;         // 1 when the executable is on a removable drive
extern int SaveOnExit;           // write the settings when the main window goes
extern int WindowsDecimalSymbol; // 1: answers show the locale's decimal symbol
extern int AlwaysOnTop;          // 1: the main window stays above other windows

const char SETTINGS_MAKER[] = "Brisklane";
const char SETTINGS_PRODUCT[] = "Metrova";
const char SETTINGS_FILE_NAME[] = "metrova.ini";

const char SECTION_FAVORITES[] = "Favorites List";
const char SECTION_RECENT[] = "Recent List";
const char SECTION_OPTIONS[] = "Options";
const char KEY_FAVORITE_CAT[] = "FAVORITE_CAT_%d";
const char KEY_FAVORITE_FR[] = "FAVORITE_FR_%d";
const char KEY_FAVORITE_TO[] = "FAVORITE_TO_%d";
const char KEY_RECENT_CAT[] = "RECENT_CAT_%d";
const char KEY_RECENT_FR[] = "RECENT_FR_%d";
const char KEY_RECENT_TO[] = "RECENT_TO_%d";
const char KEY_NUM_FORMAT[] = "NUM_FORMAT";
const char KEY_DEC_PLACE[] = "DEC_PLACE";
// Written only while on ("1"): with both off the file is what it always was.
const char KEY_WINDOWS_DECIMAL[] = "WINDOWS_DECIMAL";
const char KEY_ALWAYS_ON_TOP[] = "ALWAYS_ON_TOP";
const char KEY_FRACTIONS[] = "FRACTIONS";   // the denominator of fixed answers; no key for decimals

const char KEY_ALL_UNITS_LEFT[] = "ALL_UNITS_LEFT";
const char KEY_ALL_UNITS_TOP[] = "ALL_UNITS_TOP";
const char KEY_ALL_UNITS_WIDTH[] = "ALL_UNITS_WIDTH";
const char KEY_ALL_UNITS_HEIGHT[] = "ALL_UNITS_HEIGHT";

// Where a window of its own was last: its top-left corner in screen pixels,
// its size at 96 DPI (scaled to the DPI it opens at). A width of 0 means never
// placed. Stored values outside these bounds are not taken.
struct WindowPlace {
    int left, top, width, height;
};
const int WINDOW_PLACE_COORD_MAX = 32767;   // screen coordinates stay within +-this
const int WINDOW_PLACE_SIZE_MIN = 50, WINDOW_PLACE_SIZE_MAX = 8192;
extern WindowPlace AllUnitsPlace;   // the All Units window

const int EXECUTABLE_PATH_SIZE = PATH_UTF8_SIZE;   // the executable's path, cut by the system at MAX_PATH
// Each folder's path: the longest base and "\Brisklane\Metrova" (18 bytes;
// 32 leaves room). The settings file's path: that and "\metrova.ini". Both
// hold any base that fits SettingsBase (checked in settings_file.cpp).
const int SETTINGS_FOLDER_SIZE = SETTINGS_BASE_SIZE + 32;
const int SETTINGS_PATH_SIZE = 1024;

void FindSettingsBase();
// The user's application-data folder into a SETTINGS_BASE_SIZE buffer and 1, or "." and 0.
int GetAppDataFolder(char* buffer);
// 1 when the executable's drive is removable, else 0.
int IsOnRemovableDrive();
// Reads both lists and the options. A list entry is kept only when both its
// units exist (UnitExists), so the catalogue is complete first (LoadCatalogue).
void LoadSettings();
void SaveSettings();
// After the user's own units changed from `before`: the lists in the file,
// if there is one, keep pointing at the same units (FollowUnit); nothing
// else in it changes.
struct CustomCatalogue;
void FollowStoredLists(const CustomCatalogue& before);
// Creates base\maker and base\maker\product; 1 when both exist afterwards.
// A path that does not fit its buffer, or is longer than the system takes,
// counts as a folder that cannot be made.
int EnsureSettingsFolders(const char* base, const char* maker, const char* product);
// "base\maker\product\file" of the settings, or 0 when it does not fit `size`.
int BuildSettingsPath(char* buffer, int size);
// The same for another file in the settings' folder.
int BuildPathBesideSettings(char* buffer, int size, const char* fileName);
