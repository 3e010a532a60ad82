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
// starts.  Reset_Scanner forgets the last token.
int Scan_Relaxed();
