#include "board/savedgame.h"
#include "common/errors.h"

#include <QtTest>

#include <numeric>
#include <random>

using namespace tessel;

namespace {

// The values of a stored game, "Foto-0" onwards.
KeyValuePairs stored(const QStringList& values)
{
    KeyValuePairs pairs;
    for (int k = 0; k < values.size(); ++k)
        pairs.emplace_back(QStringLiteral("Foto-") + QString::number(k), values[k]);
    return pairs;
}

// The home arrangement with the empty cell (n - 1) walked `steps` random slides away.
std::vector<int> walkedFromHome(int gridSize, int steps, std::mt19937& random)
{
    const int n = gridSize * gridSize;
    std::vector<int> pieces(n);
    std::iota(pieces.begin(), pieces.end(), 0);
    int blank = n - 1;
    for (int i = 0; i < steps; ++i) {
        const int row = blank / gridSize;
        const int column = blank % gridSize;
        std::vector<int> next;
        if (row > 0)
            next.push_back(blank - gridSize);
        if (row < gridSize - 1)
            next.push_back(blank + gridSize);
        if (column > 0)
            next.push_back(blank - 1);
        if (column < gridSize - 1)
            next.push_back(blank + 1);
        const int to = next[random() % next.size()];
        std::swap(pieces[blank], pieces[to]);
        blank = to;
    }
    return pieces;
}

int errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const TesselError& e) {
        return e.number();
    }
    return 0;
}

} // namespace

