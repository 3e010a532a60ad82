/* The later editions' alternatives: what --relaxed reads beyond VHDL-87.
 *
 * This file is not a grammar of its own.  The build joins it to parser.y
 * (cmake/join_grammars.cmake) into the later grammar: its declarations go
 * in front of parser.y's precedence levels of the adding and multiplying
 * operators, its productions after parser.y's, and its epilogue replaces
 * parser.y's.  Every production here adds an alternative to a nonterminal
 * of parser.y, or defines a nonterminal of its own (named later_...), with
 * one action in the same style: where the form has a VHDL-87 twin, the
 * action writes exactly the twin's translation, with the twin's named
 * format (the ..._FORMAT macros of parser.y's prologue); else its format
 * is the translation.
 *
 * The words reserved by the later editions only (context, postponed,
 * protected, pure, impure, shared, xnor and the shift operators), and the
 * attribute name element, reach this grammar as
 * keywords where it takes them and as identifiers elsewhere (relaxed.h).
 */

%code {
#include "relaxed.h"

/* Every token is read through the relaxed token source, with this parser's
   tables and stack; the scanner's value is copied to this parser's. */
#undef NEXT_TOKEN
#define NEXT_TOKEN() Relaxed_Token(later_tables, yyss, yyssp - yyss)
#ifndef EXPLAINED_DEBUG
#include <cstring>
static int Read_Later(int token) {
    memcpy(&yylval, scanned_value, sizeof yylval);
    return token;
}
#undef yylex
#define yylex() Read_Later(NEXT_TOKEN())
/* The error is the one report of the default run (diagnostics.h), with
   this parser's lookahead. */
#undef yyerror
#define yyerror(message) Report_Syntax_Error(message, yychar)
#endif
}

/* Words reserved by the later editions. */
%token t_CONTEXT        363
%token t_IMPURE         364
%token t_POSTPONED      365
%token t_PURE           366
%token t_SHARED         367
%token t_XNOR           368
%token t_SLL            369
%token t_SLA            370
%token t_SRL            371
%token t_SRA            372
%token t_ROL            373
%token t_ROR            374
%token t_PROTECTED      375
%token t_ELEMENT        376

/* The shift operators bind between the relations and the adding operators,
   and do not chain. */
%nonassoc t_SLL t_SLA t_SRL t_SRA t_ROL t_ROR

%%
/****************************************************************************
 * Design units: context references and context declarations leave no text
 ****************************************************************************/

context_list
    : context_list t_CONTEXT sel_list ';'               { $$ = $1; Drop($2, $3); }
    | context_list later_context_decl                   { $$ = $1; Drop($2); }
    ;
/* A file may end with context declarations. */
design_file
    : design_unit_list later_context_tail               { $$ = $1; Drop($2); }
    | later_context_tail                                { $$ = $1; }
    ;
later_context_tail
    : context_list later_context_decl                   { Drop($1, $2); $$ = Empty(); }
    ;
later_context_decl
    : t_CONTEXT t_Identifier t_IS context_list
      t_END later_context_decl_1 ';'                    { Drop($1, $2, $3, $4, $5, $6); $$ = Empty(); }
    ;
/* closing word and name */
later_context_decl_1
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { $$ = $1; }
    | t_CONTEXT                                         { $$ = $1; }
    | t_CONTEXT t_Identifier                            { Drop($1, $2); $$ = Empty(); }
    ;

/****************************************************************************
 * Closing words and names: end entity e, end if l, ...
 ****************************************************************************/

entity_decl_5
    : t_ENTITY                                          { Drop($1); $$ = Empty(); }
    | t_ENTITY t_Identifier                             { $$ = $2; Drop($1); }
    ;
arch_body_2
    : t_ARCHITECTURE                                    { Drop($1); $$ = Empty(); }
    | t_ARCHITECTURE t_Identifier                       { $$ = $2; Drop($1); }
    ;
config_decl_2
    : t_CONFIGURATION                                   { Drop($1); $$ = Empty(); }
    | t_CONFIGURATION t_Identifier                      { $$ = $2; Drop($1); }
    ;
package_decl_2
    : t_PACKAGE                                         { Drop($1); $$ = Empty(); }
    | t_PACKAGE t_Identifier                            { $$ = $2; Drop($1); }
    ;
package_body_2
    : t_PACKAGE t_BODY                                  { Drop($1, $2); $$ = Empty(); }
    | t_PACKAGE t_BODY t_Identifier                     { $$ = $3; Drop($1, $2); }
    ;
