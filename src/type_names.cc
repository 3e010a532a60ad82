#include "type_names.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

using std::string_view;

const string_view bit_names[] = {"bit", "std_logic", "std_ulogic"};
const string_view bit_vector_names[] = {"bit_vector", "std_logic_vector", "std_ulogic_vector"};

// Tested in this order after the bit and bit-vector names.
const struct { string_view name; const char* c_text; } type_table[] = {
    {"true",      "1"},
    {"false",     "0"},
    {"integer",   "int"},
    {"real",      "float"},
    {"character", "char"},
    {"string",    "char"},
    {"boolean",   "char"},
    {"positive",  "unsigned int"},
    {"natural",   "unsigned int"},
};

template <size_t N>
int Is_One_Of(string_view name, const string_view (&names)[N]) {
    for (string_view candidate : names)
        if (name == candidate) return 1;
    return 0;
}

// Every identifier of a design passes Return_Type, and nearly none is in
// the table: for each first letter, the lengths of the names of the table
// that start with it (bit n set for length n), so most names are turned
// away by one look.
struct Quick_Reject {
    uint32_t lengths[256] = {};
    void Add(string_view name) { lengths[static_cast<unsigned char>(name[0])] |= 1u << name.size(); }
    Quick_Reject() {
        for (string_view name : bit_names) Add(name);
        for (string_view name : bit_vector_names) Add(name);
        for (const auto& row : type_table) Add(row.name);
    }
    bool Rejects(string_view name) const {
        return name.empty() || name.size() > 31 || !(lengths[static_cast<unsigned char>(name[0])] & (1u << name.size()));
    }
};
const Quick_Reject quick_reject;

}  // namespace

int IS_Bit(const char* name) { return Is_One_Of(name, bit_names); }

int IS_Bit_Vector(const char* name) { return Is_One_Of(name, bit_vector_names); }

const char* Return_Type(const char* name) {
    string_view text(name);
    if (quick_reject.Rejects(text)) return name;
    if (IS_Bit(name)) return "char";
    if (IS_Bit_Vector(name)) return "char";
    for (const auto& row : type_table)
        if (text == row.name) return row.c_text;
    return name;
}
