// An unfinished game read back from the store: the whole stored game is checked before any of it
// is put on the board, and its time and move count are read within their ranges.
#pragma once

#include "store/keyvaluepairs.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tessel {

struct SavedArrangement
{
    // The block each cell shows. The empty cell carries n - 1, as the empty cell of a fresh
    // game does, so that no tag left on the board can count as a block at home.
    std::vector<int> pieces;
    int blankIndex = 0;
};

// Reads the values of section "Oyun" for an N x N board; value k belongs to cell k, whatever
// its key is called. The game is accepted only as a whole: exactly n values, exactly one of
// them "kB" with k its own position, the others the plain decimal texts (no sign, blank or
// leading zero) of distinct blocks 0 to n - 2, in an arrangement that sliding can bring home.
// Anything else gives nullopt.
std::optional<SavedArrangement> readSavedArrangement(const KeyValuePairs& values, int gridSize);

// Whether sliding can bring the arrangement home (block c in cell c, the empty cell last).
// `pieces` holds 0 to n - 1 once each, with n - 1 standing for the empty cell wherever it is.
bool isSolvableArrangement(std::span<const int> pieces, int gridSize);

// A stored time field ("Saniye Bilgisi" and the like) from 0 to `highest`: text that is no
// number raises TypeMismatch, a number outside the range Overflow.
uint8_t readTimeField(const QString& text, int highest);

// The stored move count, 0 upwards; the same errors.
int32_t readMoveCount(const QString& text);

// The stored block-count option, 0 to 2; the same errors, and InvalidPropertyValue for a
// number that names no option.
int16_t readDivisionIndex(const QString& text);

} // namespace tessel
