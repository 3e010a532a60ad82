#include <gtest/gtest.h>

#include <string>

#include "type_names.h"

TEST(TypeNames, MapsTheTableAndPassesOtherNames) {
    const struct { const char* name; const char* c_text; } rows[] = {
        {"bit", "char"},         {"std_logic", "char"},    {"std_ulogic", "char"},
        {"bit_vector", "char"},  {"std_logic_vector", "char"}, {"std_ulogic_vector", "char"},
        {"true", "1"},           {"false", "0"},           {"integer", "int"},
        {"real", "float"},       {"character", "char"},    {"string", "char"},
        {"boolean", "char"},     {"positive", "unsigned int"}, {"natural", "unsigned int"},
        {"bits", "bits"},        {"integer_value", "integer_value"}, {"time", "time"},
        {"char", "char"},        {"int", "int"},           {"Integer", "Integer"},
    };
    for (const auto& row : rows) EXPECT_STREQ(Return_Type(row.name), row.c_text) << row.name;
}

TEST(TypeNames, ReturnsTheArgumentItselfWhenUnknown) {
    const char* name = "my_type";
    EXPECT_EQ(Return_Type(name), name);
}

TEST(TypeNames, SetMembership) {
    EXPECT_EQ(IS_Bit("std_logic"), 1);
    EXPECT_EQ(IS_Bit("bit_vector"), 0);
    EXPECT_EQ(IS_Bit_Vector("std_ulogic_vector"), 1);
    EXPECT_EQ(IS_Bit_Vector("bit"), 0);
}
