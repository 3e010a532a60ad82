#include "run.h"

#include "context.h"
#include "explain.h"
#include "fragment.h"
#include "literals.h"
#include "options.h"
#include "parser.hh"
#include "relaxed_filter.h"
#include "scanner.h"

// The explained parser (parser_explained.cc, the grammar with the prefix
// explained_).  Its generated header declares the same token codes as
// parser.hh, so the two cannot be included together.
int explained_parse();

int Run_Translation(FILE* input) {
    line_number = 1;
    column = 0;
    Make_Scratch_Buffer();
    Start_Context();
    Explain_Start(&explained_tables);
    Reset_Scanner(input);
    Use_Relaxed_Reading(relaxed_reading);
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
