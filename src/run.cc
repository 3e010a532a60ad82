#include "run.h"

#include "context.h"
#include "diagnostics.h"
#include "explain.h"
#include "fragment.h"
#include "literals.h"
#include "parser.hh"
#include "relaxed.h"
#include "scanner.h"

int Run_Translation(FILE* input) {
    line_number = 1;
    column = 0;
    Make_Scratch_Buffer();
    Start_Context();
    // With --relaxed the later grammar reads, and explains with its tables.
    bool relaxed = Reading_Relaxed();
    Explain_Start(relaxed ? &later_tables : &explained_tables);
    Reset_Scanner(input);
    int result = relaxed ? (explaining ? later_explained_parse() : later_parse())
                         : (explaining ? explained_parse() : yyparse());
    Explain_Finish();
    Release_Context();
    Release_Scratch_Buffer();
    Release_Fragment_Memory();
    Reset_Scanner(nullptr);
    return result;
}
