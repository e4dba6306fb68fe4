#include "common/shared.h"
#include "store/bestresults.h"
#include "store/closesettings.h"
#include "store/settingskeys.h"
#include "store/settingsstore.h"
#include "support/coresupport.h"

#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <thread>

using namespace tessel;
using namespace tessel::test;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

// A stored 3 x 3 game whose first cell carries `mark`, as the close writes it.
KeyValuePairs storeGame(SettingsStore& store, int mark)
{
    CloseSnapshot snapshot;
    snapshot.gameRunning = true;
    snapshot.saveOnExit = 1;
    for (int cell = 0; cell < 9; ++cell)
        snapshot.gameCells.emplace_back(k::FotoPrefix + QString::number(cell),
                                        cell == 0       ? QString::number(mark)
                                            : cell == 8 ? QStringLiteral("8B")
                                                        : QString::number(cell));
    snapshot.gameInfo = { { k::SaniyeBilgisi, "0" },
                          { k::DakikaBilgisi, "0" },
                          { k::SaatBilgisi, "0" },
                          { k::HamleBilgisi, QString::number(mark) } };
    KeyValuePairs savedGame;
    writeCloseSettings(store, snapshot, savedGame);
    return store.GetAllSettings(app, k::Oyun);
}

// Helper process: "--win-games <file>" stores a game marked with the number of games won so
// far, wins it as the game window does, and again, until it is killed.
int winGames(const QString& path)
{
    SettingsStore store(path);
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        const int won = readBestResults(store)[0].completed;
        const KeyValuePairs savedGame = storeGame(store, won);
        recordCompletionSoon(store, { 3, 60, won + 1, savedGame });
    }
}

// Helper process: "--hold-lock <file> <ms>" holds the store's lock as another copy in the middle
// of a long write would, says "locked", and lets go after <ms>.
int holdLock(const QString& path, int milliseconds)
{
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(10000))
        return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::msleep(unsigned(milliseconds));
    return 0;
}

} // namespace

