// The solver of the game's boards: 3 x 3 and 4 x 4 shortest, 5 x 5 good. Its tables are read
// from the files the build writes next to the program, or built when those are missing, once
// per process on first use by whichever thread asks first; nothing is loaded before.
#pragma once

#include "solver/eightpuzzle.h"
#include "solver/fifteen.h"
#include "solver/search.h"
#include "solver/twentyfour.h"

#include <deque>
#include <string>
#include <vector>

namespace tessel::solver {

// The folder the table files are read from; set before the first solve (the program's own).
void setTableFolder(const std::string& folder);
std::string tableFolder();

// The files' names inside that folder.
inline constexpr char fifteenTableFile[] = "tessel-4x4.tables";
inline constexpr char twentyFourTableFile[] = "tessel-5x5.tables";

const EightTable& eightTable();
const FifteenDatabases& fifteenDatabases();
const TwentyFourTables& twentyFourTables();
// The same for a search that may be stopped: nullptr when the tables had to be built and a
// shutdown came meanwhile (the build stops with it).
const FifteenDatabases* fifteenDatabases(const SearchControl& control);
const TwentyFourTables* twentyFourTables(const SearchControl& control);

// How the tables of the process came to be, for the bench and the command line.
struct TableReport
{
    std::string name;
    size_t bytes = 0;
    double milliseconds = 0; // to read or to build
    bool read = false; // from its file (else built)
};
std::vector<TableReport> tableReports();

// A solution of a solvable 3 x 3, 4 x 4 or 5 x 5 board; found = false for any other board, or
// when cancelled. shortest tells whether it is proven shortest (3 x 3 and 4 x 4).
Solution solve(const Board& board, const SearchControl& control = {});

// The block that slides to take `from` to `to`, or 0 when they are not one move apart.
Tile stepBetween(const Board& from, const Board& to);

// Shortest solutions found lately, and what they tell of the boards near their paths, so that
// solving the board after each move of a game costs less. A board on a remembered path needs no
// search. A board one move off it, beside a path board d moves from home, is d - 1 or d + 1 moves
// from home (every move changes the length by one), so one search bounded at d - 1 settles it:
// either it finds a path that short, or going back and following the old path is shortest.
// Other boards are solved in full. Lengths are those solve() gives. One per solving thread.
class SolutionMemory
{
public:
    // The solutions remembered, the newest first; older ones are forgotten.
    static constexpr size_t capacity = 8;

    Solution solve(const Board& board, const SearchControl& control = {});
    // A shortest solution of `board` found elsewhere; others are not kept.
    void remember(const Board& board, const Solution& solution);
    void clear() { m_known.clear(); }

private:
    struct Known
    {
        Board board;
        Moves moves;
    };
    std::deque<Known> m_known;
};

} // namespace tessel::solver
