// Fragments and their ownership: making, joining, reading, writing and
// releasing the text of tokens and grammar symbols (see fragment.h and
// fragment_layout.h).
#include "fragment.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fragment_layout.h"

long live_fragments = 0;

Piece_Place* piece_walk = nullptr;

namespace {

// The stack that releases pieces, reserved with piece_walk; both hold
// `piece_walk_room` places.
Piece_Place* piece_release = nullptr;
size_t piece_walk_room = 0;

// Room in both stacks for walks over pieces nested `depth` levels.
void Reserve_Piece_Walks(size_t depth) {
    if (depth < piece_walk_room) return;
    size_t room = piece_walk_room * 2 > depth + 1 ? piece_walk_room * 2 : depth + 1;
    if (room < 64) room = 64;
    Piece_Place** stacks[] = {&piece_walk, &piece_release};
    for (Piece_Place** stack : stacks) {
        Piece_Place* grown = static_cast<Piece_Place*>(realloc(*stack, room * sizeof(Piece_Place)));
        if (!grown) Out_Of_Memory();
        *stack = grown;
    }
    piece_walk_room = room;
}

// Releases a fragment that has no pieces and is not composed.
inline void Release_One(Fragment* f) {
    if (f->text != Inline_Text(f)) free(f->text);
    if (f->pieces && f->pieces != Inline_Pieces(f)) free(f->pieces);
    Give_Block(f, f->block_class);
    --live_fragments;
}

inline void Release_Node(Fragment* f) {
    Give_Block(f, f->block_class);
    --live_fragments;
}

__attribute__((noinline)) void Release_With_Pieces(Fragment* root) {
    Piece_Place* stack = piece_release;
    int top = 0;
    stack[0] = {root, 0, 0};
    while (top >= 0) {
        Piece_Place& place = stack[top];
        Fragment* f = const_cast<Fragment*>(place.f);
        if (place.piece < f->piece_count) {
            Fragment* piece = f->pieces[place.piece++].fragment;
            if (piece->piece_count)
                stack[++top] = {piece, 0, 0};
            else
                Release_One(piece);
        } else {
            Release_One(f);
            --top;
        }
    }
}

__attribute__((noinline)) void Release_Composed(Fragment* root) {
    struct Place { Fragment* f; size_t next; };
    Place stack[kMaxComposed + 1];
    int top = 0;
    stack[0] = {root, 0};
    while (top >= 0) {
        Place& place = stack[top];
        Fragment* f = place.f;
        if (place.next < f->plan->directives) {
            Fragment* argument = Arguments(f)[place.next++];
            if (argument->composed)
                stack[++top] = {argument, 0};
            else if (!Is_Constant(argument))
                Release_Flat(argument);
        } else {
            Release_Node(f);
            --top;
        }
    }
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

// The smallest power of two not below n.
size_t Power_Of_Two_Above(size_t n) {
    size_t p = 1;
    while (p < n) p *= 2;
    return p;
}

}  // namespace

// Pieces on the C heap have room for max(4, the power of two not below
// their count): the room is known from the count alone, and full when the
// count is a power of two from 4 on.
void Append_Piece(Fragment* f, Fragment* piece) {
    Shrink(piece);
    uint32_t count = f->piece_count;
    if (!f->pieces || f->pieces == Inline_Pieces(f)) {
        if (count < f->inline_pieces) {
            f->pieces = Inline_Pieces(f);
        } else {
            size_t room = Power_Of_Two_Above(count + 1 < 4 ? 4 : count + 1);
            Piece* pieces = static_cast<Piece*>(malloc(room * sizeof(Piece)));
            if (!pieces) Out_Of_Memory();
            if (count) memcpy(pieces, f->pieces, count * sizeof(Piece));
            f->pieces = pieces;
        }
    } else if (count >= 4 && (count & (count - 1)) == 0) {
        Piece* pieces = static_cast<Piece*>(realloc(f->pieces, 2 * size_t{count} * sizeof(Piece)));
        if (!pieces) Out_Of_Memory();
        f->pieces = pieces;
    }
    if (piece->piece_depth + 1 > f->piece_depth) {
        f->piece_depth = piece->piece_depth + 1;
        Reserve_Piece_Walks(f->piece_depth);
    }
    f->pieces[f->piece_count++] = Piece{f->length, piece};
    f->total += piece->total;
}

char* Write_And_Release(char* out, Fragment* root) {
    if (!root->composed) {
        Put(out, root->text, root->length);
        out += root->length;
        if (!Is_Constant(root)) Release_Flat(root);
        return out;
    }
    // Each composed fragment's runs and arguments in turn; a composed
    // argument is entered, its owner kept on the stack with the next index.
    struct Place { Fragment* f; size_t next; };
    Place stack[kMaxComposed];
    int top = 0;
    Fragment* f = root;
    size_t i = 0;
    for (;;) {
        const Format_Plan* plan = f->plan;
        const char* format = plan->format;
        size_t count = plan->directives;
        Fragment** arguments = Arguments(f);
        for (; i < count; ++i) {
            const Format_Plan::Run run = plan->runs[i];
            Put(out, format + run.at, run.length);
            out += run.length;
            Fragment* argument = arguments[i];
            if (argument->composed) break;
            Put(out, argument->text, argument->length);
            out += argument->length;
            if (!Is_Constant(argument)) Release_Flat(argument);
        }
        if (i < count) {
            stack[top++] = {f, i + 1};
            f = arguments[i];
            i = 0;
            continue;
        }
        const Format_Plan::Run run = plan->runs[count];
        Put(out, format + run.at, run.length);
        out += run.length;
        Release_Node(f);
        if (top == 0) return out;
        --top;
        f = stack[top].f;
        i = stack[top].next;
    }
}

Fragment* Make_String_Len(const char* text, size_t length) { return New_Flat(text, length); }

Fragment* Make_String(const char* text) { return Make_String_Len(text, strlen(text)); }

void Release(Fragment* fragment) {
    if (!fragment || Is_Constant(fragment)) return;
    if (fragment->composed)
        Release_Composed(fragment);
    else if (fragment->piece_count == 0)
        Release_One(fragment);
    else
        Release_With_Pieces(fragment);
}

Fragment* Copy(const Fragment* fragment) {
    if (Is_Constant(fragment)) return const_cast<Fragment*>(fragment);
    if (fragment->composed) {
        // Small: the copy is one flat text, as if it had been written when
        // composed.
        char text[kLargeText + 1];
        return Make_String_Len(text, Join_Composed(fragment, text));
    }
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
    if (!f->composed && f->piece_count == 0) return f->text;
    char* text = static_cast<char*>(malloc(f->total + 1));
    if (!text) Out_Of_Memory();
    size_t at = 0;
    if (f->composed) {
        // Written once; the arguments go, the fragment becomes flat.
        const Format_Plan* plan = f->plan;
        char* out = text;
        for (size_t i = 0;; ++i) {
            const Format_Plan::Run& run = plan->runs[i];
            Put(out, plan->format + run.at, run.length);
            out += run.length;
            if (i == plan->directives) break;
            out = Write_And_Release(out, Arguments(f)[i]);
        }
        at = static_cast<size_t>(out - text);
        f->composed = 0;
        f->inline_pieces = 0;
    } else {
        For_Each_Run(f, [&](const char* run, size_t length) {
            memcpy(text + at, run, length);
            at += length;
            return true;
        });
        for (size_t i = 0; i < f->piece_count; ++i) Release(f->pieces[i].fragment);
        if (f->pieces != Inline_Pieces(f)) free(f->pieces);
        if (f->text != Inline_Text(f)) free(f->text);
        f->piece_depth = 0;
    }
    text[at] = '\0';
    f->text = text;
    f->length = f->total = at;
    f->capacity = at + 1;
    f->pieces = nullptr;
    f->piece_count = 0;
    return f->text;
}

bool Contains(const Fragment* fragment, char c) {
    return !For_Each_Run(fragment, [c](const char* text, size_t length) {
        return memchr(text, c, length) == nullptr;
    });
}

bool Each_Run(const Fragment* fragment, bool (*emit)(const char* text, size_t length, void* context),
              void* context) {
    return For_Each_Run(fragment, [emit, context](const char* text, size_t length) {
        return emit(text, length, context);
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
    free(piece_walk);
    free(piece_release);
    piece_walk = piece_release = nullptr;
    piece_walk_room = 0;
}

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
