// Translates every input file twice in one process and checks that both
// runs agree byte for byte and in their result, and that no fragment
// outlives a run.  The second pass goes through the files in reverse order,
// so each file's second run follows a different neighbour than its first:
// nothing that one translation leaves behind may show in the next.
//
//   selfcheck_twice FILE...
//
// Standard output is redirected to a temporary file for each run.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fragment.h"
#include "run.h"

namespace {

struct Outcome {
    int result = -1;
    std::string output;
};

std::string Read_All(FILE* file) {
    std::string text;
    char buffer[1 << 16];
    size_t n;
    rewind(file);
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    return text;
}

// One translation of `path` with standard output caught in a temporary file.
bool Translate(const std::string& path, Outcome& outcome) {
    FILE* input = fopen(path.c_str(), "rb");
    FILE* output = tmpfile();
    if (!input || !output) {
        perror(path.c_str());
        return false;
    }
    fflush(stdout);
    int saved = dup(STDOUT_FILENO);
    dup2(fileno(output), STDOUT_FILENO);
    long live_before = Live_Fragments();
    outcome.result = Run_Translation(input);
    fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
    fclose(input);
    outcome.output = Read_All(output);
    fclose(output);
    if (Live_Fragments() != live_before) {
        fprintf(stderr, "%s: %ld fragments outlive the run\n", path.c_str(), Live_Fragments() - live_before);
        return false;
    }
    return true;
}

// Where two texts part, for the report.
size_t First_Difference(const std::string& a, const std::string& b) {
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files(argv + 1, argv + argc);
    if (files.empty()) {
        fprintf(stderr, "usage: %s FILE...\n", argv[0]);
        return 2;
    }
    std::vector<Outcome> first(files.size());
    int failures = 0;
    for (size_t i = 0; i < files.size(); ++i)
        if (!Translate(files[i], first[i])) ++failures;
    for (size_t k = files.size(); k-- > 0;) {
        Outcome second;
        if (!Translate(files[k], second)) {
            ++failures;
            continue;
        }
        if (second.result != first[k].result) {
            fprintf(stderr, "%s: result %d, then %d\n", files[k].c_str(), first[k].result, second.result);
            ++failures;
        } else if (second.output != first[k].output) {
            size_t at = First_Difference(first[k].output, second.output);
            fprintf(stderr, "%s: the outputs part at byte %zu of %zu/%zu:\n  first:  %.80s\n  second: %.80s\n",
                    files[k].c_str(), at, first[k].output.size(), second.output.size(),
                    first[k].output.c_str() + at, second.output.c_str() + at);
            ++failures;
        }
    }
    printf("%zu files translated twice: %d differ\n", files.size(), failures);
    return failures == 0 ? 0 : 1;
}
