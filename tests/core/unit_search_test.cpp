// The "Find Unit" matcher: folding, which rows a query finds and their order,
// and the text of a found row. Rows are looked up by their exact catalogue
// names here, never by running the matcher's own folding.
#include "core/unit_search.h"

#include "numtext/numtext.h"
#include "tests/catalogue/table_lookup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

// Index of the row with exactly this name; fails the test when there is none.
int Unit(int category, const char* name)
{
    int unit = UnitIndex(category, name);
    if (unit < 0) ADD_FAILURE() << "no row \"" << name << "\" in category " << category;
    return unit;
}

struct Row {
    int category, unit;
    bool operator==(const Row& other) const
    {
        return category == other.category && unit == other.unit;
    }
};

std::ostream& operator<<(std::ostream& out, const Row& row)
{
    out << "(" << row.category << ", " << row.unit;
    if (IsCategoryIndex(row.category) && row.unit >= 0 && row.unit < UnitCount(row.category))
        out << " \"" << UnitName(row.category, row.unit) << "\"";
    return out << ")";
}

Row Named(int category, const char* name)
{
    return { category, Unit(category, name) };
}

std::vector<Row> Find(const char* query)
{
    std::vector<UnitMatch> results(static_cast<size_t>(TotalUnitCount()));
    int count = FindUnits(query, results.data(), int(results.size()));
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({ results[i].category, results[i].unit });
    return rows;
}

// Place of the row in the results, or -1.
int PlaceOf(const std::vector<Row>& rows, Row row)
{
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i] == row)
            return static_cast<int>(i);
    return -1;
}

std::string Fold(const char* text)
{
    char out[256];
    FoldUnitText(text, static_cast<int>(std::strlen(text)), out, sizeof out);
    return out;
}

std::string FoldedByteText(int byte)
{
    return FoldedByte(static_cast<unsigned char>(byte));
}

std::string RowText(int category, int unit)
{
    char out[FOUND_ROW_TEXT_MAX];
    FormatFoundRow(category, unit, out, sizeof out);
    return out;
}

std::string Short(double value)
{
    char out[SHORT_NUMBER_MAX];
    FormatShortNumber(value, out);
    return out;
}

// --- Folding, byte by byte -------------------------------------------------

TEST(UnitFold, EveryByteFoldsToAtMostThreeLowerCasePrintableAsciiBytes)
{
    for (int byte = 0; byte < 256; ++byte) {
        std::string folded = FoldedByteText(byte);
        EXPECT_LE(folded.size(), size_t(FOLD_MAX)) << std::hex << byte;
        for (char c : folded) {
            EXPECT_TRUE(c >= 0x20 && c <= 0x7E) << std::hex << byte;
            EXPECT_FALSE(c >= 'A' && c <= 'Z') << std::hex << byte;
        }
        // A blank only ever stands alone: it means "separates words".
        if (folded.find(' ') != std::string::npos) {
            EXPECT_EQ(folded, " ") << std::hex << byte;
        }
        // Only the soft hyphen, which is invisible, folds to nothing.
        if (byte != 0xAD) {
            EXPECT_FALSE(folded.empty()) << std::hex << byte;
        }
    }
    EXPECT_EQ(FoldedByteText(0xAD), "");
}

TEST(UnitFold, AsciiFoldsToItselfInLowerCase)
{
    for (int byte = 0x21; byte <= 0x7E; ++byte) {
        char expected = (byte >= 'A' && byte <= 'Z') ? char(byte + 32) : char(byte);
        EXPECT_EQ(FoldedByteText(byte), std::string(1, expected)) << std::hex << byte;
    }
    EXPECT_EQ(FoldedByteText(' '), " ");
}

TEST(UnitFold, ControlAndUndefinedBytesSeparateWords)
{
    for (int byte = 0x00; byte < 0x20; ++byte)
        EXPECT_EQ(FoldedByteText(byte), " ") << std::hex << byte;
    for (int byte : { 0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D })
        EXPECT_EQ(FoldedByteText(byte), " ") << std::hex << byte;
}

