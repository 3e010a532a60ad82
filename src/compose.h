// Composing: filling a format's "%s" and "%d" with fragments, constant
// texts and numbers, the one way the grammar's actions build their text.
//
// Compose(format, args...) fills the format with its arguments, in order.
// The format must be a string literal, checked when building: one argument
// per "%s" or "%d", an int for each "%d" and text for each "%s", or the
// build fails.  Its layout (literal runs and directives) is worked out
// when building too.  A Fragment* argument is consumed; Borrow(f) reads a
// fragment that stays with its owner (a context variable); a const char*
// is constant text; an int fills "%d".  The result is a fragment the
// caller owns.  A small result is not written: it keeps the plan and its
// arguments, and is written once when a large result or a reader needs its
// text.  A large result may be the first argument itself, grown in place
// when the format starts with "%s" and that argument is owned and large,
// so an argument is never to be used after the call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "format_plan.h"
#include "fragment.h"

struct Borrowed { const Fragment* fragment; };
inline Borrowed Borrow(const Fragment* fragment) { return {fragment}; }

// `first` followed by `second`; either may be null, both are consumed.  The
// result may be `first` itself, grown.
Fragment* Combine(Fragment* first, Fragment* second);

// Releases fragments an action does not use.
template <class... F>
void Drop(F*... fragments) { (Release(fragments), ...); }

// Fills the plan's directives with `arguments`, one owned fragment each,
// which it consumes.  Made for 1 to kMaxDirectives arguments (compose.cc).
template <size_t N>
Fragment* Compose_Fragments(const Format_Plan* plan, Fragment* const (&arguments)[N]);

// Every argument as a fragment the composition owns: a Fragment* is itself;
// a borrowed fragment, a constant text and a number become new fragments,
// except a large borrowed one, which is written into the result instead.
inline Fragment* Compose_Argument(Fragment* fragment) { return fragment; }
Fragment* Compose_Argument(Borrowed borrowed);
Fragment* Compose_Argument(const char* chars);
Fragment* Compose_Argument(int number);

// The build-time check.  `"" format` fails to compile ("parse error in
// template argument list") unless the format is a string literal; the
// counts are constant expressions of its text.
#define Compose(format, ...)                                                                  \
    Compose_Checked<Format_Directives("" format), Format_Int_Directives("" format)>(           \
        [] {                                                                                  \
            static constexpr Format_Plan plan = Plan_Of_Format("" format);                    \
            return &plan;                                                                     \
        }(),                                                                                  \
        __VA_ARGS__)

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
inline Fragment* Compose_Checked(const Format_Plan* plan, A... args) {
    static_assert(Directives == sizeof...(A), "Compose: the format has not one %s or %d per argument");
    static_assert(Int_Directives == Int_Arguments<A...>(), "Compose: %d takes a number, %s a text");
    Fragment* const list[] = {Compose_Argument(args)...};
    return Compose_Fragments(plan, list);
}
