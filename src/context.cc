#include "context.h"

#include "fragment.h"

int DEBUG = 0;
Fragment* temp_function_definations = nullptr;
Fragment* temp_process_definations = nullptr;
Fragment* temp_process_headers = nullptr;
Fragment* temp_type_name = nullptr;
Fragment* type_of_type_array = nullptr;
int type_of_type = 0;
int array_flag = 0;
int number_of_bits = 0;
Fragment* for_from_string = nullptr;
Fragment* for_to_string = nullptr;
Fragment* for_direction_string = nullptr;

void Start_Context() {
    Set(temp_type_name, Empty());
    Set(temp_function_definations, Empty());
    Set(temp_process_definations, Empty());
    Set(temp_process_headers, Empty());
    Set(type_of_type_array, Empty());
    Set(for_from_string, Empty());
    Set(for_to_string, Empty());
    Set(for_direction_string, Empty());
    array_flag = 0;
    type_of_type = 0;
    number_of_bits = 0;
}

void Release_Context() {
    Fragment** variables[] = {&temp_type_name,  &temp_function_definations, &temp_process_definations,
                              &temp_process_headers, &type_of_type_array, &for_from_string,
                              &for_to_string, &for_direction_string};
    for (Fragment** variable : variables) Set(*variable, nullptr);
}
