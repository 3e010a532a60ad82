/* The VHDL-87 grammar and its translation to C.
 *
 * One action per production, in the order of the grammar's production list.
 * Each action composes its fragment from the fragments of its right-hand
 * side with one format string (Compose, compose.h).  Every $k that carries
 * a fragment is consumed exactly once: by Compose, passed up as $$, or
 * released with Drop.  Borrow(v) reads a context variable without taking it.
 * The six single-character tokens ( ) , . : ; carry no fragment (null).
 *
 * The parser keeps its state in globals, as does the translation context
 * (context.h): it is not reentrant.
 */

%code requires {
#include "fragment.h"
#include "source_position.h"
}

%code {
#include "annotation.h"
#include "compose.h"
#include "context.h"
#include "diagnostics.h"
#include "explain.h"
#include "explain_warnings.h"
#include "memory_error.h"
#include "literals.h"
#include "scanner.h"
#include "type_names.h"
#include "parse_tables.h"

#define YYINITDEPTH 200
#define YYMAXDEPTH kParserMaxDepth
/* A stack that cannot grow for want of memory is the memory error, not a
   stack overflow. */
#define YYMALLOC Allocate

/* The formats of the productions that later.y restates in a later spelling
   (a closing name, 'is' after 'process', 'postponed', a function's purity),
   which write exactly the VHDL-87 form's text: each is written once, here,
   and the twin actions of both grammars name it. */
#define IF_FORMAT "if (%s)\n{\n%s}\n%s%s"
#define CASE_FORMAT "switch (%s)\n{\n%s}\n"
#define PROCESS_FORMAT "%s ()\n%s{\n%s%s}\n"
#define UNLABELLED_PROCESS_FORMAT "process_A %s"
#define LABELLED_FORMAT "%s:%s"
#define BLOCK_FORMAT "%s : %s %s %s %s %s %s %s %s %s %s;\n"
#define COMPONENT_FORMAT "%s %s %s %s %s %s;\n"
#define INSTANCE_FORMAT "%s : %s %s %s %s %s;\n"
#define INSTANCE_WITHOUT_GENERICS_FORMAT "%s : %s %s %s %s;\n"
#define FUNCTION_SPEC_FORMAT "%s %s %s\n%s\n"

/* With --explain the grammar runs as a second parser, explained_parse, with
   two hooks into the explanation (explain.h): each token read, with the
   stack as it stands then, and the error.  It is the one generated with the
   prefix explained_, whose macros start with EXPLAINED_. */
#ifdef EXPLAINED_DEBUG
#include <cstring>
static int Read_Explained(int token) {
    Explain_After_Read(token);
    memcpy(&yylval, scanned_value, sizeof yylval);
    yylloc = Explain_Token_Span(token);
    Warnings_Read(token, yylloc);
    return token;
}
/* The token comes from NEXT_TOKEN(): the scanner, unless the later grammar
   names its own source (later.y). */
#define NEXT_TOKEN() Scan_Token()
#undef yylex
#define yylex() (Explain_Before_Read(yyss, yyssp - yyss), Read_Explained(NEXT_TOKEN()))
#undef yyerror
#define yyerror(message) Explain_Parse_Error(message, yyss, yyssp - yyss, yychar)
#endif

/* The warnings of --explain on what the C text does not carry
   (explain_warnings.h): an action calls them through EXPLAINED(...), which
   the plain parser compiles to nothing.  A warning takes the fragment its
   annotation follows (--annotate): the $k or $$ that ends where the
   construct's C text ends; an action that drops a fragment whose text
   the C text does not carry on keeps its annotations (Keep_Annotations),
   and one that writes a fragment inside a comment marks the annotations
   in it as such (Annotations_In_Comment).  The explained parser tracks locations: AT(k) is where $k stands, SPAN
   where the whole rule does, with what the warnings learn of it (its sort
   and marks, explain_warnings.h). */
#ifdef EXPLAINED_DEBUG
#define EXPLAINED(call) call
#define AT(k) (yylsp[(k) - yylen])
#define SPAN yyloc
#define YYLLOC_DEFAULT(Current, Rhs, N) ((Current) = Spanned((Rhs), (N)))
#else
#define EXPLAINED(call) ((void)0)
#endif
}

/* Every value is a fragment; those still on the stacks when a parse is
   abandoned are released.  Bison reports a $k that an action neither uses
   nor releases; its reports of the single-character tokens' null values
   are left to tests/grammar/grammar_values.sh, which accepts only those. */
%define api.value.type {Fragment*}
%destructor { Release($$); } <>

%expect 0

/* Reserved words, in alphabetical order; the operator words abs, mod, rem
   and not are numbered among the operators below. */
%token t_ACCESS         258
%token t_AFTER          259
%token t_ALIAS          260
%token t_ALL            261
%token t_AND            262
%token t_ARCHITECTURE   263
%token t_ARRAY          264
%token t_ASSERT         265
%token t_ATTRIBUTE      266
%token t_BEGIN          267
%token t_BLOCK          268
%token t_BODY           269
%token t_BUFFER         270
%token t_BUS            271
%token t_CASE           272
%token t_COMPONENT      273
%token t_CONFIGURATION  274
%token t_CONSTANT       275
%token t_DISCONNECT     276
%token t_DOWNTO         277
%token t_ELSE           278
%token t_ELSIF          279
%token t_END            280
%token t_ENTITY         281
%token t_EXIT           282
%token t_FILE           283
%token t_FOR            284
%token t_FUNCTION       285
%token t_GENERATE       286
%token t_GENERIC        287
%token t_GUARDED        288
%token t_IF             289
%token t_IN             290
%token t_INOUT          291
%token t_IS             292
%token t_LABEL          293
%token t_LIBRARY        294
%token t_LINKAGE        295
%token t_LOOP           296
%token t_MAP            297
%token t_NAND           298
%token t_NEW            299
%token t_NEXT           300
%token t_NOR            301
%token t_NULL           302
%token t_OF             303
%token t_ON             304
%token t_OPEN           305
%token t_OR             306
%token t_OTHERS         307
%token t_OUT            308
%token t_PACKAGE        309
%token t_PORT           310
%token t_PROCEDURE      311
%token t_PROCESS        312
%token t_RANGE          313
%token t_RECORD         314
%token t_REGISTER       315
%token t_REPORT         316
%token t_RETURN         317
%token t_SELECT         318
%token t_SEVERITY       319
%token t_SIGNAL         320
%token t_SUBTYPE        321
%token t_THEN           322
%token t_TO             323
%token t_TRANSPORT      324
%token t_TYPE           325
%token t_UNITS          326
%token t_UNTIL          327
%token t_USE            328
%token t_VARIABLE       329
%token t_WAIT           330
%token t_WHEN           331
%token t_WHILE          332
%token t_WITH           333
%token t_XOR            334

/* Delimiters and literals. */
%token t_EQSym          335
%token t_NESym          336
%token t_LTSym          337
%token t_LESym          338
%token t_GTSym          339
%token t_GESym          340
%token t_Plus           341
%token t_Minus          342
%token t_Ampersand      343
%token MED_PRECEDENCE   344
%token t_Star           345
%token t_Slash          346
%token t_MOD            347
%token t_REM            348
%token t_DoubleStar     349
%token t_ABS            350
%token t_NOT            351
%token MAX_PRECEDENCE   352
%token t_Apostrophe     353
%token t_VarAsgn        354
%token t_Arrow          355
%token t_Bar            356
%token t_Box            357
%token t_Identifier     358
%token t_AbstractLit    359
%token t_CharacterLit   360
%token t_StringLit      361
%token t_BitStringLit   362

/* Precedence of the two-operand relations, lowest first.  These three
   levels settle every conflict of the grammar: relational operators do not
   chain; adding and multiplying operators group to the left. */
%nonassoc t_EQSym t_NESym t_LTSym t_LESym t_GTSym t_GESym
%left     t_Plus t_Minus t_Ampersand
%left     t_Star t_Slash t_MOD t_REM

%start start

%%
/****************************************************************************
 * Design file, literals and identifier lists
 *
 *   design_file ::= design_unit { design_unit }
 *   literal ::= abstract_literal | character_literal | bit_string_literal
 *             | physical_literal | null
 *   identifier_list ::= identifier { , identifier }
 ****************************************************************************/

/* The whole translation is printed once, when the input is complete. */
start
    : design_file                                       { Print_Translation($1); Drop($1); $$ = nullptr; }
    ;
design_file
    : design_unit_list                                  { $$ = $1; }
    ;
design_unit_list
    : design_unit                                       { $$ = $1; }
    | design_unit_list design_unit                      { $$ = Compose("%s %s", $1, $2); }
    ;
designator
    : t_Identifier                                      { $$ = $1; }
    | t_StringLit                                       { $$ = Convert_String_To_Int(Text($1)); Drop($1); }
    ;
literal
    : t_AbstractLit                                     { $$ = $1; EXPLAINED(Explain_Number(AT(1), Text($1), $$)); }
    | t_CharacterLit                                    { $$ = $1; EXPLAINED(Explain_Character(SPAN, $$)); }
    | t_BitStringLit                                    { $$ = Convert_String_To_Int(Text($1)); EXPLAINED(Explain_Bit_String(SPAN, Text($1), $$)); Drop($1); }
    | physical_literal_no_default                       { $$ = $1; }
    | t_NULL                                            { $$ = $1; }
    ;
