// Compound rows: reading their parts and laying out an answer in them. The
// answer is rounded once, in units of the last part's last place, from the
// exact value; the parts are then cut from that one integer, so a rounding
// that reaches 12 in carries into the feet.
#include "core/compound.h"

#include <cstring>
#include <numeric>

#include "catalogue/units.h"
#include "numtext/decimal_digits.h"
#include "numtext/read_quantity.h"

namespace {

const int kMaxParts = 3;
const int kMaxMarks = 6;
const int kPartTextMax = 256;                     // one part's typed text, blanks included
const uint64_t kFirstPartLimit = 1000000000000000ull;  // 10^15: beyond it the first part shows alone

struct CompoundPart {
    const char* shownMark;          // written after the part, its blank included
    const char* marks[kMaxMarks];   // what it may be typed with; 0 ends the list
};

}  // namespace

struct CompoundLayout {
    const char* rowName;
    int parts;
    unsigned ratio[kMaxParts];      // ratio[i]: how many of part i make one of part i - 1
    bool clock;                     // "h:min:s" reads too
    CompoundPart part[kMaxParts];
};

namespace {

#define FOOT_MARKS { "ft", "'", "\xE2\x80\xB2", "foot", "feet", 0 }
#define INCH_MARKS { "in", "\"", "\xE2\x80\xB3", "inch", "inches", 0 }
#define POUND_MARKS { "lb", "lbs", "pound", "pounds", 0 }

const CompoundLayout kLayouts[] = {
    {"foot + inch", 2, {1, 12}, false, {{" ft", FOOT_MARKS}, {" in", INCH_MARKS}}},
    {"pound + ounce", 2, {1, 16}, false, {{" lb", POUND_MARKS}, {" oz", {"oz", "ounce", "ounces", 0}}}},
    {"stone + pound", 2, {1, 14}, false, {{" st", {"st", "stone", "stones", 0}}, {" lb", POUND_MARKS}}},
    {"hour + minute + second", 3, {1, 60, 60}, true,
     {{" h", {"h", "hr", "hour", "hours", 0}},
      {" min", {"min", "minute", "minutes", 0}},
      {" s", {"s", "sec", "second", "seconds", 0}}}},
    {"degree + minute + second", 3, {1, 60, 60}, false,
     {{"\xC2\xB0", {"\xC2\xB0", "deg", "degree", "degrees", 0}},
      {"'", {"'", "\xE2\x80\xB2", 0}},
      {"\"", {"\"", "\xE2\x80\xB3", 0}}}},
};

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? (char)(c - 'A' + 'a') : c;
}

// The length of the mark at text[at], or 0. A word mark is a whole run of
// letters (so the "e" of 1e3 is none); a symbol is matched as it is.
int MarkLength(const char* text, int at, const char* mark)
{
    int length = (int)std::strlen(mark);
    if (!IsLetter(mark[0])) return std::strncmp(text + at, mark, length) == 0 ? length : 0;
    if (at > 0 && IsLetter(text[at - 1])) return 0;
    for (int i = 0; i < length; ++i)
        if (Lower(text[at + i]) != mark[i]) return 0;
    return IsLetter(text[at + length]) ? 0 : length;
}

// The first mark of a part from `first` on at or after `from`: its place,
// its part and its length; false when there is none.
bool FindMark(const CompoundLayout& layout, const char* text, int from, int first, int* at, int* part,
              int* length)
{
    for (int p = from; text[p]; ++p)
        for (int i = first; i < layout.parts; ++i)
            for (int m = 0; m < kMaxMarks && layout.part[i].marks[m]; ++m) {
                int found = MarkLength(text, p, layout.part[i].marks[m]);
                if (found > 0) {
                    *at = p;
                    *part = i;
                    *length = found;
                    return true;
                }
            }
    return false;
}

bool IsBlankOnly(const char* text, int from, int to)
{
    for (int p = from; p < to; ++p) {
        unsigned char c = (unsigned char)text[p];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
        if (c == 0xC2 && (unsigned char)text[p + 1] == 0xA0) { ++p; continue; }                  // U+00A0
        if (c == 0xE2 && (unsigned char)text[p + 1] == 0x80 &&
            ((unsigned char)text[p + 2] == 0xAF || (unsigned char)text[p + 2] == 0x89)) {        // U+202F, U+2009
            p += 2;
            continue;
        }
        return false;
    }
    return true;
}

struct PartReader {
    const CompoundLayout* layout;
    const char *decimalSymbol, *groupingSymbol;
    ExactNumber total;   // in the first part
    bool negative;       // the first part's sign, which every part takes
    int given;           // parts read so far
};

