// Tasks in several processes, their messages in order (see workers.h).
#include "workers.h"

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

#include "sarif.h"

namespace {

struct Share {
    size_t first, end;  // tasks [first, end)
    pid_t process = -1;
    FILE* errors = nullptr;    // its error stream
    FILE* outcomes = nullptr;  // one byte per task done: '1' or '0'
    FILE* results = nullptr;   // its results of the SARIF log
};

// Contiguous shares of about equal weight, at most `workers` of them.
std::vector<Share> Cut(size_t count, int workers, const std::vector<long long>& weights) {
    long long total = 0;
    for (long long weight : weights) total += weight + 1;
    std::vector<Share> shares;
    size_t first = 0;
    long long done = 0;
    for (size_t i = 0; i < count; ++i) {
        done += weights[i] + 1;
        size_t k = shares.size() + 1;
        if (done * workers >= total * static_cast<long long>(k) || i + 1 == count) {
            shares.push_back(Share{first, i + 1});
            first = i + 1;
        }
    }
    return shares;
}

void Copy(FILE* from, FILE* to) {
    rewind(from);
    char block[1 << 14];
    size_t n;
    while ((n = fread(block, 1, sizeof block, from)) > 0) fwrite(block, 1, n, to);
}

}  // namespace

std::vector<bool> Run_Shared(size_t count, int workers, const std::vector<long long>& weights,
                             const std::function<bool(size_t)>& task, const std::function<void(FILE*)>& save,
                             const std::function<void(FILE*)>& load) {
    std::vector<bool> outcome(count, false);
    std::vector<Share> shares = Cut(count, workers, weights);
    fflush(nullptr);
    for (Share& share : shares) {
        share.errors = tmpfile();
        share.outcomes = tmpfile();
        share.results = tmpfile();
        if (!share.errors || !share.outcomes || !share.results) break;
        share.process = fork();
        if (share.process != 0) continue;
        dup2(fileno(share.errors), STDERR_FILENO);
        Sarif_Divert(fileno(share.results));
        for (size_t i = share.first; i < share.end; ++i) {
            bool done = task(i);
            fflush(stderr);
            fputc(done ? '1' : '0', share.outcomes);
            fflush(share.outcomes);
        }
        Sarif_Divert(-1);
        fputc('\n', share.outcomes);
        save(share.outcomes);
        fflush(nullptr);
        _exit(0);
    }
    for (Share& share : shares) {
        if (share.process > 0) {
            int status;
            while (waitpid(share.process, &status, 0) < 0) {
            }
        } else {
            // No process for this share (no temporary file, no fork): the
            // program runs it itself.
            for (size_t i = share.first; i < share.end; ++i) outcome[i] = task(i);
        }
        if (share.errors) {
            Copy(share.errors, stderr);
            fclose(share.errors);
        }
        if (share.outcomes) {
            rewind(share.outcomes);
            for (size_t i = share.first; i < share.end; ++i) {
                int c = fgetc(share.outcomes);
                if (share.process > 0) outcome[i] = c == '1';
            }
            if (share.process > 0 && fgetc(share.outcomes) == '\n') load(share.outcomes);
            fclose(share.outcomes);
        }
        if (share.results) {
            Sarif_Splice(fileno(share.results));
            fclose(share.results);
        }
    }
    return outcome;
}
