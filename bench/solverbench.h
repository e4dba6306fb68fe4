// The solver's part of the bench: tessel-solve on Korf's boards and the tables' sizes and
// build times (k), and the time from the hint key to the outlined block in the game window (l).
#pragma once

#include "measure.h"

namespace bench {

void solverPart(Table& table);
void hintPart(Table& table);

} // namespace bench
