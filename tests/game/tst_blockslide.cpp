#include "common/shared.h"
#include "game/anaform.h"
#include "game/blockslide.h"
#include "game/boardframe.h"
#include "store/settingskeys.h"
#include "support/testsupport.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tessel;
using namespace tessel::test;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

// Where in `frame` (the board, grabbed) the image `block` stands whole and unscaled, looked for
// along the row `y` between the lefts `fromX` and `toX`; -1 when it stands nowhere there.
int blockLeftIn(const QImage& frame, const QImage& block, int y, int fromX, int toX)
{
    const QImage shot = frame.convertToFormat(QImage::Format_RGB32);
    const QImage wanted = block.convertToFormat(QImage::Format_RGB32);
    for (int x = std::min(fromX, toX); x <= std::max(fromX, toX); ++x) {
        if (x + wanted.width() > shot.width() || y + wanted.height() > shot.height())
            continue;
        if (shot.copy(x, y, wanted.width(), wanted.height()) == wanted)
            return x;
    }
    return -1;
}

QRect innerOf(const PictureBox* cell)
{
    return cell->contentsRect().translated(cell->pos());
}

// A key as the keyboard gives it, to the widget with the focus; nothing else runs meanwhile.
void pressOnly(Qt::Key key)
{
    QTest::keyClick(static_cast<QWidget*>(nullptr), key);
}

} // namespace