class TestBestResults : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;

    void writeFile(const QByteArray& content)
    {
        QFile file(m_store->filePath());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(content), content.size());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        shared().SettingsAppName = app;
    }

    void init() { m_store = emptyStore(m_dir); }

    void eachBestIsKeptOnItsOwnAndEveryGameCounts()
    {
        RecordNews news = recordCompletion(*m_store, 3, 100, 40);
        QVERIFY(!news.bestTime && !news.fewestMoves); // the first game sets them quietly
        BestResult three = readBestResults(*m_store)[0];
        QCOMPARE(three.seconds, std::optional<int32_t>(100));
        QCOMPARE(three.moves, std::optional<int32_t>(40));
        QCOMPARE(three.completed, 1);

        news = recordCompletion(*m_store, 3, 90, 50); // faster, more moves
        QVERIFY(news.bestTime && !news.fewestMoves);
        news = recordCompletion(*m_store, 3, 95, 30); // slower, fewer moves
        QVERIFY(!news.bestTime && news.fewestMoves);
        news = recordCompletion(*m_store, 3, 90, 30); // equal is no news
        QVERIFY(!news.bestTime && !news.fewestMoves);
        three = readBestResults(*m_store)[0];
        QCOMPARE(three.seconds, std::optional<int32_t>(90));
        QCOMPARE(three.moves, std::optional<int32_t>(30));
        QCOMPARE(three.completed, 4);

        // Each size on its own.
        QVERIFY(!readBestResults(*m_store)[1].seconds);
        news = recordCompletion(*m_store, 4, 500, 80);
        QVERIFY(!news.bestTime && !news.fewestMoves);
        const BestResults all = readBestResults(*m_store);
        QCOMPARE(all[1].completed, 1);
        QCOMPARE(all[0].completed, 4);
        QCOMPARE(all[2].completed, 0);
        QCOMPARE(m_store->GetSetting(app, k::Rekorlar, QStringLiteral("En Az Hamle 4")),
                 QStringLiteral("80"));
    }

    void theResultsLiveInASectionOfTheirOwn()
    {
        m_store->SaveSetting(app, k::Ayarlar, k::SonBolme, QStringLiteral("2"));
        m_store->SaveSetting(app, k::Oyun, QStringLiteral("Foto-0"), QStringLiteral("3"));
        recordCompletion(*m_store, 5, 3600, 200);
        QCOMPARE(m_store->GetAllSettings(app, k::Ayarlar).size(), size_t(1));
        QCOMPARE(m_store->GetAllSettings(app, k::Oyun).size(), size_t(1));
        QCOMPARE(m_store->GetAllSettings(app, k::Rekorlar),
                 (KeyValuePairs { { "En Iyi Sure 5", "3600" },
                                  { "En Az Hamle 5", "200" },
                                  { "Biten Oyun 5", "1" } }));
        clearBestResults(*m_store);
        QVERIFY(m_store->GetAllSettings(app, k::Rekorlar).empty());
        QCOMPARE(m_store->GetAllSettings(app, k::Ayarlar).size(), size_t(1));
        QCOMPARE(m_store->GetAllSettings(app, k::Oyun).size(), size_t(1));
        clearBestResults(*m_store); // nothing left to clear: no error
        const BestResults none = readBestResults(*m_store);
        for (const BestResult& r : none)
            QVERIFY(!r.seconds && !r.moves && r.completed == 0);
    }

    void aDamagedValueReadsAsNone_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("letters") << QByteArray("En Iyi Sure 3=abc");
        QTest::newRow("a sign") << QByteArray("En Iyi Sure 3=-5");
        QTest::newRow("plus sign") << QByteArray("En Iyi Sure 3=+5");
        QTest::newRow("empty") << QByteArray("En Iyi Sure 3=");
        QTest::newRow("beyond 32 bits") << QByteArray("En Iyi Sure 3=99999999999");
        QTest::newRow("exponent") << QByteArray("En Iyi Sure 3=1e3");
        QTest::newRow("hexadecimal") << QByteArray("En Iyi Sure 3=0x10");
        QTest::newRow("a fraction") << QByteArray("En Iyi Sure 3=12.5");
        QTest::newRow("not UTF-8") << QByteArray("En Iyi Sure 3=\xff\xfe");
        QTest::newRow("a control character") << QByteArray("En Iyi Sure 3=1\x01");
    }

    void aDamagedValueReadsAsNone()
    {
        QFETCH(QByteArray, line);
        writeFile("[Ayarlar]\nSon Bolme=1\n\n[Rekorlar]\n" + line
                  + "\nEn Az Hamle 3=0\nBiten Oyun 3=x\nEn Az Hamle 4=17\n");
        BestResults results;
        try {
            results = readBestResults(*m_store);
        } catch (...) {
            QFAIL("a damaged section raised an error");
        }
        QVERIFY(!results[0].seconds);
        QVERIFY(!results[0].moves); // no game has 0 moves
        QCOMPARE(results[0].completed, 0);
        QCOMPARE(results[1].moves, std::optional<int32_t>(17)); // the sound value is kept
        // The next game of the size writes sound values over the damaged ones, quietly.
        const RecordNews news = recordCompletion(*m_store, 3, 61, 22);
        QVERIFY(!news.bestTime && !news.fewestMoves);
        results = readBestResults(*m_store);
        QCOMPARE(results[0].seconds, std::optional<int32_t>(61));
        QCOMPARE(results[0].moves, std::optional<int32_t>(22));
        QCOMPARE(results[0].completed, 1);
        QCOMPARE(results[1].moves, std::optional<int32_t>(17));
        QCOMPARE(m_store->GetSetting(app, k::Ayarlar, k::SonBolme), QStringLiteral("1"));
    }

    void twoStoresRecordingAtOnceLoseNothing()
    {
        // Two copies of the game, each with its own store on the same file, finishing games at
        // the same moments: every game counts and the bests are the best of both.
        const int games = 20;
        auto copy = [&](int first) {
            SettingsStore store(m_store->filePath());
            for (int i = 0; i < games; ++i)
                recordCompletion(store, 4, 1000 - first - 2 * i, 300 - first - 2 * i);
        };
        std::thread a(copy, 0), b(copy, 1);
        a.join();
        b.join();
        const BestResult four = readBestResults(*m_store)[1];
        QCOMPARE(four.completed, 2 * games);
        QCOMPARE(four.seconds, std::optional<int32_t>(1000 - 1 - 2 * (games - 1)));
        QCOMPARE(four.moves, std::optional<int32_t>(300 - 1 - 2 * (games - 1)));
    }

    // A kill at any moment of a completion: the game is counted and gone, or neither.
    void aKilledCompletionNeverCountsAGameTwice()
    {
        QRandomGenerator random(23);
        int wins = 0;
        for (int round = 0; round < 12; ++round) {
            QProcess copy;
            copy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            copy.start(QCoreApplication::applicationFilePath(),
                       { QStringLiteral("--win-games"), m_store->filePath() });
            QVERIFY(copy.waitForReadyRead(30000));
            QTest::qSleep(random.bounded(20, 200));
            ::kill(pid_t(copy.processId()), SIGKILL);
            QVERIFY(copy.waitForFinished(30000));

            const int counted = readBestResults(*m_store)[0].completed;
            const KeyValuePairs game = m_store->GetAllSettings(app, k::Oyun);
            const KeyValuePairs info = m_store->GetAllSettings(app, k::OyunBilgiler);
            QCOMPARE(game.empty(), info.empty());
            // A game still stored was not counted: it is the one after the last counted.
            if (!game.empty())
                QCOMPARE(game.front().second, QString::number(counted));
            QVERIFY(counted >= wins);
            wins = counted;
        }
        QVERIFY2(wins > 0, qPrintable(QString::number(wins))); // the copies did get to win
        qInfo("%d games won in 12 runs killed at random", wins);
    }

    // The batch holds both changes until its one replace; dropped unwritten, it changes nothing.
    void theResultAndTheRemovalAreOneReplace()
    {
        recordCompletion(*m_store, 3, 100, 40);
        const KeyValuePairs savedGame = storeGame(*m_store, 7);
        QFile file(m_store->filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        {
            SettingsBatch batch = m_store->beginBatch();
            const RecordNews news = recordCompletion(batch, { 3, 90, 50, savedGame });
            QVERIFY(news.bestTime && !news.fewestMoves);
            // Not committed: what a write that fails, or a kill before the rename, leaves.
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        file.close();

        {
            SettingsBatch batch = m_store->beginBatch();
            recordCompletion(batch, { 3, 90, 50, savedGame });
            batch.commit();
        }
        QCOMPARE(readBestResults(*m_store)[0].completed, 2);
        QCOMPARE(readBestResults(*m_store)[0].seconds, std::optional<int32_t>(90));
        QVERIFY(m_store->GetAllSettings(app, k::Oyun).empty());
        QVERIFY(m_store->GetAllSettings(app, k::OyunBilgiler).empty());
        // A game begun in this run leaves any stored game where it is.
        const KeyValuePairs other = storeGame(*m_store, 8);
        recordCompletionSoon(*m_store, { 3, 95, 60, {} });
        QCOMPARE(m_store->GetAllSettings(app, k::Oyun), other);
        QCOMPARE(readBestResults(*m_store)[0].completed, 3);
    }

    // Another copy holds the lock through a slow write: the completion returns at once, its
    // result waits and is written when the lock is free, before anything this store writes
    // later, and the news is told from the results stored.
    void aHeldLockDelaysTheResultWithoutLosingOrBlocking()
    {
        recordCompletion(*m_store, 4, 300, 70);
        const KeyValuePairs savedGame = storeGame(*m_store, 1);
        QProcess holder;
        holder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        holder.start(
            QCoreApplication::applicationFilePath(),
            { QStringLiteral("--hold-lock"), m_store->filePath(), QStringLiteral("3000") });
        QVERIFY(holder.waitForReadyRead(30000));
        QCOMPARE(holder.readLine().trimmed(), QByteArray("locked"));

        QElapsedTimer clock;
        clock.start();
        const RecordNews news = recordCompletionSoon(*m_store, { 4, 250, 90, savedGame });
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(news.bestTime && !news.fewestMoves);
        QCOMPARE(m_store->queuedChanges(), size_t(1));
        QCOMPARE(m_store->readNow().values(k::Rekorlar).size(), size_t(3));
        QCOMPARE(bestResultsFrom(m_store->readNow().values(k::Rekorlar))[1].completed, 1);

        QTRY_COMPARE_WITH_TIMEOUT(m_store->queuedChanges(), size_t(0), 10000);
        QVERIFY(clock.elapsed() >= 2500);
        QVERIFY(holder.state() == QProcess::NotRunning || holder.waitForFinished(30000));
        QCOMPARE(holder.exitCode(), 0);
        const BestResult four = readBestResults(*m_store)[1];
        QCOMPARE(four.completed, 2);
        QCOMPARE(four.seconds, std::optional<int32_t>(250));
        QCOMPARE(four.moves, std::optional<int32_t>(70));
        QVERIFY(m_store->GetAllSettings(app, k::Oyun).empty());
    }

    void aQueuedResultComesBeforeTheStoresNextWrite()
    {
        const KeyValuePairs savedGame = storeGame(*m_store, 1);
        QProcess holder;
        holder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        holder.start(
            QCoreApplication::applicationFilePath(),
            { QStringLiteral("--hold-lock"), m_store->filePath(), QStringLiteral("1500") });
        QVERIFY(holder.waitForReadyRead(30000));
        recordCompletionSoon(*m_store, { 3, 250, 90, savedGame });
        // The close of a game begun after the win, while the lock is still held: it waits, and
        // whichever thread gets the lock first writes the result first.
        const KeyValuePairs next = storeGame(*m_store, 2);
        QCOMPARE(m_store->queuedChanges(), size_t(0));
        QCOMPARE(m_store->GetAllSettings(app, k::Oyun), next);
        QCOMPARE(readBestResults(*m_store)[0].completed, 1);
        QVERIFY(holder.state() == QProcess::NotRunning || holder.waitForFinished(30000));
    }
};

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--win-games") == 0) {
        QCoreApplication application(argc, argv);
        shared().SettingsAppName = app;
        return winGames(QString::fromLocal8Bit(argv[2]));
    }
    if (argc == 4 && std::strcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication application(argc, argv);
        return holdLock(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    }
    QCoreApplication application(argc, argv);
    TestBestResults test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_bestresults.moc"
