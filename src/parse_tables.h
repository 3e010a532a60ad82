// The parsers' LR tables as data: what the relaxed token source and the
// explanation read to work out what a parser would do with a token.
#pragma once

#include <vector>

// The deepest a parser's stack may grow (YYMAXDEPTH of the grammars); a
// deeper nesting is the parser's "memory exhausted".
inline constexpr int kParserMaxDepth = 10000;

// One parser's tables, as bison generates them (the grammar file's
// epilogue fills them).
struct Parse_Tables {
    const short* pact;
    const short* defact;
    const short* pgoto;
    const short* defgoto;
    const short* table;
    const short* check;
    const short* r1;
    const signed char* r2;
    // Bison gives the translation table signed bytes while the grammar has
    // fewer than 128 token symbols, unsigned ones past that (the later
    // grammar); its values are never negative, so either reads as unsigned.
    const unsigned char* translate;
    const short* stos;
    int pact_ninf, table_ninf, last, ntokens, final_state, max_token, max_depth;
};
// The explained parser's (the default grammar's) and the later parsers'.
extern const Parse_Tables explained_tables;
extern const Parse_Tables later_tables;

// What the parser in `state` does with the grammar symbol `symbol`: shifts
// it and goes to the state returned (> 0), reduces by the rule -returned
// (< 0), or detects an error (0).
int Parser_Action(const Parse_Tables& tables, int state, int symbol);
// The state the parser goes to from `below` once it has reduced a rule of
// the nonterminal `lhs` (counted from the first nonterminal).
int Parser_Goto(const Parse_Tables& tables, int below, int lhs);

// The grammar symbol of the token code `code` (0 for the end of input).
int Symbol_Of_Token(const Parse_Tables& tables, int code);

// The number of reductions the parser would make on `symbol` with the stack
// `stack[0..top]` before shifting it, or -1 when it would detect an error
// instead.  The stack is read, never written.
int Reductions_Before_Shift(const Parse_Tables& tables, const short* stack, long top, int symbol);
// Makes the reductions the parser makes on `symbol` with `stack`, shifts
// it, then makes the reductions that need no lookahead, as the parser does
// before it reads the next token.  False when the parser would reject it.
bool Replay_Token(const Parse_Tables& tables, std::vector<short>& stack, int symbol);
