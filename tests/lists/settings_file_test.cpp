// Where the settings live, and the settings file read and written key by key.
#include "tests/lists/lists_fixture.h"

#include <algorithm>

using SettingsLocationTest = ListsTest;

static const std::string APPDATA = "C:\\Users\\me\\AppData\\Roaming";
static const std::string APPDATA_FILE = APPDATA + "\\Brisklane\\Metrova\\metrova.ini";
static const std::string LOCAL_FILE = ".\\Brisklane\\Metrova\\metrova.ini";

TEST_F(SettingsLocationTest, Cases)
{
    FindSettingsBase();   // installed program: the application-data folder
    EXPECT_STREQ(SettingsBase, APPDATA.c_str());
    EXPECT_EQ(PortableMode, 0);

    Fake.appDataFolder.clear();   // lookup fails: the current folder
    FindSettingsBase();
    EXPECT_STREQ(SettingsBase, ".");

    ResetFakePlatform();   // on a removable drive: the current folder, portable
    Fake.executablePath = "R:\\tools\\metrova.exe";
    Fake.removableDrives.insert("R:");
    FindSettingsBase();
    EXPECT_STREQ(SettingsBase, ".");
    EXPECT_EQ(PortableMode, 1);

    Fake.executablePath = "\\\\server\\share\\metrova.exe";   // no drive colon: not removable
    EXPECT_EQ(IsOnRemovableDrive(), 0);
    Fake.executablePath.clear();   // the executable's path cannot be read
    EXPECT_EQ(IsOnRemovableDrive(), 0);
    Fake.executablePath = "\\\\?\\R:\\metrova.exe";   // the first colon names the drive
    EXPECT_EQ(IsOnRemovableDrive(), 0);
    Fake.executablePath = "r:\\metrova.exe";   // drive letters in either case
    EXPECT_EQ(IsOnRemovableDrive(), 1);
    Fake.executablePath = std::string(300, 'x') + "R:\\metrova.exe";   // colon beyond the 259 characters read
    EXPECT_EQ(IsOnRemovableDrive(), 0);

    char buffer[SETTINGS_BASE_SIZE];
    Fake.appDataFolder.clear();
    EXPECT_EQ(GetAppDataFolder(buffer), 0);
    EXPECT_STREQ(buffer, ".");
}

// Paths are UTF-8: the limits are the system's 259 UTF-16 units, not bytes.
static std::string Repeat(const char* character, int times)
{
    std::string text;
    for (int i = 0; i < times; i++) text += character;
    return text;
}

static const char CJK[] = "\xE6\x97\xA5";    // U+65E5: three bytes, one unit
static const char CYRILLIC[] = "\xD0\x94";    // U+0414: two bytes, one unit

TEST_F(SettingsLocationTest, MultiByteFolders)
{
    // The longest application-data folder there can be, three bytes a
    // character: 771 bytes, taken whole.
    const std::string longest = "C:\\" + Repeat(CJK, 256);
    Fake.appDataFolder = longest;
    FindSettingsBase();
    EXPECT_EQ(std::string(SettingsBase), longest);
    EXPECT_EQ(PortableMode, 0);

    // A removable drive named before a path of 259 three-byte units.
    Fake.executablePath = "R:\\" + Repeat(CJK, 300) + "\\metrova.exe";
    Fake.removableDrives.insert("R:");
    EXPECT_EQ(IsOnRemovableDrive(), 1);
    FindSettingsBase();
    EXPECT_STREQ(SettingsBase, ".");
    Fake.executablePath = Repeat(CJK, 300) + "R:\\metrova.exe";   // colon beyond the 259 units read
    EXPECT_EQ(IsOnRemovableDrive(), 0);
    Fake.executablePath = "r:\\" + Repeat(CYRILLIC, 5) + "\\metrova.exe";
    EXPECT_EQ(IsOnRemovableDrive(), 1);
}

using LoadSettingsTest = ListsTest;

static void PutLocalFile(const std::string& text)
{
    Fake.folders.insert(".\\brisklane");
    Fake.folders.insert(".\\brisklane\\metrova");
    PutFakeFile(LOCAL_FILE, text);
}