class TestBlockSlide : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        shared().SettingsAppName = app;
    }

    void init() { m_store = emptyStore(m_dir); }

    void aMoveIsSeenGlidingBetweenItsCells()
    {
        FakeSoundOutput sound;
        const auto form = shownGameWindow(*m_store);
        arrangeBoard(*form, QStringLiteral("0 1 2/3 4 5/6 . 7"));
        QCoreApplication::processEvents();
        const PictureBox* from = form->DağınıkParçalar.at(8);
        const PictureBox* to = form->DağınıkParçalar.at(7);
        const QImage block = form->SıralıParçalar.at(7).toImage();
        // Only the two cells are recorded: a cheap grab keeps the pace of 60 frames a second.
        const QRect cells = innerOf(from).united(innerOf(to));
        const QRect fromRect = innerOf(from).translated(-cells.topLeft());
        const QRect toRect = innerOf(to).translated(-cells.topLeft());
        QCOMPARE(fromRect.top(), toRect.top());

        FakeMessageBoxes boxes; // the move completes the photo
        // Ten times as long as a player's, so that a machine busy with other tests still
        // draws several frames of it.
        form->blockSlide()->setDuration(10 * BlockSlide::durationMs);
        form->DağınıkParçalar_Click(8);
        // The move is made, counted, heard and told before the glide has drawn anything.
        QVERIFY(form->blockSlide()->sliding());
        QCOMPARE(form->game().pieceAt(7), 7);
        QCOMPARE(form->DağınıkParçalar.at(7)->tag(), QStringLiteral("7"));
        QCOMPARE(sound.played, (QStringList { "TAMAM", "TEBRIK" }));
        QCOMPARE(boxes.shown().size(), 1);
        QVERIFY(form->game().isComplete());

        // The board recorded at 60 frames a second while the block glides.
        QList<int> lefts;
        QElapsedTimer clock;
        clock.start();
        qint64 next = 0;
        while (form->blockSlide()->sliding() && clock.elapsed() < 5000) {
            if (clock.elapsed() >= next) {
                next += 1000 / 60;
                const QImage frame = form->board()->grab(cells).toImage();
                lefts << blockLeftIn(frame, block, fromRect.top(), fromRect.left(), toRect.left());
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        }
        QVERIFY2(!form->blockSlide()->sliding(), "the glide ends");
        int between = 0;
        for (int left : std::as_const(lefts)) {
            // Every frame shows the block whole, at its own pixels, on its way and never back.
            QVERIFY2(left >= 0, qPrintable(QStringLiteral("frames %1").arg(lefts.size())));
            if (left > toRect.left() && left < fromRect.left())
                ++between;
        }
        for (qsizetype i = 1; i < lefts.size(); ++i)
            QVERIFY(lefts[i] <= lefts[i - 1]);
        qInfo("%d frames recorded, %d with the block between its cells", int(lefts.size()),
              between);
        QVERIFY2(between >= 3,
                 qPrintable(QStringLiteral("%1 of %2 frames between the cells")
                                .arg(between)
                                .arg(lefts.size())));
        // Afterwards the cell itself shows the block, and no glide stands over it.
        const QImage after = form->board()->grab(cells).toImage();
        QCOMPARE(blockLeftIn(after, block, toRect.top(), toRect.left(), toRect.left()),
                 toRect.left());
        QVERIFY(form->blockSlide()->isHidden());
    }

    void keysDuringAGlideTakeTheirMovesAtOnce()
    {
        FakeSoundOutput sound;
        const auto form = shownGameWindow(*m_store);
        arrangeBoard(*form, QStringLiteral("0 1 2/3 4 5/. 7 6"));
        form->board()->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), form->board());

        // Held keys: each press moves before the next, with no glide waited for in between.
        const Qt::Key keys[] = { Qt::Key_Left, Qt::Key_Left,  Qt::Key_Right,
                                 Qt::Key_Left, Qt::Key_Right, Qt::Key_Right };
        const QString boards[] = { "0 1 2/3 4 5/7 . 6", "0 1 2/3 4 5/7 6 .", "0 1 2/3 4 5/7 . 6",
                                   "0 1 2/3 4 5/7 6 .", "0 1 2/3 4 5/7 . 6", "0 1 2/3 4 5/. 7 6" };
        for (size_t i = 0; i < std::size(keys); ++i) {
            pressOnly(keys[i]);
            QCOMPARE(boardText(*form), boards[i]);
            QCOMPARE(form->ClickCount(), int(i) + 1);
            QVERIFY(form->blockSlide()->sliding());
        }
        QCOMPARE(sound.played.size(), int(std::size(keys)));
        // The glide shown is the last move's: block 7 from the middle cell to the left one.
        const QPointF at = form->blockSlide()->blockPosition();
        QVERIFY(at.x() >= innerOf(form->DağınıkParçalar.at(6)).left());
        QVERIFY(at.x() <= innerOf(form->DağınıkParçalar.at(7)).left());
        QTRY_VERIFY(!form->blockSlide()->sliding());
    }

    void aClickEndsAGlideAndTakesItsMove()
    {
        FakeSoundOutput sound;
        const auto form = shownGameWindow(*m_store);
        arrangeBoard(*form, QStringLiteral("0 1 2/3 4 5/. 7 6"));
        form->DağınıkParçalar_Click(7);
        QVERIFY(form->blockSlide()->sliding());
        // A refused click ends the glide too: the board shows what is.
        form->DağınıkParçalar_Click(0);
        QVERIFY(!form->blockSlide()->sliding());
        QCOMPARE(sound.played, (QStringList { "TAMAM", "DUR" }));
        form->DağınıkParçalar_Click(8);
        QVERIFY(form->blockSlide()->sliding());
        QCOMPARE(boardText(*form), QStringLiteral("0 1 2/3 4 5/7 6 ."));
        // A new deal ends it at once.
        form->YeniOyunDüğmesi_Click();
        QVERIFY(!form->blockSlide()->sliding());
    }

    void animateMovesIsThePlayersChoiceAndKept()
    {
        FakeSoundOutput sound;
        {
            const auto form = shownGameWindow(*m_store);
            QVERIFY(form->animatesMoves()); // on by default
            std::unique_ptr<QMenu> menu(form->boardMenu());
            auto* animate = menu->findChild<QAction*>(QStringLiteral("AnimateMovesAction"));
            QVERIFY(animate);
            QVERIFY(animate->isCheckable());
            QVERIFY(animate->isChecked());
            animate->trigger();
            QVERIFY(!form->animatesMoves());
            QCOMPARE(
                m_store->GetSetting(app, settingskeys::Tercihler, settingskeys::HamleleriCanlandir),
                QStringLiteral("0"));
            arrangeBoard(*form, QStringLiteral("0 1 2/3 4 5/. 7 6"));
            form->DağınıkParçalar_Click(7);
            QVERIFY(!form->blockSlide()->sliding());
            QCOMPARE(boardText(*form), QStringLiteral("0 1 2/3 4 5/7 . 6"));
        }
        // The next start keeps the choice; the designed sections are untouched by it.
        const auto again = shownGameWindow(*m_store);
        QVERIFY(!again->animatesMoves());
        std::unique_ptr<QMenu> menu(again->boardMenu());
        auto* animate = menu->findChild<QAction*>(QStringLiteral("AnimateMovesAction"));
        QVERIFY(!animate->isChecked());
        animate->trigger();
        QVERIFY(again->animatesMoves());
        QCOMPARE(
            m_store->GetSetting(app, settingskeys::Tercihler, settingskeys::HamleleriCanlandir),
            QStringLiteral("1"));
        QCOMPARE(m_store->GetSetting(app, settingskeys::Ayarlar, settingskeys::HamleleriCanlandir,
                                     QStringLiteral("(none)")),
                 QStringLiteral("(none)"));
    }
};

QTEST_MAIN(TestBlockSlide)
#include "tst_blockslide.moc"
