#include "tests/support/fake_profile.h"

#include <string.h>

#include "lists/settings_profile.h"
#include "lists/units_file.h"

FakePlatform Fake;

const char FAKE_APPDATA[] = "C:\\Users\\me\\AppData\\Roaming";

static unsigned PlatformsMade;

void ResetFakePlatform()
{
    Fake = FakePlatform();
    Fake.serial = ++PlatformsMade;
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

int Utf16Units(std::string_view text)
{
    int units = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) == 0x80) continue;   // a continuation byte
        units += c >= 0xF0 ? 2 : 1;         // four bytes: a surrogate pair
    }
    return units;
}

// A path the wide calls cannot take, whatever is there.
static bool TooLong(std::string_view path)
{
    return Utf16Units(path) > FAKE_PATH_UNITS_MAX;
}

static std::string_view ParentFolder(std::string_view path)
{
    const size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string_view(".") : path.substr(0, slash);
}

// ---- The initialisation file as the profile functions see it ----

static bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

static std::string_view Trim(std::string_view text)
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

// From the end: the program's keys differ in their numbers, at the end.
static bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = a.size(); i-- > 0;)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

bool FakePathLess::operator()(std::string_view a, std::string_view b) const
{
    const size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; i++) {
        const char x = Lower(a[i]), y = Lower(b[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    return a.size() < b.size();
}

// Keys are looked up by this hash first (of the name without regard to
// case): a long section is searched for dozens of absent keys per save.
static unsigned NameHash(std::string_view name)
{
    unsigned hash = 2166136261u;   // FNV-1a
    for (char c : name) hash = (hash ^ static_cast<unsigned char>(Lower(c))) * 16777619u;
    return hash;
}

// A name handed in by the program. Its hash is worked out only for a
// section long enough to need it: most searches are over a handful of names.
struct SoughtName {
    std::string_view name;
    unsigned hash;
    bool hashed;
};

static SoughtName Sought(const char* name)
{
    size_t length = 0;
    while (name[length]) length++;
    return { std::string_view(name, length), 0, false };
}

static unsigned HashOf(SoughtName* sought)
{
    if (!sought->hashed) {
        sought->hash = NameHash(sought->name);
        sought->hashed = true;
    }
    return sought->hash;
}

static void SetName(std::string* name, unsigned* hash, std::string_view text)
{
    name->assign(text.data(), text.size());
    *hash = NameHash(text);
}

// Parses text into sections, in the storage of what they held before: each
// fuzz input puts a new file in the place of the last one.
static void ParseIni(std::string_view text, std::vector<FakeIniSection>* sections)
{
    size_t used = 0;
    auto startSection = [&](std::string_view name, bool named) {
        if (used == sections->size()) sections->emplace_back();
        FakeIniSection& section = (*sections)[used++];
        section.name.assign(name.data(), name.size());
        section.named = named;
        section.keys.clear();
        section.index.clear();
    };
    auto addKey = [&](std::string_view name, std::string_view value, bool hasValue) {
        std::vector<FakeIniKey>& keys = (*sections)[used - 1].keys;
        keys.emplace_back();
        SetName(&keys.back().name, &keys.back().hash, name);
        keys.back().value.assign(value.data(), value.size());
        keys.back().hasValue = hasValue;
        keys.back().removed = false;
    };
    startSection("", false);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty()) continue;
        if (line[0] == '[') {
            const size_t close = line.rfind(']');
            if (close != std::string_view::npos) {
                startSection(Trim(line.substr(1, close - 1)), true);
                continue;
            }
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            addKey(line, "", false);
        else
            addKey(Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)), true);
    }
    sections->resize(used);
}

static std::string WriteIni(const std::vector<FakeIniSection>& sections)
{
    std::string text;
    for (const FakeIniSection& section : sections) {
        if (section.named) text += "[" + section.name + "]\r\n";
        for (const FakeIniKey& key : section.keys)
            if (!key.removed) text += key.hasValue ? key.name + "=" + key.value + "\r\n" : key.name + "\r\n";
        if (section.named) text += "\r\n";
    }
    return text;
}

// The file kept parsed: a settings save reads and writes one file a key at a
// time, and parsing and rendering the whole text for every key was most of
// the fakes' time (the settings fuzz target's speed hangs on this). Parsing
// the rendered text gives back the same sections, so keeping them is the
// same as reading the file again.
static std::vector<FakeIniSection>& Sections(FakeFile& file)
{
    if (!file.parsed) {
        ParseIni(file.text, &file.sections);
        file.parsed = true;
    }
    return file.sections;
}

