// The relaxed reading's token filter: rewrites the later editions' spellings
// in the token stream between the scanner and the parser (see the header for
// the rewrites and for what the parser sees of a token's position).
#include "relaxed_filter.h"

#include <cstring>
#include <string>
#include <utility>

#include "diagnostics.h"
#include "explain.h"
#include "fragment.h"
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
    Token_Place place{};  // with --explain: where the token stands
};

// The tokens read but not yet handed to the parser, oldest first, in a
// ring.  No rewrite looks further than eight tokens ahead.
const int kRing = 16;
Token ring[kRing];
int head = 0;
int count = 0;

// The kind of the last token handed to the parser; -1 before the first.
int last_handed = -1;

// Where the parser stands in a process or block head: just after the word,
// inside its parenthesised list (`depth` levels deep), or just after the
// list; an `is` met in the first or the last place is dropped.
enum List_State { No_Head, After_Word, In_List, After_List };
List_State list_state = No_Head;
long long depth = 0;

// While the parser is handed a token read ahead, the globals describe that
// token; the scanner's own values wait here until it scans on.
bool overridden = false;
char* scanner_text = nullptr;
long long scanner_line = 0;
long long scanner_column = 0;

Token& At(int i) { return ring[(head + i) & (kRing - 1)]; }

// Appends the token the scanner has just returned.
void Push(int kind) {
    Token& t = At(count++);
    t.kind = kind;
    t.frag = kind != 0 ? yylval : nullptr;
    t.line = line_number;
    t.column = column;
    if (explaining) t.place = Scanned_Token_Place();
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

// Follows a process or block list through the token handed now.
void Track_List(int kind) {
    switch (list_state) {
    case No_Head:
        break;
    case After_Word:
        list_state = kind == '(' ? In_List : No_Head;
        depth = 1;
        break;
    case In_List:
        if (kind == '(') ++depth;
        else if (kind == ')' && --depth == 0) list_state = After_List;
        break;
    case After_List:
        list_state = No_Head;
        break;
    }
}

// Follows the tokens handed to the parser.  A process or a block starts a
// head unless it follows end; it never passes the fast path (kind_class).
inline void Track(int kind) {
    if (list_state != No_Head) Track_List(kind);
    if ((kind == t_PROCESS || kind == t_BLOCK) && last_handed != t_END) list_state = After_Word;
    last_handed = kind;
}

// Hands the first waiting token to the parser, with its own text and
// position in the globals.
int Hand_First() {
    Token& t = At(0);
    int kind = t.kind;
    yylval = t.frag;
    t.frag = nullptr;
    if (!overridden) {
        overridden = true;
        scanner_text = yytext;
        scanner_line = line_number;
        scanner_column = column;
    }
    // The slot is not written again before the next call, which puts the
    // scanner's own text back first.
    yytext = &t.text[0];
    line_number = t.line;
    column = t.column;
    if (explaining && kind != 0) Explain_Hand_Place(t.place);
    head = (head + 1) & (kRing - 1);
    if (--count == 0) head = 0;
    Track(kind);
    return kind;
}

bool Is_Word(const char* text, const char* word) { return strcmp(text, word) == 0; }

// An identifier that is dropped before the right keyword.
bool May_Drop(const char* text) {
    return (text[0] == 'p' || text[0] == 'i') &&
           (Is_Word(text, "postponed") || Is_Word(text, "pure") || Is_Word(text, "impure"));
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

// What a token just scanned may start: 0 nothing, so it goes straight to
// the parser; 1 a rewrite, or a process or block head; 2 an identifier, a
// rewrite if it is one of the words May_Drop knows; 3 `is`, dropped after a
// process or block word or list.
const int kKinds = 512;  // every token code is below it
unsigned char kind_class[kKinds];

void Fill_Kind_Classes() {
    for (int kind : {int(t_END), int(t_COMPONENT), int(t_ENTITY), int(t_OPEN), int(t_REPORT),
                     int(t_PROCESS), int(t_BLOCK)})
        kind_class[kind] = 1;
    kind_class[t_Identifier] = 2;
    kind_class[t_IS] = 3;
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

// Applies the rewrite that starts at the first waiting token, if any.
// Returns false when that token was dropped.
bool Rewrite_First() {
    const Token& first = At(0);
    switch (first.kind) {
    case t_END:
        switch (Peek(1).kind) {
        case t_ENTITY: case t_ARCHITECTURE: case t_CONFIGURATION: case t_FUNCTION:
        case t_PROCEDURE:
            Drop(1);
            break;
        case t_PACKAGE:
            if (Is(2, 0)) break;
            if (Is(2, t_BODY)) Drop(2);
            Drop(1);
            break;
        case t_IF: case t_CASE: case t_RECORD: case t_UNITS: case t_COMPONENT:
            if (Is(2, t_Identifier)) Drop(2);
            break;
        }
        return true;
    case t_COMPONENT:
        if (last_handed == ':') {
            if (!Is(1, t_Identifier)) return true;
            Drop(0);
            return false;
        }
        if (last_handed != t_END && Is(1, t_Identifier) && Is(2, t_IS)) Drop(2);
        return true;
    case t_ENTITY:
        return last_handed != ':' || Rewrite_Entity_Instance();
    case t_OPEN:
        if (Is(1, t_Identifier) && Is(2, t_IS)) {
            Drop(0);
            Drop(0);
            return false;
        }
        return true;
    case t_IS:
        if (list_state == After_Word || list_state == After_List) {
            list_state = No_Head;
            Drop(0);
            return false;
        }
        return true;
    case t_REPORT:
        if (Starts_Statement(last_handed)) {
            Insert_Front(t_Identifier, Make_String_Len("false", 5), "false");
            Insert_Front(t_ASSERT, Constant(t_ASSERT, "assert", 6), "assert");
        }
        return true;
    case t_Identifier: {
        const char* text = first.text.c_str();
        bool postponed = Is_Word(text, "postponed");
        bool pure = Is_Word(text, "pure") || Is_Word(text, "impure");
        if ((postponed && (Is(1, t_PROCESS) || Is(1, t_ASSERT))) || (pure && Is(1, t_FUNCTION))) {
            Drop(0);
            return false;
        }
        return true;
    }
    default:
        return true;
    }
}

// The tokens that a rewrite may start with, read ahead as needed.
[[gnu::noinline]] int Filter_Waiting() {
    for (;;) {
        if (Rewrite_First()) return Hand_First();
        if (count == 0) Push(Scan_Relaxed());
    }
}

// The filter: the next token for the parser.  Most tokens start no rewrite
// and go straight through.  Tokens wait only after one was handed from the
// waiting ones, which puts the scanner's globals aside.
int Relaxed_Token() {
    if (overridden) {
        overridden = false;
        yytext = scanner_text;
        line_number = scanner_line;
        column = scanner_column;
        if (count > 0) return Filter_Waiting();
    }
    for (;;) {
        int kind = Scan_Relaxed();
        switch (kind_class[kind]) {
        case 0:
            break;
        case 2:
            if (!May_Drop(yytext)) break;
            Push(kind);
            return Filter_Waiting();
        case 3:  // is
            if (list_state != After_Word && list_state != After_List) break;
            list_state = No_Head;
            Release(yylval);
            continue;
        default:
            Push(kind);
            return Filter_Waiting();
        }
        if (list_state != No_Head) Track_List(kind);
        last_handed = kind;
        return kind;
    }
}

}  // namespace

void Use_Relaxed_Reading(bool on) {
    Fill_Kind_Classes();
    Next_Token = on ? Relaxed_Token : yylex;
}

void Reset_Relaxed_Filter() {
    while (count > 0) Drop(0);
    head = 0;
    last_handed = -1;
    list_state = No_Head;
    depth = 0;
    if (overridden) {
        overridden = false;
        yytext = scanner_text;
        line_number = scanner_line;
        column = scanner_column;
    }
}
