// The explanation of a rejected file (--explain), its public side: the
// hooks the scanner and the parser call (see explain.h), and the report of
// the error from the source window (explain_source), the expected set
// (explain_expected) and the notes (explain_notes).
#include "explain.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "explain_expected.h"
#include "explain_notes.h"
#include "explain_source.h"
#include "explain_warnings.h"
#include "message_kinds.h"
#include "messages.h"
#include "options.h"
#include "parser.hh"
#include "scanner.h"
#include "token_spelling.h"

using namespace explanation;

unsigned short* explain_codes = nullptr;
unsigned short* explain_next = nullptr;
unsigned short* explain_end = nullptr;

namespace {

// ---- What the parse leaves behind -----------------------------------------

// The stack when the first of the kept tokens was read, and those tokens.
std::vector<short> checkpoint;
std::vector<unsigned short> codes;

Kind_Count skipped;  // the characters skipped

const Parse_Tables* T = nullptr;  // the explained parser's, for the run

// The place of the lookahead: as scanned, or the end of the input (the end
// of the last line when the input ends with a line end).
Token_Place Lookahead_Place(int lookahead, bool& at_end) {
    at_end = lookahead == 0;
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

// The place of the closing mark of the last string found to hold a byte
// above 127.
long long string_end_line = 0, string_end_column = 0;

// When the string literal that the mark `quote` at `line`, `column` opens
// ends on its line and holds a byte above 127 (which no string literal may
// hold, so the scanner skips the mark), the first such byte; else 0.  Notes
// where the string ends.
unsigned char Byte_Above_127_In_String(unsigned char quote, long long line, long long column) {
    Line_Part part;
    if (!Source_Line(line, column - 1, false, part)) return 0;
    long long at = part.text_column;
    size_t i = 0;
    while (i < part.text.size() && at < column - 1) at = Advance(at, static_cast<unsigned char>(part.text[i++]));
    if (i >= part.text.size() || static_cast<unsigned char>(part.text[i]) != quote) return 0;
    unsigned char wide = 0;
    at = Advance(at, quote);
    for (++i; i < part.text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(part.text[i]);
        if (c == quote && wide != 0) {
            string_end_line = line;
            string_end_column = at + 1;
            return wide;
        }
        if (c == quote) return 0;
        if (c >= 128 && wide == 0) wide = c;
        at = Advance(at, c);
    }
    return 0;
}

}  // namespace

// ---- Scanner side ---------------------------------------------------------------

void Explain_Input(const char* fresh, size_t n, size_t kept) { Mirror_Input(fresh, n, kept); }

void Explain_Unfolded(const char* fresh, size_t n) { Warnings_Unfolded(fresh, n); }

void Explain_Skipped(unsigned char c, long long at_line, long long at_column) {
    if (c == '\r' || c == '\f') return;
    // The scanner reads a NUL as \x01; the mirror still has the byte as read.
    if (c == 1) c = Byte_Read_Before(Scanner_Offset(), c);
    if (!skipped.Shown()) return;
    char what[160];
    unsigned char wide = 0;
    if ((c == '"' || c == '%') && at_line == string_end_line && at_column == string_end_column)
        snprintf(what, sizeof what, "'%c' skipped: the end of the string that holds a byte above 127", c);
    else if ((c == '"' || c == '%') && (wide = Byte_Above_127_In_String(c, at_line, at_column)) != 0)
        snprintf(what, sizeof what,
                 "'%c' skipped: the string holds byte 0x%02x, above 127; its text is read as tokens and the "
                 "string is lost",
                 c, wide);
    else if (c == '"' || c == '%')
        snprintf(what, sizeof what, "'%c' skipped: a string literal must end on its line", c);
    else if (c >= 128)
        snprintf(what, sizeof what, "byte 0x%02x skipped: only ASCII characters are read", c);
    else if (c < 32 || c == 127)
        snprintf(what, sizeof what, "control character 0x%02x skipped", c);
    else
        snprintf(what, sizeof what, "'%c' skipped: no token starts with it", c);
    Tell_At(Name_Of(Message::Skipped_Character), at_line, at_column, "warning", what);
}

// ---- Parser side ------------------------------------------------------------------

Source_Span Explain_Token_Span(int token) {
    bool at_end;
    Token_Place place = Lookahead_Place(token, at_end);
    return Source_Span{place.line, place.first_column, place.line, place.end_column};
}

void Explain_Checkpoint(const short* stack, long depth) {
    checkpoint.assign(stack, stack + depth + 1);
    codes.resize(std::max<size_t>(4096, 2 * checkpoint.size()));
    explain_codes = explain_next = codes.data();
    explain_end = explain_codes + codes.size();
}

void Explain_Parse_Error(const char* message, const short* stack, long depth, int lookahead) {
    // Run for --annotate alone, the parser reports as the plain one does.
    if (!explaining) {
        Report_Syntax_Error(message, lookahead);
        return;
    }
    Write_Syntax_Error_Report(message);
    bool at_end;
    Token_Place place = Lookahead_Place(lookahead, at_end);
    if (strcmp(message, "memory exhausted") == 0) {
        Report(Name_Of(Message::Nesting_Too_Deep), place, at_end, "error",
               "nesting too deep (more than " + std::to_string(T->max_depth) + " parser stack entries)");
        return;
    }
    // The stack as it was when the lookahead was read: the checkpoint, and
    // every kept token but the lookahead replayed on it.
    std::vector<short> stack_then =
        Stack_When_Read(checkpoint, codes.data(), explain_next - explain_codes, stack, depth);
    std::vector<Expected> expected = Expected_Tokens(stack_then);
    std::string text = lookahead == t_Identifier && yytext ? yytext : "";
    std::string what = "unexpected " + (at_end ? std::string("end of input") : Token_Described(lookahead, yytext ? yytext : ""));
    if (!expected.empty()) what += "; expected " + Listed(expected);
    std::string nearer, farther;
    if (!at_end) Previous_Words(place, nearer, farther);
    std::string note = Hint(Context{stack_then, lookahead, text, nearer, farther, expected});
    Token_Place end_of_previous;
    if (note.empty() && !at_end && Holds(expected, ';') && Previous_Token_End(place, end_of_previous)) {
        // Most likely the previous line lacks its ';': point after its last token.
        Report(Name_Of(Message::Syntax_Error), end_of_previous, false, "error", what);
        Tell_Note(("a ';' seems to be missing at the end of line " + std::to_string(end_of_previous.line)).c_str());
        return;
    }
    Report(Name_Of(Message::Syntax_Error), place, at_end, "error", what);
    if (!note.empty()) Tell_Note(note.c_str());
}

// ---- The run ------------------------------------------------------------------------

void Explain_Start(const Parse_Tables* tables) {
    T = tables;
    Expected_Start(tables);
    Mirror_Start();
    skipped = Kind_Count();
    string_end_line = string_end_column = 0;
    Warnings_Start();
    explain_codes = explain_next = explain_end = nullptr;
}

void Explain_Finish(bool accepted) {
    skipped.Tell_Unshown(Name_Of(Message::Skipped_Character), "characters skipped");
    Warnings_Finish(accepted, skipped.count);
    std::vector<short>().swap(checkpoint);
    std::vector<unsigned short>().swap(codes);
    explain_codes = explain_next = explain_end = nullptr;
    Mirror_Finish();
}