enumeration_literal
    : t_CharacterLit                                    { $$ = $1; }
    | t_Identifier                                      { $$ = $1; }
    ;
physical_literal
    : physical_literal_1 t_Identifier                   { $$ = Compose("%s %s", $1, $2); }
    ;
/* optional abstract literal of a physical literal */
physical_literal_1
    : %empty                                            { $$ = Empty(); }
    | t_AbstractLit                                     { $$ = $1; }
    ;
physical_literal_no_default
    : t_AbstractLit t_Identifier                        { $$ = Compose("%s %s", $1, $2); }
    ;
idf_list
    : t_Identifier                                      { $$ = $1; }
    | idf_list ',' t_Identifier                         { $$ = Compose("%s,%s", $1, $3); }
    ;

/****************************************************************************
 * Design units and context clauses
 *
 *   design_unit ::= { library_clause | use_clause } library_unit
 *   library_clause ::= library identifier_list ;
 *   use_clause ::= use selected_name { , selected_name } ;
 ****************************************************************************/

design_unit
    : context_list lib_unit                             { $$ = Compose("%s %s", $1, $2); }
    ;
/* library and use clauses in front of a design unit leave one space each */
context_list
    : %empty                                            { $$ = Empty(); }
    | context_list context_item                         { $$ = Compose("%s %s", $1, $2); }
    ;
lib_unit
    : entity_decl                                       { $$ = Entity_Unit($1); EXPLAINED(Explain_Entity_Unit($$)); }
    | config_decl                                       { $$ = $1; }
    | package_decl                                      { $$ = $1; }
    | arch_body                                         { $$ = $1; }
    | package_body                                      { $$ = $1; }
    | procs_stat                                        { $$ = $1; }
    | signal_decl                                       { $$ = $1; }
    | type_decl                                         { $$ = $1; }
    | subprog_body                                      { $$ = $1; }
    ;
context_item
    : lib_clause                                        { Drop($1); $$ = Empty(); }
    | use_clause                                        { Drop($1); $$ = Empty(); }
    ;
lib_clause
    : t_LIBRARY idf_list ';'                            { $$ = Compose("%s %s;\n", $1, $2); }
    ;
use_clause
    : t_USE sel_list ';'                                { $$ = Compose("%s %s;\n", $1, $2); }
    ;
sel_list
    : sel_name                                          { $$ = $1; }
    | sel_list ',' sel_name                             { $$ = Compose("%s, %s", $1, $3); }
    ;

/****************************************************************************
 * Entity declaration
 *
 *   entity identifier is [ generic ( ... ) ; ] [ port ( ... ) ; ]
 *       { entity_declarative_item }
 *   [ begin { concurrent_statement } ]
 *   end [ identifier ] ;
 ****************************************************************************/

/* The text is built but dropped by lib_unit: the entity lives on in the
   context. */
entity_decl
    : entity_start entity_decl_1
      entity_decl_2 entity_decl_3
      entity_decl_4 t_END entity_decl_5 ';'             { $$ = Compose("%s %s %s %s %s %s %s;\n", $1, $2, $3, $4, $5, $6, $7); }
    ;
entity_start
    : t_ENTITY t_Identifier t_IS                        { EXPLAINED(Explain_Entity(Text($2))); Drop($1, $2, $3); $$ = Empty(); }
    ;
/* closing name */
entity_decl_5
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    ;
/* statement part */
entity_decl_4
    : %empty                                            { $$ = Empty(); }
    | t_BEGIN concurrent_stats                          { $$ = Compose("%s %s", $1, $2); }
    ;
/* declarative items */
entity_decl_3
    : %empty                                            { $$ = Empty(); }
    | entity_decl_3 entity_decltve_item                 { $$ = Compose("%s %s", $1, $2); }
    ;
/* port clause: its name list becomes the head of every later process */
entity_decl_2
    : %empty                                            { $$ = Empty(); }
    | t_PORT interf_list ';'                            { Record_Port_Names($2); $$ = Compose("%s %s;\n", $1, $2); }
    ;
/* generic clause */
entity_decl_1
    : %empty                                            { $$ = Empty(); }
    | t_GENERIC interf_list ';'                         { $$ = Compose("%s %s;\n", $1, $2); }
    ;

/****************************************************************************
 * Architecture body
 *
 *   architecture identifier of entity_name is
 *       { block_declarative_item }
 *   begin { concurrent_statement }
 *   end [ identifier ] ;
 ****************************************************************************/

arch_body
    : arch_start arch_body_1 t_BEGIN
      concurrent_stats t_END arch_body_2 ';'            { EXPLAINED(Explain_Architecture_End()); $$ = Compose("%s\n%s", $2, $4); Drop($1, $3, $5, $6); }
    ;
arch_start
    : t_ARCHITECTURE t_Identifier
      t_OF t_Identifier t_IS                            { EXPLAINED(Explain_Architecture(Text($4))); Drop($1, $2, $3, $4, $5); $$ = Empty(); }
    ;
/* closing name */
arch_body_2
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    ;
/* declarative items, joined without a separator */
arch_body_1
    : %empty                                            { $$ = Empty(); }
    | arch_body_1 block_decltve_item                    { $$ = Compose("%s%s", $1, $2); }
    ;

/****************************************************************************
 * Configuration declaration
 *
 *   configuration identifier of entity_name is
 *       { use_clause | attribute_specification }
 *       for block_specification { use_clause } { configuration_item } end for ;
 *   end [ identifier ] ;
 ****************************************************************************/

config_decl
    : config_start config_decl_1
      block_config t_END config_decl_2 ';'              { $$ = Compose("%s %s %s %s %s;\n", $1, $2, $3, $4, $5); }
    ;
config_start
    : t_CONFIGURATION t_Identifier
      t_OF t_Identifier t_IS                            { Drop($1, $2, $3, $4, $5); $$ = Empty(); }
    ;
/* one declarative item */
config_decl_3
    : config_decltve_item                               { $$ = $1; }
    ;
/* closing name */
config_decl_2
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    ;
/* declarative items */
config_decl_1
    : %empty                                            { $$ = Empty(); }
    | config_decl_1 config_decl_3                       { $$ = Compose("%s %s", $1, $2); }
    ;

/****************************************************************************
 * Package declaration and package body
 *
 *   package identifier is { package_declarative_item } end [ identifier ] ;
 *   package body identifier is { package_body_declarative_item }
 *   end [ identifier ] ;
 ****************************************************************************/

package_decl
    : package_start package_decl_1
      t_END package_decl_2 ';'                          { $$ = Compose("%s %s %s %s;\n", $1, $2, $3, $4); }
    ;
package_start
    : t_PACKAGE t_Identifier t_IS                       { Drop($1, $2, $3); $$ = Empty(); }
    ;
/* one declarative item */
package_decl_3
    : package_decltve_item                              { $$ = $1; }
    ;
/* closing name */
package_decl_2
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    ;
/* declarative items */
package_decl_1
    : %empty                                            { $$ = Empty(); }
    | package_decl_1 package_decl_3                     { $$ = Compose("%s %s", $1, $2); }
    ;
package_body
    : pack_body_start package_body_1
      t_END package_body_2 ';'                          { $$ = Compose("%s %s %s %s;\n", $1, $2, $3, $4); }
    ;
pack_body_start
    : t_PACKAGE t_BODY t_Identifier t_IS                { Drop($1, $2, $3, $4); $$ = Empty(); }
    ;
/* one declarative item */
package_body_3
    : package_body_decltve_item                         { $$ = $1; }
    ;
/* closing name */
package_body_2
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    ;
/* declarative items */
package_body_1
    : %empty                                            { $$ = Empty(); }
    | package_body_1 package_body_3                     { $$ = Compose("%s %s", $1, $2); }
    ;

/****************************************************************************
 * Declarative items
 *
 *   declarative_item ::= subprogram_declaration | subprogram_body
 *     | type_declaration | subtype_declaration
 *     | constant_, signal_, variable_ or file_declaration | alias_declaration
 *     | component_declaration | attribute_declaration
 *     | attribute_specification | configuration_specification
 *     | disconnection_specification | use_clause
 ****************************************************************************/

common_decltve_item
    : type_decl                                         { $$ = $1; }
    | subtype_decl                                      { $$ = $1; }
    | constant_decl                                     { $$ = $1; }
    | file_decl                                         { $$ = $1; }
    | alias_decl                                        { $$ = $1; }
    | subprog_decl                                      { $$ = $1; }
    | use_clause                                        { $$ = $1; }
    ;
entity_decltve_item
    : common_decltve_item                               { $$ = $1; }
    | subprog_body                                      { $$ = $1; }
    | attribute_decl                                    { $$ = $1; }
    | attribute_spec                                    { $$ = $1; }
    | disconnection_spec                                { $$ = $1; }
    | signal_decl                                       { $$ = $1; }
    ;
block_decltve_item
    : common_decltve_item                               { $$ = $1; }
    | subprog_body                                      { $$ = $1; }
    | comp_decl                                         { $$ = $1; }
    | attribute_decl                                    { $$ = $1; }
    | attribute_spec                                    { $$ = $1; }
    | config_spec                                       { $$ = $1; }
    | disconnection_spec                                { $$ = $1; }
    | signal_decl                                       { $$ = $1; }
    ;
