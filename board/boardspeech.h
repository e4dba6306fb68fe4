// What a screen reader hears about the board: the name of each cell and the news of a move.
#pragma once

#include <QString>

namespace tessel {

// Cell `cell` (0-based, rows from the top) of an N x N board showing block `block` (0-based in
// reading order of the whole photo; -1 for the empty cell): "Block 5, row 2, column 2" with
// everything counted from 1, or "Empty cell".
QString cellAccessibleName(int cell, int block, int gridSize);

// Block `block` has just slid into cell `cell`: "Block 5 moved to row 2, column 2.".
QString moveAnnouncement(int block, int cell, int gridSize);

// The hint outlines block `block` in cell `cell`: "Hint: block 5, row 2, column 2.".
QString hintAnnouncement(int block, int cell, int gridSize);

} // namespace tessel
