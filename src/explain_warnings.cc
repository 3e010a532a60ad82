// The warnings of --explain on an accepted translation: see
// explain_warnings.h.
#include "explain_warnings.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "annotation.h"
#include "explain_source.h"
#include "messages.h"
#include "options.h"
#include "parser.hh"
#include "type_names.h"

using namespace explanation;

namespace {

const Warning_Kind kinds[] = {
#define WARNING_KIND(id, name, description, message, counted) {name, description, message, counted},
#include "warning_kinds.def"
};
static_assert(sizeof kinds / sizeof kinds[0] == kWarningKinds, "one line of the table per kind");

Kind_Count counts[kWarningKinds];

struct Place {
    long long line, column;
    bool operator>=(const Place& other) const {
        return line != other.line ? line > other.line : column >= other.column;
    }
    bool operator==(const Place& other) const { return line == other.line && column == other.column; }
};
Place Start(const Source_Span& span) { return Place{span.first_line, span.first_column}; }

// Where the last warning of each kind stands.
Place last_warned[kWarningKinds];

struct Counted {
    Source_Span range;
    int count;
    bool exact;  // the count is the range's length
};
std::vector<Counted> counted;          // noted, not yet taken
std::vector<Place> bit_vector_marks;   // not yet taken by a subtype indication
Place constrained_bit_vector{0, 0};    // the last subtype that drops a width
Place explicit_range{0, 0};            // the last explicit range
long long explicit_range_line = 0;
std::string last_entity, architecture_entity;
bool in_architecture = false;
// An entity's text is not written (its ports and generics go into every
// process of the file): the annotations of what it holds are written where
// it stood, once.
bool in_entity = false;
std::string entity_annotations;
// Those of an interface element's default value, until its names are known.
std::string interface_annotations;
bool interface_initialized = false;
long long unlabelled_processes = 0;
long long first_unlabelled_line = 0;

// ---- What the warnings keep of the declarations seen so far ----------------

// The sort of every name declared so far (an object, a type, a
// subprogram), the last declaration of a name winning.
std::unordered_map<std::string, unsigned char> declared;

// The sorts of the names that come from the standard packages.
const struct { const char* name; unsigned char sort; } known_names[] = {
    {"bit", Type_Of | Bit_Value},
    {"std_logic", Type_Of | Bit_Value},
    {"std_ulogic", Type_Of | Bit_Value},
    {"bit_vector", Type_Of | Vector_Value},
    {"std_logic_vector", Type_Of | Vector_Value},
    {"std_ulogic_vector", Type_Of | Vector_Value},
    {"signed", Type_Of | Numeric_Value},
    {"unsigned", Type_Of | Numeric_Value},
    {"boolean", Type_Of | Boolean_Value},
    {"natural", Type_Of | Natural_Value},
    {"positive", Type_Of | Natural_Value},
    {"integer", Type_Of | Other_Value},
    {"real", Type_Of | Other_Value},
    {"character", Type_Of | Other_Value},
    {"rising_edge", Function_Of | Boolean_Value},
    {"falling_edge", Function_Of | Boolean_Value},
    {"to_integer", Function_Of | Other_Value},
    {"conv_integer", Function_Of | Other_Value},
    {"to_bit", Function_Of | Bit_Value},
    {"to_stdulogic", Function_Of | Bit_Value},
    {"to_x01", Function_Of | Bit_Value},
    {"to_bitvector", Function_Of | Vector_Value},
    {"to_stdlogicvector", Function_Of | Vector_Value},
    {"to_stdulogicvector", Function_Of | Vector_Value},
    {"to_slv", Function_Of | Vector_Value},
};

unsigned char Sort_Of(const std::string& name) {
    auto found = declared.find(name);
    if (found != declared.end()) return found->second;
    for (const auto& known : known_names)
        if (name == known.name) return known.sort;
    return Unknown_Value;
}

bool Holds_Bits(unsigned char sort) {
    return sort == Bit_Value || sort == Vector_Value || sort == Numeric_Value;
}

// The names of a list written "a,b,c".
std::vector<std::string> Names_Of(const char* names) {
    std::vector<std::string> list(1);
    for (const char* c = names; *c; ++c)
        if (*c == ',') list.emplace_back();
        else list.back() += *c;
    return list;
}

// ---- What the tokens read tell -------------------------------------------------

int previous_token = 0, before_previous = 0;
Place statement_start{0, 0};         // the first token of the last statement begun
bool quiet_statement = false;        // inside an assertion: written as a comment
bool quiet_after = false;            // inside an after clause: written as a comment
long long after_parentheses = 0;
int parameters_expected = 0;         // 2 after procedure or function, 1 after its designator
bool in_parameters = false;          // inside a subprogram's parameter list
long long parameter_parentheses = 0;
bool in_process = false;
long long depth = 0;                 // if, case and loop statements open in the process

bool Quiet() { return quiet_statement || quiet_after; }

// The statement that begins at the statement start: its first name.
std::string statement_head;
Source_Span statement_head_at{};

// The variables declared by the last variable declaration, and those of the
// process being read with what is known of them.
struct Variable {
    Source_Span declared_at;
    bool assigned_first;  // assigned, at the process's top level, before any read
    bool warned;
};
std::vector<std::string> last_variables;
Source_Span last_variables_at{};
std::unordered_map<std::string, Variable> process_variables;

// The signals the process has assigned so far, and where; the latest last,
// so that the assignments of a branch are forgotten when the next begins.
struct Assignment {
    long long line, depth;
};
std::unordered_map<std::string, Assignment> assigned_signals;
std::vector<std::string> assignment_order;

void Forget_Branch() {
    while (!assignment_order.empty()) {
        auto found = assigned_signals.find(assignment_order.back());
        if (found != assigned_signals.end() && found->second.depth < depth) break;
        if (found != assigned_signals.end()) assigned_signals.erase(found);
        assignment_order.pop_back();
    }
}

void Start_Process() {
    in_process = true;
    depth = 0;
    process_variables.clear();
    assigned_signals.clear();
    assignment_order.clear();
}

// What token `token`, read after `before`, changes once the constructs
// that end with it have been reduced (when the token after it is read).
void Apply(int token, int before) {
    switch (token) {
    case t_ASSERT:
    case t_REPORT: quiet_statement = true; break;
    case ';': quiet_statement = quiet_after = false; break;
    case t_AFTER: quiet_after = true; after_parentheses = 0; break;
    case ',': if (after_parentheses == 0) quiet_after = false; break;
    case t_WHEN:
        quiet_after = false;
        if (in_process && (before == ';' || before == t_IS)) Forget_Branch();
        break;
    case t_ELSE:
    case t_ELSIF:
        quiet_after = false;
        if (in_process) Forget_Branch();
        break;
    case t_PROCESS:
        if (before == t_END) in_process = false;
        else Start_Process();
        break;
    case t_IF:
    case t_CASE:
    case t_LOOP:
        if (in_process) depth += before == t_END ? -1 : 1;
        break;
    case '(':
        if (quiet_after) ++after_parentheses;
        if (in_parameters) ++parameter_parentheses;
        else if (parameters_expected == 1) in_parameters = true, parameter_parentheses = 0;
        break;
    case ')':
        if (quiet_after && after_parentheses-- == 0) quiet_after = false;
        if (in_parameters && parameter_parentheses-- == 0) in_parameters = false;
        break;
    default: break;
    }
    parameters_expected = token == t_PROCEDURE || token == t_FUNCTION ? 2 : parameters_expected > 0 ? parameters_expected - 1 : 0;
}

bool Starts_Statement(int token) {
    return token == ';' || token == t_THEN || token == t_ELSE || token == t_LOOP || token == t_BEGIN ||
           token == t_Arrow || token == t_GENERATE || token == ':';
}

}  // namespace

