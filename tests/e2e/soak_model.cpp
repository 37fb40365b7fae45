#include "tests/e2e/soak_model.h"

#include <algorithm>
#include <map>

#include "catalogue/units.h"
#include "numtext/read_quantity.h"
#include "tests/core/answer_reference.h"

bool operator==(const SoakTriple& a, const SoakTriple& b)
{
    return a.category == b.category && a.from == b.from && a.to == b.to;
}

// --- Typed text -------------------------------------------------------------

static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool SoakParse(const std::string& text, SoakNumber* number)
{
    size_t i = 0, n = text.size();
    while (i < n && text[i] == ' ') ++i;
    while (n > i && text[n - 1] == ' ') --n;   // blanks around the number, as the value boxes read it
    if (i == n) return false;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';

    unsigned long long digits = 0;
    int digitCount = 0, afterPoint = 0;
    bool point = false;
    for (; i < n && text[i] != 'e' && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (c == '.') {
            if (point) return false;
            point = true;
        } else if (IsDigit(c)) {
            if (++digitCount > 18) return false;
            digits = digits * 10 + unsigned(c - '0');
            if (point) ++afterPoint;
        } else {
            return false;
        }
    }
    if (digitCount == 0) return false;

    int exponent = 0;
    if (i < n) {   // at 'e' or 'E'
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
        if (i == n) return false;
        for (; i < n; ++i) {
            if (!IsDigit(text[i])) return false;
            exponent = exponent * 10 + (text[i] - '0');
            if (exponent > 4931) return false;
        }
        if (negativeExponent) exponent = -exponent;
    }
    number->negative = negative;
    number->digits = digits;
    number->exponent10 = exponent - afterPoint;
    return true;
}

// What a factor's row stands for, worked out once per factor.
static const RefRational& StandsFor(double factor)
{
    static std::map<double, RefRational> known;
    auto found = known.find(factor);
    if (found != known.end()) return found->second;
    return known.emplace(factor, RefStandsFor(factor)).first->second;
}

// Whether a text the model reads as no number may still be one to the
// program: a fraction, a sum ("0+00756"), grouped digits ("0 572"), or parts with their marks in a
// compound row.
static bool MayBeFractionOrParts(const std::string& typed, bool compound)
{
    if (typed.find_first_of("/'\":*()") != std::string::npos || typed.find("\xE2\x89\x88") != std::string::npos)
        return true;
    const size_t first = typed.find_first_not_of(' ');
    if (first != std::string::npos && typed.find_first_of("+-,", first + 1) != std::string::npos) return true;
    const size_t blank = first == std::string::npos ? first : typed.find(' ', first);   // digits grouped by blanks
    if (blank != std::string::npos && typed.find_first_of("0123456789", blank) != std::string::npos) return true;
    return compound && typed.find_first_of("0123456789") != std::string::npos &&
           std::any_of(typed.begin(), typed.end(), [](char c) { return std::isalpha((unsigned char)c) != 0; });
}

bool SoakAnswerText(const std::string& typed, int category, int fromUnit, int toUnit, int decimals, int numFormat,
                    int denominator, std::string* shown, bool* passedThrough)
{
    if (passedThrough) *passedThrough = false;
    // A plain decimal the model reads itself; fractions, sums and grouping
    // through the grammar (its own tests are native), under the soak's C locale.
    SoakNumber number;
    ExactNumber exact;
    RefRational value;
    if (SoakParse(typed, &number)) {
        value = RefDecimal(number.negative, number.digits, number.exponent10);
    } else if (ReadQuantity(typed.c_str(), ".", ",", &exact)) {
        if (exact.sticky) return false;   // a sum too far apart to hold: not modelled
        value = RefOfExact(exact);
    } else {   // no number: the typed text passes through
        *shown = typed;
        if (passedThrough) *passedThrough = true;
        return !MayBeFractionOrParts(typed, !RefPartsOf(UnitName(category, fromUnit)).ratio.empty());
    }
    const double from = UnitFactor(category, fromUnit), to = UnitFactor(category, toUnit);
    const RefRational answer = category == CATEGORY_TEMPERATURE
                                   ? RefTemperature(from, to, value)
                                   : RefOver(RefTimes(value, StandsFor(from)), StandsFor(to));
    switch (RefRangeOf(answer)) {
    case REF_BEYOND_RANGE:
        *shown = typed;
        if (passedThrough) *passedThrough = true;
        return true;
    case REF_BELOW_RANGE:
        return false;   // what double arithmetic shows: not modelled
    default: {
        *shown = RefBoxText(answer, std::min(decimals, 15), numFormat == 0);
        // Automatic: scientific when fixed notation shows no digit of it.
        if (numFormat == 2 && shown->find_first_of("123456789") == std::string::npos)
            *shown = RefBoxText(answer, std::min(decimals, 15), true);
        // In parts (the first part alone from 10^15 up), or a fixed answer as a fraction.
        const RefParts parts = RefPartsOf(UnitName(category, toUnit));
        const int fraction = numFormat == 0 ? 0 : denominator;
        const std::string laidOut = parts.ratio.empty() && fraction == 0
                                        ? ""
                                        : RefPartsText(answer, parts, std::min(decimals, 15), fraction);
        if (!laidOut.empty() && !(parts.ratio.empty() && numFormat == 2 && laidOut == "\xE2\x89\x88 0" &&
                                  RefRangeOf(answer) != REF_ZERO))
            *shown = laidOut;
        else if (!parts.ratio.empty())
            *shown += parts.mark[0];
        return true;
    }
    }
}