subprog_body_2
    : t_FUNCTION                                        { Drop($1); $$ = Empty(); }
    | t_FUNCTION designator                             { $$ = $2; Drop($1); }
    | t_PROCEDURE                                       { Drop($1); $$ = Empty(); }
    | t_PROCEDURE designator                            { $$ = $2; Drop($1); }
    ;
if_stat
    : t_IF expr t_THEN seq_stats if_stat_1 if_stat_2
      t_END t_IF t_Identifier ';'                       { $$ = Compose(IF_FORMAT, $2, $4, $5, $6); Drop($1, $3, $7, $8, $9); }
    ;
case_stat
    : t_CASE expr t_IS case_stat_1
      t_END t_CASE t_Identifier ';'                     { $$ = Compose(CASE_FORMAT, $2, $4); Drop($1, $3, $5, $6, $7); }
    ;
/* A labelled if or case: the label and the closing name are dropped. */
if_stat
    : t_Identifier ':' t_IF expr t_THEN seq_stats if_stat_1
      if_stat_2 t_END t_IF later_closing_name ';'       { $$ = Compose(IF_FORMAT, $4, $6, $7, $8); Drop($1, $3, $5, $9, $10, $11); }
    ;
case_stat
    : t_Identifier ':' t_CASE expr t_IS case_stat_1
      t_END t_CASE later_closing_name ';'               { $$ = Compose(CASE_FORMAT, $4, $6); Drop($1, $3, $5, $7, $8, $9); }
    ;
record_type_definition
    : t_RECORD record_type_definition_1
      t_END t_RECORD t_Identifier                       { $$ = Compose("%s %s %s %s", $1, $2, $3, $4); Drop($5); }
    ;
physical_type_definition
    : range_constraint t_UNITS physical_type_definition_1
      t_END t_UNITS t_Identifier                        { $$ = Compose("%s %s %s %s %s", $1, $2, $3, $4, $5); Drop($6); }
    ;

/****************************************************************************
 * Heads with is: component c is, process ... is, block ... is
 ****************************************************************************/

comp_decl
    : t_COMPONENT t_Identifier t_IS comp_decl_1 comp_decl_2
      t_END t_COMPONENT later_closing_name ';'          { $$ = Compose(COMPONENT_FORMAT, $1, $2, $4, $5, $6, $7); Drop($3, $8); }
    | t_COMPONENT t_Identifier comp_decl_1 comp_decl_2
      t_END t_COMPONENT t_Identifier ';'                { $$ = Compose(COMPONENT_FORMAT, $1, $2, $3, $4, $5, $6); Drop($7); }
    ;
/* closing name, dropped */
later_closing_name
    : %empty                                            { $$ = Empty(); }
    | t_Identifier                                      { Drop($1); $$ = Empty(); }
    ;
procs_stat1
    : t_PROCESS procs_stat1_1 t_IS procs_stat1_2 t_BEGIN
      seq_stats t_END later_process_end procs_stat1_3 ';' { EXPLAINED(Keep_Annotations($2, $4)); $$ = Compose(PROCESS_FORMAT, Borrow(temp_process_headers), Borrow(temp_process_definations), $4, $6); Drop($1, $2, $3, $5, $7, $8, $9); }
    | t_PROCESS procs_stat1_1 procs_stat1_2 t_BEGIN
      seq_stats t_END t_POSTPONED t_PROCESS procs_stat1_3 ';' { EXPLAINED(Keep_Annotations($2, $3)); $$ = Compose(PROCESS_FORMAT, Borrow(temp_process_headers), Borrow(temp_process_definations), $3, $5); Drop($1, $2, $4, $6, $7, $8, $9); }
    ;
/* end [postponed] process */
later_process_end
    : t_PROCESS                                         { $$ = $1; }
    | t_POSTPONED t_PROCESS                             { Drop($1); $$ = $2; }
    ;
/* process (all) lists nothing */
procs_stat1_1
    : '(' t_ALL ')'                                     { Drop($2); $$ = Make_String("()"); }
    ;
block_stat
    : t_Identifier ':' t_BLOCK block_stat_1 t_IS
      block_stat_2 block_stat_3 block_stat_4 t_BEGIN
      concurrent_stats t_END t_BLOCK block_stat_5 ';'   { $$ = Compose(BLOCK_FORMAT, $1, $3, $4, $6, $7, $8, $9, $10, $11, $12, $13); Drop($5); }
    ;

