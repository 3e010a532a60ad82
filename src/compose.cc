// Composing: keeping a small result as its plan and arguments, writing a
// large one, and turning borrowed fragments, constant texts and numbers
// into arguments (see compose.h).
#include "compose.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fragment_layout.h"
#include "memory_error.h"

namespace {

// The large borrowed fragments among the arguments of the composition
// being made: they are written into the result, never owned.  Arguments
// are all evaluated before the composition starts, so one list serves.
const Fragment* borrowed_now[kMaxDirectives];
size_t borrowed_count = 0;

bool Is_Borrowed(const Fragment* f) {
    for (size_t i = 0; i < borrowed_count; ++i)
        if (borrowed_now[i] == f) return true;
    return false;
}


// A result too large to be kept composed: its text is written, and its
// large arguments are kept as pieces.  A format that starts with a large
// fragment grows that fragment in place.
__attribute__((noinline)) Fragment* Compose_Large(const Format_Plan* plan, Fragment* const* arguments,
                                                  size_t total) {
    size_t count = plan->directives;
    uint32_t large = 0;       // owned large fragments, kept as pieces
    size_t large_length = 0;  // and their text
    for (size_t i = 0; i < count; ++i) {
        const Fragment* f = arguments[i];
        if (Is_Large(f) && !Is_Borrowed(f)) {
            ++large;
            large_length += f->total;
        }
    }
    Fragment* result;
    size_t i = 0;
    if (plan->runs[0].length == 0 && count > 0 && Is_Large(arguments[0]) && !Is_Borrowed(arguments[0])) {
        result = arguments[0];
        i = 1;
    } else {
        // Room for the text around the large fragments, and for them.
        result = New_Fragment(total - large_length + 1, large);
    }
    for (;; ++i) {
        const Format_Plan::Run& run = plan->runs[i];
        Append_Text(result, plan->format + run.at, run.length);
        if (i == count) break;
        Fragment* f = arguments[i];
        if (Is_Borrowed(f)) {
            Append_Whole(result, f);
        } else if (Is_Large(f)) {
            Append_Piece(result, f);
        } else {
            size_t length = f->total;
            Reserve(result, length);
            Write_And_Release(result->text + result->length, f);
            result->length += length;
            result->total += length;
            result->text[result->length] = '\0';
        }
    }
    borrowed_count = 0;
    return result;
}

// A very short result of flat arguments: written at once, after the text
// of its first argument when the format starts with it and its block has
// room, else into a new fragment.
template <size_t N>
__attribute__((noinline)) Fragment* Compose_Flat(const Format_Plan* plan, Fragment* const (&arguments)[N], size_t total) {
    Fragment* first = arguments[0];
    Fragment* result;
    char* out;
    size_t i = 0;
    if (plan->runs[0].length == 0 && !Is_Constant(first) && total < first->capacity) {
        result = first;
        out = first->text + first->length;
        i = 1;
    } else {
        result = New_Fragment(total + 1);
        out = result->text;
    }
    const char* format = plan->format;
    for (; i < N; ++i) {
        const Format_Plan::Run run = plan->runs[i];
        Put(out, format + run.at, run.length);
        out += run.length;
        Fragment* argument = arguments[i];
        Put(out, argument->text, argument->length);
        out += argument->length;
        if (!Is_Constant(argument)) Release_Flat(argument);
    }
    const Format_Plan::Run run = plan->runs[N];
    Put(out, format + run.at, run.length);
    out += run.length;
    *out = '\0';
    result->length = result->total = total;
    return result;
}

// A small result kept as its plan and arguments.
template <size_t N>
__attribute__((noinline)) Fragment* Compose_Node(const Format_Plan* plan, Fragment* const (&arguments)[N],
                                                 size_t total, uint32_t depth) {
    size_t bytes = sizeof(Fragment) + N * sizeof(Fragment*);
    int32_t block_class;
    Fragment* f = static_cast<Fragment*>(Take_Block(bytes, block_class));
    if (!f) Out_Of_Memory();
    f->plan = plan;
    f->length = 0;
    f->capacity = 0;
    f->total = total;
    f->pieces = nullptr;
    f->piece_count = 0;
    f->piece_depth = 0;
    f->composed = depth + 1;
    f->block_class = static_cast<int16_t>(block_class);
    f->inline_pieces = 0;
    Fragment** slots = Arguments(f);
    for (size_t i = 0; i < N; ++i) slots[i] = arguments[i];
    ++live_fragments;
    return f;
}

}  // namespace

// Measures, then hands over to the way the result is made.
template <size_t N>
Fragment* Compose_Fragments(const Format_Plan* plan, Fragment* const (&arguments)[N]) {
    size_t total = plan->literal_length;
    uint32_t depth = 0;
    for (size_t i = 0; i < N; ++i) {
        const Fragment* f = arguments[i];
        total += f->total;
        if (f->composed > depth) depth = f->composed;
    }
    // Every large borrowed fragment makes the total large.
    if (total > kLargeText || depth >= kMaxComposed) return Compose_Large(plan, arguments, total);
    if (depth == 0 && total <= kFlatText) return Compose_Flat(plan, arguments, total);
    return Compose_Node(plan, arguments, total, depth);
}

template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[1]);
template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[2]);
template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[3]);
template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[4]);
template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[5]);
template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[6]);
template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[7]);
template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[8]);
template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[9]);
template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[10]);
template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[11]);
template Fragment* Compose_Fragments(const Format_Plan*, Fragment* const (&)[12]);

Fragment* Compose_Argument(Borrowed borrowed) {
    const Fragment* f = borrowed.fragment;
    if (Is_Large(f)) {
        borrowed_now[borrowed_count++] = f;
        return const_cast<Fragment*>(f);
    }
    if (Is_Constant(f)) return const_cast<Fragment*>(f);
    if (!f->composed) return New_Flat(f->text, f->length);
    char text[kLargeText + 1];
    return New_Flat(text, Join_Composed(f, text));
}

Fragment* Compose_Argument(const char* chars) { return New_Flat(chars, strlen(chars)); }

// As "%d" writes it.
Fragment* Compose_Argument(int number) {
    char text[12];
    char* end = text + sizeof text;
    char* at = end;
    uint32_t magnitude = number < 0 ? 0u - static_cast<uint32_t>(number) : static_cast<uint32_t>(number);
    do {
        *--at = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (number < 0) *--at = '-';
    return New_Flat(at, static_cast<size_t>(end - at));
}

Fragment* Combine(Fragment* first, Fragment* second) {
    if (first && second && Is_Constant(first)) {
        // A constant is never grown: the empty one is left out, another copied.
        first = first->length == 0 ? nullptr : Make_String_Len(first->text, first->length);
    }
    Fragment* result = first ? first : second;
    if (first && second) result = Compose("%s%s", first, second);
    return result;
}