// --- The catalogue ----------------------------------------------------------------

int SoakCategoryCount() { return CategoryCount(); }
int SoakUnitCount(int category) { return UnitCount(category); }
std::string SoakUnitName(int category, int unit) { return UnitName(category, unit); }
std::string SoakCategoryName(int category) { return CategoryName(category); }

int SoakBaseUnit(int category)
{
    if (category == CATEGORY_TEMPERATURE) return 0;
    for (int u = 0; u < UnitCount(category); ++u)
        if (UnitFactor(category, u) == 1.0) return u;
    return 0;
}

// --- The conversion -------------------------------------------------------------------

static SoakBox& Active(SoakModel* m) { return m->box[m->activeSide - 1]; }
static SoakBox& Passive(SoakModel* m) { return m->box[2 - m->activeSide]; }

// The active box's text converted into the other box, which the program then
// sets (so where its caret is is no longer known).
static void Recompute(SoakModel* m)
{
    const SoakBox& active = Active(m);
    SoakBox& passive = Passive(m);
    passive.caret = CARET_UNKNOWN;
    if (!active.known) {
        passive.known = false;
        return;
    }
    const int from = m->activeSide == 1 ? m->fromUnit : m->toUnit;
    const int to = m->activeSide == 1 ? m->toUnit : m->fromUnit;
    passive.known = SoakAnswerText(active.text, m->category, from, to, m->decimals, m->numFormat, m->denominator,
                                   &passive.text);
}

static SoakTriple Current(const SoakModel& m) { return { m.category, m.fromUnit, m.toUnit }; }

static int RecentSlot(const SoakModel& m, int k)   // k-th newest
{
    return (m.nextSlot + (SOAK_RECENT_SLOTS - 1) * (k + 1)) % SOAK_RECENT_SLOTS;
}

// The shown conversion offered to the recent list.
static void OfferRecent(SoakModel* m)
{
    const SoakTriple t = Current(*m);
    if (t.from == t.to) return;
    for (int k = 0; k < m->recentCount; ++k)
        if (m->slots[RecentSlot(*m, k)] == t) return;   // already listed: keeps its place
    m->slots[m->nextSlot] = t;                          // a full ring gives the oldest slot
    m->nextSlot = (m->nextSlot + 1) % SOAK_RECENT_SLOTS;
    if (m->recentCount < SOAK_RECENT_SLOTS) ++m->recentCount;
}

static bool IsUnitChooser(SoakFocus f) { return f == FOCUS_FROM_UNIT || f == FOCUS_TO_UNIT; }
static bool IsBox(SoakFocus f) { return f == FOCUS_FROM_BOX || f == FOCUS_TO_BOX; }

// The focus moves to `to`. A unit chooser left with an unsettled browse
// records it; a box that gets the focus becomes the active side.
static void MoveFocus(SoakModel* m, SoakFocus to)
{
    if (to == m->focus) return;
    if (IsUnitChooser(m->focus) && m->browseUnsettled) {
        m->browseUnsettled = false;
        OfferRecent(m);
    }
    m->focus = to;
    if (IsBox(to)) m->activeSide = to == FOCUS_FROM_BOX ? 1 : 2;
}

