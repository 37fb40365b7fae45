// Folding and matching for the "Find Unit" box.
//
// Names are folded afresh on every query, into a buffer on the stack: 1788
// names of at most 39 bytes are a few tens of thousands of table look-ups,
// well under a millisecond, and nothing has to be built, cached or freed.
#include "core/unit_search.h"
#include "core/name_text.h"

#include <cassert>
#include <vector>

// What each Windows-1252 byte folds to, by byte value. A blank here means
// "separates words"; FoldUnitText collapses and trims them.
static const char FoldTable[256][FOLD_MAX + 1] = {
    /* 00 */ " ", " ", " ", " ", " ", " ", " ", " ",
    /* 08 */ " ", " ", " ", " ", " ", " ", " ", " ",
    /* 10 */ " ", " ", " ", " ", " ", " ", " ", " ",
    /* 18 */ " ", " ", " ", " ", " ", " ", " ", " ",
    /* 20 */ " ", "!", "\"", "#", "$", "%", "&", "'",
    /* 28 */ "(", ")", "*", "+", ",", "-", ".", "/",
    /* 30 */ "0", "1", "2", "3", "4", "5", "6", "7",
    /* 38 */ "8", "9", ":", ";", "<", "=", ">", "?",
    /* 40 */ "@", "a", "b", "c", "d", "e", "f", "g",
    /* 48 */ "h", "i", "j", "k", "l", "m", "n", "o",
    /* 50 */ "p", "q", "r", "s", "t", "u", "v", "w",
    /* 58 */ "x", "y", "z", "[", "\\", "]", "^", "_",
    /* 60 */ "`", "a", "b", "c", "d", "e", "f", "g",
    /* 68 */ "h", "i", "j", "k", "l", "m", "n", "o",
    /* 70 */ "p", "q", "r", "s", "t", "u", "v", "w",
    /* 78 */ "x", "y", "z", "{", "|", "}", "~", " ",
    // euro, undefined, low quote, f hook, low dquote, ellipsis, dagger, ddagger
    /* 80 */ " ", " ", "'", "f", "\"", "...", " ", " ",
    // circumflex, per mille, S caron, lsaquo, OE, undefined, Z caron, undefined
    /* 88 */ "^", " ", "s", "<", "oe", " ", "z", " ",
    // undefined, lquote, rquote, ldquote, rdquote, bullet, en dash, em dash
    /* 90 */ " ", "'", "'", "\"", "\"", " ", "-", "-",
    // tilde, trade, s caron, rsaquo, oe, undefined, z caron, Y diaeresis
    /* 98 */ "~", "tm", "s", ">", "oe", " ", "z", "y",
    // nbsp, inv !, cent, pound, currency, yen, broken bar, section
    /* A0 */ " ", "!", " ", " ", " ", " ", "|", " ",
    // diaeresis, copyright, ord a, laquo, not, soft hyphen, registered, macron
    /* A8 */ " ", " ", "a", "<<", " ", "", " ", " ",
    // degree, plus-minus, sup 2, sup 3, acute, micro, pilcrow, middle dot
    /* B0 */ " ", "+-", "2", "3", "'", "u", " ", " ",
    // cedilla, sup 1, ord o, raquo, 1/4, 1/2, 3/4, inv ?
    /* B8 */ " ", "1", "o", ">>", "1/4", "1/2", "3/4", "?",
    // A grave..A ring, AE, C cedilla
    /* C0 */ "a", "a", "a", "a", "a", "a", "ae", "c",
    // E grave..I diaeresis
    /* C8 */ "e", "e", "e", "e", "i", "i", "i", "i",
    // Eth, N tilde, O grave..O diaeresis, times
    /* D0 */ "d", "n", "o", "o", "o", "o", "o", "x",
    // O stroke, U grave..Y acute, Thorn, sharp s
    /* D8 */ "o", "u", "u", "u", "u", "y", "th", "ss",
    // a grave..a ring, ae, c cedilla
    /* E0 */ "a", "a", "a", "a", "a", "a", "ae", "c",
    // e grave..i diaeresis
    /* E8 */ "e", "e", "e", "e", "i", "i", "i", "i",
    // eth, n tilde, o grave..o diaeresis, divide
    /* F0 */ "d", "n", "o", "o", "o", "o", "o", "/",
    // o stroke, u grave..y acute, thorn, y diaeresis
    /* F8 */ "o", "u", "u", "u", "u", "y", "th", "y",
};

