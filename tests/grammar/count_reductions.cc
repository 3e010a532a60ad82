// Counts how often each rule of the grammar is reduced while the files
// named on the command line are translated, one after the other in one
// process.  The parser of this program is the translator's own, compiled
// with its trace on and the trace sent here (reduction_trace.h): the
// translator itself is built without it.
//
//   count_reductions FILE...
//
// Built with COUNT_LATER, it counts the later grammar's parser instead, with
// the files read as --relaxed reads them.
//
// Prints one line per rule reduced at least once: RULE COUNT LINE, where
// RULE is the rule's number in bison's report and LINE its line in the
// grammar file.  The translations themselves are discarded.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
#include <utility>

#include <unistd.h>

#include "reduction_trace.h"
#include "run.h"

#ifdef COUNT_LATER
#include "options.h"
extern int later_debug;
#define parser_debug later_debug
#else
extern int yydebug;
#define parser_debug yydebug
#endif

namespace {

// rule -> (reductions, grammar line)
std::map<int, std::pair<long, int>> counts;

}  // namespace

int Count_Reduction(FILE*, const char* format, ...) {
    static const char reducing[] = "Reducing stack by rule ";
    if (strncmp(format, reducing, sizeof reducing - 1) != 0) return 0;
    va_list arguments;
    va_start(arguments, format);
    int rule = va_arg(arguments, int);
    int line = va_arg(arguments, int);
    va_end(arguments);
    auto& entry = counts[rule];
    ++entry.first;
    entry.second = line;
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: %s FILE...\n", argv[0]);
        return 2;
    }
    FILE* results = fdopen(dup(fileno(stdout)), "w");
    if (!results || !freopen("/dev/null", "w", stdout)) {
        perror("count_reductions");
        return 2;
    }
    parser_debug = 1;
#ifdef COUNT_LATER
    relaxed_reading = true;
#endif
    for (int i = 1; i < argc; ++i) {
        FILE* input = fopen(argv[i], "rb");
        if (!input) {
            perror(argv[i]);
            return 2;
        }
        Run_Translation(input);
        fclose(input);
    }
    for (const auto& [rule, entry] : counts) fprintf(results, "%d %ld %d\n", rule, entry.first, entry.second);
    return fclose(results) == 0 ? 0 : 2;
}
