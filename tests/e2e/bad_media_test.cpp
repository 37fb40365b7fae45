// Media and files that are not what the program expects: a write-protected
// removable drive, a settings folder that cannot be made, a settings file
// another program holds open at exit, files of junk, of a 64 KB line or of
// thousands of copies of a key, and a settings path at the system's length
// limit. Each time the program starts, runs and ends within bounded time,
// and what was saved before is still there afterwards; where the program
// may rewrite the file (saving is on), the file afterwards is a sound
// settings file holding what the program held.
#include "tests/e2e/settings_helpers.h"


#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {


std::wstring LongPath(const std::string& path)
{
    return L"\\\\?\\" + WideFromUtf8(path);
}

bool Exists(const std::string& path)
{
    return GetFileAttributesW(LongPath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool ReadWhole(const std::string& path, std::string* text)
{
    text->clear();
    HANDLE file = CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, 0,
                              OPEN_EXISTING, 0, 0);
    if (file == INVALID_HANDLE_VALUE) return false;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, 0) && got > 0) text->append(chunk, got);
    CloseHandle(file);
    return true;
}

bool WriteWhole(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, text.data(), DWORD(text.size()), &written, 0) && written == text.size();
    return CloseHandle(file) && ok;
}

// The names in a folder, sorted as the system lists them.
std::vector<std::string> FolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(LongPath(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.push_back(Utf8FromWide(found.cFileName));
    while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// Two favourites, two recent conversions, scientific notation with 5 decimals.
std::string SavedBefore()
{
    return "[Favorites List]\r\n" + EntryLines("FAVORITE", 1, 0, 1, 2) + EntryLines("FAVORITE", 2, 0, 3, 4) +
           "[Recent List]\r\n" + EntryLines("RECENT", 1, 0, 5, 6) + EntryLines("RECENT", 2, 0, 7, 8) +
           "[Options]\r\nNUM_FORMAT=0\r\nDEC_PLACE=5\r\n";
}

// ---- A write-protected removable drive ---------------------------------------

// read_only_media.sh mounts a filesystem, puts metrova.exe, a settings file
// (below) and an empty folder "fresh" on it, remounts it read-only and names
// it in METROVA_READ_ONLY_MEDIA; Wine refuses writes there as the medium
// refuses them. A folder without write permission would not do: root writes
// it anyway.
//   Brisklane\Metrova\metrova.ini: favourite 0,1,2; recent 0,3,4; DEC_PLACE=3
class WriteProtectedMedia : public testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        const char* media = std::getenv("METROVA_READ_ONLY_MEDIA");
        if (!media || !*media)
            GTEST_SKIP() << "needs a read-only filesystem: tests/e2e/read_only_media.sh runs these";
        letter = FreeDriveLetter();
        ASSERT_NE(letter, 0) << "no free drive letter";
        ASSERT_TRUE(DefineRemovableDrive(letter, media)) << "the mount manager refused drive " << letter;
        root = std::string(1, letter) + ":\\";
        ASSERT_EQ(GetDriveTypeA(root.c_str()), UINT(DRIVE_REMOVABLE));
        // Really write-protected, or this test would prove nothing.
        HANDLE probe = CreateFileA((root + "fresh\\probe.txt").c_str(), GENERIC_WRITE, 0, 0, CREATE_NEW, 0, 0);
        if (probe != INVALID_HANDLE_VALUE) {
            CloseHandle(probe);
            DeleteFileA((root + "fresh\\probe.txt").c_str());
            FAIL() << "the medium takes writes";
        }
    }
    void TearDown() override
    {
        StopMetrova(&app);
        if (letter) DefineRemovableDrive(letter, "");
        ClearSettings();
    }
    MetrovaApp app = {};
    std::string root;
    char letter = 0;
};

