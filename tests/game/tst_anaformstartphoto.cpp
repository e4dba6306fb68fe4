#include "common/shared.h"
#include "game/anaform.h"
#include "game/boardframe.h"
#include "picture/photoprefetch.h"
#include "store/settingskeys.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QTemporaryDir>
#include <QtTest>

#include <future>
#include <thread>

using namespace tessel;
using namespace tessel::test;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

// A decode of the stored photo held back until the test lets it go.
class HeldDecode
{
public:
    explicit HeldDecode(const QString& path)
    {
        photoprefetch::start(
            path, Photo::screenDetail(),
            [gate = m_gate.get_future().share()](const QString& file, QSize detail) {
                gate.wait();
                return Photo::load(file, detail);
            });
    }
    ~HeldDecode()
    {
        release();
        join();
    }
    void release()
    {
        if (!m_released)
            m_gate.set_value();
        m_released = true;
    }
    // Lets it go from another thread after `milliseconds`, while this one waits for it.
    void releaseLater(int milliseconds)
    {
        m_released = true;
        m_later = std::thread([this, milliseconds] {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            m_gate.set_value();
        });
    }
    void join()
    {
        if (m_later.joinable())
            m_later.join();
    }

private:
    std::promise<void> m_gate;
    bool m_released = false;
    std::thread m_later;
};

