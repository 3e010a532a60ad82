// Byte-class scaling: every byte value costs time linear in how often it
// occurs, whatever it stands next to.
//
//   byte_class_scaling [N]        N copies against 4 N copies (default 1024)
//
// For each byte value 0 to 255 and each context a byte can stand in (top
// level, inside a comment, after an opening quotation mark, inside an
// identifier-like run, after an apostrophe), an input of N copies and one of
// 4 N copies are scanned to their end, and the instructions spent on the
// larger must stay under 5 times those spent on the smaller: a linear
// scanner gives 4, one that matches a token again for every such byte about
// 16.  The instructions spent on the context's opening alone (the scanner's
// start and end) are taken off both, so that start-up does not matter; and
// both inputs fit the scanner's first buffer (16 KiB), whose growth for a
// longer token costs a bounded factor more and would blur the ratio (tokens
// of many megabytes are the Literals group's business).  Both inputs are
// also translated whole, and their results must agree.
//
// Instructions are counted, not timed: on a loaded machine the processor's
// caches alone move a ratio of times past 5.  The program translates every
// pair itself, then runs itself again under valgrind's callgrind, which
// writes the count of each scan to a file when asked (CALLGRIND_DUMP_STATS);
// without valgrind the counts are skipped, and so is the test (status 77)
// if the translations pass.  Exits 1 on a fault, naming the byte and the
// context.
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <valgrind/callgrind.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "fragment.h"
#include "literals.h"
#include "parser.hh"
#include "run.h"
#include "scanner.h"

namespace {

struct Context {
    const char* name;
    const char* prefix;  // once, ahead of the copies
    const char* before;  // ahead of each copy of the byte
};

const Context kContexts[] = {
    {"top level", "", ""},
    {"inside a comment", "--", ""},
    {"after an opening quotation mark", "\"", ""},
    {"inside an identifier-like run", "", "a"},
    {"after an apostrophe", "'", ""},
};

std::string Input(const Context& context, int byte, size_t copies) {
    std::string unit = std::string(context.before) + static_cast<char>(byte);
    std::string input = context.prefix;
    input.reserve(input.size() + unit.size() * copies);
    for (size_t i = 0; i < copies; ++i) input += unit;
    return input;
}

FILE* Open(std::string& buffer) {
    FILE* file = fmemopen(&buffer[0], buffer.size(), "r");
    if (!file) {
        perror("byte_class_scaling: fmemopen");
        exit(2);
    }
    return file;
}

// callgrind writes the counts since the last dump to COSTS.1, COSTS.2, ...
const char* costs = nullptr;
int dumps = 0;

// The instructions since the last CALLGRIND_ZERO_STATS.
long long Instructions_Counted() {
    CALLGRIND_DUMP_STATS;
    std::string name = std::string(costs) + "." + std::to_string(++dumps);
    FILE* file = fopen(name.c_str(), "r");
    long long count = -1;
    char line[256];
    while (file && fgets(line, sizeof line, file))
        if (sscanf(line, "totals: %lld", &count) == 1) break;
    if (file) fclose(file);
    unlink(name.c_str());
    if (count < 0) {
        fprintf(stderr, "byte_class_scaling: no count in %s\n", name.c_str());
        exit(2);
    }
    return count;
}

// Instructions to scan `input` to its end, every token's fragment released.
long long Scan_Cost(std::string input) {
    FILE* file = Open(input);
    Make_Scratch_Buffer();
    line_number = 1;
    column = 0;
    CALLGRIND_ZERO_STATS;
    Reset_Scanner(file);
    while (yylex() != 0) Release(yylval);
    Reset_Scanner(nullptr);
    long long cost = Instructions_Counted();
    Release_Scratch_Buffer();
    fclose(file);
    return cost;
}

// The parser's result for the whole translation; its output is discarded.
int Translate(std::string input) {
    FILE* file = Open(input);
    int result = Run_Translation(file);
    fflush(stdout);
    fclose(file);
    return result;
}

// Runs this program again under callgrind, its counts kept in a directory
// of its own that is removed afterwards.
int Run_Under_Callgrind(char** argv) {
    char directory[] = "/tmp/byte_class_scaling.XXXXXX";
    if (!mkdtemp(directory)) {
        perror("byte_class_scaling: mkdtemp");
        return 2;
    }
    std::string out = std::string(directory) + "/costs";
    pid_t child = fork();
    if (child == 0) {
        setenv("BYTE_CLASS_COSTS", out.c_str(), 1);
        std::string out_option = "--callgrind-out-file=" + out;
        execlp("valgrind", "valgrind", "-q", "--tool=callgrind", "--dump-instr=no", out_option.c_str(), argv[0],
               argv[1], static_cast<char*>(nullptr));
        _exit(77);
    }
    int status = 0;
    waitpid(child, &status, 0);
    unlink(out.c_str());
    rmdir(directory);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) fputs("byte_class_scaling: no valgrind; skipped\n", stderr);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}