// The settings and the user's own units on the drive are read; a new unit
// cannot be written, which the Custom Units box says, and no file changes.
TEST_F(WriteProtectedMedia, SettingsOnTheDriveAreReadAndLeftAsTheyWere)
{
    const std::string files[] = { root + "Brisklane\\Metrova\\metrova.ini", root + "Brisklane\\Metrova\\metrova-units.ini" };
    std::string before[2];
    ASSERT_TRUE(ReadWhole(files[0], &before[0]) && ReadWhole(files[1], &before[1]));
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why, (root + "metrova.exe").c_str(), root.c_str())) << why;
    EXPECT_EQ(WindowText(app.window), "Metrova [Removable Drive]");
    EXPECT_EQ(Held(&app), FileSettings(before[0]));
    EXPECT_EQ(ListItems(&app, FAVORITES_MENU).size(), 1u);
    EXPECT_TRUE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));   // the file is there: saving is on
    ASSERT_NO_FATAL_FAILURE(AddFavoriteOf(app, 5, 6));
    ASSERT_TRUE(SendCommand(app.window, IDM_DECIMALS_FIRST + 8));

    ASSERT_TRUE(BringToFront(&app));
    ASSERT_TRUE(PickItem(CategoryChooser(app), CATEGORY_COMMON_LENGTH));
    const int units = ComboCount(FromUnitChooser(app));
    EXPECT_EQ(ComboItemWide(FromUnitChooser(app), units - 1), L"stride");
    ASSERT_TRUE(PostCommand(app.window, IDM_OPTIONS_CUSTOM_UNITS));
    HWND box = WaitForDialog(app, "Custom Units");
    ASSERT_NE(box, HWND(0));
    ASSERT_TRUE(PressKey('A', KEY_ALT));
    HWND entry = 0;
    ASSERT_TRUE(WaitUntil([&] { return (entry = FindWindowA("#32770", "Custom Unit")) != 0 && IsWindowVisible(entry); }));
    ASSERT_TRUE(PressKeys("pace") && PressKey(VK_RETURN));
    HWND warning = 0;
    ASSERT_TRUE(WaitUntil([&] {
        warning = FindWindowA("#32770", "Custom Units");
        return warning && warning != box && IsWindowVisible(warning);
    }));
    ASSERT_TRUE(PressKey(VK_RETURN) && WaitForClose(warning) && WaitForClose(entry));
    ASSERT_TRUE(PressKey(VK_ESCAPE) && WaitForClose(box));
    EXPECT_EQ(ComboCount(FromUnitChooser(app)), units);
    EXPECT_TRUE(ExitByMenu(&app)) << "did not end cleanly";

    for (int i = 0; i < 2; ++i) {
        std::string after;
        ASSERT_TRUE(ReadWhole(files[i], &after));
        EXPECT_EQ(after, before[i]) << files[i];
    }
    EXPECT_EQ(FolderNames(root + "Brisklane\\Metrova"),
              (std::vector<std::string>{ ".", "..", "metrova-units.ini", "metrova.ini" }));
    EXPECT_FALSE(Exists(AppDataFolder() + "\\Brisklane"));   // nothing went anywhere else either
}

TEST_F(WriteProtectedMedia, SavingSwitchedOnWritesNothingAndEndsCleanly)
{
    std::string why;
    const std::string fresh = root + "fresh\\";
    ASSERT_TRUE(StartMetrova(&app, &why, (root + "metrova.exe").c_str(), fresh.c_str())) << why;
    EXPECT_FALSE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_NO_FATAL_FAILURE(AddFavoriteOf(app, 1, 2));
    EXPECT_TRUE(ExitByMenu(&app)) << "did not end cleanly";
    EXPECT_EQ(FolderNames(root + "fresh"), (std::vector<std::string>{ ".", ".." }));
}

// ---- Settings folders and files in the way -----------------------------------

class BadMedia : public testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override
    {
        StopMetrova(&app);
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        const std::string base = AppDataFolder();
        DeleteFileW(WideFromUtf8(base + "\\Brisklane\\Metrova").c_str());   // a blocking file, if any
        ClearSettings();
    }
    void Start()
    {
        std::string why;
        ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    }
    MetrovaApp app = {};
    HANDLE held = INVALID_HANDLE_VALUE;
};

