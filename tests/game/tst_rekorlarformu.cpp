#include "board/gameclock.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "game/rekorlarformu.h"
#include "store/bestresults.h"
#include "store/settingskeys.h"
#include "support/testsupport.h"

#include <QDeadlineTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

// A 3 x 3 game one move from home, at the time and count given; the last click completes it.
void completeGame(AnaForm& form, int minutes, int seconds, int moves)
{
    arrangeBoard(form, QStringLiteral("0 1 2/3 4 5/6 . 7"));
    form.game().setElapsed({ .minutes = uint8_t(minutes), .seconds = uint8_t(seconds) });
    form.game().setMoveCount(moves - 1);
    QTest::mouseClick(form.DağınıkParçalar.at(8), Qt::LeftButton);
    QCoreApplication::processEvents();
}

// Runs `inspect` on the best results window that Ctrl+B opens, then closes it.
void withResultsWindow(AnaForm& form, const std::function<void(RekorlarFormu&)>& inspect)
{
    // Ctrl+B belongs to the game window: it must be the active one.
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* window = dynamic_cast<RekorlarFormu*>(QApplication::activeModalWidget());
        if (!window)
            return; // the test fails below
        seen = true;
        inspect(*window);
        window->TamamDüğmesi->click();
    });
    QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier);
    QVERIFY(seen);
}

QStringList shownValues(const RekorlarFormu& window, int gridSize)
{
    return { window.value(gridSize, 0)->text(), window.value(gridSize, 1)->text(),
             window.value(gridSize, 2)->text() };
}

// One copy of the game for twoCopiesClosingAtOnceLoseNoRecord: it completes a game when the
// start file appears, then closes by program. Arguments: store file, start file, ready file,
// seconds, moves.
int copyMain(const QStringList& arguments)
{
    shared().SettingsAppName = app;
    FakeMessageBoxes boxes;
    FakeSoundOutput sound;
    SettingsStore store(arguments.value(2));
    auto form = shownGameWindow(store);
    const int seconds = arguments.value(5).toInt();
    arrangeBoard(*form, QStringLiteral("0 1 2/3 4 5/6 . 7"));
    form->game().setElapsed({ .minutes = uint8_t(seconds / 60), .seconds = uint8_t(seconds % 60) });
    form->game().setMoveCount(arguments.value(6).toInt() - 1);
    QFile ready(arguments.value(4));
    if (!ready.open(QIODevice::WriteOnly))
        return 2;
    ready.close();
    const QDeadlineTimer deadline(60000);
    while (!QFile::exists(arguments.value(3))) {
        if (deadline.hasExpired())
            return 3;
        QThread::usleep(200);
    }
    form->DağınıkParçalar_Click(8);
    form->closeByProgram();
    return boxes.shown().size() == 1 ? 0 : 4;
}

} // namespace

class TestRekorlarFormu : public GameWindowTest
{
    Q_OBJECT

private slots:
    void init() { freshStore(); }

    void ctrlBShowsTheStoredResults()
    {
        FakeMessageBoxes boxes;
        recordCompletion(*m_store, 3, 125, 31);
        recordCompletion(*m_store, 3, 140, 29);
        recordCompletion(*m_store, 5, 3725, 181);
        auto form = shownGameWindow(*m_store);
        withResultsWindow(*form, [&](RekorlarFormu& window) {
            QCOMPARE(window.windowTitle(), QStringLiteral("Best Results"));
            QCOMPARE(shownValues(window, 3), (QStringList { clockText({ 0, 2, 5 }), "29", "2" }));
            QCOMPARE(shownValues(window, 4), (QStringList { "-", "-", "0" }));
            QCOMPARE(shownValues(window, 5), (QStringList { clockText({ 1, 2, 5 }), "181", "1" }));
            QCOMPARE(window.TemizleDüğmesi->text(), QStringLiteral("&Clear..."));
            QCOMPARE(window.TamamDüğmesi->text(), QStringLiteral("OK"));
            // Every text fits its control.
            for (const QLabel* label : window.findChildren<QLabel*>())
                QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        });
        QVERIFY(boxes.shown().isEmpty());
    }

    void clearingAsksFirst()
    {
        FakeMessageBoxes boxes;
        recordCompletion(*m_store, 4, 300, 70);
        auto form = shownGameWindow(*m_store);
        withResultsWindow(*form, [&](RekorlarFormu& window) {
            boxes.answerNext(QMessageBox::No);
            window.TemizleDüğmesi->click();
            QCOMPARE(boxes.shown().size(), 1);
            const MessageBoxRequest& question = boxes.shown()[0];
            QCOMPARE(question.text,
                     QStringLiteral("Do you want to clear the best results of every board?"));
            QCOMPARE(question.icon, QMessageBox::Question);
            QCOMPARE(question.buttons, QMessageBox::Yes | QMessageBox::No);
            QVERIFY(question.centred);
            QCOMPARE(shownValues(window, 4), (QStringList { clockText({ 0, 5, 0 }), "70", "1" }));
            QCOMPARE(readBestResults(*m_store)[1].completed, 1);

            boxes.answerNext(QMessageBox::Yes);
            window.TemizleDüğmesi->click();
            QCOMPARE(boxes.shown().size(), 2);
            QCOMPARE(shownValues(window, 4), (QStringList { "-", "-", "0" }));
        });
        QVERIFY(m_store->GetAllSettings(app, k::Rekorlar).empty());
    }

