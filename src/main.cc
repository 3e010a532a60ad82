// vhdl87c: reads VHDL-87 on standard input, writes its C reading on
// standard output.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>
#include <unistd.h>

#include "diagnostics.h"
#include "memory_error.h"
#include "options.h"
#include "run.h"

namespace {

// Everything written goes through stdout's buffer; a failed write (full
// disk, closed pipe) shows here at the latest, and the run fails with it.
// A reader that has gone (EPIPE) ends the run quietly, as in any pipeline.
int Finish_Output(int status) {
    if (fflush(stdout) != 0 || ferror(stdout)) {
        int error = errno ? errno : EIO;
        if (error != EPIPE) fprintf(stderr, "vhdl87c: cannot write the output: %s\n", strerror(error));
        return 1;
    }
    return status;
}

// The version is the project's, handed in by the build.
void Print_Version() {
    fputs("vhdl87c " VHDL87C_VERSION "\n", stdout);
    fputs("Copyright (c) 2026 the vhdl87c authors; MIT License, no warranty.\n", stdout);
}

void Print_Help();

// Each option once: its names, its line of the help ("NAMES : HELP") and
// what it does, which returns true when the program ends there.
struct Option {
    const char* names[2];  // the second one may be null
    const char* help;
    bool (*act)();
};
const Option options[] = {
    {{"-DEBUG"}, "Prints Debugging information.", [] { DEBUG = 1; return false; }},
    {{"--explain"}, "Explains a rejected design, and warns where the C text misleads, on standard error.",
     [] { explaining = true; return false; }},
    {{"--annotate"}, "Writes each warning of --explain into the C text, as a comment after the construct.",
     [] { annotating = true; return false; }},
    {{"--relaxed"}, "Also reads the common forms of VHDL-93 and VHDL-2008.",
     [] { relaxed_reading = true; return false; }},
    {{"--version"}, "Prints the version and the licence, then exits.", [] { Print_Version(); return true; }},
    {{"-h", "--help"}, "Prints this list, then exits.", [] { Print_Help(); return true; }},
};

void Print_Help() {
    fputs("\n\tOptions:", stdout);
    fputs("\n\t--------", stdout);
    for (const Option& option : options) {
        printf("\n\t%s", option.names[0]);
        if (option.names[1]) printf(", %s", option.names[1]);
        printf(" : %s", option.help);
    }
    fputs("\n\n", stdout);
}

const Option* Find_Option(const char* argument) {
    for (const Option& option : options)
        for (const char* name : option.names)
            if (name && strcmp(argument, name) == 0) return &option;
    return nullptr;
}

// An argument that changes nothing is named, so that a mistyped option or
// a file name does not pass unseen; the run goes on as without it.
void Warn_Ignored(const char* argument) {
    if (argument[0] == '-')
        fprintf(stderr, "vhdl87c: warning: unknown option '%s' ignored\n", argument);
    else
        fprintf(stderr, "vhdl87c: warning: '%s' ignored: the design is read from standard input "
                        "(vhdl87c < FILE > FILE.c)\n", argument);
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe, or an output file at its size limit, is reported as a
    // failed write, not by a silent signal.
    signal(SIGPIPE, SIG_IGN);
    signal(SIGXFSZ, SIG_IGN);
    // The standard library's allocations fail like the program's own.
    std::set_new_handler(Out_Of_Memory);
    static char output_buffer[1 << 16];
    setvbuf(stdout, output_buffer, _IOFBF, sizeof output_buffer);

    DEBUG = 0;
    for (int i = 1; i < argc; ++i) fprintf(stderr, "(%d): %s\n", i, argv[i]);
    for (int i = 1; i < argc; ++i)
        if (!Find_Option(argv[i])) Warn_Ignored(argv[i]);
    for (int i = 1; i < argc; ++i) {
        const Option* option = Find_Option(argv[i]);
        if (option && option->act()) return Finish_Output(0);
    }
    // Someone at a terminal learns what the program waits for.
    if (isatty(STDIN_FILENO))
        fputs("vhdl87c: reading VHDL from the terminal (end with Ctrl-D); "
              "to translate a file: vhdl87c < FILE > FILE.c\n", stderr);
    int result = Run_Translation(stdin);
    if (result != 0) Tell_Rejection();
    return Finish_Output(result == 0 ? 0 : 1);
}
