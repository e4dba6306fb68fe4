#include "common/shared.h"
#include "game/anaform.h"
#include "photo/fotografsecformu.h"
#include "store/settingskeys.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tessel;
using namespace tessel::test;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

const QColor left = halvesLeft;
const QColor right = halvesRight;

// On the box itself: the caption ends well before the control does.
void click(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= 12 && std::abs(a.green() - b.green()) <= 12
        && std::abs(a.blue() - b.blue()) <= 12;
}

// What the box shows at the four corners and the middle of the edges of its interior.
QList<QColor> edgesShown(PictureBox* box)
{
    const QImage shown = box->grab().toImage();
    const QRect in = box->contentsRect().adjusted(1, 1, -1, -1);
    QList<QColor> colours;
    for (const QPoint& p : { in.topLeft(), in.bottomLeft(), QPoint(in.left(), in.center().y()),
                             in.topRight(), in.bottomRight(), QPoint(in.right(), in.center().y()) })
        colours << shown.pixelColor(p);
    return colours;
}

} // namespace

class TestAnaFormOptions : public GameWindowTest
{
    Q_OBJECT

private:
    static void verifySampleFilled(AnaForm& form)
    {
        const QList<QColor> shown = edgesShown(form.ÖrnekKutusu);
        for (int i = 0; i < 6; ++i)
            QVERIFY2(near(shown[i], i < 3 ? left : right),
                     qPrintable(QStringLiteral("point %1 shows %2").arg(i).arg(shown[i].name())));
        QCOMPARE(form.ÖrnekKutusu->picture().size(), form.ÖrnekKutusu->innerDeviceSize());
    }

    static void verifySampleEmpty(AnaForm& form)
    {
        QVERIFY(form.ÖrnekKutusu->picture().isNull());
        for (const QColor& colour : edgesShown(form.ÖrnekKutusu))
            QCOMPARE(colour, form.ÖrnekKutusu->backColor());
    }

    void storeAGame()
    {
        storeGame(*m_store, { "0", "1", "2", "3", "4", "5", "6", "7", "8B" }, QStringLiteral("12"));
    }

private slots:
    void initTestCase() { shared().AppFolder = m_dir.path() + u'/'; }

    void init() { freshStore(); }

    void sampleFillsItsBox_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("wider than the box") << QSize(400, 50);
        QTest::newRow("taller than the box") << QSize(30, 300);
        QTest::newRow("smaller than the box") << QSize(10, 6);
    }

    void sampleFillsItsBox()
    {
        QFETCH(QSize, size);
        AnaForm form(*m_store);
        form.applyAppearance();
        form.setOriginalPhoto(Photo(halves(size)));
        verifySampleFilled(form);
    }

    void sampleFollowsTheCheckBox()
    {
        AnaForm form(*m_store);
        form.applyAppearance();
        form.setOriginalPhoto(Photo(halves(QSize(200, 100))));
        verifySampleFilled(form);

        click(form.FotoğrafınÖrneğiniGöster);
        QVERIFY(!form.FotoğrafınÖrneğiniGöster->isChecked());
        verifySampleEmpty(form);

        // A new photo while unchecked leaves the box empty.
        form.setOriginalPhoto(Photo(halves(QSize(60, 200))));
        verifySampleEmpty(form);

        // A change the program makes counts like a click.
        form.FotoğrafınÖrneğiniGöster->setChecked(true);
        verifySampleFilled(form);
        QCOMPARE(form.OrjinalFotoğrafKutusu.size(), QSize(60, 200));
    }

    void clearingSaveOnExitDeletesTheStoredGameAtOnce()
    {
        FakeMessageBoxes boxes;
        QPointer<AnaForm> form = new AnaForm(*m_store);
        form->Form_Load();
        // Stored after the start, so no game is rebuilt and the clock stays stopped.
        storeAGame();
        form->SavedGame = m_store->GetAllSettings(app, k::Oyun);
        QCOMPARE(form->SavedGame.size(), size_t(9));

        form->OyunuKaydetOnayı->setChecked(true);
        QCOMPARE(m_store->GetAllSettings(app, k::Oyun).size(), size_t(9));

        click(form->OyunuKaydetOnayı);
        QVERIFY(!form->OyunuKaydetOnayı->isChecked());
        // Gone before any exit; the window's copy stays.
        QVERIFY(m_store->GetAllSettings(app, k::Oyun).empty());
        QVERIFY(m_store->GetAllSettings(app, k::OyunBilgiler).empty());
        QCOMPARE(form->SavedGame.size(), size_t(9));

        // Checking again brings nothing back; clearing again finds nothing to delete.
        click(form->OyunuKaydetOnayı);
        QVERIFY(m_store->GetAllSettings(app, k::Oyun).empty());
        click(form->OyunuKaydetOnayı);
        QVERIFY(m_store->GetAllSettings(app, k::Oyun).empty());

        // No game runs: the exit stores none.
        click(form->OyunuKaydetOnayı);
        form->closeByProgram();
        QTRY_VERIFY(form.isNull());
        QVERIFY(m_store->GetAllSettings(app, k::Oyun).empty());
        QCOMPARE(m_store->GetSetting(app, k::Ayarlar, k::OyunuKaydet), QStringLiteral("1"));
        QVERIFY(boxes.shown().isEmpty());
    }

    void clearingSaveOnExitWithoutASavedGameDeletesNothing()
    {
        // A game another copy stored after this one read the store is not this one's to delete.
        AnaForm form(*m_store);
        form.applyAppearance();
        storeAGame();
        form.OyunuKaydetOnayı->setChecked(true);
        form.OyunuKaydetOnayı->setChecked(false);
        QCOMPARE(m_store->GetAllSettings(app, k::Oyun).size(), size_t(9));
        QCOMPARE(m_store->GetAllSettings(app, k::OyunBilgiler).size(), size_t(1));
    }

    void newPhotoOpensTheSelectionWindowModally()
    {
        FakeMessageBoxes boxes;
        AnaForm form(*m_store);
        form.applyAppearance();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        struct Seen
        {
            QWidget* parent = nullptr;
            bool modal = false;
            QPointer<QWidget> window;
        };
        QList<Seen> seen;
        std::function<void()> inspect = [&] {
            auto* photos = dynamic_cast<FotoğrafSeçFormu*>(QApplication::activeModalWidget());
            if (!photos || !photos->isVisible()) {
                QTimer::singleShot(10, inspect);
                return;
            }
            seen.append({ photos->parentWidget(), photos->isModal(), photos });
            QTest::mouseClick(photos->İptalDüğmesi, Qt::LeftButton);
        };
        for (int opening = 0; opening < 2; ++opening) {
            QTimer::singleShot(0, inspect);
            QTest::mouseClick(form.YeniFotoğrafDüğmesi, Qt::LeftButton);
            // The click returns once the window is gone.
            QCOMPARE(seen.size(), opening + 1);
            QVERIFY(seen.last().window.isNull());
        }
        for (const Seen& s : seen) {
            QCOMPARE(s.parent, &form);
            QVERIFY(s.modal);
        }
        QCOMPARE(m_store->GetSetting(app, k::Ayarlar, k::SonKlasor), m_dir.path());
    }
};

QTEST_MAIN(TestAnaFormOptions)
#include "tst_anaformoptions.moc"
