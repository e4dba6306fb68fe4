// What input a user never chose may cost: a store grown by another copy or a tool, picture files
// made to be slow, a decode still running when the player leaves.
#pragma once

#include "measure.h"

namespace bench {

// Part (i) of the table. `scratch` is a folder on a real disk for the files it makes.
void hostileInputs(Table& table, const QString& scratch);

// In a measuring process: a decode that never ends is under way when the last window goes;
// returns the exit code the program's end gives.
int endWhileDecodingMain();

} // namespace bench
