// The scanner's interface beyond yylex.
#pragma once

#include <cstdio>

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
