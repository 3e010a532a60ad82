// Relaxed reading (--relaxed): the design is read with the later grammar,
// the VHDL-87 grammar of parser.y joined with the later editions'
// alternatives of later.y, run as parsers of their own (later_parse, and
// later_explained_parse with --explain).  This is their token source.
//
// The later parsers read every token through Relaxed_Token, handing it
// their tables and their stack.  It reads with the scanner's apostrophe
// rule (Scan_Relaxed: after an identifier or a `)` an apostrophe is the
// apostrophe, never the start of a character literal) and hands a word
// reserved by the later editions only (a LATER_WORD of tokens.def: context,
// postponed, protected, pure, impure, shared, xnor, sll, sla, srl, sra, rol,
// ror; and the attribute name element) as its keyword where the later
// grammar takes that keyword, and as an
// identifier elsewhere: `signal xnor : bit;` declares a signal named xnor,
// as in VHDL-87.  Whether the keyword is taken is read from the tables over
// the stack (parse_tables.h).  Tokens are handed as the scanner returns
// them: no token is read ahead, so the scanner's value, yytext and the
// position always describe the token the parser has just read.
#pragma once

#include "parse_tables.h"

// The next token for the later parser with `tables` whose stack holds the
// states stack[0..depth].
int Relaxed_Token(const Parse_Tables& tables, const short* stack, long depth);

// The code of the later word (tokens.def) that `text` (`length` letters, as
// folded) spells, or 0.
int Later_Word_Code(const char* text, int length);
