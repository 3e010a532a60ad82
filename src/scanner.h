// The scanner's interface beyond yylex: what the relaxed token source, the
// reports and the explanation read of it.  It advances the source position
// (source_position.h).
#pragma once

#include <cstddef>
#include <cstdio>

#include "source_position.h"

int yylex();
// yylex under a name that a parser's prefix does not rename (in the
// explained parser, yylex stands for explained_lex).
int Scan_Token();
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

// For the reports and the explanation: the place of the token yylex
// returned last, the place of the end of the input once it has been met
// (just after the last character of the last line), the offset of the
// scanner in its buffer, and the value of the last token.
Token_Place Scanned_Token_Place();
Token_Place Input_End_Place();
size_t Scanner_Offset();
extern const void* const scanned_value;