TEST(UnitFold, LettersLoseTheirAccents)
{
    struct Letters { const char* bytes; const char* folded; };
    const Letters letters[] = {
        { "\xC0\xC1\xC2\xC3\xC4\xC5\xE0\xE1\xE2\xE3\xE4\xE5", "a" },
        { "\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB", "e" },
        { "\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF", "i" },
        { "\xD2\xD3\xD4\xD5\xD6\xD8\xF2\xF3\xF4\xF5\xF6\xF8", "o" },
        { "\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC", "u" },
        { "\xDD\xFD\xFF\x9F", "y" },   // Y/y acute, y diaeresis in both cases
        { "\xC7\xE7", "c" },
        { "\xD1\xF1", "n" },
        { "\xD0\xF0", "d" },           // eth
        { "\x8A\x9A", "s" },           // S/s caron
        { "\x8E\x9E", "z" },           // Z/z caron
        { "\x83", "f" },               // f with hook
        { "\xC6\xE6", "ae" },
        { "\x8C\x9C", "oe" },
        { "\xDE\xFE", "th" },          // thorn
        { "\xDF", "ss" },
        { "\xAA", "a" },               // ordinal indicators
        { "\xBA", "o" },
    };
    for (const Letters& group : letters)
        for (const char* b = group.bytes; *b; ++b)
            EXPECT_EQ(FoldedByteText(static_cast<unsigned char>(*b)), group.folded)
                << std::hex << (static_cast<unsigned char>(*b) + 0);
}

TEST(UnitFold, SuperscriptsFractionsAndSignsWithAnAsciiSpelling)
{
    EXPECT_EQ(FoldedByteText(0xB9), "1");
    EXPECT_EQ(FoldedByteText(0xB2), "2");
    EXPECT_EQ(FoldedByteText(0xB3), "3");
    EXPECT_EQ(FoldedByteText(0xBC), "1/4");
    EXPECT_EQ(FoldedByteText(0xBD), "1/2");
    EXPECT_EQ(FoldedByteText(0xBE), "3/4");
    EXPECT_EQ(FoldedByteText(0xB5), "u");     // micro sign: "\xB5m" is "um"
    EXPECT_EQ(FoldedByteText(0xD7), "x");     // times
    EXPECT_EQ(FoldedByteText(0xF7), "/");     // divide
    EXPECT_EQ(FoldedByteText(0xB1), "+-");
    EXPECT_EQ(FoldedByteText(0x99), "tm");
    EXPECT_EQ(FoldedByteText(0x92), "'");     // typographic apostrophe: "miner\x92s"
    EXPECT_EQ(FoldedByteText(0x96), "-");     // en dash
    EXPECT_EQ(FoldedByteText(0x97), "-");     // em dash
    EXPECT_EQ(FoldedByteText(0x85), "...");
}

TEST(UnitFold, OtherSignsSeparateWords)
{
    // degree, middle dot, no-break space, euro, pound, copyright, section, bullet
    for (int byte : { 0xB0, 0xB7, 0xA0, 0x80, 0xA3, 0xA9, 0xA7, 0x95 })
        EXPECT_EQ(FoldedByteText(byte), " ") << std::hex << byte;
}

// --- Folding whole texts ----------------------------------------------------

TEST(UnitFold, TextsAreTrimmedAndBlanksCollapsed)
{
    EXPECT_EQ(Fold("  Cubic   Foot  "), "cubic foot");
    EXPECT_EQ(Fold("millisecond "), "millisecond");
    EXPECT_EQ(Fold("poise cm\xB3/gram  "), "poise cm3/gram");
    EXPECT_EQ(Fold("\tkip\r\n"), "kip");
    EXPECT_EQ(Fold(""), "");
    EXPECT_EQ(Fold("   "), "");
    EXPECT_EQ(Fold("\xB0\xB7\xA0"), "");
}

TEST(UnitFold, DegreeSignsFoldTheSameWhereverTheBlankIs)
{
    EXPECT_EQ(Fold("calorie [15\xB0 C]"), "calorie [15 c]");
    EXPECT_EQ(Fold("foot of air [15 \xB0" "C]"), "foot of air [15 c]");
    EXPECT_EQ(Fold("15\xB0" "C"), "15 c");
}

TEST(UnitFold, AccentedNamesFoldToPlainLetters)
{
    EXPECT_EQ(Fold("douzi\xE8me [watchmaking]"), "douzieme [watchmaking]");
    EXPECT_EQ(Fold("DOUZI\xC8ME"), "douzieme");
    EXPECT_EQ(Fold("on\xE7" "a [Portuguese]"), "onca [portuguese]");
    EXPECT_EQ(Fold("pferdest\xE4rkenstunde"), "pferdestarkenstunde");
    EXPECT_EQ(Fold("m\xB2/second"), "m2/second");
    EXPECT_EQ(Fold("\xBD" "a"), "1/2a");
    EXPECT_EQ(Fold("co\xAD" "operate"), "cooperate");   // soft hyphen vanishes
}

