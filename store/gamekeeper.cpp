#include "store/gamekeeper.h"

#include "store/settingsstore.h"

namespace tessel {

std::optional<KeyValuePairs> keepGame(const QString& storePath, const CloseSnapshot& snapshot,
                                      const QLocale& locale)
{
    // Without a game to keep, the options wait for the close like everything else.
    if (!snapshot.gameRunning || snapshot.saveOnExit == 0)
        return std::nullopt;
    SettingsStore store(storePath);
    SettingsBatch batch = store.beginBatch();
    KeyValuePairs replaced;
    writeCloseSettings(batch, snapshot, replaced, locale);
    KeyValuePairs kept = batch.GetAllSettings(shared().SettingsAppName, settingskeys::Oyun);
    batch.commit();
    return kept;
}

GameKeeper::GameKeeper(QString storePath, std::function<CloseSnapshot()> take, QObject* parent)
    : QObject(parent)
    , m_storePath(std::move(storePath))
    , m_take(std::move(take))
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(defaultDelayMs);
    // Coarse: a second either way is nothing to a crash, and lets the system batch wake-ups.
    m_delay.setTimerType(Qt::CoarseTimer);
    connect(&m_delay, &QTimer::timeout, this, [this] { due(); });
}

GameKeeper::~GameKeeper()
{
    {
        const std::lock_guard lock(m_mutex);
        m_job.reset();
        m_quit = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void GameKeeper::changed()
{
    // Armed by the first change and not pushed back by later ones: a player who never stops
    // still has the game kept every few seconds.
    if (!m_delay.isActive())
        m_delay.start();
}

void GameKeeper::due()
{
    Job job { m_take(), QLocale::system() };
    if (!job.snapshot.gameRunning || job.snapshot.saveOnExit == 0)
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_job = std::move(job);
        if (!m_thread.joinable())
            m_thread = std::thread([this] { work(); });
    }
    m_wake.notify_one();
}

void GameKeeper::work()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || m_job; });
        if (m_quit)
            return;
        const Job job = std::move(*m_job);
        m_job.reset();
        m_writing = true;
        ++m_writesBegun;
        lock.unlock();
        std::optional<KeyValuePairs> kept;
        // A store that cannot be written now keeps what it held; the next change tries again,
        // and the close writes in any case.
        ignoreErrors([&] { kept = keepGame(m_storePath, job.snapshot, job.locale); });
        lock.lock();
        if (kept)
            m_written = std::move(kept);
        m_writing = false;
        m_idle.notify_all();
    }
}

std::optional<KeyValuePairs> GameKeeper::settle()
{
    m_delay.stop();
    std::unique_lock lock(m_mutex);
    m_job.reset();
    m_idle.wait(lock, [this] { return !m_writing; });
    return std::exchange(m_written, std::nullopt);
}

bool GameKeeper::busy() const
{
    const std::lock_guard lock(m_mutex);
    return m_delay.isActive() || m_job || m_writing;
}

int GameKeeper::writesBegun() const
{
    const std::lock_guard lock(m_mutex);
    return m_writesBegun;
}

} // namespace tessel
