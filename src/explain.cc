// The explanation of a rejected file (--explain): see explain.h.
#include "explain.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "parser.hh"
#include "scanner.h"

bool explaining = false;
unsigned short* explain_codes = nullptr;
unsigned short* explain_next = nullptr;
unsigned short* explain_end = nullptr;

namespace {

const char* const source_name = "<stdin>";
const int shown_warnings = 20;
const long long shown_columns = 120;
// Bytes of a line kept on each side of the place shown.
const size_t line_margin = 1024;

// ---- What the parse leaves behind -----------------------------------------

// The stack when the first of the kept tokens was read, and those tokens.
std::vector<short> checkpoint;
std::vector<unsigned short> codes;
Token_Place handed_place;

// ---- The input as read ------------------------------------------------------

// The scanner's buffer as read, before case folding; and the part of the
// line of its first byte that came before it (its last line_margin bytes):
// the display column of the first byte kept, and whether it starts the line.
std::string mirror;
std::string carry;
long long carry_column = 0;
bool carry_starts_line = true;

long long skipped_count = 0;

long long Advance(long long column, unsigned char c) {
    return c == '\t' ? column + 8 - column % 8 : column + 1;
}

// Appends `n` bytes of one line to the carry, keeping its last line_margin.
void Carry(const char* text, size_t n) {
    carry.append(text, n);
    if (carry.size() > 2 * line_margin) {
        size_t cut = carry.size() - line_margin;
        for (size_t i = 0; i < cut; ++i) carry_column = Advance(carry_column, carry[i]);
        carry.erase(0, cut);
        carry_starts_line = false;
    }
}

// ---- Token names ------------------------------------------------------------

const char* const reserved_words[] = {
    "access", "after", "alias", "all", "and", "architecture", "array", "assert", "attribute",
    "begin", "block", "body", "buffer", "bus", "case", "component", "configuration", "constant",
    "disconnect", "downto", "else", "elsif", "end", "entity", "exit", "file", "for", "function",
    "generate", "generic", "guarded", "if", "in", "inout", "is", "label", "library", "linkage",
    "loop", "map", "nand", "new", "next", "nor", "null", "of", "on", "open", "or", "others", "out",
    "package", "port", "procedure", "process", "range", "record", "register", "report", "return",
    "select", "severity", "signal", "subtype", "then", "to", "transport", "type", "units", "until",
    "use", "variable", "wait", "when", "while", "with", "xor"};
static_assert(sizeof reserved_words / sizeof *reserved_words == t_XOR - t_ACCESS + 1,
              "one spelling per reserved word, in code order");

// A token's spelling as quoted in a message, or its class.
std::string Spelling(int code) {
    if (code == 0) return "end of input";
    if (code > 0 && code < 256) return std::string("'") + static_cast<char>(code) + "'";
    if (code >= t_ACCESS && code <= t_XOR) return std::string("'") + reserved_words[code - t_ACCESS] + "'";
    switch (code) {
    case t_EQSym: return "'='";
    case t_NESym: return "'/='";
    case t_LTSym: return "'<'";
    case t_LESym: return "'<='";
    case t_GTSym: return "'>'";
    case t_GESym: return "'>='";
    case t_Plus: return "'+'";
    case t_Minus: return "'-'";
    case t_Ampersand: return "'&'";
    case t_Star: return "'*'";
    case t_Slash: return "'/'";
    case t_MOD: return "'mod'";
    case t_REM: return "'rem'";
    case t_DoubleStar: return "'**'";
    case t_ABS: return "'abs'";
    case t_NOT: return "'not'";
    case t_Apostrophe: return "'''";
    case t_VarAsgn: return "':='";
    case t_Arrow: return "'=>'";
    case t_Bar: return "'|'";
    case t_Box: return "'<>'";
    case t_Identifier: return "identifier";
    case t_AbstractLit: return "number";
    case t_CharacterLit: return "character literal";
    case t_StringLit: return "string literal";
    case t_BitStringLit: return "bit-string literal";
    }
    return "token " + std::to_string(code);
}

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

// The offending token: its class and text, or its spelling.
std::string Described(int code) {
    const char* text = yytext ? yytext : "";
    size_t n = strlen(text);
    switch (code) {
    case t_Identifier: case t_AbstractLit:
        return Spelling(code) + " '" + Shown(text, n) + "'";
    case t_CharacterLit: case t_StringLit: case t_BitStringLit:
        return Spelling(code) + " " + Shown(text, n);
    }
    return Spelling(code);
}

// ---- The exploration --------------------------------------------------------

const Parse_Tables* T = nullptr;  // the explained parser's, for the run

// The number of reductions the parser would make on `symbol` from `stack`
// before shifting it, or -1 when it would detect an error instead.  The
// stack is read, never written: pushed states go to an overlay.
int Reductions_Before_Shift(const std::vector<short>& stack, int symbol) {
    long base_top = static_cast<long>(stack.size()) - 1;
    std::vector<short> overlay;
    auto top = [&]() { return overlay.empty() ? stack[base_top] : overlay.back(); };
    int reductions = 0;
    for (int steps = 0; steps < 100000; ++steps) {
        int state = top();
        int rule;
        int n = T->pact[state];
        if (n == T->pact_ninf) {
            rule = T->defact[state];
        } else {
            n += symbol;
            if (n < 0 || n > T->last || T->check[n] != symbol) {
                rule = T->defact[state];
            } else {
                int action = T->table[n];
                if (action > 0) return reductions;
                if (action == T->table_ninf) return -1;
                rule = -action;
            }
        }
        if (rule == 0) return -1;
        for (int k = T->r2[rule]; k > 0; --k) {
            if (!overlay.empty()) overlay.pop_back();
            else --base_top;
        }
        if (base_top < 0 && overlay.empty()) return -1;
        int lhs = T->r1[rule] - T->ntokens;
        int below = top();
        int i = T->pgoto[lhs] + below;
        overlay.push_back(static_cast<short>(0 <= i && i <= T->last && T->check[i] == below ? T->table[i]
                                                                                          : T->defgoto[lhs]));
        ++reductions;
    }
    return -1;
}

// Makes the reductions the parser makes on `symbol` from `stack`, shifts
// it, then makes the reductions that need no lookahead, as the parser does
// before it reads the next token.  False when the parser would reject it.
bool Replay(std::vector<short>& stack, int symbol) {
    for (int steps = 0; steps < 100000; ++steps) {
        int state = stack.back();
        int n = T->pact[state] + symbol;
        int rule;
        if (T->pact[state] == T->pact_ninf || n < 0 || n > T->last || T->check[n] != symbol) {
            rule = T->defact[state];
        } else if (T->table[n] > 0) {
            stack.push_back(T->table[n]);
            break;
        } else {
            rule = T->table[n] == T->table_ninf ? 0 : -T->table[n];
        }
        if (rule == 0 || static_cast<size_t>(T->r2[rule]) >= stack.size()) return false;
        stack.resize(stack.size() - T->r2[rule]);
        int lhs = T->r1[rule] - T->ntokens;
        int i = T->pgoto[lhs] + stack.back();
        stack.push_back(0 <= i && i <= T->last && T->check[i] == stack.back() ? T->table[i] : T->defgoto[lhs]);
    }
    while (stack.back() != T->final_state && T->pact[stack.back()] == T->pact_ninf) {
        int rule = T->defact[stack.back()];
        stack.resize(stack.size() - T->r2[rule]);
        int lhs = T->r1[rule] - T->ntokens;
        int i = T->pgoto[lhs] + stack.back();
        stack.push_back(0 <= i && i <= T->last && T->check[i] == stack.back() ? T->table[i] : T->defgoto[lhs]);
    }
    return true;
}

int Symbol_Of(int code) { return code <= 0 ? 0 : code > T->max_token ? 2 : T->translate[code]; }

struct Expected {
    int reductions;
    int code;
};

// Every token that would have been shifted, most reductions first, then in
// code order.
std::vector<Expected> Expected_Tokens(const std::vector<short>& stack) {
    std::vector<Expected> out;
    for (int code = 0; code <= T->max_token; ++code) {
        if (code == 256 || code == 257) continue;  // the error and undefined tokens
        int symbol = T->translate[code];
        if (code != 0 && symbol <= 2) continue;
        int r = Reductions_Before_Shift(stack, symbol);
        if (r >= 0) out.push_back({r, code});
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const Expected& a, const Expected& b) { return a.reductions > b.reductions; });
    return out;
}

