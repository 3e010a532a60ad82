// How a fragment lies in memory, and the steps that build, walk and release
// one: for the files that make fragments (fragment.cc, compose.cc,
// blocks.cc, literals.cc), never for the grammar, which sees only
// fragment.h.
//
// A fragment is one of three kinds:
// - flat: its whole text is `text`;
// - with pieces: its own text plus pieces, other fragments that stand
//   inside the text at a byte position; only large results have pieces,
//   and every piece is large;
// - composed: a small result not written yet, kept as its format's plan
//   and its arguments (fragments it owns, flat or composed, none large),
//   which follow the header in its block.  Its text is written once, when
//   a larger result, a reader or the printing of the translation needs it.
// A flat or pieced fragment's block holds the header, then room for
// `inline_pieces` pieces, then the inline text; pieces or text that
// outgrow the block move to the C heap.
//
// Walks never recurse.  A composed fragment nests at most kMaxComposed
// levels of composed arguments (deeper ones are written flat), so its walks
// use a stack of fixed size.  Pieces nest as deep as the source does: the
// stacks that walk them are reserved when a piece is added (Append_Piece),
// so that writing, reading and releasing allocate nothing.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "blocks.h"
#include "format_plan.h"
#include "fragment.h"
#include "memory_error.h"

struct Piece {
    size_t at;           // position in the owner's own text
    Fragment* fragment;  // owned by the fragment that holds the piece
};

struct Fragment {
    union {
        char* text;                // flat, pieced, constant: own text, NUL-terminated
        const Format_Plan* plan;   // composed: the format its arguments fill
    };
    size_t length;           // bytes of own text (0 when composed)
    size_t capacity;         // bytes available at `text`, the NUL included
    size_t total;            // length of the whole text, pieces or arguments included
    Piece* pieces;           // null, the room in the block, or the C heap
    uint32_t piece_count;
    uint32_t piece_depth;     // levels of pieces below
    uint32_t composed;        // 0, or, kept as plan and arguments: levels of them, itself included
    int16_t block_class;      // recycled size class, or kHeapBlock, or kConstant
    uint8_t inline_pieces;    // room for pieces in the block
};

// The block class of a constant fragment (the empty text, reserved words,
// delimiters): static storage of fragment.cc, never given back.
const int32_t kConstant = -2;

// A fragment longer than this is kept as a piece instead of being copied;
// no composed fragment is longer.
const size_t kLargeText = 256;
// A result of flat arguments this short is written at once instead of
// being kept composed.
const size_t kFlatText = 32;
// Most levels of composed arguments under a composed fragment.
const uint32_t kMaxComposed = 16;

// Fragments alive now (constants not counted).
extern long live_fragments;

inline Piece* Inline_Pieces(Fragment* f) { return reinterpret_cast<Piece*>(f + 1); }
inline char* Inline_Text(Fragment* f) { return reinterpret_cast<char*>(Inline_Pieces(f) + f->inline_pieces); }
inline Fragment** Arguments(const Fragment* f) {
    return reinterpret_cast<Fragment**>(const_cast<Fragment*>(f) + 1);
}

// A fragment with room for `capacity` bytes of text (the NUL included) and
// for `pieces` pieces in its block.
inline __attribute__((always_inline)) Fragment* New_Fragment(size_t capacity, uint32_t pieces = 0) {
    size_t room = sizeof(Fragment) + pieces * sizeof(Piece);
    size_t bytes = room + capacity;
    int32_t block_class;
    Fragment* f = static_cast<Fragment*>(Take_Block(bytes, block_class));
    if (!f) Out_Of_Memory();
    f->block_class = static_cast<int16_t>(block_class);
    f->inline_pieces = static_cast<uint8_t>(pieces);
    f->composed = 0;
    f->piece_depth = 0;
    f->text = Inline_Text(f);
    f->text[0] = '\0';
    f->length = 0;
    f->capacity = bytes - room;
    f->total = 0;
    f->pieces = pieces ? Inline_Pieces(f) : nullptr;
    f->piece_count = 0;
    ++live_fragments;
    return f;
}

