// How a message names a token (see token_spelling.h).
#include "token_spelling.h"

#include <cstdio>
#include <cstring>

// The later grammar's token codes: those of parser.hh and the later words'.
#include "parser_later.hh"

namespace {

// Text shown in a message: printable characters as they are, others as
// \xNN, at most 40 of them.
std::string Shown(const char* text, size_t n) {
    std::string out;
    for (size_t i = 0; i < n && i < 40; ++i) {
        unsigned char c = text[i];
        if (c >= 32 && c < 127) {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    if (n > 40) out += "...";
    return out;
}

}  // namespace

std::string Token_Spelling(int code) {
    if (code == 0) return "end of input";
    if (code > 0 && code < 256) return std::string("'") + static_cast<char>(code) + "'";
    switch (code) {
#define RESERVED_WORD(spelling, token) case token: return "'" spelling "'";
#define LATER_WORD(spelling, token) case token: return "'" spelling "'";
#define DELIMITER(spelling, token) case token: return "'" spelling "'";
#define TOKEN_CLASS(description, token) case token: return description;
#include "tokens.def"
    }
    return "token " + std::to_string(code);
}

std::string Token_Described(int code, const char* text) {
    size_t n = strlen(text);
    switch (code) {
    case t_Identifier: case t_AbstractLit:
        return Token_Spelling(code) + " '" + Shown(text, n) + "'";
    case t_CharacterLit: case t_StringLit: case t_BitStringLit:
        return Token_Spelling(code) + " " + Shown(text, n);
    }
    return Token_Spelling(code);
}

std::string Reserved_Word(int code) {
    switch (code) {
#define RESERVED_WORD(spelling, token) case token: return spelling;
#include "tokens.def"
    }
    return Token_Spelling(code);
}
