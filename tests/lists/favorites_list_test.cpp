// The favourites list and its items in the "&Favorites" menu.
#include "tests/lists/lists_fixture.h"

using FavoritesListTest = ListsTest;

static void AddFavoriteOf(int category, int fromIndex, int toIndex)
{
    Show(category, fromIndex, toIndex);
    AddFavorite(nullptr);
}

TEST_F(FavoritesListTest, AddedInOrderWithIdsFromTheirIndex)
{
    AddFavoriteOf(0, 1, 2);
    AddFavoriteOf(4, 2, 1);
    AddFavoriteOf(0, 2, 1);   // the same two units the other way round is another favourite
    EXPECT_EQ(ListItemLines(FAVORITES_POPUP),
              (std::vector<std::string>{ Line(112, 0, 1, 2), Line(113, 4, 2, 1), Line(114, 0, 2, 1) }));
    EXPECT_EQ(RecentList.count, 0);   // adding a favourite is not a recent conversion
}

// A pop-up is found by the command it holds, wherever it stands in the bar.
TEST_F(FavoritesListTest, ItemsGoToThePopupHoldingItsCommand)
{
    std::swap(FakeMenu.popups[0], FakeMenu.popups[2]);   // "&Favorites" first, "&Go" third
    AddFavoriteOf(0, 1, 2);
    EXPECT_EQ(FakeMenu.popups[0].back().id, 112);
    EXPECT_EQ(ListItemLines(GO_POPUP), std::vector<std::string>{});
}

TEST_F(FavoritesListTest, RefusedSilently)
{
    AddFavoriteOf(0, 3, 3);   // equal units
    EXPECT_EQ(FavoritesList.count, 0);
    AddFavoriteOf(0, 1, 2);
    AddFavoriteOf(0, 3, 4);
    AddFavoriteOf(0, 1, 2);   // already a favourite: not added, not moved
    EXPECT_EQ(ListItemLines(FAVORITES_POPUP), (std::vector<std::string>{ Line(112, 0, 1, 2), Line(113, 0, 3, 4) }));

    FakeView.choosers[CHOOSER_TO_UNIT].selection = -1;   // no selection
    AddFavorite(nullptr);
    EXPECT_EQ(FavoritesList.count, 2);
}

TEST_F(FavoritesListTest, TwentyIsTheLimit)
{
    for (int i = 1; i <= 21; i++) AddFavoriteOf(0, i, 0);
    EXPECT_EQ(FavoritesList.count, 20);
    const std::vector<FakeMenuItem> items = ListItems(FAVORITES_POPUP);
    ASSERT_EQ(items.size(), 20u);
    EXPECT_EQ(items.back().id, 131);
    EXPECT_EQ(items.back().text, ItemText(0, 20, 0));
}

TEST_F(FavoritesListTest, RemovingTheSecondOfFourRenumbersTheRest)
{
    AddFavoriteOf(0, 1, 2);
    AddFavoriteOf(0, 3, 4);
    AddFavoriteOf(0, 5, 6);
    AddFavoriteOf(0, 7, 8);
    Show(0, 3, 4);
    RemoveFavorite(nullptr);
    EXPECT_EQ(ListItemLines(FAVORITES_POPUP),
              (std::vector<std::string>{ Line(112, 0, 1, 2), Line(113, 0, 5, 6), Line(114, 0, 7, 8) }));
    EXPECT_EQ(FakeMenu.failedLookups, 0);
    ApplyFavorite(1);   // id 113 now applies the former third favourite
    EXPECT_TRUE(Showing(0, 5, 6));
    AddFavoriteOf(0, 9, 10);   // the next one takes 115
    EXPECT_EQ(ListItems(FAVORITES_POPUP).back().id, 115);
}

TEST_F(FavoritesListTest, RemovingTheLastRenumbersNothing)
{
    AddFavoriteOf(0, 1, 2);
    AddFavoriteOf(0, 3, 4);
    Show(0, 3, 4);
    RemoveFavorite(nullptr);
    EXPECT_EQ(ListItemLines(FAVORITES_POPUP), (std::vector<std::string>{ Line(112, 0, 1, 2) }));
    EXPECT_EQ(FakeMenu.failedLookups, 0);
}

TEST_F(FavoritesListTest, RemovingWhatIsNoFavoriteChangesNothing)
{
    AddFavoriteOf(0, 1, 2);
    Show(0, 2, 1);
    RemoveFavorite(nullptr);
    FakeView.choosers[CHOOSER_FROM_UNIT].selection = -1;
    RemoveFavorite(nullptr);
    EXPECT_EQ(FavoritesList.count, 1);
    EXPECT_EQ(ListItems(FAVORITES_POPUP).size(), 1u);
}

TEST_F(FavoritesListTest, RemovingADuplicateFromAHandMadeFileTakesTheFirst)
{
    FavoritesList.entries[0] = { 0, 1, 2 };
    FavoritesList.entries[1] = { 0, 3, 3 };   // equal units: only a file can bring this in
    FavoritesList.entries[2] = { 0, 1, 2 };
    FavoritesList.count = 3;
    BuildFavoritesMenu(nullptr);
    Show(0, 1, 2);
    RemoveFavorite(nullptr);
    EXPECT_EQ(ListItemLines(FAVORITES_POPUP), (std::vector<std::string>{ Line(112, 0, 3, 3), Line(113, 0, 1, 2) }));
    Show(0, 3, 3);   // equal units are removable, as there is no test for them
    RemoveFavorite(nullptr);
    EXPECT_EQ(ListItemLines(FAVORITES_POPUP), (std::vector<std::string>{ Line(112, 0, 1, 2) }));
}

TEST_F(FavoritesListTest, ApplyingShowsTheConversionAndChangesNoList)
{
    AddFavoriteOf(4, 1, 3);
    Show(0, 0, 0);
    ApplyFavorite(0);
    EXPECT_TRUE(Showing(4, 1, 3));
    EXPECT_EQ(FavoritesList.count, 1);
    EXPECT_EQ(RecentList.count, 0);
    ApplyFavorite(1);   // no such favourite
    ApplyFavorite(-1);
    EXPECT_TRUE(Showing(4, 1, 3));
}

TEST_F(FavoritesListTest, BuildingTheMenuAppliesNothing)
{
    FavoritesList.entries[0] = { 4, 1, 3 };
    FavoritesList.entries[1] = { 0, 2, 1 };
    FavoritesList.count = 2;
    BuildFavoritesMenu(nullptr);
    EXPECT_EQ(ListItemLines(FAVORITES_POPUP), (std::vector<std::string>{ Line(112, 4, 1, 3), Line(113, 0, 2, 1) }));
    EXPECT_TRUE(Showing(0, 0, 0));
}