bool Holds(const std::vector<Expected>& set, int code) {
    for (const Expected& e : set)
        if (e.code == code) return true;
    return false;
}

std::string Listed(const std::vector<Expected>& set) {
    std::string out;
    size_t shown = std::min<size_t>(set.size(), 6);
    for (size_t i = 0; i < shown; ++i) {
        if (i > 0) out += (i + 1 == shown && set.size() <= 6) ? " or " : ", ";
        out += Spelling(set[i].code);
    }
    if (set.size() > 6) out += " or " + std::to_string(set.size() - 6) + " more";
    return out;
}

// ---- Hints ------------------------------------------------------------------

bool Line_Start(long long line, bool at_end, size_t& start);

struct Context {
    const std::vector<short>& stack;
    int code;
    std::string text;
    // The two words just before the offending token on its line, the
    // nearer first, in lower case.
    std::string previous_word, word_before;
    const std::vector<Expected>& expected;
    // Whether the k-th symbol from the top of the stack is the token `code`.
    bool Top(size_t k, int token) const {
        if (k >= stack.size()) return false;
        return T->stos[stack[stack.size() - 1 - k]] == T->translate[token];
    }
    // The first of `tokens` met among the top `depth` symbols, or 0.
    int Near(size_t depth, std::initializer_list<int> tokens) const {
        for (size_t k = 0; k < depth && k < stack.size(); ++k)
            for (int token : tokens)
                if (Top(k, token)) return token;
        return 0;
    }
};

