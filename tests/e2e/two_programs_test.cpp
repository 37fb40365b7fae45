// Two copies of Metrova on the same settings, each changing its lists and
// options, ending one after the other in either order. There is no locking
// between them: each save writes every key of its own lists, removes the
// keys past its own counts and writes both options, so the later save
// replaces everything the earlier one wrote, even when the earlier one had
// more favourites. A third start shows exactly what the later one held.
#include "tests/e2e/settings_helpers.h"

#include <string>
#include <vector>

namespace {


// Five favourites and three recent conversions, both options off their defaults.
std::string StartingFile()
{
    std::string text = "[Favorites List]\r\n";
    for (int n = 1; n <= 5; ++n) text += EntryLines("FAVORITE", n, 0, 2 * n - 1, 2 * n);
    text += "[Recent List]\r\n";
    for (int n = 1; n <= 3; ++n) text += EntryLines("RECENT", n, 0, 10 + 2 * n, 11 + 2 * n);
    return text + "[Options]\r\nNUM_FORMAT=0\r\nDEC_PLACE=4\r\n";
}

// Shows favourite `index` (as its menu item does) and removes it.
void RemoveFavorite(const MetrovaApp& app, int index)
{
    ASSERT_TRUE(SendCommand(app.window, IDM_FAVORITE_FIRST + index));
    ASSERT_TRUE(SendCommand(app.window, IDM_FAVORITES_REMOVE));
}

// Program A grows the favourites to seven, adds recent conversions and
// switches to fixed notation with 2 decimals.
void ChangeA(MetrovaApp* app)
{
    AddFavoriteOf(*app, 20, 21);
    AddFavoriteOf(*app, 22, 23);
    ASSERT_TRUE(SendCommand(app->window, IDM_OPTIONS_SCIENTIFIC));
    ASSERT_TRUE(SendCommand(app->window, IDM_DECIMALS_FIRST + 2));
    ASSERT_EQ(ListItems(app, FAVORITES_MENU).size(), 7u);
}

// Program B shrinks them to two, moves to another category for its recent
// conversions and keeps scientific notation with 9 decimals.
void ChangeB(MetrovaApp* app)
{
    RemoveFavorite(*app, 1);
    RemoveFavorite(*app, 1);
    RemoveFavorite(*app, 1);
    ASSERT_TRUE(PickItem(CategoryChooser(*app), 9));
    ASSERT_TRUE(PickItem(FromUnitChooser(*app), 3));
    ASSERT_TRUE(PickItem(ToUnitChooser(*app), 5));
    ASSERT_TRUE(SendCommand(app->window, IDM_DECIMALS_FIRST + 9));
    ASSERT_EQ(ListItems(app, FAVORITES_MENU).size(), 2u);
}

class TwoPrograms : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        ASSERT_TRUE(WriteSettingsFile(StartingFile()));
        std::string why;
        ASSERT_TRUE(StartMetrova(&a, &why)) << why;
        ASSERT_TRUE(StartMetrova(&b, &why)) << why;
        ASSERT_EQ(ListItems(&a, FAVORITES_MENU).size(), 5u);   // both started from the file
        ASSERT_EQ(ListItems(&b, FAVORITES_MENU).size(), 5u);
        ASSERT_NO_FATAL_FAILURE(ChangeA(&a));
        ASSERT_NO_FATAL_FAILURE(ChangeB(&b));
        heldA = Held(&a);
        heldB = Held(&b);
        ASSERT_NE(heldA, heldB);
    }
    void TearDown() override
    {
        StopMetrova(&a);
        StopMetrova(&b);
        StopMetrova(&third);
        ClearSettings();
    }
    // Ends `first`, then `later`, and checks the file and a third start
    // against what `later` held.
    void ExitInOrder(MetrovaApp* first, const HeldSettings& heldFirst, MetrovaApp* later, const HeldSettings& expected)
    {
        ASSERT_TRUE(ExitByMenu(first)) << "the first did not end cleanly";
        std::string text;
        ASSERT_TRUE(ReadSettingsFile(&text));
        EXPECT_EQ(FileSettings(text), heldFirst) << text;   // meanwhile, the first one's settings
        ASSERT_TRUE(ExitByMenu(later)) << "the later did not end cleanly";
        ASSERT_TRUE(ReadSettingsFile(&text));

        EXPECT_EQ(FileSettings(text), expected) << text;
        // Nothing of the earlier save is left past the later one's counts.
        std::vector<std::string> favoriteKeys, recentKeys;
        for (size_t n = 1; n <= expected.favorites.size(); ++n)
            for (const char* field : { "CAT", "FR", "TO" })
                favoriteKeys.push_back(std::string("FAVORITE_") + field + "_" + std::to_string(n));
        for (size_t n = 1; n <= expected.recent.size(); ++n)
            for (const char* field : { "CAT", "FR", "TO" })
                recentKeys.push_back(std::string("RECENT_") + field + "_" + std::to_string(n));
        EXPECT_EQ(SectionKeys(text, "Favorites List"), favoriteKeys) << text;
        EXPECT_EQ(SectionKeys(text, "Recent List"), recentKeys) << text;
        EXPECT_EQ(SectionKeys(text, "Options"), (std::vector<std::string>{ "NUM_FORMAT", "DEC_PLACE" })) << text;

        std::string why;
        ASSERT_TRUE(StartMetrova(&third, &why)) << why;
        EXPECT_EQ(Held(&third), expected);
        EXPECT_TRUE(Checked(&third, IDM_OPTIONS_SAVE_ON_EXIT));
    }
    MetrovaApp a = {}, b = {}, third = {};
    HeldSettings heldA, heldB;
};

// A had seven favourites, B two: B's save removes A's five extra ones.
TEST_F(TwoPrograms, AThenBKeepsExactlyWhatBHeld)
{
    ASSERT_GT(heldA.favorites.size(), heldB.favorites.size());
    ExitInOrder(&a, heldA, &b, heldB);
}

TEST_F(TwoPrograms, BThenAKeepsExactlyWhatAHeld)
{
    ExitInOrder(&b, heldB, &a, heldA);
}

}  // namespace
