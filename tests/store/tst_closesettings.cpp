#include "common/numbers.h"
#include "common/shared.h"
#include "store/closesettings.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

// A 3 x 3 game in progress, empty cell 4, as the game gives it to the store.
CloseSnapshot runningGame()
{
    CloseSnapshot s;
    s.left = 1500;
    s.top = 2250;
    s.divisionIndex = 0;
    s.photoPath = QStringLiteral("/home/çiğdem/Resimler/köprü.jpg");
    s.showSample = 1;
    s.saveOnExit = 1;
    s.soundOff = 0;
    s.gameRunning = true;
    const QStringList cells = { "3", "1", "8", "2", "4B", "5", "0", "7", "6" };
    for (int i = 0; i < cells.size(); ++i)
        s.gameCells.emplace_back(k::FotoPrefix + QString::number(i), cells[i]);
    s.gameInfo = { { k::SaniyeBilgisi, "5" },
                   { k::DakikaBilgisi, "59" },
                   { k::SaatBilgisi, "23" },
                   { k::HamleBilgisi, "123456" } };
    return s;
}

QStringList keysOf(const KeyValuePairs& pairs)
{
    QStringList keys;
    for (const auto& pair : pairs)
        keys << pair.first;
    return keys;
}

} // namespace

class TestCloseSettings : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    // A store as an earlier exit left it: position, options and a 5 x 5 game.
    void storeEarlierExit()
    {
        SettingsBatch batch = SettingsStore(m_path).beginBatch();
        batch.SaveSetting(app, k::Ayarlar, k::SolBosluk, "111");
        batch.SaveSetting(app, k::Ayarlar, k::UstBosluk, "222");
        batch.SaveSetting(app, k::Ayarlar, k::SonBolme, "2");
        for (int i = 0; i < 25; ++i)
            batch.SaveSetting(app, k::Oyun, k::FotoPrefix + QString::number(i),
                              i == 24 ? "24B" : QString::number(i));
        for (const QString& key : { k::SaniyeBilgisi, k::DakikaBilgisi, k::SaatBilgisi })
            batch.SaveSetting(app, k::OyunBilgiler, key, "1");
        batch.SaveSetting(app, k::OyunBilgiler, k::HamleBilgisi, "99");
        batch.commit();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        shared().SettingsAppName = app;
    }

    void init()
    {
        m_path = m_dir.filePath(QStringLiteral("Tessel.ini"));
        QFile::remove(m_path);
    }

    void writesEveryStepInItsOrder()
    {
        SettingsStore store(m_path);
        KeyValuePairs savedGame;
        writeCloseSettings(store, runningGame(), savedGame, QLocale::c());
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
                 QStringLiteral("[Ayarlar]\n"
                                "Sol Bosluk=1500\n"
                                "Ust Bosluk=2250\n"
                                "Son Bolme=0\n"
                                "Son Fotograf=/home/çiğdem/Resimler/köprü.jpg\n"
                                "Ornek Goster=1\n"
                                "Oyunu Kaydet=1\n"
                                "Sesleri Kapat=0\n"
                                "\n"
                                "[Oyun]\n"
                                "Foto-0=3\nFoto-1=1\nFoto-2=8\nFoto-3=2\nFoto-4=4B\n"
                                "Foto-5=5\nFoto-6=0\nFoto-7=7\nFoto-8=6\n"
                                "\n"
                                "[Oyun\\Bilgiler]\n"
                                "Saniye Bilgisi=5\n"
                                "Dakika Bilgisi=59\n"
                                "Saat Bilgisi=23\n"
                                "Hamle Bilgisi=123456\n"));
        QVERIFY(savedGame.empty());
    }

    // The cases of the close: what stays and what is replaced.
    void closeCases_data()
    {
        QTest::addColumn<bool>("normalState");
        QTest::addColumn<bool>("gameRunning");
        QTest::addColumn<int>("saveOnExit");
        QTest::addColumn<bool>("gameReplaced");
        QTest::newRow("game running, save on exit: a 3 x 3 game replaces the 5 x 5")
            << true << true << 1 << true;
        QTest::newRow("game running, save on exit clear") << true << true << 0 << false;
        QTest::newRow("no game running, save on exit checked") << true << false << 1 << false;
        QTest::newRow("no game running, save on exit clear") << true << false << 0 << false;
        QTest::newRow("minimised, game running, save on exit") << false << true << 1 << true;
        QTest::newRow("save on exit grey counts as set") << true << true << 2 << true;
    }

    void closeCases()
    {
        QFETCH(bool, normalState);
        QFETCH(bool, gameRunning);
        QFETCH(int, saveOnExit);
        QFETCH(bool, gameReplaced);
        storeEarlierExit();
        SettingsStore store(m_path);
        const KeyValuePairs oldGame = store.GetAllSettings(app, k::Oyun);
        const KeyValuePairs oldInfo = store.GetAllSettings(app, k::OyunBilgiler);

        CloseSnapshot s = runningGame();
        s.normalState = normalState;
        s.gameRunning = gameRunning;
        s.saveOnExit = int16_t(saveOnExit);
        KeyValuePairs savedGame = { { "stale", "value" } };
        writeCloseSettings(store, s, savedGame);

        const KeyValuePairs settings = store.GetAllSettings(app, k::Ayarlar);
        QCOMPARE(keysOf(settings),
                 (QStringList { k::SolBosluk, k::UstBosluk, k::SonBolme, k::SonFotograf,
                                k::OrnekGoster, k::OyunuKaydet, k::SesleriKapat }));
        QCOMPARE(settings[0].second, normalState ? "1500" : "111");
        QCOMPARE(settings[1].second, normalState ? "2250" : "222");
        QCOMPARE(settings[2].second, "0");
        QCOMPARE(settings[5].second, QString::number(saveOnExit));

        const KeyValuePairs game = store.GetAllSettings(app, k::Oyun);
        const KeyValuePairs info = store.GetAllSettings(app, k::OyunBilgiler);
        if (gameReplaced) {
            QCOMPARE(keysOf(game),
                     (QStringList { "Foto-0", "Foto-1", "Foto-2", "Foto-3", "Foto-4", "Foto-5",
                                    "Foto-6", "Foto-7", "Foto-8" }));
            QCOMPARE(game[4].second, "4B");
            QCOMPARE(info.back().second, "123456");
            QCOMPARE(savedGame, oldGame); // re-read before it went
        } else {
            QCOMPARE(game, oldGame);
            QCOMPARE(info, oldInfo);
            QCOMPARE(savedGame.front().first, "stale");
        }
    }

    // The deal is written after the game it belongs to and goes with it; a game written
    // without its deal leaves none of an earlier game's behind.
    void theDealGoesWithTheGame()
    {
        storeEarlierExit();
        {
            SettingsBatch batch = SettingsStore(m_path).beginBatch();
            batch.SaveSetting(app, k::Dagitim, "Foto-0", "earlier");
            batch.commit();
        }
        SettingsStore store(m_path);
        CloseSnapshot s = runningGame();
        s.gameDeal = { { "Foto-0", "1" }, { "Foto-1", "2" }, { "Foto-2", "5" },
                       { "Foto-3", "4" }, { "Foto-4", "3" }, { "Foto-5", "7" },
                       { "Foto-6", "0" }, { "Foto-7", "6" }, { "Foto-8", "8B" } };
        KeyValuePairs savedGame;
        writeCloseSettings(store, s, savedGame);
        QCOMPARE(store.GetAllSettings(app, k::Dagitim), s.gameDeal);
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.indexOf(QStringLiteral("[Oyun\\Bilgiler]"))
                < text.indexOf(QStringLiteral("[Dagitim]")));

        // No game to store: the deal stays with the stored game.
        CloseSnapshot idle = s;
        idle.gameRunning = false;
        writeCloseSettings(store, idle, savedGame);
        QCOMPARE(store.GetAllSettings(app, k::Dagitim), s.gameDeal);

        s.gameDeal.clear();
        writeCloseSettings(store, s, savedGame);
        QVERIFY(store.GetAllSettings(app, k::Dagitim).empty());
        QVERIFY(!store.GetAllSettings(app, k::Oyun).empty());

        // Removed with the stored game, as a completion or the save option removes it.
        s.gameDeal = { { "Foto-0", "0" } };
        writeCloseSettings(store, s, savedGame);
        removeStoredGame(store, store.GetAllSettings(app, k::Oyun));
        QVERIFY(store.GetAllSettings(app, k::Oyun).empty());
        QVERIFY(store.GetAllSettings(app, k::OyunBilgiler).empty());
        QVERIFY(store.GetAllSettings(app, k::Dagitim).empty());
    }

    // A position written in one locale reads back in another: the text never needs the
    // separator of the locale that reads it.
    void storedPositionReadsBackInAnyLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<float>("twips");
        QTest::addColumn<QString>("text");
        QTest::newRow("C, whole") << "C" << 4605.0f << "4605";
        QTest::newRow("C, fraction") << "C" << 1234.5f << "1234.5";
        QTest::newRow("Turkish, fraction") << "tr_TR" << 1234.5f << "1234,5";
        QTest::newRow("German, no group separator") << "de_DE" << 1234567.0f << "1234567";
        QTest::newRow("left of the primary screen") << "tr_TR" << -1500.25f << "-1500,25";
        QTest::newRow("zero") << "C" << -0.0f << "0";
    }

    void storedPositionReadsBackInAnyLocale()
    {
        QFETCH(QString, locale);
        QFETCH(float, twips);
        QFETCH(QString, text);
        CloseSnapshot s = runningGame();
        s.left = twips;
        SettingsStore store(m_path);
        KeyValuePairs savedGame;
        writeCloseSettings(store, s, savedGame, QLocale(locale));
        const QString stored = store.GetSetting(app, k::Ayarlar, k::SolBosluk);
        QCOMPARE(stored, text);
        QCOMPARE(toSingle(stored), twips);
        QString otherSeparator = stored;
        otherSeparator.replace(u',', u'#').replace(u'.', u',').replace(u'#', u'.');
        QCOMPARE(toSingle(otherSeparator), twips);
    }
};

QTEST_GUILESS_MAIN(TestCloseSettings)
#include "tst_closesettings.moc"