/****************************************************************************
 * Postponed processes and assertions, pure and impure functions
 ****************************************************************************/

procs_stat
    : t_Identifier ':' t_POSTPONED procs_stat1          { EXPLAINED(Explain_Process(AT(1), true, $4)); $$ = Compose("%s %s", $1, $4); Drop($3); }
    | t_POSTPONED procs_stat1                           { EXPLAINED(Explain_Process(AT(2), false, $2)); $$ = Compose(UNLABELLED_PROCESS_FORMAT, $2); Drop($1); }
    ;
concurrent_assertion_stat
    : t_Identifier ':' t_POSTPONED assertion_stat       { $$ = Compose(LABELLED_FORMAT, $1, $4); Drop($3); }
    | t_POSTPONED assertion_stat                        { $$ = $2; Drop($1); }
    ;
/* A postponed assignment's target is a name: `postponed (a, b) <= c;` would
   read as the name postponed indexed, as in VHDL-87. */
concurrent_signal_assign_stat
    : t_Identifier ':' t_POSTPONED later_postponed_condal { $$ = Compose(LABELLED_FORMAT, $1, $4); Drop($3); }
    | t_POSTPONED later_postponed_condal                { $$ = $2; Drop($1); }
    | t_Identifier ':' t_POSTPONED sel_signal_assign    { $$ = Compose(LABELLED_FORMAT, $1, $4); Drop($3); }
    | t_POSTPONED sel_signal_assign                     { $$ = $2; Drop($1); }
    ;
later_postponed_condal
    : name t_LESym opts condal_wavefrms ';'             { $$ = Compose("%s %s %s %s;\n", $1, $2, $3, $4); }
    ;
concurrent_procedure_call
    : t_Identifier ':' t_POSTPONED procedure_call_stat  { $$ = Compose(LABELLED_FORMAT, $1, $4); Drop($3); }
    | t_POSTPONED procedure_call_stat                   { $$ = $2; Drop($1); }
    ;
/* Where postponed is no statement's first word, it is a name, as in
   VHDL-87. */
mark
    : t_POSTPONED                                       { EXPLAINED(SPAN.sort = Explain_Mark(AT(1), Text($1), $1)); $$ = Mark_Of($1); }
    ;
subprog_spec
    : later_purity t_FUNCTION designator
      subprog_spec_2 t_RETURN mark                      { EXPLAINED(Explain_Subprogram(Text($3), Function_Of | (AT(6).sort & Value_Bits))); $$ = Compose(FUNCTION_SPEC_FORMAT, Mark_Of($6), $3, $4, Take_Declarations()); Drop($1, $2, $5); }
    ;
later_purity
    : t_PURE                                            { $$ = $1; }
    | t_IMPURE                                          { $$ = $1; }
    ;

/****************************************************************************
 * The report statement: assert false report ...
 ****************************************************************************/

assertion_stat
    : t_REPORT expr assertion_stat_2 ';'                { EXPLAINED(Annotations_In_Comment($2, $3)); $$ = Compose("/* assert %s %s %s %s */\n", Mark_Of(Make_String("false")), $1, Inside_Comment($2), Inside_Comment($3)); }
    ;

/****************************************************************************
 * Entity instantiation: the entity's name as a component's
 ****************************************************************************/

comp_inst_stat
    : t_Identifier ':' later_instantiated_unit t_GENERIC t_MAP
      association_list comp_inst_stat_1 ';'             { $$ = Compose(INSTANCE_FORMAT, $1, $3, $4, $5, $6, $7); }
    | t_Identifier ':' later_instantiated_unit t_PORT
      t_MAP association_list ';'                        { $$ = Compose(INSTANCE_WITHOUT_GENERICS_FORMAT, $1, $3, $4, $5, $6); }
    ;
/* without maps, as a component's name alone: u : c; */
comp_inst_stat
    : t_Identifier ':' later_instantiated_unit ';'      { $$ = Compose("%s:%s;\n", $1, $3); }
    ;
/* entity [library .] name [(architecture)], or component name */
later_instantiated_unit
    : t_ENTITY t_Identifier later_architecture          { $$ = Mark_Of($2); Drop($1, $3); }
    | t_ENTITY t_Identifier '.'
      t_Identifier later_architecture                   { $$ = Mark_Of($4); Drop($1, $2, $5); }
    | t_COMPONENT mark                                  { $$ = $2; Drop($1); }
    ;
