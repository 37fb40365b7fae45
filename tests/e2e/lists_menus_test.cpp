// The recent conversions in "&Go" and the favourites in "&Favorites" of the
// running program: ids, texts and order read from its real menus.
#include "tests/e2e/driver.h"
#include "res/resource.h"

namespace {


using RecentMenu = MetrovaTest;

TEST_F(RecentMenu, EmptyAtFirstStart)
{
    EXPECT_TRUE(ListItems(&app, GO_MENU).empty());
    EXPECT_TRUE(ListItems(&app, FAVORITES_MENU).empty());
    EXPECT_TRUE(Shows(app, 0, 0, 0));
}

TEST_F(RecentMenu, ChoosingUnitsRecordsNewestFirst)
{
    ASSERT_TRUE(PickItem(FromUnitChooser(app), 3));   // (3,0)
    ASSERT_TRUE(PickItem(ToUnitChooser(app), 5));     // (3,5)
    ASSERT_TRUE(PickItem(ToUnitChooser(app), 3));     // same unit both sides: nothing
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_COMMON_LENGTH));   // another category: nothing
    EXPECT_EQ(ListItems(&app, GO_MENU).size(), 2u);
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_ALL_LENGTH));
    EXPECT_EQ(ListItems(&app, GO_MENU), (std::vector<std::string>{ ListItemOf(app, IDM_RECENT_FIRST + 1, 3, 5), ListItemOf(app, IDM_RECENT_FIRST, 3, 0) }));
}

TEST_F(RecentMenu, SwapRecordsTheReversedConversionOnce)
{
    ASSERT_TRUE(PickItem(FromUnitChooser(app), 1));   // (1,0)
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_SWAP));          // (0,1)
    ASSERT_TRUE(SendCommand(app.window, IDM_VIEW_SWAP));          // (1,0) again: already listed
    EXPECT_EQ(ListItems(&app, GO_MENU), (std::vector<std::string>{ ListItemOf(app, IDM_RECENT_FIRST + 1, 0, 1), ListItemOf(app, IDM_RECENT_FIRST, 1, 0) }));
}

TEST_F(RecentMenu, EleventhConversionTakesTheOldestId)
{
    for (int unit = 1; unit <= 10; ++unit) ASSERT_TRUE(PickItem(FromUnitChooser(app), unit));
    std::vector<std::string> ten;
    for (int unit = 10; unit >= 1; --unit) ten.push_back(ListItemOf(app, IDM_RECENT_FIRST - 1 + unit, unit, 0));
    EXPECT_EQ(ListItems(&app, GO_MENU), ten);

    ASSERT_TRUE(PickItem(FromUnitChooser(app), 11));
    std::vector<std::string> eleven = { ListItemOf(app, IDM_RECENT_FIRST, 11, 0) };   // on top, with the oldest one's id
    eleven.insert(eleven.end(), ten.begin(), ten.end() - 1);       // the oldest (unit 1) is gone
    EXPECT_EQ(ListItems(&app, GO_MENU), eleven);
}

TEST_F(RecentMenu, ChoosingAnItemAppliesItWithoutReordering)
{
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_COMMON_LENGTH));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), 2));   // (2,0) id 96
    ASSERT_TRUE(PickItem(ToUnitChooser(app), 1));     // (2,1) id 97
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_ALL_LENGTH));
    const std::vector<std::string> before = ListItems(&app, GO_MENU);
    ASSERT_TRUE(SendCommand(app.window, IDM_RECENT_FIRST));
    EXPECT_TRUE(Shows(app, 4, 2, 0));
    EXPECT_EQ(ListItems(&app, GO_MENU), before);
}

using FavoritesMenu = MetrovaTest;

TEST_F(FavoritesMenu, RemovingTheSecondOfFourRenumbers)
{
    AddFavoriteOf(app, 1, 2);
    AddFavoriteOf(app, 3, 4);
    AddFavoriteOf(app, 5, 6);
    AddFavoriteOf(app, 7, 8);
    AddFavoriteOf(app, 7, 8);   // already there: refused
    AddFavoriteOf(app, 9, 9);   // equal units: refused
    ASSERT_EQ(ListItems(&app, FAVORITES_MENU).size(), 4u);
    AddFavoriteOf(app, 3, 4);
    ASSERT_TRUE(SendCommand(app.window, IDM_FAVORITES_REMOVE));
    EXPECT_EQ(ListItems(&app, FAVORITES_MENU),
              (std::vector<std::string>{ ListItemOf(app, IDM_FAVORITE_FIRST, 1, 2), ListItemOf(app, IDM_FAVORITE_FIRST + 1, 5, 6), ListItemOf(app, IDM_FAVORITE_FIRST + 2, 7, 8) }));
    const std::vector<std::string> recent = ListItems(&app, GO_MENU);
    ASSERT_TRUE(SendCommand(app.window, IDM_FAVORITE_FIRST + 1));   // now the former third favourite
    EXPECT_TRUE(Shows(app, 0, 5, 6));
    EXPECT_EQ(ListItems(&app, GO_MENU), recent);      // applying a favourite records nothing
    ASSERT_TRUE(SendCommand(app.window, IDM_FAVORITE_FIRST + 3));   // no such favourite any more: nothing
    EXPECT_TRUE(Shows(app, 0, 5, 6));
}

TEST_F(FavoritesMenu, TwentyAtMost)
{
    for (int unit = 1; unit <= 21; ++unit) AddFavoriteOf(app, unit, 0);
    const std::vector<std::string> items = ListItems(&app, FAVORITES_MENU);
    ASSERT_EQ(items.size(), 20u);
    EXPECT_EQ(items.back(), ListItemOf(app, IDM_FAVORITE_FIRST + 19, 20, 0));
}

}  // namespace
