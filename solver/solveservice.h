// The solver on a worker thread of its own, for the game window: the game's start board (for
// the congratulation) and the board shown now (for hints) are solved in the background. A new
// request stops the search of a board that is no longer wanted; the window never waits. The
// thread starts with the first request, so a window that never asks costs nothing.
#pragma once

#include "solver/search.h"
#include "solver/solver.h"

#include <QObject>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace tessel {

class SolveService : public QObject
{
    Q_OBJECT

public:
    explicit SolveService(QObject* parent = nullptr);
    // Stops the search under way and waits for the thread.
    ~SolveService() override;

    // Solves the start board of a new game before any board shown; the search of an earlier
    // start board stops. Asking again for the board being solved changes nothing.
    void solveStart(const solver::Board& board);
    // Solves the board shown now; a search of another board shown earlier stops.
    void solveCurrent(const solver::Board& board);
    // Stops everything: the game is over.
    void cancelAll();

    // Whether a board is being solved, waits for it, or its answer waits for the event loop.
    bool busy() const;
    // The processor time the worker thread has used so far (zero before it starts): what the
    // searches cost, however busy the machine.
    std::chrono::nanoseconds processorTime() const;

signals:
    // On the service's thread, for each search that was not stopped. `start` tells which kind
    // of request it answers.
    void solved(const tessel::solver::Board& board, const tessel::solver::Solution& solution,
                bool start);

private:
    struct Job
    {
        solver::Board board;
        bool start = false;
    };

    void ensureThread();
    void work();

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_startJob;
    std::optional<Job> m_currentJob;
    std::optional<Job> m_running;
    std::atomic<bool> m_cancel { false };
    std::atomic<bool> m_shutdown { false }; // the service is going: a tables build stops too
    // The worker's alone: a board a move away from one solved before costs one bounded search.
    solver::SolutionMemory m_memory;
    std::atomic<int> m_undelivered { 0 }; // answers posted to the event loop, not yet emitted
    bool m_quit = false;
    std::thread m_thread;
};

} // namespace tessel
