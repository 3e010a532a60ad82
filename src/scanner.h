// The scanner's interface beyond yylex.
#pragma once

#include <cstdio>

int yylex();
extern char* yytext;
extern FILE* yyin;
// Forgets any buffered input and reads `input` from the next yylex on.
void Reset_Scanner(FILE* input);
