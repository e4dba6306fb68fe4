// Good solutions of the 5 x 5 board, whose shortest ones take far too long to find while a
// player waits: the first row is placed by a shortest sequence of moves, then the first column
// below it, then the 4 x 4 board left is solved by the shortest-solution search; the same is
// done on the mirror board (column first), and the shorter of the two wins. A stage that runs
// past its node cap finishes with a weighted search instead.
#pragma once

#include "solver/fifteen.h"
#include "solver/search.h"
#include "solver/tablefile.h"

#include <optional>
#include <string>
#include <vector>

namespace tessel::solver {

class TwentyFourTables
{
public:
    // The exact moves left to bring blocks 1, 2, 3 and 4 home (the others free to stand
    // anywhere) for every placement of them and the empty cell; and the same for blocks 6, 11,
    // 16 and 21 below a first row already home.
    // Once `stop` is set the build ends soon, with tables that are no use.
    static TwentyFourTables build(const std::atomic<bool>* stop = nullptr);
    static std::optional<TwentyFourTables> read(const std::string& path);
    bool write(const std::string& path) const;

    size_t bytes() const { return m_row.size() + m_column.size(); }

    const TableBytes& rowTable() const { return m_row; }
    const TableBytes& columnTable() const { return m_column; }

    bool mapped() const { return m_row.mapped() && m_column.mapped(); }

private:
    TableBytes m_row;
    TableBytes m_column;
};

struct TwentyFourCaps
{
    uint64_t rowNodes = 200000; // the first row's search: states expanded
    uint64_t fifteenNodes = 1000000; // the 4 x 4 search's nodes
};

Solution solveTwentyFour(const Board& board, const TwentyFourTables& tables,
                         const FifteenDatabases& fifteen, const SearchControl& control = {},
                         const TwentyFourCaps& caps = {});

} // namespace tessel::solver
