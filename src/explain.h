// The explanation of a rejected file (--explain): on standard error, where
// the parse stopped, the source line with a caret, the exact set of tokens
// that would have been accepted there, a hint for known later-edition
// constructs and common mistakes, and warnings for skipped characters.
//
// Nothing here runs without --explain: the plain parser (yyparse) has no
// hook at all.  With --explain the same grammar runs as a second parser,
// explained_parse, generated with two hooks (the grammar file's prologue):
// every token is read between Explain_Before_Read, which sees the parser's
// stack, and Explain_After_Read, and the error goes to Explain_Parse_Error.  The reader keeps the
// token codes read since a checkpoint, a copy of the stack as it was when
// the first of them was read; after an error, the parse tables replay them
// to find the stack as it was when the offending token was read, before
// the reductions the parser then made.  A checkpoint is taken once as many
// tokens as the stack is deep have been read, so keeping them costs a
// bounded time per token and memory bounded by the deepest stack.
#pragma once

#include <cstddef>

#include "parse_tables.h"
#include "source_position.h"

// ---- Scanner side -------------------------------------------------------

// Called by the scanner's input function with `n` fresh bytes, folded to
// lower case as the scanner reads them, NULs as read; `kept` bytes of the
// buffer (a token in progress) stay in front of them.  Keeps the part of
// the current line that leaves the buffer.
void Explain_Input(const char* fresh, size_t n, size_t kept);
// The same `n` fresh bytes before they are folded to lower case.
void Explain_Unfolded(const char* fresh, size_t n);
// A character the scanner skips without a token, at `at_line` and the
// 1-based `at_column`.
void Explain_Skipped(unsigned char c, long long at_line, long long at_column);

// ---- Parser side --------------------------------------------------------

// The tokens read since the last checkpoint go from explain_codes on; the
// next one goes to explain_next unless that is explain_end.
extern unsigned short* explain_codes;
extern unsigned short* explain_next;
extern unsigned short* explain_end;
void Explain_Checkpoint(const short* stack, long depth);

// Called by the explained parser around the reading of each token; its
// stack holds the states up to `depth`.
inline void Explain_Before_Read(const short* stack, long depth) {
    if (explain_next == explain_end) Explain_Checkpoint(stack, depth);
}
inline void Explain_After_Read(int token) { *explain_next++ = static_cast<unsigned short>(token); }

// The span of the token just read (code `token`).
Source_Span Explain_Token_Span(int token);

// The parser's error: the fixed report on standard output, then the
// explanation.  `stack` holds the states up to `depth`; `lookahead` is the
// token code read last.
void Explain_Parse_Error(const char* message, const short* stack, long depth, int lookahead);

// ---- The run ------------------------------------------------------------

// Starts a run afresh with the explained parser's tables, and ends it: the
// count of unreported skipped characters, the warnings' counts, and after an
// accepted translation (`accepted`) the summary of the warnings.
void Explain_Start(const Parse_Tables* tables);
void Explain_Finish(bool accepted);