TEST(UnitFold, EntityTextsFoldAsTheirCharacters)
{
    EXPECT_EQ(Fold("newton second/m&sup2;"), "newton second/m2");
    EXPECT_EQ(Fold("kilogram-force second/m&sup2;&nbsp;"), "kilogram-force second/m2");
    EXPECT_EQ(Fold("&sup1;&sup3;&deg;&micro;m"), "13 um");
    // Only whole entities: anything else keeps its ampersand.
    EXPECT_EQ(Fold("Dynamic Viscosity (Oil & Water)"), "dynamic viscosity (oil & water)");
    EXPECT_EQ(Fold("m&sup2"), "m&sup2");
    EXPECT_EQ(Fold("m&SUP2;"), "m&sup2;");
}

TEST(UnitFold, AbbreviationPointsGoDecimalPointsStay)
{
    EXPECT_EQ(Fold("gallon [U.S.] of LPG"), "gallon [us] of lpg");
    EXPECT_EQ(Fold("Btu/hour [I.T.]"), "btu/hour [it]");
    EXPECT_EQ(Fold("#2.5 can"), "#2.5 can");
    EXPECT_EQ(Fold(". a .5"), ". a .5");
}

TEST(UnitFold, OutputAndInputAreBounded)
{
    char out[8];
    std::memset(out, 'X', sizeof out);
    // "1/2" does not fit whole after "abc": cut between folded bytes.
    EXPECT_EQ(FoldUnitText("abc\xBD\xBD", 5, out, 6), 5);
    EXPECT_STREQ(out, "abc1/");
    EXPECT_EQ(out[6], 'X');
    // A blank is only written with a byte after it.
    EXPECT_EQ(FoldUnitText("abcd e", 6, out, 6), 4);
    EXPECT_STREQ(out, "abcd");
    EXPECT_EQ(FoldUnitText("abc", 3, out, 1), 0);
    EXPECT_STREQ(out, "");
    // The length limit holds before the NUL, entities included.
    EXPECT_EQ(FoldUnitText("meter", 3, out, sizeof out), 3);
    EXPECT_STREQ(out, "met");
    EXPECT_EQ(FoldUnitText("m&sup2;", 6, out, sizeof out), 6);
    EXPECT_STREQ(out, "m&sup2");
}

// --- Which rows a query finds -----------------------------------------------

TEST(FindUnits, QueryWithoutWordsListsEveryRowInCatalogueOrder)
{
    for (const char* query : { "", "   ", "\t", "\xB0", "\xAD" }) {
        std::vector<Row> rows = Find(query);
        ASSERT_EQ(rows.size(), 1788u) << query;
        size_t place = 0;
        for (int c = 0; c < CategoryCount(); ++c)
            for (int u = 0; u < UnitCount(c); ++u, ++place)
                ASSERT_EQ(rows[place], (Row{ c, u })) << "query \"" << query << "\"";
    }
}

TEST(FindUnits, CapacityHoldsTheWholeCatalogue)
{
    int total = 0;
    for (int c = 0; c < CategoryCount(); ++c)
        total += UnitCount(c);
    EXPECT_EQ(total, TotalUnitCount());
}

TEST(FindUnits, WordsMatchInAnyOrder)
{
    std::vector<Row> rows = Find("foot square");
    EXPECT_GE(PlaceOf(rows, Named(CATEGORY_AREA, "square foot")), 0);
    EXPECT_GE(PlaceOf(rows, Named(CATEGORY_AREA, "square foot [survey]")), 0);
    EXPECT_GE(PlaceOf(rows, Named(CATEGORY_PRESSURE, "pound/square foot")), 0);

    // The same rows either way round, though not in the same order.
    std::vector<Row> other = Find("square foot");
    EXPECT_EQ(rows.size(), other.size());
    for (const Row& row : other)
        EXPECT_GE(PlaceOf(rows, row), 0) << row;
    EXPECT_EQ(other[0], Named(CATEGORY_AREA, "square foot"));
}

TEST(FindUnits, EveryWordMustBeThere)
{
    EXPECT_TRUE(Find("xyz").empty());
    EXPECT_TRUE(Find("meter xyz").empty());
    // Leagues come as statute, nautical, UK and Celtic; none is a survey league.
    EXPECT_TRUE(Find("league us survey").empty());
    EXPECT_EQ(Find("league us"),
              (std::vector<Row>{ Named(CATEGORY_ALL_LENGTH, "league [US statute]"),
                                 Named(CATEGORY_AREA, "square league [U.S. statute]") }));
}

