#include "common/numbers.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>

using namespace tessel;
using namespace tessel::test;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

QStringList keysOf(const KeyValuePairs& pairs)
{
    QStringList keys;
    for (const auto& pair : pairs)
        keys << pair.first;
    return keys;
}

const QStringList allSettingsKeys
    = { k::SolBosluk,   k::UstBosluk,   k::SonBolme,    k::SonFotograf,
        k::OrnekGoster, k::OyunuKaydet, k::SesleriKapat };

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Helper process: "--exit-on-a-full-disk <file>" plays on the store in <file> and presses Exit
// with no room for more than 4 KB in any file, as on a disk that is full. Prints "closed" when
// the window went.
int exitOnAFullDisk(const QString& path)
{
    FakeMessageBoxes boxes;
    SettingsStore store(path);
    QPointer<AnaForm> form = new AnaForm(store);
    form->Form_Load();
    form->setOriginalPhoto(Photo(testPhoto()));
    form->ParçalaraBölSeçeneği_Click(1);
    form->YeniOyunDüğmesi_Click();
    shared().PhotoPath = QStringLiteral("/home/oyuncu/") + QString(5000, u'ğ');
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the process
    const rlimit limit { 4096, 4096 };
    setrlimit(RLIMIT_FSIZE, &limit);
    form->ÇıkışDüğmesi->click();
    QCoreApplication::processEvents();
    // The window deletes itself once closed.
    if ((!form || !form->isVisible()) && boxes.shown().isEmpty())
        std::printf("closed\n");
    delete form;
    return 0;
}

} // namespace

class TestAnaFormClose : public GameWindowTest
{
    Q_OBJECT

private:
    // A shown game window on the test's store; it deletes itself when it closes.
    QPointer<AnaForm> openForm()
    {
        QPointer<AnaForm> form = new AnaForm(*m_store);
        form->Form_Load();
        if (!QTest::qWaitForWindowExposed(form))
            qFatal("window not exposed");
        shared().PhotoPath = QStringLiteral("/tmp/Sample-1.jpg");
        return form;
    }

    // The board of a 3 x 3 game in progress, as the dividing and the deal leave it.
    static void startThreeByThreeGame(AnaForm& form)
    {
        form.ParçalaraBölSeçeneği_Click(0);
        QCOMPARE_EQ(form.DağınıkParçalar.size(), size_t(9));
        form.game().restore({ { 2, 0, 5, 1, 4, 8, 3, 6, 7 }, 5 });
        form.showBoard();
        form.game().setElapsed({ .hours = 1, .minutes = 34, .seconds = 12 });
        form.game().setMoveCount(77);
        form.SüreHesapla->setInterval(ClockTimer::runningInterval);
    }

    void storeFiveByFiveGame()
    {
        // The empty cell slid from the last cell along the bottom row and up the first column.
        storeGame(*m_store,
                  { "0B", "1",  "2",  "3",  "4",  "0",  "6",  "7",  "8",  "9",  "5",  "11", "12",
                    "13", "14", "10", "16", "17", "18", "19", "15", "20", "21", "22", "23" },
                  QStringLiteral("500"));
    }

private slots:
    void init()
    {
        freshStore();
        shared().DivisionIndex = 0;
    }

