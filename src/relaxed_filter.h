// Relaxed reading (--relaxed): a token filter between the scanner and the
// parser that rewrites the later editions' spellings into VHDL-87 before the
// parser sees them, so the grammar stays as it is.
//
// The parser takes every token from Next_Token.  By default that is the
// scanner's yylex itself, so a default run costs nothing more; after
// Use_Relaxed_Reading(true) it is the filter, which reads ahead a few tokens
// where a rewrite needs them and drops or inserts tokens:
//
//   end entity|architecture|configuration|function|procedure|package [body]
//                                            -> end
//   end if|case|record|units|component ID    -> end if|case|...  (no ID)
//   process|block [( ... )] is               -> the same without is, unless
//                                               the word follows end
//   component ID is                          -> component ID, unless
//                                               component follows end
//   postponed before process or assert       -> dropped
//   pure|impure before function              -> dropped
//   report after ; begin then else loop =>   -> assert false report
//   : entity [ID .] ID [( ID )]              -> : ID
//   : component ID                           -> : ID
//   open ID is                               -> is
//
// and it has the scanner read an apostrophe after an identifier or a `)`
// always as the apostrophe, never as the start of a character literal.  A
// rewrite whose tokens run into the end of the input, or into a token that
// does not fit, leaves the tokens as they were read.  The filter holds at
// most a handful of tokens, and only where a token's fate depends on the
// tokens after it; where it depends on the tokens before (the word after
// end, the name after end if, the `is` after a process or block head,
// whose parenthesised list streams through with a nesting counter), a state
// left by those tokens decides it as it passes.
//
// Positions.  Whenever Next_Token returns a token, with or without the
// filter, yylval, yytext, line_number and column (diagnostics.h) describe
// that token: its value, its text, its line and the column just after it,
// as the scanner left them when it read it.  A token inserted by the filter
// carries its own text ("assert", "false") and the position of the token it
// was inserted before.  So a syntax error report, or anything else that
// reads these globals between two calls of Next_Token, names the token the
// parser stopped at, not a token the filter read ahead.  (The filter puts
// the scanner's own values back before it scans on.)
#pragma once

struct Token_Place;

// The parser's token source: yylex by default, the filter when relaxed.
extern int (*Next_Token)();

// Sets the parser's token source: the filter when `on`, else yylex.  Each
// translation starts with Use_Relaxed_Reading(relaxed_reading), the run
// option (options.h); a test may call it to drive the filter alone.
void Use_Relaxed_Reading(bool on);

// Forgets any token read ahead, releasing its fragment; called at the start
// and at the end of every translation.
void Reset_Relaxed_Filter();

// The place of the token Next_Token returned last when the filter handed
// it from those it read ahead; false when the scanner's own place holds.
bool Handed_Token_Place(Token_Place& place);