package_decltve_item
    : common_decltve_item                               { $$ = $1; }
    | comp_decl                                         { $$ = $1; }
    | attribute_decl                                    { $$ = $1; }
    | attribute_spec                                    { $$ = $1; }
    | disconnection_spec                                { $$ = $1; }
    | signal_decl                                       { $$ = $1; }
    ;
package_body_decltve_item
    : common_decltve_item                               { $$ = $1; }
    | subprog_body                                      { $$ = $1; }
    ;
subprog_decltve_item
    : common_decltve_item                               { $$ = $1; }
    | subprog_body                                      { $$ = $1; }
    | attribute_decl                                    { $$ = $1; }
    | attribute_spec                                    { $$ = $1; }
    | variable_decl                                     { $$ = $1; }
    ;
procs_decltve_item
    : common_decltve_item                               { $$ = $1; }
    | subprog_body                                      { $$ = $1; }
    | attribute_decl                                    { $$ = $1; }
    | attribute_spec                                    { $$ = $1; }
    | variable_decl                                     { $$ = $1; EXPLAINED(Explain_Process_Variables()); }
    ;
config_decltve_item
    : attribute_spec                                    { $$ = $1; }
    | use_clause                                        { $$ = $1; }
    ;

/****************************************************************************
 * Subprograms
 *
 *   procedure designator [ ( formal_parameter_list ) ]
 *   function designator [ ( formal_parameter_list ) ] return type_mark
 *   subprogram_body ::= subprogram_specification is { declarative_item }
 *       begin { sequential_statement } end [ designator ] ;
 ****************************************************************************/

subprog_decl
    : subprog_spec ';'                                  { $$ = Compose("%s;\n", $1); }
    ;
/* A subprogram head takes the declaration lines pending so far as the
   declarations of its parameters. */
subprog_spec
    : t_PROCEDURE t_Identifier subprog_spec_1           { EXPLAINED(Explain_Subprogram(Text($2), Procedure)); $$ = Compose("%s %s\n%s\n", $2, $3, Take_Declarations()); Drop($1); }
    | t_FUNCTION designator
      subprog_spec_2 t_RETURN mark                      { EXPLAINED(Explain_Subprogram(Text($2), Function_Of | (AT(5).sort & Value_Bits))); $$ = Compose(FUNCTION_SPEC_FORMAT, Mark_Of($5), $2, $3, Take_Declarations()); Drop($1, $4); }
    ;
/* function parameters */
subprog_spec_2
    : %empty                                            { $$ = Empty(); }
    | interf_list                                       { $$ = $1; }
    ;
/* procedure parameters */
subprog_spec_1
    : %empty                                            { $$ = Empty(); }
    | interf_list                                       { $$ = $1; }
    ;
subprog_body
    : subprog_spec t_IS subprog_body_1 t_BEGIN
      seq_stats t_END subprog_body_2 ';'                { $$ = Compose("%s\n{\n%s\n%s}\n", $1, $3, $5); Drop($2, $4, $6, $7); }
    ;
/* one declarative item */
subprog_body_3
    : subprog_decltve_item                              { $$ = $1; }
    ;
/* closing designator */
subprog_body_2
    : %empty                                            { $$ = Empty(); }
    | designator                                        { $$ = $1; }
    ;
/* declarative items */
subprog_body_1
    : %empty                                            { $$ = Empty(); }
    | subprog_body_1 subprog_body_3                     { $$ = Compose("%s %s", $1, $2); }
    ;

/****************************************************************************
 * Interface lists
 *
 *   interface_list ::= interface_element { ; interface_element }
 *   interface_element ::= [ constant | signal | variable ] identifier_list :
 *       [ in | out | inout | buffer | linkage ] subtype_indication [ bus ]
 *       [ := expression ]
 ****************************************************************************/

interf_list
    : '(' interf_list_1 ')'                             { $$ = Compose("(%s)", $2); }
    ;
/* elements */
interf_list_1
    : interf_element                                    { $$ = $1; }
    | interf_list_1 ';' interf_element                  { $$ = Compose("%s, %s", $1, $3); }
    ;
/* An element yields its names and appends its C declaration line. */
interf_element
    : interf_element_1 idf_list ':' interf_element_2
      subtype_indic interf_element_3 interf_element_4   { EXPLAINED(Explain_Interface_Value($7)); Append_Declaration(Compose("%s %s%s;\n", Declared_Type(), Borrow($2), $7)); $$ = $2; EXPLAINED(Explain_Declared(AT(2), AT(5), Text($$), Text($4), Interface_Initialized(), $$)); EXPLAINED(Explain_Interface($5, $$)); Drop($1, $4, $5, $6); }
    ;
/* default value */
interf_element_4
    : %empty                                            { $$ = Empty(); }
    | t_VarAsgn expr                                    { $$ = Compose(" = %s", $2); Drop($1); }
    ;
/* signal kind */
interf_element_3
    : %empty                                            { $$ = Empty(); }
    | signal_kind                                       { $$ = $1; }
    | t_BUFFER                                          { $$ = $1; }
    ;
/* mode */
interf_element_2
    : %empty                                            { $$ = Empty(); }
    | mode                                              { $$ = $1; }
    ;
/* object class */
interf_element_1
    : %empty                                            { $$ = Empty(); }
    | object_class                                      { $$ = $1; }
    ;
mode
    : t_IN                                              { $$ = $1; }
    | t_OUT                                             { $$ = $1; }
    | t_INOUT                                           { $$ = $1; }
    | t_BUFFER                                          { $$ = $1; }
    | t_LINKAGE                                         { $$ = $1; }
    ;

/****************************************************************************
 * Association lists and type marks
 *
 *   association_list ::= association_element { , association_element }
 *   association_element ::= [ formal_part => ] actual_part
 *   actual_part ::= expression | signal_name | variable_name | open
 ****************************************************************************/

association_list
    : '(' association_element association_list_1 ')'    { $$ = Compose("(%s %s)", $2, $3); }
    ;
/* further elements */
association_list_1
    : %empty                                            { $$ = Empty(); }
    | association_list_1 association_list_2             { $$ = Compose("%s %s", $1, $2); }
    ;
/* one further element */
association_list_2
    : ',' association_element                           { $$ = Compose(",%s", $2); }
    ;
/* One element makes an index, more make an argument list. */
gen_association_list
    : '(' gen_association_list_1 ')'                    { EXPLAINED(SPAN.sort = Explain_List(AT(2), array_flag == One_Element)); $$ = Index_Or_Argument_List($2); }
    ;
/* elements, counted in array_flag */
gen_association_list_1
    : gen_association_element                           { $$ = $1; Count_First_Element(); EXPLAINED(SPAN.sort = 1); }
    | gen_association_list_1 ','
      gen_association_element                           { $$ = Compose("%s, %s", $1, $3); Count_Further_Element(); EXPLAINED(SPAN.sort = 2); }
    ;
association_element
    : formal_part t_Arrow actual_part                   { $$ = Compose("%s %s %s", $1, $2, $3); }
    | actual_part                                       { $$ = $1; }
    ;
gen_association_element
    : expr                                              { $$ = $1; }
    | discrete_range1                                   { $$ = $1; }
    ;
formal_part
    : name                                              { $$ = $1; }
    ;
actual_part
    : expr                                              { $$ = $1; }
    | t_OPEN                                            { $$ = $1; }
    ;
/* Every simple name passes the type-name table here. */
mark
    : t_Identifier                                      { EXPLAINED(SPAN.sort = Explain_Mark(AT(1), Text($1), $1)); $$ = Mark_Of($1); }
    | sel_name                                          { $$ = $1; }
    ;

/****************************************************************************
 * Expressions
 *
 *   expression ::= relation { and relation } | relation { or relation }
 *                | relation { xor relation }
 *                | relation [ nand relation ] | relation [ nor relation ]
 *   relation ::= simple_expression [ relational_operator simple_expression ]
 *   simple_expression ::= [ + | - ] term { adding_operator term }
 *   term ::= factor { multiplying_operator factor }
 *   factor ::= primary [ ** primary ] | abs primary | not primary
 ****************************************************************************/

expr
    : and_relation                                      { $$ = $1; }
    | or_relation                                       { $$ = $1; }
    | xor_relation                                      { $$ = $1; }
    | relation                                          { $$ = $1; }
    | relation t_NAND relation                          { $$ = Compose("!(%s & %s)", $1, $3); Drop($2); EXPLAINED(Explain_Bitwise(SPAN, AT(1), AT(3), $$)); }
    | relation t_NOR relation                           { $$ = Compose("!(%s | %s)", $1, $3); Drop($2); EXPLAINED(Explain_Bitwise(SPAN, AT(1), AT(3), $$)); }
    ;
and_relation
    : relation t_AND relation                           { $$ = Compose("%s & %s", $1, $3); Drop($2); EXPLAINED(Explain_Logical(SPAN, AT(1), AT(3), $$)); }
    | and_relation t_AND relation                       { $$ = Compose("%s & %s", $1, $3); Drop($2); EXPLAINED(Explain_Logical(SPAN, AT(1), AT(3), $$)); }
    ;
or_relation
    : relation t_OR relation                            { $$ = Compose("%s | %s", $1, $3); Drop($2); EXPLAINED(Explain_Logical(SPAN, AT(1), AT(3), $$)); }
    | or_relation t_OR relation                         { $$ = Compose("%s | %s", $1, $3); Drop($2); EXPLAINED(Explain_Logical(SPAN, AT(1), AT(3), $$)); }
    ;
