// tessel_bench: times the program's hot paths and prints one table row per measurement.
// To add one, write a function returning a Measurement and list it in main().
#include "common/shared.h"
#include "game/closesettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace tessel;

namespace {

struct Measurement
{
    QString name;
    std::vector<double> milliseconds; // one per run
    double goalMs = 0; // 0: no goal
};

// Runs `prepare` untimed and `work` timed, `runs` times.
Measurement measure(const QString& name, int runs, double goalMs,
                    const std::function<void(int run)>& prepare,
                    const std::function<void(int run)>& work)
{
    Measurement m { name, {}, goalMs };
    for (int run = 0; run < runs; ++run) {
        prepare(run);
        QElapsedTimer clock;
        clock.start();
        work(run);
        m.milliseconds.push_back(clock.nsecsElapsed() / 1e6);
    }
    return m;
}

void printTable(const std::vector<Measurement>& measurements)
{
    std::printf("%-52s %5s %9s %9s %9s  %s\n", "measurement", "runs", "min ms", "median ms",
                "goal ms", "");
    for (Measurement m : measurements) {
        std::sort(m.milliseconds.begin(), m.milliseconds.end());
        const size_t n = m.milliseconds.size();
        const double median = n % 2 ? m.milliseconds[n / 2]
                                    : (m.milliseconds[n / 2 - 1] + m.milliseconds[n / 2]) / 2;
        const QByteArray goal = m.goalMs > 0 ? QByteArray::number(m.goalMs) : QByteArray("-");
        const char* verdict = m.goalMs <= 0 ? "" : median < m.goalMs ? "met" : "MISSED";
        std::printf("%-52s %5zu %9.2f %9.2f %9s  %s\n", m.name.toUtf8().constData(), n,
                    m.milliseconds.front(), median, goal.constData(), verdict);
    }
}

// The folder the store lives in for the timings: beside the program, on a real disk like
// the user's configuration folder (a tmpfs /tmp would hide the cost of the sync).
QString scratchFolder()
{
    static QTemporaryDir dir(QCoreApplication::applicationDirPath() + "/bench-XXXXXX");
    return dir.path();
}

// The close handler's writes (one locked, atomic replace) at the exit of a 5 x 5 game in
// progress, replacing the 5 x 5 game stored at the exit before.
Measurement closeWritesFiveByFive()
{
    CloseSnapshot snapshot;
    snapshot.left = 4605;
    snapshot.top = 3255;
    snapshot.divisionIndex = 2;
    snapshot.photoPath = QStringLiteral("/home/player/Resimler/Sample-1.jpg");
    snapshot.saveOnExit = 1;
    snapshot.gameRunning = true;
    for (int i = 0; i < 25; ++i)
        snapshot.cellTags.push_back(QString::number((i * 7) % 25));
    snapshot.blankIndex = 12;
    snapshot.seconds = 42;
    snapshot.minutes = 17;
    snapshot.clickCount = 311;

    const QString path = scratchFolder() + "/Tessel.ini";
    return measure(
        QStringLiteral("close: writes of a 5 x 5 game in progress"), 30, 20,
        [&](int) {
            QFile::remove(path);
            SettingsStore store(path);
            KeyValuePairs none;
            writeCloseSettings(store, snapshot, none); // the earlier exit's file
        },
        [&](int) {
            SettingsStore store(path);
            KeyValuePairs savedGame;
            writeCloseSettings(store, snapshot, savedGame);
        });
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    shared().SettingsAppName = QStringLiteral("Velkor\\Tessel");
    const std::vector<std::function<Measurement()>> measurements = {
        closeWritesFiveByFive,
    };
    std::vector<Measurement> results;
    for (const auto& run : measurements)
        results.push_back(run());
    printTable(results);
    return 0;
}
