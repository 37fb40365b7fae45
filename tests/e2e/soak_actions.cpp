#include "tests/e2e/soak_actions.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "res/resource.h"

const char* const SOAK_KIND_CODES[ACT_KINDS] = { "C", "U", "KU", "KC", "T", "X", "TAB", "K", "S", "D",
                                                 "N", "FA", "FR", "R", "F", "FIND", "SAVE", "RST", "M", "A", "V", "AU", "Q" };

SoakAction SoakMake(SoakActionKind kind, int a, int b, int c, int d, const std::string& text)
{
    return SoakAction{ kind, a, b, c, d, text };
}

namespace {

// ---- Describing ----------------------------------------------------------------------------

const char* SideName(int side) { return side == 1 ? "From" : "To"; }

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) out += c == '\b' ? std::string("<BS>") : std::string(1, c);
    return out + "\"";
}

std::string SettleName(int settle)
{
    switch (settle) {
    case SETTLE_ENTER: return "Enter";
    case SETTLE_TAB: return "Tab";
    case SETTLE_SHIFT_TAB: return "Shift+Tab";
    case SETTLE_ESCAPE: return "Escape";
    default: return "no key after";
    }
}

const char* ChooserName(int chooser)
{
    return chooser == 0 ? "category" : chooser == 1 ? "from-unit" : "to-unit";
}

std::string UnitLabel(int category, int unit)
{
    return std::to_string(category) + ":" + std::to_string(unit) + " \"" + SoakUnitName(category, unit) + "\"";
}

}  // namespace

std::string SoakDescribe(const SoakAction& a)
{
    switch (a.kind) {
    case ACT_PICK_CATEGORY:
        return "pick category " + std::to_string(a.a) + " \"" + SoakCategoryName(a.a) + "\" (PickItem)";
    case ACT_PICK_UNIT:
        return std::string("pick ") + (a.a == 1 ? "from" : "to") + "-unit #" + std::to_string(a.b) + " (PickItem)";
    case ACT_KEY_UNIT:
        return std::string("Tab to the ") + (a.a == 1 ? "from" : "to") + "-unit chooser, " +
               (a.d ? "Alt+Down, " : "") + (a.b > 0 ? "Down" : "Up") + " x" + std::to_string(std::abs(a.b)) + ", " +
               SettleName(a.c);
    case ACT_KEY_CATEGORY:
        return std::string("Tab to the category chooser, ") + (a.d ? "Alt+Down, " : "") + (a.b > 0 ? "Down" : "Up") +
               ", " + SettleName(a.c);
    case ACT_MOUSE_PICK:
        return std::string("click the ") + ChooserName(a.a) + " chooser, click its item #" + std::to_string(a.b);
    case ACT_TYPE_TEXT: return std::string("click into the ") + SideName(a.a) + " box and type " + Quoted(a.text);
    case ACT_CLEAR_BOX: return std::string("clear the ") + SideName(a.a) + " box";
    case ACT_TAB_KEYS: return std::string(a.b ? "Shift+Tab" : "Tab") + " x" + std::to_string(a.a);
    case ACT_TYPE_KEYS: return "press keys " + Quoted(a.text) + " (the focused box)";
    case ACT_SWAP: return a.a ? "Swap by Alt+V, Enter" : "Swap";
    case ACT_DECIMALS: return "decimal places " + std::to_string(a.a);
    case ACT_NOTATION: return a.a ? "Automatic Notation" : "Scientific Notation";
    case ACT_FRACTIONS: return "Fractions item " + std::to_string(a.a);
    case ACT_CHOICE:
        return std::string(a.a == CHOICE_FORMULA ? "Formula" : a.a == CHOICE_ON_TOP ? "Always on Top"
                                                                                     : "Windows Decimal Symbol") +
               (a.b ? " from the keys" : "");
    case ACT_FAVORITE_ADD: return "Add to Favoriates";
    case ACT_FAVORITE_REMOVE: return "Remove from Favoriates";
    case ACT_APPLY_RECENT: return "recent item " + std::to_string(a.a) + " from the top";
    case ACT_APPLY_FAVORITE: return "favourite item " + std::to_string(a.a);
    case ACT_FIND_UNIT:
        return std::string("Find Unit (") + (a.d & 1 ? "menu" : "Ctrl+F") + "): " + UnitLabel(a.a, a.b) + ", " +
               (a.c == 0 ? (a.d & 2 ? "Cancel" : "Escape")
                         : a.c == 1 ? (a.d & 2 ? "Set From button" : "Enter") : (a.d & 2 ? "Set To button" : "Alt+T"));
    case ACT_SAVE_ON_EXIT: return "Save Settings Upon Exit";
    case ACT_RESTART: return std::string(a.a ? "close the window" : "Exit") + " and start again";
    case ACT_ABOUT: return std::string("About, closed by ") + (a.a ? "Escape" : "Enter");
    case ACT_ALL_UNITS:
        return std::string("All Units (") + (a.a ? "Ctrl+U" : "menu") + "), read row #" + std::to_string(a.b) +
               ", closed by " + (a.c ? "the close box" : "Escape");
    default: return "?";
    }
}

