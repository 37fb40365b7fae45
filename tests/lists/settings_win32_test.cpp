// The settings file through the system's own profile functions, in a scratch
// folder: what the in-memory fake assumes must hold for the real thing.
#include <windows.h>

#include <stdio.h>

#include "tests/lists/lists_fixture.h"

static std::string ReadWhole(const std::string& path)
{
    std::string text;
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) return "<none>";
    char chunk[4096];
    size_t got;
    while ((got = fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, got);
    fclose(file);
    return text;
}

static void WriteWhole(const std::string& path, const std::string& text)
{
    FILE* file = fopen(path.c_str(), "wb");
    ASSERT_TRUE(file);
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
}

static bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class RealSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramState();
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        base = std::string(temp) + "metrova-lists-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(base.c_str(), nullptr);
        strcpy(SettingsBase, base.c_str());
        file = base + "\\Brisklane\\Metrova\\metrova.ini";
    }
    void TearDown() override
    {
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(file.c_str());
        RemoveDirectoryA((base + "\\Brisklane\\Metrova").c_str());
        RemoveDirectoryA((base + "\\Brisklane").c_str());
        RemoveDirectoryA(base.c_str());
    }
    void PutFile(const std::string& text)
    {
        ASSERT_EQ(EnsureSettingsFolders(SettingsBase, "Brisklane", "Metrova"), 1);
        WriteWhole(file, text);
    }
    std::string base, file;
};

TEST_F(RealSettingsTest, FirstSaveCreatesFoldersAndOnlyOptions)
{
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 0);
    EXPECT_EQ(GetFileAttributesA((base + "\\Brisklane").c_str()), INVALID_FILE_ATTRIBUTES);   // loading creates nothing
    SaveSettings();
    const std::string text = ReadWhole(file);
    EXPECT_TRUE(Contains(text, "[Options]")) << text;
    EXPECT_TRUE(Contains(text, "NUM_FORMAT=1")) << text;
    EXPECT_TRUE(Contains(text, "DEC_PLACE=6")) << text;
    EXPECT_FALSE(Contains(text, "List")) << text;   // removing keys created no list section
}

TEST_F(RealSettingsTest, SaveAndLoadKeepListsAndOptions)
{
    Show(0, 1, 2); AddFavorite(nullptr);
    Show(4, 3, 1); AddFavorite(nullptr);
    for (int i = 1; i <= 12; i++) { Show(0, i, 0); AddRecent(nullptr); }
    Conversion.NumFormat = 0;
    Conversion.DecimalPlaces = 20;
    SaveSettings();
    const RecentListState recent = RecentList;

    ResetProgramState();
    strcpy(SettingsBase, base.c_str());
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 1);
    ASSERT_EQ(FavoritesList.count, 2);
    EXPECT_EQ(FavoritesList.entries[1], (ConversionTriple{ 4, 3, 1 }));
    ASSERT_EQ(RecentList.count, 10);
    for (int k = 0; k < 10; k++)
        EXPECT_EQ(RecentList.slots[9 - k], recent.slots[(recent.nextSlot + 9 * (k + 1)) % 10]) << k;
    EXPECT_EQ(Conversion.NumFormat, 0);
    EXPECT_EQ(Conversion.DecimalPlaces, 20);
}

TEST_F(RealSettingsTest, SurplusKeysReallyGo)
{
    PutFile("[Favorites List]\r\n"
            "FAVORITE_CAT_1=0\r\nFAVORITE_FR_1=1\r\nFAVORITE_TO_1=2\r\n"
            "FAVORITE_CAT_2=0\r\nFAVORITE_FR_2=3\r\nFAVORITE_TO_2=4\r\n"
            "FAVORITE_CAT_3=0\r\nFAVORITE_FR_3=5\r\nFAVORITE_TO_3=6\r\n"
            "[Recent List]\r\nRECENT_CAT_1=0\r\nRECENT_FR_1=1\r\nRECENT_TO_1=2\r\n"
            "RECENT_CAT_2=0\r\nRECENT_FR_2=99999\r\nRECENT_TO_2=2\r\n"   // invalid: gone after the save
            "[Mine]\r\nKEEP=yes\r\n");
    LoadSettings();
    ASSERT_EQ(FavoritesList.count, 3);
    ASSERT_EQ(RecentList.count, 1);
    Show(0, 3, 4);
    RemoveFavorite(nullptr);
    SaveSettings();
    const std::string text = ReadWhole(file);
    EXPECT_TRUE(Contains(text, "FAVORITE_FR_2=5")) << text;
    EXPECT_FALSE(Contains(text, "FAVORITE_CAT_3")) << text;
    EXPECT_FALSE(Contains(text, "RECENT_CAT_2")) << text;
    EXPECT_FALSE(Contains(text, "RECENT_FR_2")) << text;
    EXPECT_TRUE(Contains(text, "KEEP=yes")) << text;
}

