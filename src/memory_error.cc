// The one memory error (see memory_error.h).
#include "memory_error.h"

#include <cstdio>
#include <cstdlib>

#include "message_kinds.h"
#include "messages.h"
#include "source_position.h"

void Memory_Error(const char* message) {
    fputs(message, stdout);
    fflush(stdout);
    // For a person: where the reading stopped.
    Tell_At(Name_Of(Message::Out_Of_Memory), line_number, column + 1, "error", "out of memory");
    exit(1);
}

void Out_Of_Memory() { Memory_Error("MEMORY ERROR!!!!!\n"); }

void* Allocate(size_t bytes) {
    void* block = malloc(bytes);
    if (!block) Out_Of_Memory();
    return block;
}
