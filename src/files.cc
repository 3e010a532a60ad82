// File mode (see files.h): the outputs planned and checked, each design
// translated through the same run as standard input, into its output
// written whole, and the summary.
#include "files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <malloc.h>
#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "diagnostics.h"
#include "explain_warnings.h"
#include "message_kinds.h"
#include "messages.h"
#include "options.h"
#include "run.h"
#include "whole_file.h"
#include "workers.h"

namespace {

const size_t kNamedFailures = 10;

struct Job {
    const char* input;   // as given; "-" is standard input
    std::string output;  // empty: standard output
};

bool Is_Standard(const char* path) { return strcmp(path, "-") == 0; }

bool Is_Folder(const char* path) {
    struct stat there;
    return stat(path, &there) == 0 && S_ISDIR(there.st_mode);
}

bool Ends_With(const std::string& text, const char* suffix) {
    size_t n = strlen(suffix);
    return text.size() > n && strcasecmp(text.c_str() + text.size() - n, suffix) == 0;
}

// The input's path below the output folder: leading '/' and '.' parts
// dropped, 'x/..' folded; false when it climbs above its start.
bool Relative_Path(const char* input, std::string& relative) {
    std::string parts;
    const char* at = input;
    while (*at) {
        const char* end = strchr(at, '/');
        if (!end) end = at + strlen(at);
        std::string part(at, end);
        if (part == "..") {
            if (parts.empty()) return false;
            size_t slash = parts.rfind('/');
            parts.erase(slash == std::string::npos ? 0 : slash);
        } else if (!part.empty() && part != ".") {
            parts += (parts.empty() ? "" : "/") + part;
        }
        at = *end ? end + 1 : end;
    }
    relative = parts;
    return !parts.empty();
}

// OUT/PATH.c for PATH.vhd or PATH.vhdl (PATH.EXT.c for other names), and
// OUT/stdin.c for standard input.
bool Output_In_Folder(const std::string& folder, const char* input, std::string& output) {
    std::string relative = "stdin";
    if (!Is_Standard(input)) {
        if (!Relative_Path(input, relative)) return false;
        for (const char* extension : {".vhd", ".vhdl"})
            if (Ends_With(relative, extension)) relative.erase(relative.size() - strlen(extension));
    }
    output = folder + (folder.empty() || folder.back() == '/' ? "" : "/") + relative + ".c";
    return true;
}

// The path with its '.' parts and doubled '/' dropped: two spellings of one
// input that does not exist (yet).
std::string Spelling(const char* input) {
    std::string relative;
    if (Is_Standard(input) || !Relative_Path(input, relative)) return input;
    return (input[0] == '/' ? "/" : "") + relative;
}

// The file behind a path: its device and inode, when it exists.
using File_Id = std::pair<dev_t, ino_t>;
bool Identify(const char* path, File_Id& id) {
    struct stat there;
    if (Is_Standard(path) || stat(path, &there) != 0) return false;
    id = File_Id{there.st_dev, there.st_ino};
    return true;
}

void Cannot(const char* what, const char* path, const std::string& why) {
    Tell_Program(what[0] == 'r' ? Message::Unreadable_Input : Message::Unwritable_Output, "error",
                 Is_Standard(path) ? "<stdin>" : path, std::string("cannot ") + what + " '" + path + "': " + why);
}

// A clash of the planned outputs.
void Clash(const std::string& text) { Tell_Program(Message::Clashing_Outputs, "error", nullptr, text); }

// Every output planned before anything is written: an input given twice,
// two inputs for one output, an output over an input, an input above the
// folder are each reported; then the run writes nothing.
bool Plan(const char* out, const std::vector<const char*>& inputs, std::vector<Job>& jobs, bool& in_folder) {
    bool to_standard = Is_Standard(out);
    std::string folder = out;
    in_folder = !to_standard && (inputs.size() > 1 || folder.back() == '/' || Is_Folder(out));
    std::string bare = folder.substr(0, folder.find_last_not_of('/') + 1);
    if (in_folder && !bare.empty() && !Is_Folder(out) && access(bare.c_str(), F_OK) == 0) {
        Clash(std::string("cannot write into '") + out +
              "': not a folder (several files, or -o FOLDER/, write one file each into a folder)");
        return false;
    }
    bool clear = true;
    std::map<File_Id, const char*> input_files;
    std::map<std::string, const char*> given, outputs;
    for (const char* input : inputs) {
        Job job{input, to_standard ? "" : out};
        if (in_folder && !Output_In_Folder(folder, input, job.output)) {
            Clash(std::string("'") + input + "' lies above the current folder: its translation would not be below '" +
                  out + "'");
            clear = false;
            continue;
        }
        File_Id id;
        bool known = Identify(input, id);
        std::string spelling = Spelling(input);
        const char* same = known && input_files.count(id) ? input_files[id]
                           : given.count(spelling)          ? given[spelling]
                                                            : nullptr;
        if (same) {
            Clash(std::string("'") + input + "' given twice" +
                  (strcmp(same, input) == 0 ? "" : std::string(" (as '") + same + "' before)"));
            clear = false;
            continue;
        }
        if (known) input_files[id] = input;
        given[spelling] = input;
        if (!job.output.empty() && outputs.count(job.output)) {
            Clash(std::string("'") + outputs[job.output] + "' and '" + input + "' would both be written to '" +
                  job.output + "'");
            clear = false;
            continue;
        }
        if (!job.output.empty()) outputs[job.output] = input;
        jobs.push_back(job);
    }
    for (const Job& job : jobs) {
        File_Id id;
        if (!job.output.empty() && Identify(job.output.c_str(), id) && input_files.count(id)) {
            Clash(std::string("the translation of '") + job.input + "' would overwrite the input '" +
                  input_files[id] + "'");
            clear = false;
        }
    }
    return clear;
}

// Opens the input for reading; null (and the message) when it cannot be read.
FILE* Open_Input(const char* input) {
    if (Is_Standard(input)) return stdin;
    int fd = open(input, O_RDONLY | O_CLOEXEC);
    struct stat there;
    int error = fd < 0 ? errno : fstat(fd, &there) != 0 ? errno : S_ISDIR(there.st_mode) ? EISDIR : 0;
    FILE* file = error ? nullptr : fdopen(fd, "r");
    if (!file && !error) error = errno;
    if (error) {
        if (fd >= 0) close(fd);
        Cannot("read", input, strerror(error));
    }
    return file;
}

// Translates one design into its output: true when it was translated and
// written whole.  A design that fails leaves no output behind, not even
// one from an earlier run.
bool Translate_One(const Job& job, bool make_folders) {
    FILE* input = Open_Input(job.input);
    if (!input) {
        if (!job.output.empty()) Remove_Stale(job.output);
        return false;
    }
    Whole_File file;
    int kept_stdout = -1;
    if (!job.output.empty()) {
        std::string why = Open_Whole(file, job.output, make_folders);
        if (!why.empty()) {
            Cannot("write", job.output.c_str(), why);
            if (input != stdin) fclose(input);
            return false;
        }
        // The translation, and all else the run writes on standard output,
        // goes to the file.
        fflush(stdout);
        kept_stdout = dup(STDOUT_FILENO);
        dup2(file.fd, STDOUT_FILENO);
    }
    // Every message of the run names the file as given.
    Set_Source_Name(Is_Standard(job.input) ? nullptr : job.input);
    int result = Run_Translation(input);
    if (result != 0) Tell_Rejection();
    Set_Source_Name(nullptr);
    if (input != stdin) fclose(input);
    if (job.output.empty()) return result == 0;

    errno = 0;
    bool written = fflush(stdout) == 0 && !ferror(stdout);
    std::string why = written ? "" : strerror(errno ? errno : EIO);
    clearerr(stdout);
    dup2(kept_stdout, STDOUT_FILENO);
    close(kept_stdout);
    if (result == 0 && written) why = Commit_Whole(file);
    else Abandon_Whole(file);
    if (!why.empty()) Cannot("write", job.output.c_str(), why);
    if (result == 0 && why.empty()) return true;
    Remove_Stale(job.output);
    return false;
}

// How many files were translated and which were not; with --explain, the
// warnings of all of them, else the hint that --explain warns.
void Summarize(size_t designs, const std::vector<const char*>& failed) {
    fprintf(stderr, "vhdl87c: %zu files: %zu translated, %zu not", designs, designs - failed.size(), failed.size());
    for (size_t i = 0; i < failed.size() && i < kNamedFailures; ++i)
        fprintf(stderr, "%s%s", i == 0 ? ": " : ", ", failed[i]);
    if (failed.size() > kNamedFailures) fprintf(stderr, " and %zu more", failed.size() - kNamedFailures);
    if (explaining) {
        long long total = process_warnings.skipped;
        int kinds = process_warnings.skipped > 0;
        for (long long count : process_warnings.by_kind) {
            total += count;
            kinds += count > 0;
        }
        fprintf(stderr, "; %lld warning%s of %d kind%s", total, total == 1 ? "" : "s", kinds, kinds == 1 ? "" : "s");
    } else if (failed.size() < designs) {
        fputs("; --explain warns where the C text does not carry the VHDL", stderr);
    }
    fputc('\n', stderr);
}

}  // namespace