TEST(FindUnits, OneRowPerCategoryForANameInSeveral)
{
    // "kip" is a mass and a force; the two pressures start with it.
    EXPECT_EQ(Find("kip"), (std::vector<Row>{ Named(CATEGORY_ALL_MASS, "kip"), Named(CATEGORY_FORCE, "kip"),
                                              Named(CATEGORY_PRESSURE, "kip/square foot"),
                                              Named(CATEGORY_PRESSURE, "kip/square inch") }));
    std::vector<Row> meter = Find("meter");
    ASSERT_GE(meter.size(), 4u);
    EXPECT_EQ(meter[0], Named(CATEGORY_ALL_LENGTH, "meter"));
    EXPECT_EQ(meter[1], Named(CATEGORY_COMMON_LENGTH, "meter"));
    EXPECT_EQ(meter[2], Named(CATEGORY_ASTRONOMICAL, "meter"));
    EXPECT_EQ(meter[3], Named(CATEGORY_METRIC_LENGTH, "meter"));
    // 244 names hold "meter" in any case (grep -ci over the tables' names).
    EXPECT_EQ(meter.size(), 244u);
}

TEST(FindUnits, RanksEqualThenPrefixThenWordStartThenTheRest)
{
    std::vector<Row> rows = Find("meter");
    int equal = PlaceOf(rows, Named(CATEGORY_METRIC_LENGTH, "meter"));
    int prefix = PlaceOf(rows, Named(CATEGORY_ALL_SPEED, "meter/day"));
    int prefixLater = PlaceOf(rows, Named(CATEGORY_PRESSURE, "meter of air [0 \xB0" "C]"));
    int wordStart = PlaceOf(rows, Named(CATEGORY_COOKING, "cubic meter"));
    int wordStartLater = PlaceOf(rows, Named(CATEGORY_AREA, "square meter"));
    int inside = PlaceOf(rows, Named(CATEGORY_ALL_LENGTH, "kilometer"));
    int insideLater = PlaceOf(rows, Named(CATEGORY_METRIC_LENGTH, "kilometer"));
    EXPECT_LT(equal, prefix);
    EXPECT_LT(prefix, prefixLater);       // same rank: category order
    EXPECT_LT(prefixLater, wordStart);    // a prefix in Pressure beats a word in Cooking
    EXPECT_LT(wordStart, wordStartLater);
    EXPECT_LT(wordStartLater, inside);
    EXPECT_LT(inside, insideLater);

    // Within a category, unit order.
    EXPECT_LT(PlaceOf(rows, Named(CATEGORY_ALL_LENGTH, "attometer")), inside);
}

TEST(FindUnits, WordsStartAfterSeparatorsNotInsideWords)
{
    std::vector<Row> rows = Find("second");
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[0], Named(CATEGORY_ANGLE, "second"));
    EXPECT_EQ(rows[1], Named(CATEGORY_TIME, "second"));
    EXPECT_EQ(rows[2], Named(CATEGORY_ALL_LENGTH, "light second"));   // after a blank
    int afterSlash = PlaceOf(rows, Named(CATEGORY_ALL_SPEED, "foot/second"));
    int insideWord = PlaceOf(rows, Named(CATEGORY_TIME, "millisecond "));
    EXPECT_LT(2, afterSlash);
    EXPECT_LT(afterSlash, insideWord);

    // An apostrophe does not start a word: "s" starts one in "rod [survey]"
    // but not in "hair's breadth", which comes first in the table.
    std::vector<Row> s = Find("s");
    int survey = PlaceOf(s, Named(CATEGORY_ALL_LENGTH, "rod [survey]"));
    int hairs = PlaceOf(s, Named(CATEGORY_ALL_LENGTH, "hair's breadth"));
    ASSERT_GE(survey, 0);
    EXPECT_LT(survey, hairs);
}

TEST(FindUnits, OnlyTheFirstQueryWordRanksByWordStart)
{
    // "foot" starts a word in "square foot", "square" starts the name.
    std::vector<Row> rows = Find("foot square");
    int squareFoot = PlaceOf(rows, Named(CATEGORY_AREA, "square foot"));
    int footPerSquareSecond = PlaceOf(rows, Named(CATEGORY_ACCELERATION, "foot/square second"));
    EXPECT_EQ(footPerSquareSecond, 0);   // starts with "foot", category 7 comes first
    EXPECT_GT(squareFoot, footPerSquareSecond);
}

