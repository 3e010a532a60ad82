// The relaxed reading's token source: see relaxed.h.
#include "relaxed.h"

#include <cstring>

#include "options.h"
#include "parser_later.hh"
#include "scanner.h"

int (*Next_Token)() = yylex;
const short* later_stack = nullptr;
long later_depth = 0;

namespace {

struct Later_Word_Entry {
    const char* text;
    int code;
};
// The words reserved by the later editions only (tokens.def), for their
// spellings.
const Later_Word_Entry later_words[] = {
#define LATER_WORD(spelling, token) {spelling, token},
#include "tokens.def"
};

template <size_t N>
inline bool Is(const char* text, const char (&word)[N]) {
    return memcmp(text, word, N - 1) == 0;
}

// The later word spelt by the identifier just scanned, or 0: by its length,
// then by comparisons the compiler makes of a few loads each.
int Later_Word_Code(const char* text, int length) {
    switch (length) {
    case 3:
        return Is(text, "sll") ? t_SLL : Is(text, "sla") ? t_SLA : Is(text, "srl") ? t_SRL
             : Is(text, "sra") ? t_SRA : Is(text, "rol") ? t_ROL : Is(text, "ror") ? t_ROR : 0;
    case 4:
        return Is(text, "pure") ? t_PURE : Is(text, "xnor") ? t_XNOR : 0;
    case 6:
        return Is(text, "impure") ? t_IMPURE : Is(text, "shared") ? t_SHARED : 0;
    case 7:
        return Is(text, "context") ? t_CONTEXT : 0;
    case 9:
        return Is(text, "postponed") ? t_POSTPONED : Is(text, "protected") ? t_PROTECTED : 0;
    default:
        return 0;
    }
}

// Whether the later parser, with the stack it showed last, would shift the
// token `code` after the reductions it makes first.  The stack is read,
// never written: states pushed by those reductions go to an overlay.  Out
// of line, so that the common path of Relaxed_Token stays short.
[[gnu::noinline]] bool Takes(int code) {
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
    Next_Token = on ? Relaxed_Token : yylex;
}

const char* Later_Word(int code) {
    for (const Later_Word_Entry& w : later_words)
        if (w.code == code) return w.text;
    return nullptr;
}
