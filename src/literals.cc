// The literal readers: bit strings to decimal, leading integers of bounds,
// and the scratch buffer temp_string (see literals.h).
#include "literals.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fragment_layout.h"
#include "options.h"

char* temp_string = nullptr;
int size_of_temp_string = 0;

namespace {

[[noreturn]] void No_Scratch_Buffer() {
    Memory_Error("\n\nERROR: Cannot allocate memory for 'temp_string'...");
}

int Digit_Value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 0;
}

int Base_Of(char letter) {
    switch (letter) {
    case 'b': case 'B': return 2;
    case 'o': case 'O': return 8;
    case 'x': case 'X': return 16;
    default: return 10;
    }
}

}  // namespace

void Make_Scratch_Buffer() {
    size_of_temp_string = kScratchBytes;
    temp_string = static_cast<char*>(calloc(size_of_temp_string, 1));
    if (!temp_string) No_Scratch_Buffer();
}

void Release_Scratch_Buffer() {
    free(temp_string);
    temp_string = nullptr;
}

Fragment* Convert_String_To_Int(const char* text) {
    if (text[0] == '"' || text[0] == '%') return Make_String(text);
    uint32_t base = Base_Of(text[0]);
    // The digits' sum of digit x base^place, taken modulo 2^32 in unsigned
    // arithmetic (the wrapped 32-bit value), is the same read from the left:
    // no list of digits is needed.
    uint32_t value = 0;
    for (const char* c = text[0] && text[1] ? text + 2 : text + strlen(text); *c; ++c) {
        if (*c == '"' || *c == '%' || *c == '_') continue;
        if (DEBUG && *c >= 'a' && *c <= 'f') printf("%d = %c! (%c)\n", *c, *c, *c - 39);
        value = value * base + static_cast<uint32_t>(Digit_Value(*c));
    }
    snprintf(temp_string, size_of_temp_string, "%d", static_cast<int32_t>(value));
    return Make_String(temp_string);
}

int Leading_Int(const Fragment* fragment) {
    enum { Blanks, Sign, Digits, Done } state = Blanks;
    bool negative = false;
    int64_t value = 0;
    For_Each_Run(fragment, [&](const char* text, size_t length) {
        for (size_t i = 0; i < length && state != Done; ++i) {
            char c = text[i];
            bool digit = c >= '0' && c <= '9';
            if (state == Blanks && (c == ' ' || (c >= '\t' && c <= '\r'))) continue;
            if (state == Blanks && (c == '+' || c == '-')) {
                negative = c == '-';
                state = Sign;
            } else if (digit) {
                state = Digits;
                if (value <= INT32_MAX) value = value * 10 + (c - '0');
            } else {
                state = Done;
            }
        }
        return state != Done;
    });
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int>(value);
}
