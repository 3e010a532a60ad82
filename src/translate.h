// Helpers for the grammar actions that read or write the translation
// context beyond plain composition.
#pragma once

#include <cstdio>

struct Fragment;

// The fragment of an identifier used as a type mark or simple name: its C
// type name by the type-name table.  Consumes `identifier`.
Fragment* Mark_Of(Fragment* identifier);
// An entity prints nothing: its declaration lines become the parameter
// declarations of the processes that follow.  Consumes the entity's text.
Fragment* Entity_Unit(Fragment* entity);
// Hands over the pending declaration lines; none are pending afterwards.
Fragment* Take_Declarations();
// Appends an interface element's declaration line to the pending ones.
void Append_Declaration(Fragment* line);
// The C type of the last plain subtype indication.
const char* Declared_Type();
// Records the type mark and suffix of a plain subtype indication (copies).
void Record_Subtype(const Fragment* mark, const Fragment* suffix);
// A type declaration, chosen by the kind of the last type definition.
Fragment* Type_Declaration(Fragment* name, Fragment* definition);
// With -DEBUG, prints an unconstrained array's element subtype text.
void Trace_Element_Type(Fragment* element);
// The element count of `left direction right`, from the leading integers.
int Element_Count(const Fragment* left, Fragment* direction, const Fragment* right);
// Records the bounds of an explicit range for the next for scheme (copies).
void Record_Range(const Fragment* left, const Fragment* direction, const Fragment* right);
// The head of a for loop over the bounds of the last explicit range,
// counting down after "downto", else up.  Consumes `keyword`.
Fragment* For_Loop_Over_Last_Range(Fragment* keyword, const Fragment* parameter);
// Prints the translation and one line end.
void Print_Translation(const Fragment* translation);
