// The block allocator's chunks and free lists, and the static storage of
// the constant fragments (see blocks.h).
#include "blocks.h"

#include <cstring>

#include "fragment_layout.h"

#ifndef VHDL87C_PLAIN_HEAP
namespace block_lists {

const size_t kChunkBytes = 1 << 18;

Free_Block* free_blocks[7] = {};
char* unused_from[7] = {};
char* unused_end[7] = {};

namespace {
// Every chunk, so that they can be handed back (a plain array: a standard
// container would throw where the run must end with the memory error).
void** chunks = nullptr;
size_t chunk_count = 0;
size_t chunk_capacity = 0;
}

__attribute__((noinline)) void* Block_From_New_Chunk(int c) {
    if (chunk_count == chunk_capacity) {
        size_t capacity = chunk_capacity ? chunk_capacity * 2 : 64;
        void** grown = static_cast<void**>(realloc(chunks, capacity * sizeof *chunks));
        if (!grown) return nullptr;
        chunks = grown;
        chunk_capacity = capacity;
    }
    char* chunk = static_cast<char*>(malloc(kChunkBytes));
    if (!chunk) return nullptr;
    chunks[chunk_count++] = chunk;
    unused_from[c] = chunk + kBlockSizes[c];
    unused_end[c] = chunk + kChunkBytes - kChunkBytes % kBlockSizes[c];
    return chunk;
}

}  // namespace block_lists

void Release_Blocks() {
    using namespace block_lists;
    for (size_t i = 0; i < chunk_count; ++i) free(chunks[i]);
    free(chunks);
    chunks = nullptr;
    chunk_count = chunk_capacity = 0;
    for (Free_Block*& list : free_blocks) list = nullptr;
    for (int c = 0; c < 7; ++c) unused_from[c] = unused_end[c] = nullptr;
}
#else
void Release_Blocks() {}
#endif

namespace {

// Constants live in static storage: the empty text, and one slot per key
// for short texts.
struct Constant_Slot {
    Fragment fragment;
    char text[16];
};
Constant_Slot constants[512];
char empty_text[1];
Fragment empty_fragment = {empty_text, 0, 1, 0, nullptr, 0, 0, 0, kConstant};

}  // namespace

Fragment* Empty() { return &empty_fragment; }

Fragment* Constant(int key, const char* text, size_t length) {
    if (key < 0 || key >= 512 || length >= sizeof constants[0].text) return Make_String_Len(text, length);
    Constant_Slot& slot = constants[key];
    Fragment& f = slot.fragment;
    if (!f.text) {
        memcpy(slot.text, text, length);
        slot.text[length] = '\0';
        f = Fragment{slot.text, length, length + 1, length, nullptr, 0, 0, 0, kConstant};
    }
    return &f;
}