bool Is_Logical(int code) {
    return code == t_AND || code == t_OR || code == t_NAND || code == t_NOR || code == t_XOR;
}

std::string Word(int code) { return reserved_words[code - t_ACCESS]; }

// The note for a known later-edition construct or common mistake.
std::string Hint(const Context& c) {
    const int code = c.code;
    const std::string& id = code == t_Identifier ? c.text : std::string();
    if ((code == t_ENTITY || code == t_ARCHITECTURE || code == t_PACKAGE || code == t_CONFIGURATION ||
         code == t_FUNCTION || code == t_PROCEDURE) && c.Top(0, t_END))
        return "'end " + Word(code) + "' is VHDL-93; VHDL-87 closes it with 'end;' or 'end NAME;'";
    if (code == t_IS) {
        int head = c.Near(6, {t_PROCESS, t_COMPONENT, t_BLOCK});
        if (head) return "'is' after '" + Word(head) + "' is VHDL-93; leave it out in VHDL-87";
    }
    if (code == t_REPORT)
        return "a report statement is VHDL-93; in VHDL-87 write 'assert false report \"...\";'";
    if (id == "pure" || id == "impure")
        return "'pure' and 'impure' are VHDL-93; leave the word out in VHDL-87 (a function is pure, "
               "a procedure may do the rest)";
    if (id == "postponed" || c.previous_word == "postponed")
        return "postponed processes and statements are VHDL-93; VHDL-87 has none: leave the word out";
    if (code == t_ENTITY && c.Top(0, ':'))
        return "entity instantiation is VHDL-93; in VHDL-87 declare a component with the entity's "
               "ports, instantiate it ('LABEL: NAME port map (...);') and bind it in a configuration";
    if (code == t_OPEN && c.Near(6, {t_FILE}))
        return "'open' in a file declaration is VHDL-93; in VHDL-87 write 'file F : T is in \"NAME\";', or 'is out' to write";
    if (code == t_Identifier && c.word_before == "end") {
        const std::string& w = c.previous_word;
        if (w == "if" || w == "case" || w == "record" || w == "units" || w == "component")
            return "a name after 'end " + w + "' is VHDL-93; in VHDL-87 write 'end " + w + ";'";
    }
    if (id == "xnor") return "'xnor' is VHDL-93; in VHDL-87 write 'not (A xor B)'";
    if (id == "sll" || id == "srl" || id == "sla" || id == "sra" || id == "rol" || id == "ror")
        return "the shift operator '" + id + "' is VHDL-93; in VHDL-87 shift with a slice and a "
               "concatenation, as 'A(6 downto 0) & '0'' for 'A sll 1'";
    if (id == "shared") return "shared variables are VHDL-93; in VHDL-87 use a signal";
    if (c.Near(2, {t_GENERATE}) &&
        (code == t_SIGNAL || code == t_CONSTANT || code == t_TYPE || code == t_SUBTYPE ||
         code == t_COMPONENT || code == t_FUNCTION || code == t_PROCEDURE || code == t_ATTRIBUTE ||
         code == t_ALIAS || code == t_FILE || code == t_USE || code == t_BEGIN))
        return code == t_BEGIN
                   ? "'begin' after 'generate' is VHDL-93; leave it out in VHDL-87, and put any "
                     "declarations in a block statement inside: 'B: block DECLARATIONS begin ... end block;'"
                   : "a declarative part in a generate statement is VHDL-93; in VHDL-87 put a block "
               "statement inside it: 'B: block DECLARATIONS begin ... end block;'";
    if (code == t_ALL && c.Top(0, '(') && c.Top(1, t_PROCESS))
        return "'process (all)' is VHDL-2008; in VHDL-87 list every signal the process reads";
    if (id == "protected")
        return "protected types are VHDL-2000; VHDL-87 has none: keep the state in signals, or in "
               "variables passed to procedures";
    if (Is_Logical(code)) {
        bool chain = false;
        for (const Expected& e : c.expected) chain = chain || Is_Logical(e.code);
        if (chain || c.Near(4, {t_NAND, t_NOR}))
            return "VHDL requires parentheses where different logical operators meet, and around "
                   "'nand' and 'nor' repeated: write '(A and B) or C'";
    }
    return "";
}

