// The soak's model on its own, against the documented examples: what text is
// a number, what the other box shows, the recent ring's slots and ids, the
// favourites' renumbering, a restart, Tab and browsing. No program runs.
#include <gtest/gtest.h>

#include "catalogue/units.h"
#include "tests/e2e/soak_model.h"

namespace {

const int KILOMETER = 8;
const int METER = 10;
const int CELSIUS = 0, FAHRENHEIT = 1, KELVIN = 4;

struct Accepted {
    const char* text;
    bool negative;
    unsigned long long digits;
    int exponent10;
};

TEST(SoakModel, ReadsExactlyTheAcceptedForm)
{
    const Accepted accepted[] = {
        { "5", false, 5, 0 }, { " 5", false, 5, 0 }, { "+5", false, 5, 0 }, { "-5", true, 5, 0 },
        { ".5", false, 5, -1 }, { "+.5", false, 5, -1 }, { "5.", false, 5, 0 }, { "-.5", true, 5, -1 },
        { "5.e3", false, 5, 3 }, { "12.5", false, 125, -1 }, { "-12.5e-3", true, 125, -4 }, { "1E5", false, 1, 5 },
        { "1e+5", false, 1, 5 }, { "1e05", false, 1, 5 }, { "-0", true, 0, 0 }, { "007", false, 7, 0 },
        { "123456789012345678", false, 123456789012345678ull, 0 }, { "0.00000000000000001", false, 1, -17 },
        { "1e4931", false, 1, 4931 }, { "1e-4931", false, 1, -4931 }, { " 1.000000E+0020", false, 1000000, 14 },
        { "1e00000000000000000004931", false, 1, 4931 },
    };
    for (const Accepted& c : accepted) {
        SoakNumber n = { false, 99, 99 };
        ASSERT_TRUE(SoakParse(c.text, &n)) << '"' << c.text << '"';
        EXPECT_EQ(n.negative, c.negative) << c.text;
        EXPECT_EQ(n.digits, c.digits) << c.text;
        EXPECT_EQ(n.exponent10, c.exponent10) << c.text;
    }
    const char* const rejected[] = {
        "", "   ", "--5", "+-5", "- 5", "1234567890123456789", "0.000000000000000001", "1e4932", ".", "-",
        "+", "e5", "E5", "+.e5", "1e", "1e+", "1e-", "1e+-5", "1e3.5", "1.5e3e2", "1..2", "1.2.3", "1,5",
        "abc", "0x10", "\t5", "1e99999",
    };
    for (const char* text : rejected) {
        SoakNumber n;
        EXPECT_FALSE(SoakParse(text, &n)) << '"' << text << '"';
    }
}

std::string Answer(const char* typed, int category, int from, int to, int decimals = 6, int numFormat = 1)
{
    std::string shown;
    if (!SoakAnswerText(typed, category, from, to, decimals, numFormat, 0, &shown)) return "<below the range>";
    return shown;
}

TEST(SoakModel, ShowsWhatTheOtherBoxShows)
{
    EXPECT_EQ(Answer("2", CATEGORY_METRIC_LENGTH, KILOMETER, METER), " 2000.000000");
    EXPECT_EQ(Answer("20", CATEGORY_METRIC_LENGTH, KILOMETER, METER), " 20000.000000");
    EXPECT_EQ(Answer("2", CATEGORY_METRIC_LENGTH, KILOMETER, METER, 2), " 2000.00");
    EXPECT_EQ(Answer("2", CATEGORY_METRIC_LENGTH, KILOMETER, METER, 3, 0), " 2.000E+0003");
    EXPECT_EQ(Answer("abc", CATEGORY_METRIC_LENGTH, KILOMETER, METER), "abc");   // no number: passed through
    EXPECT_EQ(Answer("", CATEGORY_METRIC_LENGTH, KILOMETER, METER), "");
    EXPECT_EQ(Answer("1e400", CATEGORY_METRIC_LENGTH, METER, METER), "1e400");   // beyond the double range
    EXPECT_EQ(Answer("1e-400", CATEGORY_METRIC_LENGTH, METER, METER), "<below the range>");
    EXPECT_EQ(Answer("0", 0, 0, 0), "0");
    EXPECT_EQ(Answer("-0", 0, 0, 0), "0");
    EXPECT_EQ(Answer("100", CATEGORY_TEMPERATURE, CELSIUS, FAHRENHEIT), " 212.000000");
    EXPECT_EQ(Answer("-40", CATEGORY_TEMPERATURE, FAHRENHEIT, CELSIUS), "-40.000000");
    EXPECT_EQ(Answer("-300", CATEGORY_TEMPERATURE, CELSIUS, FAHRENHEIT), "0");   // below absolute zero
    EXPECT_EQ(Answer("0", CATEGORY_TEMPERATURE, KELVIN, CELSIUS), "-273.150000");
}

SoakModel Started()
{
    SoakModel m = SoakFreshModel();
    SoakStart(&m);
    return m;
}

std::vector<int> RecentIds(const SoakModel& m)
{
    std::vector<int> ids;
    for (int k = 0; SoakRecentId(m, k) >= 0; ++k) ids.push_back(SoakRecentId(m, k));
    return ids;
}

TEST(SoakModel, TheEleventhConversionTakesTheOldestSlot)
{
    SoakModel m = Started();
    SoakPickUnit(&m, 2, 0);   // units 0 and 0: nothing
    EXPECT_TRUE(RecentIds(m).empty());
    for (int unit = 1; unit <= 10; ++unit) SoakPickUnit(&m, 1, unit);
    SoakPickUnit(&m, 1, 3);   // listed already: keeps its place
    EXPECT_EQ(RecentIds(m), (std::vector<int>{ 105, 104, 103, 102, 101, 100, 99, 98, 97, 96 }));
    SoakPickUnit(&m, 1, 11);
    EXPECT_EQ(RecentIds(m), (std::vector<int>{ 96, 105, 104, 103, 102, 101, 100, 99, 98, 97 }));
    SoakPickCategory(&m, 0);   // the same category: both units back to 0, nothing recorded
    EXPECT_EQ(m.fromUnit, 0);
    EXPECT_EQ(RecentIds(m).size(), 10u);
    SoakApplyRecent(&m, 0);    // applying records nothing
    EXPECT_EQ(m.fromUnit, 11);
    EXPECT_EQ(RecentIds(m).front(), 96);
}

TEST(SoakModel, FavoritesHoldTwentyAndRenumber)
{
    SoakModel m = Started();
    for (int unit = 1; unit <= 21; ++unit) {
        SoakPickUnit(&m, 1, unit);
        SoakAddFavorite(&m);
    }
    SoakAddFavorite(&m);
    ASSERT_EQ(m.favorites.size(), 20u);
    SoakApplyFavorite(&m, 1);   // unit 2 to unit 0
    SoakRemoveFavorite(&m);
    ASSERT_EQ(m.favorites.size(), 19u);
    EXPECT_EQ(m.favorites[1].from, 3);   // id 113 now applies the former third
}

TEST(SoakModel, ARestartReappliesTheNewestFromSlotNine)
{
    SoakModel m = Started();
    SoakFlipSaveOnExit(&m);
    SoakPickCategory(&m, CATEGORY_TEMPERATURE);
    SoakPickUnit(&m, 2, FAHRENHEIT);   // Celsius to Fahrenheit
    SoakPickUnit(&m, 1, KELVIN);       // kelvin to Fahrenheit
    SoakSetDecimals(&m, 2);
    SoakExit(&m);
    SoakStart(&m);
    EXPECT_EQ(m.saveOnExit, 1);
    EXPECT_EQ(RecentIds(m), (std::vector<int>{ 105, 104 }));
    EXPECT_EQ(m.category, CATEGORY_TEMPERATURE);
    EXPECT_EQ(m.fromUnit, KELVIN);
    EXPECT_EQ(m.box[1].text, "-459.67");   // 0 kelvin in Fahrenheit, two decimals
    SoakPickUnit(&m, 2, CELSIUS);
    EXPECT_EQ(RecentIds(m), (std::vector<int>{ 96, 105, 104 }));
    SoakFlipSaveOnExit(&m);   // off: the file keeps the earlier save
    SoakExit(&m);
    EXPECT_EQ(m.file.recent.size(), 2u);
}

TEST(SoakModel, TabMakesABoxActiveAndTypingReplacesItsText)
{
    SoakModel m = Started();
    SoakPickCategory(&m, CATEGORY_METRIC_LENGTH);
    SoakPickUnit(&m, 1, KILOMETER);
    SoakPickUnit(&m, 2, METER);
    SoakTabKey(&m, false);   // From box -> To box
    ASSERT_TRUE(SoakCanTypeKeys(m));
    SoakTypeKeys(&m, "3000");
    EXPECT_EQ(m.activeSide, 2);
    EXPECT_EQ(m.box[0].text, " 3.000000");
    SoakPickUnit(&m, 1, METER);   // the To box stays the side typed in
    EXPECT_EQ(m.box[0].text, " 3000.000000");
    SoakClickAndType(&m, 2, std::string(70, '1'));   // the box takes 64 characters
    EXPECT_EQ(m.box[1].text, "3000" + std::string(60, '1'));
}

TEST(SoakModel, ABrowseIsRecordedWhereItStops)
{
    SoakModel m = Started();
    SoakTabKey(&m, true);
    SoakTabKey(&m, true);   // the from-unit chooser
    SoakBrowseUnit(&m, 1, 1);
    SoakBrowseUnit(&m, 1, 2);
    EXPECT_TRUE(RecentIds(m).empty());
    SoakMenuOpens(&m);
    EXPECT_EQ(RecentIds(m), (std::vector<int>{ 96 }));
    SoakSwap(&m);
    EXPECT_EQ(RecentIds(m), (std::vector<int>{ 97, 96 }));
    EXPECT_EQ(m.focus, FOCUS_FROM_BOX);
}

}  // namespace