/* architecture name, dropped */
later_architecture
    : %empty                                            { $$ = Empty(); }
    | '(' t_Identifier ')'                              { Drop($2); $$ = Empty(); }
    ;

/****************************************************************************
 * Generate statements with begin, and with a declarative part
 ****************************************************************************/

/* generate begin ... end generate reads as generate ... end generate;
   declarations before begin go into a block labelled like the generate:
   L : block DECLARATIONS begin STATEMENTS end block; */
generate_stat
    : t_Identifier ':' generation_scheme t_GENERATE
      t_BEGIN concurrent_stats t_END
      t_GENERATE generate_stat_1 ';'                    { $$ = Compose("%s : %s %s %s %s %s %s;\n", $1, $3, $4, $6, $7, $8, $9); Drop($5); }
    | t_Identifier ':' generation_scheme t_GENERATE
      later_generate_decls t_BEGIN concurrent_stats
      t_END t_GENERATE generate_stat_1 ';'              { $$ = Compose("%s : %s %s  %s : block    %s %s %s end block ;\n %s %s %s;\n", $1, $3, $4, Copy($1), $5, $6, $7, $8, $9, $10); }
    ;
/* VHDL-2008's branches of an if generate: elsif COND generate, else
   generate; each with its own statements, after begin or not, and any
   declarations in an unlabelled block:
     " else if (%s) generate %s"   " else generate %s" */
generate_stat
    : t_Identifier ':' generation_scheme t_GENERATE
      concurrent_stats later_generate_branches t_END
      t_GENERATE generate_stat_1 ';'                    { $$ = Compose("%s : %s %s %s%s %s %s %s;\n", $1, $3, $4, $5, $6, $7, $8, $9); }
    | t_Identifier ':' generation_scheme t_GENERATE
      later_generate_body_1 later_generate_branches t_END
      t_GENERATE generate_stat_1 ';'                    { $$ = Compose("%s : %s %s %s%s %s %s %s;\n", $1, $3, $4, $5, $6, $7, $8, $9); }
    ;
/* VHDL-2008's case generate: L : case E generate when C => ... end generate;
   as a switch:  "%s : switch (%s) generate %s end generate %s;\n", each
   alternative "case %s : %s\n" */
generate_stat
    : t_Identifier ':' t_CASE expr t_GENERATE
      later_case_generate_alternatives t_END
      t_GENERATE generate_stat_1 ';'                    { $$ = Compose("%s : switch (%s) %s %s %s %s %s;\n", $1, $4, $5, $6, $7, $8, $9); Drop($3); }
    ;
later_case_generate_alternatives
    : later_case_generate_alternative                   { $$ = $1; }
    | later_case_generate_alternatives
      later_case_generate_alternative                   { $$ = Compose("%s%s", $1, $2); }
    ;
later_case_generate_alternative
    : t_WHEN choices t_Arrow concurrent_stats           { $$ = Compose("case %s : %s\n", $2, $4); Drop($1, $3); }
    | t_WHEN choices t_Arrow later_generate_body_1      { $$ = Compose("case %s : %s\n", $2, $4); Drop($1, $3); }
    ;
/* An alternative's label, gen : if a : C generate ... elsif b : D generate
   ... else c : generate: dropped, as an if's closing name is. */
if_scheme
    : t_IF t_Identifier ':' expr                        { $$ = Compose("if (%s)", $4); Drop($1, $2, $3); }
    ;
later_generate_branch
    : t_ELSIF t_Identifier ':' expr t_GENERATE
      concurrent_stats                                  { $$ = Compose(" else if (%s) %s %s", $4, $5, $6); Drop($1, $2, $3); }
    | t_ELSIF t_Identifier ':' expr t_GENERATE
      later_generate_body_1                             { $$ = Compose(" else if (%s) %s %s", $4, $5, $6); Drop($1, $2, $3); }
    | t_ELSE t_Identifier ':' t_GENERATE
      concurrent_stats                                  { $$ = Compose(" %s %s %s", $1, $4, $5); Drop($2, $3); }
    | t_ELSE t_Identifier ':' t_GENERATE
      later_generate_body_1                             { $$ = Compose(" %s %s %s", $1, $4, $5); Drop($2, $3); }
    ;
