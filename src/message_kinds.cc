// The kinds of message beside the warnings (see message_kinds.h).
#include "message_kinds.h"

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
