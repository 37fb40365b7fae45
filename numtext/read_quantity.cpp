// The typed-quantity grammar, read by recursive descent over UTF-8:
//
//   text       := blanks expression blanks
//   expression := term (("+" | "-") term)*
//   term       := signed (("*" | "/") signed)*
//   signed     := [sign] primary          one sign at most
//   primary    := "(" expression ")" | quantity
//   quantity   := fraction | numeral [mixed]
//   mixed      := [blanks] fraction | blanks integer "/" integer | "-" integer "/" integer
//
// A mixed number's fraction is proper (numerator below denominator): "3-1/2"
// is 3.5, "3-5/2" is 3 - 5/2. Blanks may stand between tokens. The value is
// built exactly (exact_number.h); nothing is rounded here.
#include "numtext/read_quantity.h"

#include <cstring>

#include "numtext/decimal_digits.h"

namespace {

const int kMaxDigits = 18;          // as ParseReal: 10^18 - 1 < 2^63
const unsigned kMaxExponent = 4931; // as ParseReal: the largest power of ten below the extended range
const int kMaxSymbolBytes = 7;
const int kMaxSeparators = QUANTITY_MAX_CHARACTERS;

// Code points the grammar names.
const unsigned kNoBreakSpace = 0x00A0, kNarrowNoBreakSpace = 0x202F, kThinSpace = 0x2009;
const unsigned kRightQuote = 0x2019, kMinusSign = 0x2212, kEnDash = 0x2013;
const unsigned kTimes = 0x00D7, kDivide = 0x00F7, kMiddleDot = 0x00B7, kFractionSlash = 0x2044;

struct VulgarFraction {
    unsigned codePoint;
    uint8_t numerator, denominator;
};
const VulgarFraction kFractions[] = {
    {0x00BD, 1, 2}, {0x00BC, 1, 4}, {0x00BE, 3, 4}, {0x2153, 1, 3}, {0x2154, 2, 3},
    {0x2155, 1, 5}, {0x2156, 2, 5}, {0x2157, 3, 5}, {0x2158, 4, 5}, {0x2159, 1, 6},
    {0x215A, 5, 6}, {0x215B, 1, 8}, {0x215C, 3, 8}, {0x215D, 5, 8}, {0x215E, 7, 8},
};

struct Reader {
    const char* at;
    const char* begin;     // the text after its leading blanks
    const char* end;       // where its trailing blanks start
    const char* decimal;   // the locale's decimal symbol, or ""
    const char* grouping;  // the locale's grouping symbol, or ""
    int depth;             // parentheses open
};

// The code point at p (before end) and its length; an ill-formed sequence
// reads as U+FFFD of length 1, which nothing accepts.
unsigned Decode(const char* p, const char* end, int* length)
{
    unsigned char c = (unsigned char)*p;
    *length = 1;
    if (c < 0x80) return c;
    int count = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
    if (count < 0 || end - p <= count) return 0xFFFD;
    unsigned value = c & (0x3F >> count);
    for (int i = 1; i <= count; ++i) {
        unsigned char next = (unsigned char)p[i];
        if ((next & 0xC0) != 0x80) return 0xFFFD;
        value = value << 6 | (next & 0x3F);
    }
    *length = count + 1;
    return value;
}

unsigned Peek(const Reader& r, int* length)
{
    if (r.at >= r.end) {
        *length = 0;
        return 0;
    }
    return Decode(r.at, r.end, length);
}

bool IsBlank(unsigned c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == kNoBreakSpace || c == kNarrowNoBreakSpace ||
           c == kThinSpace;
}

bool IsDigit(const char* p, const char* end)
{
    return p < end && (unsigned)(unsigned char)*p - '0' < 10;
}

void SkipBlanks(Reader& r)
{
    int length;
    while (r.at < r.end && IsBlank(Peek(r, &length))) r.at += length;
}

// Whether the symbol (non-empty) is written at p.
bool SymbolAt(const char* p, const char* end, const char* symbol)
{
    size_t n = std::strlen(symbol);
    return n > 0 && (size_t)(end - p) >= n && std::memcmp(p, symbol, n) == 0;
}

bool IsMinus(unsigned c)
{
    return c == '-' || c == kMinusSign || c == kEnDash;
}

// ---- Numerals --------------------------------------------------------------

// What a separator between digits is; the locale's symbols are only looked
// for where the character is none of the others.
enum SeparatorKind { SEP_NONE, SEP_POINT, SEP_COMMA, SEP_BLANK, SEP_APOSTROPHE, SEP_DECIMAL, SEP_GROUPING };

struct Separator {
    SeparatorKind kind;
    int digitsBefore;  // digits of the numeral before it
};

// A numeral as read: digits * 10^power.
struct Numeral {
    uint64_t digits;
    int32_t power;
    bool plainInteger;  // digits only: no mark, grouping or exponent
};

SeparatorKind SeparatorAt(const Reader& r, const char* p, int* length)
{
    *length = 0;
    if (p >= r.end) return SEP_NONE;
    unsigned c = Decode(p, r.end, length);
    if (c == ' ' || c == kNoBreakSpace || c == kNarrowNoBreakSpace || c == kThinSpace) return SEP_BLANK;
    if (c == '\'' || c == kRightQuote) return SEP_APOSTROPHE;
    if (c == '.') return SEP_POINT;
    if (c == ',') return SEP_COMMA;
    if (SymbolAt(p, r.end, r.decimal)) {
        *length = (int)std::strlen(r.decimal);
        return SEP_DECIMAL;
    }
    if (SymbolAt(p, r.end, r.grouping)) {
        *length = (int)std::strlen(r.grouping);
        return SEP_GROUPING;
    }
    *length = 0;
    return SEP_NONE;
}

// "." always marks the decimals, and so does the locale's decimal symbol;
// "," does too after a "." (pointAppears): where both appear, the last marks.
bool IsDecimalCandidate(const Reader& r, SeparatorKind kind, bool pointAppears = false)
{
    return kind == SEP_POINT || kind == SEP_DECIMAL ||
           (kind == SEP_COMMA && (pointAppears || std::strcmp(r.decimal, ",") == 0));
}

// Whether kind may group digits in front of the mark (SEP_NONE: no mark).
// Where "." and "," both appear, the last one is the mark and the other
// groups; "," also groups wherever the decimal symbol is not ",".
bool IsGroupingCandidate(const Reader& r, SeparatorKind kind, SeparatorKind mark)
{
    switch (kind) {
    case SEP_BLANK:
    case SEP_APOSTROPHE:
    case SEP_GROUPING:
        return true;
    case SEP_POINT:
        return mark == SEP_COMMA || std::strcmp(r.grouping, ".") == 0;
    case SEP_COMMA:
        return mark == SEP_POINT || std::strcmp(r.decimal, ",") != 0 || std::strcmp(r.grouping, ",") == 0;
    default:
        return false;
    }
}

// A blank groups only before exactly three digits that end the group, and
// not before a fraction's numerator ("1 234/567" is a mixed number).
bool BlankGroupFollows(const Reader& r, const char* p)
{
    for (int i = 0; i < 3; ++i)
        if (!IsDigit(p + i, r.end)) return false;
    const char* after = p + 3;
    if (IsDigit(after, r.end) || (after < r.end && *after == '/')) return false;
    int length;
    return after >= r.end || Decode(after, r.end, &length) != kFractionSlash;
}

// The exponent after a mantissa, as ParseReal reads it.
bool ScanExponent(const Reader& r, const char*& p, int32_t* exponent)
{
    *exponent = 0;
    if (p >= r.end || (*p != 'e' && *p != 'E')) return true;
    ++p;
    bool negative = false;
    if (p < r.end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    const char* start = p;
    unsigned magnitude = 0;
    for (; IsDigit(p, r.end); ++p) {
        magnitude = magnitude * 10 + (unsigned)(*p - '0');
        if (magnitude > kMaxExponent) return false;
    }
    if (p == start) return false;
    *exponent = negative ? -(int32_t)magnitude : (int32_t)magnitude;
    return true;
}

// Step 1: digits and the separators between them, as far as they go.
// Step 2: the mark is the last separator if it may mark decimals and appears
// once; all separators before it group, of one kind, in threes after a first
// group of one to three digits. Step 3: the exponent.
bool ScanNumeral(Reader& r, Numeral* numeral)
{
    const char* p = r.at;
    Separator separators[kMaxSeparators];
    int count = 0, separatorCount = 0;
    uint64_t digits = 0;  // wraps harmlessly past 19 digits, which fail anyway
    for (;;) {
        if (IsDigit(p, r.end)) {
            digits = digits * 10 + (unsigned)(*p++ - '0');
            ++count;
            continue;
        }
        int length;
        SeparatorKind kind = SeparatorAt(r, p, &length);
        if (kind == SEP_NONE) break;
        const char* after = p + length;
        bool trailingMark = false;
        if (kind == SEP_BLANK) {
            if (count == 0 || !BlankGroupFollows(r, after)) break;
        } else if (!IsDigit(after, r.end)) {
            if (count == 0 || !IsDecimalCandidate(r, kind)) break;
            trailingMark = true;
        } else if (count == 0 && !IsDecimalCandidate(r, kind)) {
            break;
        }
        if (separatorCount == kMaxSeparators) return false;
        separators[separatorCount++] = {kind, count};
        p = after;
        if (trailingMark) break;
    }
    if (count == 0 || count > kMaxDigits) return false;

    SeparatorKind mark = SEP_NONE;
    int groupingCount = separatorCount;
    SeparatorKind last = separatorCount > 0 ? separators[separatorCount - 1].kind : SEP_NONE;
    int seen = 0;
    bool pointAppears = false;
    for (int i = 0; i < separatorCount; ++i) {
        seen += separators[i].kind == last;
        pointAppears = pointAppears || separators[i].kind == SEP_POINT;
    }
    if (separatorCount > 0 && IsDecimalCandidate(r, last, pointAppears)) {
        if (seen == 1) {
            mark = last;
            groupingCount = separatorCount - 1;
        }
    }
    int integerDigits = mark != SEP_NONE ? separators[separatorCount - 1].digitsBefore : count;
    for (int i = 0; i < groupingCount; ++i) {
        if (separators[i].kind != separators[0].kind || !IsGroupingCandidate(r, separators[i].kind, mark))
            return false;
        int groupStart = i == 0 ? 0 : separators[i - 1].digitsBefore;
        int groupLength = separators[i].digitsBefore - groupStart;
        if (i == 0 ? groupLength < 1 || groupLength > 3 : groupLength != 3) return false;
    }
    if (groupingCount > 0 && integerDigits - separators[groupingCount - 1].digitsBefore != 3) return false;

    int32_t exponent;
    const char* mantissaEnd = p;
    if (!ScanExponent(r, p, &exponent)) return false;
    numeral->digits = digits;
    numeral->power = exponent - (count - integerDigits);
    numeral->plainInteger = separatorCount == 0 && p == mantissaEnd;
    r.at = p;
    return true;
}

// ---- Quantities ------------------------------------------------------------

bool ReadVulgarFraction(Reader& r, ExactNumber& value)
{
    int length;
    unsigned c = Peek(r, &length);
    for (const VulgarFraction& f : kFractions) {
        if (f.codePoint == c) {
            ExactSetFraction(value, f.numerator, f.denominator);
            r.at += length;
            return true;
        }
    }
    return false;
}

bool IsSlash(const Reader& r)
{
    int length;
    unsigned c = Peek(r, &length);
    return c == '/' || c == kFractionSlash;
}

// integer "/" integer with the numerator below the denominator (and, when
// wholeRest, nothing after it), added to value; r and value change only when
// it is there.
bool AddProperFraction(Reader& r, ExactNumber& value, bool wholeRest)
{
    Reader look = r;
    Numeral numerator, denominator;
    if (!ScanNumeral(look, &numerator) || !numerator.plainInteger || !IsSlash(look)) return false;
    int length;
    Peek(look, &length);
    look.at += length;
    if (!ScanNumeral(look, &denominator) || !denominator.plainInteger) return false;
    if (numerator.digits >= denominator.digits || (wholeRest && look.at != look.end)) return false;
    ExactNumber fraction;
    ExactSetFraction(fraction, numerator.digits, denominator.digits);
    if (!ExactAdd(value, fraction)) return false;
    r = look;
    return true;
}

// Whether p is the text's start, or one sign after it.
bool StartsText(const Reader& r, const char* p)
{
    if (p == r.begin) return true;
    int length;
    unsigned c = Decode(r.begin, r.end, &length);
    return (c == '+' || IsMinus(c)) && r.begin + length == p;
}

// A number, a vulgar fraction, or a whole number with a fraction after it.
// "3-1/2" is a mixed number only as the whole text (after a sign), so that
// "2*3-1/2" stays arithmetic.
bool ReadNumber(Reader& r, ExactNumber& value)
{
    if (ReadVulgarFraction(r, value)) return true;
    const char* start = r.at;
    Numeral whole;
    if (!ScanNumeral(r, &whole)) return false;
    ExactSetDecimal(value, false, whole.digits, whole.power);
    if (!whole.plainInteger) return true;

    Reader look = r;
    SkipBlanks(look);
    ExactNumber fraction;
    if (ReadVulgarFraction(look, fraction)) {
        r = look;
        return ExactAdd(value, fraction);
    }
    if (look.at != r.at) {
        if (AddProperFraction(look, value, false)) r = look;
        return true;
    }
    if (r.at < r.end && *r.at == '-' && StartsText(r, start)) {
        look.at = r.at + 1;
        if (AddProperFraction(look, value, true)) r = look;
    }
    return true;
}

bool ReadExpression(Reader& r, ExactNumber& value);

bool ReadPrimary(Reader& r, ExactNumber& value)
{
    if (r.at < r.end && *r.at == '(') {
        ++r.at;
        if (++r.depth > QUANTITY_MAX_CHARACTERS) return false;
        SkipBlanks(r);
        if (!ReadExpression(r, value)) return false;
        SkipBlanks(r);
        if (r.at >= r.end || *r.at != ')') return false;
        ++r.at;
        --r.depth;
        return true;
    }
    return ReadNumber(r, value);
}

// One sign at most, directly before its operand.
bool ReadSigned(Reader& r, ExactNumber& value)
{
    int length;
    unsigned c = Peek(r, &length);
    bool negative = IsMinus(c);
    if (negative || c == '+') r.at += length;
    if (!ReadPrimary(r, value)) return false;
    if (negative) ExactNegate(value);
    return true;
}

bool ReadTerm(Reader& r, ExactNumber& value)
{
    if (!ReadSigned(r, value)) return false;
    for (;;) {
        SkipBlanks(r);
        int length;
        unsigned c = Peek(r, &length);
        bool divide = c == '/' || c == kDivide || c == kFractionSlash;
        if (!divide && c != '*' && c != kTimes && c != kMiddleDot) return true;
        r.at += length;
        SkipBlanks(r);
        ExactNumber operand;
        if (!ReadSigned(r, operand)) return false;
        if (!(divide ? ExactDivide(value, operand) : ExactMultiply(value, operand))) return false;
    }
}

bool ReadExpression(Reader& r, ExactNumber& value)
{
    if (!ReadTerm(r, value)) return false;
    for (;;) {
        SkipBlanks(r);
        int length;
        unsigned c = Peek(r, &length);
        bool minus = IsMinus(c);
        if (!minus && c != '+') return true;
        r.at += length;
        SkipBlanks(r);
        ExactNumber operand;
        if (!ReadTerm(r, operand)) return false;
        if (minus) ExactNegate(operand);
        if (!ExactAdd(value, operand)) return false;
    }
}

// A locale symbol the grammar can use: short, and not a digit, a blank or an
// operator's first byte.
const char* UsableSymbol(const char* symbol)
{
    if (!symbol || std::strlen(symbol) > (size_t)kMaxSymbolBytes) return "";
    unsigned char first = (unsigned char)symbol[0];
    if ((first >= '0' && first <= '9') || std::strchr("+-*/()eE", first)) return "";
    return symbol;
}

}  // namespace

int ReadQuantity(const char* text, const char* decimalSymbol, const char* groupingSymbol, ExactNumber* value)
{
    // Step 1: a plain decimal as ParseReal reads it (most of what is typed)
    // is the decimal it writes, whatever the locale: "." always marks the
    // decimals, and nothing else may appear in it.
    ScannedNumber plain;
    if (ScanNumber(text, &plain)) {
        ExactSetDecimal(*value, plain.negative, plain.digits,
                        plain.exponent - (plain.digitCount - plain.integerDigits));
        return 1;
    }

    // Step 2: the text between its leading and trailing blanks, at most 64
    // characters of it.
    Reader r;
    r.decimal = UsableSymbol(decimalSymbol);
    r.grouping = UsableSymbol(groupingSymbol);
    r.depth = 0;
    const char* end = text + std::strlen(text);
    r.at = text;
    r.end = end;
    SkipBlanks(r);
    r.begin = r.at;
    const char* lastEnd = r.at;
    int characters = 0;
    for (const char* p = r.at; p < end;) {
        int length;
        unsigned c = Decode(p, end, &length);
        p += length;
        ++characters;
        if (IsBlank(c)) continue;
        if (characters > QUANTITY_MAX_CHARACTERS) return 0;
        lastEnd = p;
    }
    r.end = lastEnd;

    // Step 3: one expression, and nothing after it.
    if (!ReadExpression(r, *value)) return 0;
    return r.at == r.end ? 1 : 0;
}
