#include "common/shared.h"
#include "game/anaform.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");
const QColor lightYellow(255, 255, 192);

} // namespace

class TestAnaFormPlay : public GameWindowTest
{
    Q_OBJECT

private:
    // A click on the real cell, as the player makes it; the board handles it in its own turn.
    static void click(AnaForm& form, int cell)
    {
        QTest::mouseClick(form.DağınıkParçalar.at(cell), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    void storeAGame()
    {
        storeGame(*m_store, { "0", "1", "2", "3", "4", "5", "6", "7B", "7" }, QStringLiteral("5"));
    }

private slots:
    void init() { freshStore(); }

    void cleanup() { closeForm(); }

    void aClickMovesOrIsRefused_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("after"); // empty: refused
        // The rule's cases are the game's; these show that a click is a move of the picture
        // and the tag, or a refusal with its sound.
        const QString centre = QStringLiteral("0 1 2/3 . 4/6 7 5");
        QTest::newRow("3 x 3 empty centre, above moves") << centre << 1 << "0 . 2/3 1 4/6 7 5";
        QTest::newRow("3 x 3 empty centre, corner 0 is diagonal") << centre << 0 << QString();
        QTest::newRow("4 x 4 empty cell 4, below moves")
            << QStringLiteral("0 1 2 3/. 5 6 7/4 9 10 11/8 12 13 14") << 8
            << "0 1 2 3/4 5 6 7/. 9 10 11/8 12 13 14";
    }

    void aClickMovesOrIsRefused()
    {
        QFETCH(QString, board);
        QFETCH(int, cell);
        QFETCH(QString, after);
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        arrangeBoard(form, board);
        const int blankBefore = form.BlankIndex();
        const bool moves = !after.isEmpty();

        click(form, cell);
        QCOMPARE(boardText(form), moves ? after : board);
        QCOMPARE(int(form.BlankIndex()), moves ? cell : blankBefore);
        QCOMPARE(form.ClickCount(), moves ? 1 : 0);
        QCOMPARE(form.moveCountDisplay()->text(),
                 moves ? QStringLiteral("1") : QStringLiteral("0"));
        QCOMPARE(sound.played, QStringList { moves ? "TAMAM" : "DUR" });
        QCOMPARE(form.SüreHesapla->interval(), 1000);
        QVERIFY(boxes.shown().isEmpty());
        if (moves)
            QCOMPARE(form.DağınıkParçalar[cell]->backColor(), lightYellow);
    }

    void aMoveIsOneTickOfTheCounterAfterAnother()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        arrangeBoard(form, QStringLiteral("0 1 2/3 . 4/6 7 5"));
        form.game().setMoveCount(86);
        for (int cell : { 5, 4, 3 })
            click(form, cell);
        QCOMPARE(form.ClickCount(), 89);
        QCOMPARE(form.moveCountDisplay()->text(), QStringLiteral("89"));
        QCOMPARE(boardText(form), QStringLiteral("0 1 2/. 3 4/6 7 5"));
    }

