// Relaxed reading (--relaxed): the design is read with the later grammar,
// the VHDL-87 grammar of parser.y joined with the later editions'
// alternatives of later.y, run as parsers of their own (later_parse, and
// later_explained_parse with --explain).  This is their token source.
//
// The parser takes every token from Next_Token.  By default that is the
// scanner's yylex itself, so a default run costs nothing more; after
// Use_Relaxed_Reading(true) it is Relaxed_Token, which reads with the
// scanner's apostrophe rule (Scan_Relaxed: after an identifier or a `)` an
// apostrophe is the apostrophe, never the start of a character literal) and
// hands a word reserved by the later editions only (context, postponed,
// protected, pure, impure, shared, xnor, sll, sla, srl, sra, rol, ror) as its keyword
// where the later grammar takes that keyword, and as an identifier
// elsewhere: `signal xnor : bit;` declares a signal named xnor, as in
// VHDL-87.  Whether the keyword is taken is read from the parse tables over
// the parser's stack, which the later parsers show before every read
// (Show_Parser_Stack).  Tokens are handed as the scanner returns them: no
// token is read ahead, so yylval, yytext and the position always describe
// the token the parser has just read.
#pragma once

#include "explain.h"

// The parser's token source: yylex by default, Relaxed_Token when relaxed.
extern int (*Next_Token)();

// Sets the parser's token source: the relaxed one when `on`, else yylex.
// Each translation starts with Use_Relaxed_Reading(relaxed_reading), the
// run option (options.h).
void Use_Relaxed_Reading(bool on);

// The later parsers' tables (the same for both).
extern const Parse_Tables later_tables;

// The stack of the later parser, shown before each token is read: its
// states up to `depth`.
extern const short* later_stack;
extern long later_depth;
inline void Show_Parser_Stack(const short* stack, long depth) {
    later_stack = stack;
    later_depth = depth;
}

// The spelling of a later word's token code, or null for any other code.
const char* Later_Word(int code);
