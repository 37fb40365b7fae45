// The settings file through the system's own profile functions, in a scratch
// folder: what the in-memory fake assumes must hold for the real thing.
#include <windows.h>
#include <shlobj.h>

#include <stdio.h>

#include "tests/lists/lists_fixture.h"
#include "lists/settings_profile.h"

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

// More copies of a favourite than a save removes: the copy left in front is
// emptied, which the system's profile reader takes for a missing key, so the
// removed favourite stays removed.
TEST_F(RealSettingsTest, ManyCopiesOfAKeyCannotBringAnEntryBack)
{
    std::string text = "[Favorites List]\r\n";
    for (int copy = 0; copy < 300; copy++) text += "FAVORITE_CAT_1=0\r\nFAVORITE_FR_1=1\r\nFAVORITE_TO_1=2\r\n";
    PutFile(text + "[Options]\r\nDEC_PLACE=3\r\n");
    LoadSettings();
    ASSERT_EQ(FavoritesList.count, 1);
    Show(0, 1, 2);
    RemoveFavorite(nullptr);
    SaveSettings();
    const std::string saved = ReadWhole(file);
    EXPECT_TRUE(Contains(saved, "FAVORITE_CAT_1=\r\n")) << saved.substr(0, 200);

    ResetProgramState();
    strcpy(SettingsBase, base.c_str());
    LoadSettings();
    EXPECT_EQ(FavoritesList.count, 0);
    EXPECT_EQ(Conversion.DecimalPlaces, 3);
    SaveSettings();   // nothing more to remove: the file stays as it is
    EXPECT_EQ(ReadWhole(file), saved);
}

// A key counts as there exactly when the profile reader reads it instead of
// giving the default: the surplus keys' removal relies on that.
TEST_F(RealSettingsTest, AKeyHasAValueExactlyWhenItIsRead)
{
    PutFile("[S]\r\nNUMBER=7\r\nZERO=0\r\nMINUS=-1\r\nEMPTY=\r\nBLANK=   \r\nQUOTES=\"\"\r\n"
            "QUOTED=\"a\"\r\nSINGLE='5'\r\nWORD=abc\r\nNOVALUE\r\nLONG=" + std::string(100, '9') + "\r\n");
    for (const char* key : { "NUMBER", "ZERO", "MINUS", "EMPTY", "BLANK", "QUOTES", "QUOTED", "SINGLE", "WORD",
                             "NOVALUE", "LONG", "MISSING" }) {
        const bool read = ProfileReadInt("S", key, -1, file.c_str()) == ProfileReadInt("S", key, -2, file.c_str());
        EXPECT_EQ(ProfileKeyHasValue("S", key, file.c_str()), read ? 1 : 0) << key;
    }
    EXPECT_EQ(ProfileKeyHasValue("S", "NUMBER", file.c_str()), 1);
    EXPECT_EQ(ProfileKeyHasValue("S", "EMPTY", file.c_str()), 0);
    EXPECT_EQ(ProfileKeyHasValue("Other", "NUMBER", file.c_str()), 0);
}

TEST_F(RealSettingsTest, OptionsAreWrittenBackNormalised)
{
    PutFile("[Options]\r\nNUM_FORMAT=3\r\nDEC_PLACE=20\r\n");
    LoadSettings();
    EXPECT_EQ(Conversion.NumFormat, 3);
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

// ---- Folders the system's code page cannot spell ----------------------------

static std::wstring Wide(const std::string& utf8)
{
    std::wstring wide(utf8.size() + 1, L'\0');
    const int units = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], int(wide.size()));
    wide.resize(units > 0 ? size_t(units - 1) : 0);
    return wide;
}

static std::string Utf8(const std::wstring& wide)
{
    std::string text(wide.size() * 3 + 1, '\0');
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &text[0], int(text.size()), nullptr, nullptr);
    text.resize(bytes > 0 ? size_t(bytes - 1) : 0);
    return text;
}

// The test's own folders go past MAX_PATH: it makes and removes them by
// their long-path names.
static std::wstring LongWide(const std::string& utf8)
{
    return L"\\\\?\\" + Wide(utf8);
}

