// One translation from start to end: the scanner, the parser and the
// translation context start afresh, so a process may run several.
#pragma once

#include <cstdio>

// Translates `input`; the translation, or the syntax error report, goes to
// standard output.  Returns the parser's result: 0 accepted, 1 syntax error,
// 2 parser stack overflow.
int Run_Translation(FILE* input);
