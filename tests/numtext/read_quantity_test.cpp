// ReadQuantity: what a value box accepts, by kind, and a seeded comparison of
// random expressions with the tests' own rational arithmetic.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "numtext/read_quantity.h"
#include "tests/core/answer_reference.h"

namespace {

struct Symbols { const char* decimal; const char* grouping; };
const Symbols kEnglish = {".", ","}, kGerman = {",", "."}, kFrench = {",", "\u202F"}, kSwiss = {".", "\u2019"};

// text under symbols reads as num / den * 10^pow10.
struct Accepted { const char* text; Symbols symbols; int64_t num, den; int pow10; };

void ExpectAccepted(const Accepted* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const Accepted& row = rows[i];
        ExactNumber x;
        ASSERT_EQ(ReadQuantity(row.text, row.symbols.decimal, row.symbols.grouping, &x), 1) << row.text;
        EXPECT_EQ(x.sticky, 0) << row.text;
        RefRational got = RefOfExact(x);
        RefRational want = RefTimes(RefOver(RefRationalOf(row.num), RefRationalOf(row.den)), RefDecimal(false, 1, row.pow10));
        EXPECT_EQ(RefSign(RefMinus(got, want)), 0) << row.text << ": " << RefText(got);
    }
}

// Today's forms read as before ("." always marks decimals), and pasted
// minus signs, blanks and hard spaces.
TEST(ReadQuantity, TodaysFormsAndPastedCharacters)
{
    const Accepted rows[] = {
        {"  -.5", kEnglish, -5, 1, -1},       {"+5.", kEnglish, 5, 1, 0},          {"1.5E+3", kEnglish, 15, 1, 2},
        {"123456789012345678", kEnglish, 123456789012345678, 1, 0},
        {"1e4931", kEnglish, 1, 1, 4931},     {"0.000e-4931", kEnglish, 0, 1, 0},  {"1.5", kGerman, 15, 1, -1},
        {"\u22125", kEnglish, -5, 1, 0},      {"\u20135", kEnglish, -5, 1, 0},     {"\t 42 \r\n", kEnglish, 42, 1, 0},
        {"\u00A01\u00A0234\u00A0", kEnglish, 1234, 1, 0}, {"7\u22123", kEnglish, 4, 1, 0},
    };
    ExpectAccepted(rows, sizeof rows / sizeof rows[0]);
}

TEST(ReadQuantity, FractionsAndMixedNumbers)
{
    const Accepted rows[] = {
        {"7/16", kEnglish, 7, 16, 0},    {"3 1/2", kEnglish, 7, 2, 0},        {"-3-1/2", kEnglish, -7, 2, 0},
        {"3 \u00BE", kEnglish, 15, 4, 0}, {"2\u2153", kEnglish, 7, 3, 0},      {"1\u20442", kEnglish, 1, 2, 0},
        {"1 234/567", kEnglish, 801, 567, 0},  // a mixed number, not a grouped one
        {"3-5/2", kEnglish, 1, 2, 0},    // improper: arithmetic
        {"2*3-1/2", kEnglish, 11, 2, 0}, // a hyphen: only as the whole text
    };
    ExpectAccepted(rows, sizeof rows / sizeof rows[0]);
}

TEST(ReadQuantity, ArithmeticAndPrecedence)
{
    const Accepted rows[] = {
        {"(2+1/2)*3", kEnglish, 15, 2, 0},      {"1e3/7", kEnglish, 1000, 7, 0},
        {"-(3-5)", kEnglish, 2, 1, 0},          {"1+2*3", kEnglish, 7, 1, 0},
        {"8/4/2", kEnglish, 1, 1, 0},           {"10-4-3", kEnglish, 3, 1, 0},
        {"2\u00D73\u00F74\u00B78", kEnglish, 12, 1, 0},   {"2*-3", kEnglish, -6, 1, 0},
        {"1e4931*1e4931/1e4931", kEnglish, 1, 1, 4931},
    };
    ExpectAccepted(rows, sizeof rows / sizeof rows[0]);
}

