#include "board/game.h"

#include "common/errors.h"
#include "store/settingskeys.h"

#include <algorithm>
#include <limits>

namespace tessel {

namespace k = settingskeys;

namespace {

[[noreturn]] void invalidCall()
{
    throw TesselError(ErrorCode::InvalidCall, QStringLiteral("Invalid procedure call or argument"));
}

} // namespace

QString Game::tag(int cell) const
{
    const int piece = pieceAt(cell);
    return piece == noBlock ? QString() : QString::number(piece);
}

std::vector<QString> Game::tags() const
{
    std::vector<QString> result;
    result.reserve(m_pieces.size());
    for (int c = 0; c < cellCount(); ++c)
        result.push_back(tag(c));
    return result;
}

int Game::blockShown(int cell) const
{
    const int piece = pieceAt(cell);
    switch (m_view) {
    case View::Nothing:
        return noBlock;
    case View::InOrder:
        return cell;
    case View::Play:
        return cell == m_blank ? noBlock : piece;
    case View::WholePhoto:
        // The completion puts the last block into the last cell, which is then the empty one.
        if (cell == cellCount() - 1)
            return cell;
        return cell == m_blank ? noBlock : piece;
    }
    return noBlock;
}

void Game::divide(int gridSize)
{
    // The cells are counted in 16 bits.
    if (gridSize < 1 || gridSize > 181)
        invalidCall();
    m_gridSize = gridSize;
    m_pieces.assign(static_cast<size_t>(gridSize * gridSize), noBlock);
    m_blank = cellCount() - 1;
    m_view = View::Nothing;
    m_dealt.clear();
    m_dealKnown = false;
    m_moves.clear();
    m_undone.clear();
}

void Game::showInOrder()
{
    std::fill(m_pieces.begin(), m_pieces.end(), noBlock);
    m_blank = cellCount() - 1;
    m_view = View::InOrder;
}

bool Game::isArrangement(const std::vector<int>& pieces) const
{
    const int n = cellCount();
    if (n == 0 || static_cast<int>(pieces.size()) != n)
        return false;
    std::vector<bool> seen(static_cast<size_t>(n), false);
    for (int piece : pieces) {
        if (piece < 0 || piece >= n || seen[static_cast<size_t>(piece)])
            return false;
        seen[static_cast<size_t>(piece)] = true;
    }
    return true;
}

void Game::start(const std::vector<int>& pieces)
{
    m_pieces = pieces;
    m_blank = static_cast<int>(std::find(pieces.begin(), pieces.end(), cellCount() - 1)
                               - pieces.begin());
    m_view = View::Play;
    m_dealt = pieces;
    m_moves.clear();
    m_undone.clear();
}

bool Game::isDeal(const std::vector<int>& pieces) const
{
    return isArrangement(pieces) && pieces.back() == cellCount() - 1;
}

void Game::deal(const std::vector<int>& pieces)
{
    if (!isDeal(pieces))
        invalidCall();
    start(pieces);
    m_dealKnown = true;
}

void Game::restore(const SavedArrangement& saved)
{
    const std::vector<int>& pieces = saved.pieces;
    if (!isArrangement(pieces) || saved.blankIndex < 0 || saved.blankIndex >= cellCount()
        || pieces[static_cast<size_t>(saved.blankIndex)] != cellCount() - 1)
        invalidCall();
    start(pieces);
    m_dealKnown = false;
}

void Game::restoreDeal(const std::vector<int>& dealt)
{
    // An unsolvable deal would restart into a game nobody can finish.
    if (!isDeal(dealt) || !isSolvableArrangement(dealt, m_gridSize))
        invalidCall();
    m_dealt = dealt;
    m_dealKnown = true;
}

bool Game::canMove(int cell) const
{
    return isMoveAllowed(cell, m_blank, m_gridSize);
}

int Game::cellForArrow(Arrow arrow) const
{
    return tessel::cellForArrow(arrow, m_blank, m_gridSize);
}

void Game::exchange(int cell)
{
    std::swap(m_pieces[static_cast<size_t>(cell)], m_pieces[static_cast<size_t>(m_blank)]);
    m_blank = cell;
    // A block moved out of the whole photo leaves its cell empty again.
    if (m_view == View::WholePhoto)
        m_view = View::Play;
}

void Game::slide(int cell)
{
    if (!canMove(cell))
        invalidCall();
    m_moves.push_back({ cell, m_blank });
    m_undone.clear();
    exchange(cell);
}

int Game::undoCell() const
{
    if (m_view != View::Play || m_moves.empty() || isComplete())
        return -1;
    return m_moves.back().to;
}

int Game::redoCell() const
{
    if (m_view != View::Play || m_undone.empty() || isComplete())
        return -1;
    return m_undone.back().from;
}

void Game::slideBack()
{
    const int cell = undoCell();
    if (cell < 0)
        invalidCall();
    m_undone.push_back(m_moves.back());
    m_moves.pop_back();
    exchange(cell);
}

void Game::slideAgain()
{
    const int cell = redoCell();
    if (cell < 0)
        invalidCall();
    m_moves.push_back(m_undone.back());
    m_undone.pop_back();
    exchange(cell);
}

bool Game::undo()
{
    if (undoCell() < 0)
        return false;
    slideBack();
    countMove();
    return true;
}

bool Game::redo()
{
    if (redoCell() < 0)
        return false;
    slideAgain();
    countMove();
    return true;
}

void Game::restart()
{
    if (m_dealt.empty())
        invalidCall();
    const bool dealKnown = m_dealKnown;
    start(std::vector<int>(m_dealt));
    m_dealKnown = dealKnown;
    m_moveCount = 0;
    m_elapsed = {};
}

void Game::countMove()
{
    if (m_moveCount == std::numeric_limits<int32_t>::max())
        throw TesselError(ErrorCode::Overflow, QStringLiteral("Overflow"));
    ++m_moveCount;
}

bool Game::move(int cell)
{
    if (!canMove(cell))
        return false;
    slide(cell);
    countMove();
    return true;
}

bool Game::isComplete() const
{
    return isPhotoComplete(tags());
}

void Game::showWholePhoto()
{
    m_view = View::WholePhoto;
}

KeyValuePairs Game::storedCells() const
{
    KeyValuePairs cells;
    cells.reserve(m_pieces.size());
    for (int c = 0; c < cellCount(); ++c)
        cells.emplace_back(k::FotoPrefix + QString::number(c),
                           c == m_blank ? QString::number(c) + k::BlankSuffix : tag(c));
    return cells;
}

KeyValuePairs Game::storedInfo() const
{
    return { { k::SaniyeBilgisi, QString::number(m_elapsed.seconds) },
             { k::DakikaBilgisi, QString::number(m_elapsed.minutes) },
             { k::SaatBilgisi, QString::number(m_elapsed.hours) },
             { k::HamleBilgisi, QString::number(m_moveCount) } };
}

void Game::readStoredInfo(const QString& key, const QString& value)
{
    if (key == k::SaniyeBilgisi)
        m_elapsed.seconds = readTimeField(value, 59);
    else if (key == k::DakikaBilgisi)
        m_elapsed.minutes = readTimeField(value, 59);
    else if (key == k::SaatBilgisi)
        m_elapsed.hours = readTimeField(value, 23);
    else if (key == k::HamleBilgisi)
        m_moveCount = readMoveCount(value);
}

std::optional<Game> Game::fromStored(const KeyValuePairs& cells, const KeyValuePairs& info,
                                     int gridSize)
{
    const std::optional<SavedArrangement> saved = readSavedArrangement(cells, gridSize);
    if (!saved)
        return std::nullopt;
    Game game;
    game.divide(gridSize);
    game.restore(*saved);
    for (const QString& key :
         { k::SaniyeBilgisi, k::DakikaBilgisi, k::SaatBilgisi, k::HamleBilgisi }) {
        const auto found = std::find_if(info.begin(), info.end(),
                                        [&](const auto& pair) { return pair.first == key; });
        try {
            game.readStoredInfo(key, found == info.end() ? QStringLiteral("0") : found->second);
        } catch (const TesselError&) {
            return std::nullopt;
        }
    }
    return game;
}

KeyValuePairs Game::storedDeal() const
{
    KeyValuePairs cells;
    if (!m_dealKnown)
        return cells;
    const int last = static_cast<int>(m_dealt.size()) - 1;
    for (int c = 0; c <= last; ++c)
        cells.emplace_back(k::FotoPrefix + QString::number(c),
                           c == last ? QString::number(c) + k::BlankSuffix
                                     : QString::number(m_dealt[static_cast<size_t>(c)]));
    return cells;
}

std::optional<std::vector<int>> Game::readStoredDeal(const KeyValuePairs& values, int gridSize)
{
    // The same form as the stored game's cells, with the empty cell where a deal leaves it.
    const std::optional<SavedArrangement> read = readSavedArrangement(values, gridSize);
    if (!read || read->blankIndex != static_cast<int>(read->pieces.size()) - 1)
        return std::nullopt;
    return read->pieces;
}

} // namespace tessel
