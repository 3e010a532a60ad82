// Composing: formats filled in order, growing the first argument in place,
// large fragments kept as pieces.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
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

// The text of `f` as Write puts it on a stream.
std::string Written(const Fragment* f) {
    FILE* out = tmpfile();
    EXPECT_NE(out, nullptr);
    EXPECT_TRUE(Write(f, out));
    std::string text(static_cast<size_t>(ftell(out)), '\0');
    rewind(out);
    EXPECT_EQ(fread(&text[0], 1, text.size(), out), text.size());
    fclose(out);
    return text;
}

TEST_F(ComposeTest, SmallResultsAreReadWrittenAndCopiedBeforeTheyAreJoined) {
    // Small results nest several levels before any text is written.
    Fragment* sum = Compose("%s + %s", Make_String("a"), Make_String("b"));
    Fragment* call = Compose("f(%s, %s)", sum, Compose("(%s)", Make_String("1.5")));
    Fragment* statement = Compose("%s = %s;\n", Make_String("x"), call);
    EXPECT_EQ(Length(statement), std::string("x = f(a + b, (1.5));\n").size());
    EXPECT_TRUE(Contains(statement, '.'));
    EXPECT_FALSE(Contains(statement, '#'));
    EXPECT_EQ(Written(statement), "x = f(a + b, (1.5));\n");
    Fragment* copy = Copy(statement);
    EXPECT_STREQ(Text(statement), "x = f(a + b, (1.5));\n");  // joined in place
    EXPECT_STREQ(Text(statement), "x = f(a + b, (1.5));\n");
    EXPECT_EQ(Take(Compose("%s%s", statement, copy)), "x = f(a + b, (1.5));\nx = f(a + b, (1.5));\n");
    Fragment* bound = Compose("%s%s", Compose(" %s", Make_String("-12")), Make_String("x"));
    EXPECT_EQ(Leading_Int(bound), -12);
    Release(bound);
}

TEST_F(ComposeTest, ReleasingASmallResultReleasesWhatItHolds) {
    Fragment* word = Constant(502, "loop", 4);
    Fragment* inner = Compose("%s %s", word, Make_String("x"));
    Fragment* outer = Compose("[%s|%s|%s]", inner, Empty(), Compose("%d", 7));
    EXPECT_GT(Live_Fragments(), live_at_start);
    Release(outer);
    EXPECT_EQ(Live_Fragments(), live_at_start);
    EXPECT_EQ(Take(Compose("%s!", word)), "loop!");  // the constant is untouched
}

TEST_F(ComposeTest, NumbersAreWrittenAsPrintfWritesThem) {
    const int numbers[] = {0, 7, -7, 10, 99, -100, 123456789, INT_MAX, INT_MIN};
    for (int n : numbers) EXPECT_EQ(Take(Compose("<%d>", n)), "<" + std::to_string(n) + ">");
}

TEST_F(ComposeTest, SmallResultsNestedDeeperThanTheirLimitKeepTheText) {
    // A chain of formats that add nothing stays small however deep it goes.
    Fragment* f = Make_String("core");
    for (int i = 0; i < 1000; ++i) f = Compose("%s%s", Empty(), f);
    for (int i = 0; i < 1000; ++i) f = Compose("%s", f);
    EXPECT_EQ(Length(f), 4u);
    EXPECT_EQ(Written(f), "core");
    Fragment* copy = Copy(f);
    EXPECT_EQ(Take(f), "core");
    EXPECT_EQ(Take(copy), "core");
}

TEST_F(ComposeTest, ALargeBorrowedFragmentIsReadAndStaysWithItsOwner) {
    const std::string line(100, 'l');
    Fragment* held = Empty();
    std::string expected;
    for (int i = 0; i < 50; ++i) {
        held = Combine(held, Make_String((line + "\n").c_str()));
        expected += line + "\n";
    }
    Fragment* a = Compose("{%s}", Borrow(held));
    Fragment* b = Compose("%s%s", Borrow(held), Make_String("!"));
    Fragment* c = Compose("%s(%s)%s", Borrow(held), Borrow(held), Make_String(line.c_str()));
    EXPECT_EQ(Take(a), "{" + expected + "}");
    EXPECT_EQ(Take(b), expected + "!");
    EXPECT_EQ(Take(c), expected + "(" + expected + ")" + line);
    EXPECT_EQ(Written(held), expected);
    EXPECT_EQ(Take(held), expected);
}

TEST_F(ComposeTest, PiecesNestedThousandsDeepAreWrittenReadAndReleased) {
    // Every level makes a new wrapper around a large piece: pieces nest as
    // deep as the loop; walking and releasing them uses no recursion.
    const std::string chunk(300, 'c');
    const int levels = 20000;
    Fragment* f = Make_String(chunk.c_str());
    for (int i = 0; i < levels; ++i) f = Compose("(%s)", f);
    const std::string expected = std::string(levels, '(') + chunk + std::string(levels, ')');
    EXPECT_EQ(Written(f), expected);
    EXPECT_TRUE(Contains(f, 'c'));
    EXPECT_FALSE(Contains(f, 'x'));
    Fragment* copy = Copy(f);
    Release(f);
    EXPECT_EQ(Take(copy), expected);
}

}  // namespace