xor_relation
    : relation t_XOR relation                           { $$ = Compose("%s ^ %s", $1, $3); Drop($2); EXPLAINED(Explain_Bitwise(SPAN, AT(1), AT(3), $$)); }
    | xor_relation t_XOR relation                       { $$ = Compose("%s ^ %s", $1, $3); Drop($2); EXPLAINED(Explain_Bitwise(SPAN, AT(1), AT(3), $$)); }
    ;
relation
    : primary                                           { $$ = $1; }
    | t_Plus primary                                    { $$ = Compose("%s %s", $1, $2); }
    | t_Minus primary                                   { $$ = Compose("%s %s", $1, $2); }
    | t_Minus t_ABS primary                             { $$ = Compose("-abs(%s)", $3); Drop($1, $2); }
    | t_ABS primary                                     { $$ = Compose("abs(%s)", $2); Drop($1); }
    | t_NOT primary                                     { $$ = Compose("!(%s)", $2); Drop($1); EXPLAINED(Explain_Not(SPAN, AT(2), $$)); }
    | primary t_DoubleStar primary                      { $$ = Compose("%s %s %s", $1, $2, $3); }
    | relation t_MOD relation                           { $$ = Compose("%s %s %s", $1, $2, $3); }
    | relation t_REM relation                           { $$ = Compose("%s %s %s", $1, $2, $3); }
    | relation t_Ampersand relation                     { $$ = Compose("%s %s %s", $1, $2, $3); EXPLAINED(Explain_Concatenation(SPAN, $$)); }
    | relation t_Star relation                          { $$ = Compose("%s %s %s", $1, $2, $3); }
    | relation t_Plus relation                          { $$ = Compose("%s %s %s", $1, $2, $3); }
    | relation t_Minus relation                         { $$ = Compose("%s %s %s", $1, $2, $3); }
    | relation t_LESym relation                         { $$ = Compose("%s <= %s", $1, $3); Drop($2); EXPLAINED(SPAN.sort = Boolean_Value); }
    | relation t_GESym relation                         { $$ = Compose("%s >= %s", $1, $3); Drop($2); EXPLAINED(SPAN.sort = Boolean_Value); }
    | relation t_LTSym relation                         { $$ = Compose("%s < %s", $1, $3); Drop($2); EXPLAINED(SPAN.sort = Boolean_Value); }
    | relation t_GTSym relation                         { $$ = Compose("%s > %s", $1, $3); Drop($2); EXPLAINED(SPAN.sort = Boolean_Value); }
    | relation t_EQSym relation                         { $$ = Compose("%s == %s", $1, $3); Drop($2); EXPLAINED(SPAN.sort = Boolean_Value); }
    | relation t_NESym relation                         { $$ = Compose("%s != %s", $1, $3); Drop($2); EXPLAINED(SPAN.sort = Boolean_Value); }
    | relation t_Slash relation                         { $$ = Compose("%s %s %s", $1, $2, $3); }
    ;
primary
    : name                                              { $$ = $1; }
    | literal                                           { $$ = $1; }
    | aggregate                                         { $$ = $1; }
    | qualified_expr                                    { $$ = $1; }
    | allocator                                         { $$ = $1; }
    | '(' expr ')'                                      { $$ = Compose("(%s)", $2); EXPLAINED(SPAN.sort = AT(2).sort); }
    ;

/****************************************************************************
 * Names
 *
 *   name ::= simple_name | operator_symbol | selected_name | indexed_name
 *          | slice_name | attribute_name
 *   prefix ( expression { , expression } ),  prefix ( discrete_range ),
 *   prefix . suffix,  prefix ' attribute_designator [ ( expression ) ]
 ****************************************************************************/

name
    : mark                                              { $$ = $1; }
    | name2                                             { $$ = $1; }
    ;
name2
    : t_StringLit                                       { $$ = Convert_String_To_Int(Text($1)); EXPLAINED(Explain_String(SPAN, Text($1), $$)); Drop($1); }
    | attribute_name                                    { $$ = $1; }
    | ifts_name                                         { $$ = $1; }
    ;
sel_name
    : name '.' suffix                                   { $$ = Compose("%s.%s", $1, $3); }
    ;
suffix
    : designator                                        { $$ = $1; }
    | t_CharacterLit                                    { $$ = $1; }
    | t_ALL                                             { $$ = $1; }
    ;
/* A second suffix is dropped. */
ifts_name
    : mark gen_association_list                         { $$ = Compose("%s %s", $1, $2); EXPLAINED(Explain_Indexed(SPAN, AT(1), AT(2), $$)); }
    | name2 gen_association_list                        { $$ = $1; EXPLAINED(Keep_Annotations($2, $$)); Drop($2); EXPLAINED(Explain_Second_List(AT(2), $$)); }
    ;
attribute_name
    : mark t_Apostrophe t_Identifier                    { $$ = Compose("%s /* %s %s */", $1, $2, $3); EXPLAINED(Explain_Attribute(SPAN, $$)); }
    | name2 t_Apostrophe t_Identifier                   { $$ = Compose("%s /* %s %s */", $1, $2, $3); EXPLAINED(Explain_Attribute(SPAN, $$)); }
    | mark t_Apostrophe t_RANGE                         { $$ = Compose("%s /* %s %s */", $1, $2, $3); }
    | name2 t_Apostrophe t_RANGE                        { $$ = Compose("%s /* %s %s */", $1, $2, $3); }
    ;

/****************************************************************************
 * Aggregates, qualified expressions, allocators and choices
 *
 *   aggregate ::= ( element_association { , element_association } )
 *   element_association ::= [ choices => ] expression
 *   choices ::= choice { | choice }    choice ::= expression | discrete_range | others
 *   qualified_expression ::= type_mark ' ( expression ) | type_mark ' aggregate
 *   allocator ::= new subtype_indication | new qualified_expression
 ****************************************************************************/

aggregate
    : element_association_list2 ')'                     { $$ = Compose("%s)", $1); EXPLAINED(Explain_Aggregate(SPAN, $$)); }
    | '(' choices t_Arrow expr ')'                      { $$ = Compose("(%s %s %s)", $2, $3, $4); }
    ;
element_association_list2
    : '(' element_association ',' element_association   { $$ = Compose("(%s,%s", $2, $4); }
    | element_association_list2 ',' element_association { $$ = Compose("%s,%s", $1, $3); }
    ;
qualified_expr
    : mark t_Apostrophe '(' expr ')'                    { $$ = Compose("%s %s(%s)", $1, $2, $4); }
    | mark t_Apostrophe aggregate                       { $$ = Compose("%s %s %s", $1, $2, $3); }
    ;
allocator
    : t_NEW mark mark allocator_1                       { $$ = Compose("%s %s %s %s", $1, $2, $3, $4); }
    | t_NEW mark allocator_2                            { $$ = Compose("%s %s %s", $1, $2, $3); }
    | t_NEW qualified_expr                              { $$ = Compose("%s %s", $1, $2); }
    ;
/* suffix of an allocated subtype */
allocator_2
    : %empty                                            { $$ = Empty(); }
    | gen_association_list                              { EXPLAINED(Explain_Counted_In_Constraint(AT(1))); $$ = $1; }
    ;
/* suffix of an allocated subtype with a resolution function */
allocator_1
    : %empty                                            { $$ = Empty(); }
    | gen_association_list                              { EXPLAINED(Explain_Counted_In_Constraint(AT(1))); $$ = $1; }
    ;
element_association
    : choices t_Arrow expr                              { $$ = Compose("%s %s %s", $1, $2, $3); EXPLAINED(SPAN.marks |= Named); }
    | expr                                              { $$ = $1; }
    ;
choices
    : choice choices_1                                  { EXPLAINED(SPAN.sort = Length($2) > 0 ? 2 : 1); $$ = Compose("%s %s", $1, $2); }
    ;
/* further choices */
choices_1
    : %empty                                            { $$ = Empty(); }
    | choices_1 choices_2                               { $$ = Compose("%s %s", $1, $2); }
    ;
/* one further choice */
choices_2
    : t_Bar choice                                      { $$ = Compose("%s %s", $1, $2); }
    ;
choice
    : expr                                              { $$ = $1; }
    | discrete_range1                                   { $$ = $1; EXPLAINED(Explain_Counted_In_Choice(SPAN, $$)); }
    | t_OTHERS                                          { $$ = $1; }
    ;

/****************************************************************************
 * Type declarations and definitions
 *
 *   type identifier is type_definition ;     type identifier ;
 *   type_definition ::= ( enumeration_literal { , enumeration_literal } )
 *     | range range_constraint [ units ... end units ]
 *     | array ( index_subtype_definition { , ... } ) of subtype_indication
 *     | array index_constraint of subtype_indication
 *     | record element_declaration { element_declaration } end record
 *     | access subtype_indication | file of type_mark
 ****************************************************************************/

/* The kind of the last type definition chooses the format (Type_Declaration):
     enumeration   "typedef enum %s %s;\n"   definition, name
     array         "typedef %s %s%s%s;\n"    element type, name, definition,
                                             constraint of the element type
     other kinds   "%s %s;\n"                name, definition              */
