// The run options (see options.h): off until the arguments say otherwise.
#include "options.h"

int DEBUG = 0;
bool explaining = false;
bool annotating = false;
bool relaxed_reading = false;
