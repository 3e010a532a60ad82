// The lines for a person on standard error (see messages.h).
#include "messages.h"

#include <cstdio>
#include <string>

namespace {

const char* const kStandardInput = "<stdin>";
const char* source_name = kStandardInput;

}  // namespace

const char* Source_Name() { return source_name; }

void Set_Source_Name(const char* name) { source_name = name ? name : kStandardInput; }

void Tell_At(long long line, long long column, const char* kind, const char* text) {
    fprintf(stderr, "%s:%lld:%lld: %s: %s\n", source_name, line, column, kind, text);
}

void Tell(const char* kind, const char* text) { fprintf(stderr, "%s: %s: %s\n", source_name, kind, text); }

void Kind_Count::Tell_Unshown(const char* what) const {
    if (count <= kShownOfAKind) return;
    Tell("warning", (std::to_string(count - kShownOfAKind) + " more " + what).c_str());
}
