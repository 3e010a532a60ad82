// The annotations of --annotate: their form, one line that never ends a
// comment early, and how a dropped or copied text hands its notes on
// without losing a fragment.
#include <gtest/gtest.h>

#include <string>

#include "annotation.h"
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
        FragmentFixture::TearDown();
    }
};

TEST_F(AnnotationTest, AMessageIsOneLineThatNeverEndsTheComment) {
    EXPECT_EQ(Annotation("wait-for", "the C loop does not wait"), " /* vhdl87c[wait-for]: the C loop does not wait */");
    EXPECT_EQ(Annotation("k", "a */ b\nc\r*/"), " /* vhdl87c[k]: a * / b c * / */");
    EXPECT_EQ(Annotation("k", "2**8 */"), " /* vhdl87c[k]: 2**8 * / */");
}

TEST_F(AnnotationTest, AppendedAfterOrInFront) {
    Fragment* text = Make_String("x = y");
    Annotate(text, Annotation("k", "m"));
    EXPECT_EQ(Take(text), "x = y /* vhdl87c[k]: m */");
    text = Make_String("(b) ()");
    Annotate_Before(text, Annotation("k", "m"));
    EXPECT_EQ(Take(text), "/* vhdl87c[k]: m */ (b) ()");
    text = Empty();
    Annotate(text, "");
    EXPECT_EQ(Take(text), "");
}

// A note inside a comment of the translation ends with "* /"; kept by a
// text outside that comment, it ends the usual way.
TEST_F(AnnotationTest, ADroppedTextHandsItsNotesOn) {
    Fragment* dropped = Make_String("/* assert v [4] /* vhdl87c[a]: one * / == 1 */ w /* vhdl87c[b]: two */");
    Fragment* kept = Make_String("m [1]");
    Keep_Annotations(dropped, kept);
    Release(dropped);
    EXPECT_EQ(Take(kept), "m [1] /* vhdl87c[a]: one */ /* vhdl87c[b]: two */");
}

TEST_F(AnnotationTest, ACopiedTextGivesItsNotesUp) {
    Fragment* left = Make_String("00 /* vhdl87c[leading-zero]: z */");
    Fragment* right = Make_String("7");
    Hold_Annotations(left, right);
    EXPECT_EQ(Text(left), std::string("00"));
    EXPECT_EQ(Text(right), std::string("7"));
    Fragment* range = Make_String("8");
    Put_Held_Annotations(range);
    EXPECT_EQ(Take(range), "8 /* vhdl87c[leading-zero]: z */");
    Release(left);
    Release(right);
}

TEST_F(AnnotationTest, NothingMovesWithoutTheOption) {
    annotating = false;
    Fragment* text = Make_String("v /* vhdl87c[k]: m */");
    EXPECT_EQ(Take_Annotations(text), "");
    EXPECT_EQ(Annotations_Of(text), "");
    EXPECT_EQ(Take(text), "v /* vhdl87c[k]: m */");
}

}  // namespace
