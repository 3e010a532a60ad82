// The kinds of message beside the warnings (see message_kinds.h).
#include "message_kinds.h"

#include <cstdio>
#include <cstring>

#include "sarif.h"

namespace {

struct Kind {
    const char* name;
    const char* description;
};
const Kind kinds[] = {
#define MESSAGE_KIND(id, name, description) {name, description},
#include "message_kinds.def"
};

}  // namespace

const char* Name_Of(Message kind) { return kinds[static_cast<int>(kind)].name; }
const char* Description_Of(Message kind) { return kinds[static_cast<int>(kind)].description; }

void Tell_Program(Message kind, const char* level, const char* file, const std::string& text) {
    if (strcmp(level, "warning") == 0) fprintf(stderr, "vhdl87c: warning: %s\n", text.c_str());
    else fprintf(stderr, "vhdl87c: %s\n", text.c_str());
    Sarif_Result(Name_Of(kind), level, file, 0, 0, 0, text);
}
