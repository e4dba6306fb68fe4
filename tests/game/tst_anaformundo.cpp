#include "board/gameclock.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "game/boardframe.h"
#include "game/hintcontroller.h"
#include "store/settingskeys.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;

namespace {

// A key as the keyboard gives it: to the widget with the focus, the window's shortcuts first.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
    QCoreApplication::processEvents();
}

QImage boardPixels(const AnaForm& form)
{
    return form.board()->grab().toImage();
}

// A cell beside the empty one whose block does not go back where it came from and does not
// finish the game.
int nextMove(const AnaForm& form)
{
    const Game& game = form.game();
    const int last = game.moves().empty() ? -1 : game.moves().back().to;
    for (int cell = 0; cell < game.cellCount(); ++cell) {
        Game after = game;
        if (cell != last && after.move(cell) && !after.isComplete())
            return cell;
    }
    return -1;
}

QStringList cellsOf(const std::vector<int>& pieces, int blank)
{
    QStringList cells;
    for (int c = 0; c < int(pieces.size()); ++c)
        cells << (c == blank ? QString::number(c) + u'B' : QString::number(pieces[size_t(c)]));
    return cells;
}

} // namespace

class TestAnaFormUndo : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<AnaForm> m_form;

    // Shown and active, the test photo cut 3 x 3 in order, no game running.
    AnaForm& openForm()
    {
        m_form = shownGameWindow(*m_store);
        m_form->ParçalaraBölSeçeneği[0]->setChecked(true);
        // The boards are compared as drawn: no block may be caught on its way.
        m_form->setAnimatesMoves(false);
        return *m_form;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        shared().SettingsAppName = QStringLiteral("Velkor\\Tessel");
    }

    void init() { m_store = emptyStore(m_dir); }

    void cleanup() { m_form.reset(); }

    void undoRedoAndRestartShowTheBoardsOfTheGame()
    {
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        form.YeniOyunDüğmesi->click();
        QCOMPARE(QApplication::focusWidget(), form.board());
        QList<QImage> shown { boardPixels(form) }; // the deal, then after each move
        const QString dealt = boardText(form);
        for (int i = 0; i < 3; ++i) {
            const int cell = nextMove(form);
            QVERIFY(cell >= 0);
            QTest::mouseClick(form.DağınıkParçalar[cell], Qt::LeftButton);
            QTRY_COMPARE(form.ClickCount(), i + 1);
            shown << boardPixels(form);
        }
        QVERIFY(shown[3] != shown[2]);
        sound.played.clear();

        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(boardPixels(form), shown[2]);
        QCOMPARE(form.ClickCount(), 4);
        QCOMPARE(form.moveCountDisplay()->text(), QStringLiteral("4"));
        press(Qt::Key_Z, Qt::ControlModifier);
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(boardPixels(form), shown[0]);
        QCOMPARE(boardText(form), dealt);
        QCOMPARE(form.ClickCount(), 6);
        // Nothing more to undo: refused, nothing counted.
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(form.ClickCount(), 6);
        QCOMPARE(sound.played, QStringList({ "TAMAM", "TAMAM", "TAMAM", "DUR" }));

        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(boardPixels(form), shown[1]);
        press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(boardPixels(form), shown[2]);
        QCOMPARE(form.ClickCount(), 8);
        QVERIFY(boxes.shown().isEmpty());

        // Restart: the deal's pixels, the count and the time from 0, the clock running.
        for (int second = 0; second < 5; ++second)
            form.SüreHesapla_Timer();
        QVERIFY(form.timeDisplay()->text() != QString::fromUtf16(clockResetText));
        press(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(boardPixels(form), shown[0]);
        QCOMPARE(form.ClickCount(), 0);
        QCOMPARE(form.moveCountDisplay()->text(), QStringLiteral("0"));
        QCOMPARE(form.game().elapsed(), ElapsedTime {});
        QCOMPARE(form.timeDisplay()->text(), QString::fromUtf16(clockResetText));
        QCOMPARE(form.SüreHesapla->interval(), ClockTimer::runningInterval);
        QCOMPARE(QApplication::focusWidget(), form.board());
        // Nothing to redo after a restart either.
        sound.played.clear();
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(sound.played, QStringList { "DUR" });
        QCOMPARE(form.ClickCount(), 0);
    }

    // The solver keeps up: each board an undo, a redo or a restart shows was met before, and
    // its next move is known the moment H is pressed.
    void aHintAfterUndoRedoOrRestartIsThereAtOnce()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        form.YeniOyunDüğmesi->click();
        QTRY_VERIFY_WITH_TIMEOUT(form.hints()->solutionLength(), 60000);
        const int length = *form.hints()->solutionLength();
        for (int i = 0; i < 2; ++i) {
            form.DağınıkParçalar_Click(nextMove(form));
            QTRY_VERIFY_WITH_TIMEOUT(!form.hints()->service().busy(), 60000);
        }
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            { Qt::Key_Z, Qt::ControlModifier },
            { Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier },
            { Qt::Key_R, Qt::ControlModifier },
        };
        for (const auto& [key, modifiers] : keys) {
            press(key, modifiers);
            QSignalSpy shown(form.hints(), &HintController::hintShown);
            press(Qt::Key_H);
            QCOMPARE(shown.size(), 1);
            QVERIFY(form.game().canMove(shown[0][0].toInt()));
        }
        // The restarted deal keeps its solution's length for the congratulation.
        QCOMPARE(form.hints()->solutionLength(), std::optional<int>(length));
    }

    void withNoGameOrAWonGameNothingIsTakenBack()
    {
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        form.board()->setFocus();
        press(Qt::Key_R, Qt::ControlModifier);
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(sound.played, QStringList({ "DUR", "DUR" }));
        QCOMPARE(form.SüreHesapla->interval(), 0);

        arrangeBoard(form, QStringLiteral("0 1 2/3 4 5/6 . 7"));
        QTest::mouseClick(form.DağınıkParçalar[8], Qt::LeftButton);
        QTRY_COMPARE(boxes.shown().size(), 1);
        const QImage won = boardPixels(form);
        sound.played.clear();
        press(Qt::Key_Z, Qt::ControlModifier);
        press(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(sound.played, QStringList({ "DUR", "DUR" }));
        QCOMPARE(boardPixels(form), won);
        QCOMPARE(boardText(form), QStringLiteral("0 1 2/3 4 5/6 7 8"));
    }

    void theBoardMenuOffersThemWithTheirKeys()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        arrangeBoard(form, QStringLiteral("0 1 2/3 . 4/6 7 5"));
        auto actions = [&] {
            std::unique_ptr<QMenu> menu(form.boardMenu());
            QStringList found;
            for (QAction* action : menu->actions())
                if (!action->isSeparator())
                    found << action->text() + u'|' + action->shortcut().toString()
                            + (action->isEnabled() ? "" : " (off)");
            return found;
        };
        QCOMPARE(actions(),
                 QStringList({ "Hint|H", "Best results...|Ctrl+B", "Undo|Ctrl+Z (off)",
                               "Redo|Ctrl+Shift+Z (off)", "Restart|Ctrl+R", "Animate moves|",
                               "Keys and help|F1" }));
        form.DağınıkParçalar_Click(1);
        QCOMPARE(actions().mid(2, 2), QStringList({ "Undo|Ctrl+Z", "Redo|Ctrl+Shift+Z (off)" }));

        std::unique_ptr<QMenu> menu(form.boardMenu());
        menu->findChild<QAction*>(QStringLiteral("UndoAction"))->trigger();
        QCOMPARE(boardText(form), QStringLiteral("0 1 2/3 . 4/6 7 5"));
        QCOMPARE(form.ClickCount(), 2);
        QCOMPARE(actions().mid(2, 2), QStringList({ "Undo|Ctrl+Z (off)", "Redo|Ctrl+Shift+Z" }));
    }

    void afterADealTheArrowsPlayAtOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Alt+N") << "Alt+N";
        QTest::newRow("Return on New Game") << "Return";
        QTest::newRow("Space on New Game") << "Space";
        QTest::newRow("a photo taken") << "photo";
    }

    void afterADealTheArrowsPlayAtOnce()
    {
        QFETCH(QString, how);
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        form.SesleriKapatOnayı->setFocus();
        if (how == "Alt+N") {
            press(Qt::Key_N, Qt::AltModifier);
        } else if (how == "photo") {
            // The photo window's OK hands over while a game runs: a new deal.
            arrangeBoard(form, QStringLiteral("0 1 2/3 . 4/6 7 5"));
            form.SesleriKapatOnayı->setFocus();
            form.takePhoto(Photo(testPhoto()), QStringLiteral("/photos/new.jpg"));
        } else {
            form.YeniOyunDüğmesi->setFocus();
            press(how == "Return" ? Qt::Key_Return : Qt::Key_Space);
        }
        QTRY_COMPARE(form.SüreHesapla->interval(), ClockTimer::runningInterval);
        QTRY_COMPARE(QApplication::focusWidget(), form.board());
        QCOMPARE(form.ClickCount(), 0);
        // A dealt board's empty cell is the last: the block above it slides down.
        QCOMPARE(int(form.BlankIndex()), 8);
        press(Qt::Key_Down);
        QCOMPARE(int(form.BlankIndex()), 5);
        QCOMPARE(form.ClickCount(), 1);
    }

    void returnPressesOnlyTheFocusedButton()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        // On a check box Return does nothing: the window has no default button.
        form.SesleriKapatOnayı->setFocus();
        press(Qt::Key_Return);
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(form.SüreHesapla->interval(), 0);
        QVERIFY(!form.SesleriKapatOnayı->isChecked());
        form.YeniOyunDüğmesi->setFocus();
        press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(form.SüreHesapla->interval(), ClockTimer::runningInterval);
        // Exit, pressed by Return, closes the window.
        form.ÇıkışDüğmesi->setFocus();
        press(Qt::Key_Return);
        QVERIFY(!form.isVisible());
    }

    // A game stored after many moves and won after its resumption: the congratulation's
    // shortest length is the deal's, as a search of the deal finds it.
    void aResumedGameWonTellsTheShortestOfItsDeal()
    {
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        const std::vector<int> deal = { 1, 2, 5, 4, 3, 7, 0, 6, 8 };
        const QList<int> shortest = shortestSlides(deal, 3);
        QVERIFY(shortest.size() > 4);
        // Many moves away from the deal, back and forth: the board stored is near home.
        Game played;
        played.divide(3);
        played.deal(deal);
        for (int round = 0; round < 20; ++round) {
            QVERIFY(played.move(7));
            QVERIFY(played.move(8));
        }
        for (int cell : shortest.mid(0, shortest.size() - 2))
            QVERIFY(played.move(cell));
        QCOMPARE(played.moveCount(), 40 + shortest.size() - 2);
        storeGame(*m_store, cellsOf(played.pieces(), played.blankIndex()),
                  QString::number(played.moveCount()));
        {
            SettingsBatch batch = m_store->beginBatch();
            for (const auto& [key, value] : played.storedDeal())
                batch.SaveSetting(shared().SettingsAppName, settingskeys::Dagitim, key, value);
            batch.commit();
        }

        m_form = shownGameWindow(*m_store);
        AnaForm& form = *m_form;
        form.restoreAtStartUp();
        QCOMPARE(form.game().pieces(), played.pieces());
        QCOMPARE(form.game().dealtPieces(), deal);
        QTRY_VERIFY(form.hints()->solutionLength());
        form.board()->setFocus();
        for (int cell : shortest.mid(shortest.size() - 2))
            form.DağınıkParçalar_Click(cell);
        QCOMPARE(boxes.shown().size(), 1);
        const QStringList lines = boxes.shown().first().text.split(QStringLiteral("\r\n"));
        QVERIFY(
            lines.contains(QStringLiteral("Shortest possible: %1 moves.").arg(shortest.size())));
        QVERIFY(lines.contains(QStringLiteral("Click Counts : %1").arg(played.moveCount() + 2)));
        // The won game and its deal are gone from the store.
        QVERIFY(m_store->GetAllSettings(shared().SettingsAppName, settingskeys::Oyun).empty());
        QVERIFY(m_store->GetAllSettings(shared().SettingsAppName, settingskeys::Dagitim).empty());
    }

    void aResumedGameWithoutItsDealTellsNoShortest()
    {
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        storeGame(*m_store, { "0", "1", "2", "3", "4", "5", "6", "7B", "7" }, "86");
        m_form = shownGameWindow(*m_store);
        AnaForm& form = *m_form;
        form.restoreAtStartUp();
        QVERIFY(!form.game().dealKnown());
        // Whatever the solver finds meanwhile, it tells nothing of a deal it never saw.
        QTRY_VERIFY(!form.hints()->service().busy());
        form.DağınıkParçalar_Click(8);
        QCOMPARE(boxes.shown().size(), 1);
        const QString& message = boxes.shown().first().text;
        QVERIFY2(!message.contains(QStringLiteral("Shortest")), qPrintable(message));
        QVERIFY(message.contains(QStringLiteral("Click Counts : 87")));
    }
};

QTEST_MAIN(TestAnaFormUndo)
#include "tst_anaformundo.moc"
