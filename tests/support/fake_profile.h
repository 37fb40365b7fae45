// A fake of the settings' platform seam: an in-memory file system of folders
// and initialisation files, read and written with the rules of this Wine's
// profile functions (first matching section and key, case-insensitive names,
// values trimmed, numbers read like RtlUnicodeStringToInteger with base 0).
// Paths are UTF-8, as on the seam; one longer than the system takes (MAX_PATH
// UTF-16 units with the NUL) fails like one that cannot be opened or made.
#pragma once
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The file as the profile reader sees it: named sections of keys in file order.
struct FakeIniKey {
    std::string name;
    std::string value;
    bool hasValue;   // a line without '=' has none
    unsigned hash;   // of the name, without regard to case
    bool removed;    // deleted: no longer in the file (kept to spare moving the keys after it)
};

struct FakeIniSection {
    std::string name;   // empty for the lines before the first section
    bool named;
    std::vector<FakeIniKey> keys;
    // A long section's keys by hash (open addressing: the place of the first
    // copy of each name, -1 free, -2 given up by a removed key); empty until
    // a search needs it.
    std::vector<int> index;
    size_t indexFilled;   // places not free
};

struct FakeFile {
    std::string text;   // read it through FakeFileText: after a write it is rendered only when asked
    bool readOnly;
    bool locked;        // cannot be opened at all
    // The text parsed, kept between the profile calls; after a write it is
    // the file and the text is rendered from it when asked.
    std::vector<FakeIniSection> sections;
    bool parsed;
    bool textStale;
};

// Paths compare without regard to ASCII case, as the system's do, and can be
// looked up by any text without making a string of it.
struct FakePathLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const;
};

struct FakePlatform {
    // By lower-case path. Files are added or changed, never erased: the fake
    // keeps a pointer to the last one it found until the next ResetFakePlatform.
    std::map<std::string, FakeFile, FakePathLess> files;
    std::set<std::string, FakePathLess> folders;           // lower-case paths that exist
    std::set<std::string, FakePathLess> lockedFolders;     // nothing can be created inside
    std::string appDataFolder;               // UTF-8; empty: the lookup fails
    std::string executablePath;              // UTF-8; empty: the lookup fails
    std::set<std::string> removableDrives;   // upper-case "X:"
    int writes;                              // ProfileWriteString calls so far
    int failWrite;                           // this write (1-based) fails; 0 none
    std::vector<std::string> log;            // "write S K=V", "delete S K", "mkdir P"
    bool noLog;                              // keep no log (the fuzz targets read none)
    unsigned serial;                         // which ResetFakePlatform made it (0: none)
};

extern FakePlatform Fake;

// No files, only the folders "." and the application-data folder
// "C:\Users\me\AppData\Roaming"; executable at "C:\Program Files\metrova.exe".
void ResetFakePlatform();

std::string LowerPath(const std::string& path);
// UTF-16 units of a UTF-8 text: one per character, two for one beyond U+FFFF.
int Utf16Units(std::string_view text);
// The longest path the fakes take, in UTF-16 units without the NUL.
const int FAKE_PATH_UNITS_MAX = 259;
// The file's text, or "<none>" when it does not exist.
std::string FakeFileText(const std::string& path);
void PutFakeFile(const std::string& path, const std::string& text);
// One key's raw value as the profile reader sees it; "<absent>" when missing.
std::string FakeProfileValue(const std::string& path, const std::string& section, const std::string& key);
// The section names in file order.
std::vector<std::string> FakeSections(const std::string& path);
// The key names of one section in file order.
std::vector<std::string> FakeKeys(const std::string& path, const std::string& section);
