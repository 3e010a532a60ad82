// The plan of a format: its literal runs and its directives, worked out
// when building.  The composing layer (compose.h) makes plans from the
// grammar's format literals; a composed fragment keeps its plan until its
// text is written (fragment_layout.h).
#pragma once

#include <cstddef>
#include <cstdint>

// A format's literal runs and directives, worked out when building: the
// grammar's formats are string literals.
const size_t kMaxDirectives = 12;
struct Format_Plan {
    const char* format;
    size_t literal_length;  // bytes outside the directives
    size_t directives;
    struct Run { uint16_t at, length; } runs[kMaxDirectives + 1];  // literal text around them
};

// The plan of a format literal.  Only "%s" and "%d" are directives; a
// format with more than kMaxDirectives of them is no constant expression,
// so it fails to build.
template <size_t N>
constexpr Format_Plan Plan_Of_Format(const char (&format)[N]) {
    Format_Plan plan{};
    plan.format = format;
    size_t run = 0;
    for (size_t i = 0;; ++i) {
        bool end = i + 1 >= N || format[i] == '\0';
        bool directive = !end && format[i] == '%' && (format[i + 1] == 's' || format[i + 1] == 'd');
        if (!end && !directive) continue;
        plan.runs[plan.directives] = {static_cast<uint16_t>(run), static_cast<uint16_t>(i - run)};
        plan.literal_length += i - run;
        if (end) break;
        ++plan.directives;
        run = i + 2;
        ++i;
    }
    return plan;
}