// ---- The source line ----------------------------------------------------------

// The bytes of line `line` around display column `column` (0-based), as far
// as they have been read: `text` starts at display column `text_column`;
// `from_start`/`to_end` tell whether it reaches the line's start and end.
struct Line_Part {
    std::string text;
    long long text_column = 0;
    bool from_start = true, to_end = true;
};

// Whether all of the input is in the buffer: known for a regular file read
// to its end.
bool Input_Read_Whole() {
    struct stat status;
    int fd = yyin ? fileno(yyin) : -1;
    if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return false;
    return lseek(fd, 0, SEEK_CUR) == status.st_size;
}

bool Source_Line(long long line, long long column, bool at_end, Line_Part& part) {
    size_t scan = at_end ? mirror.size() : std::min(Scanner_Offset(), mirror.size());
    long long lines_back = line_number - line;
    if (lines_back < 0) return false;
    size_t start = scan;
    while (start > 0) {
        if (mirror[start - 1] == '\n') {
            if (lines_back == 0) break;
            --lines_back;
        }
        --start;
    }
    if (lines_back > 0) return false;
    // The line's bytes before the mirror, then in it; the display column of
    // the first of them.
    std::string before;
    long long base_column = 0;
    bool from_start = true;
    if (start == 0) {
        before = carry;
        base_column = carry_column;
        from_start = carry_starts_line;
    }
    size_t end = start;
    while (end < mirror.size() && mirror[end] != '\n') ++end;
    bool to_end = end < mirror.size() || at_end || Input_Read_Whole();
    if (to_end && end > start && mirror[end - 1] == '\r') --end;
    // Keep line_margin bytes on each side of the column.
    auto byte_at = [&](size_t i) { return i < before.size() ? before[i] : mirror[start + i - before.size()]; };
    size_t length = before.size() + (end - start);
    size_t i = 0;
    long long at = base_column;
    while (i < length && at < column) at = Advance(at, byte_at(i++));
    size_t first = i > line_margin ? i - line_margin : 0;
    size_t last = std::min(length, i + line_margin);
    at = base_column;
    for (size_t k = 0; k < first; ++k) at = Advance(at, byte_at(k));
    part.text.clear();
    for (size_t k = first; k < last; ++k) part.text += byte_at(k);
    part.text_column = at;
    part.from_start = from_start && first == 0;
    part.to_end = to_end && last == length;
    return true;
}

