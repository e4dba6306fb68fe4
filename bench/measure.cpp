#include "measure.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

#include <memory>

#include <algorithm>
#include <cstdio>

#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace bench {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

bool Runs::allRefused() const
{
    return ok() && std::all_of(runs.begin(), runs.end(), [](const Run& r) { return r.refused; });
}

double Runs::minMs() const
{
    double best = runs.empty() ? 0 : runs.front().ms;
    for (const Run& r : runs)
        best = std::min(best, r.ms);
    return best;
}

double Runs::medianMs() const
{
    std::vector<double> ms;
    for (const Run& r : runs)
        ms.push_back(r.ms);
    return median(ms);
}

double Runs::medianPeakMB() const
{
    std::vector<double> mb;
    for (const Run& r : runs)
        if (r.peakMB >= 0)
            mb.push_back(r.peakMB);
    return mb.empty() ? -1 : median(mb);
}

Runs timeHere(int runs, const std::function<void()>& work)
{
    Runs result;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        if (i > 0)
            result.runs.push_back({ false, clock.nsecsElapsed() / 1e6, -1 });
    }
    return result;
}

void printRun(const Run& run)
{
    std::printf("%s %.4f %.4f\n", run.refused ? "refused" : "ok", run.ms, run.peakMB);
    std::fflush(stdout);
}

OneRun inChild(const QStringList& arguments)
{
    return [arguments](QString& failure) -> std::optional<Run> {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The naive path's refusals are expected: no warning for each.
        env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qt.gui.imageio=false"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), arguments);
        if (!child.waitForFinished(300000) || child.exitStatus() != QProcess::NormalExit
            || child.exitCode() != 0) {
            failure = QStringLiteral("measuring process failed");
            return std::nullopt;
        }
        const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
        if (words.size() != 3) {
            failure = QStringLiteral("measuring process said nothing");
            return std::nullopt;
        }
        return Run { words[0] == "refused", words[1].toDouble(), words[2].toDouble() };
    };
}

OneRun wholeProgram(const QString& program, const QStringList& arguments)
{
    // A process started from this one carries this one's peak memory into its own account
    // (the kernel keeps the larger across exec): GNU time forks from a small process.
    const QString gnuTime = QFile::exists(QStringLiteral("/usr/bin/time"))
        ? QStringLiteral("/usr/bin/time")
        : QString();
    auto peakFile = std::make_shared<QTemporaryFile>();
    peakFile->open();
    std::vector<QByteArray> strings;
    if (!gnuTime.isEmpty())
        strings = { QFile::encodeName(gnuTime), "-f", "%M", "-o",
                    QFile::encodeName(peakFile->fileName()) };
    strings.push_back(QFile::encodeName(program));
    for (const QString& a : arguments)
        strings.push_back(a.toLocal8Bit());
    return [strings, peakFile, program](QString& failure) mutable -> std::optional<Run> {
        std::vector<char*> argv;
        for (QByteArray& s : strings)
            argv.push_back(s.data());
        argv.push_back(nullptr);
        QElapsedTimer clock;
        clock.start();
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            failure = QStringLiteral("cannot start ") + program;
            return std::nullopt;
        }
        int status = 0;
        if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            failure = program + QStringLiteral(" failed");
            return std::nullopt;
        }
        const double ms = clock.nsecsElapsed() / 1e6;
        double peakMB = -1;
        QFile peak(peakFile->fileName());
        if (strings.size() > 5 && peak.open(QIODevice::ReadOnly)) {
            bool ok = false;
            const double kb = peak.readAll().trimmed().toDouble(&ok);
            if (ok)
                peakMB = kb / 1024.0;
        }
        return Run { false, ms, peakMB };
    };
}

Runs repeat(int runs, const OneRun& one)
{
    Runs result;
    for (int i = 0; i <= runs; ++i) {
        const std::optional<Run> run = one(result.failure);
        if (!run)
            return result;
        if (i > 0)
            result.runs.push_back(*run);
    }
    return result;
}

