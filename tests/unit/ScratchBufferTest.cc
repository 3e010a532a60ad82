// The scratch buffer's growth rule: doubled while the doubled size is an
// int, kept as it is beyond that, and never a failure that did not happen.
// tests/hostile/scratch_buffer_limit.cc sees the rule at work.
#include <gtest/gtest.h>

#include <climits>

#include "fragment.h"
#include "literals.h"

namespace {

TEST(ScratchBufferTest, DoublesWhileTheSizeIsAnInt) {
    EXPECT_EQ(Grown_Scratch_Size(800), 1600);
    EXPECT_EQ(Grown_Scratch_Size(1), 2);
    EXPECT_EQ(Grown_Scratch_Size(INT_MAX / 2 - 1), INT_MAX - 3);
    EXPECT_EQ(Grown_Scratch_Size(INT_MAX / 2), INT_MAX - 1);
}

TEST(ScratchBufferTest, StaysWhenDoublingWouldOverflow) {
    EXPECT_EQ(Grown_Scratch_Size(INT_MAX / 2 + 1), INT_MAX / 2 + 1);
    EXPECT_EQ(Grown_Scratch_Size(INT_MAX - 1), INT_MAX - 1);
    EXPECT_EQ(Grown_Scratch_Size(INT_MAX), INT_MAX);
}

// From its first size the buffer reaches 800 * 2^21 = 1 677 721 600 bytes
// (the size past which a combined text of about 840 MB used to be refused)
// and stays there.
TEST(ScratchBufferTest, FromTheFirstSizeItDoublesToItsLastAndStays) {
    int size = 800, doublings = 0;
    for (int i = 0; i < 40; ++i) {
        int grown = Grown_Scratch_Size(size);
        ASSERT_GE(grown, size);
        if (grown == size) break;
        ASSERT_EQ(grown, size * 2);
        size = grown;
        ++doublings;
    }
    EXPECT_EQ(doublings, 21);
    EXPECT_EQ(size, 1677721600);
    EXPECT_EQ(Grown_Scratch_Size(size), size);
}

}  // namespace
