// The literal readers: a bit-string literal converted to its decimal value,
// the leading integer of a bound, and the scratch buffer the conversion
// writes into.
#pragma once

struct Fragment;

// The scratch buffer: `size_of_temp_string` bytes, 800 at start, only ever
// doubled, as long as the doubled size is still an int.  Besides the conversion below, every fragment made or joined
// keeps it at least twice as long as that text (fragment.cc).
extern char* temp_string;
extern int size_of_temp_string;

void Make_Scratch_Buffer();
void Release_Scratch_Buffer();
// Doubles the scratch buffer; its contents are lost.  When twice its size
// would not fit an int, it stays as it is.
void Grow_Scratch_Buffer();
// The size the scratch buffer grows to from `size`: twice as many bytes, or
// `size` itself when twice would not fit an int.
int Grown_Scratch_Size(int size);

// A string literal unchanged, or the decimal value of a bit-string literal
// (B"...", O"...", X"..."), wrapped to 32 bits; written through temp_string.
// With -DEBUG, prints each lowercase hexadecimal letter met.
Fragment* Convert_String_To_Int(const char* text);
// The leading integer of the text as the C library reads it (blanks, sign,
// digits), saturated to the 32-bit range; 0 when there is none.
int Leading_Int(const Fragment* fragment);