const char* FoldedByte(unsigned char byte)
{
    return FoldTable[byte];
}

// Entity texts that a few catalogue names hold literally ("newton
// second/m&sup2;"): folded as the byte they stand for, so that "m2" finds
// them like it finds "m\xB2".
struct EntityText {
    const char* text;
    int length;
    unsigned char byte;
};

static const EntityText Entities[] = {
    { "&sup1;", 6, 0xB9 }, { "&sup2;", 6, 0xB2 }, { "&sup3;", 6, 0xB3 },
    { "&nbsp;", 6, 0xA0 }, { "&deg;", 5, 0xB0 },  { "&micro;", 7, 0xB5 },
};

// The entity starting at text[0], or 0. At most `left` bytes are looked at,
// and none past a NUL: the comparison stops at the first byte that differs,
// and no entity text holds a NUL (memcmp may read all of its bytes).
static const EntityText* EntityAt(const char* text, int left)
{
    for (const EntityText& entity : Entities) {
        if (entity.length > left)
            continue;
        int same = 0;
        while (same < entity.length && text[same] == entity.text[same])
            ++same;
        if (same == entity.length)
            return &entity;
    }
    return 0;
}

int FoldUnitText(const char* text, int length, char* out, int outSize)
{
    // Precondition: room for the NUL at least.
    assert(outSize > 0);
    int written = 0;
    bool blankPending = false;   // a blank seen since the last byte written
    for (int i = 0; i < length && text[i] != '\0'; ++i) {
        unsigned char byte = static_cast<unsigned char>(text[i]);
        if (byte == '&') {
            const EntityText* entity = EntityAt(text + i, length - i);
            if (entity) {
                byte = entity->byte;
                i += entity->length - 1;
            }
        }
        // Abbreviation points go: "U.S." and "I.T." fold to "us" and "it",
        // as the catalogue also spells them. A decimal point stays.
        if (byte == '.' && !blankPending && written > 0 && out[written - 1] >= 'a' &&
            out[written - 1] <= 'z')
            continue;
        for (const char* folded = FoldTable[byte]; *folded != '\0'; ++folded) {
            if (*folded == ' ') {
                blankPending = written > 0;   // leading blanks are dropped
                continue;
            }
            int need = blankPending ? 2 : 1;
            if (written + need >= outSize) {
                out[written] = '\0';
                return written;
            }
            if (blankPending)
                out[written++] = ' ';
            blankPending = false;
            out[written++] = *folded;
        }
    }
    out[written] = '\0';   // a pending blank at the end is dropped
    return written;
}

// Ranks, best first. A row that does not match gets NO_MATCH.
enum {
    RANK_EQUAL,        // name equals the query
    RANK_PREFIX,       // name starts with the query
    RANK_WORD_START,   // a word of the name starts with the query's first word
    RANK_OTHER,        // every word somewhere
    RANK_COUNT,
    NO_MATCH = 0xFF
};

// The query after folding, cut into its blank-separated words.
struct FoldedQuery {
    char text[FIND_QUERY_MAX * FOLD_MAX + 1];
    int length;
    int wordStart[FIND_QUERY_MAX];   // a word needs a byte and a blank after it
    int wordLength[FIND_QUERY_MAX];
    int words;
};

static bool IsPer(const char* word, int length)
{
    return length == 3 && word[0] == 'p' && word[1] == 'e' && word[2] == 'r';
}

// Folds the query and cuts it into words. The catalogue writes "per" as "/",
// so a "per" after a word becomes a "/" joining it to the next: "cubic foot
// per minute" is "cubic foot/minute". A "per" that starts the query stays a
// word ("percent" is typed through it).
static void FoldQuery(const char* query, FoldedQuery* folded)
{
    char plain[sizeof folded->text];
    int plainLength = FoldUnitText(query, FIND_QUERY_MAX, plain, sizeof plain);

    // Step 1: copy the words, turning each "per" after a word into "/". The
    // text can only shrink.
    int length = 0;
    bool joinNext = false;   // the previous word was a "per" made "/"
    int i = 0;
    while (i < plainLength) {
        int start = i;
        while (i < plainLength && plain[i] != ' ')
            ++i;
        int wordLength = i - start;
        ++i;   // the one blank between words
        if (length > 0 && IsPer(plain + start, wordLength)) {
            folded->text[length++] = '/';
            joinNext = true;
            continue;
        }
        if (length > 0 && !joinNext)
            folded->text[length++] = ' ';
        joinNext = false;
        for (int k = 0; k < wordLength; ++k)
            folded->text[length++] = plain[start + k];
    }
    folded->text[length] = '\0';
    folded->length = length;

    // Step 2: the words, between single blanks.
    folded->words = 0;
    i = 0;
    while (i < length && folded->words < FIND_QUERY_MAX) {
        int start = i;
        while (i < length && folded->text[i] != ' ')
            ++i;
        folded->wordStart[folded->words] = start;
        folded->wordLength[folded->words] = i - start;
        ++folded->words;
        ++i;
    }
}

