// The annotations of --annotate: see annotation.h.
#include "annotation.h"

#include <cstring>

#include "compose.h"
#include "options.h"

namespace {

const char kStart[] = " /* vhdl87c[";

// Those of a range's bounds, until the range's text is made.
std::string held;

// The annotations in `text`, each ended by " */" (one inside a comment of
// the translation ends with " * /": kept outside it, it ends the usual
// way); `rest`, when given, receives the text without them.
std::string Annotations_In(const char* text, std::string* rest) {
    std::string annotations;
    const char* from = text;
    for (const char* at = strstr(text, kStart); at; at = strstr(at, kStart)) {
        const char* end = at + sizeof kStart - 1;
        while (*end && strncmp(end, " */", 3) != 0 && strncmp(end, " * /", 4) != 0) ++end;
        if (!*end) break;
        annotations.append(at, static_cast<size_t>(end - at)).append(" */");
        if (rest) rest->append(from, static_cast<size_t>(at - from));
        at = from = end + (end[2] == '/' ? 3 : 4);
    }
    if (rest) rest->append(from);
    return annotations;
}

// Whether `text` may hold annotations, read without joining it: each is
// text that a fragment was made of, kept whole in memory; the space before
// one written in front of a text (Annotate_Before) is not part of it.
bool May_Hold_Annotations(const Fragment* text) {
    return annotating && text && Contains_Made(text, kStart + 1);
}

}  // namespace

std::string Annotation(const char* kind, const std::string& message) {
    std::string text;
    text.reserve(sizeof kStart + strlen(kind) + message.size() + 8);
    text.append(kStart).append(kind).append("]: ");
    const char* m = message.data();
    if (!memchr(m, '*', message.size()) && !memchr(m, '\n', message.size()) && !memchr(m, '\r', message.size())) {
        text += message;
    } else {
        for (size_t i = 0; i < message.size(); ++i) {
            char c = message[i];
            text += c == '\n' || c == '\r' ? ' ' : c;
            if (c == '*' && i + 1 < message.size() && message[i + 1] == '/') text += ' ';
        }
    }
    return text.append(" */");
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
    if (!May_Hold_Annotations(text)) return std::string();
    return Annotations_In(Text(text), nullptr);
}

void Keep_Annotations(Fragment* dropped, Fragment*& kept) { Annotate(kept, Annotations_Of(dropped)); }

std::string Take_Annotations(Fragment*& text) {
    if (!May_Hold_Annotations(text)) return std::string();
    std::string rest;
    std::string annotations = Annotations_In(Text(text), &rest);
    Release(text);
    text = Make_String_Len(rest.data(), rest.size());
    return annotations;
}

void Hold_Annotations(Fragment*& left, Fragment*& right) {
    held = Take_Annotations(left);
    held += Take_Annotations(right);
}

void Put_Held_Annotations(Fragment*& text) {
    Annotate(text, held);
    std::string().swap(held);
}
