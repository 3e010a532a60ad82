// The scanner's interface beyond yylex: the source position it advances,
// and what the relaxed filter and the explanation read of it.
#pragma once

#include <cstddef>
#include <cstdio>

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

int yylex();
extern char* yytext;
extern int yyleng;
extern FILE* yyin;
// Forgets any buffered input and reads `input` from the next yylex on.
void Reset_Scanner(FILE* input);
// yylex for the relaxed reading: after an identifier or a `)`, the next
// apostrophe is read as the apostrophe token even where a character literal
// starts.  Reset_Scanner forgets the last token.  It is called for every
// token, so it sets the scanner's start condition itself (flex's yy_start,
// as BEGIN would) from a table filled by the scanner.
extern int& scanner_start;
struct Start_Table {
    int by_token[512];  // every token code is below it
};
extern const Start_Table start_after_token;
inline int Scan_Relaxed() {
    int token = yylex();
    scanner_start = start_after_token.by_token[token];
    return token;
}

// For the explanation: the place of the token yylex returned last, the
// offset of the scanner in its buffer, and the value of the last token.
Token_Place Scanned_Token_Place();
size_t Scanner_Offset();
extern const void* const scanned_value;
