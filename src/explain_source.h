// The source window of the explanation (--explain): a mirror of the input
// as the scanner reads it, the lines and words taken from it, and the
// drawing of a line with a caret under a place.
#pragma once

#include <cstddef>
#include <string>

#include "explain.h"

namespace explanation {

// The display column after `c` at `column`: tabs advance to the next
// multiple of 8.
inline long long Advance(long long column, unsigned char c) {
    return c == '\t' ? column + 8 - column % 8 : column + 1;
}

// Starts the mirror afresh, and frees it.
void Mirror_Start();
void Mirror_Finish();

// Keeps `n` fresh bytes of the scanner's buffer, after the `kept` ones
// still in it (see Explain_Input).
void Mirror_Input(const char* fresh, size_t n, size_t kept);

// The byte just before offset `at` of the buffer as read, or `otherwise`
// when the mirror does not hold it.
unsigned char Byte_Read_Before(size_t at, unsigned char otherwise);

// The bytes of line `line` around display column `column` (0-based), as far
// as they have been read: `text` starts at display column `text_column`;
// `from_start`/`to_end` tell whether it reaches the line's start and end.
struct Line_Part {
    std::string text;
    long long text_column = 0;
    bool from_start = true, to_end = true;
};
bool Source_Line(long long line, long long column, bool at_end, Line_Part& part);

// The place just after the token before `place`, when `place` is the first
// token of its line and the mirror holds the line of that token.
bool Previous_Token_End(const Token_Place& place, Token_Place& out);

// The two words that end just before `place` on its line, the nearer
// first, in lower case.
void Previous_Words(const Token_Place& place, std::string& nearer, std::string& farther);

// Prints the line part with a caret under display columns [first, end).
// Returns the width of the caret (at least 1).
long long Print_Source(const Line_Part& part, long long first, long long end);

// Tells "FILE:LINE:COL: KIND: MESSAGE" on standard error (messages.h) and the source
// line with a caret under the place (at_end: the place is the end of the
// input).
// `rule` is the message's kind (messages.h).
void Report(const char* rule, const Token_Place& place, bool at_end, const char* kind, const std::string& message);

}  // namespace explanation