const Warning_Kind& Kind_Of(Warning kind) { return kinds[static_cast<int>(kind)]; }

void Warn(Warning kind, const Source_Span& at, const std::string& message, Fragment*& text, bool in_front) {
    // A chain (a & b & c, x or y or z) is one construct: warned once.
    Place& last = last_warned[static_cast<int>(kind)];
    if (last == Start(at)) return;
    last = Start(at);
    if (annotating) {
        std::string annotation = Annotation(Kind_Of(kind).name, message);
        if (in_entity) entity_annotations += annotation;
        else if (in_front) Annotate_Before(text, annotation);
        else Annotate(text, annotation);
    }
    if (!explaining || !counts[static_cast<int>(kind)].Shown()) return;
    long long end = at.last_line == at.first_line && at.last_column > at.first_column ? at.last_column
                                                                                      : at.first_column + 1;
    Report(Kind_Of(kind).name, Token_Place{at.first_line, at.first_column, end}, false, "warning", message);
}

// ---- Element counts --------------------------------------------------------

namespace {

// A bound the count reads right: a decimal integer without a sign.
bool Decimal(const char* bound) {
    while (*bound == ' ') ++bound;
    if (!*bound) return false;
    for (; *bound; ++bound)
        if (*bound < '0' || *bound > '9') return false;
    return true;
}

// "its element count 8", or what is known when the count is not the length.
std::string Count_Words(const Counted& range) {
    if (!range.exact) return "a count that is not its length (its bounds are not both decimal numbers)";
    if (range.count <= 0) return std::to_string(range.count) + ", a count that is not its length (a null range)";
    return "its element count " + std::to_string(range.count);
}

}  // namespace

