// Composing: filling a format's "%s" and "%d" with fragments, constant
// texts and numbers, the one way the grammar's actions build their text.
//
// Compose(format, args...) fills the format with its arguments, in order.
// The format must be a string literal, checked when building: one argument
// per "%s" or "%d", an int for each "%d" and text for each "%s", or the
// build fails.  Its layout (literal runs and directives) is worked out at
// the first call and remembered by its address.  A
// Fragment* argument is consumed; Borrow(f) reads a fragment that stays with
// its owner (a context variable); a const char* is constant text; an int
// fills "%d".  The result is a fragment the caller owns.  It may be the
// first argument itself, grown in place: when the format starts with "%s"
// and that argument is owned, its text is extended instead of copied, so an
// argument is never to be used after the call.
#pragma once

#include <cstddef>
#include <type_traits>

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

// The build-time check.  `"" format` fails to compile ("parse error in
// template argument list") unless the format is a string literal; the
// counts are constant expressions of its text.
#define Compose(format, ...) \
    Compose_Checked<Format_Directives("" format), Format_Int_Directives("" format)>(format, __VA_ARGS__)

// Directives "%s" and "%d" in a format.
template <size_t N>
constexpr int Format_Directives(const char (&format)[N]) {
    int count = 0;
    for (size_t i = 0; i + 1 < N; ++i)
        if (format[i] == '%' && (format[i + 1] == 's' || format[i + 1] == 'd')) ++count, ++i;
    return count;
}

// Bit k set when the directive k (from 0) is "%d".
template <size_t N>
constexpr unsigned Format_Int_Directives(const char (&format)[N]) {
    unsigned mask = 0;
    int k = 0;
    for (size_t i = 0; i + 1 < N; ++i) {
        if (format[i] != '%' || (format[i + 1] != 's' && format[i + 1] != 'd')) continue;
        if (format[i + 1] == 'd') mask |= 1u << k;
        ++k, ++i;
    }
    return mask;
}

// Bit k set when the argument k is a number.
template <class... A>
constexpr unsigned Int_Arguments() {
    unsigned mask = 0;
    int k = 0;
    ((mask |= std::is_integral<A>::value ? 1u << k++ : (k++, 0u)), ...);
    return mask;
}

template <int Directives, unsigned Int_Directives, class... A>
Fragment* Compose_Checked(const char* format, A... args) {
    static_assert(Directives == sizeof...(A), "Compose: the format has not one %s or %d per argument");
    static_assert(Int_Directives == Int_Arguments<A...>(), "Compose: %d takes a number, %s a text");
    const Compose_Arg list[] = {Compose_Arg(args)...};
    return Compose_Args(format, list, sizeof...(args));
}