static const char FULL_FILE[] =
    "[Favorites List]\n"
    "FAVORITE_CAT_1=0\nFAVORITE_FR_1=1\nFAVORITE_TO_1=2\n"
    "FAVORITE_CAT_2=4\nFAVORITE_FR_2=3\nFAVORITE_TO_2=1\n"
    "[Recent List]\n"
    "RECENT_CAT_1=0\nRECENT_FR_1=5\nRECENT_TO_1=6\n"
    "RECENT_CAT_2=0\nRECENT_FR_2=7\nRECENT_TO_2=8\n"
    "RECENT_CAT_3=4\nRECENT_FR_3=0\nRECENT_TO_3=2\n"
    "[Options]\nNUM_FORMAT=0\nDEC_PLACE=3\n";

TEST_F(LoadSettingsTest, NoFileMeansEmptyListsBuiltInOptionsAndNoSaving)
{
    SaveOnExit = 1;
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 0);
    EXPECT_EQ(FavoritesList.count, 0);
    EXPECT_EQ(RecentList.count, 0);
    EXPECT_EQ(Conversion.NumFormat, 1);
    EXPECT_EQ(Conversion.DecimalPlaces, 6);
}

TEST_F(LoadSettingsTest, AFileThatCannotBeOpenedCountsAsNone)
{
    PutLocalFile(FULL_FILE);
    Fake.files[LowerPath(LOCAL_FILE)].locked = true;
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 0);
    EXPECT_EQ(FavoritesList.count, 0);
    EXPECT_EQ(Conversion.NumFormat, 1);
}

TEST_F(LoadSettingsTest, AFullFileFillsListsAndOptions)
{
    PutLocalFile(FULL_FILE);
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 1);
    ASSERT_EQ(FavoritesList.count, 2);
    EXPECT_EQ(FavoritesList.entries[0], (ConversionTriple{ 0, 1, 2 }));
    EXPECT_EQ(FavoritesList.entries[1], (ConversionTriple{ 4, 3, 1 }));
    // Entry 1 (the newest) in slot 9, then 8 and 7; the ring's next slot is 0.
    ASSERT_EQ(RecentList.count, 3);
    EXPECT_EQ(RecentList.nextSlot, 0);
    EXPECT_EQ(RecentList.slots[9], (ConversionTriple{ 0, 5, 6 }));
    EXPECT_EQ(RecentList.slots[8], (ConversionTriple{ 0, 7, 8 }));
    EXPECT_EQ(RecentList.slots[7], (ConversionTriple{ 4, 0, 2 }));
    EXPECT_EQ(Conversion.NumFormat, 0);
    EXPECT_EQ(Conversion.DecimalPlaces, 3);
}

TEST_F(LoadSettingsTest, ThreeLoadedRecentEntriesShowAsIds105To103)
{
    PutLocalFile(FULL_FILE);
    LoadSettings();
    BuildFavoritesMenu(nullptr);
    BuildRecentMenu(nullptr);
    EXPECT_EQ(ListItemLines(GO_POPUP),
              (std::vector<std::string>{ Line(105, 0, 5, 6), Line(104, 0, 7, 8), Line(103, 4, 0, 2) }));
    EXPECT_EQ(ListItemLines(FAVORITES_POPUP), (std::vector<std::string>{ Line(112, 0, 1, 2), Line(113, 4, 3, 1) }));
    EXPECT_TRUE(Showing(0, 5, 6));
}

