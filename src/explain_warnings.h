// The warnings of --explain on an accepted translation: every place where
// the C text does not carry the VHDL's meaning (a range written as its
// element count, a wrapped bit string, a bit-vector width dropped, a loop
// over bounds that are not its own, two functions named process_A, a
// process given the ports of another entity, a time waited for as a loop).
//
// Only the explained parser calls these, from its actions (the grammar's
// EXPLAINED hook): the plain parser has none of them.  Each construct is
// warned about once, on standard error, with its source line and a caret;
// past 20 warnings of a kind the rest are counted, and the count is
// reported at the end of the run.
#pragma once

#include <string>

#include "explain.h"
#include "fragment.h"

// ---- The kinds and the one call that warns ------------------------------

// Every kind of warning, from the one table (warning_kinds.def).
enum class Warning : unsigned char {
#define WARNING_KIND(id, name, description, message, counted) id,
#include "warning_kinds.def"
};
inline constexpr int kWarningKinds = 0
#define WARNING_KIND(id, name, description, message, counted) +1
#include "warning_kinds.def"
    ;

// A kind's line of the table.
struct Warning_Kind {
    const char* name;         // short and fixed: "concatenation"
    const char* description;  // one sentence
    const char* message;      // a few words
    const char* counted;      // after "N more"
};
const Warning_Kind& Kind_Of(Warning kind);

// The one call that raises a warning, made by the checks below from the
// action that reduces the construct: `at` is the construct's place (the
// caret goes under it when it lies on one line, else under its first
// column), `message` the warning's text, and `text` the construct's C text
// as that action composed it (the fragment that follows the construct in
// the translation; the action's $$ once composed).  Past 20 of a kind the
// warning is counted, not shown.
void Warn(Warning kind, const Source_Span& at, const std::string& message, Fragment*& text);

// ---- The checks -------------------------------------------------------------
// Each takes the C text of the construct it is called from (its action's
// $$, composed first), which a warning it raises passes to Warn.

// Element counts: a range `left direction right` written as its count is
// noted, then taken by what holds it: a choice (the last one noted), a name's
// index or argument list (those noted inside `list`), or a subtype's
// constraint, where the count is the dimension and nothing is said.
void Explain_Counted_Range(const Source_Span& range, int count);
void Explain_Counted_In_Choice(const Source_Span& choice, Fragment*& text);
void Explain_Counted_In_Name(const Source_Span& list, Fragment*& text);
void Explain_Counted_In_Constraint(const Source_Span& list);

// A bit string literal as scanned (b"...", o"...", x"..."), before its
// conversion to a 32-bit integer.
void Explain_Bit_String(const Source_Span& literal, const char* written, Fragment*& text);

// Bit-vector widths: a type mark as written (before its C name), a subtype
// indication with its type mark and whether a constraint follows it, and an
// object or port declared with the subtype indication at `subtype`.
void Explain_Mark(const Source_Span& mark, const char* name);
void Explain_Subtype(const Source_Span& subtype, const Source_Span& mark, bool constrained);
void Explain_Declared(const Source_Span& subtype, const char* names, Fragment*& text);

// Loops: an explicit range `expr direction expr`, and a for scheme over the
// range at `range`, whose head takes the bounds of the last explicit range.
void Explain_Explicit_Range(const Source_Span& range);
void Explain_For_Scheme(const Source_Span& range, bool bounds_empty, Fragment*& text);

// Processes: the entity and architecture being read, the end of an
// architecture, and a process from `start` (its label, or the word process
// of an unlabelled one).
void Explain_Entity(const char* name);
void Explain_Architecture(const char* entity);
void Explain_Architecture_End();
void Explain_Process(const Source_Span& start, bool labelled, Fragment*& text);

// A `wait for` at `timeout`, written as a loop over the time.
void Explain_Wait_For(const Source_Span& timeout, Fragment*& text);

// ---- The run -----------------------------------------------------------------

// Starts a run afresh, and ends it: the counts past the first 20 of a kind.
void Warnings_Start();
void Warnings_Finish();