// Adds text[from, to) as part `part`, counted in the first part.
bool AddPart(PartReader& reader, const char* text, int from, int to, int part)
{
    char partText[kPartTextMax];
    if (to - from >= kPartTextMax || IsBlankOnly(text, from, to)) return false;
    std::memcpy(partText, text + from, to - from);
    partText[to - from] = '\0';
    ExactNumber value, scale;
    if (!ReadQuantity(partText, reader.decimalSymbol, reader.groupingSymbol, &value)) return false;
    if (reader.given == 0) reader.negative = value.negative;
    else if (value.negative && !ExactIsZero(value)) return false;   // one sign, in front
    uint64_t perFirst = 1;
    for (int i = 1; i <= part; ++i) perFirst *= reader.layout->ratio[i];
    ExactSetFraction(scale, 1, perFirst);
    if (!ExactMultiply(value, scale)) return false;
    if (reader.given > 0 && reader.negative) ExactNegate(value);
    ++reader.given;
    return ExactAdd(reader.total, value);
}

// "h:min" or "h:min:s".
int ReadClock(PartReader& reader, const char* text)
{
    int from = 0, part = 0;
    for (int p = 0;; ++p) {
        if (text[p] != ':' && text[p] != '\0') continue;
        if (part >= reader.layout->parts || !AddPart(reader, text, from, p, part)) return 0;
        ++part;
        from = p + 1;
        if (text[p] == '\0') return part >= 2;
    }
}

// Rounds |x| * scale to an integer (ties to even), split into the whole
// number of x and the rest below it, in units of 1 / scale. False for a
// whole number of 10^15 or more. scale < 2^63.
bool RoundScaled(const ExactNumber& x, uint64_t scale, uint64_t* whole, uint64_t* rest, bool* exact)
{
    *whole = *rest = 0;
    *exact = x.sticky == 0;
    if (ExactIsZero(x)) return true;
    const double magnitude = ExactLog10(x);
    if (magnitude > 15.1) return false;
    if (magnitude < -40.0) {   // far below any place shown
        *exact = false;
        return true;
    }
    BigInt n, d, limit;
    BigCopy(n, x.num);
    BigCopy(d, x.den);
    if (x.exponent >= 0) BigMultiplyPowerOfTen(n, x.exponent);
    else BigMultiplyPowerOfTen(d, -x.exponent);
    BigCopy(limit, d);
    BigMultiplyPowerOfTen(limit, 15);
    if (BigCompare(n, limit) >= 0) return false;
    *whole = BigDivide(n, d);
    BigMultiplyWord(n, scale);
    *rest = BigDivide(n, d);
    if (!BigIsZero(n)) *exact = false;
    BigShiftLeft(n, 1);
    int half = BigCompare(n, d);
    if (half == 0) half = x.sticky != 0 ? x.sticky : (*rest & 1) ? 1 : -1;
    if (half > 0 && ++*rest == scale) {
        *rest = 0;
        ++*whole;
    }
    return *whole < kFirstPartLimit;
}

uint64_t PowerOfTen(int n)
{
    uint64_t p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// An answer's text as it is built; 128 bytes hold the longest ("≈ ", a sign,
// three parts of at most 16 digits, 15 decimals or a fraction, the marks).
struct AnswerText {
    char text[128];
    int length;
};

void Put(AnswerText& t, const char* piece)
{
    while (*piece) t.text[t.length++] = *piece++;
}

// value in decimal digits, at least `digits` of them (zeros in front).
void PutNumber(AnswerText& t, uint64_t value, int digits = 1)
{
    char reversed[20];
    int count = 0;
    do {
        reversed[count++] = char('0' + value % 10);
        value /= 10;
    } while (value != 0 || count < digits);
    while (count > 0) t.text[t.length++] = reversed[--count];
}

// The last part: its whole number and `below` in units of 1 / unit, as
// decimals or a reduced fraction.
void PutLastPart(AnswerText& t, uint64_t whole, uint64_t below, uint64_t unit, int decimals, int denominator)
{
    if (denominator == 0) {
        PutNumber(t, whole);
        if (decimals == 0) return;
        Put(t, ".");
        PutNumber(t, below, decimals);
        return;
    }
    if (whole != 0 || below == 0) PutNumber(t, whole);
    if (below == 0) return;
    if (whole != 0) Put(t, " ");
    const uint64_t common = std::gcd(below, unit);
    PutNumber(t, below / common);
    Put(t, "/");
    PutNumber(t, unit / common);
}

}  // namespace