// The mirror offset where line `line` starts, when the mirror holds it.
bool Line_Start(long long line, bool at_end, size_t& start) {
    start = at_end ? mirror.size() : std::min(Scanner_Offset(), mirror.size());
    long long lines_back = line_number - line;
    if (lines_back < 0) return false;
    while (start > 0) {
        if (mirror[start - 1] == '\n' && lines_back-- == 0) return true;
        --start;
    }
    return lines_back == 0 && carry.empty() && carry_starts_line;
}

// The display column just after the last token of the line starting at
// `start`: its text without a comment and trailing blanks; 0 when none.
long long Last_Token_End(size_t start) {
    long long at = 0, end = 0;
    for (size_t i = start; i < mirror.size() && mirror[i] != '\n'; ++i) {
        char c = mirror[i];
        if (c == '-' && i + 1 < mirror.size() && mirror[i + 1] == '-') break;
        if (c == '"') {  // a string literal, with its dashes
            size_t close = i + 1;
            while (close < mirror.size() && mirror[close] != '"' && mirror[close] != '\n') ++close;
            if (close < mirror.size() && mirror[close] == '"') {
                at += static_cast<long long>(close - i + 1);
                end = at;
                i = close;
                continue;
            }
        }
        at = Advance(at, c);
        if (c != ' ' && c != '\t' && c != '\r' && c != '\f') end = at;
    }
    return end;
}

// The place just after the token before `place`, when `place` is the first
// token of its line and the mirror holds the line of that token.
bool Previous_Token_End(const Token_Place& place, Token_Place& out) {
    size_t start;
    if (!Line_Start(place.line, false, start)) return false;
    long long at = 0;
    for (size_t i = start; i < mirror.size() && at < place.first_column - 1; ++i) {
        if (mirror[i] != ' ' && mirror[i] != '\t' && mirror[i] != '\f') return false;
        at = Advance(at, mirror[i]);
    }
    for (long long line = place.line - 1; line >= 1 && start > 0; --line) {
        size_t begin = start - 1;
        while (begin > 0 && mirror[begin - 1] != '\n') --begin;
        if (begin == 0 && line > 1 && !(carry.empty() && carry_starts_line)) return false;
        long long end = Last_Token_End(begin);
        if (end > 0) {
            out = Token_Place{line, end + 1, end + 1};
            return true;
        }
        start = begin;
    }
    return false;
}

// The two words that end just before `place` on its line, the nearer
// first, in lower case.
void Previous_Words(const Token_Place& place, std::string& nearer, std::string& farther) {
    size_t start;
    if (!Line_Start(place.line, false, start)) return;
    size_t i = start;
    for (long long at = 0; i < mirror.size() && mirror[i] != '\n' && at < place.first_column - 1; ++i)
        at = Advance(at, mirror[i]);
    for (std::string* word : {&nearer, &farther}) {
        while (i > start && (mirror[i - 1] == ' ' || mirror[i - 1] == '\t')) --i;
        while (i > start && (isalnum(static_cast<unsigned char>(mirror[i - 1])) || mirror[i - 1] == '_'))
            word->insert(word->begin(), static_cast<char>(tolower(static_cast<unsigned char>(mirror[--i]))));
    }
}

