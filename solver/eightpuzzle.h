// The 3 x 3 board's complete distance table: the length of a shortest solution of each of the
// 181,440 boards that sliding can bring home, from one breadth-first search back from the goal.
#pragma once

#include "solver/puzzle.h"

#include <cstdint>
#include <vector>

namespace tessel::solver {

class EightTable
{
public:
    // Builds the table (a few milliseconds with optimisation).
    EightTable();

    // The table of the process, built on first use by whichever thread asks first.
    static const EightTable& instance();

    // The length of a shortest solution; -1 for a board that is not a solvable 3 x 3 board.
    int distance(const Board& board) const;
    // A shortest solution: each move goes to a board one move nearer the goal. Empty for the
    // goal and for a board that cannot be solved.
    Moves solve(const Board& board) const;

    // How many boards lie at each distance, from 0 to the deepest.
    std::vector<int> histogram() const;
    size_t bytes() const { return m_depth.size(); }

private:
    std::vector<uint8_t> m_depth; // by the arrangement's rank among all 9!; 0xFF: unreachable
};

} // namespace tessel::solver
