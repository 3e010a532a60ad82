// The warnings of --explain on an accepted translation: see
// explain_warnings.h.
#include "explain_warnings.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "explain_source.h"
#include "type_names.h"

using namespace explanation;

namespace {

const long long shown_warnings = 20;

const Warning_Kind kinds[] = {
#define WARNING_KIND(id, name, description, message, counted) {name, description, message, counted},
#include "warning_kinds.def"
};
static_assert(sizeof kinds / sizeof kinds[0] == kWarningKinds, "one line of the table per kind");

long long counts[kWarningKinds];

struct Place {
    long long line, column;
    bool operator>=(const Place& other) const {
        return line != other.line ? line > other.line : column >= other.column;
    }
    bool operator==(const Place& other) const { return line == other.line && column == other.column; }
};
Place Start(const Source_Span& span) { return Place{span.first_line, span.first_column}; }

struct Counted {
    Source_Span range;
    int count;
};
std::vector<Counted> counted;          // noted, not yet taken
std::vector<Place> bit_vector_marks;   // not yet taken by a subtype indication
Place constrained_bit_vector{0, 0};    // the last subtype that drops a width
Place explicit_range{0, 0};            // the last explicit range
long long explicit_range_line = 0;
std::string last_entity, architecture_entity;
bool in_architecture = false;
long long unlabelled_processes = 0;
long long first_unlabelled_line = 0;

}  // namespace

const Warning_Kind& Kind_Of(Warning kind) { return kinds[static_cast<int>(kind)]; }

void Warn(Warning kind, const Source_Span& at, const std::string& message, Fragment*& text) {
    (void)text;
    if (counts[static_cast<int>(kind)]++ >= shown_warnings) return;
    long long end = at.last_line == at.first_line && at.last_column > at.first_column ? at.last_column
                                                                                      : at.first_column + 1;
    Report(Token_Place{at.first_line, at.first_column, end}, false, "warning", message);
}

// ---- Element counts --------------------------------------------------------

void Explain_Counted_Range(const Source_Span& range, int count) { counted.push_back(Counted{range, count}); }

void Explain_Counted_In_Choice(const Source_Span& choice, Fragment*& text) {
    if (counted.empty() || !(Start(counted.back().range) >= Start(choice))) return;
    Counted range = counted.back();
    counted.pop_back();
    Warn(Warning::Counted_Range, range.range,
         "range written as its element count " + std::to_string(range.count) +
             ": the choice reads as that one value", text);
}

void Explain_Counted_In_Name(const Source_Span& list, Fragment*& text) {
    // Those of the lists inside have been taken already: the rest are this one's.
    size_t first = counted.size();
    while (first > 0 && Start(counted[first - 1].range) >= Start(list)) --first;
    for (size_t i = first; i < counted.size(); ++i)
        Warn(Warning::Counted_Range, counted[i].range,
             "range written as its element count " + std::to_string(counted[i].count) +
                 ": read as an index, not as a range", text);
    counted.resize(first);
}

void Explain_Counted_In_Constraint(const Source_Span& list) {
    while (!counted.empty() && Start(counted.back().range) >= Start(list)) counted.pop_back();
}

// ---- Bit strings -------------------------------------------------------------

void Explain_Bit_String(const Source_Span& literal, const char* written, Fragment*& text) {
    int bits_per_digit = written[0] == 'b' ? 1 : written[0] == 'o' ? 3 : written[0] == 'x' ? 4 : 0;
    if (bits_per_digit == 0 || !written[1]) return;
    long long digits = 0;
    // Read as the conversion reads it, in 64 bits: exact while it fits, and
    // its low 32 bits are the value written.
    unsigned long long value = 0;
    for (const char* c = written + 2; *c; ++c) {
        if (*c == '"' || *c == '%' || *c == '_') continue;
        ++digits;
        int digit = *c >= 'a' ? *c - 'a' + 10 : *c - '0';
        value = value * (1u << bits_per_digit) + static_cast<unsigned long long>(digit);
    }
    long long width = digits * bits_per_digit;
    if (width <= 32) return;
    std::string was = width <= 64 ? "its value is " + std::to_string(value)
                                  : "its value does not fit in 64 bits either";
    char wrapped[16];
    snprintf(wrapped, sizeof wrapped, "%d", static_cast<int>(static_cast<uint32_t>(value)));
    Warn(Warning::Wide_Bit_String, literal,
         "bit string of " + std::to_string(width) + " bits wrapped to 32 bits: written as " + wrapped +
             ", " + was, text);
}

