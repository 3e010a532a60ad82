// The relaxed reading's token source: see relaxed.h.
#include "relaxed.h"

#include <cstring>

#include "parser_later.hh"
#include "scanner.h"

namespace {

// The length, the first two letters and the last letter of a word, which
// tell the later words apart: an identifier is compared whole only with the
// later word whose key it has.
constexpr unsigned Key(const char* text, int length) {
    return static_cast<unsigned>(length) | static_cast<unsigned>(static_cast<unsigned char>(text[0])) << 8 |
           static_cast<unsigned>(static_cast<unsigned char>(text[1])) << 16 |
           static_cast<unsigned>(static_cast<unsigned char>(text[length - 1])) << 24;
}

struct Later_Word_Entry {
    const char* text;
    int length;
    int code;
    unsigned key;
};
// The words reserved by the later editions only, from the token list.
constexpr Later_Word_Entry later_words[] = {
#define LATER_WORD(spelling, token) {spelling, sizeof spelling - 1, token, Key(spelling, sizeof spelling - 1)},
#include "tokens.def"
};

// Bit n is set when a later word has n letters: most identifiers are told
// apart by their length alone.
constexpr unsigned long long Later_Word_Lengths() {
    unsigned long long lengths = 0;
    for (const Later_Word_Entry& w : later_words) lengths |= 1ULL << w.length;
    return lengths;
}
constexpr unsigned long long later_word_lengths = Later_Word_Lengths();
static_assert([] {
    for (const Later_Word_Entry& w : later_words) {
        if (w.length < 2 || w.length >= 64) return false;
        for (const Later_Word_Entry& other : later_words)
            if (&other != &w && other.key == w.key) return false;
    }
    return true;
}(), "a later word has 2 to 63 letters, and a key of its own");

// The later words by key, in a table of kSlots where each stands at its
// key's slot or, when taken, at the next free one after it: an identifier
// is compared with one or two keys.
constexpr unsigned kSlots = 64;
constexpr unsigned Slot(unsigned key) { return (key * 0x9e3779b1u) >> 26; }
struct Later_Word_Table {
    unsigned char entry[kSlots];  // 1 + index into later_words, or 0: free
};
constexpr Later_Word_Table Make_Later_Word_Table() {
    Later_Word_Table table{};
    for (unsigned i = 0; i < sizeof later_words / sizeof later_words[0]; ++i) {
        unsigned slot = Slot(later_words[i].key);
        while (table.entry[slot] != 0) slot = (slot + 1) % kSlots;
        table.entry[slot] = static_cast<unsigned char>(i + 1);
    }
    return table;
}
constexpr Later_Word_Table later_word_table = Make_Later_Word_Table();
static_assert(sizeof later_words / sizeof later_words[0] < kSlots / 2, "the table of later words stays sparse");

inline int Later_Word_At(const char* text, int length) {
    if (length >= 64 || !(later_word_lengths >> length & 1)) return 0;
    unsigned key = Key(text, length);
    for (unsigned slot = Slot(key); later_word_table.entry[slot] != 0; slot = (slot + 1) % kSlots) {
        const Later_Word_Entry& w = later_words[later_word_table.entry[slot] - 1];
        if (w.key == key) return memcmp(text, w.text, static_cast<size_t>(length)) == 0 ? w.code : 0;
    }
    return 0;
}

}  // namespace

int Later_Word_Code(const char* text, int length) { return length < 0 ? 0 : Later_Word_At(text, length); }

int Relaxed_Token(const Parse_Tables& tables, const short* stack, long depth) {
    int token = Scan_Relaxed();
    if (token == t_Identifier) {
        int word = Later_Word_At(yytext, yyleng);
        if (word != 0 && Reductions_Before_Shift(tables, stack, depth, Symbol_Of_Token(tables, word)) >= 0)
            return word;
    }
    return token;
}
