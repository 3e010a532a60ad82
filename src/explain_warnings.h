// The warnings of --explain on an accepted translation: every place where
// the C text does not carry the VHDL's meaning (a range written as its
// element count, a wrapped bit string, a bit-vector width dropped, a loop
// over bounds that are not its own, two functions named process_A, a
// process given the ports of another entity, a time waited for as a loop).
//
// Only the explained parser calls these, from its actions (the grammar's
// EXPLAINED hook): the plain parser has none of them.  With --explain each
// construct is warned about once, on standard error, with its source line
// and a caret; past 20 warnings of a kind the rest are counted, and the
// count is reported at the end of the run.  With --annotate every warning,
// past 20 too, is also written into the C text (annotation.h): after the
// fragment `text` that the action hands in, the C text that ends where the
// construct's does, which the action then uses as it would have.
#pragma once

#include "explain.h"
#include "fragment.h"

// Element counts: a range `left direction right` written as its count is
// noted, then taken by what holds it: a choice (the last one noted), a name's
// index or argument list (those noted inside `list`), or a subtype's
// constraint, where the count is the dimension and nothing is said.  The
// choice's or the name's text carries the annotation.
void Explain_Counted_Range(const Source_Span& range, int count);
void Explain_Counted_In_Choice(const Source_Span& choice, Fragment*& text);
void Explain_Counted_In_Name(const Source_Span& list, Fragment*& text);
void Explain_Counted_In_Constraint(const Source_Span& list);

// A bit string literal as scanned (b"...", o"...", x"..."), and `written`,
// its conversion to a 32-bit integer.
void Explain_Bit_String(const Source_Span& literal, const char* text, Fragment*& written);

// Bit-vector widths: a type mark as written (before its C name), a subtype
// indication with its type mark and whether a constraint follows it, and an
// object or port declared with the subtype indication at `subtype` (the
// names `declared`; `text`, the default value, however empty).
void Explain_Mark(const Source_Span& mark, const char* name);
void Explain_Subtype(const Source_Span& subtype, const Source_Span& mark, bool constrained);
void Explain_Declared(const Source_Span& subtype, const char* declared, Fragment*& text);

// An interface element: its declaration line goes to wherever the list's
// holder puts it (the head of a subprogram, every process for a port, or
// nowhere), so the annotations of its default `value` (taken out of it
// before the line is made) and of its subtype go after its `names`, which
// the list writes once (an entity's: where the entity stood).
void Explain_Interface_Value(Fragment*& value);
void Explain_Interface(Fragment* subtype, Fragment*& names);

// Loops: an explicit range `expr direction expr`, and a for scheme over the
// range at `range`, whose head takes the bounds of the last explicit range
// (`text`, the head as written).
void Explain_Explicit_Range(const Source_Span& range);
void Explain_For_Scheme(const Source_Span& range, bool bounds_empty, Fragment*& text);

// Processes: the entity and architecture being read, the end of an
// entity (`text`, the entity's place in the C text, takes the annotations of
// what it holds, whose own text is not written there), the end of an
// architecture, and a process from `start` (its label, or the word process
// of an unlabelled one), annotated in front of `text`, the process after
// its name.
void Explain_Entity(const char* name);
void Explain_Entity_Unit(Fragment*& text);
void Explain_Architecture(const char* entity);
void Explain_Architecture_End();
void Explain_Process(const Source_Span& start, bool labelled, Fragment*& text);

// A `wait for` at `timeout`, written as the loop `text` over the time.
void Explain_Wait_For(const Source_Span& timeout, Fragment*& text);

// Starts a run afresh, and ends it: the counts past the first 20 of a kind.
void Warnings_Start();
void Warnings_Finish();