TEST_F(LoadSettingsTest, AnInvalidEntryEndsOnlyItsOwnList)
{
    const int units = UnitCount(CATEGORY_ALL_LENGTH);
    PutLocalFile("[Favorites List]\n"
                 "FAVORITE_CAT_1=0\nFAVORITE_FR_1=1\nFAVORITE_TO_1=2\n"
                 "FAVORITE_CAT_2=0\nFAVORITE_FR_2=3\nFAVORITE_TO_2=4\n"
                 "FAVORITE_CAT_3=0\nFAVORITE_FR_3=" + std::to_string(units) + "\nFAVORITE_TO_3=1\n"
                 "FAVORITE_CAT_4=0\nFAVORITE_FR_4=5\nFAVORITE_TO_4=6\n"
                 "[Recent List]\nRECENT_CAT_1=0\nRECENT_FR_1=1\nRECENT_TO_1=2\n"
                 "[Options]\nNUM_FORMAT=0\nDEC_PLACE=2\n");
    LoadSettings();
    EXPECT_EQ(FavoritesList.count, 2);   // favourite 3 names a from-unit past the table; 4 is not read
    EXPECT_EQ(RecentList.count, 1);
    EXPECT_EQ(Conversion.NumFormat, 0);
    EXPECT_EQ(Conversion.DecimalPlaces, 2);
}

// One recent entry "c,f,t" alone in the file: does it load?
static int LoadsRecent(const std::string& category, const std::string& from, const std::string& to)
{
    ResetListsWorld();
    std::string text = "[Recent List]\n";
    if (category != "-") text += "RECENT_CAT_1=" + category + "\n";
    if (from != "-") text += "RECENT_FR_1=" + from + "\n";
    if (to != "-") text += "RECENT_TO_1=" + to + "\n";
    PutLocalFile(text);
    LoadSettings();
    return RecentList.count;
}

TEST_F(LoadSettingsTest, EntryValidation)
{
    const std::string last = std::to_string(UnitCount(CATEGORY_VOLUME) - 1);
    const std::string past = std::to_string(UnitCount(CATEGORY_VOLUME));
    EXPECT_EQ(LoadsRecent("31", last, "0"), 1);       // last category, last unit
    EXPECT_EQ(LoadsRecent("32", "0", "1"), 0);        // one category too many
    EXPECT_EQ(LoadsRecent("-1", "0", "1"), 0);        // negative category
    EXPECT_EQ(LoadsRecent("31", past, "0"), 0);       // from-unit past the table
    EXPECT_EQ(LoadsRecent("31", "0", past), 0);       // to-unit past the table
    EXPECT_EQ(LoadsRecent("31", "-5", "0"), 0);       // negative unit
    EXPECT_EQ(LoadsRecent("31", "0", "-"), 0);        // missing key
    EXPECT_EQ(LoadsRecent("31", "0", ""), 0);         // key without a value reads as missing
    EXPECT_EQ(LoadsRecent("4294967296", "0", "1"), 1); // wraps to 0, as the profile reader does
    EXPECT_EQ(LoadsRecent("0", "2", "2"), 1);         // equal units are taken from a file
}

TEST_F(LoadSettingsTest, ListsStopAtTheirLimits)
{
    std::string text = "[Favorites List]\n";
    for (int n = 1; n <= 25; n++)
        text += "FAVORITE_CAT_" + std::to_string(n) + "=0\nFAVORITE_FR_" + std::to_string(n) + "=" +
                std::to_string(n) + "\nFAVORITE_TO_" + std::to_string(n) + "=0\n";
    text += "[Recent List]\n";
    for (int n = 1; n <= 15; n++)
        text += "RECENT_CAT_" + std::to_string(n) + "=0\nRECENT_FR_" + std::to_string(n) + "=1\nRECENT_TO_" +
                std::to_string(n) + "=1\n";   // duplicates are taken as they are
    PutLocalFile(text);
    LoadSettings();
    EXPECT_EQ(FavoritesList.count, 20);
    EXPECT_EQ(FavoritesList.entries[19], (ConversionTriple{ 0, 20, 0 }));
    EXPECT_EQ(RecentList.count, 10);
    EXPECT_EQ(RecentList.nextSlot, 0);
}