// A file where the product folder should be (a file where the maker folder
// should be is in settings_file_test.cpp).
TEST_F(BadMedia, AFileWhereTheProductFolderShouldBe)
{
    const std::string base = AppDataFolder();
    ASSERT_TRUE(CreateDirectoryW(WideFromUtf8(base + "\\Brisklane").c_str(), 0));
    const std::string blocker = base + "\\Brisklane\\Metrova";
    ASSERT_TRUE(WriteWhole(blocker, "someone else's file\r\n"));
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_FALSE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_NO_FATAL_FAILURE(AddFavoriteOf(app, 1, 2));
    EXPECT_TRUE(ExitByMenu(&app)) << "did not end cleanly";
    std::string text;
    ASSERT_TRUE(ReadWhole(blocker, &text));
    EXPECT_EQ(text, "someone else's file\r\n");
    EXPECT_EQ(GetFileAttributesW(WideFromUtf8(blocker).c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

// Another program holds the settings file open, sharing nothing, while this
// one ends with saving on: its save fails at the first write and changes
// nothing; the next start shows the settings saved before.
TEST_F(BadMedia, ASettingsFileHeldOpenAtExitIsLeftAsItWas)
{
    ASSERT_TRUE(WriteSettingsFile(SavedBefore()));
    ASSERT_NO_FATAL_FAILURE(Start());
    const HeldSettings before = FileSettings(SavedBefore());
    ASSERT_EQ(Held(&app), before);
    ASSERT_NO_FATAL_FAILURE(AddFavoriteOf(app, 9, 10));
    ASSERT_TRUE(SendCommand(app.window, IDM_DECIMALS_FIRST + 7));
    held = CreateFileW(WideFromUtf8(SettingsFilePath()).c_str(), GENERIC_READ | GENERIC_WRITE, 0, 0, OPEN_EXISTING,
                       0, 0);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(ExitByMenu(&app)) << "did not end cleanly";
    CloseHandle(held);
    held = INVALID_HANDLE_VALUE;

    std::string text;
    ASSERT_TRUE(ReadSettingsFile(&text));
    EXPECT_EQ(text, SavedBefore());
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_EQ(Held(&app), before);
}

// ---- Files of junk, a long line, thousands of copies ------------------------

// Starts on the file, lets `change` act, ends (saving is on, since the file
// exists) within timeoutMs, and checks that the file is then a sound
// settings file holding what the program held, and that the next start
// shows exactly that. Returns the file's text afterwards.
std::string RunOnFile(MetrovaApp* app, const std::string& contents, DWORD timeoutMs,
                      void (*change)(MetrovaApp*), HeldSettings* loaded)
{
    std::string text;
    EXPECT_TRUE(WriteSettingsFile(contents));
    std::string why;
    EXPECT_TRUE(StartMetrova(app, &why)) << why;
    if (!IsRunning(app)) return text;
    *loaded = Held(app);
    if (change) change(app);
    const HeldSettings atExit = Held(app);
    const DWORD started = GetTickCount();
    EXPECT_TRUE(ExitByMenu(app, timeoutMs)) << "did not end within " << timeoutMs << " ms";
    std::printf("[ exit took %lu ms ]\n", GetTickCount() - started);
    EXPECT_TRUE(ReadSettingsFile(&text));
    EXPECT_EQ(FileSettings(text), atExit);
    EXPECT_TRUE(StartMetrova(app, &why)) << why;
    EXPECT_EQ(Held(app), atExit);
    EXPECT_TRUE(ExitByMenu(app, timeoutMs)) << "the next start did not end cleanly";
    return text;
}

// A megabyte of bytes of every value, line breaks among them.
std::string MegabyteOfJunk()
{
    std::string text(1 << 20, '\0');
    unsigned state = 12345;
    for (char& c : text) {
        state = state * 1103515245u + 12345u;
        c = char(state >> 23);
    }
    return text;
}

void ApplyFirstFavoriteAndRemoveIt(MetrovaApp* app)
{
    ASSERT_TRUE(SendCommand(app->window, IDM_FAVORITE_FIRST));
    ASSERT_TRUE(SendCommand(app->window, IDM_FAVORITES_REMOVE));
}

void AddAFavorite(MetrovaApp* app)
{
    AddFavoriteOf(*app, 11, 12);
}

TEST_F(BadMedia, AMegabyteOfJunk)
{
    HeldSettings loaded;
    RunOnFile(&app, MegabyteOfJunk(), 20000, AddAFavorite, &loaded);
}

// A 64 KB line among the favourites: an unknown key, kept as it is.
TEST_F(BadMedia, ASixtyFourKilobyteLine)
{
    const std::string note(1 << 16, 'n');
    const std::string contents = "[Favorites List]\r\n" + EntryLines("FAVORITE", 1, 0, 1, 2) + "NOTE=" + note +
                                 "\r\n" + EntryLines("FAVORITE", 2, 0, 3, 4) + "[Options]\r\nDEC_PLACE=3\r\n";
    HeldSettings loaded;
    const std::string after = RunOnFile(&app, contents, 20000, AddAFavorite, &loaded);
    EXPECT_EQ(loaded.favorites.size(), 2u);
    EXPECT_EQ(loaded.decimals, 3);
    const IniView ini = ReadIni(after);
    ASSERT_TRUE(ini.count("favorites list"));
    ASSERT_TRUE(ini.at("favorites list").count("note"));
    EXPECT_EQ(ini.at("favorites list").at("note"), note);
}

// Five thousand copies of each key of a favourite and of one recent key: the
// removed favourite stays removed, and the exit takes a bounded time (each
// removal rewrites the whole file, so a save removes a bounded number).
TEST_F(BadMedia, ThousandsOfCopiesOfAKey)
{
    std::string contents = "[Favorites List]\r\n";
    for (int copy = 0; copy < 5000; ++copy) contents += EntryLines("FAVORITE", 1, 0, 1, 2);
    contents += "[Recent List]\r\n";
    for (int copy = 0; copy < 5000; ++copy) contents += "RECENT_CAT_1=0\r\n";
    contents += "RECENT_FR_1=3\r\nRECENT_TO_1=4\r\n[Options]\r\nDEC_PLACE=3\r\n";
    HeldSettings loaded;
    RunOnFile(&app, contents, 20000, ApplyFirstFavoriteAndRemoveIt, &loaded);
    EXPECT_EQ(loaded.favorites.size(), 1u);
    EXPECT_EQ(loaded.recent.size(), 1u);
}

// ---- A settings path at the system's length limit ----------------------------

// The application-data folder is what the user's shell folders say (Wine
// reads the value at each lookup): pointed at a folder whose length puts
// the settings file's path at exactly the limit (259 characters without the
// NUL) or one past it.
const int SETTINGS_TAIL = 30;   // "\Brisklane\Metrova\metrova.ini"

class LongSettingsPath : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(BeginAppDataMove(&move));
        ClearSettings();
        outer = MovedAppDataFolder(L"limit");
        ASSERT_FALSE(outer.empty());
        ASSERT_TRUE(CreateDirectoryW(outer.c_str(), 0));
    }
    // Points the application-data folder at a folder below `outer` that makes
    // the settings path `length` characters long.
    void RedirectForPathLength(int length)
    {
        const int baseLength = length - SETTINGS_TAIL;
        ASSERT_GT(baseLength, int(outer.size()) + 1);
        base = outer + L"\\" + std::wstring(size_t(baseLength) - outer.size() - 1, L'b');
        ASSERT_EQ(int(base.size()), baseLength);
        ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + base).c_str(), 0));
        ASSERT_TRUE(MoveAppDataTo(&move, base));
        ASSERT_EQ(WideFromUtf8(AppDataFolder()), base);
        file = Utf8FromWide(base) + "\\Brisklane\\Metrova\\metrova.ini";
        ASSERT_EQ(int(WideFromUtf8(file).size()), length);
    }
    void TearDown() override
    {
        StopMetrova(&app);
        if (!base.empty()) {
            const std::string b = Utf8FromWide(base);
            DeleteFileW(LongPath(b + "\\Brisklane\\Metrova\\metrova.ini").c_str());
            RemoveDirectoryW(LongPath(b + "\\Brisklane\\Metrova").c_str());
            RemoveDirectoryW(LongPath(b + "\\Brisklane").c_str());
            RemoveDirectoryW(LongPath(b).c_str());
        }
        EndAppDataMove(&move);
        if (!outer.empty()) RemoveDirectoryW(outer.c_str());
        ClearSettings();
    }
    AppDataMove move = {};
    std::wstring outer, base;
    std::string file;
    MetrovaApp app = {};
};

