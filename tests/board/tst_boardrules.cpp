#include "board/boardrules.h"
#include "board/boardspeech.h"

#include <QtTest>

using namespace tessel;

namespace {

// "0 1 2/3 . 5/6 7 4" as the tags of a board; the empty cell "." carries `emptyTag`.
QStringList tags(const QString& board, const QString& emptyTag)
{
    QStringList result;
    for (const QString& cell : QString(board).replace(u'/', u' ').split(u' ', Qt::SkipEmptyParts))
        result << (cell == QLatin1String(".") ? emptyTag : cell);
    return result;
}

} // namespace

class TestBoardRules : public QObject
{
    Q_OBJECT

private slots:
    void moveRule_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<int>("blank");
        QTest::addColumn<QList<int>>("movable");
        QTest::newRow("3 x 3, empty centre: the four sides, no corner")
            << 3 << 4 << QList<int> { 1, 3, 5, 7 };
        QTest::newRow("3 x 3, empty first cell") << 3 << 0 << QList<int> { 1, 3 };
        QTest::newRow("3 x 3, empty last cell") << 3 << 8 << QList<int> { 5, 7 };
        QTest::newRow("4 x 4, empty cell 4: cell 3 ends the row above, no wrap")
            << 4 << 4 << QList<int> { 0, 5, 8 };
        QTest::newRow("4 x 4, empty cell 3: cell 4 starts the next row, no wrap")
            << 4 << 3 << QList<int> { 2, 7 };
        QTest::newRow("5 x 5, empty cell 9 at a row's end") << 5 << 9 << QList<int> { 4, 8, 14 };
        QTest::newRow("5 x 5, empty cell 22 in the last row")
            << 5 << 22 << QList<int> { 17, 21, 23 };
    }

    void moveRule()
    {
        QFETCH(int, gridSize);
        QFETCH(int, blank);
        QFETCH(QList<int>, movable);
        // Every cell of the board, the empty one included, and cells just off the board.
        for (int index = -gridSize; index < gridSize * gridSize + gridSize; ++index)
            QVERIFY2(isMoveAllowed(index, blank, gridSize) == movable.contains(index),
                     qPrintable(QStringLiteral("cell %1").arg(index)));
    }

    void completion_data()
    {
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<int>("home");
        QTest::addColumn<bool>("complete");
        QTest::newRow("every block home, the empty cell last")
            << tags("0 1 2/3 4 5/6 7 .", "8") << 8 << true;
        QTest::newRow("4 x 4 home")
            << tags("0 1 2 3/4 5 6 7/8 9 10 11/12 13 14 .", "15") << 15 << true;
        QTest::newRow("one move before: the empty cell's n - 1 matches no cell")
            << tags("0 1 2/3 4 5/6 . 7", "8") << 7 << false;
        QTest::newRow("an empty cell tagged with its own number would count as home")
            << tags("0 1 2/3 4 5/6 . 7", "7") << 8 << true;
        QTest::newRow("the last cell is not examined")
            << tags("0 1 2/3 4 5/6 7 .", "x") << 8 << true;
        QTest::newRow("tags compare as text: 07 is not 7")
            << tags("0 1 2/3 4 5/6 07 .", "8") << 7 << false;
        QTest::newRow("the board shown in order carries no tags")
            << QStringList(9, QString()) << 0 << false;
    }

    void completion()
    {
        QFETCH(QStringList, cells);
        QFETCH(int, home);
        QFETCH(bool, complete);
        const std::vector<QString> board(cells.begin(), cells.end());
        QCOMPARE(cellsAtHome(board), home);
        QCOMPARE(isPhotoComplete(board), complete);
    }

    void anArrowSlidesTheBlockBeyondTheEmptyCellItsWay_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::newRow("3 x 3") << 3;
        QTest::newRow("4 x 4") << 4;
        QTest::newRow("5 x 5") << 5;
    }

    void anArrowSlidesTheBlockBeyondTheEmptyCellItsWay()
    {
        QFETCH(int, gridSize);
        // Each arrow's way as a step in rows and columns.
        const struct
        {
            Arrow arrow;
            int down;
            int right;
        } ways[] = { { Arrow::Left, 0, -1 },
                     { Arrow::Right, 0, 1 },
                     { Arrow::Up, -1, 0 },
                     { Arrow::Down, 1, 0 } };
        for (int blank = 0; blank < gridSize * gridSize; ++blank) {
            for (const auto& way : ways) {
                // The block comes from the side the arrow points away from.
                const int row = blank / gridSize - way.down;
                const int column = blank % gridSize - way.right;
                const bool onBoard = row >= 0 && row < gridSize && column >= 0 && column < gridSize;
                const int cell = cellForArrow(way.arrow, blank, gridSize);
                QCOMPARE(cell, onBoard ? row * gridSize + column : -1);
                if (onBoard)
                    QVERIFY(isMoveAllowed(cell, blank, gridSize));
            }
        }
    }

    void anArrowOffTheBoardFindsNothing()
    {
        QCOMPARE(cellForArrow(Arrow::Left, 9, 3), -1);
        QCOMPARE(cellForArrow(Arrow::Up, -1, 3), -1);
        QCOMPARE(cellForArrow(Arrow::Up, 0, 0), -1);
    }

    void cellsAreNamedForScreenReaders_data()
    {
        QTest::addColumn<int>("cell");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<QString>("name");
        QTest::newRow("block 5 at home on 3 x 3") << 4 << 4 << 3 << "Block 5, row 2, column 2";
        QTest::newRow("away from home") << 0 << 8 << 4 << "Block 9, row 1, column 1";
        QTest::newRow("last cell of 5 x 5") << 24 << 23 << 5 << "Block 24, row 5, column 5";
        QTest::newRow("the empty cell") << 3 << -1 << 3 << "Empty cell";
    }

    void cellsAreNamedForScreenReaders()
    {
        QFETCH(int, cell);
        QFETCH(int, block);
        QFETCH(int, gridSize);
        QFETCH(QString, name);
        QCOMPARE(cellAccessibleName(cell, block, gridSize), name);
    }

    void aMoveIsAnnounced()
    {
        QCOMPARE(moveAnnouncement(6, 7, 3), QStringLiteral("Block 7 moved to row 3, column 2."));
        QCOMPARE(moveAnnouncement(0, 19, 5), QStringLiteral("Block 1 moved to row 4, column 5."));
        QCOMPARE(hintAnnouncement(6, 7, 3), QStringLiteral("Hint: block 7, row 3, column 2."));
    }

    void completionMessage_data()
    {
        QTest::addColumn<int>("hours");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<QString>("message");
        const QString head = QStringLiteral(
            "Congratulations! You have completed the photo!\r\n\r\nCompleting Time : ");
        // The window's test reads 0:12:5, 1:0:0 and a completion before the first tick from the
        // box itself; here all three parts at once.
        QTest::newRow("never plural, no leading zeros")
            << 23 << 1 << 59 << 1000000
            << head + "23 hour, 1 minute, 59 second\r\n\r\nClick Counts : 1000000";
    }

    void completionMessage()
    {
        QFETCH(int, hours);
        QFETCH(int, minutes);
        QFETCH(int, seconds);
        QFETCH(int, clicks);
        QFETCH(QString, message);
        const ElapsedTime time { uint8_t(hours), uint8_t(minutes), uint8_t(seconds) };
        QCOMPARE(tessel::completionMessage(time, clicks), message);
        QCOMPARE(tessel::completionMessage(time, clicks).split(QStringLiteral("\r\n")).size(), 5);
    }
};

QTEST_GUILESS_MAIN(TestBoardRules)
#include "tst_boardrules.moc"
