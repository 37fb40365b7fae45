// The units file through its seam: read, apply one change, replace.
#include "lists/units_file.h"

#include "lists/settings_file.h"

#include <cstring>

namespace {

char g_fileText[UNITS_FILE_MAX];   // the file as last read or written
CustomUnitSet g_onDisk;            // the set a change is applied to

int BuildUnitsPath(char* path, int size)
{
    char settings[SETTINGS_PATH_SIZE];
    if (!BuildSettingsPath(settings, sizeof settings)) return 0;
    // The units file lives beside the settings file: same folder, own name.
    int folder = 0;
    for (int i = 0; settings[i]; ++i)
        if (settings[i] == '\\') folder = i + 1;
    int length = 0;
    for (; length < folder && length < size - 1; ++length) path[length] = settings[length];
    for (int i = 0; UNITS_FILE_NAME[i]; ++i, ++length) {
        if (length >= size - 1) return 0;
        path[length] = UNITS_FILE_NAME[i];
    }
    path[length] = '\0';
    return length < size ? 1 : 0;
}

// The file as it stands into g_onDisk; an absent file is an empty set.
bool ReadOnDisk(const char* path)
{
    const int length = UnitsFileRead(path, g_fileText, sizeof g_fileText);
    ReadUnitsText(g_fileText, length < 0 ? 0 : length, &g_onDisk);
    return true;
}

UnitProblem ApplyChange(const UnitChange& change)
{
    const int at = change.kind == UNIT_CHANGE_ADD ? -1 : FindCustomUnit(g_onDisk, change.category, change.name);
    if (change.kind == UNIT_CHANGE_DELETE) {
        if (at < 0) return UNIT_OK;   // already gone
        bool marks[CUSTOM_UNIT_MAX];
        UnitsDefinedThrough(g_onDisk, at, marks);
        RemoveMarkedUnits(&g_onDisk, marks);
        return UNIT_OK;
    }
    UnitSize size;
    const UnitProblem problem = CheckUnitDefinition(g_onDisk, change.definition, at, &size);
    if (problem != UNIT_OK) return problem;
    if (at < 0) {
        g_onDisk.units[g_onDisk.count++] = change.definition;
        return UNIT_OK;
    }
    // Units defined through the renamed one follow it.
    for (int i = 0; i < g_onDisk.count; ++i) {
        UnitDefinition& other = g_onDisk.units[i];
        if (i != at && std::strcmp(other.category, change.category) == 0 && std::strcmp(other.of, change.name) == 0)
            std::memcpy(other.of, change.definition.name, sizeof other.of);
    }
    g_onDisk.units[at] = change.definition;
    return UNIT_OK;
}

}  // namespace

void LoadUnitsFile()
{
    char path[SETTINGS_PATH_SIZE];
    if (!BuildUnitsPath(path, sizeof path)) return;
    ReadOnDisk(path);
    ShowCustomUnits(g_onDisk);
}

UnitSaveResult SaveUnitChange(const UnitChange& change, UnitProblem* problem)
{
    char path[SETTINGS_PATH_SIZE];
    *problem = UNIT_OK;
    if (!BuildUnitsPath(path, sizeof path) || !EnsureSettingsFolders(SettingsBase, SETTINGS_MAKER, SETTINGS_PRODUCT))
        return UNIT_NOT_WRITTEN;
    ReadOnDisk(path);
    *problem = ApplyChange(change);
    if (*problem != UNIT_OK) return UNIT_REFUSED;
    const int length = WriteUnitsText(g_onDisk, g_fileText, sizeof g_fileText);
    if (length < 0 || !UnitsFileReplace(path, g_fileText, length)) return UNIT_NOT_WRITTEN;
    ShowCustomUnits(g_onDisk);
    return UNIT_SAVED;
}