static bool ExistsWide(const std::string& utf8Path)
{
    return GetFileAttributesW(LongWide(utf8Path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

static std::string ReadWholeWide(const std::string& utf8Path)
{
    HANDLE file = CreateFileW(LongWide(utf8Path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<none>";
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
    CloseHandle(file);
    return text;
}

// Whether the text can be written in the system's 8-bit code page without a
// substitute character.
static bool SpelledByCodePage(const std::wstring& text)
{
    BOOL substituted = FALSE;
    char bytes[1024];
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, &substituted);
    return !substituted;
}

// Cyrillic "data" and Hangul "hangul": no 8-bit code page spells both, and
// no double-byte one this test runs under (932 has no Hangul).
static const char FOREIGN_NAME[] = "\xD0\xB4\xD0\xB0\xD0\xBD\xD0\xBD\xD1\x8B\xD0\xB5-\xED\x95\x9C\xEA\xB8\x80";
// Forty Cyrillic letters: 80 bytes, 40 units.
static std::string CyrillicRun()
{
    std::string text;
    for (int i = 0; i < 40; i++) text += "\xD0\xB6";
    return text;
}

class ForeignFolderSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetProgramState();
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        base = Utf8(temp) + "metrova-lists-" + std::to_string(GetCurrentProcessId()) + "-" + FOREIGN_NAME;
        ASSERT_FALSE(SpelledByCodePage(Wide(base)));
        ASSERT_TRUE(CreateDirectoryW(LongWide(base).c_str(), nullptr))
            << "cannot make " << base << ": Wine needs a UTF-8 Unix locale (LANG=C.UTF-8) for such names";
        made.push_back(base);
    }
    void TearDown() override
    {
        for (const std::string& folder : made) {
            const std::string settings = folder + "\\Brisklane\\Metrova";
            DeleteFileW(LongWide(settings + "\\metrova.ini").c_str());
            RemoveDirectoryW(LongWide(settings).c_str());
            RemoveDirectoryW(LongWide(folder + "\\Brisklane").c_str());
        }
        for (size_t i = made.size(); i-- > 0;) RemoveDirectoryW(LongWide(made[i]).c_str());
    }
    // A folder below the last one made.
    std::string MakeBelow(const std::string& name)
    {
        const std::string folder = made.back() + "\\" + name;
        EXPECT_TRUE(CreateDirectoryW(LongWide(folder).c_str(), nullptr)) << GetLastError();
        made.push_back(folder);
        return folder;
    }
    std::string base;
    std::vector<std::string> made;   // outermost first
};

TEST_F(ForeignFolderSettingsTest, SavedAndLoadedAsPlainAscii)
{
    strcpy(SettingsBase, base.c_str());
    Show(CATEGORY_PRESSURE, 3, 5); AddFavorite(nullptr);
    for (int i = 1; i <= 3; i++) { Show(0, i, 0); AddRecent(nullptr); }
    Conversion.DecimalPlaces = 4;
    SaveSettings();   // creates the file
    const std::string file = base + "\\Brisklane\\Metrova\\metrova.ini";
    ASSERT_TRUE(ExistsWide(file));
    const std::string text = ReadWholeWide(file);
    EXPECT_TRUE(Contains(text, "[Favorites List]\r\nFAVORITE_CAT_1=27\r\n")) << text;
    for (char c : text)   // no byte-order mark, no UTF-16 zero bytes, nothing but ASCII
        ASSERT_TRUE(c > 0 && static_cast<unsigned char>(c) < 0x80) << text;

    ResetProgramState();
    strcpy(SettingsBase, base.c_str());
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 1);
    ASSERT_EQ(FavoritesList.count, 1);
    EXPECT_EQ(FavoritesList.entries[0], (ConversionTriple{ CATEGORY_PRESSURE, 3, 5 }));
    EXPECT_EQ(RecentList.count, 3);
    EXPECT_EQ(Conversion.DecimalPlaces, 4);
}

// Longer in UTF-8 than the 260 bytes of an 8-bit path, shorter than the
// system's 259 characters: works.
TEST_F(ForeignFolderSettingsTest, ABaseOverTwoHundredSixtyBytesWorks)
{
    MakeBelow(CyrillicRun());
    MakeBelow(CyrillicRun());
    const std::string deep = MakeBelow(CyrillicRun());
    ASSERT_GT(deep.size(), 260u);
    ASSERT_LT(Wide(deep).size() + sizeof "\\Brisklane\\Metrova\\metrova.ini", size_t(MAX_PATH));
    strcpy(SettingsBase, deep.c_str());
    Show(0, 1, 2); AddFavorite(nullptr);
    SaveSettings();
    EXPECT_TRUE(ExistsWide(deep + "\\Brisklane\\Metrova\\metrova.ini"));
    ResetProgramState();
    strcpy(SettingsBase, deep.c_str());
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 1);
    EXPECT_EQ(FavoritesList.count, 1);
}

// Past the system's limit in characters: nothing is made, nothing written,
// and the path is never cut into another folder's.
TEST_F(ForeignFolderSettingsTest, ABaseOverTheCharacterLimitWritesNothing)
{
    std::string deep;
    for (int i = 0; i < 6; i++) deep = MakeBelow(CyrillicRun());   // about 300 characters
    ASSERT_GT(Wide(deep).size(), size_t(MAX_PATH));
    strcpy(SettingsBase, deep.c_str());
    EXPECT_EQ(EnsureSettingsFolders(SettingsBase, "Brisklane", "Metrova"), 0);
    Show(0, 1, 2); AddFavorite(nullptr);
    SaveSettings();
    LoadSettings();
    EXPECT_EQ(SaveOnExit, 0);
    for (const std::string& folder : made) EXPECT_FALSE(ExistsWide(folder + "\\Brisklane")) << folder.size();
}

TEST(RealSettingsLocation, FoundOnThisSystem)
{
    char folder[SETTINGS_BASE_SIZE];
    ASSERT_EQ(GetAppDataFolder(folder), 1);
    wchar_t expected[MAX_PATH];
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, expected)));
    EXPECT_EQ(Wide(folder), std::wstring(expected));   // as UTF-8
    EXPECT_TRUE(ExistsWide(folder)) << folder;
    EXPECT_EQ(IsOnRemovableDrive(), 0);   // the test runs from a fixed drive
}