TEST_F(LoadSettingsTest, Options)
{
    PutLocalFile("[Favorites List]\n");   // no Options section: fixed, 6 decimals
    Conversion.NumFormat = 0;
    Conversion.DecimalPlaces = 2;
    LoadSettings();
    EXPECT_EQ(Conversion.NumFormat, 1);
    EXPECT_EQ(Conversion.DecimalPlaces, 6);

    PutLocalFile("[Options]\nNUM_FORMAT=3\nDEC_PLACE=20\n");   // kept as read
    LoadSettings();
    EXPECT_EQ(Conversion.NumFormat, 3);
    EXPECT_EQ(Conversion.DecimalPlaces, 20);

    PutLocalFile("[Options]\nDEC_PLACE=65543\n");   // low 16 bits: 65536 + 7
    LoadSettings();
    EXPECT_EQ(Conversion.DecimalPlaces, 7);

    PutLocalFile("[Options]\nDEC_PLACE=-1\n");
    LoadSettings();
    EXPECT_EQ(Conversion.DecimalPlaces, 65535);
}

// The All Units window's place: all four keys within their bounds or none;
// saved after the options, as the other keys are.
TEST_F(LoadSettingsTest, WindowPlace)
{
    const struct { const char* keys; int width; } cases[] = {
        { "LEFT=-20\nALL_UNITS_TOP=30\nALL_UNITS_WIDTH=400\nALL_UNITS_HEIGHT=350", 400 },
        { "LEFT=10\nALL_UNITS_TOP=30\nALL_UNITS_WIDTH=400", 0 },                             // no height
        { "LEFT=10\nALL_UNITS_TOP=30\nALL_UNITS_WIDTH=49\nALL_UNITS_HEIGHT=350", 0 },         // too narrow
        { "LEFT=32768\nALL_UNITS_TOP=30\nALL_UNITS_WIDTH=400\nALL_UNITS_HEIGHT=8193", 0 },   // off any screen
    };
    for (const auto& c : cases) {
        PutLocalFile(std::string("[Options]\nALL_UNITS_") + c.keys + "\n");
        LoadSettings();
        EXPECT_EQ(AllUnitsPlace.width, c.width) << c.keys;
    }
    PutLocalFile("");
    AllUnitsPlace = { -5, 7, 333, 444 };
    SaveSettings();
    EXPECT_EQ(FakeFileText(LOCAL_FILE), "[Options]\r\nNUM_FORMAT=1\r\nDEC_PLACE=6\r\nALL_UNITS_LEFT=-5\r\n"
                                        "ALL_UNITS_TOP=7\r\nALL_UNITS_WIDTH=333\r\nALL_UNITS_HEIGHT=444\r\n\r\n");
}

TEST_F(LoadSettingsTest, LoadingStartsFromEmptyLists)
{
    FavoritesList.count = 5;
    RecentList.count = 4;
    RecentList.nextSlot = 6;
    PutLocalFile("[Options]\n");
    LoadSettings();
    EXPECT_EQ(FavoritesList.count, 0);
    EXPECT_EQ(RecentList.count, 0);
    EXPECT_EQ(RecentList.nextSlot, 0);
}

using SaveSettingsTest = ListsTest;

static void AddRecentOf(int category, int fromIndex, int toIndex)
{
    Show(category, fromIndex, toIndex);
    AddRecent(nullptr);
}

static void AddFavoriteOf(int category, int fromIndex, int toIndex)
{
    Show(category, fromIndex, toIndex);
    AddFavorite(nullptr);
}

TEST_F(SaveSettingsTest, FirstSaveWithEmptyListsWritesOnlyOptions)
{
    strcpy(SettingsBase, APPDATA.c_str());
    SaveSettings();
    EXPECT_TRUE(Fake.folders.count(LowerPath(APPDATA + "\\Brisklane")));
    EXPECT_TRUE(Fake.folders.count(LowerPath(APPDATA + "\\Brisklane\\Metrova")));
    EXPECT_EQ(FakeFileText(APPDATA_FILE), "[Options]\r\nNUM_FORMAT=1\r\nDEC_PLACE=6\r\n\r\n");
}

