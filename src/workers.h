// -j N: a list of tasks run in N processes at once, each process a
// contiguous share of the list, so that what a person reads comes in the
// order of the list: each process's error stream (and its results of the
// SARIF log) is kept aside and handed on by the program, share after
// share, once that process has ended.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <vector>

// Runs task(0) ... task(count - 1) in `workers` processes; the shares are
// cut so that their `weights` (the input sizes) are about equal.  What a
// process learnt beside the outcomes (a tally) it writes with `save` when
// its share is done, and the program reads it with `load`.  Returns each
// task's outcome: what it returned, or false when its process ended before
// it (the one memory error).
std::vector<bool> Run_Shared(size_t count, int workers, const std::vector<long long>& weights,
                             const std::function<bool(size_t)>& task, const std::function<void(FILE*)>& save,
                             const std::function<void(FILE*)>& load);
