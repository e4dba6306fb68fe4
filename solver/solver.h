// The solver of the game's boards: 3 x 3 and 4 x 4 shortest, 5 x 5 good. Its tables are read
// from the files the build writes next to the program, or built when those are missing, once
// per process on first use by whichever thread asks first; nothing is loaded before.
#pragma once

#include "solver/eightpuzzle.h"
#include "solver/fifteen.h"
#include "solver/search.h"
#include "solver/twentyfour.h"

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

} // namespace tessel::solver
