#include "solver/solveservice.h"

#include "solver/solver.h"
#include "system/programfolders.h"

#include <QCoreApplication>

namespace tessel {

SolveService::SolveService(QObject* parent)
    : QObject(parent)
{ }

SolveService::~SolveService()
{
    {
        const std::lock_guard guard(m_mutex);
        m_quit = true;
        m_startJob.reset();
        m_currentJob.reset();
        m_cancel = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void SolveService::ensureThread()
{
    if (m_thread.joinable())
        return;
    // The tables sit in the program's data folder, with the default photo.
    solver::setTableFolder(programDataFolder(QCoreApplication::applicationDirPath()).toStdString());
    m_thread = std::thread([this] { work(); });
}

void SolveService::solveStart(const solver::Board& board)
{
    {
        const std::lock_guard guard(m_mutex);
        if (m_running && m_running->start && m_running->board == board)
            return;
        m_startJob = Job { board, true };
        if (m_currentJob && m_currentJob->board == board)
            m_currentJob.reset();
        // An earlier game's start goes; a search of the board shown now finishes first.
        if (m_running && m_running->start)
            m_cancel = true;
        ensureThread();
    }
    m_wake.notify_all();
}

void SolveService::solveCurrent(const solver::Board& board)
{
    {
        const std::lock_guard guard(m_mutex);
        // A search of this very board, of either kind, answers the request.
        if ((m_running && m_running->board == board) || (m_startJob && m_startJob->board == board))
            return;
        m_currentJob = Job { board, false };
        // The start board's search goes on: the congratulation wants it.
        if (m_running && !m_running->start)
            m_cancel = true;
        ensureThread();
    }
    m_wake.notify_all();
}

void SolveService::cancelAll()
{
    const std::lock_guard guard(m_mutex);
    m_startJob.reset();
    m_currentJob.reset();
    if (m_running)
        m_cancel = true;
}

bool SolveService::busy() const
{
    const std::lock_guard guard(m_mutex);
    return m_running || m_startJob || m_currentJob || m_undelivered > 0;
}

void SolveService::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || m_startJob || m_currentJob; });
        if (m_quit)
            return;
        std::optional<Job>& next = m_startJob ? m_startJob : m_currentJob;
        m_running = std::move(next);
        next.reset();
        m_cancel = false;
        const Job job = *m_running;
        lock.unlock();

        solver::SearchControl control;
        control.cancel = &m_cancel;
        const solver::Solution solution = solver::solve(job.board, control);

        lock.lock();
        const bool stopped = m_cancel.load() || m_quit;
        m_running.reset();
        if (!stopped && solution.found) {
            // Delivered on the service's thread; dropped if the service is gone by then.
            ++m_undelivered;
            QMetaObject::invokeMethod(
                this,
                [this, job, solution] {
                    --m_undelivered;
                    emit solved(job.board, solution, job.start);
                },
                Qt::QueuedConnection);
        }
    }
}

} // namespace tessel
