// The one memory error (see memory_error.h).
#include "memory_error.h"

#include <cstdio>
#include <cstdlib>

void Memory_Error(const char* message) {
    fputs(message, stdout);
    fflush(stdout);
    exit(1);
}

void Out_Of_Memory() { Memory_Error("MEMORY ERROR!!!!!\n"); }

void* Allocate(size_t bytes) {
    void* block = malloc(bytes);
    if (!block) Out_Of_Memory();
    return block;
}