static const std::string& Text(FakeFile& file)
{
    if (file.textStale) {
        file.text = WriteIni(file.sections);
        file.textStale = false;
    }
    return file.text;
}

static FakeIniSection* FindSection(std::vector<FakeIniSection>& sections, SoughtName sought)
{
    for (FakeIniSection& section : sections)
        if (section.named && SameName(section.name, sought.name)) return &section;
    return nullptr;
}

// Sections this long are searched by hash first.
static const size_t KEYS_SEARCHED_BY_HASH = 8;
static const int PLACE_FREE = -1, PLACE_GIVEN_UP = -2;

// The place in the index holding a key of this name, or the free place
// where it would go.
static size_t IndexPlace(const FakeIniSection& section, std::string_view name, unsigned hash)
{
    const size_t mask = section.index.size() - 1;
    for (size_t place = hash & mask;; place = (place + 1) & mask) {
        const int at = section.index[place];
        if (at == PLACE_FREE) return place;
        if (at >= 0) {
            const FakeIniKey& key = section.keys[static_cast<size_t>(at)];
            if (key.hash == hash && SameName(key.name, name)) return place;
        }
    }
}

// Indexes the key at `at` unless an earlier copy of its name is indexed.
static void IndexKey(FakeIniSection* section, size_t at)
{
    const FakeIniKey& key = section->keys[at];
    const size_t place = IndexPlace(*section, key.name, key.hash);
    if (section->index[place] != PLACE_FREE) return;
    section->index[place] = static_cast<int>(at);
    section->indexFilled++;
}

static void BuildIndex(FakeIniSection* section)
{
    size_t places = 16;
    while (places < 4 * section->keys.size()) places *= 2;   // at most half full after appends
    section->index.assign(places, PLACE_FREE);
    section->indexFilled = 0;
    for (size_t at = 0; at < section->keys.size(); at++)
        if (!section->keys[at].removed) IndexKey(section, at);
}

static FakeIniKey* FindKey(FakeIniSection* section, SoughtName sought)
{
    if (!section) return nullptr;
    if (section->keys.size() < KEYS_SEARCHED_BY_HASH) {
        for (FakeIniKey& key : section->keys)
            if (!key.removed && SameName(key.name, sought.name)) return &key;
        return nullptr;
    }
    if (section->index.empty()) BuildIndex(section);
    const int at = section->index[IndexPlace(*section, sought.name, HashOf(&sought))];
    return at >= 0 ? &section->keys[static_cast<size_t>(at)] : nullptr;
}

// A key was added at the end of the section.
static void KeyAdded(FakeIniSection* section)
{
    if (section->index.empty()) return;
    if (2 * (section->indexFilled + 1) > section->index.size()) {
        section->index.clear();   // built anew, larger, when next needed
        return;
    }
    IndexKey(section, section->keys.size() - 1);
}

// The key was removed: the next copy of its name, if any, takes its place.
static void MarkRemoved(FakeIniSection* section, FakeIniKey* key)
{
    key->removed = true;
    if (section->index.empty()) return;
    const size_t place = IndexPlace(*section, key->name, key->hash);
    section->index[place] = PLACE_GIVEN_UP;
    for (size_t at = static_cast<size_t>(key - section->keys.data()) + 1; at < section->keys.size(); at++) {
        const FakeIniKey& next = section->keys[at];
        if (!next.removed && next.hash == key->hash && SameName(next.name, key->name)) {
            section->index[place] = static_cast<int>(at);
            return;
        }
    }
}

// The last file found and the path it was found by, exactly as given: a save
// asks for one file a few hundred times, and measuring the path and comparing
// it without regard to case along the map took more time than the rest of a
// call. Files are only ever removed by ResetFakePlatform, which starts a new
// platform.
struct FileLookup {
    unsigned platform;   // Fake.serial when it was found; 0: nothing found yet
    std::string path;
    FakeFile* file;
    bool tooLong;
};

static FileLookup LastLookup;

// Whether path is exactly known, byte for byte; it stops at path's own end.
static bool SamePath(const std::string& known, const char* path)
{
    for (const char* k = known.c_str();; ++k, ++path) {
        if (*k != *path) return false;
        if (!*k) return true;
    }
}