// Separators end a word; the apostrophe and the decimal point do not
// ("miner's", "#2.5 can").
static bool IsWordByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '\'' || c == '.';
}

static bool SameBytes(const char* a, const char* b, int length)
{
    for (int i = 0; i < length; ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

// Where needle first occurs in text at or after `from`, or -1.
static int FindFrom(const char* text, int textLength, const char* needle, int needleLength, int from)
{
    for (int i = from; i + needleLength <= textLength; ++i)
        if (text[i] == needle[0] && SameBytes(text + i + 1, needle + 1, needleLength - 1))
            return i;
    return -1;
}

static bool StartsAWord(const char* text, int textLength, const char* word, int wordLength)
{
    for (int at = FindFrom(text, textLength, word, wordLength, 0); at >= 0;
         at = FindFrom(text, textLength, word, wordLength, at + 1))
        if (at == 0 || !IsWordByte(text[at - 1]))
            return true;
    return false;
}

// The rank of one folded name against a query with at least one word.
static unsigned char RankName(const char* name, int nameLength, const FoldedQuery& query)
{
    for (int w = 0; w < query.words; ++w)
        if (FindFrom(name, nameLength, query.text + query.wordStart[w], query.wordLength[w], 0) < 0)
            return NO_MATCH;
    if (nameLength >= query.length && SameBytes(name, query.text, query.length))
        return nameLength == query.length ? RANK_EQUAL : RANK_PREFIX;
    if (StartsAWord(name, nameLength, query.text + query.wordStart[0], query.wordLength[0]))
        return RANK_WORD_START;
    return RANK_OTHER;
}

int FindUnits(const char* query, UnitMatch* results, int capacity)
{
    if (capacity < 0)
        capacity = 0;
    FoldedQuery folded;
    FoldQuery(query ? query : "", &folded);

    // Step 1: rank every row in catalogue order, counting each rank. The
    // ranks are kept from one query to the next, so only a catalogue that
    // has grown allocates.
    static std::vector<unsigned char> rank;
    const int rows = TotalUnitCount();
    if (rank.size() < std::size_t(rows))
        rank.resize(std::size_t(rows));
    int rankCount[RANK_COUNT] = {};
    int row = 0;
    for (int c = 0; c < CategoryCount(); ++c) {
        for (int u = 0; u < UnitCount(c); ++u, ++row) {
            unsigned char r = RANK_OTHER;   // a query without words finds every row
            if (folded.words > 0) {
                char name[FOLDED_NAME_MAX + 1], own[UNIT_NAME_MAX + 1];
                int nameLength = FoldUnitText(UnitName1252(c, u, own, sizeof own), UNIT_NAME_MAX, name, sizeof name);
                r = RankName(name, nameLength, folded);
            }
            rank[row] = r;
            if (r != NO_MATCH)
                ++rankCount[r];
        }
    }

    // Step 2: each rank's first place in the results, then every matching row
    // to the next place of its rank; catalogue order holds within a rank.
    int next[RANK_COUNT];
    next[0] = 0;
    for (int r = 1; r < RANK_COUNT; ++r)
        next[r] = next[r - 1] + rankCount[r - 1];
    int found = next[RANK_COUNT - 1] + rankCount[RANK_COUNT - 1];

    row = 0;
    for (int c = 0; c < CategoryCount(); ++c) {
        for (int u = 0; u < UnitCount(c); ++u, ++row) {
            if (rank[row] == NO_MATCH)
                continue;
            int place = next[rank[row]]++;
            if (place < capacity) {
                results[place].category = static_cast<short>(c);
                results[place].unit = static_cast<short>(u);
            }
        }
    }
    return found < capacity ? found : capacity;
}