std::pair<Runs, Runs> inTurns(int runs, const OneRun& first, const OneRun& second)
{
    Runs a, b;
    for (int i = 0; i <= runs; ++i) {
        const std::optional<Run> x = first(a.failure);
        const std::optional<Run> y = second(b.failure);
        if (!x || !y)
            break;
        if (i > 0) {
            a.runs.push_back(*x);
            b.runs.push_back(*y);
        }
    }
    return { a, b };
}

qint64 statusKB(const char* field, qint64 pid)
{
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid)
                     : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

QString formatMs(double ms)
{
    return QString::number(ms, 'f', ms < 10 ? 2 : 1);
}

void Table::section(const QString& title)
{
    m_lines.push_back({ true, { title, {}, {}, {}, {}, {}, {} } });
}

void Table::add(const QString& name, const Runs& runs, double memoryGoalMB, const QString& note)
{
    Line line { name, {}, {}, {}, {}, {}, note };
    if (!runs.ok()) {
        line.result = runs.failure;
        add(line);
        return;
    }
    line.runs = QString::number(runs.runs.size());
    line.min = formatMs(runs.minMs());
    line.median = formatMs(runs.medianMs());
    const double mb = runs.medianPeakMB();
    if (mb >= 0)
        line.memory = QString::number(mb, 'f', mb < 10 ? 2 : 1);
    if (memoryGoalMB > 0) {
        line.goal = QStringLiteral("< %1 MB").arg(memoryGoalMB);
        if (line.result.isEmpty())
            line.result
                = mb >= 0 && mb < memoryGoalMB ? QStringLiteral("met") : QStringLiteral("MISSED");
    }
    if (runs.allRefused() && line.result.isEmpty())
        line.result = QStringLiteral("refused");
    add(line);
}

void Table::addTimed(const QString& name, const Runs& runs, double goalMs, double memoryGoalMB)
{
    add(name, runs, memoryGoalMB);
    Line& line = m_lines.back().line;
    if (!runs.ok())
        return;
    const bool timeMet = runs.medianMs() < goalMs;
    const bool memoryMet = memoryGoalMB <= 0 || line.result == QLatin1String("met");
    line.goal = QStringLiteral("< %1 ms").arg(goalMs)
        + (memoryGoalMB > 0 ? QStringLiteral(", < %1 MB").arg(memoryGoalMB) : QString());
    line.result = timeMet && memoryMet ? QStringLiteral("met") : QStringLiteral("MISSED");
    if (runs.allRefused())
        line.result += QStringLiteral(" (refused)");
}

void Table::addRatio(const QString& name, const Runs& numerator, const Runs& denominator,
                     double goal, const QString& what)
{
    if (!numerator.ok() || !denominator.ok() || denominator.medianMs() <= 0
        || denominator.minMs() <= 0) {
        add({ name, {}, {}, {}, {}, {}, QStringLiteral("not measured") });
        return;
    }
    addRatio(name, numerator.medianMs() / denominator.medianMs(),
             numerator.minMs() / denominator.minMs(), goal, what);
}

void Table::addRatio(const QString& name, double medianRatio, double minRatio, double goal,
                     const QString& what)
{
    Line line { name,
                QStringLiteral("ratio"),
                QString::number(minRatio, 'f', 2) + u'x',
                QString::number(medianRatio, 'f', 2) + u'x',
                {},
                {},
                {} };
    if (goal > 0) {
        line.goal = QStringLiteral("<= %1x %2").arg(goal).arg(what);
        line.result = medianRatio <= goal ? QStringLiteral("met") : QStringLiteral("MISSED");
    } else {
        line.goal = what;
    }
    add(line);
}

void Table::print() const
{
    std::printf("%-58s %5s %9s %9s %9s  %-20s %s\n", "measurement", "runs", "min ms", "median ms",
                "peak +MB", "goal", "result");
    for (const Entry& e : m_lines) {
        if (e.heading) {
            std::printf("%s\n", e.line.name.toUtf8().constData());
            continue;
        }
        const Line& l = e.line;
        std::printf("  %-56s %5s %9s %9s %9s  %-20s %s\n", l.name.toUtf8().constData(),
                    l.runs.toUtf8().constData(), l.min.toUtf8().constData(),
                    l.median.toUtf8().constData(), l.memory.toUtf8().constData(),
                    l.goal.toUtf8().constData(), l.result.toUtf8().constData());
    }
}

} // namespace bench
