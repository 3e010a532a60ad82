// vhdl87c: reads VHDL-87 on standard input, writes its C reading on
// standard output; with -o, reads the files named and writes a translation
// of each.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

#include "diagnostics.h"
#include "explain_warnings.h"
#include "files.h"
#include "memory_error.h"
#include "message_kinds.h"
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

// The version is the project's, handed in by the build.
void Print_Version() {
    fputs("vhdl87c " VHDL87C_VERSION "\n", stdout);
    fputs("Copyright (c) 2026 the vhdl87c authors; MIT License, no warranty.\n", stdout);
}

void Print_Help();

// What the options with a value set: -o OUT (and how often it was given),
// -j N, --sarif=FILE.
const char* out = nullptr;
int outs = 0;
const char* processes = nullptr;
const char* sarif = nullptr;

// Each option once: its names, how it takes a value (none, the next
// argument, or the rest of the argument after its name, which ends in
// '='), the value's name in the help, its line of the help ("NAMES VALUE :
// HELP") and what it does, which returns true when the program ends there.
enum class Value { None, Next, Joined };
struct Option {
    const char* names[2];  // the second one may be null
    Value value;
    const char* value_name;
    const char* help;
    bool (*act)(const char* value);
};
const Option options[] = {
    {{"-DEBUG"}, Value::None, "", "Prints Debugging information.", [](const char*) { DEBUG = 1; return false; }},
    {{"--explain"}, Value::None, "",
     "Explains a rejected design, and warns where the C text misleads, on standard error.",
     [](const char*) { explaining = true; return false; }},
    {{"--annotate"}, Value::None, "", "Writes each warning of --explain into the C text, as a comment after the construct.",
     [](const char*) { annotating = true; return false; }},
    {{"--relaxed"}, Value::None, "", "Also reads the common forms of VHDL-93 and VHDL-2008.",
     [](const char*) { relaxed_reading = true; return false; }},
    {{"--version"}, Value::None, "", "Prints the version and the licence, then exits.",
     [](const char*) { Print_Version(); return true; }},
    {{"-o"}, Value::Next, " OUT FILE...",
     "Translates the named files: one into OUT (- for standard output), several each into OUT/PATH.c.",
     [](const char* value) { out = value; ++outs; return false; }},
    {{"-j"}, Value::Next, " N",
     "With -o, translates the files in N processes at once; the outputs and the messages stay the same.",
     [](const char* value) { processes = value ? value : ""; return false; }},
    {{"--sarif="}, Value::Joined, "FILE", "Also writes every error and warning as a SARIF 2.1.0 log to FILE.",
     [](const char* value) { sarif = value; return false; }},
    {{"-h", "--help"}, Value::None, "", "Prints this list, then exits.", [](const char*) { Print_Help(); return true; }},
};

void Print_Help() {
    fputs("\n\tOptions:", stdout);
    fputs("\n\t--------", stdout);
    for (const Option& option : options) {
        printf("\n\t%s", option.names[0]);
        if (option.names[1]) printf(", %s", option.names[1]);
        printf("%s : %s", option.value_name, option.help);
    }
    fputs("\n\n", stdout);
}

const Option* Find_Option(const char* argument) {
    for (const Option& option : options)
        for (const char* name : option.names) {
            if (!name) continue;
            if (option.value == Value::Joined ? strncmp(argument, name, strlen(name)) == 0
                                              : strcmp(argument, name) == 0)
                return &option;
        }
    return nullptr;
}

// The option at argv[i] with its value (null when none); i moves past a
// value taken from the next argument.
struct Given {
    const Option* option;
    const char* value;
};
Given Take(int& i, int argc, char** argv) {
    const Option* option = Find_Option(argv[i]);
    if (!option || option->value == Value::None) return Given{option, nullptr};
    if (option->value == Value::Joined) return Given{option, argv[i] + strlen(option->names[0])};
    return Given{option, i + 1 < argc ? argv[++i] : nullptr};
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

void Cannot_Log(const std::string& why) { fprintf(stderr, "vhdl87c: cannot write '%s': %s\n", sarif, why.c_str()); }

// What is wrong with the arguments of -o, -j and --sarif=, or null.
const char* Wrong_Arguments(const std::vector<const char*>& files, int& workers) {
    if (processes && (sscanf(processes, "%d", &workers) != 1 || workers < 1 || workers > 64))
        return "-j needs the number of processes, 1 to 64: -j N";
    if (outs > 1) return "-o given twice: one output, or one folder for several files";
    if (outs && !out) return "-o needs the output: -o OUT FILE...";
    if (outs && files.empty()) return "-o OUT needs the files to translate (- for standard input)";
    if (sarif && !sarif[0]) return "--sarif= needs the file to write: --sarif=FILE";
    return nullptr;
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
    // The options in order; with -o, the other arguments but "-..." name
    // the files.  The log starts before the warnings, which it holds too.
    std::vector<Given> given;
    std::vector<const char*> others;
    for (int i = 1; i < argc; ++i) {
        Given option = Take(i, argc, argv);
        if (option.option) given.push_back(option);
        else others.push_back(argv[i]);
    }
    for (const Given& option : given)
        if (option.option->value != Value::None) option.option->act(option.value);
    if (sarif && sarif[0]) {
        std::string why = Start_Log(sarif);
        if (!why.empty()) {
            Cannot_Log(why);
            return 1;
        }
    }
    std::vector<const char*> files;
    for (const char* argument : others) {
        if (outs && (argument[0] != '-' || argument[1] == '\0')) files.push_back(argument);
        else Warn_Ignored(argument);
    }
    for (const Given& option : given)
        if (option.option->value == Value::None && option.option->act(nullptr)) return Finish_Output(0);

    int workers = 1;
    int status = 1;
    if (const char* wrong = Wrong_Arguments(files, workers)) {
        Tell_Program(Message::Arguments, "error", nullptr, wrong);
    } else if (outs) {
        status = Finish_Output(Translate_Files(out, files, workers));
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
            Cannot_Log(why);
            status = 1;
        }
    }
    return status;
}
