// The annotations of --annotate: see annotation.h.
#include "annotation.h"

#include <cstring>
#include <memory>
#include <vector>

#include "compose.h"
#include "memory_error.h"
#include "options.h"

namespace {

// A note stands in the C text as a mark: kMark, then its number in
// kDigits bytes of six bits each (0x80 to 0xbf: no byte that a reader of
// the text looks for).  The first of them has kInComment set when the note
// stands inside a comment of the translation.  No other text of the
// translation holds kMark: the scanner takes no control character into a
// token.
const char kMark = '\x01';
const size_t kDigits = 5;
const size_t kMarkLength = 1 + kDigits;
const unsigned char kDigit = 0x80, kInComment = 0x40;
const size_t kMostNotes = size_t{1} << (6 * kDigits);

// The notes' texts, "/* vhdl87c[KIND]: MESSAGE */", in blocks that never
// move (a growing string would copy them again and again), and where each
// one lies.
struct Note {
    const char* text;
    size_t length;
};
std::vector<Note> notes;
std::vector<std::unique_ptr<char[]>> note_blocks;
char* note_room = nullptr;  // the free end of the last block
size_t note_room_left = 0;
const size_t kNoteBlock = size_t{1} << 16;

// Room for `length` bytes of a note's text.
char* Note_Room(size_t length) {
    if (length > note_room_left) {
        size_t size = length > kNoteBlock ? length : kNoteBlock;
        note_blocks.emplace_back(new char[size]);
        note_room = note_blocks.back().get();
        note_room_left = size;
    }
    char* room = note_room;
    note_room += length;
    note_room_left -= length;
    return room;
}

// Those of a range's bounds, until the range's text is made.
std::string held;

size_t Note_Number(const char* mark) {
    size_t number = 0;
    for (size_t i = 1; i <= kDigits; ++i) number = number << 6 | (static_cast<unsigned char>(mark[i]) & 0x3f);
    return number;
}

// Appends to `annotations` those in `text`: each mark after a space, with
// that space (one inside a comment is taken out of it); `rest`, when given,
// receives the text without them.
void Annotations_In(const char* text, std::string& annotations, std::string* rest) {
    const char* from = text;
    for (const char* at = strchr(text, kMark); at; at = strchr(at + kMarkLength, kMark)) {
        if (at == text || at[-1] != ' ') continue;
        annotations.append(at - 1, kMarkLength + 1);
        annotations[annotations.size() - kDigits] &= static_cast<char>(~kInComment);
        if (rest) rest->append(from, static_cast<size_t>(at - 1 - from));
        from = at + kMarkLength;
    }
    if (rest) rest->append(from);
}

// Most texts asked are shorter than a mark (a bound, a type's name): the
// length, kept by every fragment, answers for them.
bool May_Hold_Annotations(const Fragment* text) {
    return annotating && text && Length(text) >= kMarkLength && Contains(text, kMark);
}

// The translation's bytes on their way out: gathered in blocks the size of
// the stream's buffer, which the stream, its own buffer empty, hands on
// without copying them once more.
struct Output {
    FILE* stream;
    bool failed;
    size_t used;
    char bytes[size_t{1} << 16];
};

void Flush_Out(Output& out) {
    out.failed |= fwrite(out.bytes, 1, out.used, out.stream) != out.used;
    out.used = 0;
}

void Put_Out(Output& out, const char* text, size_t length) {
    while (length > sizeof out.bytes - out.used) {
        size_t part = sizeof out.bytes - out.used;
        memcpy(out.bytes + out.used, text, part);
        out.used += part;
        Flush_Out(out);
        text += part;
        length -= part;
    }
    memcpy(out.bytes + out.used, text, length);
    out.used += length;
}

// Writes the run `text`, its marks as their notes.
bool Write_Run(const char* text, size_t length, void* output) {
    Output& out = *static_cast<Output*>(output);
    const char* end = text + length;
    for (const char* at; (at = static_cast<const char*>(memchr(text, kMark, static_cast<size_t>(end - text))));
         text = at + kMarkLength) {
        Put_Out(out, text, static_cast<size_t>(at - text));
        const Note& note = notes[Note_Number(at)];
        if (static_cast<unsigned char>(at[1]) & kInComment) {
            Put_Out(out, note.text, note.length - 2);
            Put_Out(out, "* /", 3);  // its "*/" would end the comment it stands in
        } else {
            Put_Out(out, note.text, note.length);
        }
    }
    Put_Out(out, text, static_cast<size_t>(end - text));
    return !out.failed;
}

}  // namespace

