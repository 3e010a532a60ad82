// Fragments and their ownership: the text that every token and every
// grammar symbol carries.
//
// A fragment has exactly one owner at a time: the scanner's token value until
// the parser shifts it, then its slot on the parser's value stack, then the
// action that consumes it, which releases it, passes it up, or hands it to a
// context variable.  An empty fragment is a real fragment holding "".
// Filling formats is in compose.h, the memory behind fragments in blocks.h,
// the one memory error in memory_error.h, the literal readers in
// literals.h.
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

// A new fragment holding a copy of `text`.
Fragment* Make_String(const char* text);
Fragment* Make_String_Len(const char* text, size_t length);

// Ends the life of a fragment and of its pieces; null and constants are
// left alone.
void Release(Fragment* fragment);

// The empty text.  Like every constant fragment it is shared: releasing it
// does nothing, and whatever would grow it in place copies it first.
Fragment* Empty();
// The shared fragment of a text that is always the same for `key` (a
// reserved word or a delimiter, keyed by its token code, 0 to 511); made at
// its first use.  Texts of 16 bytes or more get a fragment of their own.
Fragment* Constant(int key, const char* text, size_t length);
// A new fragment with the same text; a constant is returned itself.
Fragment* Copy(const Fragment* fragment);
// Replaces the fragment held by a context variable, releasing the old one.
void Set(Fragment*& variable, Fragment* value);

size_t Length(const Fragment* fragment);
// The whole text, NUL-terminated; a fragment made of pieces is joined first.
// The text belongs to the fragment: it stays valid until the fragment is
// released, consumed or grown, so read it before handing the fragment on
// (and never in the same call that consumes it).
const char* Text(Fragment* fragment);
bool Contains(const Fragment* fragment, char c);
// Calls emit(text, length, context) for every run of memory that the text
// lies in, in order, until emit returns false; returns false then.  A text
// that some fragment was made of (Make_String) stays in one run in every
// fragment that takes it.
bool Each_Run(const Fragment* fragment, bool (*emit)(const char* text, size_t length, void* context),
              void* context);
// Writes the text; returns false when the stream fails.
bool Write(const Fragment* fragment, FILE* out);

// Fragments alive now, for the tests and the checks that nothing leaks.
long Live_Fragments();
// Hands the memory kept for recycling fragments back to the C heap; does
// nothing while any fragment is alive.
void Release_Fragment_Memory();
