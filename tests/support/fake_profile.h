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
#include <vector>

struct FakeFile {
    std::string text;
    bool readOnly;
    bool locked;   // cannot be opened at all
};

struct FakePlatform {
    std::map<std::string, FakeFile> files;   // by lower-case path
    std::set<std::string> folders;           // lower-case paths that exist
    std::set<std::string> lockedFolders;     // nothing can be created inside
    std::string appDataFolder;               // UTF-8; empty: the lookup fails
    std::string executablePath;              // UTF-8; empty: the lookup fails
    std::set<std::string> removableDrives;   // upper-case "X:"
    int writes;                              // ProfileWriteString calls so far
    int failWrite;                           // this write (1-based) fails; 0 none
    std::vector<std::string> log;            // "write S K=V", "delete S K", "mkdir P"
};

extern FakePlatform Fake;

// No files, only the folders "." and the application-data folder
// "C:\Users\me\AppData\Roaming"; executable at "C:\Program Files\metrova.exe".
void ResetFakePlatform();

std::string LowerPath(const std::string& path);
// UTF-16 units of a UTF-8 text: one per character, two for one beyond U+FFFF.
int Utf16Units(const std::string& text);
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
