#include <gtest/gtest.h>

#include <string>

#include "fragment.h"

namespace {

class FragmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        Make_Scratch_Buffer();
        DEBUG = 0;
        live_at_start = Live_Fragments();
    }
    void TearDown() override {
        Release_Scratch_Buffer();
        EXPECT_EQ(Live_Fragments(), live_at_start) << "a fragment was not released";
    }
    static std::string Take(Fragment* f) {
        std::string text = Text(f);
        Release(f);
        return text;
    }
    long live_at_start = 0;
};

TEST_F(FragmentTest, MakeStringCopiesAndGrowsTheScratchBufferPastItsMargin) {
    Fragment* empty = Make_String("");
    EXPECT_EQ(Take(empty), "");
    EXPECT_EQ(size_of_temp_string, 800);

    Release(Make_String(std::string(399, 'x').c_str()));  // 400 bytes with the NUL
    EXPECT_EQ(size_of_temp_string, 800);
    Release(Make_String(std::string(400, 'x').c_str()));
    EXPECT_EQ(size_of_temp_string, 1600);
    Release(Make_String(std::string(1199, 'x').c_str()));
    EXPECT_EQ(size_of_temp_string, 1600);
    Release(Make_String(std::string(1200, 'x').c_str()));
    EXPECT_EQ(size_of_temp_string, 3200);
}

TEST_F(FragmentTest, MakeStringDoublesAtMostOncePerCall) {
    Release(Make_String(std::string(10000, 'x').c_str()));
    EXPECT_EQ(size_of_temp_string, 1600);
}

TEST_F(FragmentTest, MakeStringMayCopyTheScratchBufferItself) {
    std::string big(500, 'y');
    snprintf(temp_string, size_of_temp_string, "%s", big.c_str());
    EXPECT_EQ(Take(Make_String(temp_string)), big);
    EXPECT_EQ(size_of_temp_string, 1600);
}

TEST_F(FragmentTest, CombineJoinsAndConsumesItsArguments) {
    EXPECT_EQ(Take(Combine(Make_String("ab"), Make_String("cd"))), "abcd");
    EXPECT_EQ(Take(Combine(nullptr, Make_String("cd"))), "cd");
    EXPECT_EQ(Take(Combine(Make_String("ab"), nullptr)), "ab");
    EXPECT_EQ(Combine(nullptr, nullptr), nullptr);
    EXPECT_EQ(size_of_temp_string, 800);
}

TEST_F(FragmentTest, CombineGrowsAtHalfTheCapacity) {
    // 399 + 1 bytes: not more than 800 / 2.
    Release(Combine(nullptr, Make_String(std::string(399, 'x').c_str())));
    EXPECT_EQ(size_of_temp_string, 800);
    Release(Combine(Make_String(std::string(200, 'x').c_str()), Make_String(std::string(199, 'x').c_str())));
    EXPECT_EQ(size_of_temp_string, 1600);
}

TEST_F(FragmentTest, CombineAppendsLargeFragmentsWithoutLosingText) {
    std::string expected;
    Fragment* all = Empty();
    for (int i = 0; i < 2000; ++i) {
        std::string line = "char p" + std::to_string(i) + ";\n";
        expected += line;
        all = Combine(all, Make_String(line.c_str()));
    }
    EXPECT_EQ(Length(all), expected.size());
    EXPECT_EQ(Take(all), expected);
}

struct BitString { const char* text; const char* value; };

TEST_F(FragmentTest, ConvertsBitStringLiteralsAndKeepsStringLiterals) {
    const BitString cases[] = {
        {"b\"0101\"", "5"},       {"b\"1111_0000\"", "240"}, {"o\"17\"", "15"},
        {"x\"ff\"", "255"},       {"x\"9a\"", "154"},        {"b\"012\"", "4"},
        {"x\"ffffffff\"", "-1"},  {"x\"100000000\"", "0"},   {"b%1_0%", "2"},
        {"\"abc\"", "\"abc\""},   {"%a\"b%", "%a\"b%"},      {"\"\"", "\"\""},
    };
    for (const BitString& c : cases) EXPECT_EQ(Take(Convert_String_To_Int(c.text)), c.value) << c.text;
}

TEST_F(FragmentTest, ConvertWrapsLongLiteralsWithoutOverflow) {
    std::string ones = "b\"" + std::string(10000, '1') + "\"";
    EXPECT_EQ(Take(Convert_String_To_Int(ones.c_str())), "-1");
}

