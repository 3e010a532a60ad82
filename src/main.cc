// vhdl87c: reads VHDL-87 on standard input, writes its C reading on
// standard output.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>
#include <unistd.h>

#include <string>
#include <vector>

#include "diagnostics.h"
#include "explain_warnings.h"
#include "files.h"
#include "message_kinds.h"
#include "memory_error.h"
#include "options.h"
#include "run.h"
#include "sarif.h"

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

void Print_Help() {
    fputs("\n\tOptions:", stdout);
    fputs("\n\t--------", stdout);
    fputs("\n\t-DEBUG : Prints Debugging information.", stdout);
    fputs("\n\t--explain : Explains a rejected design, and warns where the C text misleads, on standard error.", stdout);
    fputs("\n\t--relaxed : Also reads the common forms of VHDL-93 and VHDL-2008.", stdout);
    fputs("\n\t--version : Prints the version and the licence, then exits.", stdout);
    fputs("\n\t-o OUT FILE... : Translates the named files: one into OUT (- for standard output), several each into OUT/PATH.c.", stdout);
    fputs("\n\t-j N : With -o, translates the files in N processes at once; the outputs and the messages stay the same.", stdout);
    fputs("\n\t--sarif=FILE : Also writes every error and warning as a SARIF 2.1.0 log to FILE.", stdout);
    fputs("\n\t-h, --help : Prints this list, then exits.", stdout);
    fputs("\n\n", stdout);
}

// The version is the project's, handed in by the build.
void Print_Version() {
    fputs("vhdl87c " VHDL87C_VERSION "\n", stdout);
    fputs("Copyright (c) 2026 the vhdl87c authors; MIT License, no warranty.\n", stdout);
}

const char* const options[] = {"-DEBUG", "--explain", "--relaxed", "--version", "-h", "--help"};

bool Is_Option(const char* argument) {
    for (const char* option : options)
        if (strcmp(argument, option) == 0) return true;
    return false;
}

// An argument that changes nothing is named, so that a mistyped option or
// a file name does not pass unseen; the run goes on as without it.
void Warn_Ignored(const char* argument) {
    if (argument[0] == '-')
        Tell_Program(Message::Ignored_Argument, "warning", nullptr,
                     std::string("unknown option '") + argument + "' ignored");
    else
        Tell_Program(Message::Ignored_Argument, "warning", nullptr,
                     std::string("'") + argument +
                         "' ignored: the design is read from standard input (vhdl87c < FILE > FILE.c)");
}

// Starts the SARIF log with a rule for every kind of message; "" or why not.
std::string Start_Log(const char* path) {
    static std::vector<Sarif_Rule> rules;
    for (int kind = 0; kind < kMessageKinds; ++kind)
        rules.push_back(Sarif_Rule{Name_Of(Message(kind)), Description_Of(Message(kind))});
    for (int kind = 0; kind < kWarningKinds; ++kind)
        rules.push_back(Sarif_Rule{Kind_Of(Warning(kind)).name, Kind_Of(Warning(kind)).description});
    return Sarif_Start(path, VHDL87C_VERSION, rules.data(), static_cast<int>(rules.size()));
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
    // -o OUT and -j N take the next argument; with -o the other arguments
    // that are no options name the files.
    const char* out = nullptr;
    const char* workers = nullptr;
    const char* sarif = nullptr;
    int outs = 0;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "-o") == 0) {
            ++outs;
            out = i + 1 < argc ? argv[++i] : nullptr;
        } else if (strcmp(argv[i], "-j") == 0) {
            workers = i + 1 < argc ? argv[++i] : "";
        } else if (strncmp(argv[i], "--sarif=", 8) == 0) {
            sarif = argv[i] + 8;
        }
    }
    if (sarif && sarif[0]) {
        std::string why = Start_Log(sarif);
        if (!why.empty()) {
            fprintf(stderr, "vhdl87c: cannot write '%s': %s\n", sarif, why.c_str());
            return 1;
        }
    }
    std::vector<const char*> files;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "-o") == 0 || strcmp(argv[i], "-j") == 0) ++i;
        else if (Is_Option(argv[i]) || strncmp(argv[i], "--sarif=", 8) == 0) continue;
        else if (outs && (argv[i][0] != '-' || argv[i][1] == '\0')) files.push_back(argv[i]);
        else Warn_Ignored(argv[i]);
    }
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "-o") == 0 || strcmp(argv[i], "-j") == 0) ++i;
        else if (strcmp(argv[i], "-DEBUG") == 0) DEBUG = 1;
        else if (strcmp(argv[i], "--explain") == 0) explaining = true;
        else if (strcmp(argv[i], "--relaxed") == 0) relaxed_reading = true;
        else if (strcmp(argv[i], "-h") == 0 || strcmp(argv[i], "--help") == 0) {
            Print_Help();
            return Finish_Output(0);
        } else if (strcmp(argv[i], "--version") == 0) {
            Print_Version();
            return Finish_Output(0);
        }
    }
    int processes = 1;
    const char* wrong = nullptr;
    if (workers && (sscanf(workers, "%d", &processes) != 1 || processes < 1 || processes > 64))
        wrong = "-j needs the number of processes, 1 to 64: -j N";
    if (outs)
        wrong = outs > 1        ? "-o given twice: one output, or one folder for several files"
                : !out          ? "-o needs the output: -o OUT FILE..."
                : files.empty() ? "-o OUT needs the files to translate (- for standard input)"
                                : wrong;
    if (sarif && !sarif[0]) wrong = "--sarif= needs the file to write: --sarif=FILE";
    int status = 1;
    if (wrong) {
        Tell_Program(Message::Arguments, "error", nullptr, wrong);
    } else if (outs) {
        status = Finish_Output(Translate_Files(out, files, processes));
    } else {
        // Someone at a terminal learns what the program waits for.
        if (isatty(STDIN_FILENO))
            fputs("vhdl87c: reading VHDL from the terminal (end with Ctrl-D); "
                  "to translate a file: vhdl87c < FILE > FILE.c\n", stderr);
        int result = Run_Translation(stdin);
        if (result != 0) Tell_Rejection();
        status = Finish_Output(result == 0 ? 0 : 1);
    }
    if (sarif_logging) {
        std::string why = Sarif_Finish(status);
        if (!why.empty()) {
            fprintf(stderr, "vhdl87c: cannot write '%s': %s\n", sarif, why.c_str());
            status = 1;
        }
    }
    return status;
}
