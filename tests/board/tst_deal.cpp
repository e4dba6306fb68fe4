#include "board/deal.h"

#include <QtTest>

#include <cmath>

using namespace tessel;

class TestDeal : public QObject
{
    Q_OBJECT

private:
    // Parity counted by cycles, independently of the deal's own inversion count.
    static bool evenByCycles(const std::vector<int>& pieces, int m)
    {
        std::vector<bool> seen(m, false);
        int cycles = 0;
        for (int start = 0; start < m; ++start) {
            if (seen[start])
                continue;
            ++cycles;
            for (int c = start; !seen[c]; c = pieces[c])
                seen[c] = true;
        }
        return (m - cycles) % 2 == 0;
    }

private slots:
    void drawPosition_data()
    {
        QTest::addColumn<int>("bagSize");
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("position");
        QTest::newRow("nine items, r = 0: the first") << 9 << 0.0 << 1;
        QTest::newRow("nine items, r near 1: the eighth, never the last")
            << 9 << std::nextafter(1.0, 0.0) << 8;
        QTest::newRow("four items, r = 1 from a faulty source: still not the last")
            << 4 << 1.0 << 3;
        QTest::newRow("two items: always the first") << 2 << 0.99 << 1;
        QTest::newRow("one item: that one") << 1 << 0.5 << 1;
    }

    void drawPosition()
    {
        QFETCH(int, bagSize);
        QFETCH(double, r);
        QFETCH(int, position);
        QCOMPARE(tessel::drawPosition(bagSize, r), position);
    }

    void unitNumbersStayBelowOne()
    {
        DealRandom random(7);
        for (int i = 0; i < 100000; ++i) {
            const double r = nextUnit(random);
            QVERIFY(r >= 0.0 && r < 1.0);
        }
    }

    void manyDeals_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<int>("deals");
        QTest::newRow("3 x 3") << 3 << 24000;
        QTest::newRow("4 x 4") << 4 << 8000;
        QTest::newRow("5 x 5") << 5 << 8000;
    }

    void manyDeals()
    {
        QFETCH(int, gridSize);
        QFETCH(int, deals);
        const int n = gridSize * gridSize;
        const int m = n - 1;
        std::vector<std::vector<int>> reached(m, std::vector<int>(m, 0)); // [piece][cell]
        DealRandom random(12345u + gridSize);
        for (int d = 0; d < deals; ++d) {
            MemoryBag bag;
            const std::vector<int> pieces = dealPieces(n, bag, random);
            QCOMPARE(int(pieces.size()), n);
            QCOMPARE(pieces[m], m); // the last cell is the empty one
            QCOMPARE(bag.count(), 0);
            std::vector<int> sorted(pieces.begin(), pieces.end());
            std::sort(sorted.begin(), sorted.end());
            for (int k = 0; k < n; ++k)
                QCOMPARE(sorted[k], k);
            QVERIFY2(evenByCycles(pieces, m), "a deal that sliding cannot bring home");
            bool solved = true;
            for (int c = 0; c < m; ++c) {
                solved = solved && pieces[c] == c;
                ++reached[pieces[c]][c];
            }
            QVERIFY2(!solved, "a deal that starts solved");
        }
        // Every piece reaches every cell about equally often. The bound is more than seven
        // standard deviations wide for a fair deal, and a deal that keeps any piece out of any
        // cell, or favours cells 0 and 1 for the parity mend, is far outside it.
        const double expected = double(deals) / m;
        const double sigma = std::sqrt(deals * (1.0 / m) * (1.0 - 1.0 / m));
        for (int k = 0; k < m; ++k)
            for (int c = 0; c < m; ++c)
                QVERIFY2(std::abs(reached[k][c] - expected) < 7.5 * sigma,
                         qPrintable(QStringLiteral("piece %1 in cell %2: %3 times, expected %4")
                                        .arg(k)
                                        .arg(c)
                                        .arg(reached[k][c])
                                        .arg(expected)));
    }

    void parityMendKeepsEvenDealsEquallyLikely()
    {
        // With four pieces the three cells 0 to 2 have two even unsolved arrangements (the two
        // rotations); the mend must give each half of the deals.
        DealRandom random(99);
        int rotateLeft = 0;
        const int deals = 20000;
        for (int d = 0; d < deals; ++d) {
            MemoryBag bag;
            const std::vector<int> pieces = dealPieces(4, bag, random);
            QVERIFY((pieces == std::vector<int> { 1, 2, 0, 3 })
                    || (pieces == std::vector<int> { 2, 0, 1, 3 }));
            rotateLeft += pieces[0] == 1 ? 1 : 0;
        }
        QVERIFY2(std::abs(rotateLeft - deals / 2) < 7.5 * std::sqrt(deals / 4.0),
                 qPrintable(QString::number(rotateLeft)));
    }

    void pinnedDeal()
    {
        DealRandom random(20240607u);
        MemoryBag bag;
        QCOMPARE(dealPieces(9, bag, random), (std::vector<int> { 2, 7, 3, 5, 6, 1, 4, 0, 8 }));
    }

    void freshGeneratorsDiffer()
    {
        // Seeded from the entropy source: two games in the same second deal differently.
        MemoryBag bag;
        DealRandom first = freshDealRandom();
        DealRandom second = freshDealRandom();
        QVERIFY(dealPieces(25, bag, first) != dealPieces(25, bag, second));
    }

    void tinyBoardsEndWithoutCorrection()
    {
        // A board of one cell (before any division) has no unsolved deal: it must not loop.
        DealRandom random(1);
        MemoryBag bag;
        QCOMPARE(dealPieces(1, bag, random), std::vector<int> { 0 });
        QCOMPARE(dealPieces(2, bag, random), (std::vector<int> { 0, 1 }));
        QVERIFY(dealPieces(0, bag, random).empty());
    }

    void arrangementRules_data()
    {
        QTest::addColumn<QList<int>>("pieces");
        QTest::addColumn<bool>("even");
        QTest::addColumn<bool>("solved");
        QTest::newRow("solved") << QList<int> { 0, 1, 2, 3, 4, 5, 6, 7, 8 } << true << true;
        QTest::newRow("one swap") << QList<int> { 1, 0, 2, 3, 4, 5, 6, 7, 8 } << false << false;
        QTest::newRow("three-cycle") << QList<int> { 1, 2, 0, 3, 4, 5, 6, 7, 8 } << true << false;
        QTest::newRow("two swaps") << QList<int> { 1, 0, 3, 2, 4, 5, 6, 7, 8 } << true << false;
    }

    void arrangementRules()
    {
        QFETCH(QList<int>, pieces);
        QFETCH(bool, even);
        QFETCH(bool, solved);
        const std::vector<int> v(pieces.begin(), pieces.end());
        QCOMPARE(isEvenArrangement(v), even);
        QCOMPARE(isSolvedArrangement(v), solved);
    }
};

QTEST_GUILESS_MAIN(TestDeal)
#include "tst_deal.moc"
