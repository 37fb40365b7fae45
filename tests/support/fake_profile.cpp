#include "tests/support/fake_profile.h"

#include <string.h>

#include "lists/settings_profile.h"

FakePlatform Fake;

const char FAKE_APPDATA[] = "C:\\Users\\me\\AppData\\Roaming";

void ResetFakePlatform()
{
    Fake = FakePlatform();
    Fake.folders.insert(".");
    Fake.folders.insert(LowerPath(FAKE_APPDATA));
    Fake.appDataFolder = FAKE_APPDATA;
    Fake.executablePath = "C:\\Program Files\\metrova.exe";
}

std::string LowerPath(const std::string& path)
{
    std::string lower = path;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

int Utf16Units(const std::string& text)
{
    int units = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) == 0x80) continue;   // a continuation byte
        units += c >= 0xF0 ? 2 : 1;         // four bytes: a surrogate pair
    }
    return units;
}

// A path the wide calls cannot take, whatever is there.
static bool TooLong(const std::string& path)
{
    return Utf16Units(path) > FAKE_PATH_UNITS_MAX;
}

static std::string ParentFolder(const std::string& path)
{
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

// ---- The initialisation file as the profile functions see it ----

struct IniKey {
    std::string name;
    std::string value;
    bool hasValue;   // a line without '=' has none
};

struct IniSection {
    std::string name;   // empty for the lines before the first section
    bool named;
    std::vector<IniKey> keys;
};

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

static std::string Trim(const std::string& text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) begin++;
    while (end > begin && IsBlank(text[end - 1])) end--;
    return text.substr(begin, end - begin);
}

static char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

static bool SameName(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); i++)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

static std::vector<IniSection> ParseIni(const std::string& text)
{
    std::vector<IniSection> sections(1);
    sections[0].named = false;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty()) continue;
        if (line[0] == '[') {
            const size_t close = line.rfind(']');
            if (close != std::string::npos) {
                sections.push_back({ Trim(line.substr(1, close - 1)), true, {} });
                continue;
            }
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            sections.back().keys.push_back({ line, "", false });
        else
            sections.back().keys.push_back({ Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)), true });
    }
    return sections;
}

// The last text parsed and what it gave: a settings save reads and writes
// one file a key at a time, and parsing it anew for each key was most of the
// fakes' time (the settings fuzz target's speed hangs on this).
struct ParsedFile {
    std::string text;
    std::vector<IniSection> sections;
    bool valid;
};

static ParsedFile LastParsed;

static std::vector<IniSection>& ParsedIni(const std::string& text)
{
    if (!LastParsed.valid || LastParsed.text != text) {
        LastParsed.sections = ParseIni(text);
        LastParsed.text = text;
        LastParsed.valid = true;
    }
    return LastParsed.sections;
}

static std::string WriteIni(const std::vector<IniSection>& sections)
{
    std::string text;
    for (const IniSection& section : sections) {
        if (section.named) text += "[" + section.name + "]\r\n";
        for (const IniKey& key : section.keys)
            text += key.hasValue ? key.name + "=" + key.value + "\r\n" : key.name + "\r\n";
        if (section.named) text += "\r\n";
    }
    return text;
}

static IniSection* FindSection(std::vector<IniSection>& sections, const std::string& name)
{
    for (IniSection& section : sections)
        if (section.named && SameName(section.name, name)) return &section;
    return nullptr;
}

static IniKey* FindKey(IniSection* section, const std::string& name)
{
    if (!section) return nullptr;
    for (IniKey& key : section->keys)
        if (SameName(key.name, name)) return &key;
    return nullptr;
}

// The value as GetPrivateProfileStringA returns it into a 30-character buffer.
static std::string ReadValue(const std::string& path, const char* section, const char* key, bool* found)
{
    *found = false;
    auto file = Fake.files.find(LowerPath(path));
    if (file == Fake.files.end() || file->second.locked) return "";
    IniKey* entry = FindKey(FindSection(ParsedIni(file->second.text), section), key);
    if (!entry || !entry->hasValue) return "";
    std::string value = entry->value;
    if (value.size() > 1 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        value = value.substr(1, value.size() - 2);
    if (value.size() > 29) value.resize(29);
    *found = !value.empty();
    return value;
}

// RtlUnicodeStringToInteger with base 0: blanks, a sign, an optional 0x/0o/0b
// prefix, then digits until the first that does not belong; wraps modulo 2^32.
static unsigned ParseProfileNumber(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ') i++;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    unsigned base = 10;
    if (i + 1 < text.size() && text[i] == '0') {
        const char prefix = text[i + 1];
        if (prefix == 'x' || prefix == 'X') base = 16;
        else if (prefix == 'o' || prefix == 'O') base = 8;
        else if (prefix == 'b' || prefix == 'B') base = 2;
        if (base != 10) i += 2;
    }
    unsigned total = 0;
    for (; i < text.size(); i++) {
        const char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9') digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f') digit = static_cast<unsigned>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') digit = static_cast<unsigned>(c - 'A' + 10);
        else break;
        if (digit >= base) break;
        total = total * base + digit;
    }
    return negative ? 0u - total : total;
}

// ---- The seam ----

int ProfileFileOpenable(const char* path)
{
    if (TooLong(path)) return 0;
    auto file = Fake.files.find(LowerPath(path));
    return file != Fake.files.end() && !file->second.locked ? 1 : 0;
}

