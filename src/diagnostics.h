// Source position, the one syntax error report and the lines on standard
// error that tell a person the input was rejected.
#pragma once

// The line being scanned, from 1.  Wider than int: inputs of more than
// 2^31 lines or columns are counted right.
extern long long line_number;
// The column just after the last match: characters since the last line end,
// tabs advancing to the next multiple of 8.
extern long long column;

// Reports a parser message with the current token and position on standard
// output.  The parser's "syntax error" is reported as "parse error" and its
// "memory exhausted" as "parser stack overflow".  Without --explain, it
// also keeps the line that Tell_Rejection writes on standard error, which
// names the token and where it starts ("<stdin>:LINE:COLUMN: error:
// unexpected ... (--explain tells more)"); with it, the explanation says
// that and more.
void yyerror(const char* message);
// Writes the line kept for the last rejection, if any, and forgets it.  The
// program calls it after a rejected run; a process that runs translations
// of its own (a test, the fuzzer) keeps its error stream quiet.
void Tell_Rejection();

// The memory error's line on standard error: where the reading stopped
// ("<stdin>:LINE:COLUMN: error: out of memory").
void Tell_Memory_Error();
