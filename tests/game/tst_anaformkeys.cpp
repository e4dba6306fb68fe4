#include "common/shared.h"
#include "game/anaform.h"
#include "game/boardframe.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <unordered_map>

using namespace tessel;
using namespace tessel::test;

namespace {

// A board as the cells' pieces in cell order, the empty cell as n - 1.
using Pieces = std::vector<int>;

Pieces piecesOf(const AnaForm& form)
{
    Pieces pieces;
    for (const PictureBox* cell : form.DağınıkParçalar)
        pieces.push_back(cell->tag().toInt());
    return pieces;
}

quint64 key(const Pieces& pieces)
{
    quint64 k = 0;
    for (int piece : pieces)
        k = k * 16 + quint64(piece);
    return k;
}

// The shortest list of cells to slide into the empty cell, found by a breadth-first search over
// a 3 x 3 board: at most 181 440 positions.
QList<int> solve(const Pieces& start, int gridSize)
{
    const int n = gridSize * gridSize;
    Pieces goal(n);
    for (int i = 0; i < n; ++i)
        goal[i] = i;
    struct Step
    {
        quint64 from;
        int moved; // the cell whose block slid into the empty cell
    };
    std::unordered_map<quint64, Step> seen { { key(start), { 0, -1 } } };
    std::deque<Pieces> queue { start };
    while (!queue.empty()) {
        const Pieces board = queue.front();
        queue.pop_front();
        if (board == goal) {
            QList<int> path;
            for (quint64 k = key(board); seen.at(k).moved >= 0; k = seen.at(k).from)
                path.prepend(seen.at(k).moved);
            return path;
        }
        const int blank = int(std::find(board.begin(), board.end(), n - 1) - board.begin());
        const int row = blank / gridSize;
        const int column = blank % gridSize;
        const int neighbours[4][2] = {
            { row - 1, column }, { row + 1, column }, { row, column - 1 }, { row, column + 1 }
        };
        for (const auto& [r, c] : neighbours) {
            if (r < 0 || r >= gridSize || c < 0 || c >= gridSize)
                continue;
            Pieces next = board;
            std::swap(next[blank], next[r * gridSize + c]);
            if (seen.emplace(key(next), Step { key(board), r * gridSize + c }).second)
                queue.push_back(next);
        }
    }
    return {};
}

// The arrow that slides the block of `cell` into the empty cell `blank`: the way it moves.
Qt::Key arrowFor(int cell, int blank, int gridSize)
{
    if (cell == blank + 1)
        return Qt::Key_Left;
    if (cell == blank - 1)
        return Qt::Key_Right;
    if (cell == blank + gridSize)
        return Qt::Key_Up;
    return Qt::Key_Down;
}

// A key as the keyboard gives it: to the widget with the focus.
void press(Qt::Key key)
{
    QTest::keyClick(static_cast<QWidget*>(nullptr), key);
    QCoreApplication::processEvents();
}

} // namespace

class TestAnaFormKeys : public GameWindowTest
{
    Q_OBJECT

private:
    // The window as the player finds it: shown and active, the test photo cut 3 x 3 in order,
    // no game running.
    AnaForm& openForm()
    {
        GameWindowTest::openForm();
        m_form->ParçalaraBölSeçeneği[0]->setChecked(true);
        return *m_form;
    }

private slots:
    void init() { freshStore(); }

    void cleanup() { closeForm(); }

    void aWholeGameByKeysAlone()
    {
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        QCOMPARE(boardText(form), QStringLiteral("? ? ?/? ? ?/? ? ?")); // in order, untagged
        if (QWidget* focus = QApplication::focusWidget())
            focus->clearFocus();

        // The first Tab reaches the board; Space deals.
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.board());
        press(Qt::Key_Space);
        QCOMPARE(form.SüreHesapla->interval(), 1000);
        QCOMPARE(form.ClickCount(), 0);
        QVERIFY(sound.played.isEmpty());

