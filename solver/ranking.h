// Numbering the placements of k distinct things on n cells (n ≤ 32) densely, 0 to
// n (n - 1) ... (n - k + 1) - 1: the index a table keeps its entry of a placement under.
#pragma once

#include <bit>
#include <cstdint>

namespace tessel::solver {

inline uint64_t placementCount(int k, int n)
{
    uint64_t count = 1;
    for (int i = 0; i < k; ++i)
        count *= uint64_t(n - i);
    return count;
}

// Each cell counts among those not taken by the earlier ones.
inline uint32_t rankPlacement(const uint8_t* cells, int k, int n)
{
    uint32_t used = 0;
    uint32_t index = 0;
    for (int i = 0; i < k; ++i) {
        const uint32_t bit = 1u << cells[i];
        index = index * uint32_t(n - i) + cells[i] - uint32_t(std::popcount(used & (bit - 1)));
        used |= bit;
    }
    return index;
}

inline void unrankPlacement(uint32_t index, int k, int n, uint8_t* cells)
{
    uint32_t digits[32];
    for (int i = k - 1; i >= 0; --i) {
        digits[i] = index % uint32_t(n - i);
        index /= uint32_t(n - i);
    }
    uint32_t used = 0;
    for (int i = 0; i < k; ++i) {
        uint32_t skip = digits[i];
        int cell = 0;
        for (;; ++cell) {
            if (used & (1u << cell))
                continue;
            if (skip == 0)
                break;
            --skip;
        }
        cells[i] = uint8_t(cell);
        used |= 1u << cell;
    }
}

} // namespace tessel::solver
