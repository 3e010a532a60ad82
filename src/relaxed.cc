// The relaxed reading's token source: see relaxed.h.
#include "relaxed.h"

#include <cstring>

#include "parser_later.hh"
#include "scanner.h"

int (*Next_Token)() = yylex;
const short* later_stack = nullptr;
long later_depth = 0;

namespace {

bool relaxed = false;

struct Later_Word_Entry {
    const char* text;
    int code;
};
// The words reserved by the later editions only, in code order.
const Later_Word_Entry later_words[] = {
    {"context", t_CONTEXT}, {"impure", t_IMPURE}, {"postponed", t_POSTPONED}, {"pure", t_PURE},
    {"shared", t_SHARED},   {"xnor", t_XNOR},     {"sll", t_SLL},             {"sla", t_SLA},
    {"srl", t_SRL},         {"sra", t_SRA},       {"rol", t_ROL},             {"ror", t_ROR},
};

// The later word spelt by the identifier just scanned, or 0.  A first look
// by length and first letter keeps most identifiers from the comparisons.
int Later_Word_Code(const char* text, int length) {
    switch (length) {
    case 3:
        if (text[0] != 's' && text[0] != 'r') return 0;
        break;
    case 4:
        if (text[0] != 'p' && text[0] != 'x') return 0;
        break;
    case 6:
        if (text[0] != 'i' && text[0] != 's') return 0;
        break;
    case 7:
        if (text[0] != 'c') return 0;
        break;
    case 9:
        if (text[0] != 'p') return 0;
        break;
    default:
        return 0;
    }
    for (const Later_Word_Entry& w : later_words)
        if (strlen(w.text) == static_cast<size_t>(length) && memcmp(w.text, text, length) == 0) return w.code;
    return 0;
}

// Whether the later parser, with the stack it showed last, would shift the
// token `code` after the reductions it makes first.  The stack is read,
// never written: states pushed by those reductions go to an overlay.
bool Takes(int code) {
    const Parse_Tables& T = later_tables;
    const int symbol = T.translate[code];
    long top = later_depth;
    const int kOverlay = 64;
    short overlay[kOverlay];
    int pushed = 0;
    auto state_at_top = [&]() { return pushed > 0 ? overlay[pushed - 1] : later_stack[top]; };
    for (int steps = 0; steps < 10000; ++steps) {
        int state = state_at_top();
        int n = T.pact[state];
        int rule;
        if (n == T.pact_ninf || (n += symbol) < 0 || n > T.last || T.check[n] != symbol) {
            rule = T.defact[state];
        } else {
            int action = T.table[n];
            if (action > 0) return true;
            if (action == T.table_ninf) return false;
            rule = -action;
        }
        if (rule == 0) return false;
        for (int k = T.r2[rule]; k > 0; --k) {
            if (pushed > 0) --pushed;
            else --top;
        }
        if (top < 0 || pushed == kOverlay) return false;
        int lhs = T.r1[rule] - T.ntokens;
        int below = state_at_top();
        int i = T.pgoto[lhs] + below;
        overlay[pushed++] = static_cast<short>(0 <= i && i <= T.last && T.check[i] == below ? T.table[i]
                                                                                          : T.defgoto[lhs]);
    }
    return false;
}

int Relaxed_Token() {
    int token = Scan_Relaxed();
    if (token == t_Identifier) {
        int word = Later_Word_Code(yytext, yyleng);
        if (word != 0 && Takes(word)) return word;
    }
    return token;
}

}  // namespace

void Use_Relaxed_Reading(bool on) {
    relaxed = on;
    Next_Token = on ? Relaxed_Token : yylex;
}

bool Reading_Relaxed() { return relaxed; }

const char* Later_Word(int code) {
    for (const Later_Word_Entry& w : later_words)
        if (w.code == code) return w.text;
    return nullptr;
}