TEST(FindUnits, BlanksThatEndANameDoNotStopItBeingEqual)
{
    std::vector<Row> rows = Find("millisecond");
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0], Named(CATEGORY_TIME, "millisecond "));
    std::vector<Row> poise = Find("POISE  CM\xB3/GRAM");
    ASSERT_EQ(poise.size(), 1u);
    EXPECT_EQ(poise[0], Named(CATEGORY_KINEMATIC_VISCOSITY, "poise cm\xB3/gram  "));
}

TEST(FindUnits, AccentsAndSuperscriptsInRealNames)
{
    std::vector<Row> douzieme = { Named(CATEGORY_ALL_LENGTH, "douzi\xE8me [watchmaking]"),
                                  Named(CATEGORY_ALL_LENGTH, "douzi\xE8me [print]") };
    EXPECT_EQ(Find("douzieme"), douzieme);
    EXPECT_EQ(Find("DOUZI\xC8ME"), douzieme);
    EXPECT_EQ(Find("douzi\xE8me print"), std::vector<Row>{ douzieme[1] });

    EXPECT_EQ(Find("onca"), std::vector<Row>{ Named(CATEGORY_ALL_MASS, "on\xE7" "a [Portuguese]") });
    EXPECT_EQ(Find("pferdestarkenstunde"), std::vector<Row>{ Named(CATEGORY_ENERGY, "pferdest\xE4rkenstunde") });
    // The name is plain; the accent typed in the query folds away.
    EXPECT_EQ(Find("R\xC9" "AUMUR"), std::vector<Row>{ Named(CATEGORY_TEMPERATURE, "degree Reaumur") });
    EXPECT_EQ(Find("cm3"), std::vector<Row>{ Named(CATEGORY_KINEMATIC_VISCOSITY, "poise cm\xB3/gram  ") });
    EXPECT_EQ(Find("\xBC circle"), std::vector<Row>{ Named(CATEGORY_ANGLE, "1/4 circle") });
}

TEST(FindUnits, SquareMetersWrittenThreeWays)
{
    std::vector<Row> rows = Find("m2");
    // 4 "m\xB2/..." + 4 "mm\xB2/..." + 4 "cm\xB2/..." (Kinematic Viscosity) and 4
    // names with "m&sup2;" or "cm&sup2;" (Dynamic Viscosity).
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[0], Named(CATEGORY_KINEMATIC_VISCOSITY, "m\xB2/day"));
    EXPECT_EQ(rows[3], Named(CATEGORY_KINEMATIC_VISCOSITY, "m\xB2/second"));
    // After a "/", a word starts: the entity names rank above "cm2" and "mm2".
    EXPECT_EQ(rows[4], Named(CATEGORY_DYNAMIC_VISCOSITY, "kilogram-force second/m&sup2;&nbsp;"));
    EXPECT_EQ(rows[5], Named(CATEGORY_DYNAMIC_VISCOSITY, "newton second/m&sup2;"));
    EXPECT_GE(PlaceOf(rows, Named(CATEGORY_DYNAMIC_VISCOSITY, "dyne second/cm&sup2;")), 6);
    EXPECT_GE(PlaceOf(rows, Named(CATEGORY_KINEMATIC_VISCOSITY, "mm\xB2/hour")), 6);
    EXPECT_LT(PlaceOf(rows, Named(CATEGORY_DYNAMIC_VISCOSITY, "pound-force second/ft&sup2;")), 0);

    EXPECT_EQ(Find("m\xB2/second"), Find("m2/second"));
    EXPECT_EQ(Find("newton second/m2"),
              std::vector<Row>{ Named(CATEGORY_DYNAMIC_VISCOSITY, "newton second/m&sup2;") });
}

TEST(FindUnits, DegreeSignAndMicroSignInQueries)
{
    // Four energies "[15\xB0 C]" and three pressures "[15 \xB0" "C]".
    std::vector<Row> rows = Find("15\xB0" "C");
    EXPECT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], Named(CATEGORY_ENERGY, "calorie [15\xB0 C]"));
    EXPECT_GE(PlaceOf(rows, Named(CATEGORY_PRESSURE, "inch of air [15 \xB0" "C]")), 0);
    EXPECT_EQ(Find("15 C"), rows);
    // No name holds a micro sign; it finds what "u" finds.
    EXPECT_EQ(Find("\xB5"), Find("u"));
}

