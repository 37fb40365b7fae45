// The user's own units: the file's text, the checks, and the exact sizes.
#include "core/custom_units.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numeric>

#include "core/answer_text.h"
#include "core/convert_text.h"
#include "core/exact_convert.h"
#include "numtext/read_quantity.h"

CustomUnitSet CustomUnits;

namespace {

const uint64_t kSizeLimit = 1000000000000000000ull;   // 10^18: numerators and denominators stay below
const int kSizeDecadesMax = 60;                        // sizes within 10^-60 .. 10^60

// ---- Names -----------------------------------------------------------------

// The characters of a UTF-8 name, or -1 when it is not well-formed text or
// holds a control character (which no line of the file could keep).
int NameCharacters(const char* name)
{
    int characters = 0;
    for (const unsigned char* at = (const unsigned char*)name; *at; ++characters) {
        const unsigned lead = *at;
        if (lead < 0x20 || lead == 0x7F) return -1;
        int count = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3
                  : (lead & 0xF8) == 0xF0 ? 4 : 0;
        if (count == 0 || (count == 2 && lead < 0xC2) || (count == 4 && lead > 0xF4)) return -1;
        for (int i = 1; i < count; ++i)
            if ((at[i] & 0xC0) != 0x80) return -1;
        at += count;
    }
    return characters;
}

UnitProblem NameProblem(const char* name)
{
    if (!name[0]) return UNIT_NAME_EMPTY;
    const int characters = NameCharacters(name);
    return characters < 0 || characters > UNIT_NAME_MAX ? UNIT_NAME_TOO_LONG : UNIT_OK;
}

bool SameName(const char* a, const char* b)
{
    return std::strcmp(a, b) == 0;
}

bool IsBase(const UnitDefinition& unit)
{
    return SameName(unit.name, unit.of);
}

// ---- Exact sizes -----------------------------------------------------------

// Lowest terms, with the tens of both sides moved to the exponent; false
// when a side stays at or above 10^18 or the size leaves 10^-60 .. 10^60.
bool Settle(UnitSize& s)
{
    if (s.num == 0 || s.den == 0) return false;
    const uint64_t g = std::gcd(s.num, s.den);
    s.num /= g;
    s.den /= g;
    // One way of writing each size: the twos and fives of the denominator
    // become tens (1/4 = 25 * 10^-2), and the numerator keeps no tens.
    while (s.den % 2 == 0 || s.den % 5 == 0) {
        const uint64_t other = s.den % 2 == 0 ? 5 : 2;
        if (s.num >= kSizeLimit / other) return false;
        s.num *= other;
        s.den /= other == 5 ? 2 : 5;   // den * other / 10
        --s.exponent;
    }
    while (s.num % 10 == 0) s.num /= 10, ++s.exponent;
    if (s.num >= kSizeLimit || s.den >= kSizeLimit) return false;
    const double decades = std::log10((double)s.num) - std::log10((double)s.den) + s.exponent;
    return decades >= -kSizeDecadesMax && decades <= kSizeDecadesMax;
}

bool SizeMultiply(UnitSize& a, const UnitSize& b)
{
    const uint64_t g1 = std::gcd(a.num, b.den), g2 = std::gcd(b.num, a.den);
    const uint64_t n1 = a.num / g1, d2 = b.den / g1, n2 = b.num / g2, d1 = a.den / g2;
    if (n1 >= kSizeLimit / n2 || d1 >= kSizeLimit / d2) return false;
    a.num = n1 * n2;
    a.den = d1 * d2;
    a.exponent += b.exponent;
    return a.exponent > -1000 && a.exponent < 1000 && Settle(a);
}

// A big integer of at most 64 bits.
bool SmallValue(const BigInt& x, uint64_t* value)
{
    if (x.used > 2) return false;
    *value = (x.used > 0 ? x.limb[0] : 0) | (x.used > 1 ? (uint64_t)x.limb[1] << 32 : 0);
    return true;
}

bool SizeOfNumber(const ExactNumber& x, UnitSize* size)
{
    if (x.negative || x.sticky != 0 || ExactIsZero(x)) return false;
    if (!SmallValue(x.num, &size->num) || !SmallValue(x.den, &size->den)) return false;
    if (x.exponent < -1000 || x.exponent > 1000) return false;
    size->exponent = x.exponent;
    return Settle(*size);
}

double DoubleOfSize(const UnitSize& s)
{
    ExactNumber x;
    ExactSetFraction(x, s.num, s.den);
    x.exponent = s.exponent;
    return ExactToDouble(x);
}

// ---- Categories and units by name -------------------------------------------

const int kNameBuffer = CUSTOM_NAME_SIZE;

// The custom categories of set, in the order their first units come: the
// index of unit i's category among them, or -1 for a built-in one.
int CustomCategoryNumber(const CustomUnitSet& set, const char* name)
{
    int number = 0;
    for (int i = 0; i < set.count; ++i) {
        bool earlier = false;
        for (int j = 0; j < i && !earlier; ++j) earlier = SameName(set.units[j].category, set.units[i].category);
        if (earlier) continue;
        if (SameName(set.units[i].category, name)) return number;
        if (CategoryOfBuiltInName(set.units[i].category) < 0) ++number;
    }
    return -1;
}

}  // namespace

