// The scanner's interface beyond yylex.
#pragma once

#include <cstdio>

int yylex();
extern char* yytext;
extern FILE* yyin;
// Forgets any buffered input and reads `input` from the next yylex on.
void Reset_Scanner(FILE* input);
// With `after_name`, the next apostrophe is read as the apostrophe token even
// where a character literal starts (the relaxed reading sets it after every
// token: an identifier or a `)` before).  Off again at every Reset_Scanner.
void Set_Apostrophe_After_Name(bool after_name);
