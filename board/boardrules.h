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

// The arrow keys of the board.
enum class Arrow { Left, Right, Up, Down };

// The cell whose block an arrow key slides into the empty cell `blankIndex`: the empty cell's
// neighbour on the arrow's far side, so that the block moves the way the arrow points (Left
// moves the block right of the empty cell to the left). -1 when the empty cell stands at that
// edge of the board, or the empty cell is outside it.
int cellForArrow(Arrow arrow, int blankIndex, int gridSize);

// How many of cells 0 to n - 2 carry exactly their own number in decimal as tag (the last cell
// is not examined).
int cellsAtHome(std::span<const QString> tags);

// Every block home: cellsAtHome counts n - 1. The empty cell's tag takes part like any other,
// so a board whose empty cell is not the last one is never complete.
bool isPhotoComplete(std::span<const QString> tags);

// The time of the congratulation: hours, minutes and seconds, each number followed by its word
// (strings 1100, 1200, 1250), a part left out when it is 0. In English, the table's language,
// the parts are simply put together and the words are never plural; a translation chooses the
// word's plural form for the number and joins the parts with strings 3080 and 3090.
QString completionTime(const ElapsedTime& time);

// The congratulation: five lines joined by CR LF, the second and fourth empty; the third says
// completionTime, the fifth the move count. Numbers carry no leading zeros.
QString completionMessage(const ElapsedTime& time, int32_t clickCount);

} // namespace tessel
