#include "solver/movepruning.h"
#include "solver/solver.h"
#include "solver/tablefile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <random>
#include <thread>

#include <map>
#include <sys/stat.h>
#include <unordered_map>

using namespace tessel::solver;

namespace {

struct Instance
{
    int id = 0;
    Board board; // in the game's form: the empty cell last in the goal
    int shortest = 0;
};

// Korf's files have the empty cell top left in the goal: a half turn with block t renamed
// N² - t gives the game's goal and keeps every length.
QList<Instance> korfInstances(const QString& name, int size)
{
    QFile file(QFINDTESTDATA("solver/data/" + name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(name));
    const int cells = size * size;
    QList<Instance> instances;
    while (!file.atEnd()) {
        const QString line = QString::fromLatin1(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList numbers = line.split(u' ', Qt::SkipEmptyParts);
        if (numbers.size() != cells + 2)
            qFatal("bad line: %s", qPrintable(line));
        Instance instance;
        instance.id = numbers[0].toInt();
        instance.shortest = numbers.last().toInt();
        instance.board = { size, std::vector<Tile>(size_t(cells)) };
        for (int i = 0; i < cells; ++i) {
            const int t = numbers[i + 1].toInt();
            instance.board.cells[size_t(cells - 1 - i)] = Tile(t == 0 ? 0 : cells - t);
        }
        instances.append(instance);
    }
    return instances;
}

// Every 3 x 3 board's distance from the goal by a plain breadth-first search over boards
// written as text: nothing of the solver's table or ranking.
std::unordered_map<std::string, int> independentDistances()
{
    std::unordered_map<std::string, int> distance;
    std::string goal = "123456780";
    std::vector<std::string> layer { goal }, next;
    distance[goal] = 0;
    for (int d = 1; !layer.empty(); ++d) {
        next.clear();
        for (const std::string& board : layer) {
            const int blank = int(board.find('0'));
            const int r = blank / 3, c = blank % 3;
            const int steps[4][2] = { { -1, 0 }, { 1, 0 }, { 0, -1 }, { 0, 1 } };
            for (const auto& step : steps) {
                const int nr = r + step[0], nc = c + step[1];
                if (nr < 0 || nr > 2 || nc < 0 || nc > 2)
                    continue;
                std::string moved = board;
                std::swap(moved[size_t(blank)], moved[size_t(nr * 3 + nc)]);
                if (distance.emplace(moved, d).second)
                    next.push_back(moved);
            }
        }
        std::swap(layer, next);
    }
    return distance;
}

std::string textOf(const Board& board)
{
    std::string text;
    for (Tile t : board.cells)
        text += char('0' + t);
    return text;
}

// A board of `size` reached from the goal by `moves` random slides, never straight back.
Board shuffled(int size, int moves, std::mt19937& random)
{
    Board board = goalBoard(size);
    int previous = -1;
    for (int i = 0; i < moves; ++i) {
        const int blank = blankCell(board);
        std::vector<int> cells;
        for (int c = 0; c < size * size; ++c) {
            const bool beside = (c / size == blank / size && std::abs(c - blank) == 1)
                || std::abs(c - blank) == size;
            if (beside && c != previous)
                cells.push_back(c);
        }
        const int cell = cells[std::uniform_int_distribution<size_t>(0, cells.size() - 1)(random)];
        slide(board, board.cells[size_t(cell)]);
        previous = blank;
    }
    return board;
}

// Plays the empty cell's moves (letters of directionLetters) on a 4 x 4 board; false when one
// would leave the board.
bool playBlank(Board& board, const std::string& moves)
{
    for (char letter : moves) {
        const int blank = blankCell(board);
        const int step[] = { 4, -1, 1, -4 };
        const int direction = directionOf(letter);
        const int to = blank + step[direction];
        const bool sideways = direction == MoveLeft || direction == MoveRight;
        if (to < 0 || to >= 16 || (sideways && to / 4 != blank / 4))
            return false;
        slide(board, board.cells[size_t(to)]);
    }
    return true;
}

// Every string of the empty cell's moves up to `length`, none turning straight back, from each
// cell of a 4 x 4 board: the earliest of the shortest strings to each board they reach must be
// one the machine lets through (a search that skips the others still finds shortest
// solutions). Returns how many strings the machine stops, or -1 when it stops an earliest one.
template<typename Machine>
int checkPruning(const Machine& machine, int length)
{
    int stopped = 0;
    for (int start = 0; start < 16; ++start) {
        Board board = goalBoard(4);
        std::swap(board.cells[15], board.cells[size_t(start)]);
        std::map<std::vector<Tile>, std::pair<std::string, int>> earliest;
        // Each string with the machine's state after it (-1 once stopped).
        std::vector<std::pair<std::string, int>> level = { { std::string(), 0 } };
        for (int n = 0; n <= length; ++n) {
            std::vector<std::pair<std::string, int>> next;
            for (const auto& [moves, state] : level) {
                Board played = board;
                if (!playBlank(played, moves))
                    continue;
                stopped += state < 0 ? 1 : 0;
                // Breadth first, in letter order: the first string to a board is the earliest.
                earliest.try_emplace(played.cells, moves, state);
                for (size_t d = 0; d < 4; ++d) {
                    if (!moves.empty() && directionOf(moves.back()) == 3 - int(d))
                        continue;
                    next.emplace_back(moves + directionLetters[d],
                                      state < 0 ? -1 : int(machine[state][d]));
                }
            }
            level = std::move(next);
        }
        for (const auto& [cells, earliestMoves] : earliest)
            if (earliestMoves.second < 0) {
                qWarning("from cell %d, %s is stopped", start, earliestMoves.first.c_str());
                return -1;
            }
    }
    return stopped;
}
} // namespace

class TestSolver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The tables the build wrote next to the programs.
        setTableFolder(QCoreApplication::applicationDirPath().toStdString());
    }

