// The expected set of the explanation: see explain_expected.h.
#include "explain_expected.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "parser.hh"
#include "token_spelling.h"

namespace explanation {

namespace {

const Parse_Tables* T = nullptr;  // the explained parser's, for the run

}  // namespace

void Expected_Start(const Parse_Tables* tables) { T = tables; }

std::vector<short> Stack_When_Read(const std::vector<short>& checkpoint, const unsigned short* codes,
                                   long count, const short* stack, long depth) {
    std::vector<short> stack_then = checkpoint;
    for (long k = 0; k + 1 < count; ++k) {
        if (!Replay_Token(*T, stack_then, Symbol_Of_Token(*T, codes[k]))) {
            stack_then.assign(stack, stack + depth + 1);  // cannot happen: the parser shifted it
            break;
        }
    }
    return stack_then;
}

bool Stack_Symbol_Is(const std::vector<short>& stack, size_t k, int token) {
    if (k >= stack.size()) return false;
    return T->stos[stack[stack.size() - 1 - k]] == T->translate[token];
}

std::vector<Expected> Expected_Tokens(const std::vector<short>& stack) {
    std::vector<Expected> out;
    for (int code = 0; code <= T->max_token; ++code) {
        if (code == 256 || code == 257) continue;  // the error and undefined tokens
        int symbol = T->translate[code];
        if (code != 0 && symbol <= 2) continue;
        int r = Reductions_Before_Shift(*T, stack.data(), static_cast<long>(stack.size()) - 1, symbol);
        if (r >= 0) out.push_back({r, code});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Expected& a, const Expected& b) { return a.reductions > b.reductions; });
    return out;
}

bool Holds(const std::vector<Expected>& set, int code) {
    for (const Expected& e : set)
        if (e.code == code) return true;
    return false;
}

std::string Listed(const std::vector<Expected>& set) {
    std::string out;
    size_t shown = std::min<size_t>(set.size(), 6);
    for (size_t i = 0; i < shown; ++i) {
        if (i > 0) out += (i + 1 == shown && set.size() <= 6) ? " or " : ", ";
        out += Token_Spelling(set[i].code);
    }
    if (set.size() > 6) out += " or " + std::to_string(set.size() - 6) + " more";
    return out;
}

}  // namespace explanation
