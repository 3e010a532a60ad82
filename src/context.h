// The translation context: what one grammar action learns and a later one
// needs, and every operation that reads or changes it.  There is no symbol
// table and no tree; these globals are the only memory between actions, so
// the parser is not reentrant.  Each fragment variable owns its fragment; a
// writer releases the old one (Set).  Nothing is reset between design
// units.  The grammar reads the variables freely but changes them only
// through the calls below.
#pragma once

#include <cstdio>

struct Fragment;

// ---- The variables ---------------------------------------------------------

// Written by every interface element (one declaration line appended);
// taken by each subprogram head (subprog_spec), and moved into
// temp_process_definations when an entity is complete.
extern Fragment* temp_function_definations;
// The declaration lines pending when the last entity was complete; read by
// every process.
extern Fragment* temp_process_definations;
// The port-name list of the last entity port clause; read by every process.
extern Fragment* temp_process_headers;
// Type mark and constraint of the last subtype indication written as a mark
// with an optional suffix; read by object and type declarations.
extern Fragment* temp_type_name;
extern Fragment* type_of_type_array;

// The kind of the last type definition; read and, for enumerations and
// arrays only, reset by the type declaration.  The values are printed by
// -DEBUG and stay as they are.
enum Type_Kind : int {
    No_Type_Kind = 0,
    Enumeration_Type = 1,
    Range_Type = 2,
    Physical_Type = 3,
    Unconstrained_Array_Type = 4,
    Constrained_Array_Type = 5,
    Record_Type = 6,
    Access_Type = 7,
    File_Type = 8,
};
extern Type_Kind type_of_type;

// Elements counted in the open parenthesised list; one flag for all nesting
// levels, cleared by every closing list.
enum Element_Count_Flag : int {
    No_Element = 0,
    One_Element = 1,
    Several_Elements = 2,
    // a first named element (later editions): what follows it counts as
    // after one element, but its own list stays an argument list
    Named_Element = 3,
};
extern Element_Count_Flag array_flag;

// Element count of the last two-bound range in a list or choice.
extern int number_of_bits;
// Bounds and direction of the last two-bound range; read by for schemes.
extern Fragment* for_from_string;
extern Fragment* for_to_string;
extern Fragment* for_direction_string;

// Start values: empty fragments and zeros.
void Start_Context();
// Releases the context's fragments at the end of a run.
void Release_Context();

// ---- Design units and declarations ----------------------------------------

// An entity prints nothing: its declaration lines become the parameter
// declarations of the processes that follow.  Consumes the entity's text.
Fragment* Entity_Unit(Fragment* entity);
// Records the name list of an entity's port clause as the head of every
// later process (copies).
void Record_Port_Names(const Fragment* interface_list);
// Hands over the pending declaration lines; none are pending afterwards.
Fragment* Take_Declarations();
// Appends an interface element's declaration line to the pending ones.
void Append_Declaration(Fragment* line);

// ---- Comments --------------------------------------------------------------

// Text of the design written inside a comment of the translation (an
// assertion, an after clause, a wait on list): every "*/" in it, which
// would end that comment early, becomes "* /".  Consumes `text`.
Fragment* Inside_Comment(Fragment* text);

// ---- Types ---------------------------------------------------------------

// The fragment of an identifier used as a type mark or simple name: its C
// type name by the type-name table.  Consumes `identifier`.
Fragment* Mark_Of(Fragment* identifier);
// The C type of the last plain subtype indication.
const char* Declared_Type();
// Records the type mark and suffix of a plain subtype indication (copies).
void Record_Subtype(const Fragment* mark, const Fragment* suffix);
// A subtype written with a range constraint or a resolution function notes
// its type mark and suffix (copies; no suffix: empty); the enclosing subtype
// indication records them, and a range written as that subtype (a loop
// range, an index constraint) then gives back the type mark recorded before.
void Note_Subtype(const Fragment* mark, const Fragment* suffix);
void Record_Noted_Subtype();
void Keep_Type_Before_Range();
// Records the kind of the type definition just read.
void Record_Type_Kind(Type_Kind kind);
// A type declaration in one of three formats, chosen by the kind of the
// last type definition (see type_decl in the grammar).  Consumes both.
Fragment* Type_Declaration(Fragment* name, Fragment* definition);
// With -DEBUG, prints an unconstrained array's element subtype text.
void Trace_Element_Type(Fragment* element);

// ---- Lists and ranges ------------------------------------------------------

// Counts an element of a parenthesised list: the first makes one (unless
// an inner list already counted several), a further one makes several.
void Count_First_Element();
void Count_Further_Element();
// Counts a named element that comes first in its list: a list after it is
// an index as after a first positional element, its own list an argument
// list.
void Count_Named_Element();
// A closing parenthesised list: "[%s]" when one element was counted (an
// index), "(%s)" otherwise (an argument list); clears the count.  Consumes
// `elements`.
Fragment* Index_Or_Argument_List(Fragment* elements);
// Records and returns number_of_bits, the element count of `left direction
// right` from the leading integers of the bounds; 0 for another direction.
int Count_Range_Elements(const Fragment* left, Fragment* direction, const Fragment* right);
// Records the bounds of an explicit range for the next for scheme (copies).
void Record_Range(const Fragment* left, const Fragment* direction, const Fragment* right);
// The C type of an explicit range: "float" when a bound has a point, else
// "int".
const char* Float_Or_Int_By_Bounds(const Fragment* left, const Fragment* right);
// The head of a for loop over the bounds of the last explicit range,
// counting down after "downto", else up.  Consumes `keyword`.
Fragment* For_Loop_Over_Last_Range(Fragment* keyword, const Fragment* parameter);

// ---- Output ----------------------------------------------------------------

// Prints the translation and one line end.
void Print_Translation(const Fragment* translation);