TEST(ReadQuantity, GroupingPerLocale)
{
    const Accepted rows[] = {
        {"1,234.5", kEnglish, 12345, 1, -1},    {"1,234,567", kEnglish, 1234567, 1, 0},
        {"1 234.5", kEnglish, 12345, 1, -1},    {"1.234,5", kGerman, 12345, 1, -1},
        {"1,5", kGerman, 15, 1, -1},            {"1.234", kGerman, 1234, 1, -3},
        {"1\u2009234,5", kGerman, 12345, 1, -1}, {"1\u202F234,5", kFrench, 12345, 1, -1},
        {"1.234,5", kFrench, 12345, 1, -1},     {"12'345.6", kSwiss, 123456, 1, -1},
        {"12\u2019345.6", kSwiss, 123456, 1, -1},
        {"1.234,5", kEnglish, 12345, 1, -1} /* both appear: the last marks */,
    };
    ExpectAccepted(rows, sizeof rows / sizeof rows[0]);
}

// Malformed texts, and a sum whose far-apart terms leave sticky marks of
// different directions; a sum far apart otherwise keeps the larger term and
// the direction of the smaller.
TEST(ReadQuantity, RejectedAndStickyTerms)
{
    const char* rows[] = {
        "", "   ", "1,23,4", "1,5", "12,34.5", "1/0", "(1-1)/(2-2)+3", "(1+2", "1+2)", "()", "2*", "*2", "--5",
        "1..5", "1.2.3", "1e", "1e4932", "1234567890123456789", "3 5/2", "1 2", "\u00BD\u00BD", "abc", "5 m",
        "1,234 567", "\xC3", "\xFF", "1e4931+1e-4931-1e4931",  // the sum is only its sticky mark
        "1111111111111111111111111111111111111111111111111111111111111111+1",  // 65 characters
        "(1e100+1)*(1e100-1)",
    };
    ExactNumber x;
    for (const char* text : rows) EXPECT_EQ(ReadQuantity(text, ".", ",", &x), 0) << text;
    EXPECT_EQ(ReadQuantity("1,5", "", "", &x), 0);
    struct Row { const char* text; int sticky; } sticky[] = {{"1e100-1", -1}, {"(1e100+1)*(-2)", 1}, {"1/(1e100+1)", -1}};
    for (const Row& row : sticky) {
        ASSERT_EQ(ReadQuantity(row.text, ".", ",", &x), 1) << row.text;
        EXPECT_EQ(x.sticky, row.sticky) << row.text;
    }
}

// Random expressions of decimals against the reference, left to right and
// products first. A text may be declined only where a sum would need a sticky
// mark that later cancels; that is rare at these exponents.
TEST(ReadQuantity, SeededComparison)
{
    std::mt19937_64 random(20261208);
    const char* operators[] = {"+", "-", "*", "/"};
    std::uniform_int_distribution<int> terms(1, 5), digits(0, 999999), exponent(-12, 12);
    int declined = 0;
    const int kTrials = 3000;
    for (int trial = 0; trial < kTrials; ++trial) {
        RefRational sum = RefDecimal(false, 0, 0), product = RefDecimal(false, 1, 0);
        bool productNegative = false, defined = true;
        std::string text;
        for (int i = 0, n = terms(random); i < n; ++i) {
            const char* op = i == 0 ? "+" : operators[random() % 4];
            uint64_t w = (uint64_t)digits(random);
            int e = exponent(random);
            RefRational operand = RefDecimal(false, w, e);
            if (i > 0) text += op;
            text += std::to_string(w) + "e" + std::to_string(e);
            if (*op == '+' || *op == '-') {
                if (i > 0) sum = productNegative ? RefMinus(sum, product) : RefPlus(sum, product);
                product = operand;
                productNegative = *op == '-';
            } else if (*op == '*' || w != 0) {
                product = *op == '*' ? RefTimes(product, operand) : RefOver(product, operand);
            } else {
                defined = false;
            }
        }
        RefRational want = productNegative ? RefMinus(sum, product) : RefPlus(sum, product);
        ExactNumber x;
        int accepted = ReadQuantity(text.c_str(), ".", ",", &x);
        EXPECT_TRUE(defined || !accepted) << text;   // division by zero
        declined += defined && !accepted;
        if (!accepted || !defined || x.sticky) continue;
        EXPECT_EQ(RefSign(RefMinus(RefOfExact(x), want)), 0) << text << " gave " << RefText(RefOfExact(x));
    }
    EXPECT_LT(declined, kTrials / 20);
}

}  // namespace