int ProfileReadInt(const char* section, const char* key, int defaultValue, const char* path)
{
    bool found;
    if (TooLong(path)) return defaultValue;
    const std::string value = ReadValue(path, section, key, &found);
    return found ? static_cast<int>(ParseProfileNumber(value)) : defaultValue;
}

int ProfileWriteString(const char* section, const char* key, const char* value, const char* path)
{
    Fake.log.push_back(std::string("write ") + section + " " + key + "=" + value);
    Fake.writes++;
    if (Fake.writes == Fake.failWrite || TooLong(path)) return 0;
    const std::string name = LowerPath(path);
    if (!Fake.folders.count(LowerPath(ParentFolder(path)))) return 0;
    auto file = Fake.files.find(name);
    if (file != Fake.files.end() && (file->second.readOnly || file->second.locked)) return 0;
    std::vector<IniSection> sections = ParsedIni(file == Fake.files.end() ? std::string() : file->second.text);
    IniSection* target = FindSection(sections, section);
    if (!target) {
        sections.push_back({ section, true, {} });
        target = &sections.back();
    }
    IniKey* entry = FindKey(target, key);
    if (entry) {
        entry->value = value;
        entry->hasValue = true;
    } else {
        target->keys.push_back({ key, value, true });
    }
    Fake.files[name].text = WriteIni(sections);
    LastParsed.text = Fake.files[name].text;
    LastParsed.sections.swap(sections);
    return 1;
}

int ProfileDeleteKey(const char* section, const char* key, const char* path)
{
    Fake.log.push_back(std::string("delete ") + section + " " + key);
    if (TooLong(path)) return 0;
    auto file = Fake.files.find(LowerPath(path));
    if (file == Fake.files.end()) return 1;
    if (file->second.readOnly || file->second.locked) return 0;
    std::vector<IniSection> sections = ParsedIni(file->second.text);
    IniSection* target = FindSection(sections, section);
    if (!target) return 1;
    for (size_t i = 0; i < target->keys.size(); i++)
        if (SameName(target->keys[i].name, key)) {
            target->keys.erase(target->keys.begin() + static_cast<long>(i));
            file->second.text = WriteIni(sections);
            LastParsed.text = file->second.text;
            LastParsed.sections.swap(sections);
            break;
        }
    return 1;
}

int PlatformCreateFolder(const char* path)
{
    Fake.log.push_back(std::string("mkdir ") + path);
    if (TooLong(path)) return 0;
    const std::string name = LowerPath(path);
    if (Fake.folders.count(name)) return 1;
    const std::string parent = LowerPath(ParentFolder(path));
    if (!Fake.folders.count(parent) || Fake.lockedFolders.count(parent)) return 0;
    Fake.folders.insert(name);
    return 1;
}

int PlatformAppDataFolder(char* buffer, int size)
{
    if (Fake.appDataFolder.empty() || static_cast<int>(Fake.appDataFolder.size()) >= size) return 0;
    memcpy(buffer, Fake.appDataFolder.c_str(), Fake.appDataFolder.size() + 1);
    return 1;
}

int PlatformExecutablePath(char* buffer, int size)
{
    // Like GetModuleFileNameW into MAX_PATH units: cut after 259 units (a
    // character is never split here), then as UTF-8 when that fits.
    const std::string& path = Fake.executablePath;
    size_t length = 0;
    int units = 0;
    while (length < path.size()) {
        size_t end = length + 1;
        while (end < path.size() && (static_cast<unsigned char>(path[end]) & 0xC0) == 0x80) end++;
        units += Utf16Units(path.substr(length, end - length));
        if (units > FAKE_PATH_UNITS_MAX) break;
        length = end;
    }
    if (length == 0 || static_cast<int>(length) >= size) return 0;
    memcpy(buffer, path.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

int PlatformIsRemovableDrive(const char* drive)
{
    std::string upper = drive;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return Fake.removableDrives.count(upper) ? 1 : 0;
}

// ---- Inspection for the tests ----

std::string FakeFileText(const std::string& path)
{
    auto file = Fake.files.find(LowerPath(path));
    return file == Fake.files.end() ? std::string("<none>") : file->second.text;
}

void PutFakeFile(const std::string& path, const std::string& text)
{
    Fake.files[LowerPath(path)] = { text, false, false };
}

std::string FakeProfileValue(const std::string& path, const std::string& section, const std::string& key)
{
    bool found;
    const std::string value = ReadValue(path, section.c_str(), key.c_str(), &found);
    return found ? value : std::string("<absent>");
}

std::vector<std::string> FakeSections(const std::string& path)
{
    std::vector<std::string> names;
    auto file = Fake.files.find(LowerPath(path));
    if (file == Fake.files.end()) return names;
    for (const IniSection& section : ParseIni(file->second.text))
        if (section.named) names.push_back(section.name);
    return names;
}

std::vector<std::string> FakeKeys(const std::string& path, const std::string& section)
{
    std::vector<std::string> names;
    auto file = Fake.files.find(LowerPath(path));
    if (file == Fake.files.end()) return names;
    std::vector<IniSection> sections = ParseIni(file->second.text);
    IniSection* found = FindSection(sections, section);
    if (found)
        for (const IniKey& key : found->keys) names.push_back(key.name);
    return names;
}
