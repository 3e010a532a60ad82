// The lines for a person on standard error (see messages.h).
#include "messages.h"

#include <cstdio>
#include <string>

#include "sarif.h"

namespace {

const char* const kStandardInput = "<stdin>";
const char* source_name = kStandardInput;

}  // namespace

const char* Source_Name() { return source_name; }

void Set_Source_Name(const char* name) { source_name = name ? name : kStandardInput; }

void Tell_At(const char* rule, long long line, long long column, const char* kind, const char* text) {
    fprintf(stderr, "%s:%lld:%lld: %s: %s\n", source_name, line, column, kind, text);
    Sarif_Result(rule, kind, source_name, line, column, 0, text);
}

void Tell(const char* rule, const char* kind, const char* text) {
    fprintf(stderr, "%s: %s: %s\n", source_name, kind, text);
    Sarif_Result(rule, kind, source_name, 0, 0, 0, text);
}

void Told_Up_To(long long end_column) { Sarif_End_Column(end_column); }

void Tell_Note(const char* text) {
    fprintf(stderr, "  note: %s\n", text);
    Sarif_Note(std::string("note: ") + text);
}

void Kind_Count::Tell_Unshown(const char* rule, const char* what) const {
    if (count <= kShownOfAKind) return;
    Tell(rule, "warning", (std::to_string(count - kShownOfAKind) + " more " + what).c_str());
}
