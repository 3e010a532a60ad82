// The block allocator's chunks and free lists, and the static storage of
// the constant fragments (see blocks.h).
#include "blocks.h"

#include <cstring>
#include <vector>

#include "fragment_layout.h"

#ifndef VHDL87C_PLAIN_HEAP
namespace block_lists {

const size_t kChunkBytes = 1 << 18;

Free_Block* free_blocks[7] = {};
char* unused_from[7] = {};
char* unused_end[7] = {};

namespace {
std::vector<void*> chunks;  // reachable until exit; never handed back
}

__attribute__((noinline)) void* Block_From_New_Chunk(int c) {
    char* chunk = static_cast<char*>(malloc(kChunkBytes));
    if (!chunk) return nullptr;
    chunks.push_back(chunk);
    unused_from[c] = chunk + kBlockSizes[c];
    unused_end[c] = chunk + kChunkBytes - kChunkBytes % kBlockSizes[c];
    return chunk;
}

}  // namespace block_lists

void Release_Blocks() {
    using namespace block_lists;
    for (void* chunk : chunks) free(chunk);
    chunks.clear();
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