TEST(FindUnits, PerAfterAWordIsASlash)
{
    std::vector<Row> rows = Find("cubic foot per minute");
    EXPECT_EQ(rows, (std::vector<Row>{ Named(CATEGORY_VOLUME_FLOW, "cubic foot/minute"),
                                       Named(CATEGORY_VOLUME_FLOW, "billion cubic foot/minute"),
                                       Named(CATEGORY_VOLUME_FLOW, "million cubic foot/minute"),
                                       Named(CATEGORY_VOLUME_FLOW, "thousand cubic foot/minute"),
                                       Named(CATEGORY_VOLUME_FLOW, "trillion cubic foot/minute") }));
    EXPECT_EQ(Find("cubic foot/minute"), rows);
    EXPECT_EQ(Find("foot per"), Find("foot/"));
    // Alone, "per" is the start of a word being typed.
    std::vector<Row> per = Find("per");
    EXPECT_EQ(per[0], Named(CATEGORY_ALL_LENGTH, "perch"));
    EXPECT_GE(PlaceOf(per, Named(CATEGORY_AREA, "caballeria [Spain/Peru]")), 0);
}

TEST(FindUnits, AbbreviationsWithAndWithoutPoints)
{
    std::vector<Row> rows = Find("gallon us");
    EXPECT_GE(PlaceOf(rows, Named(CATEGORY_COOKING, "gallon [US, liquid]")), 0);
    EXPECT_GE(PlaceOf(rows, Named(CATEGORY_DENSITY, "pound/gallon [U.S.]")), 0);
    EXPECT_GE(PlaceOf(Find("u.s. statute"), Named(CATEGORY_ALL_LENGTH, "league [US statute]")), 0);
}

TEST(FindUnits, OverLongQueriesAreCut)
{
    // Only the first 63 bytes count: the "xyz" after them is not looked at.
    std::string query = "meter" + std::string(FIND_QUERY_MAX - 5, ' ') + "xyz";
    EXPECT_EQ(Find(query.c_str()), Find("meter"));
    // ...but a word ending at byte 63 is.
    std::string last = std::string(FIND_QUERY_MAX - 3, ' ') + "kip";
    EXPECT_EQ(Find(last.c_str()), Find("kip"));
    // A word cut by the limit counts as far as it goes.
    std::string cut = std::string(FIND_QUERY_MAX - 3, ' ') + "kipxyz";
    EXPECT_EQ(Find(cut.c_str()), Find("kip"));

    std::string huge(5000, 'a');
    EXPECT_TRUE(Find(huge.c_str()).empty());
    std::string manyWords;
    for (int i = 0; i < 100; ++i)
        manyWords += "\xBC\xBC ";   // each one a word of six bytes, "1/41/4"
    EXPECT_TRUE(Find(manyWords.c_str()).empty());
}

TEST(FindUnits, CapacityBoundsWhatIsWritten)
{
    std::vector<Row> all = Find("meter");
    UnitMatch results[3];
    std::memset(results, 0x7F, sizeof results);
    EXPECT_EQ(FindUnits("meter", results, 2), 2);
    EXPECT_EQ((Row{ results[0].category, results[0].unit }), all[0]);
    EXPECT_EQ((Row{ results[1].category, results[1].unit }), all[1]);
    EXPECT_EQ(results[2].category, 0x7F7F);
    EXPECT_EQ(FindUnits("meter", results, 0), 0);
    EXPECT_EQ(FindUnits("", results, -1), 0);
    EXPECT_EQ(FindUnits(nullptr, results, 1), 1);   // no query: every row, the first only
}

// --- The text of a found row ------------------------------------------------

TEST(FoundRow, BaseUnitIsTheFirstOfFactorOne)
{
    EXPECT_EQ(BaseUnitIndex(CATEGORY_ALL_LENGTH), Unit(CATEGORY_ALL_LENGTH, "meter"));
    EXPECT_EQ(BaseUnitIndex(CATEGORY_ALL_SPEED), Unit(CATEGORY_ALL_SPEED, "benz"));   // 1 m/s, listed first
    EXPECT_EQ(BaseUnitIndex(CATEGORY_AREA), Unit(CATEGORY_AREA, "centiare"));
    // Four rows of factor 1.0; the first is taken.
    EXPECT_EQ(BaseUnitIndex(CATEGORY_DYNAMIC_VISCOSITY), Unit(CATEGORY_DYNAMIC_VISCOSITY, "kilogram/meter second"));
    EXPECT_EQ(BaseUnitIndex(CATEGORY_TEMPERATURE), 0);
    EXPECT_EQ(BaseUnitIndex(-1), -1);
    EXPECT_EQ(BaseUnitIndex(CategoryCount()), -1);
    for (int c = 0; c < CategoryCount(); ++c)
        EXPECT_GE(BaseUnitIndex(c), 0) << c;
}

