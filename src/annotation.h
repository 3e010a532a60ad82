// --annotate: a warning about the C text written into the C text, as a
// comment beside the text of the construct it is about,
//
//     v = w & a /* vhdl87c[concatenation]: ... */;
//
// so that `grep -n 'vhdl87c\['` on the translation lists them with the C's
// own line numbers.  Deleting every " /* vhdl87c[KIND]: MESSAGE */" gives
// back the translation without --annotate, byte for byte.  The warnings
// (explain_warnings.h) call these, from the explained parser only.
#pragma once

#include <string>

#include "fragment.h"

// The annotation " /* vhdl87c[KIND]: MESSAGE */".  A MESSAGE is one line
// and never ends the comment: a line end becomes a space, "*/" becomes
// "* /".
std::string Annotation(const char* kind, const std::string& message);

// Appends `annotations` to `text`, which the caller owns and which is
// replaced by the result: one owner, and the cost of the annotations'
// length (Combine grows a large text in place).
void Annotate(Fragment*& text, const std::string& annotations);
// With --annotate: the annotations `text` holds, else none.
std::string Annotations_Of(Fragment* text);
// With --annotate: appends to `kept` the annotations that `dropped` holds, when an action
// drops a fragment whose text the C text does not carry on (a second
// suffix): linear in the length of `dropped`, which the action releases.
void Keep_Annotations(Fragment* dropped, Fragment*& kept);
// Takes the annotations out of `text`, whose text goes on without them to a
// place that is written elsewhere, or more than once, or never (the
// declaration line of a port): they are returned, for a place written once.
std::string Take_Annotations(Fragment*& text);
// Holds the annotations of two fragments, taken out of them before an
// action reads or copies their text (the bounds of a range, which a count
// reads and a for loop copies; a subtype's mark and constraint, which
// declarations copy), and puts them after the action's C text once it is
// made.
void Hold_Annotations(Fragment*& left, Fragment*& right);
void Put_Held_Annotations(Fragment*& text);
// Puts an annotation in front of `text`, its space after it: for a
// construct whose own text the format writes just before a space and
// `text` (the name "process_A" of "process_A %s").
void Annotate_Before(Fragment*& text, const std::string& annotation);
