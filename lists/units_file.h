// The units file, metrova-units.ini beside the settings file: read at
// start-up, and changed at once on each confirmed change by applying that
// change to the file as it stands on disk, then writing a new file that
// replaces the old one whole. A file that cannot be read in full keeps what
// can be read and is never rewritten until the user changes a unit.
#pragma once
#include "core/custom_units.h"
#include "lists/list_menu.h"

const char UNITS_FILE_NAME[] = "metrova-units.ini";
// More than any file of CUSTOM_UNIT_MAX units; the rest of a longer one is not read.
const int UNITS_FILE_MAX = UNITS_TEXT_MAX + 4096;

// The platform side (units_file_win32.cpp; the tests' fake in tests/support).
// Reads the whole file into buffer (at most size bytes); the bytes read, or
// -1 when there is no file or it cannot be opened.
int UnitsFileRead(const char* path, char* buffer, int size);
// Writes text to a new file beside path and moves it over path in one step;
// 1 on success, 0 (the old file untouched) on any failure.
int UnitsFileReplace(const char* path, const char* text, int length);

// Reads the file into CustomUnits and the catalogue; runs after
// FindSettingsBase and before LoadSettings.
void LoadUnitsFile();

enum UnitChangeKind { UNIT_CHANGE_ADD, UNIT_CHANGE_EDIT, UNIT_CHANGE_DELETE };

struct UnitChange {
    UnitChangeKind kind;
    char category[CUSTOM_NAME_SIZE];   // the unit edited or deleted, as it was
    char name[CUSTOM_NAME_SIZE];
    UnitDefinition definition;         // added, or what the edit makes of it
};

enum UnitSaveResult {
    UNIT_SAVED,
    UNIT_REFUSED,        // the definition has a problem against the file as it stands
    UNIT_NOT_WRITTEN,    // the file could not be written: nothing changed
};

// Applies change to the file as it stands and writes it; on success the
// catalogue shows the new set, and the recent and favourite lists, in
// memory and in the settings file, keep pointing at the same units: entries
// whose units are gone are dropped, the others' indexes follow their units.
// problem receives the reason of a refusal.
UnitSaveResult SaveUnitChange(const UnitChange& change, UnitProblem* problem);

// The catalogue index of a custom unit the list entries name after a change
// from `before` to the catalogue as it is now: the same category and unit
// names (the new name of a unit the change renamed). False when the unit is
// gone; built-in units never move.
bool FollowUnit(const CustomCatalogue& before, int* category, int* unit);
// The entries of both lists in memory brought in line by FollowUnit.
void FollowListEntries(const CustomCatalogue& before);
// How many favourites and recent conversions use the custom unit of set.
int ListEntriesUsing(const CustomUnitSet& set, const bool marks[CUSTOM_UNIT_MAX]);
// The favourites and recent menus made again from the lists.
void ShowListMenusAgain(WindowHandle window);
