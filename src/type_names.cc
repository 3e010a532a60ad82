#include "type_names.h"

#include <cstring>

namespace {

const char* const bit_names[] = {"bit", "std_logic", "std_ulogic"};
const char* const bit_vector_names[] = {"bit_vector", "std_logic_vector", "std_ulogic_vector"};

// Tested in this order after the bit and bit-vector names.
const struct { const char* name; const char* c_text; } type_table[] = {
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
int Is_One_Of(const char* name, const char* const (&names)[N]) {
    for (const char* candidate : names)
        if (strcmp(name, candidate) == 0) return 1;
    return 0;
}

}  // namespace

int IS_Bit(const char* name) { return Is_One_Of(name, bit_names); }

int IS_Bit_Vector(const char* name) { return Is_One_Of(name, bit_vector_names); }

const char* Return_Type(const char* name) {
    if (IS_Bit(name)) return "char";
    if (IS_Bit_Vector(name)) return "char";
    for (const auto& row : type_table)
        if (strcmp(name, row.name) == 0) return row.c_text;
    return name;
}