/* branches after the first */
later_generate_branches
    : later_generate_branch                             { $$ = $1; }
    | later_generate_branches later_generate_branch     { $$ = Compose("%s%s", $1, $2); }
    ;
later_generate_branch
    : t_ELSIF expr t_GENERATE concurrent_stats          { $$ = Compose(" else if (%s) %s %s", $2, $3, $4); Drop($1); }
    | t_ELSIF expr t_GENERATE later_generate_body_1     { $$ = Compose(" else if (%s) %s %s", $2, $3, $4); Drop($1); }
    | t_ELSE t_GENERATE concurrent_stats                { $$ = Compose(" %s %s %s", $1, $2, $3); }
    | t_ELSE t_GENERATE later_generate_body_1           { $$ = Compose(" %s %s %s", $1, $2, $3); }
    ;
/* a branch's statements after begin, with declarations before it or not */
later_generate_body_1
    : t_BEGIN concurrent_stats                          { $$ = $2; Drop($1); }
    | later_generate_decls t_BEGIN concurrent_stats     { $$ = Compose(" block    %s %s %s end block ;\n", $1, $2, $3); }
    ;
/* declarative items, joined as a block's */
later_generate_decls
    : block_stat_6                                      { $$ = Compose(" %s", $1); }
    | later_generate_decls block_stat_6                 { $$ = Compose("%s %s", $1, $2); }
    ;

/****************************************************************************
 * Declarations: shared variables, files, aliases, file parameters
 ****************************************************************************/

block_decltve_item
    : later_shared_variable_decl                        { $$ = $1; }
    ;
package_decltve_item
    : later_shared_variable_decl                        { $$ = $1; }
    ;
package_body_decltve_item
    : later_shared_variable_decl                        { $$ = $1; }
    ;
entity_decltve_item
    : later_shared_variable_decl                        { $$ = $1; }
    ;
later_shared_variable_decl
    : t_SHARED variable_decl                            { $$ = $2; Drop($1); }
    ;
/* file f : T; and file f : T open KIND is NAME; (read as is NAME) */
file_decl
    : t_FILE t_Identifier ':' subtype_indic ';'         { $$ = Compose("%s %s:%s;\n", $1, $2, $4); }
    | t_FILE t_Identifier ':' subtype_indic
      t_OPEN t_Identifier t_IS expr ';'                 { $$ = Compose("%s %s:%s %s  %s;\n", $1, $2, $4, $7, $8); Drop($5, $6); }
    ;
/* file a, b : T;  the names as a list: "%s %s,%s:%s;\n" */
file_decl
    : t_FILE t_Identifier ',' idf_list ':' subtype_indic ';' { $$ = Compose("%s %s,%s:%s;\n", $1, $2, $4, $6); }
    ;
alias_decl
    : t_ALIAS t_Identifier t_IS name ';'                { $$ = Compose("%s %s %s %s;\n", $1, $2, $3, $4); }
    ;
/* A subprogram's alias, alias a is f [T, T return T];: the alias's format
   with the signature in a comment after the name. */
alias_decl
    : t_ALIAS t_Identifier t_IS name later_signature ';' { $$ = Compose("%s %s %s %s /* %s */;\n", $1, $2, $3, $4, $5); }
    ;
/* [T, T return T], [T, T], [return T], []: the marks' translations */
later_signature
    : '[' ']'                                           { $$ = Make_String("[]"); }
    | '[' later_signature_marks ']'                     { $$ = Compose("[%s]", $2); }
    | '[' t_RETURN mark ']'                             { $$ = Compose("[%s %s]", $2, $3); }
    | '[' later_signature_marks t_RETURN mark ']'       { $$ = Compose("[%s %s %s]", $2, $3, $4); }
    ;
later_signature_marks
    : mark                                              { $$ = $1; }
    | later_signature_marks ',' mark                    { $$ = Compose("%s, %s", $1, $3); }
    ;
/* a subprogram's name with its signature in an attribute specification */
entity_name_list
    : designator later_signature entity_name_list_1     { $$ = Compose("%s /* %s */ %s", $1, $2, $3); }
    ;
entity_name_list_2
    : ',' designator later_signature                    { $$ = Compose(",%s /* %s */", $2, $3); }
    ;
/* a file parameter reads as one of mode in */
interf_element_1
    : t_FILE                                            { Drop($1); $$ = Empty(); }
    ;

/****************************************************************************
 * Protected types, package generics and package instantiations
 ****************************************************************************/