namespace {

// `message` as one line that never ends the comment: a line end becomes a
// space, "*/" becomes "* /".
std::string One_Line(const std::string& message) {
    std::string line;
    for (size_t i = 0; i < message.size(); ++i) {
        char c = message[i];
        line += c == '\n' || c == '\r' ? ' ' : c;
        if (c == '*' && i + 1 < message.size() && message[i + 1] == '/') line += ' ';
    }
    return line;
}

}  // namespace

std::string Annotation(const char* kind, const std::string& message) {
    size_t number = notes.size();
    if (number == kMostNotes) Out_Of_Memory();  // a billion notes: far more than memory holds
    // Most messages need no change.  (A NUL, which no message holds, would
    // only send one the longer way.)
    std::string changed;
    const std::string& line =
        strcspn(message.c_str(), "*\n\r") == message.size() ? message : (changed = One_Line(message));
    static const char kOpen[] = "/* vhdl87c[", kMiddle[] = "]: ", kClose[] = " */";
    size_t kind_length = strlen(kind);
    size_t length = sizeof kOpen - 1 + kind_length + sizeof kMiddle - 1 + line.size() + sizeof kClose - 1;
    char* text = Note_Room(length);
    char* out = text;
    auto put = [&out](const char* part, size_t part_length) {
        memcpy(out, part, part_length);
        out += part_length;
    };
    put(kOpen, sizeof kOpen - 1);
    put(kind, kind_length);
    put(kMiddle, sizeof kMiddle - 1);
    put(line.data(), line.size());
    put(kClose, sizeof kClose - 1);
    notes.push_back(Note{text, length});
    char mark[kMarkLength + 1] = {' ', kMark};
    for (size_t i = kDigits; i > 0; --i, number >>= 6) mark[1 + i] = static_cast<char>(kDigit | (number & 0x3f));
    return std::string(mark, sizeof mark);
}

void Annotate(Fragment*& text, const std::string& annotations) {
    if (annotations.empty()) return;
    text = Combine(text, Make_String_Len(annotations.data(), annotations.size()));
}

void Annotate_Before(Fragment*& text, const std::string& annotation) {
    std::string moved = annotation.substr(1) + " ";
    text = Combine(Make_String_Len(moved.data(), moved.size()), text);
}

std::string Annotations_Of(Fragment* text) {
    std::string annotations;
    if (May_Hold_Annotations(text)) Annotations_In(Text(text), annotations, nullptr);
    return annotations;
}

void Keep_Annotations(Fragment* dropped, Fragment*& kept) { Annotate(kept, Annotations_Of(dropped)); }

namespace {

// Appends to `annotations` those that `text` holds, taken out of it.
void Take_Annotations_Into(Fragment*& text, std::string& annotations) {
    if (!May_Hold_Annotations(text)) return;
    std::string rest;
    Annotations_In(Text(text), annotations, &rest);
    Release(text);
    text = Make_String_Len(rest.data(), rest.size());
}

}  // namespace

std::string Take_Annotations(Fragment*& text) {
    std::string annotations;
    Take_Annotations_Into(text, annotations);
    return annotations;
}

void Hold_Annotations(Fragment*& left, Fragment*& right) {
    Take_Annotations_Into(left, held);
    Take_Annotations_Into(right, held);
}

void Put_Held_Annotations(Fragment*& text) {
    if (held.empty()) return;
    Annotate(text, held);
    held.clear();
}

void Annotations_In_Comment(Fragment*& text) {
    if (!May_Hold_Annotations(text)) return;
    std::string marked = Text(text);
    for (size_t at = marked.find(kMark); at != std::string::npos; at = marked.find(kMark, at + kMarkLength))
        marked[at + 1] |= static_cast<char>(kInComment);
    Release(text);
    text = Make_String_Len(marked.data(), marked.size());
}

bool Write_Annotated(const Fragment* translation, FILE* out) {
    if (fflush(out) != 0) return false;
    std::unique_ptr<Output> output(new Output{out, false, 0, {}});
    Each_Run(translation, Write_Run, output.get());
    Flush_Out(*output);
    return !output->failed;
}

void Forget_Annotations() {
    std::vector<Note>().swap(notes);
    std::vector<std::unique_ptr<char[]>>().swap(note_blocks);
    note_room = nullptr;
    note_room_left = 0;
    std::string().swap(held);
}
