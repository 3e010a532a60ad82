// Source position and the one syntax error report.
#pragma once

// The line being scanned, from 1.  Wider than int: inputs of more than
// 2^31 lines or columns are counted right.
extern long long line_number;
// The column just after the last match: characters since the last line end,
// tabs advancing to the next multiple of 8.
extern long long column;

// Reports a parser message with the current token and position on standard
// output.  The parser's "syntax error" is reported as "parse error" and its
// "memory exhausted" as "parser stack overflow".
void yyerror(const char* message);
