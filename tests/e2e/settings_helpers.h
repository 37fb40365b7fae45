// What a running Metrova holds (its lists and options, read from its menus)
// and what a settings file holds (read as the profile reader reads it), in
// one form, so that the two can be compared.
#pragma once
#include "tests/e2e/driver.h"
#include "catalogue/units.h"
#include "res/resource.h"

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

struct HeldSettings {
    std::vector<std::string> recent;      // item texts, newest first
    std::vector<std::string> favorites;   // item texts, in order
    bool scientific;                      // NUM_FORMAT 0
    int decimals;                         // DEC_PLACE; -1 when no decimals item is checked
};

inline bool operator==(const HeldSettings& a, const HeldSettings& b)
{
    return a.recent == b.recent && a.favorites == b.favorites && a.scientific == b.scientific &&
           a.decimals == b.decimals;
}

inline bool operator!=(const HeldSettings& a, const HeldSettings& b)
{
    return !(a == b);
}

inline std::ostream& operator<<(std::ostream& out, const HeldSettings& held)
{
    out << "recent {";
    for (const std::string& item : held.recent) out << " [" << item << "]";
    out << " } favorites {";
    for (const std::string& item : held.favorites) out << " [" << item << "]";
    return out << " } scientific " << held.scientific << " decimals " << held.decimals;
}

// "E&xit" from the menu, as the user ends the program; true when it ended
// with 0 within timeoutMs.
inline bool ExitByMenu(MetrovaApp* app, DWORD timeoutMs = 10000)
{
    DWORD code = 99;
    const bool ended = PostCommand(app->window, IDM_GO_EXIT) && WaitForExit(app, timeoutMs, &code);
    StopMetrova(app);
    return ended && code == 0;
}

inline bool MenuChecked(const std::vector<MenuEntry>& bar, int id)
{
    const MenuEntry* item = FindMenuItem(bar, id);
    return item && item->checked;
}

inline bool Checked(MetrovaApp* app, int id)
{
    std::vector<MenuEntry> bar;
    return ReadMenu(app, &bar) && MenuChecked(bar, id);
}

inline std::vector<std::string> ItemTexts(const std::vector<std::string>& items)
{
    std::vector<std::string> texts;
    for (const std::string& item : items) texts.push_back(item.substr(item.find(' ') + 1));
    return texts;
}

// The lists and options the running program holds, from its menus.
inline HeldSettings Held(MetrovaApp* app)
{
    HeldSettings held = { ItemTexts(ListItems(app, GO_MENU)), ItemTexts(ListItems(app, FAVORITES_MENU)), false, -1 };
    std::vector<MenuEntry> bar;
    if (!ReadMenu(app, &bar)) return held;
    held.scientific = MenuChecked(bar, IDM_OPTIONS_SCIENTIFIC);
    for (int id = IDM_DECIMALS_FIRST; id <= IDM_DECIMALS_LAST; ++id)
        if (MenuChecked(bar, id)) held.decimals = id - IDM_DECIMALS_FIRST;
    return held;
}

// A settings file as the profile reader sees it: for each section (first of
// its name, names without regard to case), the first copy of each key.
typedef std::map<std::string, std::map<std::string, std::string>> IniView;

inline std::string LowerAscii(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return text;
}

inline std::string TrimBlanks(const std::string& text)
{
    size_t begin = text.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) return "";
    size_t end = text.find_last_not_of(" \t\r\n");
    return text.substr(begin, end - begin + 1);
}

// Calls onSection(lower-case name) for each section line and onLine(line) for
// every other non-blank line of the file, trimmed, in file order.
template <typename SectionFn, typename LineFn>
void WalkIni(const std::string& text, SectionFn onSection, LineFn onLine)
{
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = TrimBlanks(text.substr(start, end - start));
        start = end + 1;
        if (line.empty()) continue;
        if (line[0] == '[' && line.rfind(']') != std::string::npos)
            onSection(LowerAscii(TrimBlanks(line.substr(1, line.rfind(']') - 1))));
        else
            onLine(line);
    }
}

inline IniView ReadIni(const std::string& text)
{
    IniView ini;
    std::map<std::string, std::string>* section = 0;
    bool firstOfName = false;
    WalkIni(
        text,
        [&](const std::string& name) {
            firstOfName = !ini.count(name);
            section = &ini[name];
        },
        [&](const std::string& line) {
            const size_t equals = line.find('=');
            if (!section || !firstOfName || equals == std::string::npos) return;
            const std::string key = LowerAscii(TrimBlanks(line.substr(0, equals)));
            if (!section->count(key)) (*section)[key] = TrimBlanks(line.substr(equals + 1));
        });
    return ini;
}

inline std::string ConversionText(int category, int fromIndex, int toIndex)
{
    return std::string(UnitName(category, fromIndex)) + " ~ " + UnitName(category, toIndex);
}

// Entry n of a list in the file as the loader takes it: false when its three
// keys do not name a conversion in the catalogue.
inline bool StoredEntry(const IniView& ini, const char* section, const char* prefix, int n, std::string* text)
{
    auto found = ini.find(LowerAscii(section));
    if (found == ini.end()) return false;
    int values[3];
    const char* fields[3] = { "_cat_", "_fr_", "_to_" };
    for (int field = 0; field < 3; ++field) {
        auto key = found->second.find(LowerAscii(prefix) + fields[field] + std::to_string(n));
        if (key == found->second.end() || key->second.empty()) return false;
        values[field] = int(std::strtoul(key->second.c_str(), 0, 0));
    }
    if (!UnitExists(values[0], values[1]) || !UnitExists(values[0], values[2])) return false;
    *text = ConversionText(values[0], values[1], values[2]);
    return true;
}

// What a start of the program on this file would hold.
inline HeldSettings FileSettings(const std::string& text)
{
    const IniView ini = ReadIni(text);
    HeldSettings held = { {}, {}, false, 6 };
    std::string entry;
    for (int n = 1; n <= 20 && StoredEntry(ini, "Favorites List", "FAVORITE", n, &entry); ++n)
        held.favorites.push_back(entry);
    for (int n = 1; n <= 10 && StoredEntry(ini, "Recent List", "RECENT", n, &entry); ++n)
        held.recent.push_back(entry);
    auto options = ini.find("options");
    if (options != ini.end()) {
        auto format = options->second.find("num_format");
        if (format != options->second.end() && !format->second.empty())
            held.scientific = std::strtol(format->second.c_str(), 0, 0) == 0;
        auto places = options->second.find("dec_place");
        if (places != options->second.end() && !places->second.empty())
            held.decimals = int(std::strtoul(places->second.c_str(), 0, 0) & 0xFFFF);
    }
    return held;
}

// The keys of a section of the file, every copy, in file order (names as written).
inline std::vector<std::string> SectionKeys(const std::string& text, const char* section)
{
    std::vector<std::string> keys;
    bool inside = false;
    WalkIni(
        text, [&](const std::string& name) { inside = name == LowerAscii(section); },
        [&](const std::string& line) {
            if (inside) keys.push_back(TrimBlanks(line.substr(0, line.find('='))));
        });
    return keys;
}

// "PREFIX_CAT_n=c" and the other two keys of entry n, with line ends.
inline std::string EntryLines(const char* prefix, int n, int category, int fromIndex, int toIndex)
{
    const std::string number = std::to_string(n);
    return std::string(prefix) + "_CAT_" + number + "=" + std::to_string(category) + "\r\n" + prefix + "_FR_" +
           number + "=" + std::to_string(fromIndex) + "\r\n" + prefix + "_TO_" + number + "=" +
           std::to_string(toIndex) + "\r\n";
}
