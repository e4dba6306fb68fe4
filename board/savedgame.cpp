#include "board/savedgame.h"

#include "common/errors.h"
#include "common/numbers.h"
#include "store/settingskeys.h"

#include <cstdlib>

namespace tessel {

namespace {

// The number a text spells in plain decimal, exactly as QString::number writes it, or -1.
int plainNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= 0 && QString::number(value) == text ? value : -1;
}

[[noreturn]] void overflow()
{
    throw TesselError(ErrorCode::Overflow, QStringLiteral("Overflow"));
}

} // namespace

std::optional<SavedArrangement> readSavedArrangement(const KeyValuePairs& values, int gridSize)
{
    const int n = gridSize * gridSize;
    if (gridSize <= 0 || static_cast<int>(values.size()) != n)
        return std::nullopt;
    SavedArrangement saved;
    saved.pieces.assign(n, -1);
    std::vector<bool> dealt(n, false);
    int blanks = 0;
    for (int c = 0; c < n; ++c) {
        const QString& value = values[c].second;
        if (value == QString::number(c) + settingskeys::BlankSuffix) {
            ++blanks;
            saved.blankIndex = c;
            saved.pieces[c] = n - 1;
            continue;
        }
        const int piece = plainNumber(value);
        if (piece < 0 || piece > n - 2 || dealt[piece])
            return std::nullopt;
        dealt[piece] = true;
        saved.pieces[c] = piece;
    }
    if (blanks != 1 || !isSolvableArrangement(saved.pieces, gridSize))
        return std::nullopt;
    return saved;
}

bool isSolvableArrangement(std::span<const int> pieces, int gridSize)
{
    // Every move exchanges the empty cell with a neighbour: one transposition of the
    // arrangement, and one step of the empty cell to another row or column. So the parity of
    // the arrangement (the empty cell counted as piece n - 1) changes in step with the parity
    // of the empty cell's distance from the last cell, and only an arrangement whose two
    // parities agree can come home. Sliding reaches every such arrangement. For an odd N this
    // is the plain inversion rule; for an even N the row of the empty cell takes part.
    const int n = gridSize * gridSize;
    if (gridSize <= 0 || static_cast<int>(pieces.size()) != n)
        return false;
    std::vector<bool> seen(n, false);
    int inversions = 0;
    int blank = -1;
    for (int i = 0; i < n; ++i) {
        if (pieces[i] < 0 || pieces[i] >= n || seen[pieces[i]])
            return false; // not an arrangement of the board's pieces
        seen[pieces[i]] = true;
        if (pieces[i] == n - 1)
            blank = i;
        for (int j = i + 1; j < n; ++j)
            inversions += pieces[i] > pieces[j] ? 1 : 0;
    }
    const int distance
        = std::abs(gridSize - 1 - blank / gridSize) + std::abs(gridSize - 1 - blank % gridSize);
    return inversions % 2 == distance % 2;
}

uint8_t readTimeField(const QString& text, int highest)
{
    const uint8_t value = toUInt8(text);
    if (value > highest)
        overflow();
    return value;
}

int32_t readMoveCount(const QString& text)
{
    const int32_t value = toInt32(text);
    if (value < 0)
        overflow();
    return value;
}

int16_t readDivisionIndex(const QString& text)
{
    const int16_t value = toInt16(text);
    if (value < 0 || value > 2)
        throw TesselError(ErrorCode::InvalidPropertyValue,
                          QStringLiteral("Invalid property value"));
    return value;
}

} // namespace tessel
