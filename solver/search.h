// What every search of the solver returns, and how another thread stops it.
#pragma once

#include "solver/puzzle.h"

#include <atomic>
#include <cstdint>

namespace tessel::solver {

struct SearchControl
{
    // Set by another thread to stop the search; it then returns found = false.
    const std::atomic<bool>* cancel = nullptr;
    // Set when nothing more will be asked (the program is ending): stops the search as `cancel`
    // does, and a build of missing tables too, which `cancel` alone lets finish, so that a
    // search stopped for the next board does not throw away the tables every search needs.
    const std::atomic<bool>* shutdown = nullptr;
    // Nodes the search may expand before it gives up (0: no limit).
    uint64_t nodeLimit = 0;

    bool cancelled() const
    {
        return (cancel && cancel->load(std::memory_order_relaxed)) || shuttingDown();
    }
    bool shuttingDown() const { return shutdown && shutdown->load(std::memory_order_relaxed); }
};

struct Solution
{
    Moves moves; // the blocks slid, in order
    bool found = false; // false: cancelled, capped, or no solution within the length asked
    bool capped = false; // stopped at the node cap
    bool shortest = false; // proven to be a shortest solution
    uint64_t nodes = 0; // nodes expanded
};

} // namespace tessel::solver
