// Common set-up for the lists' tests: empty lists, the resource's menu bar, the
// controls on category 0 with units 0 and 0, and an empty fake file system.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/units.h"
#include "core/conversion_state.h"
#include "core/conversion_view.h"
#include "lists/favorites_list.h"
#include "lists/list_menu.h"
#include "lists/recent_list.h"
#include "lists/settings_file.h"
#include "tests/support/fake_menu.h"
#include "tests/support/fake_profile.h"
#include "tests/support/fake_view.h"

// A fresh program: empty lists, built-in options, the resource's menu bar and
// the controls on category 0 with units 0 and 0.
inline void ResetProgramState()
{
    RecentList = RecentListState();
    FavoritesList = FavoritesListState();
    Conversion.currentCategory = -1;
    Conversion.ActiveSide = BOX_FROM;
    Conversion.NumFormat = DEFAULT_NUM_FORMAT;
    Conversion.DecimalPlaces = DEFAULT_DECIMAL_PLACES;
    SaveOnExit = 0;
    AllUnitsPlace = WindowPlace{};
    PortableMode = 0;
    strcpy(SettingsBase, ".");
    ResetFakeMenu();
    FakeViewReset();
    OnChooserChanged(0);
}

// keepFiles: a restart of the program on the same machine.
inline void ResetListsWorld(bool keepFiles = false)
{
    if (!keepFiles) ResetFakePlatform();
    ResetProgramState();
}

// The user picks a unit in a chooser: the shell hands the change to the
// conversion state and then offers the conversion to the recent list.
inline void UserPicks(int chooser, int index)
{
    ViewChooserSelect(chooser, index);
    OnChooserChanged(chooser);
    AddRecent(nullptr);
}

// The user ends up on this conversion by choosing both units (category
// changed first when needed); intermediate conversions are offered too.
inline void UserSetsUp(int category, int fromIndex, int toIndex)
{
    if (category != Conversion.currentCategory) {
        ViewChooserSelect(CHOOSER_CATEGORY, category);
        OnChooserChanged(CHOOSER_CATEGORY);
    }
    UserPicks(CHOOSER_FROM_UNIT, fromIndex);
    UserPicks(CHOOSER_TO_UNIT, toIndex);
}

// Shows a conversion without offering it to any list (as applying an entry does).
inline void Show(int category, int fromIndex, int toIndex)
{
    SelectConversion(category, fromIndex, toIndex);
}

inline std::string ItemText(int category, int fromIndex, int toIndex)
{
    return std::string(UnitName(category, fromIndex)) + " ~ " + UnitName(category, toIndex);
}

inline std::string Line(int id, int category, int fromIndex, int toIndex)
{
    return std::to_string(id) + " " + ItemText(category, fromIndex, toIndex);
}

inline bool Showing(int category, int fromIndex, int toIndex)
{
    return Conversion.currentCategory == category && ViewChooserSelection(CHOOSER_FROM_UNIT) == fromIndex &&
           ViewChooserSelection(CHOOSER_TO_UNIT) == toIndex;
}

class ListsTest : public ::testing::Test {
protected:
    void SetUp() override { ResetListsWorld(); }
};
