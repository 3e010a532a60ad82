// The one syntax error report, on standard output.
#pragma once

// Reports a parser message with the current token and position on standard
// output.  The parser's "syntax error" is reported as "parse error" and its
// "memory exhausted" as "parser stack overflow".
void yyerror(const char* message);