void Explain_Counted_Range(const Source_Span& range, int count, const char* left, const char* right) {
    counted.push_back(Counted{range, count, Decimal(left) && Decimal(right)});
}

void Explain_Counted_In_Choice(const Source_Span& choice, Fragment*& text) {
    if (counted.empty() || !(Start(counted.back().range) >= Start(choice))) return;
    Counted range = counted.back();
    counted.pop_back();
    Warn(Warning::Counted_Range, range.range,
         "range written as " + Count_Words(range) + ": the choice reads as that one value", text);
}

namespace {

void Counted_In_Name(const Source_Span& list, Fragment*& text) {
    // Those of the lists inside have been taken already: the rest are this one's.
    size_t first = counted.size();
    while (first > 0 && Start(counted[first - 1].range) >= Start(list)) --first;
    for (size_t i = first; i < counted.size(); ++i)
        Warn(Warning::Counted_Range, counted[i].range,
             "range written as " + Count_Words(counted[i]) + ": read as an index, not as a range", text);
    counted.resize(first);
}

}  // namespace

void Explain_Counted_In_Constraint(const Source_Span& list) {
    while (!counted.empty() && Start(counted.back().range) >= Start(list)) counted.pop_back();
}

// ---- Bit strings -------------------------------------------------------------

void Explain_Bit_String(Source_Span& literal, const char* written, Fragment*& text) {
    literal.sort = Vector_Value;
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

namespace {

// The literals that hold an upper-case letter, by the place of their first
// mark.
struct Place_Hash {
    size_t operator()(const Place& place) const {
        return std::hash<long long>()(place.line * 1000003 + place.column);
    }
};
std::unordered_set<Place, Place_Hash> upper_case_literals;

// The reading of the unfolded bytes: the place of the next byte, and the
// literal or comment it is in.
struct Unfolded_Reader {
    long long line = 1, column = 0;  // column: display columns before the byte
    char quote = 0;                  // the mark of the string being read
    bool closing = false;            // the string's mark just read: it ends unless doubled
    bool comment = false, upper = false, previous_dash = false;
    Place start{0, 0};
    // The last two bytes and their places, for 'X'.
    unsigned char last = 0, before_last = 0;
    Place last_at{0, 0}, before_last_at{0, 0};
} unfolded;

void End_String() {
    if (unfolded.upper) upper_case_literals.insert(unfolded.start);
    unfolded.quote = 0;
    unfolded.closing = unfolded.upper = false;
}

}  // namespace

void Warnings_Unfolded(const char* bytes, size_t n) {
    Unfolded_Reader& r = unfolded;
    for (size_t i = 0; i < n; ++i) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        Place here{r.line, r.column + 1};
        if (r.closing && c != r.quote) End_String();
        if (c == '\n') {
            if (r.quote) End_String();
            r.comment = r.previous_dash = false;
            ++r.line;
            r.column = 0;
            r.last = r.before_last = 0;
            continue;
        }
        if (r.quote) {
            if (r.closing) r.closing = false;          // a doubled mark
            else if (c == r.quote) r.closing = true;
            else if (c >= 'A' && c <= 'Z') r.upper = true;
        } else if (!r.comment) {
            if (c == '-' && r.previous_dash) r.comment = true;
            else if (c == '"' || c == '%') r.quote = static_cast<char>(c), r.start = here;
            else if (c == '\'' && r.before_last == '\'' && r.last >= 'A' && r.last <= 'Z')
                upper_case_literals.insert(r.before_last_at);
            r.previous_dash = c == '-';
        }
        r.before_last_at = r.last_at;
        r.last_at = here;
        r.before_last = r.last;
        r.last = c;
        r.column = Advance(r.column, c);
    }
}

