// Composing: formats filled in order, growing the first argument in place,
// large fragments kept as pieces.
#include <gtest/gtest.h>

#include <string>

#include "compose.h"
#include "FragmentFixture.h"

namespace {

class ComposeTest : public FragmentFixture {};

TEST_F(ComposeTest, ComposeFillsFormatsInOrder) {
    Fragment* held = Make_String("held");
    EXPECT_EQ(Take(Compose("%s %s;\n", Make_String("a"), Make_String("b"))), "a b;\n");
    EXPECT_EQ(Take(Compose("(%s)[%d]", Borrow(held), 8)), "(held)[8]");
    EXPECT_EQ(Take(Compose("%s=%s", "int", Make_String(""))), "int=");
    EXPECT_EQ(Take(held), "held");
}

TEST_F(ComposeTest, ComposeWritesAfterItsFirstFragmentOnlyWhenItOwnsIt) {
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

TEST_F(ComposeTest, AWrapperOfLargeFragmentsGrowsPastTheRoomOfItsBlock) {
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

TEST_F(ComposeTest, ComposingLongListsAndDeepNestingKeepsTheText) {
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

}  // namespace
