#include "board/boardlayout.h"
#include "board/gameclock.h"
#include "common/numbers.h"
#include "common/resourcestring.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "support/testsupport.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace tessel;
using namespace tessel::test;

namespace {

// Mean absolute difference per channel of two images of one size.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green())
                + std::abs(p.blue() - q.blue());
        }
    return sum / (3.0 * a.width() * a.height());
}

QStringList tagsOf(const AnaForm& form)
{
    QStringList tags;
    for (const PictureBox* cell : form.DağınıkParçalar)
        tags << cell->tag();
    return tags;
}

} // namespace

class TestAnaFormBoard : public QObject
{
    Q_OBJECT

private:
    // Checks a board just dealt: the last cell empty with tag m, every other cell showing the
    // ordered piece its tag names, the tags a mixed-up permutation, and the game started.
    static void verifyNewGame(const AnaForm& form, int gridSize)
    {
        const int n = gridSize * gridSize;
        const int m = n - 1;
        QCOMPARE(int(form.DağınıkParçalar.size()), n);
        QCOMPARE(int(form.SıralıParçalar.size()), n);
        QCOMPARE(int(form.BlankIndex()), m);
        QVERIFY(form.DağınıkParçalar[m]->picture().isNull());
        QCOMPARE(form.DağınıkParçalar[m]->tag(), QString::number(m));
        QList<int> seen;
        bool inOrder = true;
        for (int c = 0; c < m; ++c) {
            const int k = form.DağınıkParçalar[c]->tag().toInt();
            seen << k;
            inOrder = inOrder && k == c;
            QCOMPARE(form.DağınıkParçalar[c]->picture().cacheKey(),
                     form.SıralıParçalar[k].cacheKey());
        }
        std::sort(seen.begin(), seen.end());
        for (int k = 0; k < m; ++k)
            QCOMPARE(seen[k], k);
        QVERIFY(!inOrder);
        QCOMPARE(form.SayıListesi->count(), 0); // the bag is dealt out
        QCOMPARE(form.SüreHesapla->interval(), 1000);
        QCOMPARE(form.ClickCount(), 0);
        QCOMPARE(int(form.Hours()) + form.Minutes() + form.Seconds(), 0);
        QCOMPARE(form.timeDisplay()->text(), QStringLiteral("00:00:00"));
        QCOMPARE(form.moveCountDisplay()->text(), QStringLiteral("0"));
    }

private slots:
    void tickCarries_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<QList<int>>("after");
        // The carries are the clock's; this shows the window's time follows them.
        QTest::newRow("0:59:59, both carries in one tick")
            << QList<int> { 0, 59, 59 } << QList<int> { 1, 0, 0 };
    }

    void tickCarries()
    {
        QFETCH(QList<int>, before);
        QFETCH(QList<int>, after);
        AnaForm form;
        form.applyAppearance();
        form.game().setElapsed({ uint8_t(before[0]), uint8_t(before[1]), uint8_t(before[2]) });
        form.SüreHesapla_Timer();
        QCOMPARE((QList<int> { form.Hours(), form.Minutes(), form.Seconds() }), after);
        QCOMPARE(form.timeDisplay()->text(),
                 clockText({ uint8_t(after[0]), uint8_t(after[1]), uint8_t(after[2]) }));
    }

    void aWholeDayResetsTheTimeOnceAndKeepsTheMoves()
    {
        FakeMessageBoxes boxes;
        AnaForm form;
        form.applyAppearance();
        form.SüreHesapla->setInterval(1000);
        form.game().setElapsed({ .hours = 23, .minutes = 59, .seconds = 59 });
        form.game().setMoveCount(42);
        // Ticks keep falling due while the message is open.
        boxes.whileOpen = [&form](const MessageBoxRequest&) {
            for (int i = 0; i < 3; ++i)
                emit form.SüreHesapla->timeout();
        };
        form.SüreHesapla_Timer();
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown()[0].text, ResourceString(1400));
        QCOMPARE(boxes.shown()[0].icon, QMessageBox::Information);
        QVERIFY(boxes.shown()[0].centred);
        QCOMPARE((QList<int> { form.Hours(), form.Minutes(), form.Seconds() }),
                 (QList<int> { 0, 0, 0 }));
        QCOMPARE(form.ClickCount(), 42);
        QCOMPARE(form.timeDisplay()->text(), clockText({ 0, 0, 0 }));
        QCOMPARE(form.SüreHesapla->interval(), 1000);
        // The next tick counts again.
        form.SüreHesapla_Timer();
        QCOMPARE(int(form.Seconds()), 1);
    }

    void theTimerDrivesTheClock()
    {
        AnaForm form;
        form.applyAppearance();
        form.SüreHesapla->setInterval(1000);
        QTRY_COMPARE_WITH_TIMEOUT(int(form.Seconds()), 1, 5000);
        QCOMPARE(form.timeDisplay()->text(), clockText({ 0, 0, 1 }));
        form.SüreHesapla->setInterval(0);
    }

    void divisionWhileStoppedShowsThePhotoInOrder_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("3 x 3") << 0;
        QTest::newRow("4 x 4") << 1;
        QTest::newRow("5 x 5") << 2;
    }

    void divisionWhileStoppedShowsThePhotoInOrder()
    {
        QFETCH(int, index);
        AnaForm form;
        form.applyAppearance();
        form.OrjinalFotoğrafKutusu = Photo(testPhoto());
        form.ParçalaraBölSeçeneği_Click(2); // an earlier division leaves nothing behind
        form.ParçalaraBölSeçeneği_Click(index);
        const int gridSize = index + 3;
        const int n = gridSize * gridSize;
        QCOMPARE(int(form.GridSize()), gridSize);
        QCOMPARE(int(shared().DivisionIndex), index);
        QCOMPARE(int(form.BlankIndex()), n - 1);
        QCOMPARE(int(form.DağınıkParçalar.size()), n);
        QCOMPARE(int(form.SıralıParçalar.size()), n);
        const QSize cellTwips = cellSizeTwips(gridSize, QSize(5745, 4485));
        for (int c = 0; c < n; ++c) {
            PictureBox* cell = form.DağınıkParçalar[c];
            QCOMPARE(cell->geometry(), cellRectPixels(c, gridSize, cellTwips));
            QCOMPARE(cell->size(), form.DağınıkParçalar[0]->size());
            QCOMPARE(cell->parentWidget(), form.Çerçeve[0]);
            QVERIFY(cell->isVisibleTo(&form));
            // Every cell, the last one included, shows its own block: no empty cell.
            QVERIFY(!cell->picture().isNull());
            QCOMPARE(cell->picture().cacheKey(), form.SıralıParçalar[c].cacheKey());
            QCOMPARE(cell->picture().deviceIndependentSize().toSize(), cell->innerSize());
            QVERIFY(cell->tag().isEmpty());
            // Copies of cell 0: light yellow, the hand, the sunken border.
            QCOMPARE(cell->backColor(), QColor(255, 255, 192));
            QCOMPARE(cell->cursor().hotSpot(), QPoint(13, 5));
            QCOMPARE(cell->border(), PictureBox::Border::Sunken);
        }
        QCOMPARE(form.Çerçeve[0]->findChildren<PictureBox*>().size(), n);
        QCOMPARE(form.SüreHesapla->interval(), 0);
        QVERIFY(form.timeDisplay()->text().isEmpty());
        QVERIFY(form.moveCountDisplay()->text().isEmpty());
    }

    void divisionWhileRunningDealsANewGame_data()
    {
        divisionWhileStoppedShowsThePhotoInOrder_data();
    }

    void divisionWhileRunningDealsANewGame()
    {
        QFETCH(int, index);
        AnaForm form;
        form.applyAppearance();
        form.OrjinalFotoğrafKutusu = Photo(testPhoto());
        form.SüreHesapla->setInterval(1000);
        form.game().setMoveCount(17);
        form.game().setElapsed({ .minutes = 3, .seconds = 9 });
        form.timeDisplay()->setCaption(QStringLiteral("00:03:09"));
        form.moveCountDisplay()->setCaption(QStringLiteral("17"));
        form.ParçalaraBölSeçeneği_Click(index);
        verifyNewGame(form, index + 3);
    }

    void divisionDuringARestoreDrawsNothing()
    {
        AnaForm form;
        form.applyAppearance();
        form.OrjinalFotoğrafKutusu = Photo(testPhoto());
        form.RestoringGame = true;
        form.game().setMoveCount(5);
        form.ParçalaraBölSeçeneği_Click(1);
        QCOMPARE(int(form.DağınıkParçalar.size()), 16);
        for (const PictureBox* cell : form.DağınıkParçalar) {
            QVERIFY(cell->picture().isNull());
            QVERIFY(cell->tag().isEmpty());
        }
        // The blocks are cut and ready for the saved arrangement.
        for (const QPixmap& piece : form.SıralıParçalar)
            QVERIFY(!piece.isNull());
        QCOMPARE(form.ClickCount(), 5);
        QCOMPARE(form.SüreHesapla->interval(), 0);
    }

    void newGameWithoutAPhotoOnlyAsksForOne()
    {
        FakeMessageBoxes boxes;
        AnaForm form;
        form.applyAppearance();
        form.ParçalaraBölSeçeneği_Click(0); // no photo: blocks of the empty background
        form.SüreHesapla->setInterval(1000);
        form.game().setMoveCount(4);
        form.game().setElapsed({ .seconds = 7 });
        form.moveCountDisplay()->setCaption(QStringLiteral("4"));
        const QStringList tagsBefore = tagsOf(form);
        form.YeniOyunDüğmesi_Click();
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown()[0].text, QStringLiteral("Firstly, please select a photo!"));
        QCOMPARE(boxes.shown()[0].icon, QMessageBox::Information);
        QCOMPARE(boxes.shown()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(boxes.shown()[0].centred);
        QCOMPARE(form.focusWidget(), form.YeniFotoğrafDüğmesi);
        QCOMPARE(form.SüreHesapla->interval(), 1000);
        QCOMPARE(form.ClickCount(), 4);
        QCOMPARE(int(form.Seconds()), 7);
        QCOMPARE(form.moveCountDisplay()->text(), QStringLiteral("4"));
        QCOMPARE(tagsOf(form), tagsBefore);
        QCOMPARE(form.SayıListesi->count(), 0);
        // Without a photo the blocks show the empty photo's background.
        QCOMPARE(form.DağınıkParçalar[4]->picture().toImage().pixelColor(3, 3),
                 form.palette().color(QPalette::Window));
    }

    void newGamePressedTwiceDealsAgain()
    {
        AnaForm form;
        form.applyAppearance();
        form.OrjinalFotoğrafKutusu = Photo(testPhoto());
        form.ParçalaraBölSeçeneği_Click(2);
        form.YeniOyunDüğmesi->click();
        verifyNewGame(form, 5);
        const QStringList first = tagsOf(form);
        form.game().setMoveCount(9);
        form.game().setElapsed({ .seconds = 30 });
        form.YeniOyunDüğmesi->click();
        verifyNewGame(form, 5);
        QVERIFY(tagsOf(form) != first);
    }

    void theBoardShowsThePhotosBlocksInOrder_data()
    {
        divisionWhileStoppedShowsThePhotoInOrder_data();
    }

    void theBoardShowsThePhotosBlocksInOrder()
    {
        QFETCH(int, index);
        const QImage photo = testPhoto(); // 300 x 240: whole blocks for 3, 4 and 5
        AnaForm form;
        form.applyAppearance();
        form.OrjinalFotoğrafKutusu = Photo(photo);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.ParçalaraBölSeçeneği_Click(index);
        const int gridSize = index + 3;
        const int bw = 300 / gridSize;
        const int bh = 240 / gridSize;
        for (int k = 0; k < gridSize * gridSize; ++k) {
            PictureBox* cell = form.DağınıkParçalar[k];
            const QImage shown
                = cell->grab(cell->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
            const QImage expected
                = photo.copy((k % gridSize) * bw, (k / gridSize) * bh, bw, bh)
                      .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double difference = meanDifference(shown, expected);
            QVERIFY2(difference < 3.0,
                     qPrintable(QStringLiteral("block %1 differs by %2").arg(k).arg(difference)));
            // A neighbouring block in its place would differ by far more.
            const int other = (k + 1) % (gridSize * gridSize);
            const QImage wrong
                = photo.copy((other % gridSize) * bw, (other / gridSize) * bh, bw, bh)
                      .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY(meanDifference(shown, wrong) > 10.0);
        }
    }

    // A move to a screen of another scale: the blocks are cut again from the held photo and
    // every cell keeps the piece it showed, the empty one included.
    void aChangeOfScreenScaleCutsAgain_data()
    {
        QTest::addColumn<bool>("dealt");
        QTest::newRow("a game running") << true;
        QTest::newRow("blocks in order") << false;
    }

    void aChangeOfScreenScaleCutsAgain()
    {
        QFETCH(bool, dealt);
        const QImage photo = testPhoto();
        AnaForm form;
        form.applyAppearance();
        form.OrjinalFotoğrafKutusu = Photo(photo);
        form.ParçalaraBölSeçeneği_Click(0);
        if (dealt)
            form.YeniOyunDüğmesi_Click();
        const QStringList tags = tagsOf(form);
        const QSize inner = form.DağınıkParçalar[0]->innerSize();

        form.cutPiecesForRatio(2);
        QCOMPARE(tagsOf(form), tags);
        for (int c = 0; c < 9; ++c) {
            const PictureBox* cell = form.DağınıkParçalar[c];
            if (dealt && c == 8) {
                QVERIFY(cell->picture().isNull());
                continue;
            }
            const int piece = tags[c].isEmpty() ? c : tags[c].toInt();
            QCOMPARE(cell->picture().cacheKey(), form.SıralıParçalar[piece].cacheKey());
            QCOMPARE(cell->picture().devicePixelRatio(), 2.0);
            QCOMPARE(cell->picture().size(), inner * 2);
            const QImage expected
                = photo.copy((piece % 3) * 100, (piece / 3) * 80, 100, 80)
                      .scaled(inner * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY(meanDifference(cell->picture().toImage().convertToFormat(QImage::Format_RGB32),
                                   expected)
                    < 3.0);
        }
        QCOMPARE(form.SüreHesapla->running(), dealt);
    }

    void anOptionClickDivides()
    {
        AnaForm form;
        form.applyAppearance();
        form.OrjinalFotoğrafKutusu = Photo(testPhoto());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mouseClick(form.ParçalaraBölSeçeneği[1], Qt::LeftButton);
        QVERIFY(form.ParçalaraBölSeçeneği[1]->isChecked());
        QCOMPARE(int(form.DağınıkParçalar.size()), 16);
        QCOMPARE(int(shared().DivisionIndex), 1);
        QCOMPARE(form.SüreHesapla->interval(), 0);
    }

    void aCellClickWhileStoppedDeals()
    {
        AnaForm form;
        form.applyAppearance();
        form.OrjinalFotoğrafKutusu = Photo(testPhoto());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.ParçalaraBölSeçeneği_Click(0);
        QTest::mouseClick(form.DağınıkParçalar[4], Qt::LeftButton);
        QTRY_COMPARE(form.SüreHesapla->interval(), 1000);
        verifyNewGame(form, 3);
    }

    void startUpShowsTheDefaultPhotoInOrder()
    {
        QTemporaryDir folder;
        QVERIFY(testPhoto(QSize(120, 90)).save(folder.filePath(QStringLiteral("Sample-1.jpg"))));
        shared().AppFolder = folder.path() + u'/';
        SettingsStore store(folder.filePath(QStringLiteral("Tessel.ini")));
        AnaForm form(store);
        form.Form_Load();
        QCOMPARE(form.OrjinalFotoğrafKutusu.size(), QSize(120, 90));
        QVERIFY(form.ParçalaraBölSeçeneği[0]->isChecked());
        QCOMPARE(int(form.DağınıkParçalar.size()), 9);
        for (int c = 0; c < 9; ++c)
            QCOMPARE(form.DağınıkParçalar[c]->picture().cacheKey(),
                     form.SıralıParçalar[c].cacheKey());
        QCOMPARE(form.SüreHesapla->interval(), 0);
        shared().AppFolder.clear();
    }

    void startUpWithoutTheDefaultPhoto()
    {
        QTemporaryDir folder;
        shared().AppFolder = folder.path() + u'/';
        FakeMessageBoxes boxes;
        SettingsStore store(folder.filePath(QStringLiteral("Tessel.ini")));
        AnaForm form(store);
        form.Form_Load();
        QVERIFY(boxes.shown().isEmpty()); // a missing default photo is no error
        QVERIFY(form.OrjinalFotoğrafKutusu.isNull());
        QCOMPARE(int(form.DağınıkParçalar.size()), 9);
        shared().AppFolder.clear();
    }
};

QTEST_MAIN(TestAnaFormBoard)
#include "tst_anaformboard.moc"