type_decl
    : t_TYPE t_Identifier type_decl_1 ';'               { EXPLAINED(Explain_Type_Declared(Text($2), AT(3))); $$ = Type_Declaration($2, $3); Drop($1); }
    ;
/* definition */
type_decl_1
    : %empty                                            { $$ = Empty(); }
    | t_IS type_definition                              { $$ = $2; Drop($1); EXPLAINED(SPAN.sort = AT(2).sort); }
    ;
/* Each definition leaves its kind for the type declaration. */
type_definition
    : enumeration_type_definition                       { $$ = $1; Record_Type_Kind(Enumeration_Type); }
    | range_constraint                                  { $$ = $1; Record_Type_Kind(Range_Type); }
    | physical_type_definition                          { $$ = $1; Record_Type_Kind(Physical_Type); }
    | unconstrained_array_definition                    { $$ = $1; Record_Type_Kind(Unconstrained_Array_Type); }
    | constrained_array_definition                      { $$ = $1; Record_Type_Kind(Constrained_Array_Type); }
    | record_type_definition                            { $$ = $1; Record_Type_Kind(Record_Type); }
    | access_type_definition                            { $$ = $1; Record_Type_Kind(Access_Type); }
    | file_type_definition                              { $$ = $1; Record_Type_Kind(File_Type); }
    ;
enumeration_type_definition
    : '(' enumeration_type_definition_1 ')'             { $$ = Compose("{%s}", $2); }
    ;
/* literals */
enumeration_type_definition_1
    : enumeration_literal                               { $$ = $1; }
    | enumeration_type_definition_1
      ',' enumeration_literal                           { $$ = Compose("%s, %s", $1, $3); }
    ;
physical_type_definition
    : range_constraint t_UNITS
      physical_type_definition_1 t_END t_UNITS          { $$ = Compose("%s %s %s %s %s", $1, $2, $3, $4, $5); }
    ;
/* base unit and secondary units */
physical_type_definition_1
    : t_Identifier ';'                                  { $$ = Compose("%s;\n", $1); }
    | physical_type_definition_1 secondary_unit_decl    { $$ = Compose("%s %s", $1, $2); }
    ;
secondary_unit_decl
    : t_Identifier t_EQSym physical_literal ';'         { $$ = Compose("%s %s %s;\n", $1, $2, $3); }
    ;
unconstrained_array_definition
    : t_ARRAY '(' unconstrained_array_definition_1
      ')' t_OF subtype_indic                            { Trace_Element_Type($6); $$ = $3; EXPLAINED(Keep_Annotations($6, $$)); Drop($1, $5, $6); EXPLAINED(SPAN.sort = Explain_Array_Type(AT(6), true, SPAN, $$)); }
    ;
/* index subtypes */
unconstrained_array_definition_1
    : index_subtype_definition                          { $$ = $1; }
    | unconstrained_array_definition_1
      ',' index_subtype_definition                      { $$ = Compose("%s%s", $1, $3); }
    ;
index_subtype_definition
    : mark t_RANGE t_Box                                { $$ = Make_String("[256]"); Drop($1, $2, $3); }
    ;
constrained_array_definition
    : t_ARRAY index_constraint t_OF subtype_indic       { $$ = $2; EXPLAINED(Keep_Annotations($4, $$)); Drop($1, $3, $4); EXPLAINED(SPAN.sort = Explain_Array_Type(AT(4), false, SPAN, $$)); }
    ;
record_type_definition
    : t_RECORD record_type_definition_1 t_END t_RECORD  { $$ = Compose("%s %s %s %s", $1, $2, $3, $4); }
    ;
/* element declarations */
record_type_definition_1
    : element_decl                                      { $$ = $1; }
    | record_type_definition_1 element_decl             { $$ = Compose("%s %s", $1, $2); }
    ;
element_decl
    : idf_list ':' subtype_indic ';'                    { $$ = Compose("%s : %s;\n", $1, $3); }
    ;
access_type_definition
    : t_ACCESS subtype_indic                            { $$ = Compose("%s %s", $1, $2); }
    ;
file_type_definition
    : t_FILE t_OF mark                                  { $$ = Compose("%s %s %s", $1, $2, $3); }
    ;

/****************************************************************************
 * Subtypes, ranges and constraints
 *
 *   subtype identifier is subtype_indication ;
 *   subtype_indication ::= [ resolution_function_name ] type_mark [ constraint ]
 *   constraint ::= range range | ( discrete_range { , discrete_range } )
 *   range ::= range_attribute_name
 *           | simple_expression ( to | downto ) simple_expression
 ****************************************************************************/

subtype_decl
    : t_SUBTYPE t_Identifier t_IS subtype_indic ';'     { EXPLAINED(Explain_Subtype_Declared(Text($2), AT(4))); $$ = Compose("%s %s %s %s;\n", $1, $2, $3, $4); }
    ;
/* Every form records its type mark; a range (below) gives it back. */
subtype_indic
    : mark subtype_indic_1                              { EXPLAINED(Explain_Subtype(SPAN, AT(1), Length($2) > 0)); EXPLAINED(Hold_Annotations($1, $2)); Record_Subtype($1, $2); $$ = Compose("%s %s", $1, $2); EXPLAINED(Put_Held_Annotations($$)); }
    | subtype_indic1                                    { Record_Noted_Subtype(); $$ = $1; }
    ;
/* suffix */
subtype_indic_1
    : %empty                                            { $$ = Empty(); }
    | gen_association_list                              { EXPLAINED(Explain_Counted_In_Constraint(AT(1))); $$ = $1; }
    ;
subtype_indic1
    : mark mark range_constraint                        { EXPLAINED(SPAN.sort = AT(2).sort); Note_Subtype($2, nullptr); $$ = Compose("%s %s %s", $1, $2, $3); }
    | mark range_constraint                             { EXPLAINED(SPAN.sort = AT(1).sort); Note_Subtype($1, nullptr); $$ = Compose("%s %s", $1, $2); }
    | mark mark subtype_indic1_1                        { EXPLAINED(Explain_Subtype(SPAN, AT(2), Length($3) > 0)); EXPLAINED(Hold_Annotations($2, $3)); Note_Subtype($2, $3); $$ = Compose("%s %s %s", $1, $2, $3); EXPLAINED(Put_Held_Annotations($$)); }
    ;
/* suffix after a resolution function */
subtype_indic1_1
    : %empty                                            { $$ = Empty(); }
    | gen_association_list                              { EXPLAINED(Explain_Counted_In_Constraint(AT(1))); $$ = $1; }
    ;
range_constraint
    : t_RANGE range_spec                                { $$ = Compose("%s %s", $1, $2); }
    ;
index_constraint
    : '(' index_constraint_1 ')'                        { $$ = $2; }
    ;
/* dimensions */
index_constraint_1
    : discrete_range                                    { $$ = Compose("[%s]", $1); }
    | index_constraint_1 ',' discrete_range             { $$ = Compose("%s[%s]", $1, $3); }
    ;
/* A range written as a subtype leaves the remembered type mark as it was. */
discrete_range
    : subtype_indic                                     { Keep_Type_Before_Range(); $$ = $1; }
    | range_spec                                        { $$ = $1; }
    ;
/* A range in a list or a choice is written as its element count. */
discrete_range1
    : subtype_indic1                                    { $$ = $1; }
    | expr direction expr                               { EXPLAINED(Hold_Annotations($1, $3)); $$ = Compose("%d", Count_Range_Elements($1, $2, $3)); EXPLAINED(Explain_Counted_Range(SPAN, number_of_bits, Text($1), Text($3))); EXPLAINED(Put_Held_Annotations($$)); Drop($1, $2, $3); }
    ;
/* An explicit range records its bounds for the next for scheme. */
range_spec
    : attribute_name                                    { $$ = $1; }
    | expr direction expr                               { EXPLAINED(Explain_Explicit_Range(SPAN)); EXPLAINED(Hold_Annotations($1, $3)); Record_Range($1, $2, $3); $$ = Make_String(Float_Or_Int_By_Bounds($1, $3)); EXPLAINED(Put_Held_Annotations($$)); Drop($1, $2, $3); }
    ;
direction
    : t_TO                                              { $$ = $1; }
    | t_DOWNTO                                          { $$ = $1; }
    ;

/****************************************************************************
 * Object declarations
 *
 *   constant identifier_list : subtype_indication [ := expression ] ;
 *   signal identifier_list : subtype_indication [ register | bus ] [ := expression ] ;
 *   variable identifier_list : subtype_indication [ := expression ] ;
 ****************************************************************************/

constant_decl
    : t_CONSTANT idf_list ':'
      subtype_indic constant_decl_1 ';'                 { EXPLAINED(Explain_Declared(AT(2), AT(4), Text($2), "constant", Length($5) > 0, $5)); EXPLAINED(Keep_Annotations($4, $5)); $$ = Compose("%s %s %s;\n", Declared_Type(), $2, $5); Drop($1, $4); }
    ;
/* initial value */
constant_decl_1
    : %empty                                            { $$ = Empty(); }
    | t_VarAsgn expr                                    { $$ = Compose("= %s", $2); Drop($1); }
    ;
signal_decl
    : t_SIGNAL idf_list ':' subtype_indic
      signal_decl_1 signal_decl_2 ';'                   { EXPLAINED(Explain_Declared(AT(2), AT(4), Text($2), "signal", Length($6) > 0, $6)); EXPLAINED(Keep_Annotations($4, $6)); $$ = Compose("%s %s %s %s;\n", Declared_Type(), $2, $5, $6); Drop($1, $4); }
    ;
