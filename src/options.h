// The run options: set by the program's arguments (main.cc) before a
// translation, read by the modules they change.  Nothing else sets them.
#pragma once

// -DEBUG: prints the hexadecimal letters met by Convert_String_To_Int
// (literals.cc) and the type-declaration traces (context.cc).  An int, as
// it has always been.
extern int DEBUG;
// --explain: a rejected file is explained on standard error (explain.h);
// the translation runs with the explained parser.
extern bool explaining;
// --annotate: each warning about the C text is also written into it, as a
// comment after the construct (annotation.h); the translation runs with
// the explained parser, whose warnings reach standard error only with
// --explain.
extern bool annotating;
// --relaxed: the later grammar reads the design, with its own token source
// (relaxed.h); each translation picks its parser by it (run.cc).
extern bool relaxed_reading;
