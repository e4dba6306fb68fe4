#include "solverbench.h"

#include "board/boardrules.h"
#include "game/anaform.h"
#include "game/hintcontroller.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <numeric>
#include <random>

namespace bench {

namespace {

struct Solved
{
    double ms = 0; // on the solving thread's clock
    quint64 nodes = 0;
    int length = 0;
    int shortest = 0; // the file's
    bool exact = false; // --check said ok
};

struct SolveRun
{
    QString failure;
    QStringList tableLines;
    double tablesMB = 0;
    std::vector<Solved> boards;
};

// tessel-solve with `arguments` and `input` on its standard input.
SolveRun runSolver(const QStringList& arguments, const QByteArray& input = {})
{
    SolveRun run;
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tessel-solve"),
                  arguments);
    if (!process.waitForStarted()) {
        run.failure = QStringLiteral("tessel-solve did not start");
        return run;
    }
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(-1);
    static const QRegularExpression board(QStringLiteral(
        R"(^(\d+) \(([\d.]+) ms, [\d.]+ ms wall, (\d+) nodes\):.*; (?:expected|shortest known) (\d+), (ok|[\d.]+x))"));
    static const QRegularExpression tables(QStringLiteral(R"(^tables: ([\d.]+) MB)"));
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split(u'\n');
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("table: ")))
            run.tableLines << line.mid(7);
        if (const auto m = tables.match(line); m.hasMatch())
            run.tablesMB = m.captured(1).toDouble();
        if (const auto m = board.match(line); m.hasMatch()) {
            run.boards.push_back({ m.captured(2).toDouble(), m.captured(3).toULongLong(),
                                   m.captured(1).toInt(), m.captured(4).toInt(),
                                   m.captured(5) == QLatin1String("ok") });
        }
    }
    if (process.exitStatus() != QProcess::NormalExit)
        run.failure = QStringLiteral("tessel-solve crashed");
    return run;
}

// A table's time and size from tessel-solve's line "NAME, SIZE MB, TIME ms".
Line tableLine(const SolveRun& run, const QString& name, const QString& label, double goalMs)
{
    static const QRegularExpression pattern(QStringLiteral(R"(, ([\d.]+) MB, ([\d.]+) ms$)"));
    Line line { label, {}, {}, {}, {}, {}, QStringLiteral("not measured") };
    for (const QString& text : run.tableLines) {
        const auto m = pattern.match(text);
        if (!text.startsWith(name) || !m.hasMatch())
            continue;
        const double ms = m.captured(2).toDouble();
        line.runs = QStringLiteral("1");
        line.median = formatMs(ms);
        line.memory = QString::number(m.captured(1).toDouble(), 'f', 2);
        line.result.clear();
        if (goalMs > 0) {
            line.goal = QStringLiteral("< %1 ms").arg(goalMs);
            line.result = ms < goalMs ? QStringLiteral("met") : QStringLiteral("MISSED");
        }
    }
    return line;
}

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const size_t at
        = std::min(values.size() - 1, size_t(fraction * double(values.size() - 1) + 0.5));
    return values[at];
}

Line valueLine(const QString& name, double ms, const QString& goal = {}, bool met = true)
{
    return { name,
             {},
             {},
             formatMs(ms),
             {},
             goal,
             goal.isEmpty() ? QString()
                            : (met ? QStringLiteral("met") : QStringLiteral("MISSED")) };
}

