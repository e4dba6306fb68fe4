// The game apart from its drawing: which block each cell carries and which cell is empty, the
// grid size, the board as dealt, the moves made, the move count and the elapsed time, with the
// rule of the game. A value: it is copied, compared, stored and read back without a window.
#pragma once

#include "board/boardrules.h"
#include "board/gameclock.h"
#include "board/savedgame.h"
#include "store/keyvaluepairs.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace tessel {

// One accepted move: the block of cell `from` slid into the empty cell `to`, and `from` is the
// empty cell now. Sliding the block of `to` back undoes it.
struct Move
{
    int from = 0;
    int to = 0;

    bool operator==(const Move&) const = default;
};

class Game
{
public:
    // What the cells show.
    enum class View {
        Nothing, // just divided: no cell shows a block yet (a saved game is put in next)
        InOrder, // each cell its own block, the whole photo; the cells carry no block numbers
        Play, // each cell the block it carries, the empty cell none
        WholePhoto, // completed: the empty cell, the last one, shows the last block as well
    };

    // A cell that carries no block number (its tag is empty).
    static constexpr int noBlock = -1;

    // No board yet: grid size 0, no cells.
    Game() = default;

    int gridSize() const { return m_gridSize; }
    int cellCount() const { return static_cast<int>(m_pieces.size()); }
    int blankIndex() const { return m_blank; }
    View view() const { return m_view; }

    // The block number cell `cell` carries: 0 to n - 2 for a block, n - 1 for the empty cell,
    // noBlock while the board shows no game (Nothing, InOrder).
    int pieceAt(int cell) const { return m_pieces.at(static_cast<size_t>(cell)); }
    const std::vector<int>& pieces() const { return m_pieces; }
    // The cell's tag: its block number in decimal, empty for noBlock.
    QString tag(int cell) const;
    std::vector<QString> tags() const;
    // The block whose image the cell shows, noBlock for none.
    int blockShown(int cell) const;

    // Lays out a new N x N board (N from 1 on): no cell shows or carries a block, the empty
    // cell is the last. The moves and the board as dealt go; the time and the count stay.
    void divide(int gridSize);
    // Every cell shows its own block and carries no number.
    void showInOrder();
    // A new game: cell c carries pieces[c]. `pieces` holds 0 to n - 1 once each with n - 1 in
    // the last cell, which is the empty cell. Becomes the board as dealt; no move made yet. The
    // time and the count are the caller's to reset. Raises InvalidCall for any other list.
    void deal(const std::vector<int>& pieces);
    // A saved game put on the board: as deal, but the empty cell may stand anywhere (it carries
    // n - 1). Raises InvalidCall when the arrangement is not one of this board's. The deal it
    // came from is unknown until restoreDeal tells it.
    void restore(const SavedArrangement& saved);
    // The deal a restored game came from, as stored beside it: becomes the board as dealt,
    // where a restart goes. Raises InvalidCall, and changes nothing, when `dealt` is no deal
    // of this board (every block once, the last cell empty, solvable).
    void restoreDeal(const std::vector<int>& dealt);
    // Whether the board as dealt is the game's deal: after deal, or a restore with its deal. A
    // restore alone takes the restored board as the start.
    bool dealKnown() const { return m_dealKnown; }

    // The rule. Whether a click on `cell` slides its block into the empty cell: during a game,
    // only a direct neighbour on the grid.
    bool canMove(int cell) const;
    // The cell whose block an arrow key slides into the empty cell, -1 for none.
    int cellForArrow(Arrow arrow) const;
    // The block of `cell` slides into the empty cell, which `cell` becomes; the move is
    // recorded. Raises InvalidCall and changes nothing when canMove(cell) is false.
    void slide(int cell);
    // One more move on the count. Raises Overflow at the largest count, which then stays.
    void countMove();
    // A whole accepted move (slide, then count); false, with nothing changed, when refused.
    // A new move forgets the moves taken back.
    bool move(int cell);

