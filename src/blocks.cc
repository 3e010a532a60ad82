// The block allocator's chunks and free lists (see blocks.h).
#include "blocks.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>

#ifndef VHDL87C_PLAIN_HEAP
namespace block_lists {

const size_t kChunkBytes = 1 << 18;

Free_Block* free_blocks[7] = {};
char* unused_from[7] = {};
char* unused_end[7] = {};

namespace {
// The first chunks come from the C heap, each starting with the link to the
// one made before it; their blocks follow.
struct Chunk { Chunk* next; };
const size_t kChunkHeader = 16;
const size_t kChunkRoom = kChunkBytes - kChunkHeader;
Chunk* chunks = nullptr;
int heap_chunks = 0;

// Once a translation holds kHeapChunks of them (2 MiB), chunks are cut
// from regions of 2 MiB, aligned to 2 MiB and marked for transparent huge
// pages: one page fault then maps a whole region where 512 would map 4 KiB
// pages (on a virtual machine each fault costs microseconds, and for a
// translation that makes its fragments and little else, faults were a
// third of the time), and writing the translation out walks its blocks
// with fewer TLB misses.  The price is at most one region not used in full.
// Each region starts with the link to the one mapped before it, then holds
// eight chunks.  A region that cannot be mapped is no error: the chunk then
// comes from the C heap.
const int kHeapChunks = 8;
const size_t kRegionBytes = 1 << 21;
struct Region { Region* next; };
Region* regions = nullptr;
char* region_next = nullptr;  // the next chunk of the newest region
char* region_end = nullptr;

// A new region, or null when it cannot be mapped.
Region* Map_Region() {
    size_t span = 2 * kRegionBytes;
    void* mapped = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) return nullptr;
    uintptr_t from = reinterpret_cast<uintptr_t>(mapped);
    uintptr_t start = (from + kRegionBytes - 1) & ~(kRegionBytes - 1);
    if (start > from) munmap(mapped, start - from);
    if (from + span > start + kRegionBytes)
        munmap(reinterpret_cast<void*>(start + kRegionBytes), from + span - start - kRegionBytes);
    madvise(reinterpret_cast<void*>(start), kRegionBytes, MADV_HUGEPAGE);
    return reinterpret_cast<Region*>(start);
}

// The room of a new chunk (kChunkRoom bytes), or null.
char* New_Chunk() {
    if (heap_chunks >= kHeapChunks) {
        if (region_next == region_end) {
            if (Region* region = Map_Region()) {
                region->next = regions;
                regions = region;
                region_next = reinterpret_cast<char*>(region) + kChunkHeader;
                region_end = region_next + (kRegionBytes - kChunkHeader) / kChunkRoom * kChunkRoom;
            }
        }
        if (region_next != region_end) {
            char* room = region_next;
            region_next += kChunkRoom;
            return room;
        }
    }
    Chunk* chunk = static_cast<Chunk*>(malloc(kChunkBytes));
    if (!chunk) return nullptr;
    chunk->next = chunks;
    chunks = chunk;
    ++heap_chunks;
    return reinterpret_cast<char*>(chunk) + kChunkHeader;
}
}  // namespace

__attribute__((noinline)) void* Block_From_New_Chunk(int c) {
    char* first = New_Chunk();
    if (!first) return nullptr;
    unused_from[c] = first + kBlockSizes[c];
    unused_end[c] = first + kChunkRoom - kChunkRoom % kBlockSizes[c];
    return first;
}

}  // namespace block_lists

void Release_Blocks() {
    using namespace block_lists;
    while (Chunk* chunk = chunks) {
        chunks = chunk->next;
        free(chunk);
    }
    while (Region* region = regions) {
        regions = region->next;
        munmap(region, kRegionBytes);
    }
    heap_chunks = 0;
    region_next = region_end = nullptr;
    for (Free_Block*& list : free_blocks) list = nullptr;
    for (int c = 0; c < 7; ++c) unused_from[c] = unused_end[c] = nullptr;
}
#else
void Release_Blocks() {}
#endif
