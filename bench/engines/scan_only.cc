// The scanner alone: every token is read and its fragment released.
#include <cstdio>
#include <type_traits>

#include "fragment.h"
#include "literals.h"
#include "parser.hh"
#include "scanner.h"

// The fragment a token carries, whether the parser's value type is the
// fragment itself or a union that holds it.
template <class Value>
Fragment* Fragment_Of(Value& value) {
    if constexpr (std::is_same_v<Value, Fragment*>)
        return value;
    else
        return value.frag;
}

int main() {
    Make_Scratch_Buffer();
    Reset_Scanner(stdin);
    long tokens = 0;
    while (yylex() != 0) {
        Release(Fragment_Of(yylval));
        ++tokens;
    }
    printf("%ld tokens\n", tokens);
    return 0;
}