TEST_F(RealSettingsTest, OptionsAreWrittenBackNormalised)
{
    PutFile("[Options]\r\nNUM_FORMAT=2\r\nDEC_PLACE=20\r\n");
    LoadSettings();
    EXPECT_EQ(Conversion.NumFormat, 2);
    EXPECT_EQ(Conversion.DecimalPlaces, 20);
    SaveSettings();
    const std::string text = ReadWhole(file);
    EXPECT_TRUE(Contains(text, "NUM_FORMAT=1")) << text;
    EXPECT_TRUE(Contains(text, "DEC_PLACE=20")) << text;
}

// A file that can be read but not written. The read-only attribute does that
// for an ordinary user; root (as under Wine in CI) may write it anyway, so
// another program also holds it open for reading only, which shuts out every
// writer whoever runs the test.
TEST_F(RealSettingsTest, AReadOnlyFileIsLeftAsItIs)
{
    const std::string before = "[Options]\r\nNUM_FORMAT=0\r\nDEC_PLACE=2\r\n";
    PutFile(before);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
    HANDLE reader = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 1);   // it can be read
    EXPECT_EQ(Conversion.DecimalPlaces, 2);
    Show(0, 1, 2); AddFavorite(nullptr);
    Conversion.DecimalPlaces = 9;
    SaveSettings();
    CloseHandle(reader);
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadWhole(file), before);
}

// Another program holds the file open without sharing it: the save changes
// nothing and does no harm.
TEST_F(RealSettingsTest, AFileHeldOpenElsewhereIsLeftAsItIs)
{
    const std::string before = "[Options]\r\nNUM_FORMAT=0\r\nDEC_PLACE=2\r\n";
    PutFile(before);
    LoadSettings();
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Show(0, 1, 2); AddFavorite(nullptr);
    Conversion.DecimalPlaces = 9;
    SaveSettings();
    CloseHandle(held);
    EXPECT_EQ(ReadWhole(file), before);
}

TEST_F(RealSettingsTest, AMissingBaseIsNeverCreated)
{
    strcpy(SettingsBase, (base + "\\missing").c_str());
    SaveSettings();
    EXPECT_EQ(GetFileAttributesA((base + "\\missing").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RealSettingsTest, AnOverLongBaseWritesNothing)
{
    std::string longBase = base + "\\";
    longBase.append(259 - longBase.size(), 'x');   // the longest base there can be
    strcpy(SettingsBase, longBase.c_str());
    EXPECT_EQ(EnsureSettingsFolders(SettingsBase, "Brisklane", "Metrova"), 0);
    SaveSettings();
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 0);
}

// Files no program of ours would write: nothing breaks, and whatever loads
// names units that exist.
TEST_F(RealSettingsTest, BadFilesLoadSafely)
{
    std::string binary;
    for (int i = 0; i < 4096; i++) binary += static_cast<char>((i * 131 + 7) & 0xFF);
    const std::string megabyteLine = "[Favorites List]\r\nFAVORITE_CAT_1=" + std::string(1 << 20, '7') + "\r\n";
    const std::string cases[] = {
        binary,
        "[Favorites List]\r\nFAVORITE_CAT_1=99999999999999999999\r\nFAVORITE_FR_1=-2147483648\r\nFAVORITE_TO_1=1\r\n",
        "[Recent List]\r\nRECENT_CAT_1\r\nRECENT_FR_1=\r\nRECENT_TO_1= \r\n[Options]\r\nNUM_FORMAT\r\nDEC_PLACE=\r\n",
        "[Recent List]\r\nRECENT_CAT_1=0\r\n[Recent List]\r\nRECENT_FR_1=1\r\nRECENT_TO_1=2\r\n",
        megabyteLine,
        "[Options]\r\nDEC_PLACE=4294967295\r\nNUM_FORMAT=-7\r\n",
    };
    for (const std::string& text : cases) {
        ResetProgramState();
        strcpy(SettingsBase, base.c_str());
        PutFile(text);
        LoadSettings();
        EXPECT_EQ(SaveOnExit, 1);
        ASSERT_LE(FavoritesList.count, 20);
        ASSERT_LE(RecentList.count, 10);
        for (int i = 0; i < FavoritesList.count; i++) EXPECT_TRUE(IsConversionInCatalog(FavoritesList.entries[i]));
        for (int k = 0; k < RecentList.count; k++) EXPECT_TRUE(IsConversionInCatalog(RecentList.slots[9 - k]));
        BuildFavoritesMenu(nullptr);
        BuildRecentMenu(nullptr);
        SaveSettings();
    }
}

TEST(RealSettingsLocation, FoundOnThisSystem)
{
    char folder[260];
    ASSERT_EQ(GetAppDataFolder(folder), 1);
    EXPECT_NE(GetFileAttributesA(folder), INVALID_FILE_ATTRIBUTES) << folder;
    EXPECT_EQ(IsOnRemovableDrive(), 0);   // the test runs from a fixed drive
}
