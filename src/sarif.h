// --sarif=FILE: the errors and warnings of a run as one SARIF 2.1.0 log,
// the format that editors and code-review services read.  The log names
// the tool, its version and a rule for every kind of message, and holds
// one result for every error and warning line written on standard error:
// its level, its text, the file and the place.  It is written as the run
// goes (nothing of it is kept but the last result, which a note may still
// join) into a temporary file, renamed into place when the run ends.
#pragma once

#include <string>

// One kind of message: a short fixed name and what it tells.
struct Sarif_Rule {
    const char* id;
    const char* description;
};

// True while a log is being written.
extern bool sarif_logging;

// Starts the log at `path` for a run of program version `version` with the
// kinds `rules`; "" or why it cannot be written.
std::string Sarif_Start(const char* path, const char* version, const Sarif_Rule* rules, int rule_count);
// One result of rule `rule` ("error", "warning") in `file` (null: none;
// "<stdin>": standard input), at `line` and `column` (0: the whole file)
// up to `end_column` (exclusive; 0: not marked).
void Sarif_Result(const char* rule, const char* level, const char* file, long long line, long long column,
                  long long end_column, const std::string& text);
// The end column (exclusive) of the last result's region.
void Sarif_End_Column(long long end_column);
// A note that follows the last result: a line of its text.
void Sarif_Note(const std::string& text);
// In a process of -j (workers.h): the results go to `fd` instead, to be
// spliced into the log by the program; -1 writes out the last one and
// ends that.
void Sarif_Divert(int fd);
// The results a process wrote to `fd`, joined to the log.
void Sarif_Splice(int fd);
// Ends the log with the run's exit status and renames it into place; ""
// or why it could not be written.
std::string Sarif_Finish(int status);
