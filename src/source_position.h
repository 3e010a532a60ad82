// The source position: where the reading stands, advanced by the scanner
// (scanner.l) and read by every report that names a place in the input.
#pragma once

// The line being scanned, from 1.  Wider than int: inputs of more than
// 2^31 lines or columns are counted right.
extern long long line_number;
// The column just after the last match: characters since the last line end,
// tabs advancing to the next multiple of 8.
extern long long column;

// Where a token stands: its line, the 1-based display column of its first
// character and the column just after it (tabs advance to the next multiple
// of 8).
struct Token_Place {
    long long line;
    long long first_column;
    long long end_column;
};

// The explained parser's location (its header needs it): from a
// construct's first token's first column to its last token's end.
struct Source_Span {
    long long first_line;
    long long first_column;
    long long last_line;
    long long last_column;
    // What the warnings of --explain learn of the construct (its sort and
    // marks, explain_warnings.h); 0 for a token.
    unsigned char sort = 0;
    unsigned char marks = 0;
};
// A plain struct, so that the explained parsers (of both grammars) grow
// their stacks by copying: without this, a C++ parser cannot grow them past
// their first 200 entries.
#define EXPLAINED_LTYPE_IS_TRIVIAL 1
#define LATER_EXPLAINED_LTYPE_IS_TRIVIAL 1