    // Taking moves back and making them again. Neither works on a completed game: it stays
    // won. The cell whose block an undo slides into the empty cell (the empty cell of the last
    // move), -1 when there is nothing to undo; the same for a redo of the last move undone.
    int undoCell() const;
    int redoCell() const;
    // The block of undoCell() slides back; the move goes over to the moves to redo. Raises
    // InvalidCall when there is nothing to undo. Counts nothing, as slide.
    void slideBack();
    // The last move undone is made again, by the same block. Raises InvalidCall when there is
    // nothing to redo. Counts nothing.
    void slideAgain();
    // Whole moves: slideBack or slideAgain, then one move more on the count (the count tells
    // the moves made, and an undo is a move); false, with nothing changed, when refused.
    bool undo();
    bool redo();
    // The board as dealt again, no move made or to redo, the count and the time 0, the view
    // the game's. Raises InvalidCall while there is no deal.
    void restart();
    // Every block home: cells 0 to n - 2 carry their own numbers.
    bool isComplete() const;
    // The completed photo: the last cell shows the last block too.
    void showWholePhoto();

    // The moves since the deal or the restore, the first first; undone moves are no longer
    // among them.
    const std::vector<Move>& moves() const { return m_moves; }
    // The moves undone, the next to redo last.
    const std::vector<Move>& undoneMoves() const { return m_undone; }
    // The board as dealt (or as restored), the empty cell carrying n - 1; empty before either.
    const std::vector<int>& dealtPieces() const { return m_dealt; }

    int32_t moveCount() const { return m_moveCount; }
    void setMoveCount(int32_t count) { m_moveCount = count; }
    void resetMoveCount() { m_moveCount = 0; }
    const ElapsedTime& elapsed() const { return m_elapsed; }
    void setElapsed(const ElapsedTime& time) { m_elapsed = time; }
    void resetTime() { m_elapsed = {}; }
    // One second more; true when the time reached 24 hours (see advanceClock).
    bool tick() { return advanceClock(m_elapsed); }

    // The game as the store keeps it. Section "Oyun": "Foto-" + k for each cell k in order, the
    // empty cell's value its own number followed by "B", the others their block numbers.
    KeyValuePairs storedCells() const;
    // Section "Oyun\Bilgiler": "Saniye Bilgisi", "Dakika Bilgisi", "Saat Bilgisi" and
    // "Hamle Bilgisi", in that order, in plain decimal.
    KeyValuePairs storedInfo() const;
    // One value of "Oyun\Bilgiler" read into the game: the seconds and minutes 0 to 59, the
    // hours 0 to 23, the moves from 0 on. A text that is no number raises TypeMismatch, one out
    // of range Overflow; the game then keeps its value. Other keys are no part of the game.
    void readStoredInfo(const QString& key, const QString& value);
    // A stored game for an N x N board, read as a whole: nullopt when its cells are no playable
    // game of that board (readSavedArrangement) or a value of its information does not read.
    // A value missing from `info` reads as 0.
    static std::optional<Game> fromStored(const KeyValuePairs& cells, const KeyValuePairs& info,
                                          int gridSize);

    // The deal kept beside the stored game, in the program's own section "Dagitim": the cells
    // of the board as dealt in the form of section "Oyun" (the empty cell, the last, "kB").
    // Empty while the deal is not known.
    KeyValuePairs storedDeal() const;
    // A stored deal read for an N x N board: nullopt when it is none (see restoreDeal).
    static std::optional<std::vector<int>> readStoredDeal(const KeyValuePairs& values,
                                                          int gridSize);

    bool operator==(const Game&) const = default;

private:
    // Whether `pieces` holds each block number of this board once.
    bool isArrangement(const std::vector<int>& pieces) const;
    bool isDeal(const std::vector<int>& pieces) const;
    // The one exchange of a block and the empty cell every move, undo and redo makes.
    void exchange(int cell);
    void start(const std::vector<int>& pieces);

    int m_gridSize = 0;
    std::vector<int> m_pieces;
    int m_blank = 0;
    View m_view = View::Nothing;
    std::vector<int> m_dealt;
    bool m_dealKnown = false;
    std::vector<Move> m_moves;
    std::vector<Move> m_undone;
    int32_t m_moveCount = 0;
    ElapsedTime m_elapsed;
};

} // namespace tessel
