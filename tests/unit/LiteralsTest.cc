// The literal readers: bit-string literals to decimal, leading integers.
#include <gtest/gtest.h>

#include <string>

#include "FragmentFixture.h"

namespace {

class LiteralsTest : public FragmentFixture {};

struct BitString { const char* text; const char* value; };

TEST_F(LiteralsTest, ConvertsBitStringLiteralsAndKeepsStringLiterals) {
    const BitString cases[] = {
        {"b\"0101\"", "5"},       {"b\"1111_0000\"", "240"}, {"o\"17\"", "15"},
        {"x\"ff\"", "255"},       {"x\"9a\"", "154"},        {"b\"012\"", "4"},
        {"x\"ffffffff\"", "-1"},  {"x\"100000000\"", "0"},   {"b%1_0%", "2"},
        {"x\"80000000\"", "-2147483648"}, {"o\"17777777777\"", "2147483647"},
        {"\"abc\"", "\"abc\""},   {"%a\"b%", "%a\"b%"},      {"\"\"", "\"\""},
    };
    for (const BitString& c : cases) EXPECT_EQ(Take(Convert_String_To_Int(c.text)), c.value) << c.text;
}

TEST_F(LiteralsTest, ConvertWrapsLongLiteralsWithoutOverflow) {
    std::string ones = "b\"" + std::string(10000, '1') + "\"";
    EXPECT_EQ(Take(Convert_String_To_Int(ones.c_str())), "-1");
}

TEST_F(LiteralsTest, ConvertTracesHexLettersUnderDebug) {
    DEBUG = 1;
    testing::internal::CaptureStdout();
    std::string value = Take(Convert_String_To_Int("x\"ab\""));
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "97 = a! (:)\n98 = b! (;)\n");
    EXPECT_EQ(value, "171");
}

TEST_F(LiteralsTest, LeadingIntReadsLikeTheCLibraryAndSaturates) {
    const struct { const char* text; int value; } cases[] = {
        {"7", 7}, {"  -12x", -12}, {"+3", 3}, {"n - 1", 0}, {"- 4", 0}, {"", 0},
        {"123456789012345678901234567890", 2147483647}, {"-99999999999999", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        Fragment* f = Make_String(c.text);
        EXPECT_EQ(Leading_Int(f), c.value) << c.text;
        Release(f);
    }
}

}  // namespace
