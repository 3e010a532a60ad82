// The lines for a person on standard error: their prefix names the input
// as a run sets it, and twenty of a kind are written, the rest counted.
#include <gtest/gtest.h>

#include <string>

#include "messages.h"

namespace {

std::string Told(void (*tell)()) {
    testing::internal::CaptureStderr();
    tell();
    return testing::internal::GetCapturedStderr();
}

TEST(MessagesTest, PrefixNamesTheInputAsSet) {
    EXPECT_EQ(Told([] { Tell_At("rule", 3, 7, "warning", "text"); }), "<stdin>:3:7: warning: text\n");
    Set_Source_Name("design.vhd");
    EXPECT_EQ(Told([] { Tell_At("rule", 12, 1, "error", "unexpected ';'"); }), "design.vhd:12:1: error: unexpected ';'\n");
    EXPECT_EQ(Told([] { Tell("rule", "warning", "3 more things"); }), "design.vhd: warning: 3 more things\n");
    Set_Source_Name(nullptr);
    EXPECT_EQ(Told([] { Tell("rule", "error", "text"); }), "<stdin>: error: text\n");
}

TEST(MessagesTest, TwentyOfAKindAreShownAndTheRestCounted) {
    static Kind_Count count;
    int shown = 0;
    for (int i = 0; i < 20; ++i) shown += count.Shown();
    EXPECT_EQ(shown, 20);
    EXPECT_EQ(Told([] { count.Tell_Unshown("rule", "things"); }), "");
    for (int i = 0; i < 5; ++i) shown += count.Shown();
    EXPECT_EQ(shown, 20);
    EXPECT_EQ(Told([] { count.Tell_Unshown("rule", "things"); }), "<stdin>: warning: 5 more things\n");
}

}  // namespace