        const QList<int> solution = solve(piecesOf(form), 3);
        QVERIFY(!solution.isEmpty()); // a deal is never solved already
        for (int i = 0; i < solution.size(); ++i) {
            QVERIFY(boxes.shown().isEmpty());
            press(arrowFor(solution[i], form.BlankIndex(), 3));
            QCOMPARE(int(form.BlankIndex()), solution[i]);
        }

        QCOMPARE(boxes.shown().size(), 1);
        const QString& message = boxes.shown().first().text;
        QVERIFY(
            message.startsWith(QStringLiteral("Congratulations! You have completed the photo!")));
        const QStringList lines = message.split(QStringLiteral("\r\n"));
        QVERIFY2(lines.size() >= 5
                     && lines[4] == QStringLiteral("Click Counts : %1").arg(solution.size()),
                 qPrintable(message));
        // The test's own search was shortest: the solver's length, when it came in time, agrees.
        if (lines.size() > 5)
            QCOMPARE(lines.mid(5, 2),
                     QStringList(
                         { QString(),
                           QStringLiteral("Shortest possible: %1 moves.").arg(solution.size()) }));
        QStringList expected(solution.size(), QStringLiteral("TAMAM"));
        expected << QStringLiteral("TEBRIK");
        QCOMPARE(sound.played, expected);
        QCOMPARE(boardText(form), QStringLiteral("0 1 2/3 4 5/6 7 8"));
        QCOMPARE(form.SüreHesapla->interval(), 0);
        QCOMPARE(form.moveCountDisplay()->text(), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), form.board());
    }

    void anArrowIsAClickOnTheCellBeyondTheEmptyOne_data()
    {
        QTest::addColumn<QString>("board");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("after"); // empty: nothing slides that way
        // Which block each arrow slides is the game's; these show that an arrow is a click.
        QTest::newRow("Left: the block right of the empty cell")
            << QStringLiteral("0 1 2/3 . 4/6 7 5") << int(Qt::Key_Left) << "0 1 2/3 4 ./6 7 5";
        QTest::newRow("empty bottom right, Left: nothing right of it")
            << QStringLiteral("0 1 2/3 4 5/7 6 .") << int(Qt::Key_Left) << QString();
        QTest::newRow("4 x 4, empty at a row's end, Up")
            << QStringLiteral("0 1 2 ./3 4 5 6/7 8 9 10/11 12 13 14") << int(Qt::Key_Up)
            << "0 1 2 6/3 4 5 ./7 8 9 10/11 12 13 14";
    }

    void anArrowIsAClickOnTheCellBeyondTheEmptyOne()
    {
        QFETCH(QString, board);
        QFETCH(int, key);
        QFETCH(QString, after);
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        arrangeBoard(form, board);
        form.board()->setFocus();
        const bool moves = !after.isEmpty();

        press(Qt::Key(key));
        QCOMPARE(boardText(form), moves ? after : board);
        QCOMPARE(form.ClickCount(), moves ? 1 : 0);
        QCOMPARE(form.moveCountDisplay()->text(), QString::number(moves ? 1 : 0));
        QCOMPARE(sound.played, QStringList { moves ? "TAMAM" : "DUR" });
        QCOMPARE(form.SüreHesapla->interval(), 1000);
        QVERIFY(boxes.shown().isEmpty());
    }

    void withNoGameAnArrowOrSpaceDeals_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Left, the empty cell at the right edge") << int(Qt::Key_Left);
        QTest::newRow("Down") << int(Qt::Key_Down);
    }

    void withNoGameAnArrowOrSpaceDeals()
    {
        QFETCH(int, key);
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        form.board()->setFocus();
        press(Qt::Key(key));
        QCOMPARE(form.SüreHesapla->interval(), 1000);
        QCOMPARE(form.ClickCount(), 0);
        QCOMPARE(int(form.BlankIndex()), 8);
        QCOMPARE(form.DağınıkParçalar[8]->tag(), QStringLiteral("8"));
        QVERIFY(form.DağınıkParçalar[8]->picture().isNull());
        QVERIFY(sound.played.isEmpty());
    }

    void spaceDuringAGameDoesNothing()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        const QString board = QStringLiteral("0 1 2/3 . 4/6 7 5");
        arrangeBoard(form, board);
        form.board()->setFocus();
        press(Qt::Key_Space);
        QCOMPARE(boardText(form), board);
        QCOMPARE(form.ClickCount(), 0);
        QVERIFY(sound.played.isEmpty());
    }

    void arrowsChangeTheBlockCountOnlyOnAnOption()
    {
        FakeSoundOutput sound;
        AnaForm& form = openForm();
        arrangeBoard(form, QStringLiteral("0 1 2/3 4 5/6 7 ."));
        // Away from the options the arrows never reach the block count.
        for (QWidget* focus : std::initializer_list<QWidget*> {
                 form.board(), form.FotoğrafınÖrneğiniGöster, form.SesleriKapatOnayı,
                 form.YeniOyunDüğmesi, form.ÇıkışDüğmesi }) {
            for (Qt::Key arrow : { Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down }) {
                focus->setFocus();
                press(arrow);
                QVERIFY2(form.GridSize() == 3, qPrintable(focus->objectName()));
                QVERIFY(form.ParçalaraBölSeçeneği[0]->isChecked());
            }
        }
        // On an option they move to the next option, which divides.
        form.ParçalaraBölSeçeneği[0]->setFocus();
        press(Qt::Key_Right);
        QCOMPARE(int(form.GridSize()), 4);
        QVERIFY(form.ParçalaraBölSeçeneği[1]->isChecked());
    }

    void theBoardComesFirstThenTheDesignsTabOrder()
    {
        AnaForm& form = openForm();
        form.board()->setFocus();
        QList<QWidget*> reached { form.board() };
        for (int i = 0; i < 12 && reached.size() < 9; ++i) {
            press(Qt::Key_Tab);
            if (QApplication::focusWidget() != reached.last())
                reached << QApplication::focusWidget();
        }
        // The checked option stands for the three: the arrows choose among them.
        const QList<QWidget*> expected { form.board(),
                                         form.ParçalaraBölSeçeneği[0],
                                         form.FotoğrafınÖrneğiniGöster,
                                         form.OyunuKaydetOnayı,
                                         form.SesleriKapatOnayı,
                                         form.YeniOyunDüğmesi,
                                         form.YeniFotoğrafDüğmesi,
                                         form.HakkındaDüğmesi,
                                         form.ÇıkışDüğmesi };
        QCOMPARE(reached, expected);
        press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.board()); // and round again
    }

    void theFocusedBoardShowsAFrameRoundTheCells()
    {
        AnaForm& form = openForm();
        BoardFrame* board = form.board();
        // Round the cells of every block count, clear of them and inside the board's frame.
        for (int option : { 2, 1, 0 }) {
            form.ParçalaraBölSeçeneği[option]->setChecked(true);
            const QRect frame = board->focusFrameRect();
            QVERIFY(!frame.isEmpty());
            for (const PictureBox* cell : form.DağınıkParçalar)
                QVERIFY(frame.adjusted(2, 2, -2, -2).contains(cell->geometry()));
            QVERIFY(board->rect().contains(frame));
        }
        const QRect frame = board->focusFrameRect();

        form.YeniOyunDüğmesi->setFocus();
        const QImage without = board->grab().toImage();
        board->setFocus();
        const QImage with = board->grab().toImage();
        const qreal ratio = with.devicePixelRatio();
        const QColor highlight = board->palette().color(QPalette::Highlight);
        // Along each edge of the frame the focused board shows the highlight, the other not.
        const QPoint edges[] = { { frame.center().x(), frame.top() },
                                 { frame.center().x(), frame.bottom() },
                                 { frame.left(), frame.center().y() },
                                 { frame.right(), frame.center().y() } };
        for (const QPoint& p : edges) {
            const QPoint device(qRound(p.x() * ratio), qRound(p.y() * ratio));
            QCOMPARE(with.pixelColor(device), highlight);
            QVERIFY(without.pixelColor(device) != highlight);
        }
    }
};

QTEST_MAIN(TestAnaFormKeys)
#include "tst_anaformkeys.moc"
