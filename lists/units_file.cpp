// The units file through its seam: read, apply one change, replace.
#include "lists/units_file.h"

#include "core/conversion_state.h"
#include "lists/favorites_list.h"
#include "lists/recent_list.h"
#include "lists/settings_file.h"

#include <cstring>

namespace {

char g_fileText[UNITS_FILE_MAX];   // the file as last read or written
CustomUnitSet g_onDisk;            // the set a change is applied to

// The units file lives beside the settings file: same folder, own name.
static_assert(SETTINGS_PATH_SIZE >= SETTINGS_FOLDER_SIZE + 1 + int(sizeof UNITS_FILE_NAME - 1),
              "the units file's path fits its buffer");

int BuildUnitsPath(char* path, int size)
{
    return BuildPathBesideSettings(path, size, UNITS_FILE_NAME);
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
    return ApplyUnitDefinition(&g_onDisk, change.definition, at);
}

}  // namespace

void LoadUnitsFile()
{
    char path[SETTINGS_PATH_SIZE];
    if (!BuildUnitsPath(path, sizeof path)) return;
    ReadOnDisk(path);
    ShowCustomUnits(g_onDisk);
}

namespace {

// The name of a custom category in a catalogue, or "" when it has none.
const char* CustomCategoryName(const CustomCatalogue& catalogue, int category)
{
    const int custom = category - BuiltInCategoryCount();
    return custom >= 0 && custom < catalogue.categoryCount ? catalogue.categoryNames[custom] : "";
}

// The row of a catalogue holding unit `unit` of the category, or -1.
int RowOf(const CustomCatalogue& catalogue, int category, int unit)
{
    int k = unit - BuiltInUnitCount(category);
    for (int r = 0; r < catalogue.unitCount && k >= 0; ++r)
        if (catalogue.units[r].category == category && k-- == 0) return r;
    return -1;
}

bool FollowEntry(const CustomCatalogue& before, ConversionTriple* entry)
{
    int fromCategory = entry->category, toCategory = entry->category;
    if (!FollowUnit(before, &fromCategory, &entry->fromIndex) || !FollowUnit(before, &toCategory, &entry->toIndex))
        return false;
    entry->category = fromCategory;
    return fromCategory == toCategory;
}

bool UsesMarked(const CustomUnitSet& set, const bool marks[CUSTOM_UNIT_MAX], const ConversionTriple& entry)
{
    for (int i = 0; i < set.count; ++i) {
        if (!marks[i] || CategoryOfName(set, set.units[i].category) != entry.category) continue;
        const int rows[2] = { RowOf(CustomRows, entry.category, entry.fromIndex),
                              RowOf(CustomRows, entry.category, entry.toIndex) };
        for (int r : rows)
            if (r >= 0 && std::strcmp(CustomRows.units[r].name, set.units[i].name) == 0) return true;
    }
    return false;
}

CustomCatalogue g_before;   // the catalogue a change starts from
// The unit the change being applied renames: its row in g_before (-1: none)
// and its new name, which the entries naming it follow.
int g_renamedRow = -1;
char g_renamedTo[CUSTOM_NAME_SIZE];

void NoteRename(const UnitChange& change)
{
    g_renamedRow = -1;
    if (change.kind != UNIT_CHANGE_EDIT || std::strcmp(change.name, change.definition.name) == 0) return;
    const int category = CategoryOfName(CustomUnits, change.category);
    for (int r = 0; r < g_before.unitCount; ++r)
        if (g_before.units[r].category == category && std::strcmp(g_before.units[r].name, change.name) == 0)
            g_renamedRow = r;
    std::memcpy(g_renamedTo, change.definition.name, sizeof g_renamedTo);
}

}  // namespace

bool FollowUnit(const CustomCatalogue& before, int* category, int* unit)
{
    if (*category < BuiltInCategoryCount() && *unit >= 0 && *unit < BuiltInUnitCount(*category)) return true;
    const int row = RowOf(before, *category, *unit);
    if (row < 0) return false;
    // The category by its name now; a built-in one keeps its index.
    int now = *category;
    if (*category >= BuiltInCategoryCount()) {
        now = -1;
        for (int c = 0; c < CustomRows.categoryCount && now < 0; ++c)
            if (std::strcmp(CustomRows.categoryNames[c], CustomCategoryName(before, *category)) == 0)
                now = BuiltInCategoryCount() + c;
        if (now < 0) return false;
    }
    const char* name = &before == &g_before && row == g_renamedRow ? g_renamedTo : before.units[row].name;
    int index = BuiltInUnitCount(now);
    for (int r = 0; r < CustomRows.unitCount; ++r) {
        if (CustomRows.units[r].category != now) continue;
        if (std::strcmp(CustomRows.units[r].name, name) == 0) {
            *category = now;
            *unit = index;
            return true;
        }
        ++index;
    }
    return false;
}

void FollowListEntries(const CustomCatalogue& before)
{
    int kept = 0;
    for (int i = 0; i < FavoritesList.count; ++i)
        if (FollowEntry(before, &FavoritesList.entries[i])) FavoritesList.entries[kept++] = FavoritesList.entries[i];
    FavoritesList.count = kept;
    ConversionTriple newest[RECENT_SLOTS];
    kept = 0;
    for (int k = 0; k < RecentList.count; ++k) {
        ConversionTriple entry = RecentList.slots[NewestRecentSlot(k)];
        if (FollowEntry(before, &entry)) newest[kept++] = entry;
    }
    for (int k = 0; k < kept; ++k) RecentList.slots[NewestRecentSlot(k)] = newest[k];
    RecentList.count = kept;
}

int ListEntriesUsing(const CustomUnitSet& set, const bool marks[CUSTOM_UNIT_MAX])
{
    int using_ = 0;
    for (int i = 0; i < FavoritesList.count; ++i) using_ += UsesMarked(set, marks, FavoritesList.entries[i]);
    for (int k = 0; k < RecentList.count; ++k) using_ += UsesMarked(set, marks, RecentList.slots[NewestRecentSlot(k)]);
    return using_;
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
    // The window keeps its conversion where its units are still there.
    ConversionTriple shown;
    const bool showing = ShownConversion(&shown.category, &shown.fromIndex, &shown.toIndex);
    g_before = CustomRows;
    NoteRename(change);
    ShowCustomUnits(g_onDisk);
    FollowListEntries(g_before);
    FollowStoredLists(g_before);
    if (!showing || !FollowEntry(g_before, &shown)) shown = ConversionTriple{ 0, 0, 0 };
    ReshowCatalogue(shown.category, shown.fromIndex, shown.toIndex);
    return UNIT_SAVED;
}

void ShowListMenusAgain(WindowHandle window)
{
    for (int i = 0; i < FAVORITES_MAX; ++i) ListMenuDelete(window, FAVORITE_FIRST_ID + i);
    for (int slot = 0; slot < RECENT_SLOTS; ++slot) ListMenuDelete(window, RECENT_FIRST_ID + slot);
    char text[LIST_ITEM_TEXT_SIZE];
    for (int i = 0; i < FavoritesList.count; ++i) {
        FormatConversionText(FavoritesList.entries[i], text, sizeof text);
        ListMenuAppend(window, FAVORITES_POPUP, FAVORITE_FIRST_ID + i, text);
    }
    for (int k = 0; k < RecentList.count; ++k) {
        const int slot = NewestRecentSlot(k);
        FormatConversionText(RecentList.slots[slot], text, sizeof text);
        ListMenuAppend(window, GO_POPUP, RECENT_FIRST_ID + slot, text);
    }
    ListMenuRedraw(window);
}
