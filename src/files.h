// File mode (-o OUT): the designs of the files named as arguments, each
// translated exactly as from standard input, each into an output of its
// own, with a summary after several files.
#pragma once

#include <vector>

// Translates `inputs` ("-" is standard input) into `out`: one input to the
// file `out` ("-": standard output); several, or `out` a folder or ending
// in '/', each PATH.vhd to OUT/PATH.c.  Every output is planned and checked
// first (no two the same, none over an input): a clash is reported and
// nothing is written.  Returns the exit status: 0 when every design was
// translated, else 1.  With `workers` above 1 the files are translated in
// that many processes at once (workers.h); the messages, the outputs and
// the summary are the same.
int Translate_Files(const char* out, const std::vector<const char*>& inputs, int workers);
