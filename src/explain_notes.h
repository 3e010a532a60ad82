// The notes of the explanation (--explain): the hint for a known
// later-edition construct or common mistake at the offending token.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "explain_expected.h"

namespace explanation {

// What is known of the offending token.
struct Context {
    const std::vector<short>& stack;
    int code;
    std::string text;
    // The two words just before the offending token on its line, the
    // nearer first, in lower case.
    std::string previous_word, word_before;
    const std::vector<Expected>& expected;
    // Whether the k-th symbol from the top of the stack is the token `token`.
    bool Top(size_t k, int token) const { return Stack_Symbol_Is(stack, k, token); }
    // The first of `tokens` met among the top `depth` symbols, or 0.
    int Near(size_t depth, std::initializer_list<int> tokens) const {
        for (size_t k = 0; k < depth && k < stack.size(); ++k)
            for (int token : tokens)
                if (Top(k, token)) return token;
        return 0;
    }
};

// The note for a known later-edition construct or common mistake, or "".
std::string Hint(const Context& c);

}  // namespace explanation
