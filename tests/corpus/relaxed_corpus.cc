// The relaxed reading changes nothing in a VHDL-87 file: every file of the
// real-world corpus gives the same output, result and error stream with
// --relaxed as without.  All in one process, each file read twice, so the
// test costs no process per file and holds no pipe that could block.
//
//   relaxed_corpus DIRECTORY     exit status 77 when there is no DIRECTORY
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "options.h"
#include "run.h"

namespace {

struct Outcome {
    int result = -1;
    std::string output, errors;
};

std::string Read_All(FILE* file) {
    std::string text;
    char buffer[1 << 16];
    size_t n;
    rewind(file);
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    return text;
}

// One translation of `path`, its standard output and error stream caught in
// temporary files.
bool Translate(const std::string& path, bool relaxed, Outcome& outcome) {
    FILE* input = fopen(path.c_str(), "rb");
    FILE* output = tmpfile();
    FILE* errors = tmpfile();
    if (!input || !output || !errors) {
        perror(path.c_str());
        return false;
    }
    fflush(stdout);
    fflush(stderr);
    int saved_out = dup(STDOUT_FILENO), saved_err = dup(STDERR_FILENO);
    dup2(fileno(output), STDOUT_FILENO);
    dup2(fileno(errors), STDERR_FILENO);
    relaxed_reading = relaxed;
    outcome.result = Run_Translation(input);
    fflush(stdout);
    fflush(stderr);
    dup2(saved_out, STDOUT_FILENO);
    dup2(saved_err, STDERR_FILENO);
    close(saved_out);
    close(saved_err);
    fclose(input);
    outcome.output = Read_All(output);
    outcome.errors = Read_All(errors);
    fclose(output);
    fclose(errors);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s DIRECTORY\n", argv[0]);
        return 2;
    }
    std::error_code error;
    if (!std::filesystem::is_directory(argv[1], error)) {
        printf("no corpus at %s\n", argv[1]);
        return 77;
    }
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[1], error)) {
        std::string ext = entry.path().extension().string();
        if (entry.is_regular_file() && (ext == ".vhd" || ext == ".vhdl")) files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    int differ = 0;
    for (const std::string& file : files) {
        Outcome plain, relaxed;
        if (!Translate(file, false, plain) || !Translate(file, true, relaxed)) return 1;
        if (plain.result != relaxed.result || plain.output != relaxed.output || plain.errors != relaxed.errors) {
            printf("differs with --relaxed: %s (result %d, relaxed %d)\n", file.c_str(), plain.result,
                   relaxed.result);
            ++differ;
        }
    }
    printf("%zu files, %d differ with --relaxed\n", files.size(), differ);
    return !files.empty() && differ == 0 ? 0 : 1;
}
