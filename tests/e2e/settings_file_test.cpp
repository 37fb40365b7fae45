// The settings file of the running program: what a first run, a save and a
// restart leave behind, hand-made and broken files, and portable mode on a
// drive that Wine reports as removable.
#include "tests/e2e/driver.h"
#include "tests/e2e/settings_helpers.h"
#include "res/resource.h"


#include <cstdio>
#include <cstring>

namespace {


// The non-empty lines of a settings file, trimmed.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (!line.empty()) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> SettingsLines()
{
    std::string text;
    if (!ReadSettingsFile(&text)) return { "<no file>" };
    return Lines(text);
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line)
{
    for (const std::string& l : lines)
        if (l == line) return true;
    return false;
}

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<int> Ids(const std::vector<std::string>& items)
{
    std::vector<int> ids;
    for (const std::string& item : items) ids.push_back(std::atoi(item.c_str()));
    return ids;
}

int CheckedDecimalItems(MetrovaApp* app)
{
    std::vector<MenuEntry> bar;
    if (!ReadMenu(app, &bar)) return -1;
    int count = 0;
    for (int id = IDM_DECIMALS_FIRST; id <= IDM_DECIMALS_LAST; ++id) {
        const MenuEntry* item = FindMenuItem(bar, id);
        if (item && item->checked) ++count;
    }
    return count;
}

// Digits after the point in the To box.
int DecimalsShown(const MetrovaApp& app)
{
    std::string text = WindowText(ToBox(app));
    size_t point = text.find('.');
    return point == std::string::npos ? 0 : int(text.size() - point - 1);
}

using SettingsFile = MetrovaTest;

TEST_F(SettingsFile, FirstRunWritesNothing)
{
    EXPECT_FALSE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), 2));
    ASSERT_TRUE(ExitByMenu(&app));
    EXPECT_FALSE(Exists(AppDataFolder() + "\\Brisklane"));
}

TEST_F(SettingsFile, SavingSwitchedOnWritesOnlyOptions)
{
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    EXPECT_TRUE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_TRUE(ExitByMenu(&app));
    EXPECT_EQ(SettingsLines(), (std::vector<std::string>{ "[Options]", "NUM_FORMAT=1", "DEC_PLACE=6" }));
}

TEST_F(SettingsFile, SwitchedOffAgainWritesNothing)
{
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_TRUE(ExitByMenu(&app));
    EXPECT_FALSE(Exists(AppDataFolder() + "\\Brisklane"));
}

TEST_F(SettingsFile, ListsSurviveARestart)
{
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    AddFavoriteOf(app, 1, 2);   // each also records two recent conversions
    AddFavoriteOf(app, 3, 4);
    AddFavoriteOf(app, 5, 6);
    const std::vector<std::string> recent = ListItems(&app, GO_MENU);
    const std::vector<std::string> favorites = ListItems(&app, FAVORITES_MENU);
    ASSERT_EQ(recent.size(), 6u);
    ASSERT_EQ(favorites.size(), 3u);
    ASSERT_TRUE(ExitByMenu(&app));

    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    EXPECT_TRUE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));   // the file exists: saving is on again
    EXPECT_EQ(ListItems(&app, FAVORITES_MENU), favorites);
    const std::vector<std::string> loaded = ListItems(&app, GO_MENU);
    EXPECT_EQ(ItemTexts(loaded), ItemTexts(recent));   // newest first, as before
    EXPECT_EQ(Ids(loaded), (std::vector<int>{ IDM_RECENT_FIRST + 9, IDM_RECENT_FIRST + 8, IDM_RECENT_FIRST + 7, IDM_RECENT_FIRST + 6, IDM_RECENT_FIRST + 5, IDM_RECENT_FIRST + 4 }));
    EXPECT_TRUE(Shows(app, 0, 5, 6));   // the newest conversion again

    // Removing a favourite and restarting shows exactly the rest.
    ASSERT_TRUE(PickItem(FromUnitChooser(app), 3));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), 4));
    ASSERT_TRUE(SendCommand(app.window, IDM_FAVORITES_REMOVE));
    ASSERT_TRUE(ExitByMenu(&app));
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    EXPECT_EQ(ItemTexts(ListItems(&app, FAVORITES_MENU)), (std::vector<std::string>{ ItemTexts(favorites)[0], ItemTexts(favorites)[2] }));
    EXPECT_EQ(Ids(ListItems(&app, FAVORITES_MENU)), (std::vector<int>{ IDM_FAVORITE_FIRST, IDM_FAVORITE_FIRST + 1 }));
    EXPECT_FALSE(HasLine(SettingsLines(), "FAVORITE_CAT_3=0"));
}

