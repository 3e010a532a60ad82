// The literal readers: a bit-string literal converted to its decimal value,
// the leading integer of a bound, and the scratch buffer the conversion
// writes into.
#pragma once

struct Fragment;

// The scratch buffer: it holds the decimal value Convert_String_To_Int
// writes, a 32-bit int ("-2147483648" at the longest, 12 bytes with its
// NUL), and nothing else, so `size_of_temp_string` bytes, made at the start
// of a run, are enough for every run: it never grows.
extern char* temp_string;
extern int size_of_temp_string;
const int kScratchBytes = 16;

// Made at the start of a run (its failure is the memory error "ERROR:
// Cannot allocate memory for 'temp_string'..."), released at its end.
void Make_Scratch_Buffer();
void Release_Scratch_Buffer();

// A string literal unchanged, or the decimal value of a bit-string literal
// (B"...", O"...", X"..."), wrapped to 32 bits; written through temp_string.
// With -DEBUG, prints each lowercase hexadecimal letter met.
Fragment* Convert_String_To_Int(const char* text);
// The leading integer of the text as the C library reads it (blanks, sign,
// digits), saturated to the 32-bit range; 0 when there is none.
int Leading_Int(const Fragment* fragment);
