#include "solver/eightpuzzle.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>

namespace tessel::solver {

namespace {

constexpr int cellCount = 9;
constexpr uint8_t unreached = 0xFF;

using Cells = std::array<uint8_t, cellCount>;

// The arrangement's rank among the 9! orders (its Lehmer code read as a mixed-radix number).
uint32_t rankOf(const Cells& cells)
{
    std::array<uint32_t, cellCount> smallerRight {};
    uint32_t seen = 0;
    for (int i = cellCount - 1; i >= 0; --i) {
        smallerRight[size_t(i)] = uint32_t(std::popcount(seen & ((1u << cells[size_t(i)]) - 1)));
        seen |= 1u << cells[size_t(i)];
    }
    uint32_t rank = 0;
    for (int i = 0; i < cellCount; ++i)
        rank = rank * uint32_t(cellCount - i) + smallerRight[size_t(i)];
    return rank;
}

std::optional<Cells> cellsOf(const Board& board)
{
    if (board.size != 3 || !isWellFormed(board))
        return std::nullopt;
    Cells cells {};
    std::copy(board.cells.begin(), board.cells.end(), cells.begin());
    return cells;
}

// The cells beside `cell`, -1 where the board ends.
std::array<int, 4> neighbours(int cell)
{
    return { cell >= 3 ? cell - 3 : -1, cell < 6 ? cell + 3 : -1, cell % 3 > 0 ? cell - 1 : -1,
             cell % 3 < 2 ? cell + 1 : -1 };
}

} // namespace

EightTable::EightTable()
    : m_depth(362880, unreached)
{
    // Layer by layer from the goal; a board travels as nine 4-bit cells and its empty cell.
    auto unpack = [](uint64_t packed) {
        Cells cells {};
        for (int c = 0; c < cellCount; ++c)
            cells[size_t(c)] = uint8_t((packed >> (4 * c)) & 15);
        return cells;
    };
    uint64_t goal = 0;
    for (int c = 0; c < 8; ++c)
        goal |= uint64_t(c + 1) << (4 * c);
    std::vector<uint64_t> layer { goal | uint64_t(8) << 40 }, next;
    m_depth[rankOf(unpack(goal))] = 0;
    for (uint8_t depth = 1; !layer.empty(); ++depth) {
        next.clear();
        for (const uint64_t entry : layer) {
            const uint64_t packed = entry & ((uint64_t(1) << 36) - 1);
            const int blank = int(entry >> 40);
            for (int cell : neighbours(blank)) {
                if (cell < 0)
                    continue;
                // The block of `cell` slides into the empty cell, which holds 0.
                const uint64_t block = (packed >> (4 * cell)) & 15;
                const uint64_t moved
                    = (packed & ~(uint64_t(15) << (4 * cell))) | (block << (4 * blank));
                uint8_t& d = m_depth[rankOf(unpack(moved))];
                if (d == unreached) {
                    d = depth;
                    next.push_back(moved | uint64_t(cell) << 40);
                }
            }
        }
        std::swap(layer, next);
    }
}

const EightTable& EightTable::instance()
{
    static const EightTable table;
    return table;
}

int EightTable::distance(const Board& board) const
{
    const auto cells = cellsOf(board);
    if (!cells)
        return -1;
    const uint8_t d = m_depth[rankOf(*cells)];
    return d == unreached ? -1 : int(d);
}

Moves EightTable::solve(const Board& board) const
{
    Moves moves;
    auto cells = cellsOf(board);
    if (!cells || m_depth[rankOf(*cells)] == unreached)
        return moves;
    int blank = blankCell(board);
    for (uint8_t d = m_depth[rankOf(*cells)]; d > 0; --d) {
        for (int next : neighbours(blank)) {
            if (next < 0)
                continue;
            Cells moved = *cells;
            std::swap(moved[size_t(next)], moved[size_t(blank)]);
            if (m_depth[rankOf(moved)] == d - 1) {
                moves.push_back(Tile((*cells)[size_t(next)]));
                *cells = moved;
                blank = next;
                break;
            }
        }
    }
    return moves;
}

std::vector<int> EightTable::histogram() const
{
    std::vector<int> counts;
    for (uint8_t d : m_depth) {
        if (d == unreached)
            continue;
        if (counts.size() <= d)
            counts.resize(size_t(d) + 1, 0);
        ++counts[d];
    }
    return counts;
}

} // namespace tessel::solver