TEST_F(SaveSettingsTest, KeysInTheirOrder)
{
    AddFavoriteOf(0, 1, 2);
    AddFavoriteOf(4, 3, 1);
    AddRecentOf(0, 5, 6);
    AddRecentOf(0, 7, 8);
    Conversion.NumFormat = 0;
    Conversion.DecimalPlaces = 3;
    SaveSettings();
    EXPECT_EQ(FakeFileText(LOCAL_FILE),
              "[Favorites List]\r\n"
              "FAVORITE_CAT_1=0\r\nFAVORITE_FR_1=1\r\nFAVORITE_TO_1=2\r\n"
              "FAVORITE_CAT_2=4\r\nFAVORITE_FR_2=3\r\nFAVORITE_TO_2=1\r\n\r\n"
              "[Recent List]\r\n"
              "RECENT_CAT_1=0\r\nRECENT_FR_1=7\r\nRECENT_TO_1=8\r\n"   // newest first
              "RECENT_CAT_2=0\r\nRECENT_FR_2=5\r\nRECENT_TO_2=6\r\n\r\n"
              "[Options]\r\nNUM_FORMAT=0\r\nDEC_PLACE=3\r\n\r\n");
}

TEST_F(SaveSettingsTest, ALoadGivesBackWhatWasSaved)
{
    for (int i = 1; i <= 13; i++) AddRecentOf(0, i, i + 1);   // the ring wrapped: nextSlot 3
    for (int i = 1; i <= 4; i++) AddFavoriteOf(4, i, 0);
    Conversion.DecimalPlaces = 11;
    const RecentListState recent = RecentList;
    const std::vector<std::string> recentItems = ListItemLines(GO_POPUP);
    SaveSettings();

    ResetListsWorld(true);
    LoadSettings();
    BuildFavoritesMenu(nullptr);
    BuildRecentMenu(nullptr);
    EXPECT_EQ(SaveOnExit, 1);
    ASSERT_EQ(RecentList.count, recent.count);
    for (int k = 0; k < 10; k++)   // the same entries newest first, now from slot 9 down
        EXPECT_EQ(RecentList.slots[9 - k], recent.slots[(recent.nextSlot + 9 * (k + 1)) % 10]) << k;
    ASSERT_EQ(FavoritesList.count, 4);
    for (int i = 0; i < 4; i++) EXPECT_EQ(FavoritesList.entries[i], (ConversionTriple{ 4, i + 1, 0 }));
    EXPECT_EQ(Conversion.DecimalPlaces, 11);
    EXPECT_TRUE(Showing(0, 13, 14));   // the newest conversion again
    const std::vector<FakeMenuItem> items = ListItems(GO_POPUP);
    for (int k = 0; k < 10; k++) {   // same texts in the same order, ids 105, 104, ... from the top
        EXPECT_EQ(items[static_cast<size_t>(k)].id, 105 - k);
        EXPECT_EQ(items[static_cast<size_t>(k)].text, recentItems[static_cast<size_t>(k)].substr(recentItems[static_cast<size_t>(k)].find(' ') + 1));
    }
}

// The answer flags are on only for 1 (NUM_FORMAT=2 and the flags on: the
// end-to-end settings test), and written only while on.
TEST_F(SaveSettingsTest, OptionsAreWrittenBackNormalised)
{
    PutLocalFile("[Options]\nNUM_FORMAT=3\nDEC_PLACE=20\nWINDOWS_DECIMAL=2\nALWAYS_ON_TOP=yes\n");
    LoadSettings();
    EXPECT_TRUE(WindowsDecimalSymbol == 0 && AlwaysOnTop == 0);
    SaveSettings();
    EXPECT_EQ(FakeProfileValue(LOCAL_FILE, "Options", "NUM_FORMAT"), "1");   // fixed notation
    EXPECT_EQ(FakeProfileValue(LOCAL_FILE, "Options", "DEC_PLACE"), "20");   // kept
    EXPECT_EQ(FakeFileText(LOCAL_FILE).find("WINDOWS_DECIMAL"), std::string::npos);
    EXPECT_EQ(FakeFileText(LOCAL_FILE).find("ALWAYS_ON_TOP"), std::string::npos);
    Conversion.DecimalPlaces = 65535;
    SaveSettings();
    EXPECT_EQ(FakeProfileValue(LOCAL_FILE, "Options", "DEC_PLACE"), "65535");   // unsigned
}