QImage imageOf(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestAnaFormStartPhoto : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    FakeMessageBoxes m_boxes;
    FakeSoundOutput m_sound;

    QString photoPath() const { return m_dir.filePath(QStringLiteral("camera.jpg")); }

    std::unique_ptr<SettingsStore> storeWithPhoto(const QString& name, const QString& photo)
    {
        auto store = std::make_unique<SettingsStore>(m_dir.filePath(name));
        store->SaveSetting(app, k::Ayarlar, k::SonFotograf, photo);
        return store;
    }

    // The window loaded as the start-up loads it. With a decode of its photo under way (the
    // test's, held back) it shows without the photo; with none, the load reads the photo
    // itself, which gives the board to compare with.
    std::unique_ptr<AnaForm> open(SettingsStore& store)
    {
        auto form = std::make_unique<AnaForm>(store);
        form->setAttribute(Qt::WA_DeleteOnClose, false);
        form->Form_Load();
        return form;
    }

    std::unique_ptr<AnaForm> openReading(const QString& photo)
    {
        m_references.push_back(
            std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("reference.ini"))));
        SettingsStore& store = *m_references.back();
        store.SaveSetting(app, k::Ayarlar, k::SonFotograf, photo);
        auto form = open(store);
        if (form->storedPhotoPending())
            qFatal("a decode was still under way");
        return form;
    }
    std::vector<std::unique_ptr<SettingsStore>> m_references;

    static void compareBoards(const AnaForm& form, const AnaForm& reference)
    {
        QCOMPARE(form.DağınıkParçalar.size(), reference.DağınıkParçalar.size());
        for (size_t c = 0; c < form.DağınıkParçalar.size(); ++c)
            QCOMPARE(imageOf(form.DağınıkParçalar[c]->picture()),
                     imageOf(reference.DağınıkParçalar[c]->picture()));
        QCOMPARE(imageOf(form.ÖrnekKutusu->picture()), imageOf(reference.ÖrnekKutusu->picture()));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        shared().SettingsAppName = app;
        shared().AppFolder = m_dir.path() + u'/';
        QVERIFY(testPhoto(QSize(480, 360)).save(photoPath()));
    }

    void init() { m_boxes.clear(); }

    // Shown at once in plain colours; the blocks and the sample come with the photo, the same
    // as a start-up that had the photo at hand draws them.
    void theWindowShowsBeforeThePhoto()
    {
        auto store = storeWithPhoto(QStringLiteral("plain.ini"), photoPath());
        HeldDecode decode(photoPath());
        auto form = open(*store);
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QVERIFY(form->storedPhotoPending());
        QCOMPARE(form->DağınıkParçalar.size(), size_t(9));
        for (const PictureBox* cell : form->DağınıkParçalar)
            QVERIFY(cell->picture().isNull());
        QVERIFY(form->ÖrnekKutusu->picture().isNull());
        QVERIFY(form->OrjinalFotoğrafKutusu.isNull());

        QSignalSpy shown(form.get(), &AnaForm::storedPhotoShown);
        decode.release();
        QTRY_COMPARE(shown.count(), 1);
        QVERIFY(!form->storedPhotoPending());
        QVERIFY(m_boxes.shown().isEmpty());

        auto reference = openReading(photoPath());
        QVERIFY(!reference->storedPhotoPending());
        compareBoards(*form, *reference);
        QVERIFY(!form->DağınıkParçalar.at(8)->picture().isNull()); // the blocks in order
    }

    // A stored game is rebuilt before the photo, its clock running; its blocks come with it.
    void aRestoredGameGetsItsBlocksWithThePhoto()
    {
        auto store = storeWithPhoto(QStringLiteral("game.ini"), photoPath());
        store->SaveSetting(app, k::Ayarlar, k::OyunuKaydet, "1");
        storeGame(*store, { "0", "1", "2", "3", "4", "5", "6", "7B", "7" }, QStringLiteral("9"));
        HeldDecode decode(photoPath());
        auto form = open(*store);
        QVERIFY(form->storedPhotoPending());
        QVERIFY(form->SüreHesapla->running());
        QCOMPARE(form->ClickCount(), 9);
        for (const PictureBox* cell : form->DağınıkParçalar)
            QVERIFY(cell->picture().isNull());

        decode.release();
        QTRY_VERIFY(!form->storedPhotoPending());
        QCOMPARE(boardText(*form), QStringLiteral("0 1 2/3 4 5/6 . 7"));
        auto reference = openReading(photoPath());
        QCOMPARE(imageOf(form->ÖrnekKutusu->picture()), imageOf(reference->ÖrnekKutusu->picture()));
    }

    // A key or a click that comes before the photo waits for it: the game it deals shows the
    // photo's blocks.
    void inputBeforeThePhotoIsHandledAfterIt_data()
    {
        QTest::addColumn<bool>("key");
        QTest::newRow("Space on the board") << true;
        QTest::newRow("a click on a cell") << false;
    }

    void inputBeforeThePhotoIsHandledAfterIt()
    {
        QFETCH(bool, key);
        auto store = storeWithPhoto(QStringLiteral("input.ini"), photoPath());
        HeldDecode decode(photoPath());
        auto form = open(*store);
        showActive(form.get());
        QVERIFY(form->storedPhotoPending());
        decode.releaseLater(300);
        if (key) {
            form->board()->setFocus();
            QTest::keyClick(form->board(), Qt::Key_Space);
        } else {
            QTest::mouseClick(form->DağınıkParçalar.at(4), Qt::LeftButton);
        }
        decode.join();
        // The click reaches the window through its queue.
        QTRY_VERIFY(form->SüreHesapla->running());
        QVERIFY(!form->storedPhotoPending());
        QVERIFY(m_boxes.shown().isEmpty()); // no "select a photo first"
        const QString board = boardText(*form);
        QVERIFY2(!board.contains(u'?'), qPrintable(board));
    }

    // A photo handed over before the stored one is ready (the command line's) comes after it.
    void aPhotoHandedOverFirstStaysTheLast()
    {
        const QString other = m_dir.filePath(QStringLiteral("other.png"));
        QVERIFY(halves(QSize(300, 200)).save(other));
        auto store = storeWithPhoto(QStringLiteral("handed.ini"), photoPath());
        HeldDecode decode(photoPath());
        auto form = open(*store);
        QVERIFY(form->storedPhotoPending());
        decode.releaseLater(200);
        form->openPhotoFile(other);
        decode.join();
        QVERIFY(!form->storedPhotoPending());
        QCOMPARE(shared().PhotoPath, other);
        QCOMPARE(form->OrjinalFotoğrafKutusu.size(), QSize(300, 200));
        QTest::qWait(50);
        QCOMPARE(form->OrjinalFotoğrafKutusu.size(), QSize(300, 200));
    }

    // A stored photo that turns out unreadable is reported once the window is up, and the board
    // is what a start-up that read it at once shows.
    void anUnreadablePhotoIsReportedWhenItsDecodeEnds()
    {
        const QString broken = m_dir.filePath(QStringLiteral("broken.jpg"));
        {
            QFile file(broken);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a picture at all");
        }
        auto store = storeWithPhoto(QStringLiteral("broken.ini"), broken);
        HeldDecode decode(broken);
        auto form = open(*store);
        QVERIFY(form->storedPhotoPending());
        QVERIFY(m_boxes.shown().isEmpty());
        decode.release();
        QTRY_VERIFY(!form->storedPhotoPending());
        QCOMPARE(m_boxes.shown().size(), 1);

        m_boxes.clear();
        auto reference = openReading(broken);
        QCOMPARE(m_boxes.shown().size(), 1);
        compareBoards(*form, *reference);
    }
};

QTEST_MAIN(TestAnaFormStartPhoto)
#include "tst_anaformstartphoto.moc"
