#include "run.h"

#include "context.h"
#include "diagnostics.h"
#include "explain.h"
#include "fragment.h"
#include "literals.h"
#include "parser.hh"
#include "relaxed_filter.h"
#include "scanner.h"

int Run_Translation(FILE* input) {
    line_number = 1;
    column = 0;
    Make_Scratch_Buffer();
    Start_Context();
    Explain_Start(&explained_tables);
    Reset_Scanner(input);
    Reset_Relaxed_Filter();
    int result = explaining ? explained_parse() : yyparse();
    Explain_Finish();
    Reset_Relaxed_Filter();
    Release_Context();
    Release_Scratch_Buffer();
    Release_Fragment_Memory();
    Reset_Scanner(nullptr);
    return result;
}