// The file at path, or null; *tooLong tells whether the wide calls could take the path at all.
static FakeFile* FindFile(const char* path, bool* tooLong)
{
    if (LastLookup.platform != 0 && LastLookup.platform == Fake.serial && SamePath(LastLookup.path, path)) {
        *tooLong = LastLookup.tooLong;
        return LastLookup.file;
    }
    *tooLong = TooLong(path);
    auto file = Fake.files.find(path);
    if (file == Fake.files.end()) return nullptr;
    if (Fake.serial != 0) {   // made by ResetFakePlatform: the file stays until the next one
        LastLookup.platform = Fake.serial;
        LastLookup.path.assign(path);
        LastLookup.file = &file->second;
        LastLookup.tooLong = *tooLong;
    }
    return &file->second;
}

static FakeFile* FindFile(const std::string& path)
{
    bool tooLong;
    return FindFile(path.c_str(), &tooLong);
}

// The value as GetPrivateProfileStringA returns it into a 30-character
// buffer; it points into the file and lasts until the next write.
static bool ReadValue(FakeFile* file, const char* section, const char* key, std::string_view* value)
{
    if (!file || file->locked) return false;
    const FakeIniKey* entry = FindKey(FindSection(Sections(*file), Sought(section)), Sought(key));
    if (!entry || !entry->hasValue) return false;
    std::string_view text = entry->value;
    if (text.size() > 1 && (text[0] == '"' || text[0] == '\'') && text.back() == text[0])
        text = text.substr(1, text.size() - 2);
    if (text.size() > 29) text = text.substr(0, 29);
    *value = text;
    return !text.empty();
}

// RtlUnicodeStringToInteger with base 0: blanks, a sign, an optional 0x/0o/0b
// prefix, then digits until the first that does not belong; wraps modulo 2^32.
static unsigned ParseProfileNumber(std::string_view text)
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

static bool HasBlankEnd(std::string_view text)
{
    return !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()));
}

// Whether "[section]" and "key=value" read back as exactly these names and
// this value. Blanks at the ends are trimmed, a line break splits the line,
// an '=' in the key moves the split, and a key line that starts with '[' and
// holds a ']' reads as a section header.
static bool ReadsBackAsWritten(std::string_view section, std::string_view key, std::string_view value)
{
    const bool breaks = section.find('\n') != std::string_view::npos || key.find('\n') != std::string_view::npos ||
                        value.find('\n') != std::string_view::npos;
    const bool header = !key.empty() && key[0] == '[' &&
                        (key.find(']') != std::string_view::npos || value.find(']') != std::string_view::npos);
    return !breaks && !header && key.find('=') == std::string_view::npos && !HasBlankEnd(section) &&
           !HasBlankEnd(key) && !HasBlankEnd(value);
}

static void Log(const char* what, const char* section, const char* key, const char* value)
{
    if (Fake.noLog) return;
    std::string line;
    line.reserve(64);
    line.append(what).append(" ").append(section).append(" ").append(key);
    if (value) line.append("=").append(value);
    Fake.log.push_back(std::move(line));
}

// ---- The seam ----

int ProfileFileOpenable(const char* path)
{
    bool tooLong;
    const FakeFile* file = FindFile(path, &tooLong);
    return !tooLong && file && !file->locked ? 1 : 0;
}

int ProfileReadInt(const char* section, const char* key, int defaultValue, const char* path)
{
    bool tooLong;
    FakeFile* file = FindFile(path, &tooLong);
    std::string_view value;
    if (tooLong || !ReadValue(file, section, key, &value)) return defaultValue;
    return static_cast<int>(ParseProfileNumber(value));
}

int ProfileKeyHasValue(const char* section, const char* key, const char* path)
{
    bool tooLong;
    FakeFile* file = FindFile(path, &tooLong);
    std::string_view value;
    return !tooLong && ReadValue(file, section, key, &value) ? 1 : 0;
}

