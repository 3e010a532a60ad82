// The scanner and the parser's tables with actions that only release what
// the right-hand side carries: the cost of reading a design without
// composing its translation.
#include <cstdio>

#include "fragment.h"
#include "literals.h"
#include "scanner.h"

int yyparse();

int main() {
    Make_Scratch_Buffer();
    Reset_Scanner(stdin);
    int result = yyparse();
    printf("parse %s\n", result == 0 ? "accepted" : "failed");
    return result;
}
