// The best results of each board size: the best time and the fewest moves of a completed game,
// each on its own, and the number of games completed. They live in a settings section of their
// own, and every change is one locked read, merge and atomic replace of the store's file, so
// that two running copies never lose each other's results.
#pragma once

#include "store/settingsstore.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

namespace tessel {

struct BestResult
{
    std::optional<int32_t> seconds; // best time
    std::optional<int32_t> moves; // fewest moves
    int32_t completed = 0; // games completed
};

// For 3 x 3, 4 x 4 and 5 x 5, in that order.
using BestResults = std::array<BestResult, 3>;

// What a completed game changed.
struct RecordNews
{
    bool bestTime = false; // faster than the best time stored before
    bool fewestMoves = false; // fewer moves than the fewest stored before
};

// The results as stored. A value that is not a plain decimal number in range counts as none,
// and a store that cannot be read as no results at all: never an error.
BestResults readBestResults(const SettingsStore& store);
BestResults bestResultsFrom(const KeyValuePairs& section);

// Adds a completed game of an N x N board (N = 3, 4, 5) to the stored results in one atomic
// replace. The first game of a size sets its records without news; a later one is news when
// it beats a record. Raises the store's error when the file cannot be locked or written, and
// the file then keeps what it held.
RecordNews recordCompletion(SettingsStore& store, int gridSize, int32_t seconds, int32_t moves);

// A won game: its board (N = 3, 4, 5), time and moves, and the stored game it finished
// (SavedGame: empty when none was read at start-up).
struct Completion
{
    int gridSize = 0;
    int32_t seconds = 0;
    int32_t moves = 0;
    KeyValuePairs savedGame;
};

// Adds the result and removes the won game in the same batch, so that one replace does both:
// no end of the program between two writes can count a game twice by offering it again.
RecordNews recordCompletion(SettingsBatch& batch, const Completion& completion);

// The completion as the game window makes it, never waiting long on another copy: written at
// once when the lock comes within `wait`; else the store writes it off the window's thread as
// soon as the lock is free (before any later write of this store), and the news is told from
// the file as it is now. Raises the store's error only when the file cannot be written.
RecordNews recordCompletionSoon(SettingsStore& store, const Completion& completion,
                                std::chrono::milliseconds wait = std::chrono::milliseconds(300));

// Removes every stored result; raises the store's error when the file cannot be written.
void clearBestResults(SettingsStore& store);

} // namespace tessel
