#include "run.h"

#include "context.h"
#include "explain.h"
#include "fragment.h"
#include "literals.h"
#include "options.h"
#include "parse_tables.h"
#include "parser.hh"
#include "scanner.h"

// The explained parser (parser_explained.cc, the grammar with the prefix
// explained_).  Its generated header declares the same token codes as
// parser.hh, so the two cannot be included together.
int explained_parse();
// The later grammar's parsers (parser_later.cc, parser_later_explained.cc),
// which --relaxed picks; their headers too declare the token codes again.
int later_parse();
int later_explained_parse();

namespace {

// The parser of each reading, and the tables the explanation reads: the
// default grammar's or the later one's (--relaxed), plain or explained
// (--explain, --annotate).
struct Reading {
    int (*parse)();
    const Parse_Tables* tables;
};
const Reading readings[2][2] = {
    {{yyparse, &explained_tables}, {explained_parse, &explained_tables}},
    {{later_parse, &later_tables}, {later_explained_parse, &later_tables}},
};

}  // namespace

int Run_Translation(FILE* input) {
    // The warnings, for standard error or for the annotations, come from
    // the explained parsers only.
    const Reading& reading = readings[relaxed_reading][explaining || annotating];
    line_number = 1;
    column = 0;
    Make_Scratch_Buffer();
    Start_Context();
    Explain_Start(reading.tables);
    Reset_Scanner(input);
    int result = reading.parse();
    Explain_Finish(result == 0);
    Release_Context();
    Release_Scratch_Buffer();
    Release_Fragment_Memory();
    Reset_Scanner(nullptr);
    return result;
}
