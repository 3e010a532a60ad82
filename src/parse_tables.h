// The parsers' LR tables as data: what the relaxed token source and the
// explanation read to work out what a parser would do with a token.
#pragma once

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
    const signed char* translate;
    const short* stos;
    int pact_ninf, table_ninf, last, ntokens, final_state, max_token, max_depth;
};
// The explained parser's (the default grammar's) and the later parsers'.
extern const Parse_Tables explained_tables;
extern const Parse_Tables later_tables;
