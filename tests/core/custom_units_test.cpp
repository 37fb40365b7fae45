// The user's own units: the units file's text (round trip, damage, odd
// names, limits), the chain of definitions and its cycles, and exact
// answers through custom units.
#include "core/custom_units.h"
#include "core/answer_text.h"
#include "core/name_text.h"
#include "core/conversion_state.h"
#include "core/convert_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Block(const std::string& category, const std::string& name, const std::string& equals,
                  const std::string& of)
{
    return "[Unit]\nCategory=" + category + "\nName=" + name + "\nEquals=" + equals + "\nOf=" + of + "\n";
}

std::string Names(const CustomUnitSet& set)
{
    std::string names;
    for (int i = 0; i < set.count; ++i) names += std::string(i ? "," : "") + set.units[i].name;
    return names;
}

CustomUnitSet& Read(const std::string& text, int* skipped = nullptr)
{
    static CustomUnitSet set;
    const int dropped = ReadUnitsText(text.data(), (int)text.size(), &set);
    if (skipped) *skipped = dropped;
    return set;
}

const std::string kSample = Block("Common Length", "stride", "0.78", "meter")
                          + Block("Common Length", "pace", "2", "stride")
                          + Block("Common Length", "third", "1/3", "feet")
                          + Block("Money", "euro", "1", "euro")
                          + Block("Money", "dollar", "0.92", "euro")
                          + Block("Money", "\xE5\x86\x86 yen", "1/160", "euro");

TEST(CustomUnitsFile, RoundTripKeepsEveryUnitAndItsText)
{
    int skipped = -1;
    CustomUnitSet first = Read(kSample, &skipped);
    EXPECT_EQ(skipped, 0);
    EXPECT_EQ(Names(first), "stride,pace,third,euro,dollar,\xE5\x86\x86 yen");
    static char text[UNITS_TEXT_MAX], again[UNITS_TEXT_MAX];
    ASSERT_GT(WriteUnitsText(first, text, sizeof text), 0);
    const CustomUnitSet& second = Read(text, &skipped);
    EXPECT_EQ(skipped, 0);
    ASSERT_EQ(Names(second), Names(first));
    ASSERT_GT(WriteUnitsText(second, again, sizeof again), 0);
    EXPECT_STREQ(again, text);
    EXPECT_NE(std::string(text).find("Equals=1/3\r\nOf=feet"), std::string::npos) << text;
}

TEST(CustomUnitsFile, DamageSkipsOnlyTheBrokenEntries)
{
    const std::string good = Block("Common Length", "stride", "0.78", "meter");
    const std::string name40(40, 'n');
    std::string wide39;
    for (int i = 0; i < 39; ++i) wide39 += "\xC3\xA9";   // 39 characters, 78 bytes
    const struct {
        std::string text;
        const char* kept;
    } cases[] = {
        { "[Unit]\nCategory=Common Length\nName=a\nOf=meter\n" + good, "stride" },        // a key missing
        { Block("Common Length", "a", "1", "meter") + "Name=b\n" + good, "stride" },     // a key twice
        { Block("Common Length", "a", "0", "meter") + good, "stride" },                  // not positive
        { Block("Common Length", "a", "1/0", "meter") + good, "stride" },
        { Block("Common Length", "a", "lots", "meter") + good, "stride" },
        { Block("Common Length", "a", "1e99", "meter") + good, "stride" },               // beyond the sizes held
        { Block("Common Length", "a", "2", "b") + Block("Common Length", "b", "2", "a") + good, "stride" },
        { Block("Common Length", "a", "1", "a") + good, "stride" },                      // a base in a built-in category
        { Block("Money", "a", "2", "a") + good, "stride" },                             // a base must be 1
        { good + good, "stride" },                                                      // the same name twice
        { Block("Common Length", name40, "1", "meter") + good, "stride" },
        { Block("Common Length", wide39, "1", "meter"), wide39.c_str() },
        { Block("Common Length", "\xC3(", "1", "meter") + good, "stride" },              // not UTF-8
        { Block("Common Length", "a", "1", "meter").substr(0, 30) + "\n" + good, "stride" },   // cut off
        { "\xEF\xBB\xBF; note\r\n" + good + "[Other]\nName=x\n", "stride" },
        { good + "[Unit]\nCategory=Common Length\nName=z\0y\nEquals=1\nOf=meter\n", "stride" },
        { std::string("\0\0\xFF[Unit\n=\n\n", 11) + good, "stride" },
        { Block("Common Length", "b", "2", "a") + Block("Common Length", "a", "2", "meter"), "b,a" },  // defined later
        { Block("Common Length", "b", "2", "a") + Block("Common Length", "a", "2", "gone"), "" },       // taken along
    };
    for (const auto& c : cases) EXPECT_EQ(Names(Read(c.text)), c.kept) << c.text;
}