// The answer choices are kept as the others are.
TEST_F(SettingsFile, AnswerChoicesSurviveARestart)
{
    const int choices[] = { IDM_OPTIONS_AUTOMATIC, IDM_OPTIONS_WINDOWS_DECIMAL, IDM_VIEW_ALWAYS_ON_TOP,
                            IDM_FRACTIONS_FIRST + 5 };
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    for (int id : choices) ASSERT_TRUE(SendCommand(app.window, id));
    ASSERT_TRUE(ExitByMenu(&app));
    EXPECT_EQ(SettingsLines(), (std::vector<std::string>{ "[Options]", "NUM_FORMAT=2", "DEC_PLACE=6", "WINDOWS_DECIMAL=1", "ALWAYS_ON_TOP=1", "FRACTIONS=32" }));
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    for (int id : choices) EXPECT_TRUE(Checked(&app, id)) << id;
    EXPECT_NE(GetWindowLongA(app.window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);   // applied at start-up
}

TEST_F(SettingsFile, EleventhConversionSurvivesARestart)
{
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    for (int unit = 1; unit <= 11; ++unit) ASSERT_TRUE(PickItem(FromUnitChooser(app), unit));
    const std::vector<std::string> recent = ListItems(&app, GO_MENU);
    ASSERT_EQ(recent.size(), 10u);
    EXPECT_EQ(Ids(recent)[0], IDM_RECENT_FIRST);
    ASSERT_TRUE(ExitByMenu(&app));
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    EXPECT_EQ(ItemTexts(ListItems(&app, GO_MENU)), ItemTexts(recent));
    EXPECT_EQ(Ids(ListItems(&app, GO_MENU)), (std::vector<int>{ IDM_RECENT_FIRST + 9, IDM_RECENT_FIRST + 8, IDM_RECENT_FIRST + 7, IDM_RECENT_FIRST + 6, IDM_RECENT_FIRST + 5, IDM_RECENT_FIRST + 4, IDM_RECENT_FIRST + 3, IDM_RECENT_FIRST + 2, IDM_RECENT_FIRST + 1, IDM_RECENT_FIRST }));
}

// A file edited by hand: favourite 3 names a from-unit far past its table.
class HandMadeFile : public MetrovaTest {
protected:
    void BeforeStart() override
    {
        ASSERT_TRUE(WriteSettingsFile("[Favorites List]\r\n" + EntryLines("FAVORITE", 1, 0, 1, 2) +
                                      EntryLines("FAVORITE", 2, 0, 3, 4) + EntryLines("FAVORITE", 3, 0, 99999, 1) +
                                      EntryLines("FAVORITE", 4, 0, 5, 6) + "[Recent List]\r\n" +
                                      EntryLines("RECENT", 1, 0, 7, 8) + EntryLines("RECENT", 2, 0, 9, 10) +
                                      "[Options]\r\nNUM_FORMAT=0\r\nDEC_PLACE=2\r\n"));
    }
};

TEST_F(HandMadeFile, AnInvalidFavoriteEndsOnlyTheFavorites)
{
    EXPECT_EQ(Ids(ListItems(&app, FAVORITES_MENU)), (std::vector<int>{ IDM_FAVORITE_FIRST, IDM_FAVORITE_FIRST + 1 }));
    EXPECT_EQ(Ids(ListItems(&app, GO_MENU)), (std::vector<int>{ IDM_RECENT_FIRST + 9, IDM_RECENT_FIRST + 8 }));
    EXPECT_TRUE(Shows(app, 0, 7, 8));
    EXPECT_TRUE(Checked(&app, IDM_OPTIONS_SCIENTIFIC));
    EXPECT_TRUE(Checked(&app, IDM_DECIMALS_FIRST + 2));
    EXPECT_EQ(CheckedDecimalItems(&app), 1);
    EXPECT_TRUE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));

    // After the next save the invalid entry and every one after it are gone.
    ASSERT_TRUE(ExitByMenu(&app));
    const std::vector<std::string> lines = SettingsLines();
    EXPECT_TRUE(HasLine(lines, "FAVORITE_TO_2=4"));
    EXPECT_FALSE(HasLine(lines, "FAVORITE_FR_3=99999"));
    EXPECT_FALSE(HasLine(lines, "FAVORITE_CAT_4=0"));
}

class NoOptionsSection : public MetrovaTest {
protected:
    void BeforeStart() override
    {
        ASSERT_TRUE(WriteSettingsFile("[Favorites List]\r\n" + EntryLines("FAVORITE", 1, 0, 1, 2)));
    }
};

TEST_F(NoOptionsSection, FixedNotationWithSixDecimals)
{
    EXPECT_FALSE(Checked(&app, IDM_OPTIONS_SCIENTIFIC));
    EXPECT_TRUE(Checked(&app, IDM_DECIMALS_FIRST + 6));
    ASSERT_TRUE(TypeText(FromBox(app), "1"));
    EXPECT_EQ(DecimalsShown(app), 6) << WindowText(ToBox(app));
}

