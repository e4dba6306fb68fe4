// Additive pattern databases (Korf & Felner): for one group of blocks, the fewest moves of those
// blocks alone (the other blocks move for free) that bring them home, for every placement of
// the group on the board. The groups of a partition of the blocks add up to a lower bound of
// the moves left. Each entry is kept in four bits as (value - Manhattan distance) / 2: the value
// has the distance's parity, and the excess over it is small.
#pragma once

#include "solver/puzzle.h"
#include "solver/tablefile.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace tessel::solver {

class PatternDatabase
{
public:
    PatternDatabase() = default;

    // Built by a breadth-first search back from the goal over the group's placements and the
    // empty cell's reach (a few seconds for six blocks on 4 x 4). Width 3 to 5. Once `stop` is
    // set the search ends soon, leaving a database that is no use.
    static PatternDatabase build(int width, std::vector<Tile> tiles,
                                 const std::atomic<bool>* stop = nullptr);
    // An empty database of that shape (its entries all 0, a bound still).
    static PatternDatabase empty(int width, std::vector<Tile> tiles);
    // A database of that shape over bytes read elsewhere, of entryBytes() bytes.
    static PatternDatabase over(int width, std::vector<Tile> tiles, TableBytes bytes);
    static size_t entryBytes(int width, size_t tileCount);

    int width() const { return m_width; }
    const std::vector<Tile>& tiles() const { return m_tiles; }
    uint64_t entries() const { return m_entries; }

    // Half the excess over the Manhattan distance of the placement with that index (as
    // rankPlacement numbers the blocks' cells in the order of tiles()).
    int halfExcess(uint32_t index) const
    {
        return (m_nibbles[index >> 1] >> ((index & 1) * 4)) & 15;
    }
    // The whole value: Manhattan distance plus twice the half excess.
    int value(const uint8_t* cells) const;

    std::span<const uint8_t> bytes() const { return m_nibbles; }
    bool mapped() const { return m_nibbles.mapped(); }
    // The largest half excess the search found; above 15 the entries keep 15, still a bound.
    int largestHalfExcess() const { return m_largest; }

private:
    int m_width = 0;
    std::vector<Tile> m_tiles;
    uint64_t m_entries = 0;
    TableBytes m_nibbles;
    int m_largest = 0;
};

} // namespace tessel::solver