// The time from a hint asked for to the block outlined, by the event loop's clock.
std::optional<double> timeHint(tessel::AnaForm& form)
{
    int cell = -1;
    QEventLoop wait;
    const auto connection
        = QObject::connect(form.hints(), &tessel::HintController::hintShown, &wait, [&](int shown) {
              cell = shown;
              wait.quit();
          });
    QElapsedTimer clock;
    clock.start();
    form.hints()->showHint();
    if (cell < 0) {
        QTimer::singleShot(60000, &wait, &QEventLoop::quit);
        wait.exec();
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    QObject::disconnect(connection);
    if (cell < 0)
        return std::nullopt;
    return ms;
}

// Whether the game is won once block `cell` slides into the empty cell.
bool wouldComplete(const tessel::AnaForm& form, int cell)
{
    tessel::Game game = form.game();
    return game.move(cell) && game.isComplete();
}

// Hints on N x N games in the game window: pressed at once after a random move (a walk away
// from every known solution: each board is new, its search just begun), then pressed after
// following the previous hint.
std::pair<Runs, Runs> hintTimes(int gridSize, int rounds)
{
    using namespace tessel;
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("hints.ini")));
    AnaForm form(store);
    QImage photo(300, 240, QImage::Format_RGB32);
    photo.fill(Qt::darkCyan);
    form.setOriginalPhoto(Photo(photo));
    form.SesleriKapatOnayı->setChecked(true);
    form.show();
    form.ParçalaraBölSeçeneği_Click(gridSize - 3);
    form.YeniOyunDüğmesi_Click();
    std::pair<Runs, Runs> runs;
    std::mt19937 random { uint32_t(gridSize) };
    int lastBlank = -1;
    for (int round = 0; round < rounds; ++round) {
        // Never straight back, never home.
        std::vector<int> moves;
        for (int c = 0; c < gridSize * gridSize; ++c)
            if (c != lastBlank && isMoveAllowed(c, form.BlankIndex(), gridSize)
                && !wouldComplete(form, c))
                moves.push_back(c);
        lastBlank = form.BlankIndex();
        form.DağınıkParçalar_Click(
            moves[std::uniform_int_distribution<size_t>(0, moves.size() - 1)(random)]);
        if (const auto ms = timeHint(form))
            runs.first.runs.push_back({ false, *ms, -1 });
    }
    for (int round = 0; round < rounds; ++round) {
        const int cell = form.hints()->outlinedCell();
        if (cell < 0 || wouldComplete(form, cell)) {
            form.YeniOyunDüğmesi_Click();
        } else {
            form.DağınıkParçalar_Click(cell);
        }
        if (const auto ms = timeHint(form))
            runs.second.runs.push_back({ false, *ms, -1 });
    }
    if (runs.first.runs.size() < size_t(rounds) || runs.second.runs.size() < size_t(rounds))
        runs.first.failure = runs.second.failure = QStringLiteral("a hint did not come");
    return runs;
}

} // namespace