class NumFormatThree : public MetrovaTest {
protected:
    void BeforeStart() override { ASSERT_TRUE(WriteSettingsFile("[Options]\r\nNUM_FORMAT=3\r\nDEC_PLACE=6\r\nFRACTIONS=3\r\n")); }
};

// So is a denominator that is none of the pop-up's: decimals, and no key.
TEST_F(NumFormatThree, AnUnknownValueCountsAsFixedAndIsWrittenBackAsOne)
{
    EXPECT_FALSE(Checked(&app, IDM_OPTIONS_SCIENTIFIC));
    EXPECT_TRUE(Checked(&app, IDM_FRACTIONS_FIRST));
    ASSERT_TRUE(ExitByMenu(&app));
    EXPECT_TRUE(HasLine(SettingsLines(), "NUM_FORMAT=1"));
    EXPECT_FALSE(HasLine(SettingsLines(), "FRACTIONS=3"));
}

// Twenty decimals, and six recent entries so that the item with id 80 + 20 =
// 100 exists: it is a recent conversion and must not get a check mark.
class DecimalPlacesTwenty : public MetrovaTest {
protected:
    void BeforeStart() override
    {
        std::string text = "[Recent List]\r\n";
        for (int n = 1; n <= 6; ++n) text += EntryLines("RECENT", n, 0, n, 0);
        ASSERT_TRUE(WriteSettingsFile(text + "[Options]\r\nDEC_PLACE=20\r\n"));
    }
};

TEST_F(DecimalPlacesTwenty, KeptAndWrittenBack)
{
    ASSERT_EQ(Ids(ListItems(&app, GO_MENU)).size(), 6u);
    EXPECT_FALSE(Checked(&app, IDM_RECENT_FIRST + 4));
    EXPECT_LE(CheckedDecimalItems(&app), 1);
    ASSERT_TRUE(TypeText(FromBox(app), "1"));
    ASSERT_TRUE(PickItem(ToUnitChooser(app), ComboSelection(FromUnitChooser(app))));   // 1 exactly
    EXPECT_EQ(DecimalsShown(app), 15) << WindowText(ToBox(app));   // the display clamps
    ASSERT_TRUE(ExitByMenu(&app));
    EXPECT_TRUE(HasLine(SettingsLines(), "DEC_PLACE=20"));
}

// ---- Files and folders that are not what the program expects ----------------

std::string Binary()
{
    std::string text;
    for (int i = 0; i < 8192; ++i) text += char((i * 131 + 7) & 0xFF);
    return text;
}

struct BadFile {
    const char* what;
    std::string text;
};

class BadSettings : public testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override
    {
        StopMetrova(&app);
        SetFileAttributesA(SettingsFilePath().c_str(), FILE_ATTRIBUTE_NORMAL);
        ClearSettings();
        DeleteFileA((AppDataFolder() + "\\Brisklane").c_str());
        RemoveDirectoryA(SettingsFilePath().c_str());
        ClearSettings();
    }
    // Starts on the current settings, looks at the menus and exits by the menu.
    void RunOnce(const char* what)
    {
        SCOPED_TRACE(what);
        std::string why;
        ASSERT_TRUE(StartMetrova(&app, &why)) << why;
        std::vector<MenuEntry> bar;
        EXPECT_TRUE(ReadMenu(&app, &bar));
        EXPECT_LE(ListItems(&app, GO_MENU).size(), 10u);
        EXPECT_LE(ListItems(&app, FAVORITES_MENU).size(), 20u);
        ASSERT_TRUE(PickItem(FromUnitChooser(app), 1));
        EXPECT_TRUE(ExitByMenu(&app)) << "did not end cleanly";
    }
    MetrovaApp app = {};
};

TEST_F(BadSettings, JunkNeverHurts)
{
    const BadFile files[] = {
        { "binary junk", Binary() },
        { "huge and negative numbers",
          "[Favorites List]\r\nFAVORITE_CAT_1=99999999999999999999\r\nFAVORITE_FR_1=-1\r\nFAVORITE_TO_1=1\r\n"
          "[Recent List]\r\nRECENT_CAT_1=-2147483648\r\nRECENT_FR_1=4294967296\r\nRECENT_TO_1=0x7fffffff\r\n"
          "[Options]\r\nNUM_FORMAT=-99999999999\r\nDEC_PLACE=-1\r\n" },
        { "keys without values",
          "[Favorites List]\r\nFAVORITE_CAT_1\r\nFAVORITE_FR_1=\r\n[Options]\r\nNUM_FORMAT\r\nDEC_PLACE=\r\n" },
        { "duplicate sections",
          "[Recent List]\r\nRECENT_CAT_1=0\r\n[Recent List]\r\nRECENT_FR_1=1\r\nRECENT_TO_1=2\r\n"
          "[Options]\r\nDEC_PLACE=3\r\n[Options]\r\nDEC_PLACE=4\r\n" },
        { "a 1 MB line", "[Favorites List]\r\nFAVORITE_CAT_1=" + std::string(1 << 20, '1') + "\r\n" },
        { "no line ends at all", "[Options]NUM_FORMAT=0DEC_PLACE=3" },
    };
    for (const BadFile& file : files) {
        ASSERT_TRUE(WriteSettingsFile(file.text)) << file.what;
        RunOnce(file.what);
        ClearSettings();
    }
}

