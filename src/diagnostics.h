// The one syntax error report on standard output, and the line on standard
// error that tells a person the input was rejected.
#pragma once

// Writes a parser's message on standard output with the current token and
// position: the parser's "syntax error" is reported as "parse error" and
// its "memory exhausted" as "parser stack overflow".  The explanation
// (--explain) writes it before its own lines.
void Write_Syntax_Error_Report(const char* message);
// A plain parser's error, whose lookahead is `token`: the report, and the
// line kept for Tell_Rejection, which names the token and where it starts
// ("FILE:LINE:COLUMN: error: unexpected ... (--explain tells more)").
void Report_Syntax_Error(const char* message, int token);
// The same with the plain parser's lookahead.
void yyerror(const char* message);
// Writes the line kept for the last rejection, if any, and forgets it.  The
// program calls it after a rejected run; a process that runs translations
// of its own (a test, the fuzzer) keeps its error stream quiet.
void Tell_Rejection();