/* A protected type and its body: the items as a subprogram's (functions
   and procedures as in a package body), the type named in a comment. */
type_decl
    : t_TYPE t_Identifier t_IS t_PROTECTED later_protected_items
      t_END t_PROTECTED later_closing_name ';'          { $$ = Compose("/* type %s is protected */\n%s\n/* end protected */\n", $2, $5); Drop($1, $3, $4, $6, $7, $8); }
    | t_TYPE t_Identifier t_IS t_PROTECTED t_BODY later_protected_items
      t_END t_PROTECTED t_BODY later_closing_name ';'   { $$ = Compose("/* type %s is protected body */\n%s\n/* end protected body */\n", $2, $6); Drop($1, $3, $4, $5, $7, $8, $9, $10); }
    ;
later_protected_items
    : %empty                                            { $$ = Empty(); }
    | later_protected_items subprog_decltve_item        { $$ = Compose("%s %s", $1, $2); }
    ;
/* A package's generic clause, its names in a comment before its items;
   the generics declare nothing for a later subprogram. */
package_decl
    : package_start later_package_generics package_decl_1
      t_END package_decl_2 ';'                          { $$ = Compose("%s %s%s %s %s;\n", $1, $2, $3, $4, $5); }
    ;
later_package_generics
    : t_GENERIC interf_list ';'                         { $$ = Compose("/* generic %s; */\n", $2); Drop($1, Take_Declarations()); }
    ;
/* package p is new lib.g [generic map (...)];  in a comment, where it
   stands: a design unit or a declarative item */
lib_unit
    : later_package_instance                            { $$ = $1; }
    ;
block_decltve_item
    : later_package_instance                            { $$ = $1; }
    ;
package_decltve_item
    : later_package_instance                            { $$ = $1; }
    ;
package_body_decltve_item
    : later_package_instance                            { $$ = $1; }
    ;
later_package_instance
    : t_PACKAGE t_Identifier t_IS t_NEW name ';'        { $$ = Compose("/* %s %s %s %s %s; */\n", $1, $2, $3, $4, $5); }
    | t_PACKAGE t_Identifier t_IS t_NEW name
      t_GENERIC t_MAP association_list ';'              { $$ = Compose("/* %s %s %s %s %s %s %s %s; */\n", $1, $2, $3, $4, $5, $6, $7, $8); }
    ;
/* A generic type, subprogram or package: its kind and name, as a name of
   the list; its parameters declare nothing. */
interf_element
    : t_TYPE t_Identifier                               { $$ = Compose("%s %s", $1, $2); }
    | t_FUNCTION designator subprog_spec_2 t_RETURN
      mark later_generic_default                        { $$ = Compose("%s %s", $1, $2); Drop($3, $4, $5, $6); }
    | t_PROCEDURE t_Identifier subprog_spec_1
      later_generic_default                             { $$ = Compose("%s %s", $1, $2); Drop($3, $4); }
    | t_PACKAGE t_Identifier t_IS t_NEW name
      t_GENERIC t_MAP '(' t_Box ')'                     { $$ = Compose("%s %s", $1, $2); Drop($3, $4, $5, $6, $7, $9); }
    ;
/* is <>, is NAME */
later_generic_default
    : %empty                                            { $$ = Empty(); }
    | t_IS t_Box                                        { Drop($1, $2); $$ = Empty(); }
    | t_IS name                                         { Drop($1, $2); $$ = Empty(); }
    ;

/****************************************************************************
 * Operators: xnor, the shift operators
 ****************************************************************************/

expr
    : later_xnor_relation                               { $$ = $1; }
    ;
later_xnor_relation
    : relation t_XNOR relation                          { $$ = Compose("!(%s ^ %s)", $1, $3); Drop($2); EXPLAINED(Explain_Bitwise(SPAN, AT(1), AT(3), $$)); }
    | later_xnor_relation t_XNOR relation               { $$ = Compose("!(%s ^ %s)", $1, $3); Drop($2); EXPLAINED(Explain_Bitwise(SPAN, AT(1), AT(3), $$)); }
    ;
