// The game window's help from the solver: the block of the next move outlined for about a
// second (key H, or "Hint" in the board's context menu), the board solved ahead after every
// move so that the next hint is there at once, and the length of a solution from the game's
// start for the congratulation. The searches run on the solve service's thread.
#pragma once

#include "solver/solveservice.h"

#include <QObject>

#include <optional>
#include <string>
#include <unordered_map>

class QTimer;
class QWidget;

namespace tessel {

class AnaForm;

class HintController : public QObject
{
    Q_OBJECT

public:
    // How long a hint stays outlined.
    static constexpr int outlineMs = 1000;

    explicit HintController(AnaForm& form);

    // The window's news: a game dealt, restored or restarted, a block moved (an undo and a redo
    // too), the game over (completed). The game's start is its deal when the game knows it: a
    // game restored without its deal has no solution length. A restart of the same deal keeps
    // what the solver found.
    void gameStarted();
    void boardChanged();
    void gameOver();

    // Outlines the block of the next move of a solution from the board shown: at once when the
    // move is known, else as soon as the search finds it, unless the board changes first.
    // Nothing while no game runs. The block does not move and nothing is counted.
    void showHint();

    // The length of the solver's solution from the game's start, when that search finished;
    // on 5 x 5, where the solver's is not proven shortest, the player's own game counts when it
    // was shorter. nullopt when the search had not finished.
    std::optional<int> solutionLength() const;
    // Whether that length is proven shortest (3 x 3 and 4 x 4).
    bool solutionIsShortest() const { return m_startShortest; }

    // The cell outlined now, -1 for none.
    int outlinedCell() const { return m_outlinedCell; }
    SolveService& service() { return *m_service; }
    // The board shown, as the solver takes it; nullopt when it is none the solver can take.
    std::optional<solver::Board> boardShown() const;

signals:
    void hintShown(int cell);

private:
    // A board of the game's form (block numbers, the empty cell carrying n - 1) for the solver,
    // nullopt when it is none that sliding can solve.
    static std::optional<solver::Board> boardOf(const std::vector<int>& pieces, int blank,
                                                int size);
    static std::string keyOf(const solver::Board& board);
    void learn(const solver::Board& board, const solver::Solution& solution);
    bool outlineNextMove(const solver::Board& board);
    void hideOutline();
    void solved(const solver::Board& board, const solver::Solution& solution, bool start);

    AnaForm& m_form;
    SolveService* m_service;
    QWidget* m_outline; // a frame drawn over the hinted cell
    QTimer* m_outlineTimer;
    int m_outlinedCell = -1;
    // The next move of a known solution from each board met on one: the boards of a player who
    // follows the hints are all here.
    std::unordered_map<std::string, solver::Tile> m_nextMove;
    std::optional<solver::Board> m_startBoard; // the game's, while its boards follow on
    std::optional<solver::Board> m_lastBoard; // the board after the last move
    std::optional<int> m_startLength;
    bool m_startShortest = true;
    int m_movesSinceStart = 0;
    std::optional<solver::Board> m_hintWanted; // H asked on this board before a move was known
};

} // namespace tessel