// A whole conversion made current: units set, recomputed, the focus back in
// the box being typed in.
static void SelectConversion(SoakModel* m, int category, int from, int to)
{
    m->category = category;
    m->fromUnit = from;
    m->toUnit = to;
    Recompute(m);
    MoveFocus(m, m->activeSide == 1 ? FOCUS_FROM_BOX : FOCUS_TO_BOX);
}

static void SetUnit(SoakModel* m, int side, int unit)
{
    (side == 1 ? m->fromUnit : m->toUnit) = unit;
    Recompute(m);
}

// --- Life cycle -------------------------------------------------------------------------

SoakModel SoakFreshModel()
{
    SoakModel m = {};
    m.fileExists = false;
    return m;
}

void SoakStart(SoakModel* m)
{
    m->favorites.clear();
    m->nextSlot = 0;
    m->recentCount = 0;
    for (SoakTriple& s : m->slots) s = { 0, 0, 0 };
    m->numFormat = 1;
    m->decimals = 6;
    m->saveOnExit = m->fileExists ? 1 : 0;
    m->formula = m->onTop = m->windowsDecimal = false;
    m->denominator = 0;
    if (m->fileExists) {
        m->favorites = m->file.favorites;
        // Entry 1 (the newest) lands in slot 9, entry 2 in slot 8, ...
        for (size_t n = 0; n < m->file.recent.size(); ++n)
            m->slots[(SOAK_RECENT_SLOTS - 1 - int(n)) % SOAK_RECENT_SLOTS] = m->file.recent[n];
        m->recentCount = int(m->file.recent.size());
        m->numFormat = m->file.numFormat;
        m->decimals = m->file.decimals;
        m->onTop = m->file.onTop;
        m->windowsDecimal = m->file.windowsDecimal;
        m->denominator = m->file.denominator;
    }
    m->allUnitsPlaced = m->fileExists && m->file.allUnitsPlaced;
    m->category = 0;
    m->fromUnit = m->toUnit = 0;
    m->activeSide = 1;
    m->box[0] = { "0", true, CARET_UNKNOWN };
    m->box[1] = { "0", true, CARET_UNKNOWN };
    m->focus = FOCUS_FROM_BOX;
    m->browseUnsettled = false;
    Recompute(m);
    if (m->recentCount > 0) {
        const SoakTriple newest = m->slots[RecentSlot(*m, 0)];
        SelectConversion(m, newest.category, newest.from, newest.to);
    }
}

void SoakExit(SoakModel* m)
{
    if (m->browseUnsettled && IsUnitChooser(m->focus)) OfferRecent(m);
    m->browseUnsettled = false;
    if (!m->saveOnExit) return;
    m->fileExists = true;
    m->file.favorites = m->favorites;
    m->file.recent.clear();
    for (int k = 0; k < m->recentCount; ++k) m->file.recent.push_back(m->slots[RecentSlot(*m, k)]);
    m->file.numFormat = m->numFormat == 0 ? 0 : m->numFormat == 2 ? 2 : 1;
    m->file.decimals = m->decimals;
    m->file.onTop = m->onTop;
    m->file.windowsDecimal = m->windowsDecimal;
    m->file.allUnitsPlaced = m->allUnitsPlaced;
    m->file.denominator = m->denominator;
}

// --- What the user does ------------------------------------------------------------

void SoakPickCategory(SoakModel* m, int category)
{
    SelectConversion(m, category, 0, 0);   // even the current one: both units back to the first
}

void SoakPickUnit(SoakModel* m, int side, int unit)
{
    SetUnit(m, side, unit);
    m->browseUnsettled = false;
    OfferRecent(m);
}

void SoakBrowseUnit(SoakModel* m, int side, int unit)
{
    SetUnit(m, side, unit);
    m->browseUnsettled = true;
}

void SoakBrowseCategory(SoakModel* m, int category)
{
    SelectConversion(m, category, 0, 0);
}

void SoakEnterKey(SoakModel* m)
{
    if (!m->browseUnsettled) return;
    m->browseUnsettled = false;
    OfferRecent(m);
}