void Explain_Character(Source_Span& literal, Fragment*& text) {
    literal.sort = Bit_Value;
    if (!Quiet() && upper_case_literals.count(Start(literal)))
        Warn(Warning::Case_Folded, literal, "character literal written in lower case: another character", text);
}

void Explain_String(Source_Span& literal, const char* written, Fragment*& text) {
    literal.sort = Vector_Value;
    if (Quiet()) return;
    if (upper_case_literals.count(Start(literal)))
        Warn(Warning::Case_Folded, literal, "string literal written in lower case: another text, another file name",
             text);
    char quote = written[0];
    if (quote != '"' && quote != '%') return;
    for (const char* c = written + 1; c[0] && c[1]; ++c)
        if (c[0] == quote && c[1] == quote) {
            Warn(Warning::Doubled_Quote, literal,
                 "string with doubled quotation marks written as C's adjacent strings: the quotation marks vanish",
                 text);
            return;
        }
}

void Explain_Number(const Source_Span& literal, const char* written, Fragment*& text) {
    if (written[0] != '0' || !written[1] || Quiet()) return;
    for (const char* c = written; *c; ++c)
        if (*c < '0' || *c > '9') return;
    Warn(Warning::Leading_Zero, literal,
         std::string("decimal literal with a leading zero: C reads ") + written + " as an octal number", text);
}

// ---- Names ----------------------------------------------------------------------

namespace {

// Whether an apostrophe follows the name at `at` in the source line: the
// name is an attribute's prefix, not read.
bool Attribute_Prefix(const Source_Span& at) {
    Line_Part part;
    if (!Source_Line(at.last_line, at.last_column - 1, false, part)) return false;
    long long column = part.text_column;
    for (unsigned char c : part.text) {
        if (column == at.last_column - 1) return c == '\'';
        column = Advance(column, c);
    }
    return false;
}

// A name read (not the first name of a statement) inside a process.
void Read(const std::string& name, const Source_Span& at, Fragment*& text) {
    if ((process_variables.empty() && assigned_signals.empty()) ||
        (!process_variables.count(name) && !assigned_signals.count(name)) || Attribute_Prefix(at))
        return;
    auto variable = process_variables.find(name);
    if (variable != process_variables.end() && !variable->second.assigned_first && !variable->second.warned) {
        variable->second.warned = true;
        Warn(Warning::Process_Variable, variable->second.declared_at,
             "process variable " + name + " read on line " + std::to_string(at.first_line) +
                 " before it is assigned: written as a C local, set up again on every call; VHDL keeps its value "
                 "between activations",
             text);
    }
    auto signal = assigned_signals.find(name);
    if (signal != assigned_signals.end()) {
        Warn(Warning::Signal_Read, at,
             "signal " + name + " read after its assignment on line " + std::to_string(signal->second.line) +
                 ": C reads the new value; VHDL reads the old one until the process suspends",
             text);
        assigned_signals.erase(signal);
    }
}

}  // namespace

unsigned char Explain_Mark(const Source_Span& mark, const char* name, Fragment*& text) {
    if (IS_Bit_Vector(name)) bit_vector_marks.push_back(Start(mark));
    std::string written(name);
    if (Start(mark) == statement_start) {
        statement_head = written;
        statement_head_at = mark;
    } else if (in_process && !Quiet()) {
        Read(written, mark, text);
    }
    return Sort_Of(written);
}

unsigned char Explain_List(const Source_Span& elements, bool index) {
    if (index) return Written_As_Index;
    return elements.sort == 1 ? One_Written_As_Arguments : Written_As_Arguments;
}

void Explain_Indexed(Source_Span& name, const Source_Span& prefix, const Source_Span& list, Fragment*& text) {
    Counted_In_Name(list, text);
    unsigned char sort = prefix.sort, value = sort & Value_Bits;
    bool callable = (sort & (Type_Of | Function_Of | Procedure)) != 0;
    name.sort = callable ? value
                : static_cast<unsigned char>(value == Vector_Value || value == Numeric_Value ? Bit_Value : Unknown_Value);
    if (list.sort == Written_As_Index && !callable) name.marks |= Indexes;
    if (Quiet()) return;
    if (list.sort == Written_As_Index && callable)
        Warn(Warning::Call_As_Index, name,
             sort & Type_Of ? "type conversion written as an index into the type: write it as a cast or a call"
             : sort & Procedure ? "procedure call with one argument written as an index into the procedure"
                                : "function call with one argument written as an index into the function",
             text);
    else if (list.sort == One_Written_As_Arguments && !callable &&
             (value == Vector_Value || value == Numeric_Value || value == Array_Value))
        Warn(Warning::Index_As_Call, name,
             "index into an array written as a call: the third or a later argument of a call takes no index",
             text);
}

