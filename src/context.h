// The translation context: what one grammar action learns and a later one
// needs.  There is no symbol table and no tree; these globals are the only
// memory between actions, so the parser is not reentrant.  Each fragment
// variable owns its fragment; a writer releases the old one (Set).  Nothing
// is reset between design units.
#pragma once

struct Fragment;

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
// Kind code of the last type definition (1 enumeration ... 8 file); read and
// reset by the type declaration.
extern int type_of_type;
// Elements counted in the open parenthesised list: 0 none, 1 one, 2 more;
// one flag for all nesting levels, cleared by every closing list.
extern int array_flag;
// Element count of the last two-bound range in a list or choice.
extern int number_of_bits;
// Bounds and direction of the last two-bound range; read by for schemes.
extern Fragment* for_from_string;
extern Fragment* for_to_string;
extern Fragment* for_direction_string;

// Set by -DEBUG: prints the hexadecimal letters met by Convert_String_To_Int
// and the type-declaration traces.
extern int DEBUG;

// Start values: empty fragments and zeros.
void Start_Context();
// Releases the context's fragments at the end of a run.
void Release_Context();