    // First, while no table is loaded: without table files, a shutdown stops the build.
    void aShutdownStopsTheTablesBuild()
    {
        QTemporaryDir empty;
        setTableFolder(empty.path().toStdString());
        std::atomic<bool> shutdown { false };
        SearchControl control;
        control.shutdown = &shutdown;
        Solution solution;
        solution.found = true;
        QElapsedTimer clock;
        clock.start();
        std::thread search([&] { solution = solve(goalBoard(4), control); });
        QThread::msleep(200);
        shutdown = true;
        search.join();
        // The build takes many seconds of a core; stopped, it ends within a few of its steps.
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!solution.found);
        QCOMPARE(fifteenDatabases(control), nullptr);
        for (const TableReport& report : tableReports())
            QVERIFY(report.name.find("4 x 4") == std::string::npos);
        // Nothing half built is kept: the next search reads the file.
        setTableFolder(QCoreApplication::applicationDirPath().toStdString());
        shutdown = false;
        QVERIFY(fifteenDatabases(control) != nullptr);
        QVERIFY(fifteenDatabases().groups().front().mapped());
        QVERIFY(solve(goalBoard(4), control).found);
    }

    void boardRules()
    {
        Board goal = goalBoard(4);
        QVERIFY(isGoal(goal) && isSolvable(goal));
        QCOMPARE(toText(goalBoard(3)), std::string("1 2 3 4 5 6 7 8 0"));
        // Two blocks exchanged: sliding never brings that home, on odd and even widths.
        for (int size : { 3, 4, 5 }) {
            Board swapped = goalBoard(size);
            std::swap(swapped.cells[0], swapped.cells[1]);
            QVERIFY(isWellFormed(swapped));
            QVERIFY(!isSolvable(swapped));
            QVERIFY(!solve(swapped).found);
        }
        // On 4 x 4 the empty cell one row up flips the parity back.
        Board up = goalBoard(4);
        QVERIFY(slide(up, 12));
        QVERIFY(isSolvable(up));
        std::swap(up.cells[0], up.cells[1]);
        QVERIFY(!isSolvable(up));
        // A block that is not beside the empty cell does not move.
        Board still = goalBoard(3);
        QVERIFY(!slide(still, 1));
        QVERIFY(isGoal(still));
        Board repeated { 3, { 1, 1, 2, 3, 4, 5, 6, 7, 0 } };
        QVERIFY(!isWellFormed(repeated));
        QVERIFY(!solve(repeated).found);
        // The mirror board keeps the goal, and a board's mirror is as far from it.
        QVERIFY(isGoal(transposed(goalBoard(5))));
        Board board = goalBoard(3);
        QVERIFY(play(board, { 6, 5, 2 }));
        QCOMPARE(eightTable().distance(transposed(board)), 3);
        QCOMPARE(transposed(transposed(board)), board);
    }

    void eightTableDepthHistogram()
    {
        // The known distribution of the 181,440 solvable 3 x 3 boards with the empty cell in a
        // corner of the goal: two boards need 31 moves, none more.
        const std::vector<int> known
            = { 1,     2,     4,     8,     16,    20,   39,   62,   116,   152,   286,
                396,   748,   1024,  1893,  2512,  4485, 5638, 9529, 10878, 16993, 17110,
                23952, 20224, 24047, 15578, 14560, 6274, 3910, 760,  221,   2 };
        const std::vector<int> histogram = eightTable().histogram();
        QCOMPARE(histogram, known);
        QCOMPARE(std::accumulate(histogram.begin(), histogram.end(), 0), 181440);
    }

    void eightHintsEachLeadOneMoveNearer()
    {
        const auto distance = independentDistances();
        QCOMPARE(distance.size(), size_t(181440));
        std::mt19937 random(20240517);
        for (int sample = 0; sample < 300; ++sample) {
            const Board board = shuffled(3, 20 + sample % 40, random);
            const int d = distance.at(textOf(board));
            QCOMPARE(eightTable().distance(board), d);
            const Solution solution = solve(board);
            QVERIFY(solution.found && solution.shortest);
            QCOMPARE(int(solution.moves.size()), d);
            // The hint is the first move: the board it leads to is one move nearer.
            Board after = board;
            if (d > 0) {
                QVERIFY(slide(after, solution.moves.front()));
                QCOMPARE(distance.at(textOf(after)), d - 1);
            }
            Board played = board;
            QVERIFY(play(played, solution.moves));
            QVERIFY(isGoal(played));
        }
    }

    void korfHundredShortestLengths()
    {
        const QList<Instance> instances = korfInstances(QStringLiteral("korf100.txt"), 4);
        QCOMPARE(instances.size(), 100);
        for (const Instance& instance : instances) {
            const Solution solution = solve(instance.board);
            QVERIFY2(solution.found && solution.shortest, qPrintable(QString::number(instance.id)));
            QVERIFY2(int(solution.moves.size()) == instance.shortest,
                     qPrintable(QStringLiteral("instance %1: %2 moves, known shortest %3")
                                    .arg(instance.id)
                                    .arg(solution.moves.size())
                                    .arg(instance.shortest)));
            // Every move a slide of a block beside the empty cell, ending at the goal.
            Board board = instance.board;
            QVERIFY(play(board, solution.moves));
            QVERIFY(isGoal(board));
            // The starting bound never overestimates.
            QVERIFY(fifteenDatabases().lowerBound(instance.board) <= instance.shortest);
        }
    }

    void theSkippedMoveStringsLeaveEveryBoardAnEarliestWay()
    {
        // The machine the build made, and one made here from shorter strings: each list holds
        // strings that the kept ones match cell for cell, and each machine skips many strings
        // but never the earliest shortest way to a board.
        const std::vector<DuplicateMoves> strings = duplicateMoveStrings(8);
        QVERIFY(!strings.empty());
        for (const DuplicateMoves& duplicate : strings) {
            QVERIFY(duplicate.kept.size() <= duplicate.moves.size());
            QVERIFY(duplicate.kept.size() < duplicate.moves.size()
                    || duplicate.kept < duplicate.moves);
            for (int start = 0; start < 16; ++start) {
                Board board = goalBoard(4), other;
                std::swap(board.cells[15], board.cells[size_t(start)]);
                other = board;
                if (playBlank(board, duplicate.moves)) {
                    QVERIFY(playBlank(other, duplicate.kept));
                    QCOMPARE(other, board);
                }
            }
        }
        const auto small = pruningAutomaton(strings);
        const int stoppedBySmall = checkPruning(small, 8);
        QVERIFY(stoppedBySmall > 0);
        QVERIFY(movePruningLength >= 8);
        const int stoppedByBuilt = checkPruning(movePruningTable, 8);
        QVERIFY(stoppedByBuilt >= stoppedBySmall);
    }

    void aBoardBesideAKnownPathIsSolvedShortestForLessWork()
    {
        // Instances quick to solve in full, so that every board beside them can be solved in
        // full too, by a search that knows nothing of the path, as the reference.
        const QList<Instance> instances = korfInstances(QStringLiteral("korf100.txt"), 4);
        uint64_t nearNodes = 0, freshNodes = 0;
        int nearer = 0, farther = 0;
        for (const int id : { 55, 12, 30, 19, 47, 42, 9, 46, 71, 79, 97, 94 }) {
            const Instance& instance = instances[id - 1];
            SolutionMemory memory;
            const Solution known = memory.solve(instance.board);
            QVERIFY(known.found && known.shortest);
            QCOMPARE(int(known.moves.size()), instance.shortest);

            // On the path: the rest of it, with no search.
            Board onPath = instance.board;
            QVERIFY(slide(onPath, known.moves[0]));
            const Solution rest = memory.solve(onPath);
            QVERIFY(rest.found && rest.shortest);
            QCOMPARE(int(rest.moves.size()), instance.shortest - 1);
            QCOMPARE(rest.nodes, uint64_t(0));

            // Off it: each other move from the start.
            for (int cell = 0; cell < 16; ++cell) {
                Board off = instance.board;
                const Tile tile = off.cells[size_t(cell)];
                if (tile == known.moves[0] || !slide(off, tile))
                    continue;
                QCOMPARE(stepBetween(off, instance.board),
                         Tile(instance.board.cells[size_t(cell)]));
                SolutionMemory copy = memory; // each board judged from the start's path alone
                const Solution near = copy.solve(off);
                const Solution fresh = solveFifteen(off, fifteenDatabases());
                QVERIFY(near.found && near.shortest && fresh.found);
                QCOMPARE(near.moves.size(), fresh.moves.size());
                const int length = int(near.moves.size());
                QVERIFY(length == instance.shortest - 1 || length == instance.shortest + 1);
                (length < instance.shortest ? nearer : farther) += 1;
                Board played = off;
                QVERIFY(play(played, near.moves));
                QVERIFY(isGoal(played));
                // The bounded search is the full one's iteration at d - 1, no more.
                QVERIFY(near.nodes <= fresh.nodes);
                nearNodes += near.nodes;
                freshNodes += fresh.nodes;
            }
        }
        // Both outcomes of the bounded search are met, and the work is well below the full one's.
        QVERIFY(nearer > 0 && farther > 0);
        QVERIFY2(nearNodes * 2 < freshNodes,
                 qPrintable(QStringLiteral("%1 nodes against %2").arg(nearNodes).arg(freshNodes)));
    }

    void aBoardTwoMovesOffOrOfAnotherSizeIsSolvedInFull()
    {
        const Instance instance = korfInstances(QStringLiteral("korf100.txt"), 4)[54];
        SolutionMemory memory;
        const Solution known = memory.solve(instance.board);
        // Two moves away from the start, no board of the path on it or beside it.
        auto nearPath = [&](const Board& b) {
            Board onPath = instance.board;
            for (Tile t : known.moves) {
                if (onPath == b || stepBetween(b, onPath) != 0)
                    return true;
                slide(onPath, t);
            }
            return onPath == b || stepBetween(b, onPath) != 0;
        };
        std::optional<Board> found;
        for (Tile a = 1; a < 16 && !found; ++a)
            for (Tile b = 1; b < 16 && !found; ++b) {
                Board two = instance.board;
                if (slide(two, a) && slide(two, b) && !nearPath(two))
                    found = two;
            }
        QVERIFY(found.has_value());
        const Board two = *found;
        const Solution far = memory.solve(two);
        const Solution fresh = solve(two);
        QVERIFY(far.found && far.shortest);
        QCOMPARE(far.moves.size(), fresh.moves.size());
        QCOMPARE(far.nodes, fresh.nodes);
        // 3 x 3 boards go to their table; a 5 x 5 solution is not shortest and is not kept.
        Board small = goalBoard(3);
        QVERIFY(play(small, { 6, 5, 2 }));
        QCOMPARE(memory.solve(small).moves.size(), size_t(3));
        const Board big = korfInstances(QStringLiteral("korf24.txt"), 5)[0].board;
        QVERIFY(memory.solve(big).found);
        // No more than `capacity` kept: the first board, pushed out by others, is searched again.
        SolutionMemory full;
        full.solve(instance.board);
        Board board = goalBoard(4);
        for (Tile t : { 12, 11, 7, 3, 2, 6, 10, 9, 5 }) {
            QVERIFY(slide(board, t));
            full.remember(board, solve(board));
        }
        QVERIFY(full.solve(instance.board).nodes > 0);
    }

    void twentyFourSolutionsReachTheGoalAndAreNoShorterThanKnown()
    {
        const QList<Instance> instances = korfInstances(QStringLiteral("korf24.txt"), 5);
        QCOMPARE(instances.size(), 50);
        for (const Instance& instance : instances) {
            const Solution solution = solve(instance.board);
            QVERIFY(solution.found);
            QVERIFY(!solution.shortest);
            Board board = instance.board;
            QVERIFY(play(board, solution.moves));
            QVERIFY(isGoal(board));
            QVERIFY2(int(solution.moves.size()) >= instance.shortest,
                     qPrintable(QString::number(instance.id)));
        }
    }

    void aCancelledSearchStopsWithoutASolution()
    {
        // The hardest of Korf's hundred for this solver, stopped before it starts.
        const QList<Instance> instances = korfInstances(QStringLiteral("korf100.txt"), 4);
        std::atomic<bool> cancel { true };
        SearchControl control;
        control.cancel = &cancel;
        for (const int id : { 60, 82 }) {
            const Solution solution = solve(instances[id - 1].board, control);
            QVERIFY(!solution.found);
            QVERIFY(solution.moves.empty());
            QVERIFY(solution.nodes <= 0x4000);
        }
        const Solution big
            = solve(korfInstances(QStringLiteral("korf24.txt"), 5)[0].board, control);
        QVERIFY(!big.found);
    }

    void aNodeCapGivesUpAndAWeightedSearchStillSolves()
    {
        const Board board = korfInstances(QStringLiteral("korf100.txt"), 4)[59].board;
        SearchControl capped;
        capped.nodeLimit = 50000;
        const Solution stopped = solveFifteen(board, fifteenDatabases(), capped);
        QVERIFY(!stopped.found);
        QVERIFY(stopped.capped);
        const Solution weighted = solveFifteen(board, fifteenDatabases(), {}, { 3, 1 });
        QVERIFY(weighted.found);
        QVERIFY(!weighted.shortest);
        QVERIFY(int(weighted.moves.size()) >= 66);
        Board played = board;
        QVERIFY(play(played, weighted.moves));
        QVERIFY(isGoal(played));
    }

    void tableFilesAreCheckedWhole()
    {
        const std::string folder = QCoreApplication::applicationDirPath().toStdString();
        const std::string path = folder + '/' + fifteenTableFile;
        const auto read = FifteenDatabases::read(path);
        QVERIFY(read.has_value());
        // The three-block group, built here, is what the file holds.
        const auto& groups = FifteenDatabases::standardPartition();
        const PatternDatabase built = PatternDatabase::build(4, groups.back());
        const auto stored = read->groups().back().bytes();
        QVERIFY(
            std::equal(stored.begin(), stored.end(), built.bytes().begin(), built.bytes().end()));
        QCOMPARE(read->bytes(), size_t(5765760 + 3360 / 2));

        QTemporaryDir dir;
        QFile original(QString::fromStdString(path));
        QVERIFY(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        auto writeCopy = [&](const QByteArray& content) {
            const QString copy = dir.filePath(QStringLiteral("copy.tables"));
            QFile file(copy);
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                || file.write(content) != content.size())
                qFatal("cannot write the copy");
            return copy.toStdString();
        };
        QVERIFY(FifteenDatabases::read(writeCopy(bytes)).has_value());
        QByteArray flipped = bytes;
        flipped[bytes.size() / 2] = char(flipped[bytes.size() / 2] ^ 0x10);
        QVERIFY(!FifteenDatabases::read(writeCopy(flipped)).has_value());
        QVERIFY(!FifteenDatabases::read(writeCopy(bytes.left(bytes.size() - 1))).has_value());
        QVERIFY(!FifteenDatabases::read(writeCopy(bytes + 'x')).has_value());
        QVERIFY(!FifteenDatabases::read(dir.filePath(QStringLiteral("none")).toStdString()));
        // Only a regular file: a FIFO is refused without waiting for a writer, a folder too.
        const QString fifo = dir.filePath(QStringLiteral("fifo.tables"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!FifteenDatabases::read(fifo.toStdString()).has_value());
        QVERIFY(!FifteenDatabases::read(dir.path().toStdString()).has_value());
        QVERIFY(!FifteenDatabases::read("/dev/zero").has_value());
        // What is read is a view of the file, not a copy.
        QVERIFY(read->groups().front().mapped());
        QVERIFY(TwentyFourTables::read(folder + '/' + twentyFourTableFile)->mapped());
        // The 5 x 5 tables' file is not the 4 x 4 one's.
        QVERIFY(!FifteenDatabases::read(folder + '/' + twentyFourTableFile).has_value());
        QVERIFY(TwentyFourTables::read(folder + '/' + twentyFourTableFile).has_value());
    }
};

QTEST_GUILESS_MAIN(TestSolver)
#include "tst_solver.moc"