    void closeBoxAnsweredNoWritesNothing()
    {
        FakeMessageBoxes boxes;
        QPointer<AnaForm> form = openForm();
        boxes.answerNext(QMessageBox::No);
        QVERIFY(!form->close());
        QVERIFY(form->isVisible());
        QCOMPARE(boxes.shown().size(), 1);
        const MessageBoxRequest& box = boxes.shown().first();
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.text, QStringLiteral("Do you want to exit the program?"));
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.title, QStringLiteral("Tessel"));
        QVERIFY(box.centred);
        QVERIFY(!QFile::exists(m_store->filePath()));
        delete form;
    }

    void closeBoxAnsweredYesWritesAndCloses()
    {
        FakeMessageBoxes boxes;
        QPointer<AnaForm> form = openForm();
        const QString left = singleToText(float(form->x() * 15));
        boxes.answerNext(QMessageBox::Yes);
        QVERIFY(form->close());
        QCOMPARE(boxes.shown().size(), 1);
        const KeyValuePairs settings = m_store->GetAllSettings(app, k::Ayarlar);
        QCOMPARE(keysOf(settings), allSettingsKeys);
        QCOMPARE(settings[0].second, left);
        QCOMPARE(settings[3].second, QStringLiteral("/tmp/Sample-1.jpg"));
        QTRY_VERIFY(form.isNull());
    }

    void exitAndEscapeSaveWithoutAsking_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Exit button") << false;
        QTest::newRow("Esc") << true;
    }

    void exitAndEscapeSaveWithoutAsking()
    {
        QFETCH(bool, escape);
        FakeMessageBoxes boxes;
        QPointer<AnaForm> form = openForm();
        form->SesleriKapatOnayı->setChecked(true);
        shared().DivisionIndex = 2;
        if (escape)
            QTest::keyClick(form, Qt::Key_Escape);
        else
            QTest::mouseClick(form->ÇıkışDüğmesi, Qt::LeftButton);
        QTRY_VERIFY(form.isNull());
        QVERIFY(boxes.shown().isEmpty());
        const KeyValuePairs settings = m_store->GetAllSettings(app, k::Ayarlar);
        QCOMPARE(keysOf(settings), allSettingsKeys);
        QCOMPARE(settings[2].second, QStringLiteral("2"));
        QCOMPARE(settings[4].second, QStringLiteral("1"));
        QCOMPARE(settings[6].second, QStringLiteral("1"));
    }

    void noGameRunningLeavesTheStoredGame()
    {
        FakeMessageBoxes boxes;
        QPointer<AnaForm> form = openForm();
        // Stored meanwhile, by another copy of the game.
        storeFiveByFiveGame();
        const QByteArray before = [&] {
            QFile f(m_store->filePath());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        form->OyunuKaydetOnayı->setChecked(true);
        form->closeByProgram();
        QCOMPARE(m_store->GetAllSettings(app, k::Oyun).size(), size_t(25));
        QCOMPARE(m_store->GetSetting(app, k::OyunBilgiler, k::HamleBilgisi), QStringLiteral("500"));
        QCOMPARE(m_store->GetSetting(app, k::Ayarlar, k::OyunuKaydet), QStringLiteral("1"));
        // The old game's text is still there byte for byte.
        QFile after(m_store->filePath());
        QVERIFY(after.open(QIODevice::ReadOnly));
        QVERIFY(after.readAll().contains(before));
    }

    void runningGameReplacesTheStoredOne()
    {
        FakeMessageBoxes boxes;
        QPointer<AnaForm> form = openForm();
        storeFiveByFiveGame(); // by another copy of the game, after this one started
        startThreeByThreeGame(*form);
        form->OyunuKaydetOnayı->setChecked(true);
        form->closeByProgram();
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(form->SavedGame.size(), size_t(25)); // the old game, as re-read

        const KeyValuePairs game = m_store->GetAllSettings(app, k::Oyun);
        QCOMPARE(keysOf(game),
                 (QStringList { "Foto-0", "Foto-1", "Foto-2", "Foto-3", "Foto-4", "Foto-5",
                                "Foto-6", "Foto-7", "Foto-8" }));
        QStringList values;
        for (const auto& pair : game)
            values << pair.second;
        QCOMPARE(values, (QStringList { "2", "0", "5", "1", "4", "5B", "3", "6", "7" }));
        const KeyValuePairs info = m_store->GetAllSettings(app, k::OyunBilgiler);
        QCOMPARE(info,
                 (KeyValuePairs { { k::SaniyeBilgisi, "12" },
                                  { k::DakikaBilgisi, "34" },
                                  { k::SaatBilgisi, "1" },
                                  { k::HamleBilgisi, "77" } }));
        QTRY_VERIFY(form.isNull());
    }

    void minimisedAsksWithoutCentringAndKeepsThePosition()
    {
        FakeMessageBoxes boxes;
        m_store->SaveSetting(app, k::Ayarlar, k::SolBosluk, "111");
        m_store->SaveSetting(app, k::Ayarlar, k::UstBosluk, "222");
        QPointer<AnaForm> form = openForm();
        form->setWindowState(Qt::WindowMinimized);
        QVERIFY(form->isMinimized());
        QVERIFY(form->close());
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(!boxes.shown().first().centred);
        const KeyValuePairs settings = m_store->GetAllSettings(app, k::Ayarlar);
        QCOMPARE(keysOf(settings), allSettingsKeys);
        QCOMPARE(settings[0].second, QStringLiteral("111"));
        QCOMPARE(settings[1].second, QStringLiteral("222"));
        QTRY_VERIFY(form.isNull());
    }

    void secondCloseWhileAskingIsRefused()
    {
        // Alt+F4 again while the question is open must not ask a second time or close.
        FakeMessageBoxes boxes;
        QPointer<AnaForm> form = openForm();
        boxes.whileOpen = [&](const MessageBoxRequest&) { form->close(); };
        boxes.answerNext(QMessageBox::No);
        QVERIFY(!form->close());
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(form->isVisible());
        QVERIFY(!QFile::exists(m_store->filePath()));
        delete form;
    }

    void systemCloseWritesWithoutAskingThenEnds()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        QPointer<AnaForm> form = openForm();
        startThreeByThreeGame(*form);
        form->OyunuKaydetOnayı->setChecked(true);
        QVERIFY(endsProgram([&] { form->closeBySystem(AppTaskManager); }));
        QCOMPARE(end.ends(), 1);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(m_store->GetAllSettings(app, k::Ayarlar).size(), size_t(7));
        QCOMPARE(m_store->GetAllSettings(app, k::Oyun).size(), size_t(9));
        // Whatever closes the window afterwards neither asks nor writes again.
        QVERIFY(QFile::remove(m_store->filePath()));
        QVERIFY(form->close());
        QVERIFY(boxes.shown().isEmpty());
        QVERIFY(!QFile::exists(m_store->filePath()));
        QTRY_VERIFY(form.isNull());
    }

    // A log-out while the 24-hour message waits for OK: the time stored is one the next start
    // reads without an error report, and the game goes on there from zero with its moves.
    void aLogOutDuringTheDayMessageStoresATimeTheNextStartReads()
    {
        FakeMessageBoxes boxes;
        QPointer<AnaForm> form = openForm();
        form->OrjinalFotoğrafKutusu = Photo(testPhoto());
        arrangeBoard(*form, QStringLiteral("0 1 2/3 4 5/6 . 7"));
        form->OyunuKaydetOnayı->setChecked(true);
        form->game().setElapsed({ .hours = 23, .minutes = 59, .seconds = 59 });
        form->game().setMoveCount(9);
        boxes.whileOpen = [&](const MessageBoxRequest&) { form->sessionEnding(); };
        form->SüreHesapla_Timer();
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(m_store->GetSetting(app, k::OyunBilgiler, k::SaatBilgisi), QStringLiteral("0"));
        delete form;

        boxes.clear();
        boxes.whileOpen = nullptr;
        QPointer<AnaForm> next = openForm();
        QVERIFY2(boxes.shown().isEmpty(), qPrintable(boxes.shown().value(0).text));
        QVERIFY(next->SüreHesapla->running());
        QCOMPARE((QList<int> { next->Hours(), next->Minutes(), next->Seconds() }),
                 (QList<int> { 0, 0, 0 }));
        QCOMPARE(next->ClickCount(), 9);
        QCOMPARE(int(next->BlankIndex()), 7);
        delete next;
    }

    // A termination signal while the congratulation waits for OK: the game just won is gone
    // from the store, and the next start offers none.
    void aTerminationDuringTheCongratulationLeavesNoGameStored()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        storeGame(*m_store, { "0", "1", "2", "3", "4", "5", "6", "7B", "7" }, QStringLiteral("5"));
        m_store->SaveSetting(app, k::Ayarlar, k::OyunuKaydet, QStringLiteral("1"));
        QPointer<AnaForm> form = openForm();
        QVERIFY(form->SüreHesapla->running());
        QVERIFY(!form->SavedGame.empty());
        boxes.whileOpen = [&](const MessageBoxRequest&) { form->closeBySystem(AppTaskManager); };
        QVERIFY(endsProgram([&] { form->DağınıkParçalar_Click(8); }));
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.shown().first().text.startsWith(QStringLiteral("Congratulations!")));
        QVERIFY(m_store->GetAllSettings(app, k::Oyun).empty());
        QVERIFY(m_store->GetAllSettings(app, k::OyunBilgiler).empty());
        delete form;

        boxes.clear();
        boxes.whileOpen = nullptr;
        QPointer<AnaForm> next = openForm();
        QVERIFY(!next->SüreHesapla->running());
        QVERIFY(next->SavedGame.empty());
        delete next;
    }

    // Exit on a full disk: the window closes as ever, and the settings, the window's place and
    // the stored game of the last run stay as they were, byte for byte.
    void exitOnAFullDiskKeepsTheStoreByteForByte()
    {
        storeFiveByFiveGame();
        m_store->SaveSetting(app, k::Ayarlar, k::SonBolme, QStringLiteral("2"));
        m_store->SaveSetting(app, k::Ayarlar, k::OyunuKaydet, QStringLiteral("1"));
        m_store->SaveSetting(app, k::Ayarlar, k::SolBosluk, QStringLiteral("1500"));
        const QByteArray before = fileBytes(m_store->filePath());
        QProcess helper;
        helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        helper.start(QCoreApplication::applicationFilePath(),
                     { QStringLiteral("--exit-on-a-full-disk"), m_store->filePath() });
        QVERIFY(helper.waitForFinished(60000));
        QCOMPARE(helper.exitCode(), 0);
        QCOMPARE(helper.readAllStandardOutput().trimmed(), QByteArray("closed"));
        QCOMPARE(fileBytes(m_store->filePath()), before);
        QCOMPARE(QDir(m_dir.path())
                     .entryList({ QStringLiteral("Tessel.ini*") }, QDir::Files | QDir::Hidden),
                 QStringList { QStringLiteral("Tessel.ini") });
    }

    void sessionEndWritesWithoutAskingAndGoesOn()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        QPointer<AnaForm> form = openForm();
        form->sessionEnding();
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(end.ends(), 0);
        QVERIFY(form->isVisible());
        QCOMPARE(m_store->GetAllSettings(app, k::Ayarlar).size(), size_t(7));
        // The log-out was cancelled: the player's later close is handled as usual.
        boxes.answerNext(QMessageBox::No);
        QVERIFY(!form->close());
        QCOMPARE(boxes.shown().size(), 1);
        delete form;
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--exit-on-a-full-disk") == 0) {
        shared().SettingsAppName = app;
        shared().AppFolder = QFileInfo(QString::fromLocal8Bit(argv[2])).absolutePath() + u'/';
        return exitOnAFullDisk(QString::fromLocal8Bit(argv[2]));
    }
    TestAnaFormClose test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_anaformclose.moc"