TEST_F(BadSettings, AReadOnlyFile)
{
    ASSERT_TRUE(WriteSettingsFile("[Options]\r\nNUM_FORMAT=0\r\n"));
    SetFileAttributesA(SettingsFilePath().c_str(), FILE_ATTRIBUTE_READONLY);
    RunOnce("read-only file");
}

TEST_F(BadSettings, AFileWhereTheMakerFolderShouldBe)
{
    // The folders cannot be made, so with saving on nothing can be written.
    FILE* blocker = std::fopen((AppDataFolder() + "\\Brisklane").c_str(), "wb");
    ASSERT_TRUE(blocker);
    std::fclose(blocker);
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    EXPECT_TRUE(ExitByMenu(&app));
    EXPECT_FALSE(Exists(SettingsFilePath()));
}

TEST_F(BadSettings, AFolderWhereTheFileShouldBe)
{
    CreateDirectoryA((AppDataFolder() + "\\Brisklane").c_str(), 0);
    CreateDirectoryA((AppDataFolder() + "\\Brisklane\\Metrova").c_str(), 0);
    ASSERT_TRUE(CreateDirectoryA(SettingsFilePath().c_str(), 0));
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    EXPECT_FALSE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));   // it cannot be opened as a file
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    EXPECT_TRUE(ExitByMenu(&app));
}

// ---- Portable mode on a removable drive ----------------------------------------

class PortableMode : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "metrova-stick-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), 0);
        const std::string unixFolder = UnixPathOf(folder);
        if (unixFolder.empty()) GTEST_SKIP() << "not under Wine: no removable drive can be made";
        letter = FreeDriveLetter();
        ASSERT_NE(letter, 0) << "no free drive letter";
        ASSERT_TRUE(DefineRemovableDrive(letter, unixFolder)) << "the mount manager refused drive " << letter;
        root = std::string(1, letter) + ":\\";
        ASSERT_EQ(GetDriveTypeA(root.c_str()), UINT(DRIVE_REMOVABLE));
        std::string exe = METROVA_EXE;
        if (exe[0] == '/') exe = "Z:" + exe;
        for (char& c : exe)
            if (c == '/') c = '\\';
        ASSERT_TRUE(CopyFileA(exe.c_str(), (root + "metrova.exe").c_str(), FALSE));
    }
    void TearDown() override
    {
        StopMetrova(&app);
        if (!root.empty()) {
            DeleteFileA((root + "Brisklane\\Metrova\\metrova.ini").c_str());
            RemoveDirectoryA((root + "Brisklane\\Metrova").c_str());
            RemoveDirectoryA((root + "Brisklane").c_str());
            DeleteFileA((root + "metrova.exe").c_str());
        }
        if (letter) DefineRemovableDrive(letter, "");
        RemoveDirectoryA(folder.c_str());
        ClearSettings();
    }
    MetrovaApp app = {};
    std::string folder, root;
    char letter = 0;
};

TEST_F(PortableMode, SettingsTravelWithTheProgram)
{
    std::string why;
    const std::string exe = root + "metrova.exe";
    ASSERT_TRUE(StartMetrova(&app, &why, exe.c_str(), root.c_str())) << why;
    EXPECT_EQ(WindowText(app.window), "Metrova [Removable Drive]");
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_TRUE(PickItem(FromUnitChooser(app), 2));
    ASSERT_TRUE(SendCommand(app.window, IDM_FAVORITES_ADD));
    ASSERT_TRUE(ExitByMenu(&app));
    EXPECT_TRUE(Exists(root + "Brisklane\\Metrova\\metrova.ini"));   // below the current folder
    EXPECT_FALSE(Exists(AppDataFolder() + "\\Brisklane"));

    ASSERT_TRUE(StartMetrova(&app, &why, exe.c_str(), root.c_str())) << why;
    EXPECT_TRUE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));
    EXPECT_EQ(ListItems(&app, FAVORITES_MENU).size(), 1u);
    EXPECT_TRUE(Shows(app, 0, 2, 0));
}

}  // namespace
