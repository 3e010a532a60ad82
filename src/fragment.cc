// Fragments and their ownership: making, joining, reading, writing and
// releasing the text of tokens and grammar symbols (see fragment.h).
#include "fragment.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fragment_layout.h"
#include "literals.h"

long live_fragments = 0;

void Memory_Error(const char* message) {
    fputs(message, stdout);
    fflush(stdout);
    exit(1);
}

void Out_Of_Memory() { Memory_Error("MEMORY ERROR!!!!!\n"); }

void* Allocate(size_t bytes) {
    void* block = malloc(bytes);
    if (!block) Out_Of_Memory();
    return block;
}

Place* walk_stack = nullptr;
size_t walk_capacity = 0;
size_t fragments_with_pieces = 0;

void Count_Fragment_With_Pieces() {
    if (++fragments_with_pieces < walk_capacity) return;
    size_t capacity = walk_capacity ? walk_capacity * 2 : 64;
    Place* grown = static_cast<Place*>(realloc(walk_stack, capacity * sizeof *walk_stack));
    if (!grown) Out_Of_Memory();
    walk_stack = grown;
    walk_capacity = capacity;
}

Fragment* Make_String_Len(const char* text, size_t length) {
    Fragment* f = New_Fragment(length + 1);
    Put(f->text, text, length);
    f->text[length] = '\0';
    f->length = f->total = length;
    // The copy is made before the buffer may be replaced, so `text` may be
    // the scratch buffer itself.
    if (length + 1 > static_cast<size_t>(size_of_temp_string) - 400) Grow_Scratch_Buffer();
    return f;
}

Fragment* Make_String(const char* text) { return Make_String_Len(text, strlen(text)); }

Fragment* Combine(Fragment* first, Fragment* second) {
    size_t n = (first ? first->total + 1 : 0) + (second ? second->total + 1 : 0);
    if (first && second && Is_Constant(first)) {
        // A constant is never grown: the empty one is left out, another copied.
        first = first->length == 0 ? nullptr : Make_String_Len(first->text, first->length);
    }
    Fragment* result = first ? first : second;
    if (first && second) {
        if (Is_Large(second)) {
            Append_Piece(first, second);
        } else {
            Append_Whole(first, second);
            Release(second);
        }
    }
    if (n > static_cast<size_t>(size_of_temp_string) / 2) Grow_Scratch_Buffer();
    return result;
}

namespace {

inline void Release_One(Fragment* f) {
    if (f->text != Inline_Text(f)) free(f->text);
    if (f->piece_count) --fragments_with_pieces;
    if (f->pieces && f->pieces != Inline_Pieces(f)) free(f->pieces);
    Give_Block(f, f->block_class);
    --live_fragments;
}

// Pieces nest as deep as the source does: no recursion, and no allocation
// either; the walk stack holds the fragments whose pieces are being
// released, and each goes once its pieces have gone.
__attribute__((noinline)) void Release_With_Pieces(Fragment* fragment) {
    Place* top = walk_stack;
    *top = {fragment, 0, 0};
    for (;;) {
        Fragment* f = const_cast<Fragment*>(top->f);
        if (top->piece < f->piece_count) {
            Fragment* piece = f->pieces[top->piece++].fragment;
            if (piece->piece_count == 0)
                Release_One(piece);
            else
                *++top = {piece, 0, 0};
        } else {
            Release_One(f);
            if (top == walk_stack) return;
            --top;
        }
    }
}

}  // namespace

void Release(Fragment* fragment) {
    if (!fragment || Is_Constant(fragment)) return;
    if (fragment->piece_count == 0)
        Release_One(fragment);
    else
        Release_With_Pieces(fragment);
}

Fragment* Copy(const Fragment* fragment) {
    if (Is_Constant(fragment)) return const_cast<Fragment*>(fragment);
    if (fragment->piece_count == 0) return Make_String_Len(fragment->text, fragment->length);
    Fragment* f = New_Fragment(1);
    Append_Whole(f, fragment);
    return f;
}

void Set(Fragment*& variable, Fragment* value) {
    Release(variable);
    variable = value;
}

size_t Length(const Fragment* fragment) { return fragment->total; }

const char* Text(Fragment* f) {
    if (f->piece_count == 0) return f->text;
    char* text = static_cast<char*>(malloc(f->total + 1));
    if (!text) Out_Of_Memory();
    size_t at = 0;
    For_Each_Run(f, [&](const char* run, size_t length) {
        memcpy(text + at, run, length);
        at += length;
        return true;
    });
    text[at] = '\0';
    for (size_t i = 0; i < f->piece_count; ++i) Release(f->pieces[i].fragment);
    --fragments_with_pieces;
    if (f->pieces != Inline_Pieces(f)) free(f->pieces);
    if (f->text != Inline_Text(f)) free(f->text);
    f->text = text;
    f->length = f->total = at;
    f->capacity = at + 1;
    f->pieces = nullptr;
    f->piece_count = f->piece_capacity = 0;
    return f->text;
}

bool Contains(const Fragment* fragment, char c) {
    return !For_Each_Run(fragment, [c](const char* text, size_t length) {
        return memchr(text, c, length) == nullptr;
    });
}

bool Write(const Fragment* fragment, FILE* out) {
    return For_Each_Run(fragment, [out](const char* text, size_t length) {
        return fwrite(text, 1, length, out) == length;
    });
}

long Live_Fragments() { return live_fragments; }

void Release_Fragment_Memory() {
    if (live_fragments != 0) return;
    Release_Blocks();
    free(walk_stack);
    walk_stack = nullptr;
    walk_capacity = 0;
}
