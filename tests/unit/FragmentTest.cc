// Fragments and their ownership: making, joining, copying, constants, and
// the scratch buffer growing with the texts made.
#include <gtest/gtest.h>

#include <string>

#include "compose.h"
#include "FragmentFixture.h"

namespace {

class FragmentTest : public FragmentFixture {};

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

TEST_F(FragmentTest, ConstantsAreSharedAndNeverChanged) {
    // Keys no token uses: the scanner tests in the same program keep theirs.
    Fragment* word = Constant(500, "begin", 5);
    EXPECT_EQ(Constant(500, "begin", 5), word);
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
    Fragment* a = Constant(501, "a_very_long_word", 16);
    Fragment* b = Constant(501, "a_very_long_word", 16);
    EXPECT_NE(a, b);
    EXPECT_EQ(Take(a), Take(b));
}

}  // namespace
