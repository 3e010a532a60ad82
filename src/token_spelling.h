// How a message names a token: its spelling or its class, from the token
// list (tokens.def).  Read by the rejection line and by the explanation.
#pragma once

#include <string>

// A token's spelling as quoted in a message ('entity', ';'), or its class
// (identifier, end of input).  Every token of the later grammar too.
std::string Token_Spelling(int code);
// The offending token as a message names it: its class and `text` (the
// text scanned for it), or its spelling.
std::string Token_Described(int code, const char* text);
// The spelling of a reserved word, unquoted; any other token as
// Token_Spelling names it.
std::string Reserved_Word(int code);
