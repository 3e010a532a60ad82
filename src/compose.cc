// Composing: a format's layout, worked out once per format, and the filling
// of its "%s" and "%d" (see compose.h).
#include "compose.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "fragment_layout.h"

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

