#include "diagnostics.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "message_kinds.h"
#include "messages.h"
#include "parse_tables.h"
#include "scanner.h"
#include "token_spelling.h"

// The plain parser's lookahead, bison's global.
extern int yychar;

namespace {

// The last rejection, until the program tells it: where its token starts,
// and what is wrong there.
bool rejected = false;
Token_Place rejection_place;
std::string rejection;
Message rejection_kind = Message::Syntax_Error;

bool Is(const char* message, const char* text) { return strcmp(message, text) == 0; }

}  // namespace

void Write_Syntax_Error_Report(const char* message) {
    const char* reported = message;
    if (Is(message, "syntax error")) reported = "parse error";
    if (Is(message, "memory exhausted")) reported = "parser stack overflow";
    fflush(stdout);
    printf("\nERROR:'%s' in your Source Code!!!!\n", reported);
    printf("String:(%s) Line:%lld Column:%lld\n", yytext ? yytext : "", line_number, column);
}

void Report_Syntax_Error(const char* message, int token) {
    Write_Syntax_Error_Report(message);
    rejected = true;
    // The lookahead stands at the end of the input, or is the token the
    // scanner returned last.
    rejection_place = token == 0 ? Input_End_Place() : Scanned_Token_Place();
    rejection_kind = Is(message, "memory exhausted") ? Message::Nesting_Too_Deep : Message::Syntax_Error;
    if (Is(message, "memory exhausted"))
        rejection = "nesting too deep (more than " + std::to_string(kParserMaxDepth) + " parser stack entries)";
    else
        rejection = "unexpected " + Token_Described(token, yytext ? yytext : "");
}

void yyerror(const char* message) { Report_Syntax_Error(message, yychar); }

void Tell_Rejection() {
    if (!rejected) return;
    Tell_At(Name_Of(rejection_kind), rejection_place.line, rejection_place.first_column, "error",
            (rejection + " (--explain tells more)").c_str());
    rejected = false;
    std::string().swap(rejection);
}
