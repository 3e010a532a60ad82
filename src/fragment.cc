#include "fragment.h"

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>

char* temp_string = nullptr;
int size_of_temp_string = 0;
int DEBUG = 0;

// A fragment is its own text plus, for large results, pieces: other
// fragments that stand inside the text at a byte position.  A fragment
// without pieces is flat; its whole text is `text`.
struct Piece {
    size_t at;           // position in the owner's own text
    Fragment* fragment;  // owned by the fragment that holds the piece
};

// A block holds the header, then room for `inline_pieces` pieces, then the
// inline text.  Pieces or text that outgrow the block move to the C heap.
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

namespace {

// A fragment longer than this is kept as a piece instead of being copied.
const size_t kLargeText = 256;

long live_fragments = 0;

// Fragments are made and released once per token and per reduction, so
// small blocks are recycled through free lists by size class instead of
// going back to the C heap.  Sanitizer builds use the C heap directly, so
// that every use after release is still caught.
#if defined(__SANITIZE_ADDRESS__)
#define VHDL87C_PLAIN_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VHDL87C_PLAIN_HEAP 1
#endif
#endif

// A block of the C heap, not recycled; and a constant, never released.
const int32_t kHeapBlock = -1;
const int32_t kConstant = -2;

#ifndef VHDL87C_PLAIN_HEAP
const size_t kBlockSizes[] = {64, 96, 128, 192, 256, 384, 512};
const size_t kChunkBytes = 1 << 18;

struct Free_Block { Free_Block* next; };
Free_Block* free_blocks[7] = {};
// Blocks never used yet are cut from the end of the newest chunk of their
// class, one at a time: memory is touched only as it is needed.
char* unused_from[7] = {};
char* unused_end[7] = {};
// Every chunk, so that they can be handed back (a plain array: a standard
// container would throw where the run must end with the memory error).
void** chunks = nullptr;
size_t chunk_count = 0;
size_t chunk_capacity = 0;

// The smallest class that holds `bytes`, by steps of 32 bytes.
const int8_t kClassOf[16] = {0, 0, 1, 2, 3, 3, 4, 4, 5, 5, 5, 5, 6, 6, 6, 6};

// A block of class `c` from a new chunk; null when there is no memory.
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

// Rounds `bytes` up to the block size it gets and tells its class.
inline void* Take_Block(size_t& bytes, int32_t& block_class) {
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

inline void Give_Block(void* block, int32_t c) {
    if (c == kHeapBlock) {
        free(block);
        return;
    }
    Free_Block* free_block = static_cast<Free_Block*>(block);
    free_block->next = free_blocks[c];
    free_blocks[c] = free_block;
}
// Hands the chunks back once no fragment is left.
void Release_Blocks() {
    if (live_fragments != 0) return;
    for (size_t i = 0; i < chunk_count; ++i) free(chunks[i]);
    free(chunks);
    chunks = nullptr;
    chunk_count = chunk_capacity = 0;
    for (Free_Block*& list : free_blocks) list = nullptr;
    for (int c = 0; c < 7; ++c) unused_from[c] = unused_end[c] = nullptr;
}
#else
inline void* Take_Block(size_t& bytes, int32_t& block_class) {
    block_class = kHeapBlock;
    return malloc(bytes);
}
inline void Give_Block(void* block, int32_t) { free(block); }
void Release_Blocks() {}
#endif

// Every failed allocation ends the run here, with its message on standard
// output and status 1.
[[noreturn]] void Memory_Error(const char* message) {
    fputs(message, stdout);
    fflush(stdout);
    exit(1);
}

[[noreturn]] void No_Scratch_Buffer() { Memory_Error("\n\nERROR: Cannot allocate memory for 'temp_string'..."); }

}  // namespace

void Out_Of_Memory() { Memory_Error("MEMORY ERROR!!!!!\n"); }

void* Allocate(size_t bytes) {
    void* block = malloc(bytes);
    if (!block) Out_Of_Memory();
    return block;
}

namespace {

Piece* Inline_Pieces(Fragment* f) { return reinterpret_cast<Piece*>(f + 1); }
char* Inline_Text(Fragment* f) { return reinterpret_cast<char*>(Inline_Pieces(f) + f->inline_pieces); }

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

bool Is_Constant(const Fragment* f) { return f->block_class == kConstant; }

// Constants live in static storage: the empty text, and one slot per key
// for short texts.
struct Constant_Slot {
    Fragment fragment;
    char text[16];
};
Constant_Slot constants[512];
char empty_text[1];
Fragment empty_fragment = {empty_text, 0, 1, 0, nullptr, 0, 0, 0, kConstant};

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

bool Is_Large(const Fragment* f) { return f->piece_count > 0 || f->total > kLargeText; }

void Reserve(Fragment* f, size_t extra) {
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

void Append_Text(Fragment* f, const char* text, size_t length) {
    if (length == 0) return;
    Reserve(f, length);
    Put(f->text + f->length, text, length);
    f->length += length;
    f->text[f->length] = '\0';
    f->total += length;
}

// A fragment that becomes a piece never grows again: the spare room of a
// text on the C heap is handed back.
void Shrink(Fragment* f) {
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

void Append_Piece(Fragment* f, Fragment* piece) {
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

void Append_Whole(Fragment* f, const Fragment* source) {
    Reserve(f, source->total);
    For_Each_Run(source, [f](const char* text, size_t length) {
        Append_Text(f, text, length);
        return true;
    });
}

void Grow_Scratch_Buffer() {
    int size = Grown_Scratch_Size(size_of_temp_string);
    if (size == size_of_temp_string) return;  // cannot double: the buffer stays as it is
    free(temp_string);
    temp_string = nullptr;
    size_of_temp_string = size;
    temp_string = static_cast<char*>(calloc(size_of_temp_string, 1));
    if (!temp_string) No_Scratch_Buffer();
}

int Digit_Value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

int Base_Of(char letter) {
    switch (letter) {
    case 'b': case 'B': return 2;
    case 'o': case 'O': return 8;
    case 'x': case 'X': return 16;
    default: return 10;
    }
}

}  // namespace

int Grown_Scratch_Size(int size) { return size <= INT_MAX / 2 ? size * 2 : size; }

void Make_Scratch_Buffer() {
    size_of_temp_string = 800;
    temp_string = static_cast<char*>(calloc(size_of_temp_string, 1));
    if (!temp_string) No_Scratch_Buffer();
}

void Release_Scratch_Buffer() {
    free(temp_string);
    temp_string = nullptr;
}

void Release_Fragment_Memory() {
    if (live_fragments != 0) return;
    Release_Blocks();
    free(walk_stack);
    walk_stack = nullptr;
    walk_capacity = 0;
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

Fragment* Convert_String_To_Int(const char* text) {
    if (text[0] == '"' || text[0] == '%') return Make_String(text);
    uint32_t base = Base_Of(text[0]);
    // The digits' sum of digit x base^place, taken modulo 2^32 in unsigned
    // arithmetic (the wrapped 32-bit value), is the same read from the left:
    // no list of digits is needed.
    uint32_t value = 0;
    for (const char* c = text[0] && text[1] ? text + 2 : text + strlen(text); *c; ++c) {
        if (*c == '"' || *c == '%' || *c == '_') continue;
        if (DEBUG && *c >= 'a' && *c <= 'f') printf("%d = %c! (%c)\n", *c, *c, *c - 39);
        value = value * base + static_cast<uint32_t>(Digit_Value(*c));
    }
    snprintf(temp_string, size_of_temp_string, "%d", static_cast<int32_t>(value));
    return Make_String(temp_string);
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

int Leading_Int(const Fragment* fragment) {
    enum { Blanks, Sign, Digits, Done } state = Blanks;
    bool negative = false;
    int64_t value = 0;
    For_Each_Run(fragment, [&](const char* text, size_t length) {
        for (size_t i = 0; i < length && state != Done; ++i) {
            char c = text[i];
            bool digit = c >= '0' && c <= '9';
            if (state == Blanks && (c == ' ' || (c >= '\t' && c <= '\r'))) continue;
            if (state == Blanks && (c == '+' || c == '-')) {
                negative = c == '-';
                state = Sign;
            } else if (digit) {
                state = Digits;
                if (value <= INT32_MAX) value = value * 10 + (c - '0');
            } else {
                state = Done;
            }
        }
        return state != Done;
    });
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int>(value);
}

bool Write(const Fragment* fragment, FILE* out) {
    return For_Each_Run(fragment, [out](const char* text, size_t length) {
        return fwrite(text, 1, length, out) == length;
    });
}

namespace {

const int kMaxDirectives = 12;

// A format's literal runs and directives, worked out once: formats are the
// grammar's string constants, so a small table keyed by their address
// serves every call after the first.
struct Format_Plan {
    const char* format;
    size_t literal_length;  // bytes outside the directives
    int directives;
    struct Run { uint16_t at, length; } runs[kMaxDirectives + 1];  // literal text around them
    char kinds[kMaxDirectives];                                    // 's' or 'd'
};

const size_t kPlanSlots = 1024;
Format_Plan plans[kPlanSlots];
size_t plans_made = 0;

void Make_Plan(Format_Plan& plan, const char* format) {
    plan.format = format;
    plan.literal_length = 0;
    plan.directives = 0;
    const char* run = format;
    for (const char* c = format;; ++c) {
        bool directive = c[0] == '%' && (c[1] == 's' || c[1] == 'd');
        if (!directive && *c) continue;
        if (plan.directives > kMaxDirectives) abort();  // a format too long for a plan
        plan.runs[plan.directives] = {static_cast<uint16_t>(run - format), static_cast<uint16_t>(c - run)};
        plan.literal_length += c - run;
        if (!*c) break;
        if (plan.directives == kMaxDirectives) abort();
        plan.kinds[plan.directives++] = c[1];
        run = ++c + 1;
    }
}

const Format_Plan& Plan_Of(const char* format) {
    size_t slot = (reinterpret_cast<uintptr_t>(format) >> 3) % kPlanSlots;
    for (;; slot = (slot + 1) % kPlanSlots) {
        Format_Plan& plan = plans[slot];
        if (plan.format == format) return plan;
        if (!plan.format) {
            if (++plans_made > kPlanSlots / 2) abort();  // formats are constants: a few hundred
            Make_Plan(plan, format);
            return plan;
        }
    }
}

void Put_Whole(char*& out, const Fragment* f) {
    if (f->piece_count == 0) {
        Put(out, f->text, f->length);
        out += f->length;
        return;
    }
    For_Each_Run(f, [&out](const char* text, size_t n) {
        Put(out, text, n);
        out += n;
        return true;
    });
}

}  // namespace

Fragment* Compose_Args(const char* format, const Compose_Arg* args, size_t count) {
    const Format_Plan& plan = Plan_Of(format);
    if (static_cast<size_t>(plan.directives) != count) abort();  // a format and its arguments disagree

    // Measure, and decide whether the result is small enough to be one
    // block of text or keeps its large arguments as pieces.
    size_t length = plan.literal_length;
    size_t lengths[kMaxDirectives];
    char numbers[kMaxDirectives][12];
    uint32_t large = 0;         // owned large fragments, kept as pieces
    size_t large_length = 0;    // and their text
    for (size_t i = 0; i < count; ++i) {
        const Compose_Arg& arg = args[i];
        if ((plan.kinds[i] == 'd') != (arg.kind == Compose_Arg::Int)) abort();  // "%d" takes an int, "%s" text
        switch (arg.kind) {
        case Compose_Arg::Owned:
            if (Is_Large(arg.fragment)) {
                ++large;
                large_length += arg.fragment->total;
            }
            [[fallthrough]];
        case Compose_Arg::Borrow: lengths[i] = arg.fragment->total; break;
        case Compose_Arg::Chars: lengths[i] = strlen(arg.chars); break;
        case Compose_Arg::Int:
            lengths[i] = static_cast<size_t>(snprintf(numbers[i], sizeof numbers[i], "%d", arg.number));
            break;
        }
        length += lengths[i];
    }

    if (!large) {
        // One pass straight into the new fragment; or, when the format
        // starts with a fragment of ours whose block has room for the rest,
        // straight after its text.
        Fragment* result;
        char* out;
        size_t i = 0;
        Fragment* first = count > 0 && args[0].kind == Compose_Arg::Owned ? const_cast<Fragment*>(args[0].fragment) : nullptr;
        if (first && plan.runs[0].length == 0 && !Is_Constant(first) && first->piece_count == 0 &&
            length < first->capacity) {
            result = first;
            out = first->text + first->length;
            i = 1;
        } else {
            result = New_Fragment(length + 1);
            out = result->text;
        }
        for (;; ++i) {
            const Format_Plan::Run& run = plan.runs[i];
            Put(out, format + run.at, run.length);
            out += run.length;
            if (i == count) break;
            const Compose_Arg& arg = args[i];
            switch (arg.kind) {
            case Compose_Arg::Owned: Put_Whole(out, arg.fragment); Release(const_cast<Fragment*>(arg.fragment)); break;
            case Compose_Arg::Borrow: Put_Whole(out, arg.fragment); break;
            case Compose_Arg::Chars: Put(out, arg.chars, lengths[i]); out += lengths[i]; break;
            case Compose_Arg::Int: Put(out, numbers[i], lengths[i]); out += lengths[i]; break;
            }
        }
        *out = '\0';
        result->length = result->total = static_cast<size_t>(out - result->text);
        return result;
    }

    // A format that starts with a large fragment grows it in place; other
    // large fragments become pieces.
    Fragment* result;
    size_t first = 0;
    if (plan.runs[0].length == 0 && count > 0 && args[0].kind == Compose_Arg::Owned &&
        Is_Large(args[0].fragment)) {
        result = const_cast<Fragment*>(args[0].fragment);
        first = 1;
    } else {
        // Room for the text around the large fragments, and for them.
        result = New_Fragment(length - large_length + 1, large);
    }
    for (size_t i = first;; ++i) {
        const Format_Plan::Run& run = plan.runs[i];
        Append_Text(result, format + run.at, run.length);
        if (i == count) break;
        const Compose_Arg& arg = args[i];
        Fragment* owned = const_cast<Fragment*>(arg.fragment);
        switch (arg.kind) {
        case Compose_Arg::Owned:
            if (Is_Large(owned)) {
                Append_Piece(result, owned);
            } else {
                Append_Whole(result, owned);
                Release(owned);
            }
            break;
        case Compose_Arg::Borrow: Append_Whole(result, arg.fragment); break;
        case Compose_Arg::Chars: Append_Text(result, arg.chars, lengths[i]); break;
        case Compose_Arg::Int: Append_Text(result, numbers[i], lengths[i]); break;
        }
    }
    return result;
}

long Live_Fragments() { return live_fragments; }
