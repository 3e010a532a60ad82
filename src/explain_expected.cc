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

// The number of reductions the parser would make on `symbol` from `stack`
// before shifting it, or -1 when it would detect an error instead.  The
// stack is read, never written: pushed states go to an overlay.
int Reductions_Before_Shift(const std::vector<short>& stack, int symbol) {
    long base_top = static_cast<long>(stack.size()) - 1;
    std::vector<short> overlay;
    auto top = [&]() { return overlay.empty() ? stack[base_top] : overlay.back(); };
    int reductions = 0;
    for (int steps = 0; steps < 100000; ++steps) {
        int state = top();
        int rule;
        int n = T->pact[state];
        if (n == T->pact_ninf) {
            rule = T->defact[state];
        } else {
            n += symbol;
            if (n < 0 || n > T->last || T->check[n] != symbol) {
                rule = T->defact[state];
            } else {
                int action = T->table[n];
                if (action > 0) return reductions;
                if (action == T->table_ninf) return -1;
                rule = -action;
            }
        }
        if (rule == 0) return -1;
        for (int k = T->r2[rule]; k > 0; --k) {
            if (!overlay.empty()) overlay.pop_back();
            else --base_top;
        }
        if (base_top < 0 && overlay.empty()) return -1;
        int lhs = T->r1[rule] - T->ntokens;
        int below = top();
        int i = T->pgoto[lhs] + below;
        overlay.push_back(static_cast<short>(0 <= i && i <= T->last && T->check[i] == below ? T->table[i]
                                                                                          : T->defgoto[lhs]));
        ++reductions;
    }
    return -1;
}

// Makes the reductions the parser makes on `symbol` from `stack`, shifts
// it, then makes the reductions that need no lookahead, as the parser does
// before it reads the next token.  False when the parser would reject it.
bool Replay(std::vector<short>& stack, int symbol) {
    for (int steps = 0; steps < 100000; ++steps) {
        int state = stack.back();
        int n = T->pact[state] + symbol;
        int rule;
        if (T->pact[state] == T->pact_ninf || n < 0 || n > T->last || T->check[n] != symbol) {
            rule = T->defact[state];
        } else if (T->table[n] > 0) {
            stack.push_back(T->table[n]);
            break;
        } else {
            rule = T->table[n] == T->table_ninf ? 0 : -T->table[n];
        }
        if (rule == 0 || static_cast<size_t>(T->r2[rule]) >= stack.size()) return false;
        stack.resize(stack.size() - T->r2[rule]);
        int lhs = T->r1[rule] - T->ntokens;
        int i = T->pgoto[lhs] + stack.back();
        stack.push_back(0 <= i && i <= T->last && T->check[i] == stack.back() ? T->table[i] : T->defgoto[lhs]);
    }
    while (stack.back() != T->final_state && T->pact[stack.back()] == T->pact_ninf) {
        int rule = T->defact[stack.back()];
        stack.resize(stack.size() - T->r2[rule]);
        int lhs = T->r1[rule] - T->ntokens;
        int i = T->pgoto[lhs] + stack.back();
        stack.push_back(0 <= i && i <= T->last && T->check[i] == stack.back() ? T->table[i] : T->defgoto[lhs]);
    }
    return true;
}

int Symbol_Of(int code) { return code <= 0 ? 0 : code > T->max_token ? 2 : T->translate[code]; }

}  // namespace

void Expected_Start(const Parse_Tables* tables) { T = tables; }

std::vector<short> Stack_When_Read(const std::vector<short>& checkpoint, const unsigned short* codes,
                                   long count, const short* stack, long depth) {
    std::vector<short> stack_then = checkpoint;
    for (long k = 0; k + 1 < count; ++k) {
        if (!Replay(stack_then, Symbol_Of(codes[k]))) {
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
        int r = Reductions_Before_Shift(stack, symbol);
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
