// libFuzzer target: any byte stream through the whole translator.
//
// Each input is translated twice in the same process, with standard output
// caught in an in-memory file, and the harness checks what must hold for
// every input, valid or not:
//   - the parser's result is 0 (translated), 1 (syntax error) or 2 (stack
//     overflow), and no fragment outlives the run;
//   - a translation is one text ending in a line end with no error report in
//     it; a failed run prints exactly the three-line error report and nothing
//     of a translation;
//   - the second run, of the input with the case of every ASCII letter
//     swapped and with -DEBUG's prints switched on, gives the same result and
//     ends with the same bytes as the first (the letters' case aside when a
//     relaxed input holds a backslash): the scanner folds case as it
//     reads, the debug prints only come ahead of the translation or report,
//     and nothing of one run may leak into the next.  On a difference the
//     input itself is run once more to tell the faults apart.
// The input's last byte also chooses the options of both runs: bit 0
// --relaxed, bit 1 --explain, bit 2 --annotate; the first run is without
// -DEBUG and the second with it, so every combination is driven.  The byte
// stays part of the input.  With --annotate, the first translation with its
// notes deleted is the translation without the option (but where a note
// ends with "* /", inside a comment or with "*/" in its message: the
// note's end is not told apart from the text there), and the case-swapped
// run is compared without its notes (a string literal's capitals decide
// whether it is warned about); an input that names vhdl87c is left to the
// checks of every input.
// A broken rule aborts, which libFuzzer reports as a crash.  Built with
// libFuzzer (-fsanitize=fuzzer) this file is the whole fuzz target; built
// with replay_main.cc it replays saved inputs without libFuzzer.
#include <fcntl.h>
#include <strings.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "context.h"
#include "fragment.h"
#include "options.h"
#include "run.h"