int ProfileWriteString(const char* section, const char* key, const char* value, const char* path)
{
    Log("write", section, key, value);
    Fake.writes++;
    bool tooLong;
    FakeFile* file = FindFile(path, &tooLong);
    if (Fake.writes == Fake.failWrite || tooLong) return 0;
    if (!Fake.folders.count(ParentFolder(path))) return 0;
    if (file && (file->readOnly || file->locked)) return 0;
    if (!file) file = &Fake.files[LowerPath(path)];
    std::vector<FakeIniSection>& sections = Sections(*file);
    const SoughtName sectionName = Sought(section);
    SoughtName keyName = Sought(key);
    FakeIniSection* target = FindSection(sections, sectionName);
    if (!target) {
        sections.push_back({ section, true, {}, {}, 0 });
        target = &sections.back();
    }
    FakeIniKey* entry = FindKey(target, keyName);
    if (entry) {
        entry->value = value;
        entry->hasValue = true;
    } else {
        target->keys.push_back({ key, value, true, HashOf(&keyName), false });
        KeyAdded(target);
    }
    file->textStale = true;   // the profile functions write the whole file anew
    if (!ReadsBackAsWritten(section, key, value)) {
        // The file says something else than was written: keep what it says.
        ParseIni(Text(*file), &file->sections);
    }
    return 1;
}

int ProfileDeleteKey(const char* section, const char* key, const char* path)
{
    Log("delete", section, key, nullptr);
    bool tooLong;
    FakeFile* file = FindFile(path, &tooLong);
    if (tooLong) return 0;
    if (!file) return 1;
    if (file->readOnly || file->locked) return 0;
    FakeIniSection* target = FindSection(Sections(*file), Sought(section));
    FakeIniKey* entry = FindKey(target, Sought(key));
    if (entry) {
        MarkRemoved(target, entry);
        file->textStale = true;
    }
    return 1;
}

int PlatformCreateFolder(const char* path)
{
    if (!Fake.noLog) Fake.log.push_back(std::string("mkdir ") + path);
    if (TooLong(path)) return 0;
    if (Fake.folders.count(std::string_view(path))) return 1;
    const std::string_view parent = ParentFolder(path);
    if (!Fake.folders.count(parent) || Fake.lockedFolders.count(parent)) return 0;
    Fake.folders.insert(LowerPath(path));
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
    FakeFile* file = FindFile(path);
    return file ? Text(*file) : std::string("<none>");
}

void PutFakeFile(const std::string& path, const std::string& text)
{
    FakeFile* file = FindFile(path);
    if (!file) file = &Fake.files[LowerPath(path)];
    // In the old file's storage: the fuzz targets put one file after another.
    file->text = text;
    file->readOnly = false;
    file->locked = false;
    file->parsed = false;
    file->textStale = false;
}

std::string FakeProfileValue(const std::string& path, const std::string& section, const std::string& key)
{
    std::string_view value;
    return ReadValue(FindFile(path), section.c_str(), key.c_str(), &value) ? std::string(value)
                                                                           : std::string("<absent>");
}

std::vector<std::string> FakeSections(const std::string& path)
{
    std::vector<std::string> names;
    FakeFile* file = FindFile(path);
    if (!file) return names;
    for (const FakeIniSection& section : Sections(*file))
        if (section.named) names.push_back(section.name);
    return names;
}

std::vector<std::string> FakeKeys(const std::string& path, const std::string& section)
{
    std::vector<std::string> names;
    FakeFile* file = FindFile(path);
    if (!file) return names;
    FakeIniSection* found = FindSection(Sections(*file), Sought(section.c_str()));
    if (found)
        for (const FakeIniKey& key : found->keys)
            if (!key.removed) names.push_back(key.name);
    return names;
}

// The units file's seam: the same files, read and replaced whole; a replacement
// fails as the profile's writes do, and the old text then stays.
int UnitsFileRead(const char* path, char* buffer, int size)
{
    bool tooLong;
    FakeFile* file = FindFile(path, &tooLong);
    if (tooLong || !file || file->locked) return -1;
    const std::string text = Text(*file);
    const int length = text.size() < static_cast<size_t>(size) ? static_cast<int>(text.size()) : size;
    memcpy(buffer, text.data(), static_cast<size_t>(length));
    return length;
}

int UnitsFileReplace(const char* path, const char* text, int length)
{
    Log("replace", path, "", "");
    Fake.writes++;
    bool tooLong;
    FakeFile* file = FindFile(path, &tooLong);
    if (Fake.writes == Fake.failWrite || tooLong || !Fake.folders.count(ParentFolder(path))) return 0;
    if (file && (file->readOnly || file->locked)) return 0;
    PutFakeFile(path, std::string(text, static_cast<size_t>(length)));
    return 1;
}
