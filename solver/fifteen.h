// Shortest solutions of the 4 x 4 board: IDA* over three additive pattern databases (six, six
// and three blocks), each looked up for the board and for its mirror image across the main
// diagonal (which keeps the goal and every length); the larger of the two sums counts.
#pragma once

#include "solver/patterndb.h"
#include "solver/search.h"

#include <optional>
#include <string>
#include <vector>

namespace tessel::solver {

class FifteenDatabases
{
public:
    using Partition = std::vector<std::vector<Tile>>;

    // The groups the game uses; see solver/README.md for why these.
    static const Partition& standardPartition();

    static FifteenDatabases build(const Partition& partition = standardPartition());
    // The databases of the standard partition from a file written by write(); nullopt when the
    // file is missing, of another partition or damaged.
    static std::optional<FifteenDatabases> read(const std::string& path);
    bool write(const std::string& path) const;

    const std::vector<PatternDatabase>& groups() const { return m_groups; }
    size_t bytes() const;

    // The heuristic of a board: the larger of its sum and its mirror image's.
    int lowerBound(const Board& board) const;

private:
    std::vector<PatternDatabase> m_groups;
};

// f = g + weight × h with the weight numerator / denominator; 1 / 1 finds shortest solutions.
struct Weight
{
    int numerator = 1;
    int denominator = 1;
};

// Solves a solvable 4 x 4 board. With weight 1 the solution is a shortest one. `maxLength`
// stops the search without a solution once every solution left would be longer.
Solution solveFifteen(const Board& board, const FifteenDatabases& databases,
                      const SearchControl& control = {}, Weight weight = {}, int maxLength = 255);

} // namespace tessel::solver
