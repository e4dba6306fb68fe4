#include "board/game.h"
#include "common/errors.h"
#include "store/settingskeys.h"

#include <QtTest>

#include <limits>

using namespace tessel;
namespace k = tessel::settingskeys;

namespace {

// "0 1 2/3 . 5/6 7 4": a game on that board, the empty cell "." carrying n - 1.
Game board(const QString& text)
{
    SavedArrangement arranged;
    for (const QString& cell : QString(text).replace(u'/', u' ').split(u' ', Qt::SkipEmptyParts)) {
        if (cell == QLatin1String("."))
            arranged.blankIndex = static_cast<int>(arranged.pieces.size());
        arranged.pieces.push_back(cell == QLatin1String(".") ? -1 : cell.toInt());
    }
    const int n = static_cast<int>(arranged.pieces.size());
    arranged.pieces[size_t(arranged.blankIndex)] = n - 1;
    Game game;
    game.divide(static_cast<int>(text.count(u'/')) + 1);
    game.restore(arranged);
    return game;
}

// The board in the same notation; a cell that carries no block reads "-".
QString text(const Game& game)
{
    QStringList cells;
    for (int c = 0; c < game.cellCount(); ++c)
        cells << (game.pieceAt(c) < 0          ? QStringLiteral("-")
                      : c == game.blankIndex() ? QStringLiteral(".")
                                               : game.tag(c));
    QStringList rows;
    for (int r = 0; r < game.gridSize(); ++r)
        rows << cells.mid(r * game.gridSize(), game.gridSize()).join(u' ');
    return rows.join(u'/');
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

const QString centre = QStringLiteral("0 1 2/3 . 4/6 7 5");
const QString fourByFour = QStringLiteral("0 1 2 3/. 5 6 7/4 9 10 11/8 12 13 14");

} // namespace

class TestGame : public QObject
{
    Q_OBJECT

private slots:
    void aClickMovesOrIsRefused_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("after"); // empty: refused
        QTest::newRow("3 x 3 empty centre, above moves") << centre << 1 << "0 . 2/3 1 4/6 7 5";
        QTest::newRow("3 x 3 empty centre, left moves") << centre << 3 << "0 1 2/. 3 4/6 7 5";
        QTest::newRow("3 x 3 empty centre, right moves") << centre << 5 << "0 1 2/3 4 ./6 7 5";
        QTest::newRow("3 x 3 empty centre, below moves") << centre << 7 << "0 1 2/3 7 4/6 . 5";
        for (int corner : { 0, 2, 6, 8 })
            QTest::addRow("3 x 3 empty centre, corner %d is diagonal", corner)
                << centre << corner << QString();
        QTest::newRow("3 x 3 empty centre, the empty cell itself") << centre << 4 << QString();
        QTest::newRow("4 x 4 empty cell 4, cell 3 ends the row above: no wrap")
            << fourByFour << 3 << QString();
        QTest::newRow("4 x 4 empty cell 4, above moves")
            << fourByFour << 0 << ". 1 2 3/0 5 6 7/4 9 10 11/8 12 13 14";
        QTest::newRow("4 x 4 empty cell 4, right moves")
            << fourByFour << 5 << "0 1 2 3/5 . 6 7/4 9 10 11/8 12 13 14";
        QTest::newRow("4 x 4 empty cell 4, below moves")
            << fourByFour << 8 << "0 1 2 3/4 5 6 7/. 9 10 11/8 12 13 14";
        QTest::newRow("4 x 4 empty cell 4, two cells away") << fourByFour << 6 << QString();
    }

    void aClickMovesOrIsRefused()
    {
        QFETCH(QString, before);
        QFETCH(int, cell);
        QFETCH(QString, after);
        Game game = board(before);
        const int blank = game.blankIndex();
        const bool moves = !after.isEmpty();
        QCOMPARE(game.canMove(cell), moves);
        QCOMPARE(game.move(cell), moves);
        QCOMPARE(text(game), moves ? after : before);
        QCOMPARE(game.blankIndex(), moves ? cell : blank);
        QCOMPARE(game.moveCount(), moves ? 1 : 0);
        QCOMPARE(game.moves().size(), size_t(moves ? 1 : 0));
        if (moves)
            QCOMPARE(game.moves().front(), (Move { cell, blank }));
        // A slide the rule refuses changes nothing.
        if (!moves) {
            const Game unchanged = game;
            QCOMPARE(errorOf([&] { game.slide(cell); }), int(ErrorCode::InvalidCall));
            QCOMPARE(game, unchanged);
        }
    }