// One action as "CODE,a,b,c,d[,hex text]"; the sequence joined by ';'.
std::string SoakEncode(const std::vector<SoakAction>& actions)
{
    std::string out;
    for (const SoakAction& a : actions) {
        char head[96];
        std::snprintf(head, sizeof head, "%s%s,%d,%d,%d,%d", out.empty() ? "" : ";", SOAK_KIND_CODES[a.kind], a.a, a.b,
                      a.c, a.d);
        out += head;
        if (!a.text.empty()) {
            out += ",";
            for (unsigned char c : a.text) {
                char hex[3];
                std::snprintf(hex, sizeof hex, "%02x", c);
                out += hex;
            }
        }
    }
    return out;
}

bool SoakDecode(const std::string& code, std::vector<SoakAction>* actions)
{
    size_t start = 0;
    while (start < code.size()) {
        size_t end = code.find(';', start);
        if (end == std::string::npos) end = code.size();
        std::string item = code.substr(start, end - start);
        start = end + 1;
        std::vector<std::string> f;
        size_t s = 0;
        for (;;) {
            size_t comma = item.find(',', s);
            f.push_back(item.substr(s, comma == std::string::npos ? std::string::npos : comma - s));
            if (comma == std::string::npos) break;
            s = comma + 1;
        }
        if (f.size() < 5) return false;
        int kind = -1;
        for (int k = 0; k < ACT_KINDS; ++k)
            if (f[0] == SOAK_KIND_CODES[k]) kind = k;
        if (kind < 0) return false;
        SoakAction a = SoakMake(SoakActionKind(kind), std::atoi(f[1].c_str()), std::atoi(f[2].c_str()),
                                std::atoi(f[3].c_str()), std::atoi(f[4].c_str()));
        if (f.size() > 5)
            for (size_t i = 0; i + 1 < f[5].size(); i += 2)
                a.text += char(std::strtol(f[5].substr(i, 2).c_str(), 0, 16));
        actions->push_back(a);
    }
    return true;
}

// ---- Random numbers --------------------------------------------------------------------

