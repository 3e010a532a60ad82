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
// past 20 too, is also written into the C text (annotation.h).
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
// warning is counted, not shown.  With --annotate, the annotation
// " /* vhdl87c[NAME]: MESSAGE */" follows `text`, or precedes it when
// `in_front` (a construct whose own text the action's format writes just
// before `text`); inside an entity, whose text is not written, it goes
// where the entity stood.
void Warn(Warning kind, const Source_Span& at, const std::string& message, Fragment*& text,
          bool in_front = false);

// ---- What the warnings learn of a construct --------------------------------------
// The explained parser's location of a construct carries its sort and its
// marks (Source_Span): a check reads those of the construct's parts, and an
// action sets those of its whole.  A construct of one part takes that
// part's sort; every construct takes the marks of all its parts.

// A sort: the kind of a value, alone for a value, or with Type_Of for the
// name of a type of such values, Function_Of for a function that returns
// one; Procedure for the name of a procedure.
enum Sort : unsigned char {
    Unknown_Value = 0,
    Bit_Value = 1,       // bit, std_logic, std_ulogic, a character literal
    Vector_Value = 2,    // bit_vector, std_logic_vector, ..., a string literal
    Numeric_Value = 3,   // signed, unsigned
    Boolean_Value = 4,   // boolean, a relation
    Natural_Value = 5,   // natural, positive
    Array_Value = 6,     // an object of a declared array type
    Other_Value = 7,
    Value_Bits = 0x0f,
    Type_Of = 0x10,
    Function_Of = 0x20,
    Procedure = 0x40,
};
// The sort of a parenthesised list after a name: its elements as written
// (1, or 2 for more, set by the list's rules) and as translated.
enum List_Sort : unsigned char { Written_As_Arguments = 0, Written_As_Index = 1, One_Written_As_Arguments = 2 };
// Marks, gathered from the parts to the whole.
enum Span_Mark : unsigned char {
    Indexes = 1,       // holds a name written as an index
    Named = 2,         // holds an element association with choices
    Constrained = 4,   // a subtype indication with a constraint
};

// The explained parser's YYLLOC_DEFAULT: the span from the first part to
// the last (or the empty span after the symbol before), the sort of a
// single part, the marks of all.
inline Source_Span Spanned(const Source_Span* parts, int n) {
    if (n == 0)
        return Source_Span{parts[0].last_line, parts[0].last_column, parts[0].last_line, parts[0].last_column, 0, 0};
    unsigned char marks = 0;
    for (int k = 1; k <= n; ++k) marks = static_cast<unsigned char>(marks | parts[k].marks);
    return Source_Span{parts[1].first_line, parts[1].first_column, parts[n].last_line, parts[n].last_column,
                       n == 1 ? parts[1].sort : static_cast<unsigned char>(0), marks};
}

// Each token read by the explained parser, at `at`: where statements start,
// which text is written inside a comment (an assertion, an after clause),
// the nesting of a process's statements.
void Warnings_Read(int token, const Source_Span& at);
// The input's bytes before they are folded to lower case, in order: where
// a string or character literal holds an upper-case letter.
void Warnings_Unfolded(const char* bytes, size_t n);

// ---- The checks -------------------------------------------------------------
// Each takes the C text of the construct it is called from (its action's
// $$, composed first), which a warning it raises passes to Warn.

// Element counts: a range `left direction right` written as its count is
// noted (with its bounds as translated: a count is its length only when both
// are decimal numbers), then taken by what holds it: a choice (the last one
// noted), a name's index or argument list (those noted inside `list`), or a
// subtype's constraint, where the count is the dimension and nothing is
// said.
void Explain_Counted_Range(const Source_Span& range, int count, const char* left, const char* right);
void Explain_Counted_In_Choice(const Source_Span& choice, Fragment*& text);
void Explain_Counted_In_Constraint(const Source_Span& list);

// Literals: a bit string as scanned (b"...", o"...", x"...") before its
// conversion to a 32-bit integer; a string literal as scanned; an abstract
// literal.  Each sets the sort of `literal`.
void Explain_Bit_String(Source_Span& literal, const char* written, Fragment*& text);
void Explain_String(Source_Span& literal, const char* written, Fragment*& text);
void Explain_Character(Source_Span& literal, Fragment*& text);
void Explain_Number(const Source_Span& literal, const char* written, Fragment*& text);

// Names: an identifier used as a name (the sort of what it names, as
// declared so far, is returned; a read of a process's variable or of a
// signal it assigned is checked); a name with a
// parenthesised list `list` after `prefix`; a second list after a name; an
// attribute.
unsigned char Explain_Mark(const Source_Span& mark, const char* name, Fragment*& text);
unsigned char Explain_List(const Source_Span& elements, bool index);
void Explain_Indexed(Source_Span& name, const Source_Span& prefix, const Source_Span& list, Fragment*& text);
void Explain_Second_List(const Source_Span& list, Fragment*& text);
void Explain_Attribute(const Source_Span& attribute, Fragment*& text);

