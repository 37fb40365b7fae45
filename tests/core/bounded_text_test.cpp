// Paths, keys and numbers built without printf.
#include "core/bounded_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(BoundedText, DecimalNumbers)
{
    const struct { int value; const char* text; } cases[] = {
        { 0, "0" }, { 7, "7" }, { -1, "-1" }, { 65535, "65535" }, { 20, "20" },
        { INT_MAX, "2147483647" }, { INT_MIN, "-2147483648" },   // no overflow on the magnitude
    };
    for (const auto& c : cases) {
        char buffer[16];
        int length = 0;
        EXPECT_TRUE(AppendDecimal(buffer, sizeof buffer, &length, c.value));
        EXPECT_STREQ(buffer, c.text);
    }
}

TEST(BoundedText, NumberedKeys)
{
    char key[32];
    EXPECT_TRUE(FormatNumberedKey(key, sizeof key, "FAVORITE_CAT_%d", 1));
    EXPECT_STREQ(key, "FAVORITE_CAT_1");
    EXPECT_TRUE(FormatNumberedKey(key, sizeof key, "RECENT_TO_%d", 10));
    EXPECT_STREQ(key, "RECENT_TO_10");
    EXPECT_TRUE(FormatNumberedKey(key, sizeof key, "100%", 3));   // a lone % is copied
    EXPECT_STREQ(key, "100%");
}

TEST(BoundedText, NeverWritesPastTheBufferAndSaysWhenItCut)
{
    char buffer[8];
    for (char& c : buffer) c = 'x';
    int length = 0;
    EXPECT_TRUE(AppendText(buffer, 6, &length, "abc"));
    EXPECT_FALSE(AppendText(buffer, 6, &length, "defgh"));   // only "de" fits beside the NUL
    EXPECT_STREQ(buffer, "abcde");
    EXPECT_EQ(length, 5);
    EXPECT_EQ(buffer[6], 'x');
    EXPECT_FALSE(AppendText(buffer, 6, &length, "z"));       // full: nothing more
    EXPECT_STREQ(buffer, "abcde");

    char key[8];
    EXPECT_FALSE(FormatNumberedKey(key, sizeof key, "RECENT_CAT_%d", 1));
    EXPECT_EQ(key[7], '\0');
    int none = 0;
    EXPECT_FALSE(AppendDecimal(key, 0, &none, 5));            // no room at all: untouched
}

}  // namespace