void SoakCloseList(SoakModel* m) { SoakEnterKey(m); }

void SoakMousePick(SoakModel* m, SoakFocus chooser, int index)
{
    MoveFocus(m, chooser);
    if (chooser == FOCUS_CATEGORY) {
        SelectConversion(m, index, 0, 0);
        return;
    }
    SetUnit(m, chooser == FOCUS_FROM_UNIT ? 1 : 2, index);
    m->browseUnsettled = false;
    OfferRecent(m);
}

void SoakMenuOpens(SoakModel* m) { SoakEnterKey(m); }

void SoakTabKey(SoakModel* m, bool backwards)
{
    const SoakFocus next = SoakFocus((m->focus + (backwards ? FOCUS_COUNT - 1 : 1)) % FOCUS_COUNT);
    MoveFocus(m, next);
    if (IsBox(next)) m->box[next == FOCUS_FROM_BOX ? 0 : 1].caret = CARET_ALL;   // Tab selects the text
}

// One character typed into the active box with the caret at its end or all
// of it selected. Every character tells the program the text changed, even
// one the limit refuses; a Backspace with nothing to delete does not.
static void TypeOne(SoakModel* m, char c)
{
    SoakBox& box = Active(m);
    const bool all = box.caret == CARET_ALL;
    box.caret = CARET_END;
    if (c == '\b') {
        if (box.known && box.text.empty()) return;
        if (all) box.text.clear();
        else if (box.known) {
            while (!box.text.empty() && (box.text.back() & 0xC0) == 0x80) box.text.pop_back();   // UTF-8 "≈", "°"
            box.text.pop_back();
        }
    } else {
        if (all) box.text.clear();
        const size_t characters = std::count_if(box.text.begin(), box.text.end(), [](char b) { return (b & 0xC0) != 0x80; });
        if (characters < size_t(SOAK_BOX_LIMIT)) box.text += c;
    }
    Recompute(m);
}

void SoakClickAndType(SoakModel* m, int side, const std::string& text)
{
    MoveFocus(m, side == 1 ? FOCUS_FROM_BOX : FOCUS_TO_BOX);
    Active(m).caret = CARET_END;
    for (char c : text) TypeOne(m, c);
}

bool SoakCanTypeKeys(const SoakModel& m)
{
    return IsBox(m.focus) && m.box[m.focus == FOCUS_FROM_BOX ? 0 : 1].caret != CARET_UNKNOWN &&
           m.box[m.focus == FOCUS_FROM_BOX ? 0 : 1].known;
}

void SoakTypeKeys(SoakModel* m, const std::string& text)
{
    for (char c : text) TypeOne(m, c);
}

void SoakClearBox(SoakModel* m, int side)
{
    MoveFocus(m, side == 1 ? FOCUS_FROM_BOX : FOCUS_TO_BOX);
    SoakBox& box = Active(m);
    box.caret = CARET_END;
    const bool had = !box.known || !box.text.empty();
    box.text.clear();
    box.known = true;
    if (had) Recompute(m);
}

void SoakSwap(SoakModel* m)
{
    SelectConversion(m, m->category, m->toUnit, m->fromUnit);
    OfferRecent(m);
}

void SoakSetDecimals(SoakModel* m, int decimals)
{
    m->decimals = decimals;
    Recompute(m);
}

void SoakFlipNotation(SoakModel* m)
{
    m->numFormat = m->numFormat ? 0 : 1;
    Recompute(m);
}

void SoakFlipAutomatic(SoakModel* m)
{
    m->numFormat = m->numFormat == 2 ? 1 : 2;
    Recompute(m);
}

void SoakSetDenominator(SoakModel* m, int denominator)
{
    m->denominator = denominator;
    Recompute(m);
}

void SoakFlipChoice(SoakModel* m, int choice)
{
    bool* flags[CHOICE_COUNT] = { &m->formula, &m->onTop, &m->windowsDecimal };
    *flags[choice] = !*flags[choice];
    if (flags[choice] == &m->windowsDecimal) Recompute(m);   // the answer shown again with the symbol
}

void SoakFlipSaveOnExit(SoakModel* m) { m->saveOnExit ^= 1; }