// Translates every pair; returns the number of pairs whose results differ.
int Check_Results(size_t n) {
    // The translations write to standard output; only their results count.
    fflush(stdout);
    int saved = dup(STDOUT_FILENO), null = open("/dev/null", O_WRONLY);
    if (saved < 0 || null < 0 || dup2(null, STDOUT_FILENO) < 0) {
        perror("byte_class_scaling: /dev/null");
        exit(2);
    }
    int faults = 0;
    for (const Context& context : kContexts) {
        for (int byte = 0; byte < 256; ++byte) {
            int small = Translate(Input(context, byte, n)), large = Translate(Input(context, byte, 4 * n));
            if (small != large) {
                fprintf(stderr, "byte 0x%02x %s: %zu copies give result %d, %zu copies %d\n", byte, context.name,
                        n, small, 4 * n, large);
                ++faults;
            }
        }
    }
    dup2(saved, STDOUT_FILENO);
    close(saved);
    close(null);
    Release_Fragment_Memory();
    return faults;
}

// Counts the instructions of every pair's scans (under callgrind); returns
// the number of pairs whose ratio is not under the limit.
int Check_Costs(size_t n) {
    const double kLimit = 5.0;
    int faults = 0;
    double worst = 0;
    const char* worst_context = "";
    int worst_byte = 0;
    for (const Context& context : kContexts) {
        // The first scan also pays for first uses (the C library's lazy
        // binding, the first blocks of memory): it is not counted.
        Scan_Cost(context.prefix);
        long long c0 = Scan_Cost(context.prefix);
        for (int byte = 0; byte < 256; ++byte) {
            long long c1 = Scan_Cost(Input(context, byte, n)) - c0, c4 = Scan_Cost(Input(context, byte, 4 * n)) - c0;
            double ratio = static_cast<double>(c4) / static_cast<double>(c1 > 0 ? c1 : 1);
            if (ratio > worst) {
                worst = ratio;
                worst_context = context.name;
                worst_byte = byte;
            }
            if (!(ratio < kLimit)) {
                fprintf(stderr, "byte 0x%02x %s: %zu copies cost %lld more instructions, %zu copies %lld: ratio %.1f\n",
                        byte, context.name, n, c1, 4 * n, c4, ratio);
                ++faults;
            }
        }
    }
    fprintf(stderr, "byte_class_scaling: %zu contexts x 256 bytes, N = %zu: worst ratio %.2f (byte 0x%02x %s), %d faults\n",
            sizeof kContexts / sizeof kContexts[0], n, worst, worst_byte, worst_context, faults);
    Release_Fragment_Memory();
    return faults;
}

}  // namespace

int main(int argc, char** argv) {
    size_t n = argc > 1 ? strtoul(argv[1], nullptr, 10) : 1024;
    costs = getenv("BYTE_CLASS_COSTS");
    if (RUNNING_ON_VALGRIND && costs) return Check_Costs(n) ? 1 : 0;
    int result_faults = Check_Results(n);
    int status = Run_Under_Callgrind(argv);
    if (result_faults) return 1;
    return status;
}
