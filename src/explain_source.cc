// The source window of the explanation: see explain_source.h.
#include "explain_source.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

#include "messages.h"
#include "scanner.h"

namespace explanation {

namespace {

const long long shown_columns = 120;
// Bytes of a line kept on each side of the place shown.
const size_t line_margin = 1024;

// The scanner's buffer as it reads it (case folded, but a NUL as read); and
// the part of the line of its first byte that came before it (its last
// line_margin bytes): the display column of the first byte kept, and
// whether it starts the line.
std::string mirror;
std::string carry;
long long carry_column = 0;
bool carry_starts_line = true;

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

// Whether all of the input is in the buffer: known for a regular file read
// to its end.
bool Input_Read_Whole() {
    struct stat status;
    int fd = yyin ? fileno(yyin) : -1;
    if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) return false;
    return lseek(fd, 0, SEEK_CUR) == status.st_size;
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

}  // namespace

void Mirror_Start() {
    mirror.clear();
    carry.clear();
    carry_column = 0;
    carry_starts_line = true;
}

void Mirror_Finish() {
    std::string().swap(mirror);
    std::string().swap(carry);
}

void Mirror_Input(const char* fresh, size_t n, size_t kept) {
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
}

unsigned char Byte_Read_Before(size_t at, unsigned char otherwise) {
    return at > 0 && at <= mirror.size() ? static_cast<unsigned char>(mirror[at - 1]) : otherwise;
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

long long Print_Source(const Line_Part& part, long long first, long long end) {
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
    return width > 1 ? width : 1;
}

void Report(const char* rule, const Token_Place& place, bool at_end, const char* kind, const std::string& message) {
    Tell_At(rule, place.line, place.first_column, kind, message.c_str());
    Line_Part part;
    if (Source_Line(place.line, place.first_column - 1, at_end, part))
        Told_Up_To(place.first_column + Print_Source(part, place.first_column - 1, place.end_column - 1));
}

}  // namespace explanation