int CategoryOfBuiltInName(const char* name)
{
    char shown[kNameBuffer];
    for (int c = 0; c < BuiltInCategoryCount(); ++c) {
        CategoryNameUtf8(c, shown, sizeof shown);
        if (SameName(shown, name)) return c;
    }
    return -1;
}

int CategoryOfName(const CustomUnitSet& set, const char* name)
{
    const int builtIn = CategoryOfBuiltInName(name);
    if (builtIn >= 0) return builtIn;
    const int number = CustomCategoryNumber(set, name);
    return number < 0 ? -1 : BuiltInCategoryCount() + number;
}

int FindCustomUnit(const CustomUnitSet& set, const char* category, const char* name)
{
    for (int i = 0; i < set.count; ++i)
        if (SameName(set.units[i].category, category) && SameName(set.units[i].name, name)) return i;
    return -1;
}

namespace {

// The built-in unit of that category and name, or -1.
int BuiltInUnitOfName(int category, const char* name)
{
    char shown[kNameBuffer];
    for (int u = 0; u < BuiltInUnitCount(category); ++u) {
        UnitNameUtf8(category, u, shown, sizeof shown);
        if (SameName(shown, name)) return u;
    }
    return -1;
}

// Unit i's size in its category's base, through its chain of definitions.
UnitProblem ResolveSize(const CustomUnitSet& set, int i, UnitSize* size)
{
    const int builtInCategory = CategoryOfBuiltInName(set.units[i].category);
    *size = set.units[i].quantity;
    int at = i;
    for (int steps = 0; steps <= set.count; ++steps) {
        const UnitDefinition& unit = set.units[at];
        if (IsBase(unit)) {
            const bool one = unit.quantity.num == 1 && unit.quantity.den == 1 && unit.quantity.exponent == 0;
            return builtInCategory < 0 && one ? UNIT_OK : UNIT_THROUGH_ITSELF;
        }
        const int row = builtInCategory >= 0 ? BuiltInUnitOfName(builtInCategory, unit.of) : -1;
        if (row >= 0) {
            UnitSize factor;
            if (!FactorAsSize(UnitFactor(builtInCategory, row), &factor)) return UNIT_SIZE_BEYOND;
            return SizeMultiply(*size, factor) ? UNIT_OK : UNIT_SIZE_BEYOND;
        }
        const int next = FindCustomUnit(set, unit.category, unit.of);
        if (next < 0) return UNIT_OF_UNKNOWN;
        if (next == i) return UNIT_THROUGH_ITSELF;
        if (!SizeMultiply(*size, set.units[next].quantity)) return UNIT_SIZE_BEYOND;
        at = next;
    }
    return UNIT_THROUGH_ITSELF;
}

// The problems of a unit on its own: names, category, limits of categories.
UnitProblem UnitOwnProblem(const CustomUnitSet& set, int i)
{
    const UnitDefinition& unit = set.units[i];
    UnitProblem problem = NameProblem(unit.name);
    if (problem != UNIT_OK) return problem;
    if (NameProblem(unit.category) != UNIT_OK || CategoryOfBuiltInName(unit.category) == CATEGORY_TEMPERATURE)
        return UNIT_CATEGORY_BAD;
    if (NameProblem(unit.of) != UNIT_OK) return UNIT_OF_UNKNOWN;
    if (FindCustomUnit(set, unit.category, unit.name) != i) return UNIT_NAME_TAKEN;
    const int category = CategoryOfBuiltInName(unit.category);
    if (category >= 0 && BuiltInUnitOfName(category, unit.name) >= 0) return UNIT_NAME_TAKEN;
    if (category < 0 && CustomCategoryNumber(set, unit.category) >= CUSTOM_CATEGORY_MAX)
        return UNIT_TOO_MANY_CATEGORIES;
    // A custom category has one base, its first unit.
    if (category < 0 && IsBase(unit)) {
        for (int j = 0; j < i; ++j)
            if (SameName(set.units[j].category, unit.category)) return UNIT_THROUGH_ITSELF;
    }
    return UNIT_OK;
}

UnitProblem UnitProblemIn(const CustomUnitSet& set, int i, UnitSize* size)
{
    const UnitProblem own = UnitOwnProblem(set, i);
    return own != UNIT_OK ? own : ResolveSize(set, i, size);
}

// Drops the units that cannot be defined, until every one left can: a unit
// dropped may take others defined through it along.
int DropUndefined(CustomUnitSet* set)
{
    int dropped = 0;
    bool marks[CUSTOM_UNIT_MAX];
    for (bool again = true; again;) {
        again = false;
        UnitSize size;
        for (int i = 0; i < set->count; ++i) {
            marks[i] = UnitProblemIn(*set, i, &size) != UNIT_OK;
            again = again || marks[i];
            dropped += marks[i];
        }
        if (again) RemoveMarkedUnits(set, marks);
    }
    return dropped;
}

// ---- The file's text ---------------------------------------------------------

const char kBlock[] = "[Unit]";
const char* const kKeys[4] = { "Category", "Name", "Equals", "Of" };

// Copies a value into a name field; false when it does not fit or holds a NUL.
bool TakeValue(const char* value, int length, char* field)
{
    if (length >= CUSTOM_NAME_SIZE || std::memchr(value, '\0', length)) return false;
    std::memcpy(field, value, length);
    field[length] = '\0';
    return true;
}

struct Block {
    UnitDefinition unit;
    bool has[4];
    bool bad;
};

// The quantity of the file: "." as the decimal mark, no grouping.
bool ReadFileQuantity(const char* value, int length, UnitSize* quantity)
{
    char text[QUANTITY_MAX_CHARACTERS * 4 + 1];
    if (length >= (int)sizeof text) return false;
    std::memcpy(text, value, length);
    text[length] = '\0';
    ExactNumber x;
    return ReadQuantity(text, ".", "", &x) && SizeOfNumber(x, quantity);
}

void TakeLine(Block& block, const char* line, int length)
{
    const char* equals = (const char*)std::memchr(line, '=', length);
    if (!equals) return;
    int keyLength = int(equals - line);
    while (keyLength > 0 && (line[keyLength - 1] == ' ' || line[keyLength - 1] == '\t')) --keyLength;
    const char* value = equals + 1;
    int valueLength = length - int(value - line);
    while (valueLength > 0 && (*value == ' ' || *value == '\t')) ++value, --valueLength;
    while (valueLength > 0 && (value[valueLength - 1] == ' ' || value[valueLength - 1] == '\t')) --valueLength;
    for (int k = 0; k < 4; ++k) {
        if ((int)std::strlen(kKeys[k]) != keyLength || std::strncmp(line, kKeys[k], keyLength) != 0) continue;
        char* fields[4] = { block.unit.category, block.unit.name, nullptr, block.unit.of };
        const bool taken = k == 2 ? ReadFileQuantity(value, valueLength, &block.unit.quantity)
                                  : TakeValue(value, valueLength, fields[k]);
        block.bad = block.bad || !taken || block.has[k];
        block.has[k] = true;
    }
}

// Adds a finished block to set when it is whole and there is room.
void EndBlock(Block& block, bool open, CustomUnitSet* set, int* skipped)
{
    if (!open) return;
    const bool whole = !block.bad && block.has[0] && block.has[1] && block.has[2] && block.has[3];
    if (whole && set->count < CUSTOM_UNIT_MAX) set->units[set->count++] = block.unit;
    else ++*skipped;
}

}  // namespace

