// The expected set of the explanation (--explain): the parser's stack as it
// was when the offending token was read, replayed from the checkpoint over
// the parse tables, and the tokens it would have shifted there.
#pragma once

#include <string>
#include <vector>

#include "explain.h"

namespace explanation {

// The explained parser's tables, for the run.
void Expected_Start(const Parse_Tables* tables);

// The stack as it was when the last of `count` token codes was read:
// `checkpoint`, the stack when the first was read, with every one of them
// but the last replayed on it; or `stack` up to `depth`, should the replay
// fail.
std::vector<short> Stack_When_Read(const std::vector<short>& checkpoint, const unsigned short* codes,
                                   long count, const short* stack, long depth);

// Whether the k-th symbol from the top of `stack` is the token `token`.
bool Stack_Symbol_Is(const std::vector<short>& stack, size_t k, int token);

struct Expected {
    int reductions;
    int code;
};

// Every token that would have been shifted, most reductions first, then in
// code order.
std::vector<Expected> Expected_Tokens(const std::vector<short>& stack);
bool Holds(const std::vector<Expected>& set, int code);
// The set as listed in a message: its first six spellings and a count.
std::string Listed(const std::vector<Expected>& set);

}  // namespace explanation
