// The lines for a person on standard error: the one writer of their
// "FILE:LINE:COLUMN: KIND: " prefix, and the rule that twenty lines of a
// kind are written and the rest counted.  The rejection line, the memory
// error, the explanation and the warnings all write through it.  Each line
// is of a kind (`rule`: its short name, from warning_kinds.def or
// message_kinds.def), and is also a result of the SARIF log when one is
// written (sarif.h).
#pragma once

// The name the lines give the input: "<stdin>" unless a run names it.
const char* Source_Name();
// Names the input (null: "<stdin>" again); the name must outlive the run.
void Set_Source_Name(const char* name);

// Writes "FILE:LINE:COLUMN: KIND: TEXT" and a line end on standard error.
void Tell_At(const char* rule, long long line, long long column, const char* kind, const char* text);
// The same for the whole input, without a place: "FILE: KIND: TEXT".
void Tell(const char* rule, const char* kind, const char* text);
// The caret line under the last one told marks its columns up to
// `end_column` (exclusive).
void Told_Up_To(long long end_column);
// "  note: TEXT" after the last line told, and part of it.
void Tell_Note(const char* text);

// Twenty lines of a kind are written; the rest are counted and told at the
// end of the run as one line.
inline constexpr long long kShownOfAKind = 20;
struct Kind_Count {
    long long count = 0;
    // Counts one more; true when it is among those written.
    bool Shown() { return count++ < kShownOfAKind; }
    // "FILE: warning: N more WHAT" for those not written, if any.
    void Tell_Unshown(const char* rule, const char* what) const;
};
