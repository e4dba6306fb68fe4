#include "common/shared.h"
#include "game/anaform.h"
#include "picture/photodecoder.h"
#include "startup/startup.h"
#include "store/settingskeys.h"
#include "store/settingsstore.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstring>

using namespace tessel;
using namespace tessel::test;

namespace {

// Helper process: "--end-while-decoding <hold|finish>" has a photo decoding when its last
// window is gone, then ends as the program ends. With "hold" the decode never finishes (a
// stand-in for a huge or hostile file); with "finish" it is done first. Exits with 3.
int endWhileDecoding(bool hold)
{
    std::atomic<bool> started = false;
    auto decoder = std::make_unique<PhotoDecoder>([](const QString&, const Photo&, bool) {},
                                                  [&started, hold](const QString&, QSize) {
                                                      started = true;
                                                      while (hold)
                                                          QThread::msleep(50);
                                                      return Photo();
                                                  });
    decoder->request(QStringLiteral("photo.jpg"), QSize(10, 10));
    while (!started || (!hold && PhotoDecoder::underWay()))
        QThread::msleep(5);
    decoder.reset(); // the window that asked is gone
    return endOfProgram(3);
}

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void tooOldSystemIsRefusedWithItsMessage()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        const auto nt4sp2 = [] {
            VersionQuery query;
            query.result = VersionQuery::Result::Record;
            query.platformId = 2;
            query.majorVersion = 4;
            query.servicePack = "Service Pack 2";
            return query;
        };
        QVERIFY(endsProgram([&] { CheckPlatformVersion(nt4sp2); }));
        QCOMPARE(end.ends(), 1);
        QCOMPARE(boxes.shown().size(), 1);
        const MessageBoxRequest& box = boxes.shown().first();
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.title, QStringLiteral("Tessel"));
        QVERIFY(box.centred);
        QVERIFY(box.text.startsWith(QStringLiteral("In order for the program to work")));
        QVERIFY(shared().IsNtPlatform);
    }

    void acceptedSystemSetsTheFlagQuietly()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        CheckPlatformVersion([] {
            VersionQuery query;
            query.result = VersionQuery::Result::Record;
            query.platformId = 1;
            return query;
        });
        QVERIFY(!shared().IsNtPlatform);
        CheckPlatformVersion([] { return VersionQuery {}; });
        QVERIFY(!shared().IsNtPlatform);
        QCOMPARE(end.ends(), 0);
        QVERIFY(boxes.shown().isEmpty());
    }

    void visualStylesStartWithoutError() { QVERIFY(InitVisualStyles()); }

    // Windows are drawn through the X connection, not shared memory, unless the user chose.
    void theWindowSystemDrawsWithoutSharedMemory()
    {
        const QByteArray saved = qgetenv("QT_XCB_NO_MITSHM");
        qunsetenv("QT_XCB_NO_MITSHM");
        prepareWindowSystem();
        QCOMPARE(qgetenv("QT_XCB_NO_MITSHM"), QByteArray("1"));
        qputenv("QT_XCB_NO_MITSHM", "");
        prepareWindowSystem();
        QCOMPARE(qgetenv("QT_XCB_NO_MITSHM"), QByteArray(""));
        qputenv("QT_XCB_NO_MITSHM", saved);
    }

    // The fonts' thread ends whether or not the start-up got as far as the application object,
    // and the design font it found is the one the windows then measure.
    void theFontsArePreparedBesideTheStartUp()
    {
        {
            FontPreparation beforeAnyApplication;
        }
        FontPreparation fonts;
        fonts.applicationReady();
        fonts.wait();
        fonts.wait();
        QVERIFY(QFontDatabase::families().contains(QFontInfo(designFont()).family()));
    }

    // The store's file is read once for the stored photo's path and the whole restore.
    void theStartUpReadsTheStoreOnce()
    {
        namespace k = settingskeys;
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        QTemporaryDir dir;
        shared().SettingsAppName = QStringLiteral("Velkor\\Tessel");
        shared().AppFolder = dir.path() + u'/';
        const QString photo = dir.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(testPhoto(QSize(120, 90)).save(photo));
        SettingsStore store(dir.filePath(QStringLiteral("Tessel.ini")));
        store.SaveSetting(shared().SettingsAppName, k::Ayarlar, k::SonFotograf, photo);
        store.SaveSetting(shared().SettingsAppName, k::Ayarlar, k::OyunuKaydet, "1");
        storeGame(store, { "0", "1", "2", "3", "4", "5", "6", "7B", "7" }, QStringLiteral("9"));
        const int before = store.fileReads();

        const QPointer<AnaForm> form = openGameWindow(store, reportingTrap());
        QVERIFY(form);
        QCOMPARE(store.fileReads(), before + 1);
        // The window does not wait for the photo; it comes onto the board when decoded.
        QTRY_VERIFY(!form->storedPhotoPending());
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(form->OrjinalFotoğrafKutusu.size(), QSize(120, 90));
        QVERIFY(form->OyunuKaydetOnayı->isChecked());
        QCOMPARE(boardText(*form), QStringLiteral("0 1 2/3 4 5/6 . 7"));
        QCOMPARE(form->ClickCount(), 9);
        delete form;
    }

    // After the last window the process ends at once, whatever a decode still running does.
    void theProgramEndsWhileAPhotoIsStillDecoding_data()
    {
        QTest::addColumn<QString>("decode");
        QTest::newRow("a decode that never ends") << "hold";
        QTest::newRow("a decode done") << "finish";
    }

    void theProgramEndsWhileAPhotoIsStillDecoding()
    {
        QFETCH(QString, decode);
        QProcess helper;
        helper.setProcessChannelMode(QProcess::ForwardedChannels);
        helper.start(QCoreApplication::applicationFilePath(),
                     { QStringLiteral("--end-while-decoding"), decode });
        const bool ended = helper.waitForFinished(30000);
        if (!ended) {
            helper.kill();
            helper.waitForFinished();
        }
        QVERIFY2(ended, "the process waited for the decode");
        QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
        QCOMPARE(helper.exitCode(), 3);
    }
};

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--end-while-decoding") == 0) {
        QCoreApplication application(argc, argv);
        return endWhileDecoding(std::strcmp(argv[2], "hold") == 0);
    }
    QApplication application(argc, argv);
    TestStartup test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
