#include "common/shared.h"
#include "store/bestresults.h"
#include "store/settingskeys.h"
#include "store/settingsstore.h"
#include "support/coresupport.h"

#include <QTemporaryDir>
#include <QtTest>

#include <thread>

using namespace tessel;
using namespace tessel::test;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

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
};

QTEST_GUILESS_MAIN(TestBestResults)
#include "tst_bestresults.moc"
