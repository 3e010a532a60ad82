// The kinds of message beside the warnings of --explain: the errors, the
// skipped characters and the program's own messages, from their one table
// (message_kinds.def).
#pragma once

#include <string>

enum class Message : unsigned char {
#define MESSAGE_KIND(id, name, description) id,
#include "message_kinds.def"
};
inline constexpr int kMessageKinds = 0
#define MESSAGE_KIND(id, name, description) +1
#include "message_kinds.def"
    ;

// A kind's short fixed name ("syntax-error") and its one sentence.
const char* Name_Of(Message kind);
const char* Description_Of(Message kind);

// The program's own message "vhdl87c: TEXT" (a warning: "vhdl87c:
// warning: TEXT") on standard error, and its result in the SARIF log,
// about `file` (null: none).
void Tell_Program(Message kind, const char* level, const char* file, const std::string& text);
