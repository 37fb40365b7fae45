// What the user reads and takes away: the formula line and the copied texts.
#include "core/answer_text.h"
#include "core/convert_text.h"
#include "tests/catalogue/table_lookup.h"
#include <gtest/gtest.h>
#include <string>

#include "core/conversion_state.h"

static ConversionState& State() { return Conversion; }   // before the helper of that name below

namespace {

std::string Formula(int category, const char* from, const char* to)
{
    char out[FORMULA_TEXT_SIZE] = "untouched";
    ComposeFormulaText(category, UnitIndex(category, from), UnitIndex(category, to), out, sizeof out);
    return out;
}

std::string Conversion(const char* typed, const char* shown, int category, const char* typedUnit, const char* answerUnit)
{
    char out[256] = "untouched";
    ComposeCopiedConversion(typed, shown, category, UnitIndex(category, typedUnit), UnitIndex(category, answerUnit),
                            out, sizeof out);
    return out;
}

// Exact factors in their shortest decimal, rounded ones with 16 digits and
// "≈"; names from Windows-1252; Temperature as its rule in exact numbers.
TEST(AnswerText, Formula)
{
    const struct { int category; const char *from, *to, *text; } rows[] = {
        { CATEGORY_COMMON_LENGTH, "mile", "kilometer", "1 mile = 1.609344 kilometer\n1 kilometer ≈ 0.6213711922373340 mile" },
        { CATEGORY_COMMON_LENGTH, "kilometer", "kilometer", "1 kilometer = 1 kilometer" },
        { CATEGORY_ALL_LENGTH, "micrometer", "kilometer", "1 micrometer = 1E-9 kilometer\n1 kilometer = 1000000000 micrometer" },
        { CATEGORY_ALL_LENGTH, "douzi\xE8me [print]", "meter",
          "1 douzième [print] = 0.00017638888889 meter\n1 meter ≈ 5669.291338546965 douzième [print]" },
        { CATEGORY_TEMPERATURE, "degree Celsius", "degree Fahrenheit", "°F = °C × 1.8 + 32\n°C = (°F − 32) / 1.8" },
        { CATEGORY_TEMPERATURE, "degree Reaumur", "kelvin", "K = °Ré × 1.25 + 273.15\n°Ré = K × 0.8 − 218.52" },
        { CATEGORY_COMMON_LENGTH, "mile", "no such unit", "" },
    };
    for (const auto& r : rows) EXPECT_EQ(Formula(r.category, r.from, r.to), r.text) << r.from << " -> " << r.to;
}

TEST(AnswerText, CopiedTexts)
{
    const struct { const char *box, *copied; int size; } answers[] = {
        { " 80.467200", "80.467200", 64 }, { "-2.5", "-2.5", 64 }, { "≈ 0.333333", "0.333333", 64 },
        { "abc", "abc", 64 }, { "  ", "", 64 }, { " 123456789", "12345", 6 } };   // cut to the buffer
    for (const auto& a : answers) {
        char out[64];
        ComposeCopiedAnswer(a.box, out, a.size);
        EXPECT_STREQ(out, a.copied);
    }
    // "≈" where the answer shown is not the exact one; nothing for a text that is no number.
    const char* conversions[][6] = {
        { "50", " 80.467200", "mile", "kilometer", "50 mile = 80.467200 kilometer" },
        { "1", " 0.621371", "kilometer", "mile", "1 kilometer ≈ 0.621371 mile" },
        { "1", " 1.609", "mile", "kilometer", "1 mile ≈ 1.609 kilometer" }, { "abc", "abc", "mile", "kilometer", "" },
    };
    for (const auto& c : conversions) EXPECT_EQ(Conversion(c[0], c[1], CATEGORY_COMMON_LENGTH, c[2], c[3]), c[4]);
    // Parts and fractions: typed in parts, and exact when their one rounding lost nothing.
    SetAnswerDenominator(8);
    State().NumFormat = NUM_FORMAT_FIXED;
    const char* inParts[][6] = {
        { "5' 7\"", " 67.000000", "foot + inch", "inch", "5' 7\" foot + inch = 67.000000 inch" },
        { "67.5", "5 ft 7 1/2 in", "inch", "foot + inch", "67.5 inch = 5 ft 7 1/2 in foot + inch" },
        { "67.4", "\xE2\x89\x88 5 ft 7 3/8 in", "inch", "foot + inch", "67.4 inch \xE2\x89\x88 5 ft 7 3/8 in foot + inch" },
    };
    for (const auto& c : inParts) EXPECT_EQ(Conversion(c[0], c[1], CATEGORY_COMMON_LENGTH, c[2], c[3]), c[4]);
    SetAnswerDenominator(0);
    EXPECT_EQ(Conversion("100", " 2.120E+0002", CATEGORY_TEMPERATURE, "degree Celsius", "degree Fahrenheit"),
              "100 degree Celsius = 2.120E+0002 degree Fahrenheit");
    AnswerDecimalSymbol = ',';
    char answer[] = " 80.467200";
    UseAnswerDecimalSymbol(answer);
    EXPECT_EQ(Conversion("50", answer, CATEGORY_COMMON_LENGTH, "mile", "kilometer"), "50 mile = 80,467200 kilometer");
    EXPECT_EQ(Formula(CATEGORY_COMMON_LENGTH, "mile", "kilometer"), "1 mile = 1,609344 kilometer\n1 kilometer ≈ 0,6213711922373340 mile");
    AnswerDecimalSymbol = '.';
}

}  // namespace