    // An arrow clicks the cell beyond the empty one, or, with none that way, the empty cell
    // itself, which is refused.
    void anArrowMovesTheBlockItsWay_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("arrow");
        QTest::addColumn<QString>("after"); // empty: nothing slides that way
        QTest::newRow("Left: the block right of the empty cell")
            << centre << int(Arrow::Left) << "0 1 2/3 4 ./6 7 5";
        QTest::newRow("Right: the block left of it")
            << centre << int(Arrow::Right) << "0 1 2/. 3 4/6 7 5";
        QTest::newRow("Up: the block below it") << centre << int(Arrow::Up) << "0 1 2/3 7 4/6 . 5";
        QTest::newRow("Down: the block above it")
            << centre << int(Arrow::Down) << "0 . 2/3 1 4/6 7 5";
        const QString corner = QStringLiteral("0 1 2/3 4 5/7 6 .");
        QTest::newRow("empty bottom right, Left: nothing right of it")
            << corner << int(Arrow::Left) << QString();
        QTest::newRow("empty bottom right, Up: nothing below it")
            << corner << int(Arrow::Up) << QString();
        QTest::newRow("empty bottom right, Right")
            << corner << int(Arrow::Right) << "0 1 2/3 4 5/7 . 6";
        const QString row = QStringLiteral("0 1 2 ./3 4 5 6/7 8 9 10/11 12 13 14");
        QTest::newRow("4 x 4, empty at a row's end, Left: no wrap to the next row")
            << row << int(Arrow::Left) << QString();
        QTest::newRow("4 x 4, empty at a row's end, Down: nothing above it")
            << row << int(Arrow::Down) << QString();
        QTest::newRow("4 x 4, empty at a row's end, Up")
            << row << int(Arrow::Up) << "0 1 2 6/3 4 5 ./7 8 9 10/11 12 13 14";
    }

    void anArrowMovesTheBlockItsWay()
    {
        QFETCH(QString, before);
        QFETCH(int, arrow);
        QFETCH(QString, after);
        Game game = board(before);
        const int cell = game.cellForArrow(Arrow(arrow));
        QCOMPARE(cell >= 0, !after.isEmpty());
        QCOMPARE(game.move(cell >= 0 ? cell : game.blankIndex()), !after.isEmpty());
        QCOMPARE(text(game), after.isEmpty() ? before : after);
    }

    void completion()
    {
        Game game = board(QStringLiteral("0 1 2/3 4 5/6 . 7"));
        QVERIFY(!game.isComplete());
        QVERIFY(game.move(8));
        QVERIFY(game.isComplete());
        QVERIFY(!board(QStringLiteral("1 0 2/3 4 5/6 7 .")).isComplete());
        // The whole photo in order carries no block numbers: it is no completed game.
        game.showInOrder();
        QVERIFY(!game.isComplete());
        game.divide(3);
        QVERIFY(!game.isComplete());
    }

    // What each cell shows and carries, as the cells' pictures and tags show it.
    void whatTheCellsShow()
    {
        Game divided;
        divided.divide(3);
        Game inOrder = divided;
        inOrder.showInOrder();
        Game dealt = divided;
        dealt.deal({ 3, 1, 4, 2, 0, 5, 7, 6, 8 });
        Game whole = board(QStringLiteral("0 1 2/3 4 5/6 7 ."));
        whole.showWholePhoto();
        for (int c = 0; c < 9; ++c) {
            QCOMPARE(divided.blockShown(c), Game::noBlock);
            QCOMPARE(inOrder.blockShown(c), c);
            QVERIFY(divided.tag(c).isEmpty() && inOrder.tag(c).isEmpty());
            QCOMPARE(dealt.blockShown(c), c == 8 ? Game::noBlock : dealt.pieceAt(c));
            QCOMPARE(whole.blockShown(c), c);
        }
        QCOMPARE(dealt.tags(),
                 (std::vector<QString> { "3", "1", "4", "2", "0", "5", "7", "6", "8" }));
    }

    void aDealMustLeaveTheLastCellEmpty()
    {
        Game game;
        game.divide(3);
        const Game before = game;
        for (const std::vector<int>& pieces :
             std::vector<std::vector<int>> { { 8, 1, 2, 3, 4, 5, 6, 7, 0 }, // the empty cell first
                                             { 0, 1, 2, 3, 4, 5, 6, 6, 8 }, // a block twice
                                             { 0, 1, 2, 3, 4, 5, 6, 8 } }) // a cell short
            QCOMPARE(errorOf([&] { game.deal(pieces); }), int(ErrorCode::InvalidCall));
        QCOMPARE(game, before);
    }

    void copiesCompareByEverything()
    {
        const Game dealt = board(centre);
        Game copy = dealt;
        QCOMPARE(copy, dealt);
        QVERIFY(copy.move(1));
        QCOMPARE(text(dealt), centre); // the copy moved alone
        // There and back: the same board, but another game, for its moves and its count.
        QVERIFY(copy.move(4));
        QCOMPARE(text(copy), centre);
        QVERIFY(copy != dealt);
        Game timed = dealt;
        timed.tick();
        QVERIFY(timed != dealt);
    }

    // The moves made, undone in reverse order, lead back to the board as dealt.
    void theMovesLeadBackToTheDealtBoard()
    {
        Game game;
        game.divide(3);
        const std::vector<int> dealt = { 4, 0, 2, 1, 3, 5, 6, 7, 8 };
        game.deal(dealt);
        for (int cell : { 5, 4, 3, 0, 1, 4 })
            QVERIFY(game.move(cell));
        QCOMPARE(text(game), QStringLiteral("0 1 2/4 . 3/6 7 5"));
        QCOMPARE(game.dealtPieces(), dealt);
        QCOMPARE(
            game.moves(),
            (std::vector<Move> { { 5, 8 }, { 4, 5 }, { 3, 4 }, { 0, 3 }, { 1, 0 }, { 4, 1 } }));
        Game undone = game;
        for (auto move = game.moves().rbegin(); move != game.moves().rend(); ++move)
            undone.slide(move->to);
        QCOMPARE(undone.pieces(), dealt);
        // A new deal or a new board starts a new list.
        game.deal(dealt);
        QVERIFY(game.moves().empty());
        QVERIFY(game.move(5));
        game.divide(4);
        QVERIFY(game.moves().empty() && game.dealtPieces().empty());
        QCOMPARE(game.moveCount(), 7); // the count is the window's to reset
    }

    void theLargestCountOverflowsAndTheMoveStands()
    {
        Game game = board(centre);
        game.setMoveCount(std::numeric_limits<int32_t>::max());
        QCOMPARE(errorOf([&] { game.move(1); }), int(ErrorCode::Overflow));
        QCOMPARE(text(game), QStringLiteral("0 . 2/3 1 4/6 7 5"));
        QCOMPARE(game.moveCount(), std::numeric_limits<int32_t>::max());
    }

    void storedAsTheStoreKeepsIt()
    {
        Game game = board(QStringLiteral("1 3 4/2 . 5/0 7 6"));
        game.setElapsed({ 23, 59, 5 });
        game.setMoveCount(123456);
        const KeyValuePairs cells = { { "Foto-0", "1" }, { "Foto-1", "3" },  { "Foto-2", "4" },
                                      { "Foto-3", "2" }, { "Foto-4", "4B" }, { "Foto-5", "5" },
                                      { "Foto-6", "0" }, { "Foto-7", "7" },  { "Foto-8", "6" } };
        const KeyValuePairs info = { { "Saniye Bilgisi", "5" },
                                     { "Dakika Bilgisi", "59" },
                                     { "Saat Bilgisi", "23" },
                                     { "Hamle Bilgisi", "123456" } };
        QCOMPARE(game.storedCells(), cells);
        QCOMPARE(game.storedInfo(), info);
        QCOMPARE(Game::fromStored(cells, info, 3), std::optional<Game>(game));
    }

    void readFromTheStore()
    {
        const KeyValuePairs cells
            = { { "A", "0" }, { "B", "1" }, { "C", "2" },  { "D", "3" }, { "E", "4" },
                { "F", "5" }, { "G", "6" }, { "H", "7B" }, { "I", "7" } };
        // Values by position, whatever their keys (the window's restore of a game stored so);
        // information missing reads as 0.
        const auto read = Game::fromStored(cells, { { k::HamleBilgisi, "5" } }, 3);
        QVERIFY(read);
        QCOMPARE(text(*read), QStringLiteral("0 1 2/3 4 5/6 . 7"));
        QCOMPARE(read->elapsed(), ElapsedTime {});
        QCOMPARE(read->moveCount(), 5);
        QVERIFY(read->moves().empty());
        QCOMPARE(read->dealtPieces(), read->pieces());
        // Not a game of this board, or information that does not read: nothing.
        QVERIFY(!Game::fromStored(cells, {}, 4));
        QVERIFY(!Game::fromStored(cells, { { k::SaniyeBilgisi, "60" } }, 3));
    }

    void aValueThatDoesNotReadKeepsTheGamesOwn()
    {
        Game game = board(centre);
        game.setElapsed({ 1, 2, 3 });
        QCOMPARE(errorOf([&] { game.readStoredInfo(k::SaatBilgisi, "24"); }),
                 int(ErrorCode::Overflow));
        game.readStoredInfo(QStringLiteral("Foto-0"), "x"); // no part of the information
        QCOMPARE(game.elapsed(), (ElapsedTime { 1, 2, 3 }));
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "tst_game.moc"
