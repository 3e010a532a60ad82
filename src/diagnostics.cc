#include "diagnostics.h"

#include <cstdio>
#include <cstring>

#include "scanner.h"

int line_number = 1;
int column = 0;

void yyerror(const char* message) {
    if (strcmp(message, "syntax error") == 0) message = "parse error";
    if (strcmp(message, "memory exhausted") == 0) message = "parser stack overflow";
    fflush(stdout);
    printf("\nERROR:'%s' in your Source Code!!!!\n", message);
    printf("String:(%s) Line:%d Column:%d\n", yytext ? yytext : "", line_number, column);
}
