// Forced into the parser of the counting build (-include): the parser's
// trace output goes to Count_Reduction instead of the error stream.
#pragma once

#include <cstdio>

#define YYFPRINTF Count_Reduction

// Receives every line piece of the parser's trace and counts the pieces
// that announce a reduction ("Reducing stack by rule N (line L)").
int Count_Reduction(FILE* stream, const char* format, ...);
