// The parsers' LR tables, replayed (see parse_tables.h).
#include "parse_tables.h"

#include <cstddef>
#include <vector>

namespace {

// Pops the right-hand side of `rule` and pushes the state after it.
void Reduce(const Parse_Tables& T, std::vector<short>& stack, int rule) {
    stack.resize(stack.size() - static_cast<std::size_t>(T.r2[rule]));
    stack.push_back(static_cast<short>(Parser_Goto(T, stack.back(), T.r1[rule] - T.ntokens)));
}

}  // namespace

int Parser_Action(const Parse_Tables& T, int state, int symbol) {
    int n = T.pact[state];
    if (n == T.pact_ninf || (n += symbol) < 0 || n > T.last || T.check[n] != symbol) return -T.defact[state];
    int action = T.table[n];
    return action == T.table_ninf ? 0 : action;
}

int Parser_Goto(const Parse_Tables& T, int below, int lhs) {
    int i = T.pgoto[lhs] + below;
    return 0 <= i && i <= T.last && T.check[i] == below ? T.table[i] : T.defgoto[lhs];
}

int Symbol_Of_Token(const Parse_Tables& T, int code) {
    return code <= 0 ? 0 : code > T.max_token ? 2 : T.translate[code];
}

int Reductions_Before_Shift(const Parse_Tables& T, const short* stack, long top, int symbol) {
    // States pushed by the reductions go to an overlay over the stack.
    std::vector<short> overlay;
    auto state_at_top = [&]() { return overlay.empty() ? stack[top] : overlay.back(); };
    for (int reductions = 0; reductions < 100000; ++reductions) {
        int action = Parser_Action(T, state_at_top(), symbol);
        if (action > 0) return reductions;
        if (action == 0) return -1;
        int rule = -action;
        for (int k = T.r2[rule]; k > 0; --k) {
            if (!overlay.empty()) overlay.pop_back();
            else --top;
        }
        if (top < 0 && overlay.empty()) return -1;
        overlay.push_back(static_cast<short>(Parser_Goto(T, state_at_top(), T.r1[rule] - T.ntokens)));
    }
    return -1;
}

bool Replay_Token(const Parse_Tables& T, std::vector<short>& stack, int symbol) {
    for (int steps = 0; steps < 100000; ++steps) {
        int action = Parser_Action(T, stack.back(), symbol);
        if (action > 0) {
            stack.push_back(static_cast<short>(action));
            break;
        }
        int rule = -action;
        if (rule == 0 || static_cast<std::size_t>(T.r2[rule]) >= stack.size()) return false;
        Reduce(T, stack, rule);
    }
    while (stack.back() != T.final_state && T.pact[stack.back()] == T.pact_ninf) Reduce(T, stack, T.defact[stack.back()]);
    return true;
}
