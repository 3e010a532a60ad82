// The scanner alone: every token is read and its fragment released.
#include <cstdio>

#include "fragment.h"
#include "literals.h"
#include "parser.hh"
#include "scanner.h"

int main() {
    Make_Scratch_Buffer();
    Reset_Scanner(stdin);
    long tokens = 0;
    while (yylex() != 0) {
        Release(yylval);
        ++tokens;
    }
    printf("%ld tokens\n", tokens);
    return 0;
}
