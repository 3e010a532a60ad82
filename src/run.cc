#include "run.h"

#include "context.h"
#include "explain.h"
#include "fragment.h"
#include "literals.h"
#include "options.h"
#include "parser.hh"
#include "relaxed.h"
#include "scanner.h"

// The explained parser (parser_explained.cc, the grammar with the prefix
// explained_).  Its generated header declares the same token codes as
// parser.hh, so the two cannot be included together.
int explained_parse();
// The later grammar's parsers (parser_later.cc, parser_later_explained.cc),
// which --relaxed picks; their headers too declare the token codes again.
int later_parse();
int later_explained_parse();

int Run_Translation(FILE* input) {
    line_number = 1;
    column = 0;
    Make_Scratch_Buffer();
    Start_Context();
    // With --relaxed the later grammar reads, and explains with its tables.
    Use_Relaxed_Reading(relaxed_reading);
    Explain_Start(relaxed_reading ? &later_tables : &explained_tables);
    Reset_Scanner(input);
    int result = relaxed_reading ? (explaining ? later_explained_parse() : later_parse())
                                 : (explaining ? explained_parse() : yyparse());
    Explain_Finish(result == 0);
    Release_Context();
    Release_Scratch_Buffer();
    Release_Fragment_Memory();
    Reset_Scanner(nullptr);
    return result;
}
