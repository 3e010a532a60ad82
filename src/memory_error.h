// The one memory error: every failed allocation of the program ends the
// run here, with a message on standard output, a line on standard error
// that names where the reading stopped ("<stdin>:LINE:COLUMN: error: out
// of memory") and exit status 1.  The
// fragments' blocks, the scanner's buffers (yyalloc), the parser's stacks
// (YYMALLOC) and operator new (the new handler main sets) all call it.
#pragma once

#include <cstddef>

// Ends the run with `message` on standard output and exit status 1.
[[noreturn]] void Memory_Error(const char* message);
// The usual one: "MEMORY ERROR!!!!!".
[[noreturn]] void Out_Of_Memory();
// malloc(bytes), or Out_Of_Memory.
void* Allocate(size_t bytes);
