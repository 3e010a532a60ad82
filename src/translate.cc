#include "translate.h"

#include <cstring>

#include "compose.h"
#include "context.h"
#include "fragment.h"
#include "literals.h"
#include "type_names.h"

Fragment* Mark_Of(Fragment* identifier) {
    const char* name = Text(identifier);
    const char* c_name = Return_Type(name);
    if (c_name == name) return identifier;  // not in the table: kept as it is
    Release(identifier);
    return Make_String(c_name);
}

Fragment* Take_Declarations() {
    Fragment* declarations = temp_function_definations;
    temp_function_definations = Empty();
    return declarations;
}

Fragment* Entity_Unit(Fragment* entity) {
    Release(entity);
    Set(temp_process_definations, Take_Declarations());  // adopted, not copied
    return Empty();
}

void Append_Declaration(Fragment* line) {
    temp_function_definations = Combine(temp_function_definations, line);
}

const char* Declared_Type() { return Return_Type(Text(temp_type_name)); }

void Record_Subtype(const Fragment* mark, const Fragment* suffix) {
    Set(temp_type_name, Copy(mark));
    Set(type_of_type_array, Copy(suffix));
}

Fragment* Type_Declaration(Fragment* name, Fragment* definition) {
    if (DEBUG) printf("/* type number=%d */\n", type_of_type);
    switch (type_of_type) {
    case 1:  // enumeration
        type_of_type = 0;
        return Compose("typedef enum %s %s;\n", definition, name);
    case 4:  // unconstrained array
    case 5:  // constrained array
        type_of_type = 0;
        return Compose("typedef %s %s%s%s;\n", Borrow(temp_type_name), name, definition,
                       Borrow(type_of_type_array));
    default:
        return Compose("%s %s;\n", name, definition);
    }
}

void Trace_Element_Type(Fragment* element) {
    if (DEBUG) printf("/*$6=%s */\n", Text(element));
}

int Element_Count(const Fragment* left, Fragment* direction, const Fragment* right) {
    // The count wraps like 32-bit integers instead of overflowing.
    auto wrap = [](long long value) { return static_cast<int>(static_cast<unsigned>(value)); };
    if (strcmp(Text(direction), "downto") == 0)
        return wrap(static_cast<long long>(Leading_Int(left)) - Leading_Int(right) + 1);
    if (strcmp(Text(direction), "to") == 0)
        return wrap(static_cast<long long>(Leading_Int(right)) - Leading_Int(left) + 1);
    return 0;
}

void Record_Range(const Fragment* left, const Fragment* direction, const Fragment* right) {
    Set(for_from_string, Copy(left));
    Set(for_direction_string, Copy(direction));
    Set(for_to_string, Copy(right));
}

Fragment* For_Loop_Over_Last_Range(Fragment* keyword, const Fragment* parameter) {
    Borrowed p = Borrow(parameter);
    if (strcmp(Text(for_direction_string), "downto") == 0)
        return Compose("%s (%s=%s; %s>=%s; %s--)", keyword, p, Borrow(for_from_string), p, Borrow(for_to_string), p);
    return Compose("%s (%s=%s; %s<=%s; %s++)", keyword, p, Borrow(for_from_string), p, Borrow(for_to_string), p);
}

void Print_Translation(const Fragment* translation) {
    Write(translation, stdout);
    putchar('\n');
}