TEST_F(SaveSettingsTest, SurplusKeysAreRemovedAndOthersKept)
{
    PutLocalFile("[Favorites List]\n"
                 "FAVORITE_CAT_1=0\nFAVORITE_FR_1=1\nFAVORITE_TO_1=2\n"
                 "FAVORITE_CAT_2=0\nFAVORITE_FR_2=3\nFAVORITE_TO_2=4\n"
                 "FAVORITE_CAT_3=0\nFAVORITE_FR_3=999999\nFAVORITE_TO_3=1\n"   // invalid: the list ends here
                 "FAVORITE_CAT_4=0\nFAVORITE_FR_4=5\nFAVORITE_TO_4=6\n"
                 "FAVORITE_CAT_21=0\n"   // beyond the limit: not this program's key
                 "COMMENT=mine\n"
                 "[Recent List]\nRECENT_CAT_1=0\nRECENT_FR_1=1\nRECENT_TO_1=2\n"
                 "RECENT_CAT_2=0\nRECENT_FR_2=3\nRECENT_TO_2=4\n"
                 "[Other]\nKEY=value\n");
    LoadSettings();
    Show(0, 1, 2);
    BuildFavoritesMenu(nullptr);
    RemoveFavorite(nullptr);
    SaveSettings();
    EXPECT_EQ(FakeKeys(LOCAL_FILE, "Favorites List"),
              (std::vector<std::string>{ "FAVORITE_CAT_1", "FAVORITE_FR_1", "FAVORITE_TO_1", "FAVORITE_CAT_21",
                                         "COMMENT" }));
    EXPECT_EQ(FakeProfileValue(LOCAL_FILE, "Favorites List", "FAVORITE_FR_1"), "3");
    EXPECT_EQ(FakeKeys(LOCAL_FILE, "Recent List").size(), 6u);
    EXPECT_EQ(FakeProfileValue(LOCAL_FILE, "Other", "KEY"), "value");
}

// A repeated key is only seen in its first copy; removing just that copy let
// the second one come back as a recent entry at the next start.
TEST_F(SaveSettingsTest, RepeatedSurplusKeysAreAllRemoved)
{
    PutLocalFile("[Recent List]\n"
                 "RECENT_CAT_1=93\nRECENT_FR_1=30\nRECENT_TO_1=27\n"   // invalid: no recent entries
                 "RECENT_CAT_1=0\nRECENT_FR_1=3\nRECENT_TO_1=10\n");
    LoadSettings();
    ASSERT_EQ(RecentList.count, 0);
    SaveSettings();
    LoadSettings();
    EXPECT_EQ(RecentList.count, 0);
    EXPECT_TRUE(FakeKeys(LOCAL_FILE, "Recent List").empty());
}

// Thousands of copies of a favourite, as a damaged or hand-made file may
// hold: removing the favourite must hold at the next start. Every removal
// rewrites the whole file, so the save does a bounded number of them and
// empties the copy still in front; an empty value reads as a missing key.
TEST_F(SaveSettingsTest, ThousandsOfCopiesOfAKeyCannotBringAnEntryBack)
{
    std::string text = "[Favorites List]\n";
    for (int copy = 0; copy < 5000; copy++) text += "FAVORITE_CAT_1=0\nFAVORITE_FR_1=1\nFAVORITE_TO_1=2\n";
    text += "[Recent List]\n";
    for (int copy = 0; copy < 5000; copy++) text += "RECENT_CAT_1=0\n";
    text += "RECENT_FR_1=3\nRECENT_TO_1=4\n[Options]\nDEC_PLACE=3\n";
    PutLocalFile(text);
    LoadSettings();
    ASSERT_EQ(FavoritesList.count, 1);
    ASSERT_EQ(RecentList.count, 1);
    Show(0, 1, 2);
    RemoveFavorite(nullptr);
    Fake.log.clear();
    SaveSettings();
    EXPECT_LT(Fake.log.size(), 1000u);   // bounded work, whatever the file holds

    ResetListsWorld(true);
    LoadSettings();
    EXPECT_EQ(FavoritesList.count, 0);   // the removal held
    ASSERT_EQ(RecentList.count, 1);      // the rest as saved
    EXPECT_EQ(RecentList.slots[9], (ConversionTriple{ 0, 3, 4 }));
    EXPECT_EQ(Conversion.DecimalPlaces, 3);
    EXPECT_EQ(FakeProfileValue(LOCAL_FILE, "Favorites List", "FAVORITE_CAT_1"), "<absent>");

    // The next save finds nothing more to do there.
    Fake.log.clear();
    SaveSettings();
    EXPECT_EQ(std::count_if(Fake.log.begin(), Fake.log.end(),
                            [](const std::string& line) { return line.rfind("delete", 0) == 0; }),
              0);
    LoadSettings();
    EXPECT_EQ(FavoritesList.count, 0);
    EXPECT_EQ(RecentList.count, 1);
}

