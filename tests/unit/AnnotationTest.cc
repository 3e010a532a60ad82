// The annotations of --annotate: their written form, one line that never
// ends a comment early, how a dropped or copied text hands its notes on
// without losing a fragment, and that only the notes made are taken for
// notes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "annotation.h"
#include "compose.h"
#include "FragmentFixture.h"

namespace {

class AnnotationTest : public FragmentFixture {
protected:
    void SetUp() override {
        FragmentFixture::SetUp();
        annotating = true;
    }
    void TearDown() override {
        annotating = false;
        Forget_Annotations();
        FragmentFixture::TearDown();
    }
    // The text as the translation is written, each note in place; releases it.
    static std::string Written(Fragment* f) {
        FILE* out = tmpfile();
        EXPECT_TRUE(Write_Annotated(f, out));
        Release(f);
        std::string text;
        rewind(out);
        for (int c; (c = getc(out)) != EOF;) text += static_cast<char>(c);
        fclose(out);
        return text;
    }
};

TEST_F(AnnotationTest, AMessageIsOneLineThatNeverEndsTheComment) {
    Fragment* text = Make_String("x");
    Annotate(text, Annotation("wait-for", "the C loop does not wait"));
    Annotate(text, Annotation("k", "a */ b\nc\r*/"));
    Annotate(text, Annotation("k", "2**8 */"));
    EXPECT_EQ(Written(text), "x /* vhdl87c[wait-for]: the C loop does not wait */ /* vhdl87c[k]: a * / b c * / */"
                             " /* vhdl87c[k]: 2**8 * / */");
}

TEST_F(AnnotationTest, AppendedAfterOrInFront) {
    Fragment* text = Make_String("x = y");
    Annotate(text, Annotation("k", "m"));
    EXPECT_EQ(Written(text), "x = y /* vhdl87c[k]: m */");
    text = Make_String("(b) ()");
    Annotate_Before(text, Annotation("k", "m"));
    EXPECT_EQ(Written(text), "/* vhdl87c[k]: m */ (b) ()");
    text = Empty();
    Annotate(text, "");
    EXPECT_EQ(Written(text), "");
}

// A note inside a comment of the translation ends with "* /"; kept by a
// text outside that comment, it ends the usual way.
TEST_F(AnnotationTest, ADroppedTextHandsItsNotesOn) {
    Fragment* element = Make_String("v [4]");
    Annotate(element, Annotation("a", "one"));
    Annotations_In_Comment(element);
    Fragment* dropped = Compose("/* assert %s == 1 */ w", element);
    Annotate(dropped, Annotation("b", "two"));
    Fragment* kept = Make_String("m [1]");
    Keep_Annotations(dropped, kept);
    EXPECT_EQ(Written(dropped), "/* assert v [4] /* vhdl87c[a]: one * / == 1 */ w /* vhdl87c[b]: two */");
    EXPECT_EQ(Written(kept), "m [1] /* vhdl87c[a]: one */ /* vhdl87c[b]: two */");
}

TEST_F(AnnotationTest, ACopiedTextGivesItsNotesUp) {
    Fragment* left = Make_String("00");
    Annotate(left, Annotation("leading-zero", "z"));
    Fragment* right = Make_String("7");
    Hold_Annotations(left, right);
    EXPECT_EQ(Text(left), std::string("00"));
    EXPECT_EQ(Text(right), std::string("7"));
    Fragment* range = Make_String("8");
    Put_Held_Annotations(range);
    EXPECT_EQ(Written(range), "8 /* vhdl87c[leading-zero]: z */");
    Release(left);
    Release(right);
}

// A design's own text that reads like a note (a string literal) stays
// where it is; and nothing moves without the option.
TEST_F(AnnotationTest, OnlyTheNotesMadeAreNotes) {
    Fragment* text = Make_String("\" /* vhdl87c[k]: m */\"");
    EXPECT_EQ(Take_Annotations(text), "");
    EXPECT_EQ(Written(text), "\" /* vhdl87c[k]: m */\"");
    text = Make_String("v");
    Annotate(text, Annotation("k", "m"));
    annotating = false;
    EXPECT_EQ(Take_Annotations(text), "");
    EXPECT_EQ(Annotations_Of(text), "");
    EXPECT_EQ(Written(text), "v /* vhdl87c[k]: m */");
}

TEST_F(AnnotationTest, AFailedWriteIsReported) {
    Fragment* text = Make_String("v");
    Annotate(text, Annotation("k", "m"));
    FILE* read_only = fopen("/dev/null", "r");
    ASSERT_NE(read_only, nullptr);
    EXPECT_FALSE(Write_Annotated(text, read_only));
    fclose(read_only);
    Release(text);
}

}  // namespace