void solverPart(Table& table)
{
    const QString data = QStringLiteral(TESSEL_SOLVER_DATA);
    table.section(
        QStringLiteral("(k) the solver: tessel-solve on one thread, times on that "
                       "thread's clock (processor time, whatever else the machine runs)"));

    const SolveRun built = runSolver({ QStringLiteral("--tables"), QStringLiteral("--build") });
    const SolveRun fifteen = runSolver({ QStringLiteral("--tables"), QStringLiteral("--korf"),
                                         QStringLiteral("--check"), QStringLiteral("--stats"),
                                         data + QStringLiteral("/korf100.txt") });
    const SolveRun twentyFour
        = runSolver({ QStringLiteral("--korf"), QStringLiteral("--check"),
                      QStringLiteral("--stats"), data + QStringLiteral("/korf24.txt") });

    table.add(tableLine(built, QStringLiteral("3 x 3 distance table"),
                        QStringLiteral("3 x 3 distance table, built on first use"), 100));
    table.add(tableLine(fifteen, QStringLiteral("4 x 4 pattern databases"),
                        QStringLiteral("4 x 4 pattern databases 6-6-3, read from their file"), 0));
    table.add(tableLine(built, QStringLiteral("4 x 4 pattern databases"),
                        QStringLiteral("  the same built (the build's step)"), 0));
    table.add(tableLine(fifteen, QStringLiteral("5 x 5 placement tables"),
                        QStringLiteral("5 x 5 placement tables, read from their file"), 0));
    table.add(tableLine(built, QStringLiteral("5 x 5 placement tables"),
                        QStringLiteral("  the same built (the build's step)"), 0));
    table.add({ QStringLiteral("all tables in memory"),
                {},
                {},
                {},
                QString::number(fifteen.tablesMB, 'f', 2),
                QStringLiteral("<= 16 MB"),
                fifteen.tablesMB > 0 && fifteen.tablesMB <= 16 ? QStringLiteral("met")
                                                               : QStringLiteral("MISSED") });

    if (fifteen.boards.size() != 100) {
        table.add(
            { QStringLiteral("Korf's 100 (4 x 4)"),
              {},
              {},
              {},
              {},
              {},
              fifteen.failure.isEmpty() ? QStringLiteral("not all solved") : fifteen.failure });
    } else {
        std::vector<double> ms;
        std::vector<double> nodes;
        int exact = 0;
        for (const Solved& s : fifteen.boards) {
            ms.push_back(s.ms);
            nodes.push_back(double(s.nodes));
            exact += s.exact ? 1 : 0;
        }
        const double median = percentile(ms, 0.5);
        const double worst = *std::max_element(ms.begin(), ms.end());
        table.add(
            { QStringLiteral("Korf's 100 (4 x 4), shortest: %1 of 100 of the known length")
                  .arg(exact),
              QStringLiteral("100"),
              formatMs(*std::min_element(ms.begin(), ms.end())),
              formatMs(median),
              {},
              QStringLiteral("median <= 10 ms"),
              median <= 10 && exact == 100 ? QStringLiteral("met") : QStringLiteral("MISSED") });
        table.add(valueLine(QStringLiteral("  90th percentile"), percentile(ms, 0.9)));
        table.add(
            valueLine(QStringLiteral("  worst"), worst, QStringLiteral("<= 400 ms"), worst <= 400));
        table.add({ QStringLiteral("  nodes expanded: %1 million in all, median %2 thousand")
                        .arg(std::accumulate(nodes.begin(), nodes.end(), 0.0) / 1e6, 0, 'f', 1)
                        .arg(percentile(nodes, 0.5) / 1e3, 0, 'f', 0),
                    {},
                    {},
                    {},
                    {},
                    {},
                    {} });
    }

    if (twentyFour.boards.size() != 50) {
        table.add({ QStringLiteral("Korf's 50 (5 x 5)"),
                    {},
                    {},
                    {},
                    {},
                    {},
                    twentyFour.failure.isEmpty() ? QStringLiteral("not all solved")
                                                 : twentyFour.failure });
        return;
    }
    std::vector<double> ms, ratios;
    for (const Solved& s : twentyFour.boards) {
        ms.push_back(s.ms);
        ratios.push_back(double(s.length) / s.shortest);
    }
    const double worst = *std::max_element(ms.begin(), ms.end());
    const double meanRatio = std::accumulate(ratios.begin(), ratios.end(), 0.0) / 50;
    table.add({ QStringLiteral("Korf's 50 (5 x 5), good solutions"),
                QStringLiteral("50"),
                formatMs(*std::min_element(ms.begin(), ms.end())),
                formatMs(percentile(ms, 0.5)),
                {},
                {},
                {} });
    table.add(valueLine(QStringLiteral("  mean"), std::accumulate(ms.begin(), ms.end(), 0.0) / 50));
    table.add(
        valueLine(QStringLiteral("  worst"), worst, QStringLiteral("<= 500 ms"), worst <= 500));
    table.addRatio(QStringLiteral("  length / shortest known: mean (min column: best)"), meanRatio,
                   *std::min_element(ratios.begin(), ratios.end()), 1.25, QStringLiteral("length"));
    table.addRatio(QStringLiteral("  length / shortest known: worst"),
                   *std::max_element(ratios.begin(), ratios.end()),
                   *std::min_element(ratios.begin(), ratios.end()), 0, QStringLiteral("length"));
}

void hintPart(Table& table)
{
    table.section(QStringLiteral("(l) hint in the game window: from the key to the block "
                                 "outlined, by the wall clock (offscreen)"));
    for (int n : { 3, 4 }) {
        const auto [afterMove, onPath] = hintTimes(n, 40);
        table.addTimed(QStringLiteral("%1 x %1, pressed at once after a random move").arg(n),
                       afterMove, 50);
        table.addTimed(QStringLiteral("%1 x %1, pressed after the hinted move").arg(n), onPath, 50);
    }
}

} // namespace bench