TEST_F(SaveSettingsTest, RemovingKeysCreatesNoSection)
{
    PutLocalFile("[Options]\nNUM_FORMAT=1\n");
    SaveSettings();
    EXPECT_EQ(FakeSections(LOCAL_FILE), (std::vector<std::string>{ "Options" }));
}

TEST_F(SaveSettingsTest, AFailedWriteEndsTheSave)
{
    AddFavoriteOf(0, 1, 2);
    AddRecentOf(0, 3, 4);
    Fake.failWrite = 4;   // RECENT_CAT_1
    SaveSettings();
    EXPECT_EQ(Fake.writes, 4);   // nothing is tried after it
    EXPECT_EQ(FakeSections(LOCAL_FILE), (std::vector<std::string>{ "Favorites List" }));
    EXPECT_EQ(FakeKeys(LOCAL_FILE, "Favorites List").size(), 3u);

    ResetFakePlatform();
    Fake.failWrite = 7;   // NUM_FORMAT: DEC_PLACE is not written either
    SaveSettings();
    EXPECT_EQ(FakeKeys(LOCAL_FILE, "Options").size(), 0u);
    EXPECT_EQ(Fake.writes, 7);
}

TEST_F(SaveSettingsTest, FoldersThatCannotBeMadeMeanNothingIsWritten)
{
    Fake.lockedFolders.insert(".");
    AddFavoriteOf(0, 1, 2);
    SaveSettings();
    EXPECT_EQ(FakeFileText(LOCAL_FILE), "<none>");
    EXPECT_EQ(Fake.writes, 1);   // the first write fails and ends the save

    ResetFakePlatform();
    strcpy(SettingsBase, "C:\\missing");   // the base itself is never created
    EXPECT_EQ(EnsureSettingsFolders(SettingsBase, "Brisklane", "Metrova"), 0);
    EXPECT_FALSE(Fake.folders.count("c:\\missing"));
}

TEST_F(SaveSettingsTest, AReadOnlyFileStaysAsItWas)
{
    PutLocalFile("[Options]\nNUM_FORMAT=0\n");
    Fake.files[LowerPath(LOCAL_FILE)].readOnly = true;
    AddFavoriteOf(0, 1, 2);
    SaveSettings();
    EXPECT_EQ(FakeFileText(LOCAL_FILE), "[Options]\nNUM_FORMAT=0\n");
}

TEST_F(SaveSettingsTest, ExistingFoldersAreFine)
{
    EXPECT_EQ(EnsureSettingsFolders(".", "Brisklane", "Metrova"), 1);
    EXPECT_EQ(EnsureSettingsFolders(".", "Brisklane", "Metrova"), 1);
}

