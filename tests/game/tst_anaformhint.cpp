#include "board/boardrules.h"
#include "board/boardspeech.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "game/boardframe.h"
#include "game/hintcontroller.h"
#include "support/testsupport.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;

class TestAnaFormHint : public GameWindowTest
{
    Q_OBJECT

private:
    // A shown window on the test's store, holding the test photo, divided N x N.
    AnaForm& openForm(int gridSize)
    {
        GameWindowTest::openForm();
        QTest::mouseClick(m_form->ParçalaraBölSeçeneği.at(gridSize - 3), Qt::LeftButton);
        if (m_form->GridSize() != gridSize)
            qFatal("not divided");
        return *m_form;
    }

    static QWidget* outline(AnaForm& form)
    {
        return form.Çerçeve[0]->findChild<QWidget*>(QStringLiteral("HintOutline"));
    }

    // H, as the player presses it; returns the cell outlined (waiting for the search if it
    // has not finished), -1 when none is.
    static int pressH(AnaForm& form)
    {
        QSignalSpy shown(form.hints(), &HintController::hintShown);
        QTest::keyClick(&form, Qt::Key_H);
        if (shown.isEmpty() && !shown.wait(120000))
            return -1;
        return shown.first().first().toInt();
    }

    static void click(AnaForm& form, int cell)
    {
        QTest::mouseClick(form.DağınıkParçalar.at(cell), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

private slots:
    void init() { freshStore(); }

    void cleanup() { closeForm(); }

    void followingTheHintsWinsInTheFewestMoves_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<QString>("lastLine");
        QTest::newRow("3 x 3: a shortest solution") << 3 << "Shortest possible: %1 moves.";
        QTest::newRow("4 x 4: a shortest solution") << 4 << "Shortest possible: %1 moves.";
        QTest::newRow("5 x 5: the best known") << 5 << "Best known: %1 moves.";
    }

    void followingTheHintsWinsInTheFewestMoves()
    {
        QFETCH(int, gridSize);
        QFETCH(QString, lastLine);
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        AnaForm& form = openForm(gridSize);
        QTest::mouseClick(form.YeniOyunDüğmesi, Qt::LeftButton);
        QVERIFY(form.SüreHesapla->running());

        int moves = 0;
        while (boxes.shown().isEmpty()) {
            const QString before = boardText(form);
            const int cell = pressH(form);
            QVERIFY(cell >= 0);
            // Outlined over the block, which neither moves nor counts.
            QVERIFY(outline(form)->isVisible());
            QCOMPARE(outline(form)->geometry(), form.DağınıkParçalar[size_t(cell)]->geometry());
            QCOMPARE(boardText(form), before);
            QCOMPARE(form.ClickCount(), moves);
            // Screen readers hear which block it is.
            QCOMPARE(form.board()->accessibleDescription(),
                     hintAnnouncement(form.DağınıkParçalar[size_t(cell)]->tag().toInt(), cell,
                                      form.GridSize()));
            QVERIFY(isMoveAllowed(cell, form.BlankIndex(), form.GridSize()));
            click(form, cell);
            ++moves;
            QVERIFY(moves < 400);
        }

        // The five designed lines as they are, then a blank line and the solution's length,
        // which the player's game matched.
        QCOMPARE(boxes.shown().size(), 1);
        const QStringList lines = boxes.shown()[0].text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[0], QStringLiteral("Congratulations! You have completed the photo!"));
        QCOMPARE(lines[1], QString());
        QVERIFY(lines[2].startsWith(QStringLiteral("Completing Time : ")));
        QCOMPARE(lines[3], QString());
        QCOMPARE(lines[4], QStringLiteral("Click Counts : %1").arg(moves));
        QCOMPARE(lines[5], QString());
        QCOMPARE(lines[6], lastLine.arg(moves));
        QVERIFY(!outline(form)->isVisible());
    }

    void aHintNeedsARunningGame()
    {
        AnaForm& form = openForm(3);
        QVERIFY(!form.SüreHesapla->running());
        QSignalSpy shown(form.hints(), &HintController::hintShown);
        QTest::keyClick(&form, Qt::Key_H);
        QCoreApplication::processEvents();
        QVERIFY(shown.isEmpty());
        QVERIFY(!form.hints()->service().busy()); // nothing was even asked
        QVERIFY(!outline(form)->isVisible());
        std::unique_ptr<QMenu> menu(form.boardMenu());
        const auto* hint = menu->findChild<QAction*>(QStringLiteral("HintAction"));
        QVERIFY(hint && !hint->isEnabled());
    }

    void theOutlineLastsAboutASecondAndGoesWithAMove()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm(3);
        arrangeBoard(form, QStringLiteral("0 . 2/3 1 5/6 4 7"));
        QElapsedTimer clock;
        clock.start();
        const int cell = pressH(form);
        QCOMPARE(cell, 4); // block 1 down
        QVERIFY(outline(form)->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!outline(form)->isVisible(), 10000);
        QVERIFY(clock.elapsed() >= HintController::outlineMs - 50);
        QCOMPARE(form.ClickCount(), 0);

        QCOMPARE(pressH(form), cell);
        QVERIFY(outline(form)->isVisible());
        click(form, cell);
        QCOMPARE(form.ClickCount(), 1);
        QVERIFY(!outline(form)->isVisible());
    }

    void aMoveOffThePathIsSolvedAhead()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm(4);
        arrangeBoard(form, QStringLiteral("4 0 1 2/. 5 6 3/8 9 10 7/12 13 14 11"));
        QCOMPARE(pressH(form), 0); // block 4 down: the only way home in seven moves
        // Block 8 up instead: the board after it is solved without asking...
        click(form, 8);
        QTRY_VERIFY_WITH_TIMEOUT(!form.hints()->service().busy(), 60000);
        // ...so the next hint is there the moment H is pressed.
        QSignalSpy shown(form.hints(), &HintController::hintShown);
        QTest::keyClick(&form, Qt::Key_H);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0][0].toInt(), 4); // block 8 back down
    }

    void theBoardsContextMenuOffersTheHintAndTheBestResults()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm(3);
        arrangeBoard(form, QStringLiteral("0 1 2/3 4 5/6 . 7"));
        // A right click on a cell opens the board's menu.
        PictureBox* cell = form.DağınıkParçalar[4];
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                cell->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(cell, &event);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QCOMPARE(popup->objectName(), QStringLiteral("BoardMenu"));
        QStringList texts;
        for (const QAction* action : popup->actions())
            texts << action->text();
        QCOMPARE(texts,
                 (QStringList { "Hint", "Best results...", "", "Undo", "Redo", "Restart", "",
                                "Animate moves", "Keys and help" }));
        auto* hint = popup->findChild<QAction*>(QStringLiteral("HintAction"));
        QVERIFY(hint->isEnabled());
        QCOMPARE(hint->shortcut(), QKeySequence(Qt::Key_H));
        QCOMPARE(popup->findChild<QAction*>(QStringLiteral("BestResultsAction"))->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_B));

        QSignalSpy shown(form.hints(), &HintController::hintShown);
        hint->trigger();
        popup->close();
        QVERIFY(shown.size() == 1 || shown.wait(60000));
        QCOMPARE(shown[0][0].toInt(), 8);
        QVERIFY(outline(form)->isVisible());
        QCOMPARE(boardText(form), QStringLiteral("0 1 2/3 4 5/6 . 7"));
    }
};

QTEST_MAIN(TestAnaFormHint)
#include "tst_anaformhint.moc"
