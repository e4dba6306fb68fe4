// Boards as the solver sees them: N x N cells in reading order, 0 for the empty cell and k + 1
// for the game's block k, so that the goal reads 1 2 ... N² - 1 0. A move is the number of the
// block that slides into the empty cell, as the game counts moves. Plain C++: no Qt.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessel::solver {

using Tile = uint8_t;
using Moves = std::vector<Tile>;

struct Board
{
    int size = 0; // N: 3, 4 or 5
    std::vector<Tile> cells; // N² numbers in reading order

    bool operator==(const Board&) const = default;
};

// Blocks in order, the empty cell last.
Board goalBoard(int size);
bool isGoal(const Board& board);

// N is 3, 4 or 5 and the cells hold 0 to N² - 1 once each.
bool isWellFormed(const Board& board);

// A well-formed board that sliding can bring home: the parity of the blocks' order, plus on an
// even width the empty cell's row counted from the bottom, is even.
bool isSolvable(const Board& board);

int blankCell(const Board& board);

// Slides `tile` into the empty cell when it stands beside it; otherwise false and nothing changes.
bool slide(Board& board, Tile tile);

// Plays the moves in order; false at the first that is not a slide, the board then as it was
// just before it.
bool play(Board& board, const Moves& moves);

// The board transposed (cell (r, c) to (c, r)) with every block renamed after the goal cell it
// is taken to, so that the goal maps onto itself and lengths are kept.
Board transposed(const Board& board);
Tile transposedTile(int size, Tile tile);

// The numbers separated by blanks, in reading order.
std::string toText(const Board& board);

} // namespace tessel::solver