// Prints the line part with a caret under display columns [first, end).
void Print_Source(const Line_Part& part, long long first, long long end) {
    std::vector<std::string> pieces;
    std::vector<long long> columns;  // display column of each byte
    long long at = part.text_column;
    for (unsigned char c : part.text) {
        columns.push_back(at);
        if (c == '\t') {
            pieces.push_back(std::string(8 - at % 8, ' '));
        } else if (c >= 32 && c < 127) {
            pieces.push_back(std::string(1, static_cast<char>(c)));
        } else {
            char hex[8];
            snprintf(hex, sizeof hex, "\\x%02x", c);
            pieces.push_back(hex);
        }
        at = Advance(at, c);
    }
    // Shown width of each byte and where the token lies.
    std::vector<long long> shown(pieces.size() + 1, 0);
    for (size_t k = 0; k < pieces.size(); ++k) shown[k + 1] = shown[k] + pieces[k].size();
    size_t token = 0;
    while (token < columns.size() && columns[token] < first) ++token;
    size_t token_end = token;
    while (token_end < columns.size() && columns[token_end] < end) ++token_end;
    long long total = shown.back();
    long long from = 0, to = total;
    if (total > shown_columns || !part.from_start || !part.to_end) {
        from = std::max<long long>(0, shown[token] - shown_columns / 3);
        to = std::min(total, from + shown_columns);
        if (to - from < shown_columns) from = std::max<long long>(0, to - shown_columns);
    }
    size_t k0 = 0;
    while (k0 < pieces.size() && shown[k0] < from) ++k0;
    size_t k1 = k0;
    while (k1 < pieces.size() && shown[k1 + 1] <= to) ++k1;
    bool cut_before = k0 > 0 || !part.from_start;
    bool cut_after = k1 < pieces.size() || !part.to_end;
    std::string line = cut_before ? "..." : "";
    for (size_t k = k0; k < k1; ++k) line += pieces[k];
    if (cut_after) line += "...";
    long long caret_at = (cut_before ? 3 : 0) + shown[std::min(std::max(token, k0), k1)] - shown[k0];
    long long width = shown[std::min(token_end, k1)] - shown[std::min(std::max(token, k0), k1)];
    std::string caret(caret_at, ' ');
    caret += '^';
    if (width > 1) caret += std::string(width - 1, '~');
    fprintf(stderr, "%s\n%s\n", line.c_str(), caret.c_str());
}

// Prints "<stdin>:LINE:COL: KIND: MESSAGE" and the source line with a caret
// under the place.
void Report(const Token_Place& place, bool at_end, const char* kind, const std::string& message) {
    fprintf(stderr, "%s:%lld:%lld: %s: %s\n", source_name, place.line, place.first_column, kind,
            message.c_str());
    Line_Part part;
    if (Source_Line(place.line, place.first_column - 1, at_end, part))
        Print_Source(part, place.first_column - 1, place.end_column - 1);
}

// The place of the lookahead: as handed over, as scanned, or the end of the
// input (the end of the last line when the input ends with a line end).
Token_Place Lookahead_Place(int lookahead, bool& at_end) {
    at_end = lookahead == 0;
    if (explain_place_handed) return handed_place;
    if (!at_end) return Scanned_Token_Place();
    Token_Place place{line_number, column + 1, column + 1};
    if (column == 0 && line_number > 1) {
        Line_Part part;
        if (Source_Line(line_number - 1, 1LL << 62, true, part)) {
            long long at = part.text_column;
            for (unsigned char c : part.text) at = Advance(at, c);
            place = Token_Place{line_number - 1, at + 1, at + 1};
        }
    }
    return place;
}

}  // namespace

// ---- Scanner side ---------------------------------------------------------------

void Explain_Input(const char* fresh, size_t n, size_t kept) {
    // The bytes that leave the buffer belong to lines before the kept ones.
    size_t gone = mirror.size() >= kept ? mirror.size() - kept : 0;
    size_t line_start = gone;
    while (line_start > 0 && mirror[line_start - 1] != '\n') --line_start;
    if (line_start > 0) {
        carry.clear();
        carry_column = 0;
        carry_starts_line = true;
    }
    Carry(mirror.data() + line_start, gone - line_start);
    mirror.erase(0, gone);
    // In pieces: a copy this size is made with vector moves, not a byte loop.
    mirror.reserve(mirror.size() + n);
    for (size_t done = 0; done < n; done += 1024) mirror.append(fresh + done, std::min<size_t>(1024, n - done));
    // The bytes come before the scanner folds them: fold the letters alike,
    // but keep a NUL, which the scanner reads as \x01.
    for (size_t i = mirror.size() - n; i < mirror.size(); ++i)
        if (mirror[i] >= 'A' && mirror[i] <= 'Z') mirror[i] = static_cast<char>(mirror[i] + ('a' - 'A'));
}