TEST(FoundRow, NameCategorySizeAndBaseUnit)
{
    EXPECT_EQ(RowText(CATEGORY_ALL_LENGTH, Unit(CATEGORY_ALL_LENGTH, "furlong [international]")),
              "furlong [international] \xB7 All Length & Distance \xB7 201.168 meter");
    EXPECT_EQ(RowText(CATEGORY_ALL_LENGTH, Unit(CATEGORY_ALL_LENGTH, "meter")),
              "meter \xB7 All Length & Distance \xB7 1 meter");
    EXPECT_EQ(RowText(CATEGORY_AREA, Unit(CATEGORY_AREA, "acre")), "acre \xB7 Area \xB7 4046.8564224 centiare");
    EXPECT_EQ(RowText(CATEGORY_ASTRONOMICAL, Unit(CATEGORY_ASTRONOMICAL, "light year [Julian]")),
              "light year [Julian] \xB7 Astronomical \xB7 9.4607304725808E+15 meter");
    EXPECT_EQ(RowText(CATEGORY_KINEMATIC_VISCOSITY, Unit(CATEGORY_KINEMATIC_VISCOSITY, "cm\xB2/second")),
              "cm\xB2/second \xB7 Kinematic Viscosity \xB7 0.0001 m\xB2/second");
    // The entity text is part of the name and stays.
    EXPECT_EQ(RowText(CATEGORY_DYNAMIC_VISCOSITY, Unit(CATEGORY_DYNAMIC_VISCOSITY, "kilogram-force second/m&sup2;&nbsp;")),
              "kilogram-force second/m&sup2;&nbsp; \xB7 Dynamic Viscosity \xB7 9.80665 kilogram/meter second");
}

TEST(FoundRow, BlanksThatEndANameAreLeftOut)
{
    EXPECT_EQ(RowText(CATEGORY_TIME, Unit(CATEGORY_TIME, "millisecond ")), "millisecond \xB7 Time \xB7 0.001 second");
    EXPECT_EQ(RowText(CATEGORY_TIME, Unit(CATEGORY_TIME, "hour + minute + second")),
              "hour + minute + second \xB7 Time \xB7 3600 second");   // the size of its first part
    EXPECT_EQ(RowText(CATEGORY_KINEMATIC_VISCOSITY, Unit(CATEGORY_KINEMATIC_VISCOSITY, "poise cm\xB3/gram  ")),
              "poise cm\xB3/gram \xB7 Kinematic Viscosity \xB7 0.0001 m\xB2/second");
}

TEST(FoundRow, TemperatureShowsNoSize)
{
    EXPECT_EQ(RowText(CATEGORY_TEMPERATURE, 0), "degree Celsius \xB7 Temperature");
    EXPECT_EQ(RowText(CATEGORY_TEMPERATURE, Unit(CATEGORY_TEMPERATURE, "kelvin")), "kelvin \xB7 Temperature");
}

