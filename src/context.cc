// The translation context: its variables and every operation on them (see
// context.h).
#include "context.h"

#include <cstring>
#include <string>

#include "annotation.h"
#include "compose.h"
#include "fragment.h"
#include "literals.h"
#include "options.h"
#include "type_names.h"

Fragment* temp_function_definations = nullptr;
Fragment* temp_process_definations = nullptr;
Fragment* temp_process_headers = nullptr;
Fragment* temp_type_name = nullptr;
Fragment* type_of_type_array = nullptr;
Type_Kind type_of_type = No_Type_Kind;
Element_Count_Flag array_flag = No_Element;
int number_of_bits = 0;
Fragment* for_from_string = nullptr;
Fragment* for_to_string = nullptr;
Fragment* for_direction_string = nullptr;

namespace {

// The noted type mark and suffix of the last constrained or resolved
// subtype, and the recorded ones it replaced while a range may still give
// them back.
Fragment* noted_type_name = nullptr;
Fragment* noted_type_array = nullptr;
Fragment* replaced_type_name = nullptr;
Fragment* replaced_type_array = nullptr;

void Forget_Replaced_Type() {
    Set(replaced_type_name, nullptr);
    Set(replaced_type_array, nullptr);
}

}  // namespace

void Start_Context() {
    Set(temp_type_name, Empty());
    Set(temp_function_definations, Empty());
    Set(temp_process_definations, Empty());
    Set(temp_process_headers, Empty());
    Set(type_of_type_array, Empty());
    Set(for_from_string, Empty());
    Set(for_to_string, Empty());
    Set(for_direction_string, Empty());
    array_flag = No_Element;
    type_of_type = No_Type_Kind;
    number_of_bits = 0;
}

void Release_Context() {
    Fragment** variables[] = {&temp_type_name,  &temp_function_definations, &temp_process_definations,
                              &temp_process_headers, &type_of_type_array, &for_from_string,
                              &for_to_string, &for_direction_string};
    for (Fragment** variable : variables) Set(*variable, nullptr);
    Set(noted_type_name, nullptr);
    Set(noted_type_array, nullptr);
    Forget_Replaced_Type();
}

// ---- Design units and declarations ----------------------------------------

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

void Record_Port_Names(const Fragment* interface_list) { Set(temp_process_headers, Copy(interface_list)); }

void Append_Declaration(Fragment* line) {
    temp_function_definations = Combine(temp_function_definations, line);
}

// ---- Comments ----------------------------------------------------------------

Fragment* Inside_Comment(Fragment* text) {
    if (!Contains(text, '/')) return text;
    const char* rest = Text(text);
    const char* end = strstr(rest, "*/");
    if (end == nullptr) return text;
    std::string mended;
    for (; end != nullptr; end = strstr(rest, "*/")) {
        mended.append(rest, end).append("* /");
        rest = end + 2;
    }
    mended.append(rest);
    Release(text);
    return Make_String_Len(mended.data(), mended.size());
}

// ---- Types ---------------------------------------------------------------

Fragment* Mark_Of(Fragment* identifier) {
    const char* name = Text(identifier);
    const char* c_name = Return_Type(name);
    if (c_name == name) return identifier;  // not in the table: kept as it is
    Release(identifier);
    return Make_String(c_name);
}

const char* Declared_Type() { return Return_Type(Text(temp_type_name)); }

void Record_Subtype(const Fragment* mark, const Fragment* suffix) {
    if (replaced_type_name) Forget_Replaced_Type();
    Set(temp_type_name, Copy(mark));
    Set(type_of_type_array, Copy(suffix));
}

void Note_Subtype(const Fragment* mark, const Fragment* suffix) {
    Set(noted_type_name, Copy(mark));
    Set(noted_type_array, suffix ? Copy(suffix) : Empty());
}

void Record_Noted_Subtype() {
    if (!noted_type_name) return;
    Forget_Replaced_Type();
    replaced_type_name = temp_type_name;
    replaced_type_array = type_of_type_array;
    temp_type_name = noted_type_name;
    type_of_type_array = noted_type_array;
    noted_type_name = noted_type_array = nullptr;
}

void Keep_Type_Before_Range() {
    if (!replaced_type_name) return;
    Set(temp_type_name, replaced_type_name);
    Set(type_of_type_array, replaced_type_array);
    replaced_type_name = replaced_type_array = nullptr;
}

void Record_Type_Kind(Type_Kind kind) { type_of_type = kind; }

Fragment* Type_Declaration(Fragment* name, Fragment* definition) {
    if (DEBUG) printf("/* type number=%d */\n", static_cast<int>(type_of_type));
    switch (type_of_type) {
    case Enumeration_Type:
        type_of_type = No_Type_Kind;
        return Compose("typedef enum %s %s;\n", definition, name);
    case Unconstrained_Array_Type:
    case Constrained_Array_Type:
        type_of_type = No_Type_Kind;
        return Compose("typedef %s %s%s%s;\n", Borrow(temp_type_name), name, definition,
                       Borrow(type_of_type_array));
    default:
        return Compose("%s %s;\n", name, definition);
    }
}

void Trace_Element_Type(Fragment* element) {
    if (DEBUG) printf("/*$6=%s */\n", Text(element));
}

// ---- Lists and ranges ------------------------------------------------------

void Count_First_Element() {
    if (array_flag != Several_Elements) array_flag = One_Element;
}

void Count_Named_Element() {
    if (array_flag != Several_Elements) array_flag = Named_Element;
}

void Count_Further_Element() { array_flag = Several_Elements; }

Fragment* Index_Or_Argument_List(Fragment* elements) {
    bool index = array_flag == One_Element;
    array_flag = No_Element;
    return index ? Compose("[%s]", elements) : Compose("(%s)", elements);
}

int Count_Range_Elements(const Fragment* left, Fragment* direction, const Fragment* right) {
    // The count wraps like 32-bit integers instead of overflowing.
    auto wrap = [](long long value) { return static_cast<int>(static_cast<unsigned>(value)); };
    if (strcmp(Text(direction), "downto") == 0)
        number_of_bits = wrap(static_cast<long long>(Leading_Int(left)) - Leading_Int(right) + 1);
    else if (strcmp(Text(direction), "to") == 0)
        number_of_bits = wrap(static_cast<long long>(Leading_Int(right)) - Leading_Int(left) + 1);
    else
        number_of_bits = 0;
    return number_of_bits;
}

void Record_Range(const Fragment* left, const Fragment* direction, const Fragment* right) {
    Set(for_from_string, Copy(left));
    Set(for_direction_string, Copy(direction));
    Set(for_to_string, Copy(right));
}

const char* Float_Or_Int_By_Bounds(const Fragment* left, const Fragment* right) {
    return Contains(left, '.') || Contains(right, '.') ? "float" : "int";
}

Fragment* For_Loop_Over_Last_Range(Fragment* keyword, const Fragment* parameter) {
    Borrowed p = Borrow(parameter);
    if (strcmp(Text(for_direction_string), "downto") == 0)
        return Compose("%s (%s=%s; %s>=%s; %s--)", keyword, p, Borrow(for_from_string), p, Borrow(for_to_string), p);
    return Compose("%s (%s=%s; %s<=%s; %s++)", keyword, p, Borrow(for_from_string), p, Borrow(for_to_string), p);
}

// ---- Output ----------------------------------------------------------------

void Print_Translation(const Fragment* translation) {
    if (annotating) Write_Annotated(translation, stdout);
    else Write(translation, stdout);
    putchar('\n');
}
