// The relaxed reading's token filter: rewrites the later editions' spellings
// in the token stream between the scanner and the parser (see the header for
// the rewrites and for what the parser sees of a token's position).
#include "relaxed_filter.h"

#include <cstring>
#include <string>
#include <utility>

#include "explain.h"
#include "fragment.h"
#include "options.h"
#include "parser.hh"
#include "scanner.h"

int (*Next_Token)() = yylex;

namespace {

// A token read ahead: what the scanner left in yylval, yytext, line_number
// and column when it returned it.
struct Token {
    int kind = 0;
    Fragment* frag = nullptr;
    long long line = 0;
    long long column = 0;
    std::string text;
    Token_Place place{};  // where the token stands
};

// The tokens read but not yet handed to the parser, oldest first, in a
// ring.  No rewrite looks further than eight tokens ahead.
const int kRing = 16;
Token ring[kRing];
int head = 0;
int count = 0;

// The kind of the last token handed to the parser; -1 before the first.
int last_handed = -1;

// What the tokens handed so far make of the next one.
enum State : unsigned char {
    Free,          // nothing: the token decides alone
    After_Head,    // process or block, not after end: `(` opens its list and
                   // `is` is dropped
    In_List,       // inside that list, `depth` parentheses deep
    After_List,    // just after the list: `is` is dropped
    After_End,     // end: a unit's keyword is dropped
    After_Closer,  // end if|case|record|units|component: a name is dropped
};
State state = Free;
long long depth = 0;

// While the parser is handed a token read ahead, the globals describe that
// token; the scanner's own values wait here until it scans on, and the
// parser's token source is Resume_After_Waiting, which puts them back.
char* scanner_text = nullptr;
long long scanner_line = 0;
long long scanner_column = 0;

Token& At(int i) { return ring[(head + i) & (kRing - 1)]; }

int Relaxed_Token();
int Resume_After_Waiting();

bool Globals_Aside() { return Next_Token == Resume_After_Waiting; }

// Where the token Hand_First handed last stands.
Token_Place handed_place{};

void Restore_Scanner_Globals() {
    Next_Token = Relaxed_Token;
    yytext = scanner_text;
    line_number = scanner_line;
    column = scanner_column;
}

// Appends the token the scanner has just returned.
void Push(int kind) {
    Token& t = At(count++);
    t.kind = kind;
    t.frag = kind != 0 ? yylval : nullptr;
    t.line = line_number;
    t.column = column;
    t.place = Scanned_Token_Place();
    if (kind != 0) t.text.assign(yytext, static_cast<size_t>(yyleng));
    else t.text.assign(yytext ? yytext : "");
}

// The token `i` places after the first one waiting, read as needed; past the
// end of the input, the end again.
const Token& Peek(int i) {
    while (count <= i) {
        if (count > 0 && At(count - 1).kind == 0) return At(count - 1);
        Push(Scan_Relaxed());
    }
    return At(i);
}

bool Is(int i, int kind) { return Peek(i).kind == kind; }

// Removes the waiting token at `i`, releasing its fragment.
void Drop(int i) {
    Release(At(i).frag);
    for (int j = i; j + 1 < count; ++j) std::swap(At(j), At(j + 1));
    --count;
    if (i == 0 && count == 0) head = 0;
}

// Puts a token in front of the waiting ones, at the position of the first.
void Insert_Front(int kind, Fragment* frag, const char* text) {
    const Token& before = At(0);
    long long line = before.line, col = before.column;
    Token_Place place = before.place;
    head = (head + kRing - 1) & (kRing - 1);
    ++count;
    Token& t = At(0);
    t.kind = kind;
    t.frag = frag;
    t.line = line;
    t.column = col;
    t.place = place;
    t.text.assign(text);
}

// Follows the tokens handed to the parser through the states.  A process or
// a block starts a head unless it follows end.
void Track(int kind) {
    switch (state) {
    case Free:
        break;
    case After_Head:
        state = kind == '(' ? In_List : Free;
        depth = 1;
        break;
    case In_List:
        if (kind == '(') ++depth;
        else if (kind == ')' && --depth == 0) state = After_List;
        break;
    case After_End:
        switch (kind) {
        case t_IF: case t_CASE: case t_RECORD: case t_UNITS: case t_COMPONENT:
            state = After_Closer;
            break;
        default:
            state = Free;
            break;
        }
        break;
    case After_List: case After_Closer:
        state = Free;
        break;
    }
    if (kind == t_END) state = After_End;
    else if ((kind == t_PROCESS || kind == t_BLOCK) && last_handed != t_END) state = After_Head;
    last_handed = kind;
}

// Hands the first waiting token to the parser, with its own text and
// position in the globals.
int Hand_First() {
    Token& t = At(0);
    int kind = t.kind;
    yylval = t.frag;
    t.frag = nullptr;
    if (!Globals_Aside()) {
        scanner_text = yytext;
        scanner_line = line_number;
        scanner_column = column;
        Next_Token = Resume_After_Waiting;
    }
    // The slot is not written again before the next call, which puts the
    // scanner's own text back first.
    yytext = &t.text[0];
    line_number = t.line;
    column = t.column;
    handed_place = t.place;
    if (explaining && kind != 0) Explain_Hand_Place(t.place);
    head = (head + 1) & (kRing - 1);
    if (--count == 0) head = 0;
    Track(kind);
    return kind;
}

template <size_t N>
bool Is_Word(const char* text, size_t length, const char (&word)[N]) {
    return length == N - 1 && memcmp(text, word, N - 1) == 0;
}

// An identifier that is dropped before the right keyword.
bool May_Drop(const char* text, size_t length) {
    return Is_Word(text, length, "postponed") || Is_Word(text, length, "pure") ||
           Is_Word(text, length, "impure");
}

// A report statement starts after one of these.
bool Starts_Statement(int kind) {
    switch (kind) {
    case ';': case t_BEGIN: case t_THEN: case t_ELSE: case t_LOOP: case t_Arrow:
        return true;
    default:
        return false;
    }
}

// What becomes of a token when it is the next one for the parser: handed as
// it is, dropped, or decided by the tokens after it (Rewrite_Ahead).
enum Action { Hand, Dropped, Look };

Action Decide(int kind, const char* text, size_t length) {
    switch (state) {
    case After_End:
        switch (kind) {
        case t_ENTITY: case t_ARCHITECTURE: case t_CONFIGURATION: case t_FUNCTION:
        case t_PROCEDURE:
            state = Free;
            return Dropped;
        case t_PACKAGE:
            return Look;
        }
        break;
    case After_Closer:
        if (kind != t_Identifier) break;
        state = Free;
        return Dropped;
    case After_Head: case After_List:
        if (kind != t_IS) break;
        state = Free;
        return Dropped;
    default:
        break;
    }
    switch (kind) {
    case t_Identifier:
        return May_Drop(text, length) ? Look : Hand;
    case t_COMPONENT: case t_OPEN:
        return Look;
    case t_ENTITY:
        return last_handed == ':' ? Look : Hand;
    case t_REPORT:
        return Starts_Statement(last_handed) ? Look : Hand;
    default:
        return Hand;
    }
}

// What may need a decision, besides any token met in a state other than
// Free: a word that Decide or Track look at, or an identifier, which is
// looked at when it has the length and first letter of a word that may be
// dropped (Looks_Droppable).  The values stay clear of the states' bits, so
// one test sees both.
const unsigned char kWord = 8, kIdentifier = 16;
const int kKinds = 512;  // every token code is below it
unsigned char kind_class[kKinds];

void Fill_Kind_Classes() {
    for (int kind : {int(t_END), int(t_COMPONENT), int(t_ENTITY), int(t_OPEN), int(t_REPORT),
                     int(t_PROCESS), int(t_BLOCK)})
        kind_class[kind] = kWord;
    kind_class[t_Identifier] = kIdentifier;
}

// A first look, by length and first letter, for "pure", "impure" and
// "postponed".
inline bool Looks_Droppable(const char* text, int length) {
    switch (length) {
    case 4: case 9:
        return text[0] == 'p';
    case 6:
        return text[0] == 'i';
    default:
        return false;
    }
}

// `entity [ID .] ID [( ID )]` at the front, after a colon: all but the
// unit's name is dropped; nothing is when the tokens do not fit or the input
// ends first.  Returns false when the front was dropped.
bool Rewrite_Entity_Instance() {
    if (!Is(1, t_Identifier)) return true;
    int name = 1;
    if (Is(2, '.')) {
        if (!Is(3, t_Identifier)) return true;
        name = 3;
    }
    int after = name + 1;
    int next = Peek(after).kind;
    if (next == 0) return true;
    if (next == '(') {
        if (!Is(after + 1, t_Identifier) || !Is(after + 2, ')')) return true;
        for (int k = 0; k < 3; ++k) Drop(after);
    }
    for (int i = name - 1; i >= 0; --i) Drop(i);
    return false;
}

// Applies the rewrite that the first waiting token starts, reading the
// tokens after it.  Returns false when that token was dropped.
bool Rewrite_Ahead() {
    const Token& first = At(0);
    switch (first.kind) {
    case t_PACKAGE:  // after end
        if (Is(1, 0)) return true;
        if (Is(1, t_BODY)) Drop(1);
        Drop(0);
        state = Free;
        return false;
    case t_COMPONENT:
        if (last_handed == ':') {
            if (!Is(1, t_Identifier)) return true;
            Drop(0);
            return false;
        }
        if (last_handed != t_END && Is(1, t_Identifier) && Is(2, t_IS)) Drop(2);
        return true;
    case t_ENTITY:
        return Rewrite_Entity_Instance();
    case t_OPEN:
        if (Is(1, t_Identifier) && Is(2, t_IS)) {
            Drop(0);
            Drop(0);
            return false;
        }
        return true;
    case t_REPORT:
        Insert_Front(t_Identifier, Make_String_Len("false", 5), "false");
        Insert_Front(t_ASSERT, Constant(t_ASSERT, "assert", 6), "assert");
        return true;
    case t_Identifier:
        if (Is_Word(first.text.data(), first.text.size(), "postponed") ? Is(1, t_PROCESS) || Is(1, t_ASSERT)
                                                                       : Is(1, t_FUNCTION)) {
            Drop(0);
            return false;
        }
        return true;
    default:
        return true;
    }
}

// Decides the waiting tokens in turn, reading ahead as needed, until one is
// handed to the parser.
[[gnu::noinline]] int Filter_Waiting() {
    for (;;) {
        const Token& first = At(0);
        switch (Decide(first.kind, first.text.data(), first.text.size())) {
        case Hand:
            return Hand_First();
        case Look:
            if (Rewrite_Ahead()) return Hand_First();
            break;
        case Dropped:
            Drop(0);
            break;
        }
        if (count == 0) Push(Scan_Relaxed());
    }
}

// A token just scanned that may need a decision.
[[gnu::noinline]] int Filter_Scanned(int kind) {
    for (;;) {
        switch (Decide(kind, yytext, static_cast<size_t>(yyleng))) {
        case Hand:
            Track(kind);
            return kind;
        case Look:
            Push(kind);
            return Filter_Waiting();
        case Dropped:
            Release(yylval);
            break;
        }
        kind = Scan_Relaxed();
    }
}

// The filter: the next token for the parser.  Most tokens need no decision
// and go straight through.
int Relaxed_Token() {
    int kind = Scan_Relaxed();
    unsigned need = kind_class[kind] | state;
    if (need != 0 && (need != kIdentifier || Looks_Droppable(yytext, yyleng))) return Filter_Scanned(kind);
    last_handed = kind;
    return kind;
}

// The filter just after a token read ahead was handed, which put the
// scanner's globals aside (Hand_First makes it the parser's token source):
// puts them back and goes on with the tokens still waiting, if any.
int Resume_After_Waiting() {
    Restore_Scanner_Globals();
    return count > 0 ? Filter_Waiting() : Relaxed_Token();
}

}  // namespace

void Use_Relaxed_Reading(bool on) {
    Fill_Kind_Classes();
    Next_Token = on ? Relaxed_Token : yylex;
}

bool Handed_Token_Place(Token_Place& place) {
    if (!Globals_Aside()) return false;
    place = handed_place;
    return true;
}

void Reset_Relaxed_Filter() {
    while (count > 0) Drop(0);
    head = 0;
    last_handed = -1;
    state = Free;
    depth = 0;
    if (Globals_Aside()) Restore_Scanner_Globals();
}