TEST(FoundRow, BadIndexesAndSmallBuffers)
{
    char out[16];
    std::memset(out, 'X', sizeof out);
    EXPECT_EQ(FormatFoundRow(CategoryCount(), 0, out, sizeof out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(FormatFoundRow(0, UnitCount(0), out, sizeof out), 0);
    EXPECT_EQ(FormatFoundRow(0, -1, out, sizeof out), 0);
    EXPECT_EQ(FormatFoundRow(-1, 0, out, sizeof out), 0);

    std::memset(out, 'X', sizeof out);
    int meter = Unit(CATEGORY_ALL_LENGTH, "meter");
    EXPECT_EQ(FormatFoundRow(CATEGORY_ALL_LENGTH, meter, out, 10), 9);
    EXPECT_STREQ(out, "meter \xB7 A");
    EXPECT_EQ(out[10], 'X');
    EXPECT_EQ(FormatFoundRow(CATEGORY_ALL_LENGTH, meter, out, 1), 0);
    EXPECT_STREQ(out, "");
    out[0] = 'X';
    EXPECT_EQ(FormatFoundRow(CATEGORY_ALL_LENGTH, meter, out, 0), 0);
    EXPECT_EQ(out[0], 'X');
}

// Every row's text fits, and the size in it reads back as the row's factor
// to 15 significant digits.
TEST(FoundRow, EveryRowFitsAndItsSizeReadsBack)
{
    const std::string separator = " \xB7 ";
    for (int c = 0; c < CategoryCount(); ++c) {
        for (int u = 0; u < UnitCount(c); ++u) {
            char out[FOUND_ROW_TEXT_MAX];
            int length = FormatFoundRow(c, u, out, sizeof out);
            ASSERT_LT(length, FOUND_ROW_TEXT_MAX - 1) << c << " " << u;   // never cut
            ASSERT_EQ(size_t(length), std::strlen(out));
            if (c == CATEGORY_TEMPERATURE)
                continue;
            std::string text = out;
            size_t second = text.find(separator, text.find(separator) + separator.size());
            ASSERT_NE(second, std::string::npos) << text;
            size_t sizeStart = second + separator.size();
            size_t sizeEnd = text.find(' ', sizeStart);
            std::string size = text.substr(sizeStart, sizeEnd - sizeStart);
            double read = 0;
            ASSERT_NE(ParseReal(size.c_str(), &read), 0) << text;
            double factor = UnitFactor(c, u);
            // One rounding to 16 digits, one to 15: within 5.5 units of the 16th.
            EXPECT_LE(std::fabs(read - factor), 5.5e-15 * std::fabs(factor)) << text;
            EXPECT_EQ(text.substr(sizeEnd + 1), UnitName(c, BaseUnitIndex(c))) << text;
        }
    }
}

// --- Short number text ------------------------------------------------------

TEST(ShortNumber, FixedNotationTrimmed)
{
    EXPECT_EQ(Short(0), "0");
    EXPECT_EQ(Short(-0.0), "0");
    EXPECT_EQ(Short(1), "1");
    EXPECT_EQ(Short(201.168), "201.168");
    EXPECT_EQ(Short(-2.5), "-2.5");
    EXPECT_EQ(Short(0.0254), "0.0254");
    EXPECT_EQ(Short(1609.344), "1609.344");
    EXPECT_EQ(Short(4184000000000.0), "4184000000000");
    EXPECT_EQ(Short(0.00017638888889), "0.00017638888889");
    EXPECT_EQ(Short(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(Short(2.0 / 3), "0.666666666666667");
}

TEST(ShortNumber, FixedFromTenToTheMinusFourBelowTenToTheFifteen)
{
    EXPECT_EQ(Short(1e-4), "0.0001");
    EXPECT_EQ(Short(9.99e-5), "9.99E-5");
    EXPECT_EQ(Short(999999999999999.0), "999999999999999");
    EXPECT_EQ(Short(1e15), "1E+15");
    EXPECT_EQ(Short(9.4607304725808e15), "9.4607304725808E+15");
    EXPECT_EQ(Short(1.1574074074074074e-9), "1.15740740740741E-9");
    EXPECT_EQ(Short(-1e-18), "-1E-18");
    // Fixed below 1 only while ParseReal can read it back: 18 digits at most.
    EXPECT_EQ(Short(0.00021166666666667), "0.00021166666666667");       // 18 digits
    EXPECT_EQ(Short(0.00021166666666666667), "2.11666666666667E-4");    // would be 19
    EXPECT_EQ(Short(0.0021166666666666667), "0.00211666666666667");     // 18 digits
}

TEST(ShortNumber, RoundingToFifteenDigitsCarries)
{
    // Last-place noise of a computed factor rounds away.
    EXPECT_EQ(Short(0.1 + 0.2), "0.3");
    EXPECT_EQ(Short(0.3048 * 3), "0.9144");
    // The double below 1 is 0.99999999999999988898: sixteen nines.
    EXPECT_EQ(Short(std::nextafter(1.0, 0.0)), "1");
    EXPECT_EQ(Short(99999999999999.99), "100000000000000");
    // The carry moves it out of fixed notation.
    EXPECT_EQ(Short(999999999999999.9), "1E+15");
    // The sixteenth digit below 5 is dropped.
    EXPECT_EQ(Short(1.0000000000000004), "1");
}

TEST(ShortNumber, LimitsOfTheDoubles)
{
    EXPECT_EQ(Short(std::numeric_limits<double>::max()), "1.79769313486232E+308");
    EXPECT_EQ(Short(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
    char out[SHORT_NUMBER_MAX];
    EXPECT_EQ(FormatShortNumber(-1.23456789012345e-300, out), 22);   // the longest text
    EXPECT_STREQ(out, "-1.23456789012345E-300");
    out[0] = 'X';
    EXPECT_EQ(FormatShortNumber(std::numeric_limits<double>::quiet_NaN(), out), 0);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(FormatShortNumber(-std::numeric_limits<double>::infinity(), out), 0);
    EXPECT_STREQ(out, "");
}

}  // namespace