    void completion_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("movesBefore");
        QTest::addColumn<QString>("message");
        const QString head = QStringLiteral(
            "Congratulations! You have completed the photo!\r\n\r\nCompleting Time : ");
        QTest::newRow("0:12:5 after 87 moves")
            << 0 << 12 << 5 << 86 << head + "12 minute, 5 second\r\n\r\nClick Counts : 87";
        QTest::newRow("1:0:0") << 1 << 0 << 0 << 40 << head + "1 hour, \r\n\r\nClick Counts : 41";
        QTest::newRow("before the first tick")
            << 0 << 0 << 0 << 0 << head + "\r\n\r\nClick Counts : 1";
    }

    void completion()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(int, movesBefore);
        QFETCH(QString, message);
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        arrangeBoard(form, QStringLiteral("0 1 2/3 4 5/6 . 7"));
        form.game().setElapsed(
            { .hours = uint8_t(hours), .minutes = uint8_t(minutes), .seconds = uint8_t(seconds) });
        form.game().setMoveCount(movesBefore);
        // While the message is open: the clock stopped, the whole photo shown (the last cell
        // with the last block), the sound played.
        bool stoppedFirst = false;
        QString boardWhileOpen;
        boxes.whileOpen = [&](const MessageBoxRequest&) {
            stoppedFirst = form.SüreHesapla->interval() == 0;
            boardWhileOpen = boardText(form);
            QCOMPARE(sound.played, (QStringList { "TAMAM", "TEBRIK" }));
        };

        click(form, 8);
        QCOMPARE(boxes.shown().size(), 1);
        const MessageBoxRequest& box = boxes.shown().first();
        QCOMPARE(box.text, message);
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.title, QStringLiteral("Tessel"));
        QVERIFY(box.centred);
        QVERIFY(stoppedFirst);
        QCOMPARE(boardWhileOpen, QStringLiteral("0 1 2/3 4 5/6 7 8"));
        // Then everything goes back to zero and stays there.
        QCOMPARE(form.SüreHesapla->interval(), 0);
        QCOMPARE((QList<int> { form.Hours(), form.Minutes(), form.Seconds() }),
                 (QList<int> { 0, 0, 0 }));
        QCOMPARE(form.timeDisplay()->text(), QStringLiteral("00:00:00"));
        QCOMPARE(form.ClickCount(), 0);
        QCOMPARE(form.moveCountDisplay()->text(), QStringLiteral("0"));
        QCOMPARE(int(form.BlankIndex()), 8);
    }

    void completionDeletesTheStoredGameOnlyWhenOneWasRead_data()
    {
        QTest::addColumn<bool>("read");
        QTest::newRow("a game was read at start-up") << true;
        QTest::newRow("none was read") << false;
    }

    void completionDeletesTheStoredGameOnlyWhenOneWasRead()
    {
        QFETCH(bool, read);
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        storeAGame();
        if (read)
            form.SavedGame = m_store->GetAllSettings(app, k::Oyun);
        const KeyValuePairs savedBefore = form.SavedGame;
        for (int round = 0; round < 2; ++round) {
            // A second completion repeats the deletions; the store has nothing left to delete.
            arrangeBoard(form, QStringLiteral("0 1 2/3 4 5/6 . 7"));
            click(form, 8);
            QCOMPARE(form.SüreHesapla->interval(), 0);
            QCOMPARE(m_store->GetAllSettings(app, k::Oyun).size(), read ? size_t(0) : size_t(9));
            QCOMPARE(m_store->GetAllSettings(app, k::OyunBilgiler).size(),
                     read ? size_t(0) : size_t(1));
        }
        QCOMPARE(boxes.shown().size(), 2); // the two congratulations, no error report
        QCOMPARE(form.SavedGame, savedBefore);
    }

    void aWholeGameByClicks()
    {
        // Four slides away from home: the empty cell went left, up, right and down again.
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        arrangeBoard(form, QStringLiteral("0 1 2/3 5 7/6 4 ."));
        const QList<int> solution = { 5, 4, 7, 8 };
        for (int i = 0; i < solution.size(); ++i) {
            QVERIFY(boxes.shown().isEmpty());
            click(form, solution[i]);
            if (i < solution.size() - 1)
                QCOMPARE(form.ClickCount(), i + 1);
        }
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(boxes.shown()[0].text.endsWith(QStringLiteral("Click Counts : 4")));
        QCOMPARE(sound.played, (QStringList { "TAMAM", "TAMAM", "TAMAM", "TAMAM", "TEBRIK" }));
        QCOMPARE(form.SoundData, gameSoundBytes(QStringLiteral("TEBRIK")));
        for (int c = 0; c < 9; ++c)
            QCOMPARE(form.DağınıkParçalar[c]->picture().cacheKey(),
                     form.SıralıParçalar[c].cacheKey());

        // The next click finds the clock stopped: a new game, not a move, and no sound.
        click(form, 4);
        QCOMPARE(form.SüreHesapla->interval(), 1000);
        QCOMPARE(form.ClickCount(), 0);
        QCOMPARE(int(form.BlankIndex()), 8);
        QVERIFY(form.DağınıkParçalar[8]->picture().isNull());
        QCOMPARE(sound.played.size(), 5);
        QCOMPARE(boxes.shown().size(), 1);
    }

    // The second press of a double click is no click: with no game running the double click
    // deals and moves nothing; in a game it moves the block and does not refuse a click on the
    // cell it emptied.
    void aDoubleClickOnACellIsOneClick_data()
    {
        QTest::addColumn<bool>("gameRunning");
        QTest::newRow("no game running") << false;
        QTest::newRow("a game running") << true;
    }

    void aDoubleClickOnACellIsOneClick()
    {
        QFETCH(bool, gameRunning);
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        if (gameRunning)
            arrangeBoard(form, QStringLiteral("0 1 2/3 4 5/6 7 ."));
        else
            form.ParçalaraBölSeçeneği_Click(0);
        doubleClickLikeThePlatform(form.DağınıkParçalar.at(7));
        QCoreApplication::processEvents();
        QCOMPARE(form.SüreHesapla->interval(), 1000);
        if (gameRunning) {
            QCOMPARE(boardText(form), QStringLiteral("0 1 2/3 4 5/6 . 7"));
            QCOMPARE(form.ClickCount(), 1);
            QCOMPARE(sound.played, QStringList { QStringLiteral("TAMAM") });
        } else {
            QCOMPARE(form.ClickCount(), 0);
            QCOMPARE(int(form.BlankIndex()), 8);
            QVERIFY(sound.played.isEmpty());
        }
        QVERIFY(boxes.shown().isEmpty());
        // Two clicks apart are two clicks.
        click(form, 7);
        QCOMPARE(sound.played.size(), gameRunning ? 2 : 1);
    }

    void aClickWhileTheBoardShowsThePhotoInOrderDeals()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        form.ParçalaraBölSeçeneği_Click(1);
        click(form, 15);
        QCOMPARE(form.SüreHesapla->interval(), 1000);
        QCOMPARE(form.ClickCount(), 0);
        QCOMPARE(form.DağınıkParçalar[15]->tag(), QStringLiteral("15"));
        QVERIFY(form.DağınıkParçalar[15]->picture().isNull());
        QVERIFY(sound.played.isEmpty());
    }

    void soundOffSilencesTheNextMove()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        arrangeBoard(form, QStringLiteral("0 1 2/3 . 4/6 7 5"));
        click(form, 5);
        form.SesleriKapatOnayı->click();
        QVERIFY(form.SesleriKapatOnayı->isChecked());
        click(form, 4);
        click(form, 0);
        QCOMPARE(sound.played, QStringList { "TAMAM" });
        QCOMPARE(sound.deviceQueries, 3);
    }
};

QTEST_MAIN(TestAnaFormPlay)
#include "tst_anaformplay.moc"
