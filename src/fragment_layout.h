// How a fragment lies in memory, and the steps that build one: for the
// files that make fragments (fragment.cc, compose.cc, blocks.cc,
// literals.cc), never for the grammar, which sees only fragment.h.
//
// A fragment is its own text plus, for large results, pieces: other
// fragments that stand inside the text at a byte position.  A fragment
// without pieces is flat; its whole text is `text`.  A fragment's block
// holds the header, then room for `inline_pieces` pieces, then the inline
// text; pieces or text that outgrow the block move to the C heap.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "blocks.h"
#include "fragment.h"

struct Piece {
    size_t at;           // position in the owner's own text
    Fragment* fragment;  // owned by the fragment that holds the piece
};

struct Fragment {
    char* text;              // own text, NUL-terminated
    size_t length;           // bytes of own text
    size_t capacity;         // bytes available at `text`, the NUL included
    size_t total;            // length of the whole text, pieces included
    Piece* pieces;
    uint32_t piece_count;
    uint32_t piece_capacity;
    uint32_t inline_pieces;  // room for pieces in the block
    int32_t block_class;     // recycled size class, or kHeapBlock, or kConstant
};

// A fragment longer than this is kept as a piece instead of being copied.
const size_t kLargeText = 256;

// Fragments alive now (constants not counted).
extern long live_fragments;

inline Piece* Inline_Pieces(Fragment* f) { return reinterpret_cast<Piece*>(f + 1); }
inline char* Inline_Text(Fragment* f) { return reinterpret_cast<char*>(Inline_Pieces(f) + f->inline_pieces); }

// A fragment with room for `capacity` bytes of text (the NUL included) and
// for `pieces` pieces in its block.
inline __attribute__((always_inline)) Fragment* New_Fragment(size_t capacity, uint32_t pieces = 0) {
    size_t room = sizeof(Fragment) + pieces * sizeof(Piece);
    size_t bytes = room + capacity;
    int32_t block_class;
    Fragment* f = static_cast<Fragment*>(Take_Block(bytes, block_class));
    if (!f) Out_Of_Memory();
    f->block_class = block_class;
    f->inline_pieces = pieces;
    f->text = Inline_Text(f);
    f->text[0] = '\0';
    f->length = 0;
    f->capacity = bytes - room;
    f->total = 0;
    f->pieces = pieces ? Inline_Pieces(f) : nullptr;
    f->piece_count = 0;
    f->piece_capacity = pieces;
    ++live_fragments;
    return f;
}

inline bool Is_Constant(const Fragment* f) { return f->block_class == kConstant; }

inline bool Is_Large(const Fragment* f) { return f->piece_count > 0 || f->total > kLargeText; }

// Copies `length` bytes; short runs, the usual case, without a call.
inline void Put(char* out, const char* text, size_t length) {
    if (length >= 8) {
        if (length > 16) {
            memcpy(out, text, length);
            return;
        }
        memcpy(out, text, 8);
        memcpy(out + length - 8, text + length - 8, 8);
    } else if (length >= 4) {
        memcpy(out, text, 4);
        memcpy(out + length - 4, text + length - 4, 4);
    } else if (length > 0) {
        out[0] = text[0];
        out[length / 2] = text[length / 2];
        out[length - 1] = text[length - 1];
    }
}

// Room for `extra` more bytes of own text.
inline void Reserve(Fragment* f, size_t extra) {
    size_t need = f->length + extra + 1;
    if (need <= f->capacity) return;
    size_t capacity = f->capacity * 2 > need ? f->capacity * 2 : need;
    char* text;
    if (f->text == Inline_Text(f)) {
        text = static_cast<char*>(malloc(capacity));
        if (text) memcpy(text, f->text, f->length + 1);
    } else {
        text = static_cast<char*>(realloc(f->text, capacity));
    }
    if (!text) Out_Of_Memory();
    f->text = text;
    f->capacity = capacity;
}

inline void Append_Text(Fragment* f, const char* text, size_t length) {
    if (length == 0) return;
    Reserve(f, length);
    Put(f->text + f->length, text, length);
    f->length += length;
    f->text[f->length] = '\0';
    f->total += length;
}

// A fragment that becomes a piece never grows again: the spare room of a
// text on the C heap is handed back.
inline void Shrink(Fragment* f) {
    if (f->text == Inline_Text(f) || f->capacity - f->length < 64) return;
    char* text = static_cast<char*>(realloc(f->text, f->length + 1));
    if (!text) return;
    f->text = text;
    f->capacity = f->length + 1;
}

// The walks over pieces (writing, joining, releasing) keep their place in
// one stack, which is made big enough while pieces are added: so a walk
// never allocates, and writing the translation cannot fail for memory half
// way through.  A walk goes down one fragment with pieces per level, so it
// is never deeper than the number of such fragments alive, plus one for
// the flat fragment at the bottom.  Walks do not nest.
struct Place { const Fragment* f; size_t piece; size_t at; };
extern Place* walk_stack;
extern size_t walk_capacity;
extern size_t fragments_with_pieces;
// Counts one more fragment with pieces, growing the walk stack for it.
void Count_Fragment_With_Pieces();

// `piece` becomes a piece of `f`, at the end of its text; `f` owns it.
inline void Append_Piece(Fragment* f, Fragment* piece) {
    Shrink(piece);
    if (f->piece_count == 0) Count_Fragment_With_Pieces();
    if (f->piece_count == f->piece_capacity) {
        uint32_t capacity = f->piece_capacity ? f->piece_capacity * 2 : 4;
        Piece* pieces;
        if (f->pieces == Inline_Pieces(f)) {
            pieces = static_cast<Piece*>(malloc(capacity * sizeof(Piece)));
            if (pieces) memcpy(pieces, f->pieces, f->piece_count * sizeof(Piece));
        } else {
            pieces = static_cast<Piece*>(realloc(f->pieces, capacity * sizeof(Piece)));
        }
        if (!pieces) Out_Of_Memory();
        f->pieces = pieces;
        f->piece_capacity = capacity;
    }
    f->pieces[f->piece_count++] = Piece{f->length, piece};
    f->total += piece->total;
}

// Calls emit(text, length) for every run of the whole text, in order, until
// emit returns false.  Pieces nest as deep as the source does, so the walk
// keeps its place in the walk stack; emit must not start another walk.
template <class Emit>
bool For_Each_Run(const Fragment* root, Emit emit) {
    if (root->piece_count == 0) return root->length == 0 || emit(root->text, root->length);
    Place* top = walk_stack;
    *top = {root, 0, 0};
    for (;;) {
        const Fragment* f = top->f;
        if (top->piece < f->piece_count) {
            const Piece& piece = f->pieces[top->piece++];
            if (piece.at > top->at && !emit(f->text + top->at, piece.at - top->at)) return false;
            top->at = piece.at;
            *++top = {piece.fragment, 0, 0};
        } else {
            if (f->length > top->at && !emit(f->text + top->at, f->length - top->at)) return false;
            if (top == walk_stack) return true;
            --top;
        }
    }
}

// Copies the whole text of `source` after the own text of `f`.
inline void Append_Whole(Fragment* f, const Fragment* source) {
    Reserve(f, source->total);
    For_Each_Run(source, [f](const char* text, size_t length) {
        Append_Text(f, text, length);
        return true;
    });
}
