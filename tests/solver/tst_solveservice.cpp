#include "solver/solver.h"
#include "solver/solveservice.h"

#include <QSignalSpy>
#include <QtTest>

using namespace tessel;
using namespace tessel::solver;

namespace {

// Korf's instance 60, the hardest of his hundred for this solver, in the game's form: its search
// takes far longer than anything else the test does.
Board hardBoard()
{
    const int korf[16] = { 11, 14, 13, 1, 2, 3, 12, 4, 15, 7, 9, 5, 10, 6, 8, 0 };
    Board board { 4, std::vector<Tile>(16) };
    for (int i = 0; i < 16; ++i)
        board.cells[size_t(15 - i)] = Tile(korf[i] == 0 ? 0 : 16 - korf[i]);
    return board;
}

Board nearGoal(int size, const Moves& back)
{
    Board board = goalBoard(size);
    if (!play(board, back))
        qFatal("not a board");
    return board;
}

} // namespace

class TestSolveService : public QObject
{
    Q_OBJECT

private slots:
    void aNewBoardStopsTheSearchOfTheOldOne()
    {
        QVERIFY(isSolvable(hardBoard()));
        SolveService service;
        QSignalSpy solved(&service, &SolveService::solved);
        service.solveCurrent(hardBoard());
        const Board easy = nearGoal(4, { 12, 11, 7 });
        service.solveCurrent(easy);
        QVERIFY(solved.wait(60000));
        QTRY_VERIFY_WITH_TIMEOUT(!service.busy(), 60000);
        QCoreApplication::processEvents();
        // Only the board shown last was answered: the other search was stopped, not finished.
        QCOMPARE(solved.size(), 1);
        QCOMPARE(solved[0][0].value<Board>(), easy);
        const auto solution = solved[0][1].value<Solution>();
        QCOMPARE(solution.moves, (Moves { 7, 11, 12 }));
        QVERIFY(solution.shortest);
        QCOMPARE(solved[0][2].toBool(), false);
    }

    void aBoardAfterAMoveIsAnsweredFromTheLastSolution()
    {
        // Korf's instance 12 (45 moves), then each board after a move off its path: every
        // answer is shortest, as a search knowing nothing finds, and costs the thread less.
        const int korf[16] = { 14, 1, 9, 6, 4, 8, 12, 5, 7, 2, 3, 0, 10, 11, 13, 15 };
        Board board { 4, std::vector<Tile>(16) };
        for (int i = 0; i < 16; ++i)
            board.cells[size_t(15 - i)] = Tile(korf[i] == 0 ? 0 : 16 - korf[i]);
        SolveService service;
        QCOMPARE(service.processorTime().count(), 0);
        QSignalSpy solved(&service, &SolveService::solved);
        service.solveCurrent(board);
        QVERIFY(solved.wait(60000));
        const auto first = solved[0][1].value<Solution>();
        QCOMPARE(first.moves.size(), size_t(45));
        QVERIFY(service.processorTime().count() > 0);
        // The 4 x 4 tables are a read-only, shared mapping of their file, not a private copy.
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        bool mapped = false;
        for (const QByteArray& line : maps.readAll().split('\n'))
            if (line.endsWith("/tessel-4x4.tables"))
                mapped = line.split(' ').value(1) == "r--s";
        QVERIFY(mapped);
        for (Tile t = 1; t < 16; ++t) {
            Board off = board;
            if (t == first.moves.front() || !slide(off, t))
                continue;
            solved.clear();
            service.solveCurrent(off);
            QVERIFY(solved.wait(60000));
            const auto answer = solved[0][1].value<Solution>();
            const Solution fresh = solve(off);
            QCOMPARE(answer.moves.size(), fresh.moves.size());
            QVERIFY(answer.shortest);
            QVERIFY(answer.nodes < fresh.nodes);
            service.solveCurrent(board); // answered from memory at once
            QVERIFY(solved.wait(60000));
            QCOMPARE(solved.last()[1].value<Solution>().nodes, uint64_t(0));
        }
    }

    void theStartBoardAnswersARequestForItself()
    {
        SolveService service;
        QSignalSpy solved(&service, &SolveService::solved);
        const Board board = nearGoal(3, { 6, 3, 2, 5 });
        service.solveStart(board);
        service.solveCurrent(board);
        service.solveStart(board);
        QVERIFY(solved.wait(60000));
        QTRY_VERIFY_WITH_TIMEOUT(!service.busy(), 60000);
        QCoreApplication::processEvents();
        QCOMPARE(solved.size(), 1);
        QCOMPARE(solved[0][2].toBool(), true);
        QCOMPARE(solved[0][1].value<Solution>().moves.size(), size_t(4));
    }

    void cancelAllAnswersNothing()
    {
        SolveService service;
        QSignalSpy solved(&service, &SolveService::solved);
        service.solveStart(hardBoard());
        service.solveCurrent(nearGoal(5, { 20, 15 }));
        service.cancelAll();
        QTRY_VERIFY_WITH_TIMEOUT(!service.busy(), 60000);
        QCoreApplication::processEvents();
        QCOMPARE(solved.size(), 0);
        // It serves again afterwards.
        service.solveCurrent(nearGoal(5, { 20 }));
        QVERIFY(solved.wait(60000));
        QCOMPARE(solved[0][1].value<Solution>().moves, (Moves { 20 }));
    }

    void goingAwayDuringASearchStopsIt()
    {
        // The destructor stops the search and waits for the thread: no result arrives later and
        // nothing is left running (the sanitizers would see it).
        auto service = std::make_unique<SolveService>();
        service->solveCurrent(hardBoard());
        QTRY_VERIFY(service->busy());
        service.reset();
        QCoreApplication::processEvents();
    }
};

QTEST_GUILESS_MAIN(TestSolveService)
#include "tst_solveservice.moc"
