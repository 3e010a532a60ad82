// Fragments and their ownership: making, joining, copying, constants, and
// the scratch buffer left alone by all of them.
#include <gtest/gtest.h>

#include <string>

#include "compose.h"
#include "FragmentFixture.h"

namespace {

class FragmentTest : public FragmentFixture {};

TEST_F(FragmentTest, CombineJoinsAndConsumesItsArguments) {
    EXPECT_EQ(Take(Combine(Make_String("ab"), Make_String("cd"))), "abcd");
    EXPECT_EQ(Take(Combine(nullptr, Make_String("cd"))), "cd");
    EXPECT_EQ(Take(Combine(Make_String("ab"), nullptr)), "ab");
    EXPECT_EQ(Combine(nullptr, nullptr), nullptr);
}

// The scratch buffer holds a converted number and nothing else: making,
// joining and composing texts of any length leave it as it was made.
TEST_F(FragmentTest, TextsOfAnyLengthLeaveTheScratchBufferAlone) {
    char* scratch = temp_string;
    const int size = size_of_temp_string;
    std::string big(100000, 'x');
    Fragment* text = Make_String(big.c_str());
    text = Combine(text, Make_String_Len(big.data(), big.size()));
    text = Combine(Make_String("("), text);
    text = Compose("%s%s)", text, Make_String(big.c_str()));
    EXPECT_EQ(Length(text), 3 * big.size() + 2);
    Release(text);
    EXPECT_EQ(temp_string, scratch);
    EXPECT_EQ(size_of_temp_string, size);
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
