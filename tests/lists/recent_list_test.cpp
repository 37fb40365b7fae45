// The ring of ten recent conversions and its items in the "&Go" menu.
#include "tests/lists/lists_fixture.h"

using RecentListTest = ListsTest;

// Ten distinct conversions of category 0 with different units on both sides.
static void AddTenDistinct()
{
    for (int i = 1; i <= 10; i++) {
        Show(0, i, 0);
        AddRecent(nullptr);
    }
}

TEST_F(RecentListTest, NothingIsRecordedWithoutAChooserChange)
{
    EXPECT_TRUE(Showing(0, 0, 0));   // the start-up conversion is units 0 and 0 of category 0
    EXPECT_EQ(RecentList.count, 0);
    EXPECT_TRUE(ListItems(GO_POPUP).empty());
}

TEST_F(RecentListTest, WhatIsRecordedAndWhatIsNot)
{
    UserSetsUp(0, 3, 5);   // from-unit then to-unit: (3,0) and then (3,5)
    EXPECT_EQ(ListItemLines(GO_POPUP), (std::vector<std::string>{ Line(97, 0, 3, 5), Line(96, 0, 3, 0) }));

    UserPicks(CHOOSER_TO_UNIT, 3);   // both choosers on unit 3: nothing
    EXPECT_EQ(RecentList.count, 2);

    ViewChooserSelect(CHOOSER_CATEGORY, 4);   // another category resets both units to 0: nothing
    OnChooserChanged(CHOOSER_CATEGORY);
    EXPECT_EQ(RecentList.count, 2);
    EXPECT_TRUE(Showing(4, 0, 0));
}

TEST_F(RecentListTest, AChooserWithoutSelectionRecordsNothing)
{
    Show(0, 1, 2);
    FakeView.choosers[CHOOSER_FROM_UNIT].selection = -1;
    AddRecent(nullptr);
    FakeView.choosers[CHOOSER_FROM_UNIT].selection = 1;
    FakeView.choosers[CHOOSER_TO_UNIT].selection = -1;
    AddRecent(nullptr);
    EXPECT_EQ(RecentList.count, 0);
    EXPECT_EQ(FakeMenu.redraws, 0);
}

TEST_F(RecentListTest, SwapRecordsTheReversedConversionOnce)
{
    Show(0, 1, 2);
    AddRecent(nullptr);
    SwapUnits();
    AddRecent(nullptr);   // as the Swap command does
    SwapUnits();
    AddRecent(nullptr);   // back to (1,2): already listed
    EXPECT_EQ(ListItemLines(GO_POPUP), (std::vector<std::string>{ Line(97, 0, 2, 1), Line(96, 0, 1, 2) }));
}

TEST_F(RecentListTest, AListedConversionKeepsItsPlace)
{
    const int conversions[3][2] = { { 1, 2 }, { 3, 4 }, { 5, 6 } };
    for (const auto& c : conversions) {
        Show(0, c[0], c[1]);
        AddRecent(nullptr);
    }
    const std::vector<std::string> before = ListItemLines(GO_POPUP);
    const int redraws = FakeMenu.redraws;
    for (const auto& c : conversions) {   // newest, middle and oldest again
        Show(0, c[0], c[1]);
        AddRecent(nullptr);
    }
    EXPECT_EQ(ListItemLines(GO_POPUP), before);
    EXPECT_EQ(FakeMenu.redraws, redraws);
    EXPECT_EQ(RecentList.nextSlot, 3);
}

TEST_F(RecentListTest, TenEntriesStandNewestFirstWithSlotIds)
{
    AddTenDistinct();
    std::vector<std::string> expected;
    for (int slot = 9; slot >= 0; slot--) expected.push_back(Line(96 + slot, 0, slot + 1, 0));
    EXPECT_EQ(ListItemLines(GO_POPUP), expected);
    EXPECT_EQ(RecentList.count, 10);
    EXPECT_EQ(RecentList.nextSlot, 0);
}

