#include "solver/patterndb.h"

#include "solver/ranking.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace tessel::solver {

namespace {

// Cell masks of one board width, for spreading a set of cells to their neighbours.
struct Geometry
{
    int width;
    int cells;
    uint32_t all, notFirstColumn, notLastColumn;

    explicit Geometry(int w)
        : width(w)
        , cells(w * w)
        , all(uint32_t((uint64_t(1) << (w * w)) - 1))
        , notFirstColumn(0)
        , notLastColumn(0)
    {
        for (int c = 0; c < cells; ++c) {
            if (c % w != 0)
                notFirstColumn |= 1u << c;
            if (c % w != w - 1)
                notLastColumn |= 1u << c;
        }
    }

    uint32_t neighbours(uint32_t set) const
    {
        return (((set << 1) & notFirstColumn) | ((set >> 1) & notLastColumn) | (set << width)
                | (set >> width))
            & all;
    }

    // Every cell of `open` the empty cell reaches from `start` without moving a group block.
    uint32_t reach(uint32_t start, uint32_t open) const
    {
        uint32_t region = start;
        for (;;) {
            const uint32_t grown = region | (neighbours(region) & open);
            if (grown == region)
                return region;
            region = grown;
        }
    }

    int manhattan(int from, int to) const
    {
        return std::abs(from / width - to / width) + std::abs(from % width - to % width);
    }
};

} // namespace

PatternDatabase PatternDatabase::empty(int width, std::vector<Tile> tiles)
{
    PatternDatabase db;
    db.m_width = width;
    db.m_entries = placementCount(int(tiles.size()), width * width);
    db.m_tiles = std::move(tiles);
    db.m_nibbles = TableBytes(size_t((db.m_entries + 1) / 2), 0);
    return db;
}

size_t PatternDatabase::entryBytes(int width, size_t tileCount)
{
    return size_t((placementCount(int(tileCount), width * width) + 1) / 2);
}

PatternDatabase PatternDatabase::over(int width, std::vector<Tile> tiles, TableBytes bytes)
{
    PatternDatabase db;
    db.m_width = width;
    db.m_entries = placementCount(int(tiles.size()), width * width);
    db.m_tiles = std::move(tiles);
    db.m_nibbles = std::move(bytes);
    return db;
}

PatternDatabase PatternDatabase::build(int width, std::vector<Tile> tiles,
                                       const std::atomic<bool>* stop)
{
    PatternDatabase db = empty(width, std::move(tiles));
    const Geometry geo(width);
    const int k = int(db.m_tiles.size());
    const int n = geo.cells;
    constexpr uint8_t unreached = 0xFF;

    // The search runs over (placement, empty cell); moves of other blocks cost nothing, so each
    // placement is taken with the whole region its empty cell reaches, once per region.
    std::vector<uint8_t> distance(size_t(db.m_entries), unreached);
    // Per placement: the empty cells whose region is done (low half) and those already queued
    // (high half), side by side so that one look costs one cache line.
    std::vector<uint64_t> marks(size_t(db.m_entries), 0);
    auto expanded = [&](uint32_t index) { return uint32_t(marks[index]); };
    std::vector<uint64_t> frontier, next;

    uint8_t home[32];
    uint32_t groupCells = 0;
    for (int i = 0; i < k; ++i) {
        home[i] = uint8_t(db.m_tiles[size_t(i)] - 1);
        groupCells |= 1u << home[i];
    }
    const uint32_t goal = rankPlacement(home, k, n);
    for (int c = 0; c < n; ++c) {
        if (!(groupCells & (1u << c))) {
            frontier.push_back(uint64_t(goal) * 32 + uint64_t(c));
            marks[goal] |= uint64_t(1) << (32 + c);
        }
    }

    uint8_t cells[32];
    uint32_t sinceLook = 0;
    for (int depth = 0; !frontier.empty(); ++depth) {
        next.clear();
        for (const uint64_t item : frontier) {
            if (stop && ++sinceLook % 4096 == 0 && stop->load(std::memory_order_relaxed))
                return db;
            const uint32_t index = uint32_t(item / 32);
            const int blank = int(item % 32);
            if (expanded(index) & (1u << blank))
                continue;
            unrankPlacement(index, k, n, cells);
            uint32_t occupied = 0;
            for (int i = 0; i < k; ++i)
                occupied |= 1u << cells[i];
            const uint32_t region = geo.reach(1u << blank, geo.all & ~occupied);
            marks[index] |= region;
            if (distance[index] == unreached)
                distance[index] = uint8_t(depth);
            // A group block beside the region slides into it, leaving the empty cell behind.
            for (int i = 0; i < k; ++i) {
                const uint8_t from = cells[i];
                uint32_t targets = geo.neighbours(1u << from) & region;
                while (targets) {
                    cells[i] = uint8_t(std::countr_zero(targets));
                    targets &= targets - 1;
                    const uint32_t moved = rankPlacement(cells, k, n);
                    const uint64_t mark = marks[moved];
                    if (!((uint32_t(mark) | uint32_t(mark >> 32)) & (1u << from))) {
                        marks[moved] = mark | (uint64_t(1) << (32 + from));
                        next.push_back(uint64_t(moved) * 32 + from);
                    }
                }
                cells[i] = from;
            }
        }
        std::swap(frontier, next);
    }

    const std::span<uint8_t> nibbles = db.m_nibbles.writable();
    for (uint32_t index = 0; index < db.m_entries; ++index) {
        unrankPlacement(index, k, n, cells);
        int manhattan = 0;
        for (int i = 0; i < k; ++i)
            manhattan += geo.manhattan(cells[i], home[i]);
        const int half = (distance[index] - manhattan) / 2;
        db.m_largest = std::max(db.m_largest, half);
        nibbles[index >> 1] |= uint8_t(std::min(half, 15) << ((index & 1) * 4));
    }
    return db;
}

int PatternDatabase::value(const uint8_t* cells) const
{
    const int k = int(m_tiles.size());
    int manhattan = 0;
    for (int i = 0; i < k; ++i) {
        const int home = m_tiles[size_t(i)] - 1;
        manhattan += std::abs(cells[i] / m_width - home / m_width)
            + std::abs(cells[i] % m_width - home % m_width);
    }
    return manhattan + 2 * halfExcess(rankPlacement(cells, k, m_width * m_width));
}

} // namespace tessel::solver
