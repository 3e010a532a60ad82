// Fragments and their ownership: making, joining, reading, writing and
// releasing the text of tokens and grammar symbols (see fragment.h).
#include "fragment.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fragment_layout.h"
#include "literals.h"

long live_fragments = 0;

[[noreturn]] void Out_Of_Memory() {
    fputs("MEMORY ERROR!!!!!\n", stdout);
    fflush(stdout);
    exit(1);
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
    if (f->pieces && f->pieces != Inline_Pieces(f)) free(f->pieces);
    Give_Block(f, f->block_class);
    --live_fragments;
}

// Pieces nest as deep as the source does: no recursion.
__attribute__((noinline)) void Release_With_Pieces(Fragment* fragment) {
    static std::vector<Fragment*> pending;
    pending.push_back(fragment);
    while (!pending.empty()) {
        Fragment* f = pending.back();
        pending.pop_back();
        for (size_t i = 0; i < f->piece_count; ++i) pending.push_back(f->pieces[i].fragment);
        Release_One(f);
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
    if (live_fragments == 0) Release_Blocks();
}