/* initial value */
signal_decl_2
    : %empty                                            { $$ = Empty(); }
    | t_VarAsgn expr                                    { $$ = Compose("= %s", $2); Drop($1); }
    ;
/* signal kind, dropped */
signal_decl_1
    : %empty                                            { $$ = Empty(); }
    | signal_kind                                       { Drop($1); $$ = Empty(); }
    ;
variable_decl
    : t_VARIABLE idf_list ':'
      subtype_indic variable_decl_1 ';'                 { EXPLAINED(Explain_Declared(AT(2), AT(4), Text($2), "variable", Length($5) > 0, $5)); EXPLAINED(Keep_Annotations($4, $5)); $$ = Compose("%s %s %s;\n", Declared_Type(), $2, $5); Drop($1, $4); }
    ;
/* initial value */
variable_decl_1
    : %empty                                            { $$ = Empty(); }
    | t_VarAsgn expr                                    { $$ = Compose("= %s", $2); Drop($1); }
    ;
object_class
    : t_CONSTANT                                        { $$ = $1; }
    | t_SIGNAL                                          { $$ = $1; }
    | t_VARIABLE                                        { $$ = $1; }
    ;
signal_kind
    : t_BUS                                             { $$ = $1; }
    | t_REGISTER                                        { $$ = $1; }
    ;

/****************************************************************************
 * Declarations passed through: alias, file, disconnection, attribute
 *
 *   alias identifier : subtype_indication is name ;
 *   file identifier : subtype_indication is [ in | out ] string_expression ;
 *   disconnect signal_list : type_mark after time_expression ;
 *   attribute identifier : type_mark ;
 *   attribute attribute_designator of entity_name_list : entity_class is expression ;
 ****************************************************************************/

alias_decl
    : t_ALIAS t_Identifier ':'
      subtype_indic t_IS name ';'                       { $$ = Compose("%s %s:%s %s %s;\n", $1, $2, $4, $5, $6); }
    ;
file_decl
    : t_FILE t_Identifier ':' subtype_indic
      t_IS file_decl_1 expr ';'                         { $$ = Compose("%s %s:%s %s %s %s;\n", $1, $2, $4, $5, $6, $7); }
    ;
/* mode */
file_decl_1
    : %empty                                            { $$ = Empty(); }
    | mode                                              { $$ = $1; }
    ;
disconnection_spec
    : t_DISCONNECT signal_list
      ':' mark t_AFTER expr ';'                         { $$ = Compose("%s %s:%s %s %s;\n", $1, $2, $4, $5, $6); }
    ;
signal_list
    : name signal_list_1                                { $$ = Compose("%s %s", $1, $2); }
    | t_OTHERS                                          { $$ = $1; }
    | t_ALL                                             { $$ = $1; }
    ;
/* further names */
signal_list_1
    : %empty                                            { $$ = Empty(); }
    | signal_list_1 signal_list_2                       { $$ = Compose("%s %s", $1, $2); }
    ;
/* one further name */
signal_list_2
    : ',' name                                          { $$ = Compose(",%s", $2); }
    ;
attribute_decl
    : t_ATTRIBUTE t_Identifier ':' mark ';'             { $$ = Compose("%s %s:%s;\n", $1, $2, $4); }
    ;
attribute_spec
    : t_ATTRIBUTE t_Identifier t_OF
      entity_spec t_IS expr ';'                         { $$ = Compose("%s %s %s %s %s %s;\n", $1, $2, $3, $4, $5, $6); }
    ;
entity_spec
    : entity_name_list ':' entity_class                 { $$ = Compose("%s:%s", $1, $3); }
    ;
entity_name_list
    : designator entity_name_list_1                     { $$ = Compose("%s %s", $1, $2); }
    | t_OTHERS                                          { $$ = $1; }
    | t_ALL                                             { $$ = $1; }
    ;
/* further designators */
entity_name_list_1
    : %empty                                            { $$ = Empty(); }
    | entity_name_list_1 entity_name_list_2             { $$ = Compose("%s %s", $1, $2); }
    ;
/* one further designator */
entity_name_list_2
    : ',' designator                                    { $$ = Compose(",%s", $2); }
    ;
entity_class
    : t_ENTITY                                          { $$ = $1; }
    | t_ARCHITECTURE                                    { $$ = $1; }
    | t_PACKAGE                                         { $$ = $1; }
    | t_CONFIGURATION                                   { $$ = $1; }
    | t_COMPONENT                                       { $$ = $1; }
    | t_LABEL                                           { $$ = $1; }
    | t_TYPE                                            { $$ = $1; }
    | t_SUBTYPE                                         { $$ = $1; }
    | t_PROCEDURE                                       { $$ = $1; }
    | t_FUNCTION                                        { $$ = $1; }
    | t_SIGNAL                                          { $$ = $1; }
    | t_VARIABLE                                        { $$ = $1; }
    | t_CONSTANT                                        { $$ = $1; }
    ;

/****************************************************************************
 * Schemes of loops and generate statements
 *
 *   iteration_scheme ::= while condition | for identifier in discrete_range
 *   generation_scheme ::= for identifier in discrete_range | if condition
 ****************************************************************************/

generation_scheme
    : if_scheme                                         { $$ = $1; }
    | for_scheme                                        { $$ = $1; }
    ;
iteration_scheme
    : for_scheme                                        { $$ = $1; }
    | while_scheme                                      { $$ = $1; }
    ;
if_scheme
    : t_IF expr                                         { $$ = Compose("if (%s)", $2); Drop($1); }
    ;
/* The bounds come from the last explicit range, not from the range's text. */
for_scheme
    : t_FOR t_Identifier t_IN discrete_range            { $$ = For_Loop_Over_Last_Range($1, $2); EXPLAINED(Keep_Annotations($4, $$)); Drop($2, $3, $4); EXPLAINED(Explain_For_Scheme(AT(4), Length(for_from_string) == 0, $$)); }
    ;
while_scheme
    : t_WHILE expr                                      { $$ = Compose("%s (%s)", $1, $2); }
    ;

/****************************************************************************
 * Concurrent statements
 *
 *   block_statement ::= label : block [ ( guard ) ] block_header { declarative_item }
 *       begin { concurrent_statement } end block [ label ] ;
 *   component_instantiation ::= label : component_name [ generic map ( ... ) ]
 *       [ port map ( ... ) ] ;
 *   [ label : ] target <= [ guarded ] [ transport ]
 *       { waveform when condition else } waveform ;
 *   [ label : ] with expression select target <= [ guarded ] [ transport ]
 *       waveform when choices { , waveform when choices } ;
 *   generate_statement ::= label : generation_scheme generate
 *       { concurrent_statement } end generate [ label ] ;
 ****************************************************************************/

concurrent_stats
    : concurrent_stats_1                                { $$ = $1; }
    ;
/* statements */
concurrent_stats_1
    : %empty                                            { $$ = Empty(); }
    | concurrent_stats_1 concurrent_stats_2             { $$ = Compose("%s %s", $1, $2); }
    ;
/* one statement */
concurrent_stats_2
    : concurrent_stat                                   { $$ = $1; }
    ;
concurrent_stat
    : block_stat                                        { $$ = $1; }
    | concurrent_assertion_stat                         { $$ = $1; }
    | concurrent_procedure_call                         { $$ = $1; }
    | concurrent_signal_assign_stat                     { $$ = $1; }
    | comp_inst_stat                                    { $$ = $1; }
    | generate_stat                                     { $$ = $1; }
    | procs_stat                                        { $$ = $1; }
    ;
block_stat
    : t_Identifier ':' t_BLOCK block_stat_1
      block_stat_2 block_stat_3 block_stat_4 t_BEGIN
      concurrent_stats t_END t_BLOCK block_stat_5 ';'   { $$ = Compose(BLOCK_FORMAT, $1, $3, $4, $5, $6, $7, $8, $9, $10, $11, $12); }
    ;
/* generic map of a block header */
block_stat_8
    : %empty                                            { $$ = Empty(); }
    | t_GENERIC t_MAP association_list ';'              { $$ = Compose("%s %s %s;\n", $1, $2, $3); }
    ;
/* port map of a block header */
block_stat_7
    : %empty                                            { $$ = Empty(); }
    | t_PORT t_MAP association_list ';'                 { $$ = Compose("%s %s %s;\n", $1, $2, $3); }
    ;
/* one declarative item */
block_stat_6
    : block_decltve_item                                { $$ = $1; }
    ;
/* closing label */
block_stat_5
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    ;
/* declarative items */
block_stat_4
    : %empty                                            { $$ = Empty(); }
    | block_stat_4 block_stat_6                         { $$ = Compose("%s %s", $1, $2); }
    ;
/* port part */
block_stat_3
    : %empty                                            { $$ = Empty(); }
    | t_PORT interf_list ';' block_stat_7               { $$ = Compose("%s %s;\n%s", $1, $2, $4); }
    ;
/* generic part */
block_stat_2
    : %empty                                            { $$ = Empty(); }
    | t_GENERIC interf_list ';' block_stat_8            { $$ = Compose("%s %s;\n%s", $1, $2, $4); }
    ;
