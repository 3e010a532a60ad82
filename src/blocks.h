// The block allocator: where the memory of fragments comes from.
//
// Two calls: Take_Block hands out a block of at least the bytes asked for,
// Give_Block takes it back.  Blocks of up to 512 bytes are cut from chunks
// of 256 KiB by size class (64 to 512 bytes) and recycled through one free
// list per class, since fragments are made and released once per token and
// per reduction; larger blocks come from the C heap.  Past the first few
// chunks, chunks are cut from regions mapped in huge pages (blocks.cc).
// Both calls are inline: their usual path is a few instructions.  The
// allocator knows nothing of what its blocks hold.  Sanitizer builds take
// every block from the C heap, so that every use after release is still
// caught.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The block class besides the recycled size classes 0 to 6: a block of the
// C heap, freed when given back.
const int32_t kHeapBlock = -1;

#if defined(__SANITIZE_ADDRESS__)
#define VHDL87C_PLAIN_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VHDL87C_PLAIN_HEAP 1
#endif
#endif

// Hands the chunks back to the C heap.  The caller makes sure no block is
// in use any more.
void Release_Blocks();

#ifndef VHDL87C_PLAIN_HEAP
namespace block_lists {

inline constexpr size_t kBlockSizes[] = {64, 96, 128, 192, 256, 384, 512};
// The smallest class that holds `bytes`, by steps of 32 bytes.
inline constexpr int8_t kClassOf[16] = {0, 0, 1, 2, 3, 3, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6};

struct Free_Block { Free_Block* next; };
extern Free_Block* free_blocks[7];
// Blocks never used yet are cut from the end of the newest chunk of their
// class, one at a time: memory is touched only as it is needed.
extern char* unused_from[7];
extern char* unused_end[7];

// A block of class `c` from a new chunk; null when there is no memory.
void* Block_From_New_Chunk(int c);

}  // namespace block_lists

// A block of at least `bytes`; rounds `bytes` up to the size of the block
// and tells its class.  Null when there is no memory.
inline void* Take_Block(size_t& bytes, int32_t& block_class) {
    using namespace block_lists;
    if (bytes > 512) {
        block_class = kHeapBlock;
        return malloc(bytes);
    }
    int c = kClassOf[(bytes - 1) >> 5];
    block_class = c;
    bytes = kBlockSizes[c];
    if (Free_Block* block = free_blocks[c]) {
        free_blocks[c] = block->next;
        return block;
    }
    if (unused_from[c] == unused_end[c]) return Block_From_New_Chunk(c);
    void* block = unused_from[c];
    unused_from[c] += bytes;
    return block;
}

// Takes back a block of class `block_class`.
inline void Give_Block(void* block, int32_t block_class) {
    using namespace block_lists;
    if (block_class == kHeapBlock) {
        free(block);
        return;
    }
    Free_Block* free_block = static_cast<Free_Block*>(block);
    free_block->next = free_blocks[block_class];
    free_blocks[block_class] = free_block;
}
#else
inline void* Take_Block(size_t& bytes, int32_t& block_class) {
    block_class = kHeapBlock;
    return malloc(bytes);
}
inline void Give_Block(void* block, int32_t) { free(block); }
#endif