void Explain_Second_List(const Source_Span& list, Fragment*& text) {
    Counted_In_Name(list, text);
    if (!Quiet())
        Warn(Warning::Second_Suffix, list, "second suffix dropped: the C text keeps the name before it alone", text);
}

void Explain_Attribute(const Source_Span& attribute, Fragment*& text) {
    if (!Quiet())
        Warn(Warning::Attribute, attribute, "attribute written as a comment: the C text reads its prefix alone", text);
}

// ---- Operators --------------------------------------------------------------------

void Explain_Concatenation(Source_Span& whole, Fragment*& text) {
    whole.sort = Vector_Value;
    if (!Quiet())
        Warn(Warning::Concatenation, whole,
             "concatenation written as C's bitwise and, which C binds after == and !=", text);
}

void Explain_Not(Source_Span& whole, const Source_Span& operand, Fragment*& text) {
    whole.sort = operand.sort;
    if (Quiet() || !Holds_Bits(operand.sort)) return;
    Warn(Warning::Not_On_Bits, whole,
         operand.sort == Bit_Value ? "not of a bit written as C's !: !'0' and !'1' are both 0"
                                   : "not of a bit vector written as C's logical !, not as a bitwise not",
         text);
}

namespace {

unsigned char Joined(unsigned char left, unsigned char right) {
    if (Holds_Bits(left)) return left;
    if (Holds_Bits(right)) return right;
    return left == Boolean_Value || right == Boolean_Value ? Boolean_Value : Unknown_Value;
}

}  // namespace

void Explain_Bitwise(Source_Span& whole, const Source_Span& left, const Source_Span& right, Fragment*& text) {
    whole.sort = Joined(left.sort, right.sort);
    if (Quiet() || !(Holds_Bits(left.sort) || Holds_Bits(right.sort))) return;
    Warn(Warning::Not_On_Bits, whole,
         "nand, nor, xor or xnor of bits written as C's ! and ^ of characters: '1' ^ '0' is 1, not '1'", text);
}

void Explain_Logical(Source_Span& whole, const Source_Span& left, const Source_Span& right, Fragment*& text) {
    whole.sort = Joined(left.sort, right.sort);
    if (Quiet() || left.sort != Boolean_Value || !(right.marks & Indexes)) return;
    Warn(Warning::Short_Circuit, whole,
         "conditions joined by C's & or |: the right side, which indexes, is evaluated even when the left "
         "decides, and may read out of range",
         text);
}

void Explain_Shift(const Source_Span& whole, const char* word, Fragment*& text) {
    if (Quiet()) return;
    Warn(Warning::Shift, whole,
         std::string(word) + " written as C's shift of a signed int: " +
             (word[2] == 'l' ? "it shifts the sign bit in, not zeros"
              : word[1] == 'r' ? "it fills with bit 31, not with the vector's end bit"
                               : "it fills with zeros, not with the vector's end bit"),
         text);
}

// ---- Aggregates and associations ------------------------------------------------------

void Explain_Aggregate(const Source_Span& aggregate, Fragment*& text) {
    if (Quiet() || (aggregate.marks & Named)) return;
    Warn(Warning::Aggregate, aggregate,
         "positional aggregate written in parentheses: C's comma operator, whose value is the last element", text);
}

void Explain_Named_Association(const Source_Span& element, Fragment*& text) {
    if (Quiet()) return;
    Warn(Warning::Named_Association, element,
         "named association written in the order written, its formal as a comment: C binds by position", text);
}

void Explain_Case_Choices(const Source_Span& choices, Fragment*& text) {
    if (choices.sort != 2) return;
    Warn(Warning::Choices, choices, "choices written as one case label: C takes their bitwise or", text);
}

// ---- Declarations -------------------------------------------------------------------