int Translate_Files(const char* out, const std::vector<const char*>& inputs, int workers) {
    // What one design frees stays with the process for the next, instead of
    // going back to the system and coming again: a tree of small files
    // otherwise spends a quarter of its time growing and shrinking the heap.
    // The process still holds no more than its largest design needs.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    std::vector<Job> jobs;
    bool in_folder = false;
    if (!Plan(out, inputs, jobs, in_folder)) return 1;
    std::vector<bool> translated(jobs.size());
    // Standard output takes the translations one after the other: one process.
    if (workers > 1 && jobs.size() > 1 && !jobs[0].output.empty()) {
        std::vector<long long> sizes;
        for (const Job& job : jobs) {
            struct stat there;
            sizes.push_back(stat(job.input, &there) == 0 ? static_cast<long long>(there.st_size) : 0);
        }
        translated = Run_Shared(
            jobs.size(), workers, sizes, [&](size_t i) { return Translate_One(jobs[i], in_folder); },
            [](FILE* tally) { fwrite(&process_warnings, sizeof process_warnings, 1, tally); },
            [](FILE* tally) {
                Warning_Tally share;
                if (fread(&share, sizeof share, 1, tally) != 1) return;
                process_warnings.skipped += share.skipped;
                for (int kind = 0; kind < kWarningKinds; ++kind) process_warnings.by_kind[kind] += share.by_kind[kind];
            });
    } else {
        for (size_t i = 0; i < jobs.size(); ++i) translated[i] = Translate_One(jobs[i], in_folder);
    }
    std::vector<const char*> failed;
    for (size_t i = 0; i < jobs.size(); ++i)
        if (!translated[i]) failed.push_back(jobs[i].input);
    if (jobs.size() > 1) Summarize(jobs.size(), failed);
    return failed.empty() ? 0 : 1;
}
