// The game in progress kept in the store while it is played, so that a crash, a kill or a lost
// display costs at most a few seconds of play. A change arms one write a few seconds later and
// the changes until then ride on it; when it falls due, the state is taken on the owner's thread
// and written on a thread of the keeper's own, through the store's atomic replace, so that a slow
// disk never holds the window up.
#pragma once

#include "store/closesettings.h"
#include "store/keyvaluepairs.h"

#include <QLocale>
#include <QObject>
#include <QTimer>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace tessel {

class GameKeeper : public QObject
{
    Q_OBJECT

public:
    // From a change to the write that keeps it.
    static constexpr int defaultDelayMs = 3000;

    // `take` gives the state to keep; it runs on this object's thread when a write falls due.
    // The writes go to the store file at `storePath`, as the close writes them.
    GameKeeper(QString storePath, std::function<CloseSnapshot()> take, QObject* parent = nullptr);
    // Drops a write not begun and waits for one under way.
    ~GameKeeper() override;

    // The game changed: it reaches the store within the delay. Changes in the meantime are
    // written together, once.
    void changed();

    // Drops a write not begun and waits for one under way, so that what the caller writes next
    // is the last word. Gives section "Oyun" as the writes since the last settle() left it in
    // the store, nullopt when none of them wrote a game.
    std::optional<KeyValuePairs> settle();

    // Whether a write is armed or under way.
    bool busy() const;

    int delayMs() const { return m_delay.interval(); }
    void setDelayMs(int milliseconds) { m_delay.setInterval(milliseconds); }

    // Writes begun so far.
    int writesBegun() const;

private:
    void due();
    void work();

    QString m_storePath;
    std::function<CloseSnapshot()> m_take;
    QTimer m_delay;

    mutable std::mutex m_mutex;
    std::condition_variable m_wake; // a job came, or the end
    std::condition_variable m_idle; // a write ended
    struct Job
    {
        CloseSnapshot snapshot;
        QLocale locale;
    };
    std::optional<Job> m_job;
    bool m_writing = false;
    bool m_quit = false;
    std::optional<KeyValuePairs> m_written;
    int m_writesBegun = 0;
    std::thread m_thread;
};

// What a kept game leaves in the store: the close's writes of `snapshot`, in one replace of
// the file at `storePath`. Nothing is written, not even the options, unless a game runs with
// save-on-exit set. Gives section "Oyun" as stored then, nullopt when nothing was written.
// Raises what the store raises.
std::optional<KeyValuePairs> keepGame(const QString& storePath, const CloseSnapshot& snapshot,
                                      const QLocale& locale = QLocale::system());

} // namespace tessel