void SoakAddFavorite(SoakModel* m)
{
    const SoakTriple t = Current(*m);
    if (int(m->favorites.size()) >= SOAK_FAVORITES_MAX || t.from == t.to) return;
    if (std::find(m->favorites.begin(), m->favorites.end(), t) != m->favorites.end()) return;
    m->favorites.push_back(t);
}

void SoakRemoveFavorite(SoakModel* m)
{
    auto found = std::find(m->favorites.begin(), m->favorites.end(), Current(*m));
    if (found != m->favorites.end()) m->favorites.erase(found);   // the rest move up, ids follow
}

int SoakRecentId(const SoakModel& m, int position)
{
    if (position < 0 || position >= m.recentCount) return -1;
    return SOAK_RECENT_FIRST_ID + RecentSlot(m, position);
}

void SoakApplyRecent(SoakModel* m, int position)
{
    if (position < 0 || position >= m->recentCount) return;
    const SoakTriple t = m->slots[RecentSlot(*m, position)];
    SelectConversion(m, t.category, t.from, t.to);   // not recorded again, not moved
}

void SoakApplyFavorite(SoakModel* m, int index)
{
    if (index < 0 || index >= int(m->favorites.size())) return;
    const SoakTriple t = m->favorites[size_t(index)];
    SelectConversion(m, t.category, t.from, t.to);
}

void SoakFindUnit(SoakModel* m, int category, int unit, int side)
{
    if (category == m->category) {
        SetUnit(m, side, unit);   // as a pick of that side's chooser
    } else {
        const int other = SoakBaseUnit(category);
        SelectConversion(m, category, side == 1 ? unit : other, side == 1 ? other : unit);
    }
    OfferRecent(m);
}

bool SoakAllKnown(const SoakModel& m) { return m.box[0].known && m.box[1].known; }

// --- What the window must show -------------------------------------------------

static std::string ItemText(const SoakTriple& t)
{
    return SoakUnitName(t.category, t.from) + " ~ " + SoakUnitName(t.category, t.to);
}

std::vector<SoakMenuItem> SoakExpectedMenu(const SoakModel& m)
{
    std::vector<SoakMenuItem> menu;
    auto popup = [&](int depth, const char* text) { menu.push_back({ depth, -1, false, false, true, text }); };
    auto item = [&](int depth, int id, const std::string& text, bool checked = false) {
        menu.push_back({ depth, id, checked, false, false, text });
    };
    auto separator = [&](int depth) { menu.push_back({ depth, 0, false, true, false, "" }); };

    popup(0, "&Go");
    item(1, 34, "E&xit");
    separator(1);
    for (int k = 0; k < m.recentCount; ++k)
        item(1, SoakRecentId(m, k), ItemText(m.slots[RecentSlot(m, k)]));
    popup(0, "&View");
    item(1, 51, "Swap");
    separator(1);
    item(1, 52, "&Find Unit...\tCtrl+F");
    item(1, 53, "All &Units...\tCtrl+U");
    separator(1);
    item(1, 56, "&Copy Answer\tCtrl+Shift+C");
    item(1, 57, "Copy Con&version");
    separator(1);
    item(1, 55, "&Formula", m.formula);
    item(1, 54, "Always on &Top", m.onTop);
    popup(0, "&Favorites");
    item(1, 48, "Add to Favoriates");
    item(1, 49, "Remove from Favoriates");
    separator(1);
    for (size_t i = 0; i < m.favorites.size(); ++i)
        item(1, SOAK_FAVORITE_FIRST_ID + int(i), ItemText(m.favorites[i]));
    popup(0, "&Options");
    item(1, 50, "Save Settings Upon Exit", m.saveOnExit != 0);
    item(1, 68, "Custom &Units...");
    separator(1);
    popup(1, "Select Decimal Place");
    for (int d = 0; d <= 15; ++d) item(2, 80 + d, std::to_string(d), d == std::min(m.decimals, 15));
    item(1, 65, "Scientific Notation", m.numFormat == 0);
    popup(1, "Fractions");
    item(2, 140, "Off", m.denominator == 0);
    for (int k = 1; k <= 6; ++k) item(2, 140 + k, "1/" + std::to_string(1 << k), m.denominator == 1 << k);
    item(1, 66, "Automatic Notation", m.numFormat == 2);
    item(1, 67, "Windows Decimal Symbol", m.windowsDecimal);
    popup(0, "&Help");
    item(1, 33, "&Web Site");
    item(1, 32, "&About");
    return menu;
}

