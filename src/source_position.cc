// The source position (see source_position.h).
#include "source_position.h"

long long line_number = 1;
long long column = 0;
