#include "idleclock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <map>

namespace bench {

namespace {

// What one thread has done so far: the context switches it asked for (each a wait it was
// woken from) and its processor time in nanoseconds.
struct Activity
{
    qint64 wakeups = 0;
    qint64 cpuNs = 0;
};

// By thread: a thread that ends between two looks is left out of both.
std::map<QString, Activity> activityOf(qint64 pid)
{
    std::map<QString, Activity> threads;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        Activity& a = threads[task];
        QFile status(tasks.filePath(task + QStringLiteral("/status")));
        if (status.open(QIODevice::ReadOnly))
            for (const QByteArray& line : status.readAll().split('\n'))
                if (line.startsWith("voluntary_ctxt_switches:"))
                    a.wakeups = line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly))
            a.cpuNs = schedstat.readAll().split(' ').value(0).toLongLong();
    }
    return threads;
}

Activity between(const std::map<QString, Activity>& before,
                 const std::map<QString, Activity>& after)
{
    Activity total;
    for (const auto& [thread, later] : after) {
        const auto earlier = before.find(thread);
        // A thread started meanwhile counts from zero.
        const Activity start = earlier != before.end() ? earlier->second : Activity {};
        total.wakeups += later.wakeups - start.wakeups;
        total.cpuNs += later.cpuNs - start.cpuNs;
    }
    return total;
}

} // namespace

std::pair<Runs, Runs> measureIdleClock(const QString& tessel, int windows, int seconds)
{
    std::pair<Runs, Runs> result;
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfbRun.isEmpty()) {
        result.first.failure = result.second.failure = QStringLiteral("needs xvfb-run (xvfb)");
        return result;
    }
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    run.start(xvfbRun,
              { QStringLiteral("-a"), QStringLiteral("-s"),
                QStringLiteral("-screen 0 1280x1024x24 -nolisten tcp"),
                QCoreApplication::applicationFilePath(), QStringLiteral("--idle-clock"), tessel,
                QString::number(windows), QString::number(seconds) });
    if (!run.waitForFinished(120000 + windows * seconds * 2000) || run.exitCode() != 0) {
        result.first.failure = result.second.failure = QStringLiteral("the run under Xvfb failed");
        return result;
    }
    for (const QByteArray& line : run.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> words = line.trimmed().split(' ');
        if (words.size() != 2)
            continue;
        result.first.runs.push_back({ false, words[0].toDouble(), -1 });
        result.second.runs.push_back({ false, words[1].toDouble(), -1 });
    }
    if (result.first.runs.empty())
        result.first.failure = result.second.failure = QStringLiteral("nothing measured");
    return result;
}

int idleClockMain(const QString& tessel, int windows, int seconds)
{
    // A 4 x 4 game stored with "Save on exit": the start restores it and its clock runs.
    QTemporaryDir config;
    if (!config.isValid() || !QDir(config.path()).mkpath(QStringLiteral("Velkor")))
        return 1;
    QFile store(config.filePath(QStringLiteral("Velkor/Tessel.ini")));
    if (!store.open(QIODevice::WriteOnly))
        return 1;
    // One move from home: block 14 in the last cell, the empty cell beside it.
    QByteArray text = "[Ayarlar]\nSon Bolme=1\nOyunu Kaydet=1\n[Oyun]\n";
    for (int c = 0; c < 16; ++c)
        text += "Foto-" + QByteArray::number(c) + '='
            + (c == 14 ? QByteArray("14B") : QByteArray::number(c == 15 ? 14 : c)) + '\n';
    text += "[Oyun\\Bilgiler]\nHamle Bilgisi=40\n";
    store.write(text);
    store.close();

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(tessel, {});
    if (!program.waitForStarted(30000))
        return 1;
    // Past the start-up, which watches a window without a window manager for a few seconds.
    QThread::sleep(8);
    const qint64 pid = program.processId();
    for (int w = 0; w < windows && program.state() == QProcess::Running; ++w) {
        const auto before = activityOf(pid);
        QElapsedTimer clock;
        clock.start();
        QThread::sleep(seconds);
        const Activity done = between(before, activityOf(pid));
        const double elapsedS = clock.nsecsElapsed() / 1e9;
        std::printf("%.3f %.4f\n", done.wakeups / elapsedS, done.cpuNs / 1e6 / elapsedS);
    }
    std::fflush(stdout);
    program.kill();
    program.waitForFinished();
    return 0;
}

} // namespace bench