// Operators: concatenation, not, the bitwise nand, nor, xor and xnor, and
// and or of `left` and `right`; each sets the sort of `whole`.  A shift
// (srl, sla, sra) with its word.
void Explain_Concatenation(Source_Span& whole, Fragment*& text);
void Explain_Not(Source_Span& whole, const Source_Span& operand, Fragment*& text);
void Explain_Bitwise(Source_Span& whole, const Source_Span& left, const Source_Span& right, Fragment*& text);
void Explain_Logical(Source_Span& whole, const Source_Span& left, const Source_Span& right, Fragment*& text);
void Explain_Shift(const Source_Span& whole, const char* word, Fragment*& text);

// Aggregates and associations: a parenthesised list of element
// associations (positional unless marked Named); a named association in a
// call (--relaxed); the choices of a case alternative.
void Explain_Aggregate(const Source_Span& aggregate, Fragment*& text);
void Explain_Named_Association(const Source_Span& element, Fragment*& text);
void Explain_Case_Choices(const Source_Span& choices, Fragment*& text);

// Declarations: a type mark's subtype indication (its sort and whether a
// constraint follows it); an object, port or parameter declared with the
// subtype indication at `subtype`, its class or mode word (or "") and
// whether an initial value follows; a subtype, a type and a subprogram
// declared; the variables of a process.
void Explain_Subtype(Source_Span& subtype, const Source_Span& mark, bool constrained);
void Explain_Declared(const Source_Span& names_at, const Source_Span& subtype, const std::string& names, const char* mode,
                      bool initialized, Fragment*& text);
void Explain_Subtype_Declared(const char* name, const Source_Span& subtype);
unsigned char Explain_Array_Type(const Source_Span& element, bool unconstrained, const Source_Span& definition,
                                 Fragment*& text);
void Explain_Type_Declared(const char* name, const Source_Span& definition);
void Explain_Subprogram(const char* name, unsigned char sort);
void Explain_Process_Variables();

// An interface element: its declaration line goes to wherever the list's
// holder puts it (the head of a subprogram, every process for a port, or
// nowhere), so the annotations of its default `value` (taken out of it
// before the line is made) and of its subtype go after its `names`, which
// the list writes once (an entity's: where the entity stood).
void Explain_Interface_Value(Fragment*& value);
bool Interface_Initialized();
void Explain_Interface(Fragment* subtype, Fragment*& names);

// Loops: an explicit range `expr direction expr`, and a for scheme over the
// range at `range`, whose head takes the bounds of the last explicit range.
void Explain_Explicit_Range(const Source_Span& range);
void Explain_For_Scheme(const Source_Span& range, bool bounds_empty, Fragment*& text);

// Processes: the entity and architecture being read, the end of an
// entity (`text`, the entity's place in the C text, takes the annotations
// of what it holds, whose own text is not written there), the end of an
// architecture, and a process from `start` (its label, or the word process
// of an unlabelled one), annotated in front of `text`, the process after
// its name.
void Explain_Entity(const char* name);
void Explain_Entity_Unit(Fragment*& text);
void Explain_Architecture(const char* entity);
void Explain_Architecture_End();
void Explain_Process(const Source_Span& start, bool labelled, Fragment*& text);

// Statements: a variable or signal assignment to `target`; an exit or next
// statement, bare when its `last` part ends where its `word` does; a waveform of several
// elements (`first` the part before the comma); a `wait until`, written as
// a loop on the condition; a `wait for` at `timeout`, written as a loop
// over the time.
void Explain_Variable_Assigned(const Source_Span& target, Fragment*& text);
void Explain_Signal_Assigned(const Source_Span& target, Fragment*& text);
void Explain_Exit(const Source_Span& statement, const Source_Span& word, const Source_Span& last, Fragment*& text);
void Explain_Waveform(Source_Span& waveform, const Source_Span& first, Fragment*& text);
void Explain_Wait_Until(const Source_Span& condition, Fragment*& text);
void Explain_Wait_For(const Source_Span& timeout, Fragment*& text);

// ---- The run -----------------------------------------------------------------

// Starts a run afresh, and ends it: the counts past the first 20 of a kind,
// and, after an accepted translation, the count of all warnings and kinds
// (the skipped characters that explain.cc counts are one more kind).
void Warnings_Start();
void Warnings_Finish(bool accepted, long long skipped_characters);

// The warnings of every run of the process so far, by kind, and the
// skipped characters: the summary of -o counts them (a process of -j hands
// its tally to the program, which adds it).
struct Warning_Tally {
    long long by_kind[kWarningKinds];
    long long skipped;
};
extern Warning_Tally process_warnings;
