// --annotate: a warning about the C text written into the C text, as a
// comment beside the text of the construct it is about,
//
//     v = w & a /* vhdl87c[concatenation]: ... */;
//
// so that `grep -n 'vhdl87c\['` on the translation lists them with the C's
// own line numbers.  Deleting every " /* vhdl87c[KIND]: MESSAGE */" gives
// back the translation without --annotate, byte for byte.  The warnings
// (explain_warnings.h) call these, from the explained parser only.
//
// Until the translation is written, a note stands in the C text as a mark
// of a few bytes, which the writing replaces by the note's text: the text
// of the notes, often longer than the constructs they follow, is copied
// once and not at every level of the constructs that hold them.
#pragma once

#include <cstdio>
#include <string>

#include "fragment.h"

// The annotation " /* vhdl87c[KIND]: MESSAGE */": kept, and its mark (the
// space, then the mark) returned.  A MESSAGE is one line and never ends the
// comment: a line end becomes a space, "*/" becomes "* /".
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
// The notes in `text`, which a comment of the translation will hold (an
// action writes it through Inside_Comment): each one is written ending
// with "* /", which does not end that comment.
void Annotations_In_Comment(Fragment*& text);
template <class... More>
void Annotations_In_Comment(Fragment*& text, More&... more) {
    Annotations_In_Comment(text);
    Annotations_In_Comment(more...);
}

// Writes the translation, each mark as its note's text; false when the
// stream fails.
bool Write_Annotated(const Fragment* translation, FILE* out);
// Forgets the notes kept, at the start and the end of a run.
void Forget_Annotations();