relation
    : relation t_SLL relation                           { $$ = Compose("%s << %s", $1, $3); Drop($2); }
    | relation t_SLA relation                           { $$ = Compose("%s << %s", $1, $3); Drop($2); EXPLAINED(Explain_Shift(SPAN, "sla", $$)); }
    | relation t_SRL relation                           { $$ = Compose("%s >> %s", $1, $3); Drop($2); EXPLAINED(Explain_Shift(SPAN, "srl", $$)); }
    | relation t_SRA relation                           { $$ = Compose("%s >> %s", $1, $3); Drop($2); EXPLAINED(Explain_Shift(SPAN, "sra", $$)); }
    | relation t_ROL relation                           { $$ = Compose("%s %s %s", $1, $2, $3); }
    | relation t_ROR relation                           { $$ = Compose("%s %s %s", $1, $2, $3); }
    ;

/****************************************************************************
 * External names: << signal .tb.dut.x : T >>
 ****************************************************************************/

/* An external name, as an operand or an alias's name: the path as a
   selected name, with the class and the subtype in a comment after it; ^. and @ before the path are skipped by the scanner,
   as stray characters are. */
primary
    : later_external_name                               { $$ = $1; }
    ;
alias_decl
    : t_ALIAS t_Identifier t_IS later_external_name ';' { $$ = Compose("%s %s %s %s;\n", $1, $2, $3, $4); }
    ;
later_external_name
    : t_LTSym t_LTSym object_class later_external_path
      ':' mark t_GTSym t_GTSym                          { $$ = Compose("%s /* %s : %s */", $4, $3, $6); Drop($1, $2, $7, $8); }
    ;
later_external_path
    : '.' t_Identifier                                  { $$ = $2; }
    | t_Identifier                                      { $$ = $1; }
    | later_external_path '.' t_Identifier              { $$ = Compose("%s.%s", $1, $3); }
    ;

/****************************************************************************
 * A sign before a factor with **: -2**30
 ****************************************************************************/

relation
    : t_Minus primary t_DoubleStar primary              { $$ = Compose("%s %s %s %s", $1, $2, $3, $4); }
    | t_Plus primary t_DoubleStar primary               { $$ = Compose("%s %s %s %s", $1, $2, $3, $4); }
    ;

/****************************************************************************
 * The subtype of an object: x'subtype, x'element as a subtype indication
 ****************************************************************************/

/* The object's name stands for the type, as a type mark would; so does an
   array's name for its element's type in x'element. */
subtype_indic
    : mark t_Apostrophe t_SUBTYPE                       { Record_Subtype($1, Empty()); $$ = Compose("%s /* %s %s */", $1, $2, $3); }
    | mark t_Apostrophe t_ELEMENT                       { Record_Subtype($1, Empty()); $$ = Compose("%s /* %s %s */", $1, $2, $3); }
    ;

/* An array constrained twice, T(0 to 3)(7 downto 0): the first constraint
   is read as a name's suffix (T(1)(2).x stays a name), so the type mark is
   written with it, "%s %s": t [4] [8]; a third is dropped, as a name's
   second suffix is.  T(open)(7 downto 0) leaves open out: t [8]. */
subtype_indic
    : name2 gen_association_list                        { EXPLAINED(Hold_Annotations($1, $2)); Record_Subtype($1, $2); $$ = Compose("%s %s", $1, $2); EXPLAINED(Put_Held_Annotations($$)); }
    | mark '(' t_OPEN ')' gen_association_list          { EXPLAINED(Hold_Annotations($1, $5)); Record_Subtype($1, $5); $$ = Compose("%s %s", $1, $5); EXPLAINED(Put_Held_Annotations($$)); Drop($3); }
    ;

/****************************************************************************
 * A conditional signal assignment without a final else
 ****************************************************************************/

/* x <= a when c;  x <= a when c else b when d;  keep their last condition */
condal_wavefrms
    : condal_wavefrms_1 wavefrm t_WHEN expr             { $$ = Compose("%s %s %s %s", $1, $2, $3, $4); }
    ;

/****************************************************************************
 * Conditional and selected assignments in a process (VHDL-2008): the if or
 * the case they mean, as the sequential statements are written
 ****************************************************************************/

/* x := a when c else b;  reads as  if c then x := a; else x := b; end if;
   and  with s select x := a when '0', b when others;  as  case s is when
   '0' => x := a; when others => x := b; end case;  (and the same with <=).
   Each branch writes its own copy of the target, which stays on the stack
   below the branches: $-1 (:=) and $-2 (<= and its transport, $0). */
