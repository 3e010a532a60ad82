// Composing: filling a format's "%s" and "%d" with fragments, constant
// texts and numbers, the one way the grammar's actions build their text.
//
// Compose(format, args...) fills the format with its arguments, in order.
// The format must be a string constant: its layout (literal runs and
// directives) is worked out once and remembered by its address.  A
// Fragment* argument is consumed; Borrow(f) reads a fragment that stays with
// its owner (a context variable); a const char* is constant text; an int
// fills "%d".  The result is a fragment the caller owns.  It may be the
// first argument itself, grown in place: when the format starts with "%s"
// and that argument is owned, its text is extended instead of copied, so an
// argument is never to be used after the call.
#pragma once

#include <cstddef>

#include "fragment.h"

struct Borrowed { const Fragment* fragment; };
inline Borrowed Borrow(const Fragment* fragment) { return {fragment}; }

// Releases fragments an action does not use.
template <class... F>
void Drop(F*... fragments) { (Release(fragments), ...); }

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
