#include "diagnostics.h"

#include <cstdio>
#include <cstring>

#include "scanner.h"

void yyerror(const char* message) {
    if (strcmp(message, "syntax error") == 0) message = "parse error";
    if (strcmp(message, "memory exhausted") == 0) message = "parser stack overflow";
    fflush(stdout);
    printf("\nERROR:'%s' in your Source Code!!!!\n", message);
    printf("String:(%s) Line:%lld Column:%lld\n", yytext ? yytext : "", line_number, column);
}