TEST_F(FragmentTest, ConvertTracesHexLettersUnderDebug) {
    DEBUG = 1;
    testing::internal::CaptureStdout();
    std::string value = Take(Convert_String_To_Int("x\"ab\""));
    fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "97 = a! (:)\n98 = b! (;)\n");
    EXPECT_EQ(value, "171");
}

TEST_F(FragmentTest, ComposeFillsFormatsInOrder) {
    Fragment* held = Make_String("held");
    EXPECT_EQ(Take(Compose("%s %s;\n", Make_String("a"), Make_String("b"))), "a b;\n");
    EXPECT_EQ(Take(Compose("(%s)[%d]", Borrow(held), 8)), "(held)[8]");
    EXPECT_EQ(Take(Compose("%s=%s", "int", Make_String(""))), "int=");
    EXPECT_EQ(Take(held), "held");
}

TEST_F(FragmentTest, ConstantsAreSharedAndNeverChanged) {
    Fragment* word = Constant(300, "begin", 5);
    EXPECT_EQ(Constant(300, "begin", 5), word);
    long live = Live_Fragments();
    Release(word);
    EXPECT_EQ(Take(Compose("%s x", word)), "begin x");
    EXPECT_EQ(Take(Compose("%s%s", word, Make_String("!"))), "begin!");
    EXPECT_EQ(Take(Combine(word, Make_String(" end"))), "begin end");
    EXPECT_EQ(Copy(word), word);
    EXPECT_STREQ(Text(word), "begin");
    EXPECT_EQ(Live_Fragments(), live);

    EXPECT_EQ(Take(Combine(Empty(), Make_String("ab"))), "ab");
    EXPECT_EQ(Take(Compose("%s;", Empty())), ";");
    EXPECT_STREQ(Text(Empty()), "");
    // Too long for a shared slot: a fragment of its own each time.
    Fragment* a = Constant(301, "a_very_long_word", 16);
    Fragment* b = Constant(301, "a_very_long_word", 16);
    EXPECT_NE(a, b);
    EXPECT_EQ(Take(a), Take(b));
}

TEST_F(FragmentTest, ComposeWritesAfterItsFirstFragmentOnlyWhenItOwnsIt) {
    Fragment* held = Make_String("held");
    EXPECT_EQ(Take(Compose("%s and more", Borrow(held))), "held and more");
    EXPECT_EQ(Take(Compose("%s%s", Borrow(held), Make_String("!"))), "held!");
    EXPECT_STREQ(Text(held), "held");
    // Owned: grown in its block, then moved to a larger one, text intact.
    std::string expected = "held";
    for (int i = 0; i < 100; ++i) {
        held = Compose("%s, %d", held, i);
        expected += ", " + std::to_string(i);
        ASSERT_EQ(std::string(Text(held)), expected);
    }
    EXPECT_EQ(Take(held), expected);
}

TEST_F(FragmentTest, AWrapperOfLargeFragmentsGrowsPastTheRoomOfItsBlock) {
    // "[%s]" around a large fragment makes a wrapper with room for one
    // piece; appending more large fragments to it moves its pieces out.
    const std::string chunk(300, 'c');
    Fragment* list = Compose("[%s]", Make_String(chunk.c_str()));
    std::string expected = "[" + chunk + "]";
    for (int i = 0; i < 20; ++i) {
        list = Compose("%s%s", list, Make_String(chunk.c_str()));
        expected += chunk;
        ASSERT_EQ(Length(list), expected.size());
    }
    Fragment* copy = Copy(list);
    EXPECT_EQ(std::string(Text(list)), expected);  // joined in place
    list = Compose("%s!", list);
    EXPECT_EQ(Take(list), expected + "!");
    EXPECT_EQ(Take(copy), expected);
}

TEST_F(FragmentTest, ComposingLongListsAndDeepNestingKeepsTheText) {
    // A list grown at its end, then nested many levels deep.
    std::string expected;
    Fragment* list = Empty();
    for (int i = 0; i < 5000; ++i) {
        list = Compose("%s %s", list, Make_String("x = 1;\n"));
        expected += " x = 1;\n";
    }
    for (int i = 0; i < 3000; ++i) {
        list = Compose("if (c)\n{\n%s}\n", list);
        expected = "if (c)\n{\n" + expected + "}\n";
    }
    EXPECT_EQ(Length(list), expected.size());
    EXPECT_TRUE(Contains(list, '{'));
    EXPECT_FALSE(Contains(list, '#'));
    Fragment* copy = Copy(list);
    EXPECT_EQ(Take(list), expected);
    EXPECT_EQ(Take(copy), expected);
}

TEST_F(FragmentTest, LeadingIntReadsLikeTheCLibraryAndSaturates) {
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