void Explain_Subtype(Source_Span& subtype, const Source_Span& mark, bool constrained) {
    bool bit_vector = false;
    while (!bit_vector_marks.empty() && bit_vector_marks.back() >= Start(subtype)) {
        bit_vector = bit_vector || bit_vector_marks.back() == Start(mark);
        bit_vector_marks.pop_back();
    }
    if (bit_vector && constrained) constrained_bit_vector = Start(subtype);
    subtype.sort = mark.sort;
    if (constrained) subtype.marks |= Constrained;
}

void Explain_Declared(const Source_Span& names_at, const Source_Span& subtype, const std::string& names, const char* mode,
                      bool initialized, Fragment*& text) {
    std::vector<std::string> list = Names_Of(names.c_str());
    unsigned char value = subtype.sort & Type_Of ? subtype.sort & Value_Bits : Unknown_Value;
    for (const std::string& name : list) declared[name] = value;
    if (strcmp(mode, "variable") == 0) {
        last_variables = list;
        last_variables_at = names_at;
    }
    if (constrained_bit_vector == Start(subtype))
        Warn(Warning::Width_Dropped, subtype,
             std::string("width dropped: ") + names + " declared as a plain char, not as a bit vector", text);
    if (value == Numeric_Value && (subtype.marks & Constrained))
        Warn(Warning::Numeric_Width, subtype,
             std::string(names) + " declared as a 32-bit int: the width of signed or unsigned and its wrap-around "
                                  "are lost",
             text);
    if (value == Natural_Value)
        Warn(Warning::Natural_Unsigned, subtype,
             std::string(names) + " declared natural or positive, written as unsigned int: it wraps below zero, "
                                  "so that x - 1 < 0 never holds",
             text);
    if (initialized && list.size() > 1)
        Warn(Warning::One_Initial_Value, names_at,
             "initial value given to " + list.back() + " only: C sets the last name of " + names, text);
    if (in_parameters && (strcmp(mode, "out") == 0 || strcmp(mode, "inout") == 0))
        Warn(Warning::Out_Parameter, names_at,
             std::string(mode) + " parameter " + names + " passed by value: the caller never sees the assignment",
             text);
}

void Explain_Subtype_Declared(const char* name, const Source_Span& subtype) {
    declared[name] = subtype.sort & Type_Of ? subtype.sort : Type_Of | Other_Value;
}

unsigned char Explain_Array_Type(const Source_Span& element, bool unconstrained, const Source_Span& definition,
                                 Fragment*& text) {
    if (unconstrained)
        Warn(Warning::Unconstrained_Array, definition,
             "unconstrained array type written with 256 elements, whatever the range of its objects", text);
    return element.sort == (Type_Of | Bit_Value) ? Type_Of | Vector_Value : Type_Of | Array_Value;
}

void Explain_Type_Declared(const char* name, const Source_Span& definition) {
    declared[name] = definition.sort & Type_Of ? definition.sort : Type_Of | Other_Value;
}

void Explain_Subprogram(const char* name, unsigned char sort) { declared[name] = sort; }

void Explain_Process_Variables() {
    for (const std::string& name : last_variables) process_variables[name] = Variable{last_variables_at, false, false};
    last_variables.clear();
}

void Explain_Interface_Value(Fragment*& value) {
    interface_initialized = Length(value) > 0;
    interface_annotations = Take_Annotations(value);
}

bool Interface_Initialized() { return interface_initialized; }

void Explain_Interface(Fragment* subtype, Fragment*& names) {
    std::string held = interface_annotations + Annotations_Of(subtype);
    interface_annotations.clear();
    if (in_entity) entity_annotations += held;
    else Annotate(names, held);
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

void Explain_Entity(const char* name) {
    last_entity = name;
    in_entity = true;
}

void Explain_Entity_Unit(Fragment*& text) {
    Annotate(text, entity_annotations);
    entity_annotations.clear();
    in_entity = false;
}

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
                 std::to_string(first_unlabelled_line) + " too", text, true);
    if (!in_architecture || architecture_entity == last_entity) return;
    if (last_entity.empty())
        Warn(Warning::Other_Ports, process,
             "process written without ports: entity " + architecture_entity + " is not in this file", text,
             true);
    else
        Warn(Warning::Other_Ports, process,
             "process written with the ports of entity " + last_entity + ", translated last, not of " +
                 architecture_entity, text, true);
}

// ---- Statements -------------------------------------------------------------------