TEST_F(RecentListTest, EleventhConversionTakesOldestSlot)
{
    AddTenDistinct();
    Show(0, 11, 0);
    AddRecent(nullptr);
    const std::vector<FakeMenuItem> items = ListItems(GO_POPUP);
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[0].id, 96);   // the removed oldest item's id, directly below the separator
    EXPECT_EQ(items[0].text, ItemText(0, 11, 0));
    EXPECT_EQ(items[1].id, 105);
    EXPECT_EQ(items[9].id, 97);   // the oldest is now the second entry added
    EXPECT_EQ(items[9].text, ItemText(0, 2, 0));
    EXPECT_EQ(FakeMenu.failedLookups, 0);
    EXPECT_EQ(RecentList.count, 10);
    EXPECT_EQ(RecentList.nextSlot, 1);

    Show(0, 12, 0);   // the twelfth takes the next oldest, 97
    AddRecent(nullptr);
    EXPECT_EQ(ListItems(GO_POPUP)[0].id, 97);
    EXPECT_EQ(ListItems(GO_POPUP)[9].text, ItemText(0, 3, 0));
}

TEST_F(RecentListTest, ApplyingAnEntryShowsItWithoutReordering)
{
    AddTenDistinct();
    const std::vector<std::string> before = ListItemLines(GO_POPUP);
    ApplyRecent(2);   // the third oldest
    EXPECT_TRUE(Showing(0, 3, 0));
    EXPECT_EQ(ListItemLines(GO_POPUP), before);
    EXPECT_EQ(RecentList.nextSlot, 0);
}

TEST_F(RecentListTest, ApplyingASlotWithoutAnEntryDoesNothing)
{
    Show(0, 1, 2);
    AddRecent(nullptr);   // slot 0
    Show(0, 4, 5);
    ApplyRecent(1);    // stale
    ApplyRecent(-1);   // not a slot
    ApplyRecent(10);
    EXPECT_TRUE(Showing(0, 4, 5));
}

TEST_F(RecentListTest, ThreeLoadedEntriesCarryIds105To103)
{
    // As LoadSettings leaves three entries: newest in slot 9, nextSlot 0.
    RecentList.slots[9] = { 0, 1, 2 };
    RecentList.slots[8] = { 0, 3, 4 };
    RecentList.slots[7] = { 4, 1, 0 };
    RecentList.count = 3;
    RecentList.nextSlot = 0;
    BuildRecentMenu(nullptr);
    EXPECT_EQ(ListItemLines(GO_POPUP),
              (std::vector<std::string>{ Line(105, 0, 1, 2), Line(104, 0, 3, 4), Line(103, 4, 1, 0) }));
    EXPECT_TRUE(Showing(0, 1, 2));   // the window opens on the top item
    EXPECT_EQ(RecentList.count, 3);  // applying does not record anything

    Show(0, 7, 8);   // the next new conversion takes slot 0: id 96 above 105
    AddRecent(nullptr);
    EXPECT_EQ(ListItems(GO_POPUP)[0].id, 96);
    EXPECT_EQ(ListItems(GO_POPUP)[1].id, 105);
}

TEST_F(RecentListTest, BuildingAnEmptyListAppliesAndAddsNothing)
{
    BuildRecentMenu(nullptr);
    EXPECT_TRUE(ListItems(GO_POPUP).empty());
    EXPECT_TRUE(Showing(0, 0, 0));
}

TEST_F(RecentListTest, ItemTextIsBothUnitNamesAroundATilde)
{
    Show(CATEGORY_METRIC_LENGTH, 1, 0);
    AddRecent(nullptr);
    const std::string expected =
        std::string(UnitName(CATEGORY_METRIC_LENGTH, 1)) + " ~ " + UnitName(CATEGORY_METRIC_LENGTH, 0);
    EXPECT_EQ(ListItems(GO_POPUP)[0].text, expected);
}
