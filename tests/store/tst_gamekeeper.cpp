#include "board/game.h"
#include "common/shared.h"
#include "store/gamekeeper.h"
#include "store/settingsstore.h"

#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <thread>

using namespace tessel;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

// A 4 x 4 game in progress, empty cell 5, `moves` made.
CloseSnapshot runningGame(int moves = 7)
{
    CloseSnapshot s;
    s.left = 1500;
    s.top = 2250;
    s.divisionIndex = 1;
    s.photoPath = QStringLiteral("/home/çiğdem/Resimler/köprü.jpg");
    s.saveOnExit = 1;
    s.gameRunning = true;
    Game game;
    game.divide(4);
    game.restore({ { 3, 1, 8, 2, 4, 15, 0, 7, 6, 9, 10, 11, 12, 13, 14, 5 }, 5 });
    game.setElapsed({ 0, 2, 41 });
    game.setMoveCount(moves);
    s.gameCells = game.storedCells();
    s.gameInfo = game.storedInfo();
    return s;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A store as an earlier exit left it: options and a 3 x 3 game of 9 moves.
void storeEarlierExit(const QString& path)
{
    SettingsBatch batch = SettingsStore(path).beginBatch();
    batch.SaveSetting(app, k::Ayarlar, k::SonBolme, "0");
    batch.SaveSetting(app, k::Ayarlar, k::OyunuKaydet, "1");
    const QStringList cells = { "0", "1", "2", "3", "4", "5", "6", "8B", "7" };
    for (int c = 0; c < cells.size(); ++c)
        batch.SaveSetting(app, k::Oyun, k::FotoPrefix + QString::number(c), cells[c]);
    batch.SaveSetting(app, k::OyunBilgiler, k::HamleBilgisi, "9");
    batch.commit();
}

QString storedMoves(const QString& path)
{
    return SettingsStore(path).GetSetting(app, k::OyunBilgiler, k::HamleBilgisi);
}

// Holds the store's lock on a thread of its own, as another copy of the game does, until
// released.
class LockHolder
{
public:
    explicit LockHolder(const QString& storePath)
        : m_thread([this, storePath] {
            QLockFile lock(storePath + QStringLiteral(".lock"));
            m_held = lock.tryLock(1000);
            m_ready = true;
            while (!m_release)
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
        })
    {
        while (!m_ready)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ~LockHolder()
    {
        release();
        m_thread.join();
    }
    bool held() const { return m_held; }
    void release() { m_release = true; }
    // Releases after `milliseconds` on the holding thread.
    void releaseAfter(int milliseconds)
    {
        std::thread([this, milliseconds] {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            m_release = true;
        }).detach();
    }

private:
    std::atomic<bool> m_ready { false };
    std::atomic<bool> m_held { false };
    std::atomic<bool> m_release { false };
    std::thread m_thread;
};

} // namespace

class TestGameKeeper : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    QString freshPath() { return m_dir.filePath(QStringLiteral("Tessel-%1.ini").arg(++m_files)); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        shared().SettingsAppName = app;
    }

    // A kept game leaves the store exactly as a close at that moment would.
    void aKeptGameIsWhatTheCloseWrites()
    {
        const QString kept = freshPath();
        const QString closed = freshPath();
        storeEarlierExit(kept);
        storeEarlierExit(closed);
        const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
        CloseSnapshot snapshot = runningGame();
        snapshot.left = 1234.5f; // written with the locale's separator

        const std::optional<KeyValuePairs> game = keepGame(kept, snapshot, turkish);
        SettingsStore closingStore(closed);
        KeyValuePairs replaced;
        writeCloseSettings(closingStore, snapshot, replaced, turkish);

        QCOMPARE(fileBytes(kept), fileBytes(closed));
        QVERIFY(fileBytes(kept).contains("Sol Bosluk=1234,5\n"));
        QVERIFY(game);
        QCOMPARE(*game, closingStore.GetAllSettings(app, k::Oyun));
        QCOMPARE(game->size(), size_t(16));
        QCOMPARE(game->at(5).second, QStringLiteral("5B"));
    }

    // "Save on exit" clear, or no game running: the store is not touched at all.
    void nothingIsKeptWithoutAGameToSave_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("saveOnExit");
        QTest::newRow("save on exit clear") << true << 0;
        QTest::newRow("no game running") << false << 1;
    }

    void nothingIsKeptWithoutAGameToSave()
    {
        QFETCH(bool, running);
        QFETCH(int, saveOnExit);
        const QString path = freshPath();
        storeEarlierExit(path);
        const QByteArray before = fileBytes(path);
        const QDateTime modified = QFileInfo(path).lastModified();
        CloseSnapshot snapshot = runningGame();
        snapshot.gameRunning = running;
        snapshot.saveOnExit = int16_t(saveOnExit);

        QVERIFY(!keepGame(path, snapshot));
        GameKeeper keeper(path, [&] { return snapshot; });
        keeper.setDelayMs(0);
        keeper.changed();
        QTRY_VERIFY(!keeper.busy());
        QCOMPARE(keeper.writesBegun(), 0);
        QVERIFY(!keeper.settle());
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
    }

    // Changes before the write falls due are written once, as they stand when it does.
    void changesUntilTheWriteAreWrittenOnce()
    {
        const QString path = freshPath();
        int moves = 0;
        int takes = 0;
        GameKeeper keeper(path, [&] {
            ++takes;
            return runningGame(moves);
        });
        keeper.setDelayMs(300);
        for (moves = 1; moves <= 5; ++moves) {
            keeper.changed();
            QCoreApplication::processEvents();
        }
        moves = 5;
        QVERIFY(keeper.busy());
        QTRY_COMPARE(storedMoves(path), QStringLiteral("5"));
        QTRY_VERIFY(!keeper.busy());
        QTest::qWait(2 * keeper.delayMs()); // nothing more falls due
        QCOMPARE(takes, 1);
        QCOMPARE(keeper.writesBegun(), 1);

        // A change after the write is kept by a write of its own.
        moves = 6;
        keeper.changed();
        QTRY_COMPARE(storedMoves(path), QStringLiteral("6"));
        QCOMPARE(keeper.writesBegun(), 2);
    }

    // A player who never pauses still has the game kept every delay: a change does not push
    // the armed write back.
    void steadyPlayIsKeptAsItGoes()
    {
        const QString path = freshPath();
        int moves = 0;
        GameKeeper keeper(path, [&] { return runningGame(moves); });
        keeper.setDelayMs(200);
        QElapsedTimer playing;
        playing.start();
        while (playing.elapsed() < 1500) {
            ++moves;
            keeper.changed();
            QTest::qWait(40);
        }
        QVERIFY2(keeper.writesBegun() >= 2, qPrintable(QString::number(keeper.writesBegun())));
        QVERIFY(!storedMoves(path).isEmpty());
    }

    // While another copy holds the store, the write waits on the keeper's thread: the owner's
    // thread goes on with its events.
    void aWriteThatWaitsLeavesTheOwnersThreadFree()
    {
        const QString path = freshPath();
        LockHolder other(path);
        QVERIFY(other.held());
        GameKeeper keeper(path, [] { return runningGame(11); });
        keeper.setDelayMs(0);
        keeper.changed();
        // These turns of the event loop run while the write is under way.
        QTRY_COMPARE(keeper.writesBegun(), 1);
        QVERIFY(keeper.busy());
        int turns = 0;
        QTimer beat;
        connect(&beat, &QTimer::timeout, this, [&] { ++turns; });
        beat.start(10);
        QTRY_VERIFY(turns >= 5);
        QVERIFY(keeper.busy());
        QVERIFY(!QFileInfo::exists(path));
        other.release();
        QTRY_COMPARE(storedMoves(path), QStringLiteral("11"));
    }

    // settle() waits for a write under way, so that the close's write comes after it and wins.
    void settleWaitsForTheWriteUnderWay()
    {
        const QString path = freshPath();
        LockHolder other(path);
        QVERIFY(other.held());
        GameKeeper keeper(path, [] { return runningGame(12); });
        keeper.setDelayMs(0);
        keeper.changed();
        QTRY_COMPARE(keeper.writesBegun(), 1);
        other.releaseAfter(300);
        const std::optional<KeyValuePairs> game = keeper.settle();
        QVERIFY(!keeper.busy());
        // Already there, without waiting.
        QCOMPARE(storedMoves(path), QStringLiteral("12"));
        QVERIFY(game);
        QCOMPARE(*game, SettingsStore(path).GetAllSettings(app, k::Oyun));
        // Told once.
        QVERIFY(!keeper.settle());

        // The close's write then has the last word.
        SettingsStore store(path);
        KeyValuePairs replaced;
        writeCloseSettings(store, runningGame(13), replaced);
        QTest::qWait(100);
        QCOMPARE(storedMoves(path), QStringLiteral("13"));
    }

    // A write not begun yet is dropped by settle() and by the keeper's end.
    void aWriteNotBegunIsDropped_data()
    {
        QTest::addColumn<bool>("byEnd");
        QTest::newRow("settle") << false;
        QTest::newRow("the keeper's end") << true;
    }

    void aWriteNotBegunIsDropped()
    {
        QFETCH(bool, byEnd);
        const QString path = freshPath();
        auto keeper = std::make_unique<GameKeeper>(path, [] { return runningGame(); });
        keeper->setDelayMs(100);
        keeper->changed();
        QVERIFY(keeper->busy());
        if (byEnd) {
            keeper.reset();
        } else {
            QVERIFY(!keeper->settle());
            QVERIFY(!keeper->busy());
        }
        QTest::qWait(400);
        QVERIFY(!QFileInfo::exists(path));
        if (keeper)
            QCOMPARE(keeper->writesBegun(), 0);
    }
};

QTEST_GUILESS_MAIN(TestGameKeeper)
#include "tst_gamekeeper.moc"