inline bool Is_Constant(const Fragment* f) { return f->block_class == kConstant; }

// Only a large fragment has pieces, so its length alone tells.
inline bool Is_Large(const Fragment* f) { return f->total > kLargeText; }

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

// A flat fragment holding a copy of `length` bytes of `text`.
inline Fragment* New_Flat(const char* text, size_t length) {
    Fragment* f = New_Fragment(length + 1);
    Put(f->text, text, length);
    f->text[length] = '\0';
    f->length = f->total = length;
    return f;
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

// Releases a flat fragment of ours: no pieces, not constant.
inline void Release_Flat(Fragment* f) {
    if (f->text != Inline_Text(f)) free(f->text);
    Give_Block(f, f->block_class);
    --live_fragments;
}

// `piece` becomes a piece of `f`, at the end of its text; `f` owns it.
// Reserves the walking stacks for the pieces' new nesting.
void Append_Piece(Fragment* f, Fragment* piece);

// Calls emit(text, length) for every run of the text of the composed
// fragment `root`, in order, until emit returns false.
template <class Emit>
bool For_Each_Composed_Run(const Fragment* root, Emit emit) {
    struct Place { const Fragment* f; size_t next; };
    Place stack[kMaxComposed + 1];
    int top = 0;
    stack[0] = {root, 0};
    while (top >= 0) {
        Place& place = stack[top];
        const Fragment* f = place.f;
        const Format_Plan* plan = f->plan;
        size_t i = place.next++;
        const Format_Plan::Run& run = plan->runs[i];
        if (run.length && !emit(plan->format + run.at, run.length)) return false;
        if (i == plan->directives) {
            --top;
            continue;
        }
        const Fragment* argument = Arguments(f)[i];
        if (argument->composed)
            stack[++top] = {argument, 0};
        else if (argument->length && !emit(argument->text, argument->length))
            return false;
    }
    return true;
}

// Writes the text of the composed fragment `f` (at most kLargeText bytes)
// into `out`; returns its length.
inline size_t Join_Composed(const Fragment* f, char* out) {
    size_t length = 0;
    For_Each_Composed_Run(f, [&](const char* run, size_t n) {
        memcpy(out + length, run, n);
        length += n;
        return true;
    });
    return length;
}

// The reserved stack of the walks over pieces (fragment.cc).
struct Piece_Place { const Fragment* f; size_t piece; size_t at; };
extern Piece_Place* piece_walk;

// Calls emit(text, length) for every run of the whole text, in order, until
// emit returns false.  Allocates nothing.
template <class Emit>
bool For_Each_Run(const Fragment* root, Emit emit) {
    if (root->composed) return For_Each_Composed_Run(root, emit);
    if (root->piece_count == 0) return root->length == 0 || emit(root->text, root->length);
    Piece_Place* stack = piece_walk;
    int top = 0;
    stack[0] = {root, 0, 0};
    while (top >= 0) {
        Piece_Place& place = stack[top];
        const Fragment* f = place.f;
        if (place.piece < f->piece_count) {
            const Piece& piece = f->pieces[place.piece++];
            if (piece.at > place.at && !emit(f->text + place.at, piece.at - place.at)) return false;
            place.at = piece.at;
            stack[++top] = {piece.fragment, 0, 0};
        } else {
            if (f->length > place.at && !emit(f->text + place.at, f->length - place.at)) return false;
            --top;
        }
    }
    return true;
}

// Copies the whole text of `source` after the own text of `f`.
inline void Append_Whole(Fragment* f, const Fragment* source) {
    Reserve(f, source->total);
    For_Each_Run(source, [f](const char* text, size_t length) {
        Append_Text(f, text, length);
        return true;
    });
}

// Writes the whole text of the small fragment `f` at `out` and releases
// `f`; returns the end of the text written.  No NUL is added.
char* Write_And_Release(char* out, Fragment* f);
