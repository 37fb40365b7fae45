// Where the settings live (the application-data folder, or below the current
// folder when started from a removable drive) and the settings file itself.
#pragma once

const int SETTINGS_BASE_SIZE = 260;   // the base folder's path, NUL included

extern char SettingsBase[SETTINGS_BASE_SIZE];   // folder holding Brisklane\Metrova\metrova.ini
extern int PortableMode;         // 1 when the executable is on a removable drive
extern int SaveOnExit;           // write the settings when the main window goes

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

const int EXECUTABLE_PATH_SIZE = 260;  // the executable's path, as the system's MAX_PATH
const int SETTINGS_PATH_SIZE = 1024;   // the settings file's path
const int SETTINGS_FOLDER_SIZE = 264;  // each folder's path

void FindSettingsBase();
// The user's application-data folder into a SETTINGS_BASE_SIZE buffer and 1, or "." and 0.
int GetAppDataFolder(char* buffer);
// 1 when the executable's drive is removable, else 0.
int IsOnRemovableDrive();
void LoadSettings();
void SaveSettings();
// Creates base\maker and base\maker\product; 1 when both exist afterwards.
// A path that does not fit its buffer counts as a folder that cannot be made.
int EnsureSettingsFolders(const char* base, const char* maker, const char* product);
// "base\maker\product\file" of the settings, or 0 when it does not fit `size`.
int BuildSettingsPath(char* buffer, int size);