int ReadUnitsText(const char* text, int length, CustomUnitSet* set)
{
    set->count = 0;
    int skipped = 0;
    static Block block;   // a unit's worth of names: kept off the stack
    bool open = false;
    for (int at = 0; at < length;) {
        int end = at;
        while (end < length && text[end] != '\n' && text[end] != '\r') ++end;
        const char* line = text + at;
        int lineLength = end - at;
        at = end + 1;
        if (lineLength >= 3 && std::memcmp(line, "\xEF\xBB\xBF", 3) == 0) line += 3, lineLength -= 3;
        while (lineLength > 0 && (*line == ' ' || *line == '\t')) ++line, --lineLength;
        if (lineLength == 0 || *line == ';') continue;
        if (*line == '[') {
            EndBlock(block, open, set, &skipped);
            std::memset(&block, 0, sizeof block);
            open = lineLength >= (int)sizeof kBlock - 1 && std::memcmp(line, kBlock, sizeof kBlock - 1) == 0;
            continue;
        }
        if (open) TakeLine(block, line, lineLength);
    }
    EndBlock(block, open, set, &skipped);
    return skipped + DropUndefined(set);
}

int WriteUnitQuantity(const UnitSize& q, char* out, int size)
{
    char digits[64];
    int length = 0;
    auto put = [&](const char* text) {
        for (; *text && length < (int)sizeof digits - 1; ++text) digits[length++] = *text;
    };
    char number[24];
    // Up to three zeros (or the point) written out, a longer run as an exponent.
    std::snprintf(number, sizeof number, "%llu", (unsigned long long)q.num);
    const int numDigits = (int)std::strlen(number);
    if (q.exponent >= 0 && q.exponent <= 3) {
        put(number);
        for (int i = 0; i < q.exponent; ++i) put("0");
    } else if (q.exponent < 0 && -q.exponent <= numDigits + 3) {
        const int whole = numDigits + q.exponent;   // digits before the point; <= 0: "0." and zeros first
        char point[40];
        if (whole > 0) std::snprintf(point, sizeof point, "%.*s.%s", whole, number, number + whole);
        else std::snprintf(point, sizeof point, "0.%.*s%s", -whole, "000", number);
        put(point);
    } else {
        put(number);
        std::snprintf(number, sizeof number, "e%d", q.exponent);
        put(number);
    }
    if (q.den != 1) {
        std::snprintf(number, sizeof number, "/%llu", (unsigned long long)q.den);
        put(number);
    }
    digits[length] = '\0';
    if (length >= size) return -1;
    std::memcpy(out, digits, length + 1);
    return length;
}

