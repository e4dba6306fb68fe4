// The rule of the game: which clicks slide a block, when the photo is complete, and what the
// completion message says.
#pragma once

#include "board/gameclock.h"

#include <QString>

#include <cstdint>
#include <span>

namespace tessel {

// Whether a click on cell `index` of an N x N board slides its block into the empty cell
// `blankIndex`: only a left, right, upper or lower neighbour moves. There is no wrap-around
// from the end of one row to the start of the next, no diagonal move, and a click on the empty
// cell itself is refused. Cells outside the board never move.
bool isMoveAllowed(int index, int blankIndex, int gridSize);

// How many of cells 0 to n - 2 carry exactly their own number in decimal as tag (the last cell
// is not examined).
int cellsAtHome(std::span<const QString> tags);

// Every block home: cellsAtHome counts n - 1. The empty cell's tag takes part like any other,
// so a board whose empty cell is not the last one is never complete.
bool isPhotoComplete(std::span<const QString> tags);

// The congratulation: five lines joined by CR LF, the second and fourth empty. Each part of the
// time is left out when it is 0, numbers carry no leading zeros and the words are never plural.
QString completionMessage(const ElapsedTime& time, int32_t clickCount);

} // namespace tessel