// ---- Bit-vector widths ----------------------------------------------------------

void Explain_Mark(const Source_Span& mark, const char* name) {
    if (IS_Bit_Vector(name)) bit_vector_marks.push_back(Start(mark));
}

void Explain_Subtype(const Source_Span& subtype, const Source_Span& mark, bool constrained) {
    bool bit_vector = false;
    while (!bit_vector_marks.empty() && bit_vector_marks.back() >= Start(subtype)) {
        bit_vector = bit_vector || bit_vector_marks.back() == Start(mark);
        bit_vector_marks.pop_back();
    }
    if (bit_vector && constrained) constrained_bit_vector = Start(subtype);
}

void Explain_Declared(const Source_Span& subtype, const char* names, Fragment*& text) {
    if (!(constrained_bit_vector == Start(subtype))) return;
    Warn(Warning::Width_Dropped, subtype,
         std::string("width dropped: ") + names + " declared as a plain char, not as a bit vector", text);
}

// ---- Loops ------------------------------------------------------------------------

void Explain_Explicit_Range(const Source_Span& range) {
    explicit_range = Start(range);
    explicit_range_line = range.first_line;
}

void Explain_For_Scheme(const Source_Span& range, bool bounds_empty, Fragment*& text) {
    if (explicit_range >= Start(range)) return;  // its own range, just read
    if (bounds_empty)
        Warn(Warning::Loop_Bounds, range, "for loop over a range without explicit bounds: its bounds are left empty", text);
    else
        Warn(Warning::Loop_Bounds, range,
             "for loop over a range without explicit bounds: it takes those of the range on line " +
                 std::to_string(explicit_range_line), text);
}

// ---- Processes ----------------------------------------------------------------

void Explain_Entity(const char* name) { last_entity = name; }

void Explain_Architecture(const char* entity) {
    architecture_entity = entity;
    in_architecture = true;
}

void Explain_Architecture_End() { in_architecture = false; }

void Explain_Process(const Source_Span& start, bool labelled, Fragment*& text) {
    // The caret goes under the label, or under the word process.
    Source_Span process{start.first_line, start.first_column, start.first_line,
                        labelled ? start.last_column : start.first_column + 7};
    if (!labelled && unlabelled_processes++ == 0) first_unlabelled_line = process.first_line;
    else if (!labelled)
        Warn(Warning::Process_Name, process,
             "unlabelled process written as the function process_A, the name of the unlabelled process on line " +
                 std::to_string(first_unlabelled_line) + " too", text);
    if (!in_architecture || architecture_entity == last_entity) return;
    if (last_entity.empty())
        Warn(Warning::Other_Ports, process,
             "process written without ports: entity " + architecture_entity + " is not in this file", text);
    else
        Warn(Warning::Other_Ports, process,
             "process written with the ports of entity " + last_entity + ", translated last, not of " +
                 architecture_entity, text);
}

// ---- Wait statements --------------------------------------------------------------

void Explain_Wait_For(const Source_Span& timeout, Fragment*& text) {
    Warn(Warning::Wait_For, timeout, "wait for written as a loop over a time: the C loop does not wait", text);
}

// ---- The run --------------------------------------------------------------------------

void Warnings_Start() {
    for (long long& count : counts) count = 0;
    std::vector<Counted>().swap(counted);
    std::vector<Place>().swap(bit_vector_marks);
    constrained_bit_vector = explicit_range = Place{0, 0};
    explicit_range_line = 0;
    last_entity.clear();
    architecture_entity.clear();
    in_architecture = false;
    unlabelled_processes = first_unlabelled_line = 0;
}

void Warnings_Finish() {
    for (int kind = 0; kind < kWarningKinds; ++kind)
        if (counts[kind] > shown_warnings)
            fprintf(stderr, "<stdin>: warning: %lld more %s\n", counts[kind] - shown_warnings, kinds[kind].counted);
    Warnings_Start();
}