int WriteUnitsText(const CustomUnitSet& set, char* out, int size)
{
    int length = 0;
    bool fits = true;
    auto put = [&](const char* text) {
        const int n = (int)std::strlen(text);
        if (!fits || length + n >= size) {
            fits = false;
            return;
        }
        std::memcpy(out + length, text, n);
        length += n;
    };
    put("; Metrova's own units: 1 Name = Equals Of, in Category\r\n");
    for (int i = 0; i < set.count; ++i) {
        const UnitDefinition& unit = set.units[i];
        char quantity[64];
        WriteUnitQuantity(unit.quantity, quantity, sizeof quantity);
        const char* values[4] = { unit.category, unit.name, quantity, unit.of };
        put("\r\n");
        put(kBlock);
        put("\r\n");
        for (int k = 0; k < 4; ++k) {
            put(kKeys[k]);
            put("=");
            put(values[k]);
            put("\r\n");
        }
    }
    if (!fits || size <= 0) return -1;
    out[length] = '\0';
    return length;
}

bool ReadUnitQuantity(const char* typed, UnitSize* quantity)
{
    ExactNumber x;
    return ReadTypedNumber(typed, &x) && SizeOfNumber(x, quantity);
}

static CustomUnitSet Trial;   // the set with a definition applied; large: kept off the stack

UnitProblem CheckUnitDefinition(const CustomUnitSet& set, const UnitDefinition& definition, int replacing,
                                UnitSize* size)
{
    if (replacing < 0 && set.count >= CUSTOM_UNIT_MAX) return UNIT_TOO_MANY_UNITS;
    if (NameProblem(definition.name) != UNIT_OK) return NameProblem(definition.name);
    CustomUnitSet& trial = Trial;
    trial = set;
    const int at = replacing < 0 ? trial.count++ : replacing;
    // A renamed unit keeps the units defined through it.
    if (replacing >= 0) {
        for (int i = 0; i < trial.count; ++i) {
            UnitDefinition& other = trial.units[i];
            if (i != at && SameName(other.category, set.units[at].category) && SameName(other.of, set.units[at].name))
                std::memcpy(other.of, definition.name, sizeof other.of);
        }
    }
    trial.units[at] = definition;
    const UnitProblem problem = UnitProblemIn(trial, at, size);
    if (problem != UNIT_OK) return problem;
    UnitSize other;
    for (int i = 0; i < trial.count; ++i)
        if (UnitProblemIn(trial, i, &other) != UNIT_OK) return UNIT_THROUGH_ITSELF;
    return UNIT_OK;
}

