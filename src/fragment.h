// Fragments: the text that every token and every grammar symbol carries.
//
// A fragment has exactly one owner at a time: the scanner's token value until
// the parser shifts it, then its slot on the parser's value stack, then the
// action that consumes it, which releases it, passes it up, or hands it to a
// context variable.  An empty fragment is a real fragment holding "".
//
// A small result is written in one pass into a new fragment, or after the
// text of its first argument when that one is owned and its block has room.
// A result that contains a large fragment keeps that fragment as a piece
// instead of copying it, and a composition whose format starts with a large
// fragment grows that fragment in place; so building a list of N items, or
// nesting N constructs, costs O(N) and never copies the text built so far.
#pragma once

#include <cstddef>
#include <cstdio>

struct Fragment;

// The scratch buffer: `size_of_temp_string` bytes, 800 at start, only ever
// doubled, as long as the doubled size is still an int.
extern char* temp_string;
extern int size_of_temp_string;
// The size the scratch buffer grows to from `size`: twice as many bytes, or
// `size` itself when twice would not fit an int (the buffer then stays).
int Grown_Scratch_Size(int size);

// Set by -DEBUG: prints the digits met by Convert_String_To_Int and the
// type-declaration traces.
extern int DEBUG;

void Make_Scratch_Buffer();
void Release_Scratch_Buffer();
// Every failed allocation ends here: "MEMORY ERROR!!!!!" on standard output
// and exit status 1.
[[noreturn]] void Out_Of_Memory();
// malloc(bytes), or Out_Of_Memory.
void* Allocate(size_t bytes);
// Hands the memory kept for recycling fragments back to the C heap; does
// nothing while any fragment is alive.
void Release_Fragment_Memory();

// A new fragment holding a copy of `text`.
Fragment* Make_String(const char* text);
Fragment* Make_String_Len(const char* text, size_t length);
// `first` followed by `second`; either may be null, both are consumed.
Fragment* Combine(Fragment* first, Fragment* second);
// A string literal unchanged, or the decimal value of a bit-string literal.
Fragment* Convert_String_To_Int(const char* text);

void Release(Fragment* fragment);
template <class... F>
void Drop(F*... fragments) { (Release(fragments), ...); }

// The empty text.  Like every constant fragment it is shared: releasing it
// does nothing, and whatever would grow it in place copies it first.
Fragment* Empty();
// The shared fragment of a text that is always the same for `key` (a
// reserved word or a delimiter, keyed by its token code, 0 to 511); made at
// its first use.  Texts of 16 bytes or more get a fragment of their own.
Fragment* Constant(int key, const char* text, size_t length);
Fragment* Copy(const Fragment* fragment);
// Replaces the fragment held by a context variable, releasing the old one.
void Set(Fragment*& variable, Fragment* value);

size_t Length(const Fragment* fragment);
// The whole text, NUL-terminated; a fragment made of pieces is joined first.
const char* Text(Fragment* fragment);
bool Contains(const Fragment* fragment, char c);
// The leading integer of the text as the C library reads it (blanks, sign,
// digits), saturated to the 32-bit range; 0 when there is none.
int Leading_Int(const Fragment* fragment);
// Writes the text; returns false when the stream fails.
bool Write(const Fragment* fragment, FILE* out);

// ---- Composing -----------------------------------------------------------
//
// Compose(format, args...) fills a format holding "%s" and "%d" with its
// arguments, in order.  The format must be a string constant: its layout is
// worked out once and remembered by its address.  A Fragment* argument is consumed; Borrow(f) reads a
// fragment that stays with its owner (a context variable); a const char* is
// constant text; an int fills "%d".

struct Borrowed { const Fragment* fragment; };
inline Borrowed Borrow(const Fragment* fragment) { return {fragment}; }

struct Compose_Arg {
    enum Kind { Owned, Borrow, Chars, Int } kind;
    union {
        const Fragment* fragment;  // Owned, Borrow
        const char* chars;         // Chars
        int number;                // Int
    };
    Compose_Arg(Fragment* f) : kind(Owned), fragment(f) {}
    Compose_Arg(Borrowed b) : kind(Borrow), fragment(b.fragment) {}
    Compose_Arg(const char* c) : kind(Chars), chars(c) {}
    Compose_Arg(int n) : kind(Int), number(n) {}
};

Fragment* Compose_Args(const char* format, const Compose_Arg* args, size_t count);

template <class... A>
Fragment* Compose(const char* format, A... args) {
    const Compose_Arg list[] = {Compose_Arg(args)...};
    return Compose_Args(format, list, sizeof...(args));
}

// Counters for the unit tests: fragments alive now.
long Live_Fragments();