std::string SoakTitle() { return "Metrova [Desktop]"; }

int SoakFocusId(SoakFocus focus)
{
    switch (focus) {
    case FOCUS_CATEGORY: return 1;
    case FOCUS_FROM_UNIT: return 2;
    case FOCUS_TO_UNIT: return 3;
    case FOCUS_FROM_BOX: return 1;
    case FOCUS_TO_BOX: return 2;
    default: return 0;
    }
}

const char* SoakFocusClass(SoakFocus focus) { return IsBox(focus) ? "Edit" : "ComboBox"; }

const char* SoakFocusName(SoakFocus focus)
{
    static const char* const names[] = { "category chooser", "from-unit chooser", "to-unit chooser", "From box",
                                         "To box" };
    return focus >= 0 && focus < FOCUS_COUNT ? names[focus] : "nothing";
}

// --- The settings file ---------------------------------------------------------------------

static void AddList(std::vector<std::string>* keys, const char* section, const char* prefix,
                    const std::vector<SoakTriple>& list)
{
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string n = std::to_string(i + 1);
        const std::string head = std::string(section) + ": " + prefix;
        keys->push_back(head + "_CAT_" + n + "=" + std::to_string(list[i].category));
        keys->push_back(head + "_FR_" + n + "=" + std::to_string(list[i].from));
        keys->push_back(head + "_TO_" + n + "=" + std::to_string(list[i].to));
    }
}

void SoakOpenAllUnits(SoakModel* m)
{
    m->allUnitsPlaced = true;
}

bool SoakAllUnitsValue(const SoakModel& m, int unit, std::string* value)
{
    const SoakBox& typed = m.box[m.activeSide - 1];
    const int typedUnit = m.activeSide == 1 ? m.fromUnit : m.toUnit;
    value->clear();
    if (!typed.known) return false;
    bool passedThrough = false;
    if (!SoakAnswerText(typed.text, m.category, typedUnit, unit, m.decimals, m.numFormat, m.denominator, value,
                        &passedThrough))
        return false;
    if (passedThrough) value->clear();   // no number, or beyond the range: the row shows none
    value->erase(0, value->find_first_not_of(' '));
    return true;
}

std::string SoakAllUnitsName(const SoakModel& m, int unit)
{
    std::string name = SoakUnitName(m.category, unit);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    const char* const marks[4] = { "", " (from unit)", " (to unit)", " (from and to unit)" };
    return name + marks[(unit == m.fromUnit ? 1 : 0) | (unit == m.toUnit ? 2 : 0)];
}

std::vector<std::string> SoakExpectedFileKeys(const SoakModel& m)
{
    std::vector<std::string> keys;
    if (!m.fileExists) return keys;
    AddList(&keys, "Favorites List", "FAVORITE", m.file.favorites);
    AddList(&keys, "Recent List", "RECENT", m.file.recent);
    keys.push_back("Options: NUM_FORMAT=" + std::to_string(m.file.numFormat));
    keys.push_back("Options: DEC_PLACE=" + std::to_string(m.file.decimals));
    if (m.file.windowsDecimal) keys.push_back("Options: WINDOWS_DECIMAL=1");
    if (m.file.onTop) keys.push_back("Options: ALWAYS_ON_TOP=1");
    const char* const placeKeys[4] = { "LEFT", "TOP", "WIDTH", "HEIGHT" };
    for (int i = 0; i < 4 && m.file.allUnitsPlaced; ++i)
        keys.push_back(std::string("Options: ALL_UNITS_") + placeKeys[i] + "=" + std::to_string(SOAK_ALL_UNITS_PLACE[i]));
    if (m.file.denominator) keys.push_back("Options: FRACTIONS=" + std::to_string(m.file.denominator));
    std::sort(keys.begin(), keys.end());
    return keys;
}

std::vector<std::string> SoakFileKeys(const std::string& fileText)
{
    std::vector<std::string> keys;
    std::string section;
    size_t start = 0;
    while (start < fileText.size()) {
        size_t end = fileText.find('\n', start);
        if (end == std::string::npos) end = fileText.size();
        std::string line = fileText.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        keys.push_back(section + ": " + line);   // an empty section leaves nothing
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}