/* guard */
block_stat_1
    : %empty                                            { $$ = Empty(); }
    | '(' expr ')'                                      { $$ = Compose("(%s)", $2); }
    ;
comp_inst_stat
    : t_Identifier ':' mark t_GENERIC t_MAP
      association_list comp_inst_stat_1 ';'             { $$ = Compose(INSTANCE_FORMAT, $1, $3, $4, $5, $6, $7); }
    | t_Identifier ':' mark t_PORT
      t_MAP association_list ';'                        { $$ = Compose(INSTANCE_WITHOUT_GENERICS_FORMAT, $1, $3, $4, $5, $6); }
    ;
/* port map after a generic map */
comp_inst_stat_1
    : %empty                                            { $$ = Empty(); }
    | t_PORT t_MAP association_list                     { $$ = Compose("%s %s %s", $1, $2, $3); }
    ;
concurrent_assertion_stat
    : t_Identifier ':' assertion_stat                   { $$ = Compose(LABELLED_FORMAT, $1, $3); }
    | assertion_stat                                    { $$ = $1; }
    ;
concurrent_procedure_call
    : t_Identifier ':' procedure_call_stat              { $$ = Compose(LABELLED_FORMAT, $1, $3); }
    | procedure_call_stat                               { $$ = $1; }
    ;
concurrent_signal_assign_stat
    : t_Identifier ':' condal_signal_assign             { $$ = Compose(LABELLED_FORMAT, $1, $3); }
    | condal_signal_assign                              { $$ = $1; }
    | t_Identifier ':' sel_signal_assign                { $$ = Compose(LABELLED_FORMAT, $1, $3); }
    | sel_signal_assign                                 { $$ = $1; }
    ;
condal_signal_assign
    : target t_LESym opts condal_wavefrms ';'           { $$ = Compose("%s %s %s %s;\n", $1, $2, $3, $4); }
    ;
condal_wavefrms
    : condal_wavefrms_1 wavefrm                         { $$ = Compose("%s %s", $1, $2); }
    ;
/* conditional waveforms before the last one */
condal_wavefrms_1
    : %empty                                            { $$ = Empty(); }
    | condal_wavefrms_1 condal_wavefrms_2               { $$ = Compose("%s %s", $1, $2); }
    ;
/* one conditional waveform */
condal_wavefrms_2
    : wavefrm t_WHEN expr t_ELSE                        { $$ = Compose("%s %s %s %s;\n", $1, $2, $3, $4); }
    ;
wavefrm
    : wavefrm_element                                   { $$ = $1; }
    | wavefrm ',' wavefrm_element                       { $$ = Compose("%s, %s", $1, $3); EXPLAINED(Explain_Waveform(SPAN, AT(1), $$)); }
    ;
wavefrm_element
    : expr wavefrm_element_1                            { $$ = Compose("%s %s", $1, $2); }
    ;
/* delay */
wavefrm_element_1
    : %empty                                            { $$ = Empty(); }
    | t_AFTER expr                                      { EXPLAINED(Annotations_In_Comment($2)); $$ = Compose("/* %s %s */", $1, Inside_Comment($2)); }
    ;
target
    : name                                              { $$ = $1; }
    | aggregate                                         { $$ = $1; }
    ;
opts
    : opts_1 opts_2                                     { $$ = Compose("%s %s", $1, $2); }
    ;
/* transport */
opts_2
    : %empty                                            { $$ = Empty(); }
    | t_TRANSPORT                                       { $$ = $1; }
    ;
/* guarded */
opts_1
    : %empty                                            { $$ = Empty(); }
    | t_GUARDED                                         { $$ = $1; }
    ;
sel_signal_assign
    : t_WITH expr t_SELECT target
      t_LESym opts sel_wavefrms ';'                     { $$ = Compose("%s %s %s %s %s %s %s;\n", $1, $2, $3, $4, $5, $6, $7); }
    ;
sel_wavefrms
    : sel_wavefrms_1 wavefrm t_WHEN choices             { $$ = Compose("%s %s %s %s", $1, $2, $3, $4); }
    ;
/* alternatives before the last one */
sel_wavefrms_1
    : %empty                                            { $$ = Empty(); }
    | sel_wavefrms_1 sel_wavefrms_2                     { $$ = Compose("%s %s", $1, $2); }
    ;
/* one alternative; its comma is not written */
sel_wavefrms_2
    : wavefrm t_WHEN choices ','                        { $$ = Compose("%s %s %s", $1, $2, $3); }
    ;
generate_stat
    : t_Identifier ':' generation_scheme
      t_GENERATE concurrent_stats t_END
      t_GENERATE generate_stat_1 ';'                    { $$ = Compose("%s : %s %s %s %s %s %s;\n", $1, $3, $4, $5, $6, $7, $8); }
    ;
/* closing label */
generate_stat_1
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    ;

/****************************************************************************
 * Processes
 *
 *   [ label : ] process [ ( sensitivity_list ) ] { process_declarative_item }
 *   begin { sequential_statement } end process [ label ] ;
 ****************************************************************************/

procs_stat
    : t_Identifier ':' procs_stat1                      { EXPLAINED(Explain_Process(AT(1), true, $3)); $$ = Compose("%s %s", $1, $3); }
    | procs_stat1                                       { EXPLAINED(Explain_Process(AT(1), false, $1)); $$ = Compose(UNLABELLED_PROCESS_FORMAT, $1); }
    ;
/* A process is a C function with the ports of the last entity. */
procs_stat1
    : t_PROCESS procs_stat1_1 procs_stat1_2 t_BEGIN
      seq_stats t_END t_PROCESS procs_stat1_3 ';'       { EXPLAINED(Keep_Annotations($2, $3)); $$ = Compose(PROCESS_FORMAT, Borrow(temp_process_headers), Borrow(temp_process_definations), $3, $5); Drop($1, $2, $4, $6, $7, $8); }
    ;
/* closing label */
procs_stat1_3
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    ;
/* declarative items */
procs_stat1_2
    : %empty                                            { $$ = Empty(); }
    | procs_stat1_2 procs_decltve_item                  { $$ = Compose("%s %s", $1, $2); }
    ;
/* sensitivity list */
procs_stat1_1
    : %empty                                            { $$ = Make_String("()"); }
    | '(' sensitivity_list ')'                          { $$ = Compose("(%s)", $2); }
    ;
sensitivity_list
    : name sensitivity_list_1                           { $$ = Compose("%s %s", $1, $2); }
    ;
/* further names */
sensitivity_list_1
    : %empty                                            { $$ = Empty(); }
    | sensitivity_list_1 sensitivity_list_2             { $$ = Compose("%s %s", $1, $2); }
    ;
/* one further name */
sensitivity_list_2
    : ',' name                                          { $$ = Compose(",%s", $2); }
    ;

/****************************************************************************
 * Sequential statements
 *
 *   wait [ on sensitivity_list ] [ until condition ] [ for time_expression ] ;
 *   assert condition [ report expression ] [ severity expression ] ;
 *   target <= [ transport ] waveform ;    target := expression ;
 *   if condition then ... { elsif condition then ... } [ else ... ] end if ;
 *   case expression is case_statement_alternative { ... } end case ;
 *   [ label : ] [ iteration_scheme ] loop { sequential_statement } end loop [ label ] ;
 *   next [ label ] [ when condition ] ;   exit [ label ] [ when condition ] ;
 *   return [ expression ] ;   null ;   procedure_call ;
 ****************************************************************************/

seq_stats
    : %empty                                            { $$ = Empty(); }
    | seq_stats seq_stat                                { $$ = Compose("%s %s", $1, $2); }
    ;
seq_stat
    : assertion_stat                                    { $$ = $1; }
    | case_stat                                         { $$ = $1; }
    | exit_stat                                         { $$ = $1; }
    | if_stat                                           { $$ = $1; }
    | loop_stat                                         { $$ = $1; }
    | next_stat                                         { $$ = $1; }
    | null_stat                                         { $$ = $1; }
    | procedure_call_stat                               { $$ = $1; }
    | return_stat                                       { $$ = $1; }
    | signal_assign_stat                                { $$ = $1; }
    | variable_assign_stat                              { $$ = $1; }
    | wait_stat                                         { $$ = $1; }
    ;
assertion_stat
    : t_ASSERT expr assertion_stat_1
      assertion_stat_2 ';'                              { EXPLAINED(Annotations_In_Comment($2, $3, $4)); $$ = Compose("/* %s %s %s %s */\n", $1, Inside_Comment($2), Inside_Comment($3), Inside_Comment($4)); }
    ;
/* severity */
assertion_stat_2
    : %empty                                            { $$ = Empty(); }
    | t_SEVERITY expr                                   { $$ = Compose("%s %s", $1, $2); }
    ;
/* report */
assertion_stat_1
    : %empty                                            { $$ = Empty(); }
    | t_REPORT expr                                     { $$ = Compose("%s %s", $1, $2); }
    ;
case_stat
    : t_CASE expr t_IS case_stat_1 t_END t_CASE ';'     { $$ = Compose(CASE_FORMAT, $2, $4); Drop($1, $3, $5, $6); }
    ;
/* alternatives */
case_stat_1
    : case_stat_alternative                             { $$ = $1; }
    | case_stat_1 case_stat_alternative                 { $$ = Compose("%s%s", $1, $2); }
    ;
