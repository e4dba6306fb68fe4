// What the bench measures with and how it prints: runs timed in this process or each in a
// fresh process of its own (so that its peak memory is its own), and the table.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace bench {

// One run: its time, and the growth of the peak resident memory it caused (negative: not
// measured).
struct Run
{
    bool refused = false; // the path gave up (an unreadable or refused picture)
    double ms = 0;
    double peakMB = -1;
};

struct Runs
{
    std::vector<Run> runs;
    QString failure; // why no runs were taken, or empty

    bool ok() const { return failure.isEmpty() && !runs.empty(); }
    bool allRefused() const;
    double minMs() const;
    double medianMs() const;
    double medianPeakMB() const; // negative when not measured
};

double median(std::vector<double> values);

// Times `work` in this process `runs` times after one run that is not counted.
Runs timeHere(int runs, const std::function<void()>& work);

// One run, or nullopt with `failure` set.
using OneRun = std::function<std::optional<Run>(QString& failure)>;

// This program with `arguments` in a fresh process, which prints its run (see printRun).
OneRun inChild(const QStringList& arguments);

// `program` timed from its start to its end, through GNU time when it is there (so that peakMB
// holds the program's own peak resident memory, not that of the process that started it).
OneRun wholeProgram(const QString& program, const QStringList& arguments);

// `runs` runs after one that is not counted.
Runs repeat(int runs, const OneRun& one);

// Two measurements taken in turns, so that a change of the machine's load falls on both.
std::pair<Runs, Runs> inTurns(int runs, const OneRun& first, const OneRun& second);

// What a measuring child prints for its run, and reads back.
void printRun(const Run& run);

// Resident memory (VmRSS) and its peak (VmHWM) of a process, in KB; -1 when unreadable.
qint64 statusKB(const char* field, qint64 pid = 0);
// Starts a new peak of the resident memory at the present size (Linux 4.0 and later).
bool resetPeakMemory();

// The table.
struct Line
{
    QString name, runs, min, median, memory, goal, result;
};

class Table
{
public:
    void section(const QString& title);
    void add(Line line) { m_lines.push_back({ false, std::move(line) }); }
    // A measurement's times and memory, with a memory goal in MB (0: none).
    void add(const QString& name, const Runs& runs, double memoryGoalMB = 0,
             const QString& note = QString());
    // The time of runs below an absolute goal.
    void addTimed(const QString& name, const Runs& runs, double goalMs, double memoryGoalMB = 0);
    // numerator / denominator by their medians (and mins), against a goal (0: none).
    void addRatio(const QString& name, const Runs& numerator, const Runs& denominator, double goal,
                  const QString& what = QStringLiteral("time"));
    void addRatio(const QString& name, double medianRatio, double minRatio, double goal,
                  const QString& what);
    void print() const;

private:
    struct Entry
    {
        bool heading;
        Line line;
    };
    std::vector<Entry> m_lines;
};

QString formatMs(double ms);

} // namespace bench
