// The block allocator: blocks of every class, from the first chunks and
// from the regions that follow them, never overlap, and a release hands
// everything back so that the next translation starts afresh.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "blocks.h"

namespace {

struct Taken {
    unsigned char* at;
    size_t bytes;
    int32_t block_class;
};

// Takes blocks of every size class until `total` bytes are handed out,
// each filled with a byte of its own.
std::vector<Taken> Take_Many(size_t total) {
    std::vector<Taken> taken;
    size_t sizes[] = {1, 65, 97, 129, 193, 257, 385, 512};
    for (size_t handed = 0, i = 0; handed < total; ++i) {
        size_t bytes = sizes[i % 8];
        int32_t block_class = 0;
        void* block = Take_Block(bytes, block_class);
        EXPECT_NE(block, nullptr);
        if (!block) break;
        memset(block, static_cast<int>(taken.size() % 251), bytes);
        taken.push_back({static_cast<unsigned char*>(block), bytes, block_class});
        handed += bytes;
    }
    return taken;
}

// True when every block still holds its own byte: no block was handed out
// twice or cut across another.
bool All_Intact(const std::vector<Taken>& taken) {
    for (size_t i = 0; i < taken.size(); ++i)
        for (size_t k = 0; k < taken[i].bytes; ++k)
            if (taken[i].at[k] != i % 251) return false;
    return true;
}

TEST(BlocksTest, BlocksOfManyChunksAndRegionsNeverOverlap) {
    // 24 MiB: the first chunks of the C heap and a dozen regions after them.
    for (int run = 0; run < 2; ++run) {
        std::vector<Taken> taken = Take_Many(24u << 20);
        EXPECT_TRUE(All_Intact(taken)) << "run " << run;
        // Half of them given back and taken again: none of those may cut
        // across a block still held (cleared after the new ones are filled).
        for (size_t i = 0; i < taken.size(); i += 2) Give_Block(taken[i].at, taken[i].block_class);
        std::vector<Taken> again = Take_Many(12u << 20);
        for (size_t i = 1; i < taken.size(); i += 2) memset(taken[i].at, 0, taken[i].bytes);
        EXPECT_TRUE(All_Intact(again)) << "run " << run;
        for (size_t i = 1; i < taken.size(); i += 2) Give_Block(taken[i].at, taken[i].block_class);
        for (const Taken& t : again) Give_Block(t.at, t.block_class);
        Release_Blocks();
    }
}

}  // namespace