case_stat_alternative
    : t_WHEN choices t_Arrow seq_stats                  { EXPLAINED(Explain_Case_Choices(AT(2), $2)); $$ = Compose("case %s : %s\nbreak;\n", $2, $4); Drop($1, $3); }
    ;
exit_stat
    : t_EXIT exit_stat_1 exit_stat_2 ';'                { $$ = Compose("%s %s %s;\n", $1, $2, $3); EXPLAINED(Explain_Exit(SPAN, AT(1), AT(3), $$)); }
    ;
/* condition */
exit_stat_2
    : %empty                                            { $$ = Empty(); }
    | t_WHEN expr                                       { $$ = Compose("%s %s", $1, $2); }
    ;
/* loop label */
exit_stat_1
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    ;
if_stat
    : t_IF expr t_THEN seq_stats
      if_stat_1 if_stat_2 t_END t_IF ';'                { $$ = Compose(IF_FORMAT, $2, $4, $5, $6); Drop($1, $3, $7, $8); }
    ;
/* one elsif part */
if_stat_3
    : t_ELSIF expr t_THEN seq_stats                     { $$ = Compose("else if (%s)\n{\n%s}\n", $2, $4); Drop($1, $3); }
    ;
/* else part */
if_stat_2
    : %empty                                            { $$ = Empty(); }
    | t_ELSE seq_stats                                  { $$ = Compose("else\n{\n%s}\n", $2); Drop($1); }
    ;
/* elsif parts */
if_stat_1
    : %empty                                            { $$ = Empty(); }
    | if_stat_1 if_stat_3                               { $$ = Compose("%s%s", $1, $2); }
    ;
loop_stat
    : loop_stat_1 loop_stat_2 t_LOOP
      seq_stats t_END t_LOOP loop_stat_3 ';'            { $$ = Compose("%s%s\n{\n%s}\n", $1, $2, $4); Drop($3, $5, $6, $7); }
    ;
/* closing label */
loop_stat_3
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    ;
/* iteration scheme */
loop_stat_2
    : %empty                                            { $$ = Make_String("while (1)"); }
    | iteration_scheme                                  { $$ = $1; }
    ;
/* label, dropped */
loop_stat_1
    : %empty                                            { $$ = Empty(); }
    | t_Identifier ':'                                  { Drop($1); $$ = Empty(); }
    ;
next_stat
    : t_NEXT next_stat_1 next_stat_2 ';'                { $$ = Compose("%s %s %s;\n", $1, $2, $3); EXPLAINED(Explain_Exit(SPAN, AT(1), AT(3), $$)); }
    ;
/* condition */
next_stat_2
    : %empty                                            { $$ = Empty(); }
    | t_WHEN expr                                       { $$ = Compose("%s %s", $1, $2); }
    ;
/* loop label */
next_stat_1
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    ;
null_stat
    : t_NULL ';'                                        { $$ = Compose("/* %s; */\n", $1); }
    ;
procedure_call_stat
    : name ';'                                          { $$ = Compose("%s;\n", $1); }
    ;
return_stat
    : t_RETURN return_stat_1 ';'                        { $$ = Compose("%s (%s);\n", $1, $2); }
    ;
/* value */
return_stat_1
    : %empty                                            { $$ = Empty(); }
    | expr                                              { $$ = $1; }
    ;
signal_assign_stat
    : target t_LESym signal_assign_stat_1 wavefrm ';'   { $$ = Compose("%s = %s %s;\n", $1, $3, $4); Drop($2); EXPLAINED(Explain_Signal_Assigned(AT(1), $$)); }
    ;
/* transport */
signal_assign_stat_1
    : %empty                                            { $$ = Empty(); }
    | t_TRANSPORT                                       { Drop($1); $$ = Make_String("/* transport */"); }
    ;
variable_assign_stat
    : target t_VarAsgn expr ';'                         { $$ = Compose("%s = %s;\n", $1, $3); Drop($2); EXPLAINED(Explain_Variable_Assigned(AT(1), $$)); }
    ;
/* No line end follows a wait statement. */
wait_stat
    : t_WAIT wait_stat_1 wait_stat_2 wait_stat_3 ';'    { $$ = Compose("%s %s %s", $2, $3, $4); Drop($1); }
    ;
/* timeout */
wait_stat_3
    : %empty                                            { $$ = Empty(); }
    | t_FOR expr                                        { $$ = Compose("while (%s);", $2); Drop($1); EXPLAINED(Explain_Wait_For(SPAN, $$)); }
    ;
/* condition: the loop runs while it does not hold */
wait_stat_2
    : %empty                                            { $$ = Empty(); }
    | t_UNTIL expr                                      { $$ = Compose("while (!(%s));", $2); Drop($1); EXPLAINED(Explain_Wait_Until(SPAN, $$)); }
    ;
/* sensitivity */
wait_stat_1
    : %empty                                            { $$ = Empty(); }
    | t_ON sensitivity_list                             { EXPLAINED(Annotations_In_Comment($2)); $$ = Compose("/* %s %s */\n", $1, Inside_Comment($2)); }
    ;

/****************************************************************************
 * Component declarations and configuration items
 *
 *   component identifier [ generic ( ... ) ; ] [ port ( ... ) ; ] end component ;
 *   for component_specification [ use binding_indication ; ]
 *       [ block_configuration ] end for ;
 *   binding_indication ::= entity_aspect [ generic map ( ... ) ] [ port map ( ... ) ]
 *   entity_aspect ::= entity entity_name [ ( identifier ) ]
 *                   | configuration configuration_name | open
 ****************************************************************************/

comp_decl
    : t_COMPONENT t_Identifier comp_decl_1
      comp_decl_2 t_END t_COMPONENT ';'                 { $$ = Compose(COMPONENT_FORMAT, $1, $2, $3, $4, $5, $6); }
    ;
/* port clause */
comp_decl_2
    : %empty                                            { $$ = Empty(); }
    | t_PORT interf_list ';'                            { $$ = Compose("%s %s;\n", $1, $2); }
    ;
/* generic clause */
comp_decl_1
    : %empty                                            { $$ = Empty(); }
    | t_GENERIC interf_list ';'                         { $$ = Compose("%s %s;\n", $1, $2); }
    ;
block_config
    : t_FOR block_spec block_config_1
      block_config_2 t_END t_FOR ';'                    { $$ = Compose("%s %s %s %s %s %s;\n", $1, $2, $3, $4, $5, $6); }
    ;
/* one use clause */
block_config_4
    : use_clause                                        { $$ = $1; }
    ;
/* one configuration item */
block_config_3
    : config_item                                       { $$ = $1; }
    ;
/* configuration items */
block_config_2
    : %empty                                            { $$ = Empty(); }
    | block_config_2 block_config_3                     { $$ = Compose("%s %s", $1, $2); }
    ;
/* use clauses */
block_config_1
    : %empty                                            { $$ = Empty(); }
    | block_config_1 block_config_4                     { $$ = Compose("%s %s", $1, $2); }
    ;
block_spec
    : name                                              { $$ = $1; }
    ;
config_item
    : block_config                                      { $$ = $1; }
    | comp_config                                       { $$ = $1; }
    ;
comp_config
    : t_FOR comp_spec comp_config_1
      comp_config_2 t_END t_FOR ';'                     { $$ = Compose("%s %s %s %s %s %s;\n", $1, $2, $3, $4, $5, $6); }
    ;
/* nested block configuration */
comp_config_2
    : %empty                                            { $$ = Empty(); }
    | block_config                                      { $$ = $1; }
    ;
/* binding */
comp_config_1
    : %empty                                            { $$ = Empty(); }
    | t_USE binding_indic ';'                           { $$ = Compose("%s %s;\n", $1, $2); }
    ;
config_spec
    : t_FOR comp_spec t_USE binding_indic ';'           { $$ = Compose("%s %s %s %s;\n", $1, $2, $3, $4); }
    ;
comp_spec
    : inst_list ':' mark                                { $$ = Compose("%s : %s", $1, $3); }
    ;
inst_list
    : idf_list                                          { $$ = $1; }
    | t_ALL                                             { $$ = $1; }
    | t_OTHERS                                          { $$ = $1; }
    ;
binding_indic
    : entity_aspect binding_indic_1 binding_indic_2     { $$ = Compose("%s %s %s", $1, $2, $3); }
    ;
/* port map */
binding_indic_2
    : %empty                                            { $$ = Empty(); }
    | t_PORT t_MAP association_list                     { $$ = Compose("%s %s %s", $1, $2, $3); }
    ;
/* generic map */
binding_indic_1
    : %empty                                            { $$ = Empty(); }
    | t_GENERIC t_MAP association_list                  { $$ = Compose("%s %s %s", $1, $2, $3); }
    ;
entity_aspect
    : t_ENTITY name                                     { $$ = Compose("%s %s", $1, $2); }
    | t_CONFIGURATION mark                              { $$ = Compose("%s %s", $1, $2); }
    | t_OPEN                                            { $$ = $1; }
    ;

%%
#ifdef EXPLAINED_DEBUG
const Parse_Tables explained_tables = {
    yypact, yydefact, yypgoto, yydefgoto, yytable, yycheck, yyr1, yyr2, reinterpret_cast<const unsigned char*>(yytranslate), yystos,
    YYPACT_NINF, YYTABLE_NINF, YYLAST, YYNTOKENS, YYFINAL, YYMAXUTOK, YYMAXDEPTH,
};
#endif