namespace {

int output_fd = -1;

[[noreturn]] void Fail(const char* rule, const std::string& output) {
    fprintf(stderr, "vhdl87c_fuzz: %s\n--- standard output (%zu bytes, first 2000) ---\n%.*s\n---\n", rule,
            output.size(), static_cast<int>(output.size() < 2000 ? output.size() : 2000), output.data());
    abort();
}

// Standard output goes to an anonymous in-memory file for the whole run.
void Catch_Output() {
    if (output_fd >= 0) {
        struct stat ours, now;
        if (fstat(output_fd, &ours) == 0 && fstat(STDOUT_FILENO, &now) == 0 && ours.st_ino == now.st_ino &&
            ours.st_dev == now.st_dev)
            return;
        fputs("vhdl87c_fuzz: standard output was redirected elsewhere; catching it again\n", stderr);
        dup2(output_fd, STDOUT_FILENO);
        return;
    }
    fflush(stdout);
    output_fd = memfd_create("vhdl87c_fuzz_stdout", 0);
    if (output_fd < 0 || dup2(output_fd, STDOUT_FILENO) < 0) {
        perror("vhdl87c_fuzz: cannot catch standard output");
        exit(2);
    }
}

// Everything written since the last call, which empties the file again.
// The in-memory file is reached through its own descriptor, so that only it
// is ever truncated.
std::string Take_Output() {
    fflush(stdout);
    std::string text;
    off_t size = lseek(output_fd, 0, SEEK_CUR);
    if (size > 0) {
        text.resize(static_cast<size_t>(size));
        if (pread(output_fd, &text[0], text.size(), 0) != static_cast<ssize_t>(text.size())) {
            perror("vhdl87c_fuzz: cannot read back standard output");
            exit(2);
        }
    }
    if (ftruncate(output_fd, 0) != 0 || fseek(stdout, 0, SEEK_SET) != 0) {
        perror("vhdl87c_fuzz: cannot empty standard output");
        exit(2);
    }
    return text;
}

// One translation of the input; its standard output is returned in `output`.
int Translate(const uint8_t* data, size_t size, std::string& output) {
    // fmemopen refuses an empty buffer: an empty input is read from /dev/null.
    FILE* input = size > 0 ? fmemopen(const_cast<uint8_t*>(data), size, "r") : fopen("/dev/null", "r");
    if (!input) {
        perror("vhdl87c_fuzz: cannot open the input");
        exit(2);
    }
    long live_before = Live_Fragments();
    // The explanation goes to standard error; it is not checked here, and
    // is kept out of the fuzzer's log.
    static int quiet = open("/dev/null", O_WRONLY);
    int saved_stderr = -1;
    if (explaining && quiet >= 0) {
        fflush(stderr);
        saved_stderr = dup(STDERR_FILENO);
        dup2(quiet, STDERR_FILENO);
    }
    int result = Run_Translation(input);
    if (saved_stderr >= 0) {
        fflush(stderr);
        dup2(saved_stderr, STDERR_FILENO);
        close(saved_stderr);
    }
    fclose(input);
    output = Take_Output();
    if (Live_Fragments() != live_before) Fail("fragments outlive the run", output);
    return result;
}

bool Starts_With(const std::string& text, const char* prefix) { return text.compare(0, strlen(prefix), prefix) == 0; }

// Whether `text` is a decimal number without sign.
bool Is_Number(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The report: a blank line, the message line, and the token line
// "String:(TOKEN) Line:N Column:N"; nothing else.
bool Is_Error_Report(const std::string& output, const char* message) {
    std::string head = std::string("\nERROR:'") + message + "' in your Source Code!!!!\nString:(";
    if (!Starts_With(output, head.c_str()) || output.back() != '\n') return false;
    // A token text holds no line end, so the token line closes the output.
    std::string line = output.substr(head.size(), output.size() - head.size() - 1);
    if (line.find('\n') != std::string::npos) return false;
    size_t column = line.rfind(" Column:");
    size_t at = line.rfind(") Line:", column);
    return column != std::string::npos && at != std::string::npos &&
           Is_Number(line.substr(at + 7, column - at - 7)) && Is_Number(line.substr(column + 8));
}

void Check(int result, const std::string& output) {
    switch (result) {
    case 0:
        if (output.empty() || output.back() != '\n') Fail("a translation must end with a line end", output);
        // Every token is lower-cased, so the report's capitals cannot stem
        // from the input.
        if (output.find("ERROR:'") != std::string::npos) Fail("error report inside a translation", output);
        break;
    case 1:
        if (!Is_Error_Report(output, "parse error")) Fail("a syntax error must print the report alone", output);
        break;
    case 2:
        if (!Is_Error_Report(output, "parser stack overflow"))
            Fail("a stack overflow must print the report alone", output);
        break;
    default:
        Fail("Run_Translation returned a value other than 0, 1 or 2", output);
    }
}

}  // namespace

// The entry point libFuzzer (or replay_main.cc) calls.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

// Whether `text` starts with the bytes of `expected`; with `any_case`, the
// letters' case aside: an extended identifier of the relaxed reading keeps
// the case it is written in, so swapping the input's case swaps its text.
bool Same_Text(const char* text, const std::string& expected, bool any_case) {
    for (size_t i = 0; i < expected.size(); ++i) {
        char a = text[i], b = expected[i];
        if (a == b) continue;
        if (!any_case || (a ^ 0x20) != b || !((a >= 'a' && a <= 'z') || (a >= 'A' && a <= 'Z'))) return false;
    }
    return true;
}

// The options the last byte chooses, for the runs of one input.
struct Options {
    explicit Options(const uint8_t* data, size_t size) {
        unsigned choice = size > 0 ? data[size - 1] : 0;
        relaxed_reading = choice & 1;
        explaining = choice & 2;
        annotating = choice & 4;
    }
    ~Options() {
        relaxed_reading = false;
        explaining = false;
        annotating = false;
        DEBUG = 0;
    }
};

// `text` without the notes of --annotate, " /* vhdl87c[KIND]: MESSAGE */".
std::string Without_Notes(const std::string& text) {
    static const std::string start = " /* vhdl87c[";
    std::string rest;
    size_t from = 0;
    for (size_t at = text.find(start); at != std::string::npos; at = text.find(start, from)) {
        // A note ends with " */", or with " * /" inside a comment.
        size_t end = text.find(" */", at + start.size()), in_comment = text.find(" * /", at + start.size());
        if (end == std::string::npos && in_comment == std::string::npos) break;
        rest.append(text, from, at - from);
        from = in_comment < end ? in_comment + 4 : end + 3;
    }
    return rest.append(text, from, std::string::npos);
}

// Whether the input itself names vhdl87c, in any case: its text may then
// read like a note (a golden case's string literals do), which the rules
// on notes would take for one; with --annotate such an input is only
// checked as every input is (Check).
bool Names_Us(const uint8_t* data, size_t size) {
    static const char name[] = "vhdl87c";
    for (size_t i = 0; i + sizeof name - 1 <= size; ++i)
        if (strncasecmp(reinterpret_cast<const char*>(data) + i, name, sizeof name - 1) == 0) return true;
    return false;
}

// With --annotate: the translation without its notes is the one without
// the option.
void Check_Notes(const uint8_t* data, size_t size, int result, const std::string& annotated) {
    if (!annotating || annotated.find(" * /") != std::string::npos) return;
    annotating = false;
    std::string plain;
    int plain_result = Translate(data, size, plain);
    annotating = true;
    if (plain_result != result || Without_Notes(annotated) != plain)
        Fail("the annotated translation without its notes is not the translation without --annotate",
             annotated + "\n=== without --annotate ===\n" + plain);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Catch_Output();
    Options options(data, size);
    std::string first, second;
    int result = Translate(data, size, first);
    Check(result, first);
    if (annotating && Names_Us(data, size)) return 0;
    Check_Notes(data, size, result, first);
    std::string swapped(reinterpret_cast<const char*>(data), size);
    for (char& c : swapped)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) c ^= 0x20;
    DEBUG = 1;
    int swapped_result = Translate(reinterpret_cast<const uint8_t*>(swapped.data()), size, second);
    DEBUG = 0;
    // A string literal's letters' case decides whether it is warned about:
    // with --annotate the two texts are compared without their notes.
    const std::string& ours = annotating ? Without_Notes(first) : first;
    const std::string& theirs = annotating ? Without_Notes(second) : second;
    if (swapped_result == result && theirs.size() >= ours.size() &&
        Same_Text(theirs.data() + (theirs.size() - ours.size()), ours,
                  relaxed_reading && memchr(data, '\\', size) != nullptr))
        return 0;
    std::string third;
    if (Translate(data, size, third) != result || third != first)
        Fail("the same input translated twice gives different results", first + "\n=== again ===\n" + third);
    Fail("with letter case swapped and -DEBUG, the output does not end with the plain translation",
         first + "\n=== case swapped, -DEBUG ===\n" + second);
}
