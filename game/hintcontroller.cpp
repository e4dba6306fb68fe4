#include "game/hintcontroller.h"

#include "game/anaform.h"

#include <QGroupBox>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace tessel {

namespace {

// A thick bright frame with a dark edge either side: it shows on any photo.
class HintOutline : public QWidget
{
public:
    explicit HintOutline(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("HintOutline"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect r = rect();
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        painter.drawRect(r.adjusted(5, 5, -6, -6));
        painter.setPen(QPen(QColor(255, 200, 0), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(r).adjusted(3, 3, -3, -3));
    }
};

} // namespace

HintController::HintController(AnaForm& form)
    : QObject(&form)
    , m_form(form)
    , m_service(new SolveService(this))
    , m_outline(new HintOutline(form.Çerçeve.at(0)))
    , m_outlineTimer(new QTimer(this))
{
    m_outlineTimer->setSingleShot(true);
    m_outlineTimer->setInterval(outlineMs);
    connect(m_outlineTimer, &QTimer::timeout, this, [this] { hideOutline(); });
    connect(m_service, &SolveService::solved, this, &HintController::solved);
}

std::optional<solver::Board> HintController::boardShown() const
{
    const Game& game = m_form.game();
    return boardOf(game.pieces(), game.blankIndex(), game.gridSize());
}

std::optional<solver::Board> HintController::boardOf(const std::vector<int>& pieces, int blank,
                                                     int size)
{
    const int n = static_cast<int>(pieces.size());
    if (size < 3 || size * size != n)
        return std::nullopt;
    // The empty cell carries n - 1; a board shown in order carries no blocks at all.
    solver::Board board { size, std::vector<solver::Tile>(size_t(n)) };
    for (int c = 0; c < n; ++c) {
        const int block = pieces[size_t(c)];
        if (block < 0 || block >= n || (c == blank) != (block == n - 1))
            return std::nullopt;
        board.cells[size_t(c)] = solver::Tile(c == blank ? 0 : block + 1);
    }
    if (!solver::isSolvable(board))
        return std::nullopt;
    return board;
}

std::string HintController::keyOf(const solver::Board& board)
{
    return std::string(board.cells.begin(), board.cells.end());
}

void HintController::gameStarted()
{
    hideOutline();
    m_hintWanted.reset();
    const Game& game = m_form.game();
    const std::vector<int>& dealt = game.dealtPieces();
    const auto start = game.dealKnown()
        ? boardOf(dealt, static_cast<int>(dealt.size()) - 1, game.gridSize())
        : std::nullopt;
    // The same deal again (a restart): its solution and every board met on one still hold.
    const bool sameDeal = start && m_startBoard && *m_startBoard == *start;
    if (!sameDeal) {
        m_nextMove.clear();
        m_startLength.reset();
        m_startShortest = true;
    }
    m_service->cancelAll();
    m_startBoard = start;
    m_lastBoard = boardShown();
    // A restored game has its moves from the deal behind it.
    m_movesSinceStart = game.moveCount();
    // Asked from the event loop, so that a game restored at start-up is solved (and the tables
    // read) only after the window is up. A restored game's own board is solved ahead as well.
    QTimer::singleShot(0, this, [this, start, shown = m_lastBoard] {
        if (start && m_startBoard == start && !m_startLength)
            m_service->solveStart(*start);
        if (shown && shown != start && m_lastBoard == shown && !solver::isGoal(*shown)
            && !m_nextMove.count(keyOf(*shown)))
            m_service->solveCurrent(*shown);
    });
}

void HintController::boardChanged()
{
    hideOutline();
    m_hintWanted.reset();
    ++m_movesSinceStart;
    const auto board = boardShown();
    // The start's solution tells about this game only while its boards follow one another by
    // single moves.
    bool followsOn = false;
    if (board && m_lastBoard) {
        solver::Board previous = *m_lastBoard;
        const int blank = solver::blankCell(previous);
        followsOn = solver::slide(previous, board->cells[size_t(blank)]) && previous == *board;
    }
    if (!followsOn)
        m_startBoard.reset();
    m_lastBoard = board;
    if (!board || solver::isGoal(*board))
        return;
    // Solved ahead: the player may ask for a hint at any time.
    if (!m_nextMove.count(keyOf(*board)))
        m_service->solveCurrent(*board);
}

void HintController::gameOver()
{
    hideOutline();
    m_hintWanted.reset();
    m_startBoard.reset();
    m_lastBoard.reset();
    m_service->cancelAll();
}

void HintController::showHint()
{
    if (!m_form.SüreHesapla->running())
        return;
    const auto board = boardShown();
    if (!board || outlineNextMove(*board))
        return;
    m_hintWanted = board;
    m_service->solveCurrent(*board);
}

std::optional<int> HintController::solutionLength() const
{
    if (!m_startLength || !m_startBoard)
        return std::nullopt;
    if (!m_startShortest && m_movesSinceStart < *m_startLength)
        return m_movesSinceStart;
    return m_startLength;
}

void HintController::learn(const solver::Board& board, const solver::Solution& solution)
{
    solver::Board b = board;
    for (solver::Tile t : solution.moves) {
        m_nextMove.emplace(keyOf(b), t);
        if (!solver::slide(b, t))
            return;
    }
}

bool HintController::outlineNextMove(const solver::Board& board)
{
    const auto it = m_nextMove.find(keyOf(board));
    if (it == m_nextMove.end())
        return false;
    int cell = 0;
    while (board.cells[size_t(cell)] != it->second)
        ++cell;
    const PictureBox* box = m_form.DağınıkParçalar.at(size_t(cell));
    m_outline->setGeometry(box->geometry());
    m_outline->raise();
    m_outline->show();
    m_outlinedCell = cell;
    m_outlineTimer->start();
    emit hintShown(cell);
    return true;
}

void HintController::hideOutline()
{
    m_outlineTimer->stop();
    m_outline->hide();
    m_outlinedCell = -1;
}

void HintController::solved(const solver::Board& board, const solver::Solution& solution,
                            bool start)
{
    if (start) {
        if (!m_startBoard || *m_startBoard != board)
            return; // an earlier game's
        m_startLength = int(solution.moves.size());
        m_startShortest = solution.shortest;
    }
    learn(board, solution);
    if (m_hintWanted && m_form.SüreHesapla->running()) {
        const auto shown = boardShown();
        if (shown && *shown == *m_hintWanted && outlineNextMove(*shown))
            m_hintWanted.reset();
    }
}

} // namespace tessel