// A user folder with a name outside any 8-bit code page, longer in bytes
// than the old 260-byte buffers: saved and loaded like any other.
TEST_F(SaveSettingsTest, AMultiByteBaseSavesAndLoads)
{
    const std::string appData = "C:\\Users\\" + Repeat(CYRILLIC, 200) + "\\AppData\\Roaming";   // 423 bytes
    Fake.folders.insert(LowerPath(appData));
    Fake.appDataFolder = appData;
    FindSettingsBase();
    ASSERT_EQ(std::string(SettingsBase), appData);
    AddFavoriteOf(0, 1, 2);
    AddRecentOf(0, 3, 4);
    Conversion.DecimalPlaces = 9;
    SaveSettings();
    const std::string file = appData + "\\Brisklane\\Metrova\\metrova.ini";
    EXPECT_EQ(FakeProfileValue(file, "Favorites List", "FAVORITE_TO_1"), "2");

    ResetListsWorld(true);
    FindSettingsBase();
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 1);
    ASSERT_EQ(FavoritesList.count, 1);
    EXPECT_EQ(FavoritesList.entries[0], (ConversionTriple{ 0, 1, 2 }));
    EXPECT_EQ(RecentList.count, 1);
    EXPECT_EQ(Conversion.DecimalPlaces, 9);
}

// The limit is in UTF-16 units: a base of 249 three-byte characters (747
// bytes) makes the maker folder (259 units) but not the product folder.
TEST_F(SaveSettingsTest, ThePathLimitCountsCharactersNotBytes)
{
    const std::string base = "C:\\" + Repeat(CJK, 246);
    Fake.folders.insert(LowerPath(base));
    strcpy(SettingsBase, base.c_str());
    EXPECT_EQ(EnsureSettingsFolders(SettingsBase, "Brisklane", "Metrova"), 0);
    EXPECT_TRUE(Fake.folders.count(LowerPath(base + "\\Brisklane")));
    EXPECT_FALSE(Fake.folders.count(LowerPath(base + "\\Brisklane\\Metrova")));
    AddFavoriteOf(0, 1, 2);
    SaveSettings();
    EXPECT_TRUE(Fake.files.empty());
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 0);

    // The longest base there can be (259 units, 771 bytes): every path is
    // built whole and refused by the system, none is cut to fit.
    const std::string longest = "C:\\" + Repeat(CJK, 256);
    Fake.folders.insert(LowerPath(longest));
    strcpy(SettingsBase, longest.c_str());
    Fake.log.clear();
    SaveSettings();
    ASSERT_FALSE(Fake.log.empty());
    EXPECT_EQ(Fake.log[0], "mkdir " + longest + "\\Brisklane");
    EXPECT_TRUE(Fake.files.empty());
    char path[SETTINGS_PATH_SIZE];
    ASSERT_EQ(BuildSettingsPath(path, sizeof path), 1);
    EXPECT_EQ(std::string(path), longest + "\\Brisklane\\Metrova\\metrova.ini");
}

// A base near the 259-character limit: the folder paths are longer than the
// system takes and count as folders that cannot be made, never as cut paths.
TEST_F(SaveSettingsTest, AnOverLongBaseIsNeverCut)
{
    const std::string base = "C:\\" + std::string(256, 'b');   // 259 characters
    Fake.folders.insert(LowerPath(base));
    strcpy(SettingsBase, base.c_str());
    EXPECT_EQ(EnsureSettingsFolders(SettingsBase, "Brisklane", "Metrova"), 0);
    AddFavoriteOf(0, 1, 2);
    SaveSettings();
    EXPECT_EQ(Fake.folders.size(), 3u);   // ".", the application data and the base: nothing made
    EXPECT_TRUE(Fake.files.empty());
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 0);

    // The maker folder fits (259 characters), the product folder does not.
    const std::string shorter = "C:\\" + std::string(246, 'b');   // 249 characters
    Fake.folders.insert(LowerPath(shorter));
    strcpy(SettingsBase, shorter.c_str());
    EXPECT_EQ(EnsureSettingsFolders(SettingsBase, "Brisklane", "Metrova"), 0);
    EXPECT_TRUE(Fake.folders.count(LowerPath(shorter + "\\Brisklane")));
    EXPECT_FALSE(Fake.folders.count(LowerPath(shorter + "\\Brisklane\\Metrova")));

    char small[40];
    EXPECT_EQ(BuildSettingsPath(small, sizeof small), 0);   // does not fit: no path at all
}
