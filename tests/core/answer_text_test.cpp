// What the user reads and takes away: the formula line and the copied texts.
#include "core/answer_text.h"
#include "tests/catalogue/table_lookup.h"
#include <gtest/gtest.h>
#include <string>

namespace {

std::string Formula(int category, const char* from, const char* to)
{
    char out[FORMULA_TEXT_SIZE];
    ComposeFormulaText(category, UnitIndex(category, from), UnitIndex(category, to), out, sizeof out);
    return out;
}

// Exact factors in their shortest decimal, rounded ones with 16 digits and
// "≈", the same 16 digits the exact path gives an answer; names from
// Windows-1252.
TEST(AnswerText, FormulaBothWays)
{
    const struct { int category; const char *from, *to, *text; } rows[] = {
        { COMMON_LENGTH, "mile", "kilometer", "1 mile = 1.609344 kilometer\n1 kilometer ≈ 0.6213711922373340 mile" },
        { COMMON_LENGTH, "kilometer", "kilometer", "1 kilometer = 1 kilometer" },
        { ALL_LENGTH, "meter", "micrometer", "1 meter = 1000000 micrometer\n1 micrometer = 0.000001 meter" },
        { ALL_LENGTH, "douzi\xE8me [print]", "meter",
          "1 douzième [print] = 0.00017638888889 meter\n1 meter ≈ 5669.291338546965 douzième [print]" },
        // Beyond 10^15 or below 10^-7 a power of ten keeps the line short.
        { ALL_LENGTH, "micrometer", "kilometer", "1 micrometer = 1E-9 kilometer\n1 kilometer = 1000000000 micrometer" },
    };
    for (const auto& r : rows) EXPECT_EQ(Formula(r.category, r.from, r.to), r.text) << r.from << " -> " << r.to;
}

TEST(AnswerText, FormulaOfTemperatureIsItsRule)
{
    EXPECT_EQ(Formula(TEMPERATURE, "degree Celsius", "degree Fahrenheit"),
              "°F = °C × 1.8 + 32\n°C = (°F − 32) / 1.8");
    EXPECT_EQ(Formula(TEMPERATURE, "degree Celsius", "kelvin"), "K = °C + 273.15\n°C = K − 273.15");
    EXPECT_EQ(Formula(TEMPERATURE, "degree Fahrenheit", "degree Rankine"), "°R = °F + 459.67\n°F = °R − 459.67");
    EXPECT_EQ(Formula(TEMPERATURE, "degree Reaumur", "kelvin"), "K = °Ré × 1.25 + 273.15\n°Ré = K × 0.8 − 218.52");
}

TEST(AnswerText, FormulaOfRowsThatDoNotExistIsEmpty)
{
    char out[FORMULA_TEXT_SIZE] = "x";
    EXPECT_EQ(ComposeFormulaText(32, 0, 0, out, sizeof out), 0);
    EXPECT_EQ(ComposeFormulaText(COMMON_LENGTH, 0, 11, out, sizeof out), 0);
    EXPECT_STREQ(out, "");
}

std::string Copied(const char* box)
{
    char out[64];
    ComposeCopiedAnswer(box, out, sizeof out);
    return out;
}

std::string Conversion(const char* typed, const char* shown, int category, const char* typedUnit,
                       const char* answerUnit)
{
    char out[256] = "untouched";
    ComposeCopiedConversion(typed, shown, category, UnitIndex(category, typedUnit), UnitIndex(category, answerUnit),
                            out, sizeof out);
    return out;
}

TEST(AnswerText, CopiedTexts)
{
    EXPECT_EQ(Copied(" 80.467200"), "80.467200");          // the layout's blank goes
    EXPECT_EQ(Copied("-2.5"), "-2.5");
    EXPECT_EQ(Copied("≈ 0.333333"), "0.333333");           // a fraction's mark goes
    EXPECT_EQ(Copied(" 1.000000E-0007"), "1.000000E-0007");
    EXPECT_EQ(Copied("abc"), "abc");
    EXPECT_EQ(Copied("  "), "");
    char small[6];
    ComposeCopiedAnswer(" 123456789", small, sizeof small);   // cut to the buffer
    EXPECT_STREQ(small, "12345");

    EXPECT_EQ(Conversion("50", " 80.467200", COMMON_LENGTH, "mile", "kilometer"), "50 mile = 80.467200 kilometer");
    EXPECT_EQ(Conversion("1", " 0.621371", COMMON_LENGTH, "kilometer", "mile"), "1 kilometer ≈ 0.621371 mile");
    EXPECT_EQ(Conversion("1", " 1.609", COMMON_LENGTH, "mile", "kilometer"), "1 mile ≈ 1.609 kilometer");  // digits cut
    EXPECT_EQ(Conversion("100", " 212.000000", TEMPERATURE, "degree Celsius", "degree Fahrenheit"),
              "100 degree Celsius = 212.000000 degree Fahrenheit");
    EXPECT_EQ(Conversion("0", "0", COMMON_LENGTH, "mile", "kilometer"), "0 mile = 0 kilometer");
    EXPECT_EQ(Conversion("abc", "abc", COMMON_LENGTH, "mile", "kilometer"), "");   // nothing converted
}

TEST(AnswerText, RegionalDecimalSymbol)
{
    AnswerDecimalSymbol = ',';
    char answer[] = " 80.467200";
    UseAnswerDecimalSymbol(answer);
    EXPECT_STREQ(answer, " 80,467200");
    EXPECT_EQ(Conversion("50", answer, COMMON_LENGTH, "mile", "kilometer"), "50 mile = 80,467200 kilometer");
    EXPECT_EQ(Formula(COMMON_LENGTH, "mile", "kilometer"), "1 mile = 1,609344 kilometer\n1 kilometer ≈ 0,6213711922373340 mile");
    AnswerDecimalSymbol = '.';
}

}  // namespace