void Explain_Skipped(unsigned char c, long long line, long long column) {
    if (c == '\r' || c == '\f') return;
    // The scanner reads a NUL as \x01; the mirror still has the byte as read.
    size_t at = Scanner_Offset();
    if (c == 1 && at > 0 && at <= mirror.size()) c = static_cast<unsigned char>(mirror[at - 1]);
    if (skipped_count++ >= shown_warnings) return;
    char what[96];
    if (c == '"' || c == '%')
        snprintf(what, sizeof what, "'%c' skipped: a string literal must end on its line", c);
    else if (c >= 128)
        snprintf(what, sizeof what, "byte 0x%02x skipped: only ASCII characters are read", c);
    else if (c < 32 || c == 127)
        snprintf(what, sizeof what, "control character 0x%02x skipped", c);
    else
        snprintf(what, sizeof what, "'%c' skipped: no token starts with it", c);
    fprintf(stderr, "%s:%lld:%lld: warning: %s\n", source_name, line, column, what);
}

// ---- Parser side ------------------------------------------------------------------

// A place handed over by a token filter for the lookahead; forgotten at
// every read.
bool explain_place_handed = false;

void Explain_Hand_Place(Token_Place place) {
    handed_place = place;
    explain_place_handed = true;
}

void Explain_Checkpoint(const short* stack, long depth) {
    checkpoint.assign(stack, stack + depth + 1);
    codes.resize(std::max<size_t>(4096, 2 * checkpoint.size()));
    explain_codes = explain_next = codes.data();
    explain_end = explain_codes + codes.size();
}

void Explain_Parse_Error(const char* message, const short* stack, long depth, int lookahead) {
    yyerror(message);
    bool at_end;
    Token_Place place = Lookahead_Place(lookahead, at_end);
    if (strcmp(message, "memory exhausted") == 0) {
        Report(place, at_end, "error",
               "nesting too deep (more than " + std::to_string(T->max_depth) + " parser stack entries)");
        return;
    }
    // The stack as it was when the lookahead was read: the checkpoint, and
    // every kept token but the lookahead replayed on it.
    std::vector<short> stack_then = checkpoint;
    for (long k = 0; k + 1 < explain_next - explain_codes; ++k) {
        if (!Replay(stack_then, Symbol_Of(codes[k]))) {
            stack_then.assign(stack, stack + depth + 1);  // cannot happen: the parser shifted it
            break;
        }
    }
    std::vector<Expected> expected = Expected_Tokens(stack_then);
    std::string text = lookahead == t_Identifier && yytext ? yytext : "";
    std::string what = "unexpected " + (at_end ? std::string("end of input") : Described(lookahead));
    if (!expected.empty()) what += "; expected " + Listed(expected);
    std::string nearer, farther;
    if (!at_end) Previous_Words(place, nearer, farther);
    std::string note = Hint(Context{stack_then, lookahead, text, nearer, farther, expected});
    Token_Place end_of_previous;
    if (note.empty() && !at_end && Holds(expected, ';') && Previous_Token_End(place, end_of_previous)) {
        // Most likely the previous line lacks its ';': point after its last token.
        Report(end_of_previous, false, "error", what);
        fprintf(stderr, "  note: a ';' seems to be missing at the end of line %lld\n",
                end_of_previous.line);
        return;
    }
    Report(place, at_end, "error", what);
    if (!note.empty()) fprintf(stderr, "  note: %s\n", note.c_str());
}

// ---- The run ------------------------------------------------------------------------

void Explain_Start(const Parse_Tables* tables) {
    T = tables;
    mirror.clear();
    carry.clear();
    carry_column = 0;
    carry_starts_line = true;
    skipped_count = 0;
    explain_place_handed = false;
    explain_codes = explain_next = explain_end = nullptr;
}

void Explain_Finish() {
    if (skipped_count > shown_warnings)
        fprintf(stderr, "%s: warning: %lld more characters skipped\n", source_name,
                skipped_count - shown_warnings);
    std::vector<short>().swap(checkpoint);
    std::vector<unsigned short>().swap(codes);
    explain_codes = explain_next = explain_end = nullptr;
    std::string().swap(mirror);
    std::string().swap(carry);
}
