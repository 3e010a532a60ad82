#include "diagnostics.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "explain.h"
#include "explain_expected.h"
#include "options.h"
#include "scanner.h"

// The plain parser's lookahead, bison's global.
extern int yychar;

namespace {

// Where the lookahead `token` stands: the end of the input, or the token
// the scanner returned last.
Token_Place Lookahead_Place(int token) {
    if (token == 0) return Input_End_Place();
    return Scanned_Token_Place();
}

// The line for the last rejection, in the form of the explanation's first
// line, until the program tells it (a token's description is at most a
// few hundred bytes).
char rejection[512] = "";

void Keep_Rejection(const char* message, int token) {
    std::string what = "unexpected " + explanation::Described(token);
    if (strcmp(message, "memory exhausted") == 0)
        what = "nesting too deep (more than " + std::to_string(explained_tables.max_depth) +
               " parser stack entries)";
    Token_Place place = Lookahead_Place(token);
    snprintf(rejection, sizeof rejection, "%s:%lld:%lld: error: %s (--explain tells more)\n", kSourceName,
             place.line, place.first_column, what.c_str());
}

}  // namespace

void yyerror(const char* message) { Report_Syntax_Error(message, yychar); }

void Report_Syntax_Error(const char* message, int token) {
    const char* reported = message;
    if (strcmp(message, "syntax error") == 0) reported = "parse error";
    if (strcmp(message, "memory exhausted") == 0) reported = "parser stack overflow";
    fflush(stdout);
    printf("\nERROR:'%s' in your Source Code!!!!\n", reported);
    printf("String:(%s) Line:%lld Column:%lld\n", yytext ? yytext : "", line_number, column);
    if (!explaining) Keep_Rejection(message, token);
}

void Tell_Rejection() {
    fputs(rejection, stderr);
    rejection[0] = '\0';
}