UnitProblem ApplyUnitDefinition(CustomUnitSet* set, const UnitDefinition& definition, int replacing)
{
    UnitSize size;
    const UnitProblem problem = CheckUnitDefinition(*set, definition, replacing, &size);
    if (problem == UNIT_OK) *set = Trial;
    return problem;
}

int UnitsDefinedThrough(const CustomUnitSet& set, int index, bool marks[CUSTOM_UNIT_MAX])
{
    for (int i = 0; i < set.count; ++i) marks[i] = i == index;
    int count = 1;
    for (bool grew = true; grew;) {
        grew = false;
        for (int i = 0; i < set.count; ++i) {
            if (marks[i]) continue;
            const int through = FindCustomUnit(set, set.units[i].category, set.units[i].of);
            if (through >= 0 && marks[through]) {
                marks[i] = true;
                ++count;
                grew = true;
            }
        }
    }
    return count;
}

void RemoveMarkedUnits(CustomUnitSet* set, const bool marks[CUSTOM_UNIT_MAX])
{
    int kept = 0;
    for (int i = 0; i < set->count; ++i)
        if (!marks[i]) set->units[kept++] = set->units[i];
    set->count = kept;
}

void ShowCustomUnits(const CustomUnitSet& set)
{
    if (&set != &CustomUnits) CustomUnits = set;
    CustomRows.categoryCount = 0;
    CustomRows.unitCount = 0;
    for (int i = 0; i < CustomUnits.count; ++i) {
        const UnitDefinition& unit = CustomUnits.units[i];
        const int category = CategoryOfName(CustomUnits, unit.category);
        UnitSize size;
        if (category < 0 || ResolveSize(CustomUnits, i, &size) != UNIT_OK) continue;
        const int custom = category - BuiltInCategoryCount();
        if (custom >= CustomRows.categoryCount) {
            std::memcpy(CustomRows.categoryNames[custom], unit.category, CUSTOM_NAME_SIZE);
            CustomRows.categoryCount = custom + 1;
        }
        CustomUnitRow& row = CustomRows.units[CustomRows.unitCount++];
        row.category = category;
        std::memcpy(row.name, unit.name, CUSTOM_NAME_SIZE);
        row.size = size;
        row.factor = DoubleOfSize(size);
    }
}

const char* UnitProblemText(UnitProblem problem)
{
    switch (problem) {
    case UNIT_OK: return "";
    case UNIT_NAME_EMPTY: return "Type a name.";
    case UNIT_NAME_TOO_LONG: return "At most 39 characters.";
    case UNIT_NAME_TAKEN: return "This category has that name.";
    case UNIT_QUANTITY_BAD: return "Type a positive number.";
    case UNIT_THROUGH_ITSELF: return "It would be defined through itself.";
    case UNIT_OF_UNKNOWN: return "Choose a unit.";
    case UNIT_CATEGORY_BAD: return "Choose or name a category.";
    case UNIT_TOO_MANY_UNITS: return "There are 200 units already.";
    case UNIT_TOO_MANY_CATEGORIES: return "There are 16 categories already.";
    case UNIT_SIZE_BEYOND: return "Too large or too fine to hold.";
    }
    return "";
}

int UnitProblemField(UnitProblem problem)
{
    switch (problem) {
    case UNIT_CATEGORY_BAD:
    case UNIT_TOO_MANY_CATEGORIES: return 1;
    case UNIT_QUANTITY_BAD:
    case UNIT_SIZE_BEYOND: return 2;
    case UNIT_THROUGH_ITSELF:
    case UNIT_OF_UNKNOWN: return 3;
    default: return 0;
    }
}

void DescribeCustomUnit(const UnitDefinition& unit, char* out, int size)
{
    char quantity[64];
    WriteUnitQuantity(unit.quantity, quantity, sizeof quantity);
    if (size <= 0) return;
    const int length = std::snprintf(out, (size_t)size, "%s (%s): 1 %s = %s %s", unit.name, unit.category, unit.name,
                                     quantity, unit.of);
    // snprintf cuts by bytes: a last character left incomplete goes too.
    if (length >= size && size > 1) {
        int start = size - 2;   // the last byte kept, then where its character starts
        while (start > 0 && ((unsigned char)out[start] & 0xC0) == 0x80) --start;
        const unsigned char lead = (unsigned char)out[start];
        const int bytes = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (start + bytes > size - 1) out[start] = '\0';
    }
}