    void resultsSurviveARestartAndNewBestsAreTold()
    {
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        const QString head = QStringLiteral(
            "Congratulations! You have completed the photo!\r\n\r\nCompleting Time : ");
        {
            auto form = shownGameWindow(*m_store);
            completeGame(*form, 2, 0, 40);
            form->closeByProgram();
        }
        QCOMPARE(boxes.shown().size(), 1);
        // The first game of a size sets its results without a word.
        QCOMPARE(boxes.shown()[0].text, head + "2 minute, \r\n\r\nClick Counts : 40");

        // Another run of the program, with a store of its own on the same file.
        SettingsStore again(m_store->filePath());
        auto form = shownGameWindow(again);
        completeGame(*form, 1, 30, 45);
        QCOMPARE(boxes.shown().size(), 2);
        QCOMPARE(
            boxes.shown()[1].text,
            head + "1 minute, 30 second\r\n\r\nClick Counts : 45\r\n\r\nNew best time for 3 x 3!");
        completeGame(*form, 3, 0, 12);
        QCOMPARE(boxes.shown()[2].text,
                 head + "3 minute, \r\n\r\nClick Counts : 12\r\n\r\nFewest moves yet for 3 x 3!");
        completeGame(*form, 0, 5, 3);
        QVERIFY(boxes.shown()[3].text.endsWith(
            "Click Counts : 3\r\n\r\nNew best time for 3 x 3!\r\nFewest moves yet for 3 x 3!"));
        withResultsWindow(*form, [&](RekorlarFormu& window) {
            QCOMPARE(shownValues(window, 3), (QStringList { clockText({ 0, 0, 5 }), "3", "4" }));
        });
    }

    void aDamagedResultsSectionReadsAsNone()
    {
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        QFile file(m_store->filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Rekorlar]\nEn Iyi Sure 3=ten\nEn Az Hamle 3=-4\nBiten Oyun 3=\xff\n"
                   "En Iyi Sure\nEn Az Hamle 5=12x\nBiten Oyun 5=2147483648\n");
        file.close();
        auto form = shownGameWindow(*m_store);
        withResultsWindow(*form, [&](RekorlarFormu& window) {
            QCOMPARE(shownValues(window, 3), (QStringList { "-", "-", "0" }));
            QCOMPARE(shownValues(window, 5), (QStringList { "-", "-", "0" }));
        });
        completeGame(*form, 0, 50, 9);
        // Only the congratulation, with no news: never an error report.
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.shown()[0].text.endsWith(QStringLiteral("Click Counts : 9")));
        withResultsWindow(*form, [&](RekorlarFormu& window) {
            QCOMPARE(shownValues(window, 3), (QStringList { clockText({ 0, 0, 50 }), "9", "1" }));
        });
    }

    void twoCopiesClosingAtOnceLoseNoRecord()
    {
        // Two running copies of the program finish a game each at the same moment and close;
        // three rounds of it. Each copy writes its result and then its settings.
        struct Copy
        {
            int seconds, moves;
        };
        const Copy rounds[3][2] = { { { 200, 60 }, { 190, 70 } },
                                    { { 180, 75 }, { 185, 55 } },
                                    { { 170, 58 }, { 175, 57 } } };
        for (int round = 0; round < 3; ++round) {
            const QString start = m_dir.filePath(QStringLiteral("start-%1").arg(round));
            std::vector<std::unique_ptr<QProcess>> copies;
            QStringList readyFiles;
            for (int c = 0; c < 2; ++c) {
                const QString ready
                    = m_dir.filePath(QStringLiteral("ready-%1-%2").arg(round).arg(c));
                readyFiles << ready;
                auto process = std::make_unique<QProcess>();
                process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
                process->start(QCoreApplication::applicationFilePath(),
                               { QStringLiteral("--copy"), m_store->filePath(), start, ready,
                                 QString::number(rounds[round][c].seconds),
                                 QString::number(rounds[round][c].moves) });
                QVERIFY(process->waitForStarted());
                copies.push_back(std::move(process));
            }
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(readyFiles[0]) && QFile::exists(readyFiles[1]),
                                     60000);
            QFile go(start);
            QVERIFY(go.open(QIODevice::WriteOnly));
            go.close();
            for (auto& process : copies) {
                QVERIFY(process->waitForFinished(120000));
                QCOMPARE(process->exitStatus(), QProcess::NormalExit);
                QCOMPARE(process->exitCode(), 0);
            }
        }
        const BestResult three = readBestResults(*m_store)[0];
        QCOMPARE(three.completed, 6);
        QCOMPARE(three.seconds, std::optional<int32_t>(170));
        QCOMPARE(three.moves, std::optional<int32_t>(55));
        // And the closes' own writes are there too.
        QCOMPARE(m_store->GetSetting(app, k::Ayarlar, k::SonBolme), QStringLiteral("0"));
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--copy") == 0)
        return copyMain(application.arguments());
    application.setAttribute(Qt::AA_Use96Dpi, true);
    TestRekorlarFormu test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_rekorlarformu.moc"
