// The one syntax error report on standard output, and the line on standard
// error that tells a person the input was rejected.
#pragma once

// Reports a parser message with the current token and position on standard
// output.  The parser's "syntax error" is reported as "parse error" and its
// "memory exhausted" as "parser stack overflow".  Without --explain, it
// also keeps the line that Tell_Rejection writes on standard error, which
// names the token and where it starts ("<stdin>:LINE:COLUMN: error:
// unexpected ... (--explain tells more)"); with it, the explanation says
// that and more.
void yyerror(const char* message);
// The same for a parser whose lookahead is `token` (yyerror passes the
// plain parser's).
void Report_Syntax_Error(const char* message, int token);
// Writes the line kept for the last rejection, if any, and forgets it.  The
// program calls it after a rejected run; a process that runs translations
// of its own (a test, the fuzzer) keeps its error stream quiet.
void Tell_Rejection();