namespace {

// The name that starts the statement whose target is at `target`, when the
// target is that name alone.
bool Whole_Name_Assigned(const Source_Span& target) {
    return Start(target) == Start(statement_head_at) && target.last_line == statement_head_at.last_line &&
           target.last_column == statement_head_at.last_column;
}

}  // namespace

void Explain_Variable_Assigned(const Source_Span& target, Fragment*& text) {
    (void)text;
    if (!in_process || depth != 0 || !Whole_Name_Assigned(target)) return;
    auto variable = process_variables.find(statement_head);
    if (variable != process_variables.end() && !variable->second.warned) variable->second.assigned_first = true;
}

void Explain_Signal_Assigned(const Source_Span& target, Fragment*& text) {
    (void)text;
    if (!in_process || !(Start(target) == Start(statement_head_at))) return;
    assigned_signals[statement_head] = Assignment{target.first_line, depth};
    assignment_order.push_back(statement_head);
}

void Explain_Exit(const Source_Span& statement, const Source_Span& word, const Source_Span& last, Fragment*& text) {
    if (last.last_line != word.last_line || last.last_column != word.last_column) return;
    Warn(Warning::Bare_Exit, statement, "bare exit or next written as an expression statement that does nothing",
         text);
}

void Explain_Waveform(Source_Span& waveform, const Source_Span& first, Fragment*& text) {
    waveform.sort = 1;
    if (first.sort == 1) return;
    Warn(Warning::Waveform_Elements, waveform,
         "waveform elements written with C's comma operator: the last one is assigned", text);
}

void Explain_Wait_Until(const Source_Span& condition, Fragment*& text) {
    Warn(Warning::Wait_Until, condition,
         "wait until written as a loop while the condition does not hold: it goes straight on when the condition "
         "already holds; VHDL waits for the next event",
         text);
}


void Explain_Wait_For(const Source_Span& timeout, Fragment*& text) {
    Warn(Warning::Wait_For, timeout, "wait for written as a loop over a time: the C loop does not wait", text);
}

// ---- The run --------------------------------------------------------------------------

void Warnings_Read(int token, const Source_Span& at) {
    Apply(previous_token, before_previous);
    if (Starts_Statement(previous_token)) statement_start = Start(at);
    before_previous = previous_token;
    previous_token = token;
}

void Warnings_Start() {
    for (Kind_Count& count : counts) count = Kind_Count();
    for (Place& place : last_warned) place = Place{0, 0};
    std::vector<Counted>().swap(counted);
    std::vector<Place>().swap(bit_vector_marks);
    constrained_bit_vector = explicit_range = Place{0, 0};
    explicit_range_line = 0;
    last_entity.clear();
    architecture_entity.clear();
    in_architecture = in_entity = false;
    std::string().swap(entity_annotations);
    std::string().swap(interface_annotations);
    Forget_Annotations();
    unlabelled_processes = first_unlabelled_line = 0;
    std::unordered_map<std::string, unsigned char>().swap(declared);
    std::unordered_set<Place, Place_Hash>().swap(upper_case_literals);
    unfolded = Unfolded_Reader();
    previous_token = before_previous = 0;
    statement_start = Place{0, 0};
    quiet_statement = quiet_after = in_parameters = in_process = false;
    after_parentheses = parameter_parentheses = depth = 0;
    parameters_expected = 0;
    statement_head.clear();
    statement_head_at = Source_Span{};
    std::vector<std::string>().swap(last_variables);
    std::unordered_map<std::string, Variable>().swap(process_variables);
    std::unordered_map<std::string, Assignment>().swap(assigned_signals);
    std::vector<std::string>().swap(assignment_order);
}

Warning_Tally process_warnings = {};

void Warnings_Finish(bool accepted, long long skipped_characters) {
    process_warnings.skipped += skipped_characters;
    for (int kind = 0; kind < kWarningKinds; ++kind) process_warnings.by_kind[kind] += counts[kind].count;
    long long total = skipped_characters;
    int kinds_warned = skipped_characters > 0;
    for (int kind = 0; kind < kWarningKinds; ++kind) {
        counts[kind].Tell_Unshown(kinds[kind].name, kinds[kind].counted);
        total += counts[kind].count;
        kinds_warned += counts[kind].count > 0;
    }
    if (accepted && total > 0)
        fprintf(stderr, "vhdl87c: %lld warning%s of %d kind%s\n", total, total == 1 ? "" : "s", kinds_warned,
                kinds_warned == 1 ? "" : "s");
    Warnings_Start();
}