TEST(CustomUnitsFile, LimitsOfUnitsAndCategories)
{
    std::string many;
    for (int i = 0; i < CUSTOM_UNIT_MAX + 5; ++i) many += Block("Common Length", "u" + std::to_string(i), "1", "meter");
    EXPECT_EQ(Read(many).count, CUSTOM_UNIT_MAX);
    std::string categories;
    for (int i = 0; i < CUSTOM_CATEGORY_MAX + 2; ++i) {
        const std::string c = "c" + std::to_string(i);
        categories += Block(c, c + "base", "1", c + "base");
    }
    EXPECT_EQ(Read(categories).count, CUSTOM_CATEGORY_MAX);
    static char text[UNITS_TEXT_MAX];
    CustomUnitSet& full = Read(many);   // the largest set fits its buffer
    for (int i = 0; i < full.count; ++i) std::memset(full.units[i].name, 'x', CUSTOM_NAME_SIZE - 1);
    EXPECT_GT(WriteUnitsText(full, text, sizeof text), 0);
}

UnitDefinition Definition(const char* category, const char* name, const char* quantity, const char* of)
{
    UnitDefinition d = {};
    std::snprintf(d.category, sizeof d.category, "%s", category);
    std::snprintf(d.name, sizeof d.name, "%s", name);
    std::snprintf(d.of, sizeof d.of, "%s", of);
    EXPECT_TRUE(ReadUnitQuantity(quantity, &d.quantity)) << quantity;
    return d;
}

TEST(CustomUnitsDefinition, EveryProblemIsNamed)
{
    const CustomUnitSet set = Read(kSample);
    const std::string longName(40, 'x');
    const struct {
        UnitDefinition definition;
        int replacing;
        UnitProblem problem;
    } cases[] = {
        { Definition("Common Length", "span", "12*2.54", "centimeter"), -1, UNIT_OK },
        { Definition("Common Length", "", "1", "meter"), -1, UNIT_NAME_EMPTY },
        { Definition("Common Length", longName.c_str(), "1", "meter"), -1, UNIT_NAME_TOO_LONG },
        { Definition("Common Length", "pace", "1", "meter"), -1, UNIT_NAME_TAKEN },
        { Definition("Common Length", "mile", "1", "meter"), -1, UNIT_NAME_TAKEN },
        { Definition("Common Length", "span", "1", "furlong"), -1, UNIT_OF_UNKNOWN },
        { Definition("Common Length", "stride", "2", "pace"), 0, UNIT_THROUGH_ITSELF },   // pace = 2 stride
        { Definition("Common Length", "span", "1", "span"), -1, UNIT_THROUGH_ITSELF },
        { Definition("Temperature", "span", "1", "kelvin"), -1, UNIT_CATEGORY_BAD },
        { Definition("Land", "acre-ish", "1", "acre-ish"), -1, UNIT_OK },                 // a new category
        { Definition("Common Length", "step", "0.78", "meter"), 0, UNIT_OK },              // renamed: pace follows
    };
    for (const auto& c : cases) {
        UnitSize size;
        EXPECT_EQ(CheckUnitDefinition(set, c.definition, c.replacing, &size), c.problem) << c.definition.name;
    }
}

// Answers through custom units are the exact ones, rounded once.
TEST(CustomUnitsExact, AnswersThroughTheChain)
{
    ShowCustomUnits(Read(kSample));
    const ConversionState saved = Conversion;
    Conversion.NumFormat = 0;   // scientific, all 16 digits
    Conversion.DecimalPlaces = 15;
    const int length = CATEGORY_COMMON_LENGTH;
    ASSERT_EQ(UnitCount(length), BuiltInUnitCount(length) + 3);
    const int money = BuiltInCategoryCount();
    ASSERT_EQ(CategoryCount(), money + 1);
    EXPECT_STREQ(CategoryName(money), "Money");
    EXPECT_EQ(BaseUnitIndex(money), 0);
    const int stride = BuiltInUnitCount(length), pace = stride + 1, third = stride + 2, inch = 2, meter = 6;
    EXPECT_DOUBLE_EQ(UnitFactor(length, pace), 1.56);
    const struct {
        int category, from, to;
        const char* typed;
        const char* shown;
    } cases[] = {
        { length, pace, meter, "1", " 1.560000000000000E+0000" },
        { length, third, inch, "1", " 4.000000000000000E+0000" },              // 1/3 foot, not a double's third of it
        { length, inch, third, "1", " 2.500000000000000E-0001" },
        { length, third, pace, "3 1/2", " 2.279487179487179E-0001" },
        { money, 1, 0, "100", " 9.200000000000000E+0001" },
        { money, 2, 1, "920", " 6.250000000000000E+0000" },
    };
    for (const auto& c : cases) {
        char out[64] = "";
        ConvertTypedText(c.typed, c.category, c.from, c.to, out, sizeof out);
        EXPECT_STREQ(out, c.shown) << c.typed << " " << c.from << " -> " << c.to;
    }
    char formula[256];
    ComposeFormulaText(length, third, inch, formula, sizeof formula);
    EXPECT_NE(std::string(formula).find("1 third = 4 inch"), std::string::npos) << formula;
    char name[UNIT_NAME_MAX + 1];   // in the code page of the menus: what it holds
    EXPECT_STREQ(UnitName1252(money, 2, name, sizeof name), "? yen");
    Conversion = saved;
    ShowCustomUnits(CustomUnitSet{});
    EXPECT_EQ(CategoryCount(), money);
}

}  // namespace