variable_assign_stat
    : target t_VarAsgn later_var_branches ';'           { $$ = $3; Drop($1, $2); }
    | target t_VarAsgn later_var_branches
      t_ELSE expr ';'                                   { $$ = Compose("%selse\n{\n %s = %s;\n}\n", $3, $1, $5); Drop($2, $4); }
    | t_WITH expr t_SELECT target t_VarAsgn
      later_var_choices ';'                             { $$ = Compose(CASE_FORMAT, $2, $6); Drop($1, $3, $4, $5); }
    ;
later_var_branches
    : expr t_WHEN expr                                  { $$ = Compose("if (%s)\n{\n %s = %s;\n}\n", $3, Copy($-1), $1); Drop($2); }
    | later_var_branches t_ELSE expr t_WHEN expr        { $$ = Compose("%selse if (%s)\n{\n %s = %s;\n}\n", $1, $5, Copy($-1), $3); Drop($2, $4); }
    ;
later_var_choices
    : expr t_WHEN choices                               { $$ = Compose("case %s :  %s = %s;\n\nbreak;\n", $3, Copy($-1), $1); Drop($2); }
    | later_var_choices ',' expr t_WHEN choices         { $$ = Compose("%scase %s :  %s = %s;\n\nbreak;\n", $1, $5, Copy($-1), $3); Drop($4); }
    ;
signal_assign_stat
    : target t_LESym signal_assign_stat_1
      later_signal_branches ';'                         { $$ = $4; Drop($1, $2, $3); }
    | target t_LESym signal_assign_stat_1
      later_signal_branches t_ELSE wavefrm ';'          { $$ = Compose("%selse\n{\n %s = %s %s;\n}\n", $4, $1, $3, $6); Drop($2, $5); }
    | t_WITH expr t_SELECT target t_LESym
      signal_assign_stat_1 later_signal_choices ';'     { $$ = Compose(CASE_FORMAT, $2, $7); Drop($1, $3, $4, $5, $6); }
    ;
later_signal_branches
    : wavefrm t_WHEN expr                               { $$ = Compose("if (%s)\n{\n %s = %s %s;\n}\n", $3, Copy($-2), Copy($0), $1); Drop($2); }
    | later_signal_branches t_ELSE wavefrm t_WHEN expr  { $$ = Compose("%selse if (%s)\n{\n %s = %s %s;\n}\n", $1, $5, Copy($-2), Copy($0), $3); Drop($2, $4); }
    ;
later_signal_choices
    : wavefrm t_WHEN choices                            { $$ = Compose("case %s :  %s = %s %s;\n\nbreak;\n", $3, Copy($-2), Copy($0), $1); Drop($2); }
    | later_signal_choices ',' wavefrm t_WHEN choices   { $$ = Compose("%scase %s :  %s = %s %s;\n\nbreak;\n", $1, $5, Copy($-2), Copy($0), $3); Drop($4); }
    ;

/****************************************************************************
 * VHDL-2008's reduction operators: and (v), or (v), xor (v), nand (v) and
 * nor (v), each written with its own word before its operand
 ****************************************************************************/

relation
    : t_AND primary                                     { $$ = Compose("%s %s", $1, $2); }
    | t_OR primary                                      { $$ = Compose("%s %s", $1, $2); }
    | t_XOR primary                                     { $$ = Compose("%s %s", $1, $2); }
    | t_NAND primary                                    { $$ = Compose("%s %s", $1, $2); }
    | t_NOR primary                                     { $$ = Compose("%s %s", $1, $2); }
    ;

/****************************************************************************
 * Named association in a call: always an argument list
 ****************************************************************************/

gen_association_list_1
    : later_named_element                               { $$ = $1; Count_Named_Element(); }
    | gen_association_list_1 ',' later_named_element    { $$ = Compose("%s, %s", $1, $3); Count_Further_Element(); }
    ;
later_named_element
    : expr t_Arrow actual_part                          { EXPLAINED(Annotations_In_Comment($1)); $$ = Compose("/* %s => */ %s", Inside_Comment($1), $3); Drop($2); EXPLAINED(Explain_Named_Association(SPAN, $$)); }
    ;

%%
/* The later grammar's tables, for the relaxed token source (relaxed.h). */
#ifdef LATER_DEBUG
const Parse_Tables later_tables = {
    yypact, yydefact, yypgoto, yydefgoto, yytable, yycheck, yyr1, yyr2, reinterpret_cast<const unsigned char*>(yytranslate), yystos,
    YYPACT_NINF, YYTABLE_NINF, YYLAST, YYNTOKENS, YYFINAL, YYMAXUTOK, YYMAXDEPTH,
};
#endif