const CompoundLayout* FindCompound(int category, int unit)
{
    if (UnitKindOf(category, unit) != UNIT_COMPOUND) return 0;
    for (const CompoundLayout& layout : kLayouts)
        if (std::strcmp(layout.rowName, UnitName(category, unit)) == 0) return &layout;
    return 0;
}

const char* FirstPartMark(const CompoundLayout* layout)
{
    return layout ? layout->part[0].shownMark : "";
}

bool IsAnswerDenominator(int denominator)
{
    return denominator == 2 || denominator == 4 || denominator == 8 || denominator == 16 || denominator == 32 ||
           denominator == 64;
}

int ReadCompound(const CompoundLayout* layout, const char* typed, const char* decimalSymbol,
                 const char* groupingSymbol, ExactNumber* value)
{
    if (!layout || !typed) return 0;
    PartReader reader = {layout, decimalSymbol, groupingSymbol, {}, false, 0};
    ExactSetDecimal(reader.total, false, 0, 0);
    int ok = 0;
    if (layout->clock && std::strchr(typed, ':')) {
        ok = ReadClock(reader, typed);
    } else {
        // Each part runs up to its mark; a last number without one is the next part.
        int from = 0, next = 0, at, part, length;
        ok = 1;
        while (ok && !IsBlankOnly(typed, from, from + (int)std::strlen(typed + from))) {
            if (FindMark(*layout, typed, from, next, &at, &part, &length)) {
                ok = AddPart(reader, typed, from, at, part);
                from = at + length;
                next = part + 1;
            } else {
                ok = next < layout->parts && AddPart(reader, typed, from, from + (int)std::strlen(typed + from), next);
                break;
            }
        }
        ok = ok && reader.given > 0;
    }
    if (!ok) return 0;
    if (reader.negative && ExactIsZero(reader.total)) reader.total.negative = true;   // "-0 ft" as "-0"
    ExactCopy(*value, reader.total);
    return 1;
}

namespace {

// The rounding's unit per last part (10^decimals or the denominator) and
// per first part; the denominator becomes 0 when it is none.
uint64_t LastPlaces(const CompoundLayout* layout, int* decimals, int* denominator, uint64_t* unit)
{
    *decimals = ClampDecimals(*decimals);
    if (!IsAnswerDenominator(*denominator)) *denominator = 0;
    *unit = *denominator != 0 ? (uint64_t)*denominator : PowerOfTen(*decimals);
    uint64_t scale = *unit;
    for (int i = 1; layout && i < layout->parts; ++i) scale *= layout->ratio[i];
    return scale;
}

}  // namespace

bool ShowsExactly(const CompoundLayout* layout, const ExactNumber& value, int decimals, int denominator)
{
    uint64_t unit, whole, rest;
    bool exact;
    return RoundScaled(value, LastPlaces(layout, &decimals, &denominator, &unit), &whole, &rest, &exact) && exact;
}

int WriteCompound(const CompoundLayout* layout, const ExactNumber& value, int decimals, int denominator, char* out,
                  int outSize)
{
    // Step 1: one rounding, in units of the last part's last place.
    const int parts = layout ? layout->parts : 1;
    uint64_t unit, whole, rest;
    const uint64_t scale = LastPlaces(layout, &decimals, &denominator, &unit);
    bool exact;
    if (!RoundScaled(value, scale, &whole, &rest, &exact)) return 0;

    // Step 2: the parts, cut from that integer from the last one up.
    uint64_t amount[kMaxParts] = {whole};
    uint64_t below = rest, left = rest;
    if (parts > 1) {
        below = left % unit;
        left /= unit;
        for (int i = parts - 1; i >= 1; --i) {
            amount[i] = left % layout->ratio[i];
            left /= layout->ratio[i];
        }
    }

    // Step 3: the text: "≈ ", one "-", the parts from the first that is not zero.
    AnswerText t;
    t.length = 0;
    if (denominator != 0 && !exact) Put(t, "\xE2\x89\x88 ");
    if (value.negative && (whole != 0 || rest != 0)) Put(t, "-");
    int first = 0;
    while (first < parts - 1 && amount[first] == 0) ++first;
    for (int i = first; i < parts; ++i) {
        if (i > first) Put(t, " ");
        if (i < parts - 1) PutNumber(t, amount[i]);
        else PutLastPart(t, amount[i], below, unit, decimals, denominator);
        if (layout) Put(t, layout->part[i].shownMark);
    }
    t.text[t.length] = '\0';
    const int length = t.length;
    const char* text = t.text;
    if (length >= outSize) return 0;
    std::memcpy(out, text, length + 1);
    return 1;
}