uint64_t SoakRng::Next()
{
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int SoakRng::Below(int n) { return n <= 1 ? 0 : int(Next() % uint64_t(n)); }
bool SoakRng::Chance(int percent) { return Below(100) < percent; }
int SoakRng::Between(int low, int high) { return low + Below(high - low + 1); }

namespace {

// ---- Find Unit queries ---------------------------------------------------------------------

// Words of a unit's name that the search finds it by: runs of three or more
// ASCII letters, lower-cased, not an entity's name ("&sup2;") nor "per"
// (which the search reads as a slash). Up to two, the longest first.
std::string FindQuery(int category, int unit)
{
    const std::string name = SoakUnitName(category, unit);
    std::vector<std::string> words;
    for (size_t i = 0; i < name.size();) {
        if (!std::isalpha(static_cast<unsigned char>(name[i])) || (name[i] & 0x80)) {
            ++i;
            continue;
        }
        size_t j = i;
        std::string word;
        while (j < name.size() && !(name[j] & 0x80) && std::isalpha(static_cast<unsigned char>(name[j])))
            word += char(std::tolower(static_cast<unsigned char>(name[j++])));
        const bool entity = i > 0 && name[i - 1] == '&';
        if (word.size() >= 3 && !entity && word != "per") words.push_back(word);
        i = j;
    }
    std::stable_sort(words.begin(), words.end(),
                     [](const std::string& x, const std::string& y) { return x.size() > y.size(); });
    words.erase(std::unique(words.begin(), words.end()), words.end());
    if (words.size() > 2) words.resize(2);
    std::string query;
    for (const std::string& w : words) query += (query.empty() ? "" : " ") + w;
    return query;
}

// The start of the row Find Unit lists for a unit: its name (without
// trailing blanks), a middle dot and its category.
std::wstring RowStart(int category, int unit)
{
    std::string name = SoakUnitName(category, unit);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return WideFrom1252(name + " \xB7 " + SoakCategoryName(category));
}

// ---- Generating ------------------------------------------------------------------------

// Categories with few units, where equal units, listed conversions and a
// full recent ring come up often.
const int SMALL_CATEGORIES[] = { 4, 5, 8, 10, 11, 20, 21, 23, 28, 29 };

int RandomCategory(const SoakModel& m, SoakRng& rng)
{
    const int r = rng.Below(100);
    if (r < 20) return m.category;
    if (r < 70) return SMALL_CATEGORIES[rng.Below(int(sizeof SMALL_CATEGORIES / sizeof SMALL_CATEGORIES[0]))];
    return rng.Below(SoakCategoryCount());
}

int RandomUnit(const SoakModel& m, SoakRng& rng, int side)
{
    const int count = SoakUnitCount(m.category);
    const int r = rng.Below(100);
    if (r < 20) return side == 1 ? m.toUnit : m.fromUnit;   // the same unit on both sides
    if (r < 80) return rng.Below(std::min(count, 10));
    return rng.Below(count);
}

std::string Digits(SoakRng& rng, int count)
{
    std::string s;
    for (int i = 0; i < count; ++i) s += char('0' + rng.Below(10));
    return s;
}

// A number as a user might type it, now and then at the edges of what is accepted.
std::string RandomNumber(SoakRng& rng)
{
    std::string s;
    if (rng.Chance(10)) s += " ";
    const int sign = rng.Below(100);
    if (sign < 15) s += "-";
    else if (sign < 20) s += "+";
    const int shape = rng.Below(100);
    if (shape < 5) return s + Digits(rng, 18);          // the most digits accepted
    if (shape < 8) return s + Digits(rng, 19);          // one too many
    if (shape < 13) s += "." + Digits(rng, rng.Between(1, 4));
    else {
        s += (rng.Chance(10) ? "00" : "") + Digits(rng, rng.Between(1, 6));
        if (rng.Chance(40)) s += "." + Digits(rng, rng.Between(0, 5));
    }
    const int exponent = rng.Below(100);
    if (exponent < 25) {
        s += rng.Chance(70) ? "e" : "E";
        const int es = rng.Below(3);
        if (es == 1) s += "-";
        if (es == 2) s += "+";
        const int size = rng.Below(100);
        if (size < 70) s += std::to_string(rng.Between(0, 40));
        else if (size < 85) s += std::to_string(rng.Between(250, 330));
        else {
            const char* const edges[] = { "400", "4931", "4932", "00007", "99999" };
            s += edges[rng.Below(5)];
        }
    }
    return s;
}

// Text that is not a number, or becomes one only with what follows, and
// some of the fractions and sums the boxes read. ASCII only: TypeText sends
// bytes through the code page.
std::string RandomJunk(SoakRng& rng)
{
    const char* const junk[] = { "abc", "x", " ", "5 ", "1,5", "--5", "e5", ".", "+", "-", "1e", "1e+",
                                 "0x10", "1..2", "#", "\b", "\b\b", "ee", "+-5", "- 5", "1.2.3", "E",
                                 "(2+1/2)*3", "3-1/2", "1,234.5", "1/0", "(1", "2*" };
    return junk[rng.Below(int(sizeof junk / sizeof junk[0]))];
}

std::string RandomFragment(SoakRng& rng)
{
    const int r = rng.Below(100);
    if (r < 60) return RandomNumber(rng);
    if (r < 80) return RandomJunk(rng);
    const char* const tails[] = { "7", "00", ".25", "e3", "e-2", "5", "\b", "9", " 1/2", "/16", "*3", "+1", ",250" };
    return tails[rng.Below(int(sizeof tails / sizeof tails[0]))];
}

// Real keys for the focused box: what the keyboard gives without surprises.
std::string RandomKeys(SoakRng& rng)
{
    const char* const keys[] = { "1", "25", "3.5", "-2", "e3", "0", ".", "\b", "abc", "1e-3", "42", " ", "7\b8" };
    return keys[rng.Below(int(sizeof keys / sizeof keys[0]))];
}

struct Weighted {
    SoakActionKind kind;
    int weight;
};

// How often each kind is drawn, out of the sum. Typing and unit picks come
// most, exits least (each costs a start of the program).
const Weighted WEIGHTS[] = {
    { ACT_PICK_CATEGORY, 6 }, { ACT_PICK_UNIT, 16 },      { ACT_KEY_UNIT, 5 },       { ACT_KEY_CATEGORY, 2 },
    { ACT_TYPE_TEXT, 18 },    { ACT_CLEAR_BOX, 7 },       { ACT_TAB_KEYS, 5 },       { ACT_TYPE_KEYS, 5 },
    { ACT_SWAP, 5 },          { ACT_DECIMALS, 4 },        { ACT_NOTATION, 3 },       { ACT_FAVORITE_ADD, 10 },
    { ACT_FAVORITE_REMOVE, 2 }, { ACT_APPLY_RECENT, 5 },  { ACT_APPLY_FAVORITE, 5 }, { ACT_FIND_UNIT, 2 },
    { ACT_SAVE_ON_EXIT, 2 },  { ACT_RESTART, 1 },         { ACT_MOUSE_PICK, 4 },     { ACT_ABOUT, 1 },
    { ACT_CHOICE, 2 },
    { ACT_ALL_UNITS, 2 },
    { ACT_FRACTIONS, 2 },
};

SoakAction GenerateOne(const SoakModel& m, SoakRng& rng, SoakActionKind last)
{
    // Removing the favourite just applied is what makes removals happen;
    // more of them near a full list, which would otherwise stay full.
    const bool nearlyFull = m.favorites.size() + 2 >= size_t(SOAK_FAVORITES_MAX);
    if (last == ACT_APPLY_FAVORITE && rng.Chance(nearlyFull ? 60 : 25)) return SoakMake(ACT_FAVORITE_REMOVE);
    if (nearlyFull && rng.Chance(8)) return SoakMake(ACT_APPLY_FAVORITE, rng.Below(int(m.favorites.size())));
    int total = 0;
    for (const Weighted& w : WEIGHTS) total += w.weight;
    for (;;) {
        int pick = rng.Below(total);
        SoakActionKind kind = ACT_KINDS;
        for (const Weighted& w : WEIGHTS) {
            if (pick < w.weight) {
                kind = w.kind;
                break;
            }
            pick -= w.weight;
        }
        const int side = rng.Chance(50) ? 1 : 2;
        const bool drop = rng.Chance(25);
        const int r = rng.Below(100);
        // A dropped list is always closed; a browse without one may be left open.
        const int settle = drop ? (r < 35 ? SETTLE_ENTER : r < 70 ? SETTLE_ESCAPE : r < 90 ? SETTLE_TAB
                                                                                          : SETTLE_SHIFT_TAB)
                                : (r < 35 ? SETTLE_ENTER : r < 65 ? SETTLE_TAB : r < 80 ? SETTLE_SHIFT_TAB
                                                                                       : SETTLE_NONE);
        switch (kind) {
        // The harness's picks select without moving the focus, which a real
        // click would do first (ending a browse): not while one is open.
        case ACT_PICK_CATEGORY:
            if (m.browseUnsettled) continue;
            return SoakMake(ACT_PICK_CATEGORY, RandomCategory(m, rng));
        case ACT_PICK_UNIT:
            if (m.browseUnsettled) continue;
            return SoakMake(ACT_PICK_UNIT, side, RandomUnit(m, rng, side));
        case ACT_KEY_UNIT: {
            int steps = rng.Between(1, 4);
            return SoakMake(ACT_KEY_UNIT, side, rng.Chance(65) ? steps : -steps, settle, drop);
        }
        case ACT_KEY_CATEGORY: return SoakMake(ACT_KEY_CATEGORY, 0, rng.Chance(50) ? 1 : -1, settle, drop);
        case ACT_MOUSE_PICK: {
            const int chooser = rng.Below(3);
            const int item = chooser == 0 ? RandomCategory(m, rng) : RandomUnit(m, rng, chooser);
            return SoakMake(ACT_MOUSE_PICK, chooser, item);
        }
        case ACT_TYPE_TEXT: return SoakMake(ACT_TYPE_TEXT, side, 0, 0, 0, RandomFragment(rng));
        case ACT_CLEAR_BOX: return SoakMake(ACT_CLEAR_BOX, side);
        case ACT_TAB_KEYS: return SoakMake(ACT_TAB_KEYS, rng.Between(1, 3), rng.Chance(30) ? 1 : 0);
        case ACT_TYPE_KEYS:
            if (!SoakCanTypeKeys(m)) continue;
            return SoakMake(ACT_TYPE_KEYS, 0, 0, 0, 0, RandomKeys(rng));
        case ACT_SWAP: return SoakMake(ACT_SWAP, rng.Chance(20) ? 1 : 0);
        case ACT_DECIMALS: return SoakMake(ACT_DECIMALS, rng.Below(16));
        case ACT_NOTATION: return SoakMake(ACT_NOTATION, rng.Chance(50) ? 1 : 0);
        case ACT_FRACTIONS: return SoakMake(ACT_FRACTIONS, rng.Below(7));
        case ACT_CHOICE: return SoakMake(ACT_CHOICE, rng.Below(CHOICE_COUNT), rng.Chance(40) ? 1 : 0);
        case ACT_FAVORITE_ADD: return SoakMake(ACT_FAVORITE_ADD);
        case ACT_FAVORITE_REMOVE: return SoakMake(ACT_FAVORITE_REMOVE);
        case ACT_APPLY_RECENT:
            if (m.recentCount == 0) continue;
            return SoakMake(ACT_APPLY_RECENT, rng.Below(m.recentCount));
        case ACT_APPLY_FAVORITE:
            if (m.favorites.empty()) continue;
            return SoakMake(ACT_APPLY_FAVORITE, rng.Below(int(m.favorites.size())));
        case ACT_FIND_UNIT: {
            const int category = rng.Chance(50) ? m.category : RandomCategory(m, rng);
            const int unit = rng.Below(SoakUnitCount(category));
            if (FindQuery(category, unit).empty()) continue;
            const int choice = rng.Below(100);
            return SoakMake(ACT_FIND_UNIT, category, unit, choice < 10 ? 0 : choice < 55 ? 1 : 2, rng.Below(4));
        }
        case ACT_SAVE_ON_EXIT: return SoakMake(ACT_SAVE_ON_EXIT);
        case ACT_RESTART: return SoakMake(ACT_RESTART, rng.Chance(30) ? 1 : 0);
        case ACT_ABOUT: return SoakMake(ACT_ABOUT, rng.Chance(50) ? 1 : 0);
        case ACT_ALL_UNITS: return SoakMake(ACT_ALL_UNITS, rng.Below(2), rng.Below(400), rng.Below(2));
        default: continue;
        }
    }
}

// ---- Performing ------------------------------------------------------------------------

HWND BoxOf(const MetrovaApp& app, int side) { return side == 1 ? FromBox(app) : ToBox(app); }
HWND UnitChooserOf(const MetrovaApp& app, int side) { return side == 1 ? FromUnitChooser(app) : ToUnitChooser(app); }

// Both the program (when app is given) and the model take the action. Real
// keys are pressed one at a time and the model follows each, since what a
// Tab or an arrow does depends on where the focus is by then. Returns what
// went wrong on the program's side, or nothing.
struct Performer {
    MetrovaApp* app;    // 0: the model alone
    SoakModel* m;
    std::vector<std::string> problems;

    bool Live() const { return app != 0; }
    bool Require(bool ok, const std::string& what)
    {
        if (!ok) problems.push_back(what);
        return ok;
    }
    void Front()
    {
        if (Live() && GetForegroundWindow() != app->window)
            Require(BringToFront(app), "cannot bring Metrova to the front");
    }
    void Key(WORD key, int modifiers = KEY_PLAIN)
    {
        if (Live()) Require(PressKey(key, modifiers), "a key press failed");
    }
    void Tab(bool backwards)
    {
        Key(VK_TAB, backwards ? KEY_SHIFT : KEY_PLAIN);
        SoakTabKey(m, backwards);
    }
    // Tab (or Shift+Tab, whichever is shorter) until the focus is on target.
    void TabTo(SoakFocus target)
    {
        const int forward = (target - m->focus + FOCUS_COUNT) % FOCUS_COUNT;
        const bool backwards = forward > FOCUS_COUNT - forward;
        for (int i = 0, n = backwards ? FOCUS_COUNT - forward : forward; i < n; ++i) Tab(backwards);
    }
    void Settle(int settle)
    {
        switch (settle) {
        case SETTLE_ENTER:
            Key(VK_RETURN);
            SoakEnterKey(m);
            break;
        case SETTLE_ESCAPE:   // closes a dropped list, which keeps the unit browsed to
            Key(VK_ESCAPE);
            SoakCloseList(m);
            break;
        case SETTLE_TAB:
        case SETTLE_SHIFT_TAB: Tab(settle == SETTLE_SHIFT_TAB); break;
        default: break;
        }
    }
    // The menu opens, as it does before the user can choose from it; what it
    // lists from then on is what the user chooses among.
    void OpenMenu()
    {
        SoakMenuOpens(m);
        if (Live()) {
            Require(SendBounded(app->window, WM_INITMENU, WPARAM(GetMenu(app->window)), 0),
                    "WM_INITMENU was not handled");
        }
    }
    void Choose(int id)
    {
        if (Live()) Require(SendCommand(app->window, id), "menu command " + std::to_string(id) + " was not handled");
    }
    void Command(int id)
    {
        OpenMenu();
        Choose(id);
    }

    void Do(const SoakAction& a);
    void FindUnit(const SoakAction& a);
    void Restart(const SoakAction& a);
    void MousePick(const SoakAction& a);
    void About(const SoakAction& a);
    void Choice(const SoakAction& a);

    void AllUnits(const SoakAction& a);
};

void Performer::Do(const SoakAction& a)
{
    switch (a.kind) {
    case ACT_PICK_CATEGORY:
        if (Live()) Require(PickItem(CategoryChooser(*app), a.a), "pick failed");
        SoakPickCategory(m, a.a);
        break;
    case ACT_PICK_UNIT: {
        const int unit = a.b % SoakUnitCount(m->category);
        if (Live()) Require(PickItem(UnitChooserOf(*app, a.a), unit), "pick failed");
        SoakPickUnit(m, a.a, unit);
        break;
    }
    case ACT_KEY_UNIT: {
        Front();
        TabTo(a.a == 1 ? FOCUS_FROM_UNIT : FOCUS_TO_UNIT);
        if (a.d) Key(VK_DOWN, KEY_ALT);   // drops the list
        int unit = a.a == 1 ? m->fromUnit : m->toUnit;
        const int target = std::max(0, std::min(SoakUnitCount(m->category) - 1, unit + a.b));
        const bool down = target > unit;
        while (unit != target) {   // only keys that move: one at an end may or may not notify
            unit += down ? 1 : -1;
            Key(down ? VK_DOWN : VK_UP);
            SoakBrowseUnit(m, a.a, unit);
        }
        Settle(a.c);
        break;
    }
    case ACT_KEY_CATEGORY: {
        Front();
        TabTo(FOCUS_CATEGORY);
        const int target = m->category + a.b;
        if (target >= 0 && target < SoakCategoryCount()) {   // the focus (and the list) leaves the chooser with the change
            if (a.d) Key(VK_DOWN, KEY_ALT);
            Key(a.b > 0 ? VK_DOWN : VK_UP);
            SoakBrowseCategory(m, target);
        }
        Settle(a.c);
        break;
    }
    case ACT_TYPE_TEXT:
        if (Live()) Require(TypeText(BoxOf(*app, a.a), a.text.c_str()), "typing failed");
        SoakClickAndType(m, a.a, a.text);
        break;
    case ACT_CLEAR_BOX:
        if (Live()) Require(ClearBox(BoxOf(*app, a.a)), "clearing failed");
        SoakClearBox(m, a.a);
        break;
    case ACT_TAB_KEYS:
        Front();
        for (int i = 0; i < a.a; ++i) Tab(a.b != 0);
        break;
    case ACT_TYPE_KEYS:
        if (!SoakCanTypeKeys(*m)) break;   // the caret is nowhere the model knows: nothing typed
        Front();
        for (char c : a.text) {
            if (c == '\b') Key(VK_BACK);
            else if (Live())
                Require(PressKeys(std::string(1, c).c_str()), "no key types " + Quoted(std::string(1, c)));
        }
        SoakTypeKeys(m, a.text);
        break;
    case ACT_SWAP:
        if (a.a) {
            Front();
            SoakMenuOpens(m);
            Key('V', KEY_ALT);   // "&View", whose first item is "Swap"
            Key(VK_RETURN);
        } else {
            Command(IDM_VIEW_SWAP);
        }
        SoakSwap(m);
        break;
    case ACT_DECIMALS:
        Command(IDM_DECIMALS_FIRST + a.a);
        SoakSetDecimals(m, a.a);
        break;
    case ACT_NOTATION:
        Command(a.a ? IDM_OPTIONS_AUTOMATIC : IDM_OPTIONS_SCIENTIFIC);
        if (a.a) SoakFlipAutomatic(m);
        else SoakFlipNotation(m);
        break;
    case ACT_CHOICE: Choice(a); break;
    case ACT_FRACTIONS:
        Command(IDM_FRACTIONS_FIRST + a.a);
        SoakSetDenominator(m, a.a ? 1 << a.a : 0);
        break;
    case ACT_FAVORITE_ADD:
        Command(IDM_FAVORITES_ADD);
        SoakAddFavorite(m);
        break;
    case ACT_FAVORITE_REMOVE:
        Command(IDM_FAVORITES_REMOVE);
        SoakRemoveFavorite(m);
        break;
    case ACT_APPLY_RECENT: {
        OpenMenu();
        const int id = SoakRecentId(*m, a.a);
        if (id < 0) break;   // no such item (in a shortened sequence)
        Choose(id);
        SoakApplyRecent(m, a.a);
        break;
    }
    case ACT_APPLY_FAVORITE:
        OpenMenu();
        if (a.a >= int(m->favorites.size())) break;
        Choose(IDM_FAVORITE_FIRST + a.a);
        SoakApplyFavorite(m, a.a);
        break;
    case ACT_FIND_UNIT: FindUnit(a); break;
    case ACT_SAVE_ON_EXIT:
        Command(IDM_OPTIONS_SAVE_ON_EXIT);
        SoakFlipSaveOnExit(m);
        break;
    case ACT_RESTART: Restart(a); break;
    case ACT_MOUSE_PICK: MousePick(a); break;
    case ACT_ABOUT: About(a); break;
    case ACT_ALL_UNITS: AllUnits(a); break;
    default: break;
    }
}

void Performer::MousePick(const SoakAction& a)
{
    const SoakFocus chooser = a.a == 0 ? FOCUS_CATEGORY : a.a == 1 ? FOCUS_FROM_UNIT : FOCUS_TO_UNIT;
    const int current = a.a == 0 ? m->category : a.a == 1 ? m->fromUnit : m->toUnit;
    const int index = a.b % (a.a == 0 ? SoakCategoryCount() : SoakUnitCount(m->category));
    if (index == current) return;   // a click on the item already chosen may or may not notify
    if (Live()) {
        Front();
        HWND control = a.a == 0 ? CategoryChooser(*app) : UnitChooserOf(*app, a.a);
        const RECT r = ClientRectOf(control);
        Require(RealClick(app->window, r.left + 20, (r.top + r.bottom) / 2), "cannot click the chooser");
        HWND list = 0;
        if (!WaitUntil([&] { return (list = ShownList(*app)) != 0; })) {
            problems.push_back(std::string("the ") + ChooserName(a.a) + " chooser's list did not drop");
            return;
        }
        // The list shows once the press is handled; the release must be too
        // before the item is clicked.
        WaitForInputHandled(app);
        SendBounded(list, LB_SETTOPINDEX, WPARAM(index), 0);
        RECT item = {}, inside = {};
        SendBounded(list, LB_GETITEMRECT, WPARAM(index), LPARAM(&item));
        GetClientRect(list, &inside);
        const POINT at = { item.left + 10, (item.top + item.bottom) / 2 };
        if (!PtInRect(&inside, at)) {
            problems.push_back("item " + std::to_string(index) + " is not in view in the dropped list");
            Key(VK_ESCAPE);
            return;
        }
        Require(RealClick(list, at.x, at.y), "cannot click the item");
        Require(WaitUntil([&] { return ShownList(*app) == 0; }), "the list stayed dropped");
        SoakParkPointer();
    }
    SoakMousePick(m, chooser, index);
}

void Performer::FindUnit(const SoakAction& a)
{
    const int side = a.c;
    if (a.d & 1) {
        Front();
        OpenMenu();
    } else {
        SoakMenuOpens(m);   // Ctrl+F opens no menu, but the box taking the focus ends a browse all the same
    }
    if (Live()) {
        Front();
        if (a.d & 1) Require(PostCommand(app->window, IDM_VIEW_FIND_UNIT), "cannot post Find Unit");
        else Key('F', KEY_CTRL);
        HWND box = FindUnitBox(*app);
        if (!box) {
            problems.push_back("the Find Unit box did not open");
            return;
        }
        HWND query = GetDlgItem(box, IDC_FIND_QUERY), list = GetDlgItem(box, IDC_FIND_LIST);
        const std::string text = FindQuery(a.a, a.b);
        Require(PressKeys(text.c_str()), "cannot type the query");   // the last query is selected: replaced
        Require(WaitUntil([&] { return WindowText(query) == text; }), "the query box shows \"" +
                WindowText(query) + "\", not \"" + text + "\"");
        const std::wstring start = RowStart(a.a, a.b);
        int row = -1;
        const int rows = ListBoxCount(list);
        for (int i = 0; i < rows && row < 0; ++i) {
            const std::wstring item = ListBoxItem(list, i);
            if (item == start || item.compare(0, start.size() + 3, start + L" \u00B7 ") == 0) row = i;
        }
        if (row < 0) {
            problems.push_back("Find Unit lists no row for " + UnitLabel(a.a, a.b) + " among " +
                               std::to_string(rows) + " rows for \"" + text + "\"");
            PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
            WaitForClose(box);
            return;
        }
        SendBounded(list, LB_SETCURSEL, WPARAM(row), 0);
        const int button = side == 0 ? IDCANCEL : side == 1 ? IDC_FIND_SET_FROM : IDC_FIND_SET_TO;
        if (a.d & 2)
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(GetDlgItem(box, button)));
        else if (side == 0) Key(VK_ESCAPE);
        else if (side == 1) Key(VK_RETURN);   // "Set From" is the default button
        else Key('T', KEY_ALT);               // "Set &To"
        Require(WaitForClose(box), "the Find Unit box did not close");
    }
    if (side != 0) SoakFindUnit(m, a.a, a.b, side);
}

// A modal box and back: the focus returns to where it was.
void Performer::Choice(const SoakAction& a)
{
    const int ids[CHOICE_COUNT] = { IDM_VIEW_FORMULA, IDM_VIEW_ALWAYS_ON_TOP, IDM_OPTIONS_WINDOWS_DECIMAL };
    if (!a.b) {
        Command(ids[a.a]);
    } else {
        Front();
        SoakMenuOpens(m);
        Key(a.a == CHOICE_WINDOWS_DECIMAL ? 'O' : 'V', KEY_ALT);
        if (a.a == CHOICE_FORMULA) Key(VK_UP);   // the last item but one: "&F" is "&Find Unit..."'s too
        if (a.a == CHOICE_ON_TOP) Key('T');
        else Key(VK_UP), Key(VK_RETURN);
    }
    SoakFlipChoice(m, a.a);
}

void Performer::About(const SoakAction& a)
{
    Front();
    OpenMenu();
    if (!Live()) return;
    Require(PostCommand(app->window, IDM_HELP_ABOUT), "cannot post About");
    HWND box = FindAboutBox(*app);
    if (!box) {
        problems.push_back("the About box did not open");
        return;
    }
    Key(a.a ? VK_ESCAPE : VK_RETURN);   // "OK" is the default button
    Require(WaitForClose(box), "the About box did not close");
}

// A window of its own and back: one row read, the window left at the model's
// place and closed; the focus returns to where it was.
void Performer::AllUnits(const SoakAction& a)
{
    Front();
    if (a.a) SoakMenuOpens(m);   // the window taking the focus ends a browse, as the menu does
    else OpenMenu();
    SoakOpenAllUnits(m);
    if (!Live()) return;
    if (a.a) Key('U', KEY_CTRL);
    else Require(PostCommand(app->window, IDM_VIEW_ALL_UNITS), "cannot post All Units");
    HWND box = AllUnitsBox(*app);
    if (!Require(box != 0, "the All Units window did not open")) return;
    const int count = SoakUnitCount(m->category), unit = a.b % count;
    std::string value;
    const bool known = SoakAllUnitsValue(*m, unit, &value);
    const std::string name = Utf8FromWide(WideFrom1252(SoakAllUnitsName(*m, unit)));
    std::vector<ListRow> rows;
    const bool read = WaitUntil([&] {
        rows = ListRows(app, GetDlgItem(box, IDC_ALL_UNITS_LIST));
        return int(rows.size()) == count && rows[unit].unit == name && (!known || rows[unit].value == value);
    });
    const std::string shown = unit < int(rows.size()) ? "\"" + rows[unit].value + "\" \"" + rows[unit].unit + "\"" : "none";
    Require(read, "All Units row " + std::to_string(unit) + " of " + std::to_string(rows.size()) + " is " + shown +
                      ", expected \"" + value + "\" \"" + name + "\"");
    const int* place = SOAK_ALL_UNITS_PLACE;
    Require(SetWindowPos(box, 0, place[0], place[1], place[2], place[3], SWP_NOZORDER | SWP_NOACTIVATE) != 0,
            "cannot move All Units");
    if (a.c) PostMessageA(box, WM_CLOSE, 0, 0);
    else if (Require(WaitUntil([&] { return GetForegroundWindow() == box; }), "All Units is not in front"))
        Key(VK_ESCAPE);
    Require(WaitForClose(box), "the All Units window did not close");
}

void Performer::Restart(const SoakAction& a)
{
    if (!a.a) OpenMenu();
    SoakExit(m);
    if (Live()) {
        if (a.a) PostMessageA(app->window, WM_CLOSE, 0, 0);
        else PostCommand(app->window, IDM_GO_EXIT);
        DWORD code = 99;
        const bool ended = WaitForExit(app, 10000, &code);
        StopMetrova(app);
        Require(ended && code == 0, ended ? "Metrova ended with code " + std::to_string(code) : "Metrova did not end");
        // What the file must hold now.
        std::string text;
        const bool exists = ReadSettingsFile(&text);
        if (exists != m->fileExists) {
            problems.push_back(std::string("settings file: expected ") + (m->fileExists ? "one" : "none") +
                               ", found " + (exists ? "one" : "none"));
        } else if (exists) {
            const std::vector<std::string> expected = SoakExpectedFileKeys(*m), found = SoakFileKeys(text);
            if (expected != found) {
                std::string what = "settings file differs:\n    expected:";
                for (const std::string& k : expected) what += " [" + k + "]";
                what += "\n    found:   ";
                for (const std::string& k : found) what += " [" + k + "]";
                problems.push_back(what);
            }
        }
        std::string why;
        if (!StartMetrova(app, &why)) {
            problems.push_back("cannot start again: " + why);
            return;
        }
        Front();
    }
    SoakStart(m);
}

}  // namespace

SoakAction SoakGenerate(const SoakModel& m, SoakRng& rng, SoakActionKind last)
{
    for (;;) {
        SoakAction a = GenerateOne(m, rng, last);
        SoakModel trial = m;
        Performer p = { 0, &trial, {} };
        p.Do(a);
        if (SoakAllKnown(trial)) return a;
    }
}

bool SoakUsesRealInput(const SoakAction& a)
{
    switch (a.kind) {
    case ACT_KEY_UNIT: case ACT_KEY_CATEGORY: case ACT_TAB_KEYS: case ACT_TYPE_KEYS:
    case ACT_FIND_UNIT: case ACT_RESTART: case ACT_MOUSE_PICK: case ACT_ABOUT: case ACT_ALL_UNITS: return true;
    case ACT_SWAP: return a.a != 0;
    case ACT_CHOICE: return a.b != 0;
    default: return false;
    }
}

std::vector<std::string> SoakPerform(const SoakAction& action, SoakModel* m, MetrovaApp* app)
{
    Performer p = { app, m, {} };
    p.Do(action);
    return p.problems;
}

void SoakParkPointer()
{
    INPUT input = {};   // to (0, 0): the window is centred, nowhere near
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}
