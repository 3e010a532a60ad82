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
// Every chunk starts with the link to the one made before it; its blocks
// follow.
struct Chunk { Chunk* next; };
const size_t kChunkHeader = 16;
Chunk* chunks = nullptr;
}  // namespace

__attribute__((noinline)) void* Block_From_New_Chunk(int c) {
    Chunk* chunk = static_cast<Chunk*>(malloc(kChunkBytes));
    if (!chunk) return nullptr;
    chunk->next = chunks;
    chunks = chunk;
    char* first = reinterpret_cast<char*>(chunk) + kChunkHeader;
    size_t room = kChunkBytes - kChunkHeader;
    unused_from[c] = first + kBlockSizes[c];
    unused_end[c] = first + room - room % kBlockSizes[c];
    return first;
}

}  // namespace block_lists

void Release_Blocks() {
    using namespace block_lists;
    while (Chunk* chunk = chunks) {
        chunks = chunk->next;
        free(chunk);
    }
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
// A constant fragment: flat, in static storage.
Fragment Constant_Fragment(char* text, size_t length) {
    Fragment f{};
    f.text = text;
    f.length = f.total = length;
    f.capacity = length + 1;
    f.block_class = kConstant;
    return f;
}

Fragment empty_fragment = Constant_Fragment(empty_text, 0);

}  // namespace

Fragment* Empty() { return &empty_fragment; }

Fragment* Constant(int key, const char* text, size_t length) {
    if (key < 0 || key >= 512 || length >= sizeof constants[0].text) return Make_String_Len(text, length);
    Constant_Slot& slot = constants[key];
    Fragment& f = slot.fragment;
    if (!f.text) {
        memcpy(slot.text, text, length);
        slot.text[length] = '\0';
        f = Constant_Fragment(slot.text, length);
    }
    return &f;
}
