// VHDL type names and the boolean literals as C text.
#pragma once

int IS_Bit(const char* name);
int IS_Bit_Vector(const char* name);
// A constant text of the table, or `name` itself when the table has no row
// for it; never a fragment of its own.
const char* Return_Type(const char* name);
