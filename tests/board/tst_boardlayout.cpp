#include "board/boardlayout.h"
#include "common/errors.h"

#include <QtTest>

using namespace tessel;

class TestBoardLayout : public QObject
{
    Q_OBJECT

private slots:
    void cells_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<QSize>("cellSize");
        QTest::addColumn<QList<int>>("lefts");
        QTest::addColumn<QList<int>>("tops");
        QTest::newRow("3 x 3") << 3 << QSize(1753, 1313) << QList<int> { 210, 1985, 3760 }
                               << QList<int> { 300, 1635, 2970 };
        // 1309.25 and 979.25 round down.
        QTest::newRow("4 x 4") << 4 << QSize(1309, 979) << QList<int> { 210, 1541, 2872, 4203 }
                               << QList<int> { 300, 1301, 2302, 3303 };
        QTest::newRow("5 x 5") << 5 << QSize(1043, 779)
                               << QList<int> { 210, 1275, 2340, 3405, 4470 }
                               << QList<int> { 300, 1101, 1902, 2703, 3504 };
    }

    void cells()
    {
        QFETCH(int, gridSize);
        QFETCH(QSize, cellSize);
        QFETCH(QList<int>, lefts);
        QFETCH(QList<int>, tops);
        QCOMPARE(cellSizeTwips(gridSize, QSize(5745, 4485)), cellSize);
        for (int c = 0; c < gridSize * gridSize; ++c) {
            const QRect expected(lefts[c % gridSize], tops[c / gridSize], cellSize.width(),
                                 cellSize.height());
            QCOMPARE(cellRectTwips(c, gridSize, cellSize), expected);
        }
    }

    void cellsInPixelsShareOneSize()
    {
        // 3 x 3: 1753 x 1313 twips are 116.9 x 87.5 px; lefts 14, 132.3, 250.7, tops 20, 109, 198.
        const QSize twips(1753, 1313);
        const int lefts[] = { 14, 132, 251 };
        const int tops[] = { 20, 109, 198 };
        for (int c = 0; c < 9; ++c)
            QCOMPARE(cellRectPixels(c, 3, twips), QRect(lefts[c % 3], tops[c / 3], 117, 88));
    }

    void halvesRoundToEven()
    {
        // 4 x 4 in a frame 1 or 5 twips wider and taller: 1309.5 and 1310.5 both give 1310,
        // 979.5 and 980.5 both give 980.
        QCOMPARE(cellSizeTwips(4, QSize(5746, 4486)), QSize(1310, 980));
        QCOMPARE(cellSizeTwips(4, QSize(5750, 4490)), QSize(1310, 980));
    }

    void blocks_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<QList<int>>("lefts");
        QTest::addColumn<QList<int>>("tops");
        QTest::addColumn<QSize>("blockSize");
        QTest::newRow("100 px in 3 columns: column 66 in no block")
            << 3 << QSize(100, 90) << QList<int> { 0, 33, 67 } << QList<int> { 0, 30, 60 }
            << QSize(33, 30);
        QTest::newRow("150 px in 4 columns: 37.5 and 112.5 go to even")
            << 4 << QSize(150, 100) << QList<int> { 0, 38, 75, 112 } << QList<int> { 0, 25, 50, 75 }
            << QSize(38, 25);
        QTest::newRow("5 x 5 of a 1200 x 900 photo")
            << 5 << QSize(1200, 900) << QList<int> { 0, 240, 480, 720, 960 }
            << QList<int> { 0, 180, 360, 540, 720 } << QSize(240, 180);
    }

    void blocks()
    {
        QFETCH(int, gridSize);
        QFETCH(QSize, photo);
        QFETCH(QList<int>, lefts);
        QFETCH(QList<int>, tops);
        QFETCH(QSize, blockSize);
        for (int k = 0; k < gridSize * gridSize; ++k) {
            const QRect expected(QPoint(lefts[k % gridSize], tops[k / gridSize]), blockSize);
            QCOMPARE(blockRect(k, gridSize, photo), expected);
        }
    }

    void blocksNeverReachPastThePhoto()
    {
        for (int n = 3; n <= 5; ++n)
            for (int side = 1; side <= 3000; ++side) {
                const QRect last = blockRect(n * n - 1, n, QSize(side, side));
                QVERIFY2(last.x() + last.width() <= side, qPrintable(QString::number(side)));
            }
    }

    void gridSizes()
    {
        QCOMPARE(gridSizeFor(0), 3);
        QCOMPARE(gridSizeFor(1), 4);
        QCOMPARE(gridSizeFor(2), 5);
        for (int index : { -1, 3 }) {
            try {
                gridSizeFor(index);
                QFAIL("an option outside 0 to 2 was accepted");
            } catch (const TesselError& e) {
                QCOMPARE(e.code(), ErrorCode::InvalidCall);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestBoardLayout)
#include "tst_boardlayout.moc"