class TestSavedGame : public QObject
{
    Q_OBJECT

private slots:
    void readSavedArrangement_data()
    {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<QList<int>>("pieces"); // empty: refused
        QTest::addColumn<int>("blank");
        const QList<int> refused;
        QTest::newRow("3 x 3, one move from home: the empty cell carries 8, not 7")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", "7" } << 3
            << QList<int> { 0, 1, 2, 3, 4, 5, 6, 8, 7 } << 7;
        QTest::newRow("3 x 3, empty centre")
            << QStringList { "0", "1", "2", "3", "4B", "4", "6", "7", "5" } << 3
            << QList<int> { 0, 1, 2, 3, 8, 4, 6, 7, 5 } << 4;
        QTest::newRow("4 x 4, empty first cell: the empty cell's row counts")
            << QStringList { "0B", "0", "1",  "2", "4",  "5",  "6",  "3",
                             "8",  "9", "10", "7", "12", "13", "14", "11" }
            << 4 << QList<int> { 15, 0, 1, 2, 4, 5, 6, 3, 8, 9, 10, 7, 12, 13, 14, 11 } << 0;
        QTest::newRow("4 x 4, the same with two blocks exchanged cannot come home")
            << QStringList { "0B", "0", "1",  "2", "5",  "4",  "6",  "3",
                             "8",  "9", "10", "7", "12", "13", "14", "11" }
            << 4 << refused << 0;
        QTest::newRow("3 x 3 with two blocks exchanged cannot come home")
            << QStringList { "1", "0", "2", "3", "4", "5", "6", "7", "8B" } << 3 << refused << 0;
        QTest::newRow("a 3 x 3 game on a 4 x 4 board")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", "7" } << 4 << refused << 0;
        QTest::newRow("a value too many")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", "7", "8" } << 3 << refused
            << 0;
        QTest::newRow("no empty cell")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7", "8" } << 3 << refused << 0;
        QTest::newRow("two empty cells")
            << QStringList { "0", "1", "2", "3", "4", "5", "6B", "7B", "7" } << 3 << refused << 0;
        QTest::newRow("the empty cell names another cell")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "8B", "7" } << 3 << refused << 0;
        QTest::newRow("a lower-case b")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7b", "7" } << 3 << refused << 0;
        QTest::newRow("a block twice")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", "6" } << 3 << refused << 0;
        QTest::newRow("the empty cell's number as a block")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", "8" } << 3 << refused << 0;
        QTest::newRow("a leading zero")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", "07" } << 3 << refused << 0;
        QTest::newRow("a blank around a number")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", " 7" } << 3 << refused << 0;
        QTest::newRow("a sign") << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", "+7" }
                                << 3 << refused << 0;
        QTest::newRow("a negative block")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", "-1" } << 3 << refused << 0;
        QTest::newRow("text") << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", "x" } << 3
                              << refused << 0;
        QTest::newRow("an empty value")
            << QStringList { "0", "1", "2", "3", "4", "5", "6", "7B", "" } << 3 << refused << 0;
        QTest::newRow("nothing stored") << QStringList {} << 3 << refused << 0;
    }

    void readSavedArrangement()
    {
        QFETCH(QStringList, values);
        QFETCH(int, gridSize);
        QFETCH(QList<int>, pieces);
        QFETCH(int, blank);
        const auto saved = tessel::readSavedArrangement(stored(values), gridSize);
        QCOMPARE(saved.has_value(), !pieces.isEmpty());
        if (!saved)
            return;
        QCOMPARE(QList<int>(saved->pieces.begin(), saved->pieces.end()), pieces);
        QCOMPARE(saved->blankIndex, blank);
    }

    void valuesAreReadByPositionNotByKey()
    {
        const QStringList values = { "0", "1", "2", "3", "4B", "4", "6", "7", "5" };
        KeyValuePairs pairs;
        for (int k = 0; k < values.size(); ++k) // written under other names, in reverse
            pairs.emplace_back(QStringLiteral("Foto-") + QString::number(8 - k), values[k]);
        pairs[3].first = QStringLiteral("anything");
        const auto byPosition = tessel::readSavedArrangement(pairs, 3);
        const auto byName = tessel::readSavedArrangement(stored(values), 3);
        QVERIFY(byPosition && byName);
        QCOMPARE(byPosition->pieces, byName->pieces);
        QCOMPARE(byPosition->blankIndex, 4);
    }

    void slidingDecidesSolvability_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::newRow("3 x 3") << 3;
        QTest::newRow("4 x 4: the empty cell's row matters") << 4;
        QTest::newRow("5 x 5") << 5;
    }

    void slidingDecidesSolvability()
    {
        // Every arrangement that slides reach can come home; exchanging two blocks of one never
        // can. Neither fact depends on the rule under test.
        QFETCH(int, gridSize);
        std::mt19937 random(gridSize);
        for (int trial = 0; trial < 300; ++trial) {
            std::vector<int> pieces = walkedFromHome(gridSize, trial, random);
            QVERIFY(isSolvableArrangement(pieces, gridSize));
            const int n = gridSize * gridSize;
            int a = int(random() % n);
            int b = int(random() % n);
            while (pieces[a] == n - 1)
                a = (a + 1) % n;
            while (b == a || pieces[b] == n - 1)
                b = (b + 1) % n;
            std::swap(pieces[a], pieces[b]);
            QVERIFY(!isSolvableArrangement(pieces, gridSize));
        }
    }

    void notAnArrangementIsNotSolvable()
    {
        QVERIFY(!isSolvableArrangement(std::vector<int> { 0, 1, 2, 3, 4, 5, 6, 7, 7 }, 3));
        QVERIFY(!isSolvableArrangement(std::vector<int> { 0, 1, 2, 3 }, 3));
    }

    void storedNumbers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("error"); // 0: none
        QTest::newRow("seconds 59") << "seconds"
                                    << "59" << 59 << 0;
        QTest::newRow("seconds 60 is beyond the clock") << "seconds"
                                                        << "60" << 0 << 6;
        QTest::newRow("seconds 300 is beyond a byte") << "seconds"
                                                      << "300" << 0 << 6;
        QTest::newRow("seconds as text") << "seconds"
                                         << "five" << 0 << 13;
        QTest::newRow("hours 23") << "hours"
                                  << "23" << 23 << 0;
        QTest::newRow("hours 24") << "hours"
                                  << "24" << 0 << 6;
        QTest::newRow("moves 87") << "moves"
                                  << "87" << 87 << 0;
        QTest::newRow("moves below zero") << "moves"
                                          << "-1" << 0 << 6;
        QTest::newRow("moves beyond 32 bits") << "moves"
                                              << "2147483648" << 0 << 6;
        QTest::newRow("block count 2") << "division"
                                       << "2" << 2 << 0;
        QTest::newRow("block count 3 names no option") << "division"
                                                       << "3" << 0 << 380;
        QTest::newRow("block count -1 names no option") << "division"
                                                        << "-1" << 0 << 380;
        QTest::newRow("block count as text") << "division"
                                             << "x" << 0 << 13;
        QTest::newRow("block count beyond 16 bits") << "division"
                                                    << "70000" << 0 << 6;
    }

    void storedNumbers()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(int, error);
        int read = 0;
        const int raised = errorOf([&] {
            if (kind == QLatin1String("seconds"))
                read = readTimeField(text, 59);
            else if (kind == QLatin1String("hours"))
                read = readTimeField(text, 23);
            else if (kind == QLatin1String("moves"))
                read = readMoveCount(text);
            else
                read = readDivisionIndex(text);
        });
        QCOMPARE(raised, error);
        QCOMPARE(read, value);
    }
};

QTEST_GUILESS_MAIN(TestSavedGame)
#include "tst_savedgame.moc"