TEST_F(LongSettingsPath, ExactlyAtTheLimitSavesAndLoads)
{
    ASSERT_NO_FATAL_FAILURE(RedirectForPathLength(MAX_PATH - 1));
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_NO_FATAL_FAILURE(AddFavoriteOf(app, 1, 2));
    const HeldSettings atExit = Held(&app);
    EXPECT_TRUE(ExitByMenu(&app)) << "did not end cleanly";
    std::string text;
    ASSERT_TRUE(ReadWhole(file, &text)) << file;
    EXPECT_EQ(FileSettings(text), atExit);
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    EXPECT_EQ(Held(&app), atExit);
    EXPECT_TRUE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));
}

// One character past it the system takes the path nowhere: the program can
// neither read nor write that file, starts as without one, and ends cleanly
// with the file (put there by a caller that can reach it) untouched.
TEST_F(LongSettingsPath, OnePastTheLimitIsNeitherReadNorWritten)
{
    ASSERT_NO_FATAL_FAILURE(RedirectForPathLength(MAX_PATH));
    const std::string b = Utf8FromWide(base);
    ASSERT_TRUE(CreateDirectoryW(LongPath(b + "\\Brisklane").c_str(), 0));
    ASSERT_TRUE(CreateDirectoryW(LongPath(b + "\\Brisklane\\Metrova").c_str(), 0));
    ASSERT_TRUE(WriteWhole(file, SavedBefore()));
    std::string why;
    ASSERT_TRUE(StartMetrova(&app, &why)) << why;
    EXPECT_TRUE(ListItems(&app, FAVORITES_MENU).empty());
    EXPECT_FALSE(Checked(&app, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_TRUE(SendCommand(app.window, IDM_OPTIONS_SAVE_ON_EXIT));
    ASSERT_NO_FATAL_FAILURE(AddFavoriteOf(app, 5, 6));
    EXPECT_TRUE(ExitByMenu(&app)) << "did not end cleanly";
    std::string text;
    ASSERT_TRUE(ReadWhole(file, &text));
    EXPECT_EQ(text, SavedBefore());
    EXPECT_EQ(FolderNames(b + "\\Brisklane\\Metrova"), (std::vector<std::string>{ ".", "..", "metrova.ini" }));
}

}  // namespace
