#include "common/numbers.h"
#include "common/shared.h"
#include "game/anaform.h"
#include "photo/fotografsecformu.h"
#include "store/settingskeys.h"
#include "support/testsupport.h"

#include <QBuffer>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <memory>

using namespace tessel;
using namespace tessel::test;
namespace k = tessel::settingskeys;

namespace {

const QString app = QStringLiteral("Velkor\\Tessel");

// Four quadrants of distinct colours: a picture drawn at the wrong place or proportion shows in
// the corners.
const QColor topLeft(220, 30, 30);
const QColor topRight(30, 200, 40);
const QColor bottomLeft(30, 40, 220);
const QColor bottomRight(240, 220, 30);

QImage quadrants(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width() / 2;
    const int h = size.height() / 2;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(
                x, y, y < h ? (x < w ? topLeft : topRight) : (x < w ? bottomLeft : bottomRight));
    return image;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A JPEG whose frame header claims 65000 x 65000 pixels, the rest of it a small picture.
QByteArray jpegClaimingHugeSize()
{
    QByteArray bytes = encoded(quadrants(QSize(16, 16)), "JPG");
    const qsizetype frame = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    if (frame < 0)
        qFatal("no frame header");
    qToBigEndian<quint16>(65000, bytes.data() + frame + 5);
    qToBigEndian<quint16>(65000, bytes.data() + frame + 7);
    return bytes;
}

QByteArray bmpClaimingHugeSize()
{
    QByteArray bytes = encoded(quadrants(QSize(16, 16)), "BMP");
    qToLittleEndian<qint32>(65000, bytes.data() + 18);
    qToLittleEndian<qint32>(65000, bytes.data() + 22);
    return bytes;
}

bool near(const QColor& a, const QColor& b, int tolerance = 24)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

// The colours a box shows just inside the four corners of its interior.
void verifyFilledWithQuadrants(PictureBox* box)
{
    const QImage shown = box->grab().toImage();
    const QRect inner = box->contentsRect();
    const QPoint corners[]
        = { inner.topLeft() + QPoint(1, 1), inner.topRight() + QPoint(-1, 1),
            inner.bottomLeft() + QPoint(1, -1), inner.bottomRight() + QPoint(-1, -1) };
    const QColor expected[] = { topLeft, topRight, bottomLeft, bottomRight };
    for (int i = 0; i < 4; ++i) {
        const QColor seen = shown.pixelColor(corners[i]);
        QVERIFY2(near(seen, expected[i]),
                 qPrintable(QStringLiteral("corner %1 shows %2").arg(i).arg(seen.name())));
    }
    QCOMPARE(box->picture().size(), box->innerDeviceSize());
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(bytes);
}

} // namespace

class TestFotografSecFormu : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<AnaForm> m_game;
    QString m_volumeA; // holds the application's folder
    QString m_volumeB;
    QString m_appFolder; // without the trailing separator
    QStringList m_volumes;
    QList<PhotoPlace> m_places;

    QString path(const QString& relative) const { return m_dir.path() + u'/' + relative; }

    QPointer<FotoğrafSeçFormu> openForm(bool show = true)
    {
        QPointer<FotoğrafSeçFormu> form = new FotoğrafSeçFormu(
            *m_game, [this] { return m_volumes; }, [this] { return m_places; });
        if (show) {
            form->show();
            if (!QTest::qWaitForWindowExposed(form))
                qFatal("window not exposed");
        }
        return form;
    }

    QString storedFolder() const
    {
        return m_store->GetSetting(app, k::Ayarlar, k::SonKlasor, QStringLiteral("(none)"));
    }

    void remember(const QString& folder)
    {
        m_store->SaveSetting(app, k::Ayarlar, k::SonKlasor, folder);
    }

    static void clickFile(FotoğrafSeçFormu& form, const QString& name)
    {
        const QList<QListWidgetItem*> found = form.DosyaListesi->findItems(name, Qt::MatchExactly);
        if (found.size() != 1)
            qFatal("no file %s listed", qPrintable(name));
        QListWidget* list = form.DosyaListesi;
        const QRect spot = list->visualItemRect(found.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, spot.center());
        settle(form);
    }

    // Files decode away from the window's thread: waits until the last one asked for is in.
    static void settle(FotoğrafSeçFormu& form)
    {
        if (!QTest::qWaitFor([&] { return !form.decoding(); }, 10000))
            qFatal("a decode never ended");
    }

    // A click that does not wait for the decode.
    static void clickFileOnly(FotoğrafSeçFormu& form, const QString& name)
    {
        const QList<QListWidgetItem*> found = form.DosyaListesi->findItems(name, Qt::MatchExactly);
        QListWidget* list = form.DosyaListesi;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(found.value(0)).center());
    }

    // As the platform delivers one: press, release, press, double click, release.
    static void doubleClick(QWidget* widget, QPoint at)
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
        QTest::mousePress(widget, Qt::LeftButton, {}, at);
        QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        shared().SettingsAppName = app;
        m_volumeA = path(QStringLiteral("volA"));
        m_volumeB = path(QStringLiteral("volB"));
        m_appFolder = m_volumeA + QStringLiteral("/games/Tessel");
        QVERIFY(QDir().mkpath(m_appFolder + QStringLiteral("/Sub")));
        QVERIFY(QDir().mkpath(m_volumeB + QStringLiteral("/photos/holiday")));
        shared().AppFolder = m_appFolder + u'/';
        // Volumes stand in for mounts: the real root, the two folders, and one that is gone.
        m_volumes
            = { QStringLiteral("/"), m_volumeA, m_volumeB, path(QStringLiteral("unplugged")) };
        // The player's folders, which every test finds above the volumes.
        QVERIFY(QDir().mkpath(path(QStringLiteral("ali/Resimler"))));
        m_places = { { QStringLiteral("Home"), path(QStringLiteral("ali")) },
                     { QStringLiteral("Resimler"), path(QStringLiteral("ali/Resimler")) } };
        QVERIFY(quadrants(QSize(30, 30)).save(path(QStringLiteral("ali/Resimler/cat.jpg"))));

        const QString folder = m_appFolder + u'/';
        QVERIFY(quadrants(QSize(300, 60)).save(folder + QStringLiteral("wide.jpg")));
        QVERIFY(quadrants(QSize(40, 200)).save(folder + QStringLiteral("tall.bmp")));
        QVERIFY(quadrants(QSize(64, 48)).save(m_volumeB + QStringLiteral("/photos/beach.JPG")));
        write(folder + QStringLiteral("text.jpg"), "not a picture at all");
        write(folder + QStringLiteral("empty.bmp"), QByteArray());
        // Cut in their pixel data, where the readers would fill the rest in.
        const QByteArray jpeg = encoded(quadrants(QSize(64, 64)), "JPG");
        write(folder + QStringLiteral("cut.jpg"), jpeg.left(jpeg.size() * 3 / 4));
        const QByteArray bmp = encoded(quadrants(QSize(64, 64)), "BMP");
        write(folder + QStringLiteral("cut.bmp"), bmp.left(bmp.size() * 3 / 4));
        write(folder + QStringLiteral("huge.jpg"), jpegClaimingHugeSize());
        write(folder + QStringLiteral("huge.bmp"), bmpClaimingHugeSize());
        // Whole, but their data ends long before their size: the decoder fills in grey.
        write(folder + QStringLiteral("damaged.jpg"), jpegClaiming(4000, 4000));
        // Progressive, 15000 x 15000: its decode would need 675 MB.
        write(folder + QStringLiteral("progressive.jpg"), jpegClaiming(15000, 15000, true));
        write(folder + QStringLiteral("notes.txt"), "not listed");
    }

    void init()
    {
        m_store = std::make_unique<SettingsStore>(path(QStringLiteral("Tessel.ini")));
        QFile::remove(m_store->filePath());
        shared().PhotoPath = QStringLiteral("/before/Sample-1.jpg");
        shared().DivisionIndex = 0;
        m_game = std::make_unique<AnaForm>(*m_store);
        m_game->applyAppearance();
        m_game->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_game.get()));
    }

    void cleanup()
    {
        // A window left open by a failed check goes with its owner.
        m_game.reset();
    }

    void designTable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips"); // left, top, width, height; no size: sized to its text
        QTest::addColumn<QString>("caption");
        auto row = [](const char* name, QRect twips, const char* caption) {
            QTest::newRow(name) << QString::fromUtf8(name) << twips << QString::fromUtf8(caption);
        };
        row("Etiket(0)", { 300, 300, 0, 0 }, "Dri&ver(s)");
        row("SürücüListesi", { 300, 600, 2205, 315 }, "");
        row("Etiket(1)", { 300, 1170, 0, 0 }, "&Directory(s)");
        row("KlasörListesi", { 300, 1470, 2205, 2115 }, "");
        row("Etiket(2)", { 2760, 300, 0, 0 }, "&Photos (*.bmp, *.jpg)");
        row("DosyaListesi", { 2760, 600, 2175, 3015 }, "");
        row("Etiket(3)", { 5190, 300, 0, 0 }, "Preview ");
        row("ÖnizlemeKutusu", { 5190, 600, 2370, 1778 }, "");
        row("TamamDüğmesi", { 5190, 2700, 2370, 345 }, "OK");
        row("İptalDüğmesi", { 5190, 3120, 2370, 345 }, "Cancel");
    }

    void designTable()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QPointer<FotoğrafSeçFormu> form = openForm(false);
        QWidget* widget = form->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->parentWidget(), form.data());
        const QRect expected = twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height());
        QCOMPARE(widget->pos(), expected.topLeft());
        if (twips.width() > 0)
            QCOMPARE(widget->size(), expected.size());
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->text(), caption);
            QVERIFY(label->sizeHint().width() <= label->width());
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QCOMPARE(button->text(), caption);
            QVERIFY(button->sizeHint().width() <= button->width());
            // Neither button is the default: Enter in a list hands nothing over.
            QVERIFY(!button->autoDefault());
            QVERIFY(!button->isDefault());
        }
        QVERIFY(form->rect().contains(widget->geometry()));
        delete form;
    }

    void window()
    {
        QPointer<FotoğrafSeçFormu> form = openForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("Select Photo..."));
        QCOMPARE(form->parentWidget(), m_game.get());
        QVERIFY(form->isModal());
        QVERIFY(form->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(form->size(), twipsToPixels(0, 0, 7875, 3960).size());
        QCOMPARE(form->minimumSize(), form->maximumSize());
        QVERIFY(
            !(form->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // Centred on the game window.
        QVERIFY(std::abs(form->geometry().center().x() - m_game->geometry().center().x()) <= 1);
        QVERIFY(std::abs(form->geometry().center().y() - m_game->geometry().center().y()) <= 1);
        // Every opening starts with an empty preview.
        QVERIFY(form->ÖnizlemeKutusu->picture().isNull());
        QVERIFY(form->OrjinalFotoğrafKutusu.isNull());
        delete form;
    }

    void accessKeysAndTabOrder()
    {
        QPointer<FotoğrafSeçFormu> form = openForm();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        const QList<QWidget*> order
            = { form->SürücüListesi, form->KlasörListesi, form->DosyaListesi, form->TamamDüğmesi,
                form->İptalDüğmesi };
        QCOMPARE(QApplication::focusWidget(), order[0]);
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), order[i]);
        }
        const std::pair<Qt::Key, QWidget*> keys[] = { { Qt::Key_P, form->DosyaListesi },
                                                      { Qt::Key_D, form->KlasörListesi },
                                                      { Qt::Key_V, form->SürücüListesi } };
        for (const auto& [key, list] : keys) {
            QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), list);
        }
        // Reaching the file list by key loads nothing.
        QVERIFY(form->OrjinalFotoğrafKutusu.isNull());
        delete form;
    }

    void playersFoldersStandAboveTheVolumes()
    {
        QPointer<FotoğrafSeçFormu> form = openForm();
        QStringList shown;
        for (int i = 0; i < form->SürücüListesi->count(); ++i)
            shown << form->SürücüListesi->itemText(i);
        QStringList expected = { QStringLiteral("Home"), QStringLiteral("Resimler") };
        for (const QString& volume : std::as_const(m_volumes))
            expected << QDir::toNativeSeparators(volume);
        QCOMPARE(shown, expected);
        QCOMPARE(form->placeCount(), 2);
        // The designed start is unchanged: the program's folder on its volume.
        QCOMPARE(form->selectedVolume(), m_volumeA);
        QCOMPARE(form->KlasörListesi->path(), m_appFolder);
        delete form;
    }

    void choosingPicturesIsADriveChangeToIt()
    {
        FakeMessageBoxes boxes;
        QPointer<FotoğrafSeçFormu> form = openForm();
        // By keyboard, as a player does: the drive list's key, then up to the top and one down.
        QTest::keyClick(form, Qt::Key_V, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), form->SürücüListesi);
        QTest::keyClick(form->SürücüListesi, Qt::Key_Home);
        QTest::keyClick(form->SürücüListesi, Qt::Key_Down);
        const QString pictures = path(QStringLiteral("ali/Resimler"));
        QCOMPARE(form->selectedVolume(), pictures);
        QCOMPARE(form->KlasörListesi->path(), pictures);
        QCOMPARE(form->DosyaListesi->path(), pictures);
        QCOMPARE(form->DosyaListesi->count(), 1);
        QCOMPARE(form->DosyaListesi->item(0)->text(), QStringLiteral("cat.jpg"));
        QVERIFY(boxes.shown().isEmpty());
        form->close();
        QCOMPARE(storedFolder(), pictures);
    }

    void aPlaceGoneMeanwhileIsADriveThatCannotBeRead()
    {
        FakeMessageBoxes boxes;
        const QString gone = path(QStringLiteral("gone"));
        QVERIFY(QDir().mkpath(gone));
        const QList<PhotoPlace> kept = m_places;
        m_places.append({ QStringLiteral("Gone"), gone });
        QPointer<FotoğrafSeçFormu> form = openForm();
        m_places = kept;
        QVERIFY(QDir(gone).removeRecursively());
        form->SürücüListesi->setCurrentIndex(form->SürücüListesi->findData(gone));
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().first().text, QStringLiteral("Cannot read drive!"));
        QCOMPARE(form->selectedVolume(), m_volumeA);
        QCOMPARE(form->KlasörListesi->path(), m_volumeA);
        delete form;
    }

    void firstUseStartsInTheProgramsFolder()
    {
        QPointer<FotoğrafSeçFormu> form = openForm();
        QCOMPARE(form->KlasörListesi->path(), m_appFolder);
        QCOMPARE(form->selectedVolume(), m_volumeA);
        QCOMPARE(form->SürücüListesi->currentText(), QDir::toNativeSeparators(m_volumeA));
        QCOMPARE(form->DosyaListesi->path(), m_appFolder);
        QStringList files;
        for (int i = 0; i < form->DosyaListesi->count(); ++i)
            files << form->DosyaListesi->item(i)->text();
        QCOMPARE(
            files,
            (QStringList { "cut.bmp", "cut.jpg", "damaged.jpg", "empty.bmp", "huge.bmp", "huge.jpg",
                           "progressive.jpg", "tall.bmp", "text.jpg", "wide.jpg" }));
        delete form;
    }

    void rememberedFolder_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<QString>("shown");
        QTest::newRow("on another volume")
            << m_volumeB + QStringLiteral("/photos") << m_volumeB + QStringLiteral("/photos");
        QTest::newRow("deleted meanwhile") << m_volumeB + QStringLiteral("/gone") << m_appFolder;
        QTest::newRow("a file, no folder")
            << m_appFolder + QStringLiteral("/wide.jpg") << m_appFolder;
        QTest::newRow("empty") << QString() << m_appFolder;
    }

    void rememberedFolder()
    {
        QFETCH(QString, remembered);
        QFETCH(QString, shown);
        remember(remembered);
        QPointer<FotoğrafSeçFormu> form = openForm();
        QCOMPARE(form->KlasörListesi->path(), shown);
        QCOMPARE(form->DosyaListesi->path(), shown);
        // The drive list stays on the application's volume whatever folder is shown.
        QCOMPARE(form->selectedVolume(), m_volumeA);
        delete form;
    }

    void folderListFromTheRootDown()
    {
        QPointer<FotoğrafSeçFormu> form = openForm();
        FolderList* list = form->KlasörListesi;
        const QStringList chain = folderChain(m_appFolder);
        QCOMPARE(list->count(), chain.size() + 1);
        for (qsizetype i = 0; i < chain.size(); ++i) {
            QCOMPARE(list->entryPath(int(i)), chain[i]);
            QCOMPARE(list->item(int(i))->data(Qt::UserRole + 1).toInt(), int(i));
        }
        QCOMPARE(list->item(0)->text(), QStringLiteral("/"));
        QCOMPARE(list->item(int(chain.size()) - 1)->text(), QStringLiteral("Tessel"));
        QCOMPARE(list->item(int(chain.size()))->text(), QStringLiteral("Sub"));
        QCOMPARE(list->item(int(chain.size()))->data(Qt::UserRole + 1).toInt(), int(chain.size()));
        // The current folder is the one highlighted.
        QCOMPARE(list->currentRow(), int(chain.size()) - 1);

        // A double click opens a subfolder, Enter a folder above; the files follow.
        const int sub = int(chain.size());
        doubleClick(list->viewport(), list->visualItemRect(list->item(sub)).center());
        QCOMPARE(list->path(), m_appFolder + QStringLiteral("/Sub"));
        QCOMPARE(form->DosyaListesi->path(), m_appFolder + QStringLiteral("/Sub"));
        QCOMPARE(form->DosyaListesi->count(), 0);
        list->setFocus();
        list->setCurrentRow(int(folderChain(m_volumeA).size()) - 1);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(list->path(), m_volumeA);
        QCOMPARE(form->DosyaListesi->path(), m_volumeA);
        // Moving the highlight alone opens nothing.
        QTest::keyClick(list, Qt::Key_Up);
        QCOMPARE(list->path(), m_volumeA);
        delete form;
    }

    void driveChange_data()
    {
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("message");
        QTest::newRow("readable volume") << m_volumeB << m_volumeB << m_volumeB << false;
        QTest::newRow("volume gone")
            << path(QStringLiteral("unplugged")) << m_volumeA << m_volumeA << true;
    }

    void driveChange()
    {
        QFETCH(QString, volume);
        QFETCH(QString, shown);
        QFETCH(QString, selected);
        QFETCH(bool, message);
        FakeMessageBoxes boxes;
        QPointer<FotoğrafSeçFormu> form = openForm();
        form->SürücüListesi->setCurrentIndex(form->SürücüListesi->findData(volume));
        QCOMPARE(form->KlasörListesi->path(), shown);
        QCOMPARE(form->DosyaListesi->path(), shown);
        QCOMPARE(form->selectedVolume(), selected);
        QCOMPARE(boxes.shown().size(), message ? 1 : 0);
        if (message) {
            const MessageBoxRequest& box = boxes.shown().first();
            QCOMPARE(box.text, QStringLiteral("Cannot read drive!"));
            QCOMPARE(box.icon, QMessageBox::Information);
            QCOMPARE(box.buttons, QMessageBox::Ok);
            QCOMPARE(box.title, QStringLiteral("Tessel"));
            QVERIFY(box.centred);
        }
        delete form;
    }

    void folderThatCannotBeListedFallsBackToTheCurrentFolder()
    {
        const QString doomed = path(QStringLiteral("doomed"));
        QVERIFY(QDir().mkpath(doomed + QStringLiteral("/inner")));
        remember(doomed);
        QPointer<FotoğrafSeçFormu> form = openForm();
        QCOMPARE(form->KlasörListesi->path(), doomed);

        // A subfolder removed before it is opened.
        QVERIFY(QDir(doomed + QStringLiteral("/inner")).removeRecursively());
        QVERIFY(!form->KlasörListesi->openEntry(form->KlasörListesi->count() - 1));
        QCOMPARE(form->KlasörListesi->path(), cleanFolderPath(QDir::currentPath()));

        // The folder shown removed before the file list reads it.
        form->KlasörListesi->setPath(doomed);
        QVERIFY(QDir(doomed).removeRecursively());
        form->KlasörListesi_Change();
        QCOMPARE(form->KlasörListesi->path(), cleanFolderPath(QDir::currentPath()));
        QCOMPARE(form->DosyaListesi->path(), cleanFolderPath(QDir::currentPath()));
        delete form;
    }

    void previewFillsTheBox_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("wide JPEG") << "wide.jpg";
        QTest::newRow("tall BMP") << "tall.bmp";
    }

    void previewFillsTheBox()
    {
        QFETCH(QString, file);
        QPointer<FotoğrafSeçFormu> form = openForm();
        clickFile(*form, file);
        QCOMPARE(form->loadedPhotoPath(), m_appFolder + u'/' + file);
        verifyFilledWithQuadrants(form->ÖnizlemeKutusu);
        delete form;
    }

    void arrowKeysLoadTheFile()
    {
        QPointer<FotoğrafSeçFormu> form = openForm();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QTest::keyClick(form->DosyaListesi, Qt::Key_End);
        settle(*form);
        QCOMPARE(form->loadedPhotoPath(), m_appFolder + QStringLiteral("/wide.jpg"));
        QTest::keyClick(form->DosyaListesi, Qt::Key_Up); // text.jpg: no picture
        settle(*form);
        QCOMPARE(form->loadedPhotoPath(), m_appFolder + QStringLiteral("/wide.jpg"));
        QTest::keyClick(form->DosyaListesi, Qt::Key_Up);
        settle(*form);
        QCOMPARE(form->loadedPhotoPath(), m_appFolder + QStringLiteral("/tall.bmp"));
        delete form;
    }

    void badFileKeepsTheGoodPicture_data()
    {
        QTest::addColumn<QString>("bad");
        QTest::newRow("text named .jpg") << "text.jpg";
        QTest::newRow("empty .bmp") << "empty.bmp";
        QTest::newRow("truncated JPEG") << "cut.jpg";
        QTest::newRow("truncated BMP") << "cut.bmp";
        QTest::newRow("JPEG claiming 65000 x 65000") << "huge.jpg";
        QTest::newRow("BMP claiming 65000 x 65000") << "huge.bmp";
        QTest::newRow("damaged JPEG with its end marker") << "damaged.jpg";
        QTest::newRow("progressive JPEG too large to decode") << "progressive.jpg";
    }

    void badFileKeepsTheGoodPicture()
    {
        QFETCH(QString, bad);
        FakeMessageBoxes boxes;
        QPointer<FotoğrafSeçFormu> form = openForm();
        clickFile(*form, QStringLiteral("wide.jpg"));
        const QImage good = form->OrjinalFotoğrafKutusu.pixels();
        const QImage preview = form->ÖnizlemeKutusu->picture().toImage();

        QElapsedTimer clock;
        clock.start();
        clickFile(*form, bad);
        QVERIFY2(clock.elapsed() < 2000, "a bad file held the window up");
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(form->DosyaListesi->fileName(), bad);
        QCOMPARE(form->OrjinalFotoğrafKutusu.pixels(), good);
        QCOMPARE(form->ÖnizlemeKutusu->picture().toImage(), preview);

        form->TamamDüğmesi_Click();
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(shared().PhotoPath, m_appFolder + QStringLiteral("/wide.jpg"));
        QCOMPARE(m_game->OrjinalFotoğrafKutusu.pixels(), good);
        QTRY_VERIFY(form.isNull());
    }

    void okHandsOverThePictureLoadedNotTheSelection()
    {
        FakeMessageBoxes boxes;
        remember(m_volumeB + QStringLiteral("/photos"));
        QPointer<FotoğrafSeçFormu> form = openForm();
        clickFile(*form, QStringLiteral("beach.JPG"));
        // Another folder opened afterwards: no file is selected there.
        form->KlasörListesi->openEntry(form->KlasörListesi->count() - 1);
        QCOMPARE(form->KlasörListesi->path(), m_volumeB + QStringLiteral("/photos/holiday"));
        QVERIFY(form->DosyaListesi->fileName().isEmpty());
        QTest::mouseClick(form->TamamDüğmesi, Qt::LeftButton);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(shared().PhotoPath, m_volumeB + QStringLiteral("/photos/beach.JPG"));
        QCOMPARE(m_game->OrjinalFotoğrafKutusu.size(), QSize(64, 48));
        QTRY_VERIFY(form.isNull());
        // The folder shown at the close is the one remembered.
        QCOMPARE(storedFolder(), m_volumeB + QStringLiteral("/photos/holiday"));
    }

    // Return presses the focused button, as Space does; elsewhere it hands nothing over.
    void returnPressesTheFocusedButtonOnly()
    {
        FakeMessageBoxes boxes;
        remember(m_volumeB + QStringLiteral("/photos"));
        QPointer<FotoğrafSeçFormu> form = openForm();
        clickFile(*form, QStringLiteral("beach.JPG"));
        shared().PhotoPath = QStringLiteral("(before)");
        for (QWidget* focus :
             std::initializer_list<QWidget*> { form->DosyaListesi, form->SürücüListesi }) {
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Return);
            QVERIFY(form->isVisible());
            QCOMPARE(shared().PhotoPath, QStringLiteral("(before)"));
        }
        form->TamamDüğmesi->setFocus();
        QTest::keyClick(form->TamamDüğmesi, Qt::Key_Return);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(shared().PhotoPath, m_volumeB + QStringLiteral("/photos/beach.JPG"));
        QTRY_VERIFY(form.isNull());
    }

    // Clicking on through large photos: each click returns with the decode still under way,
    // and the last file clicked is the one shown, whatever the order the decodes end in.
    void clickingOnThroughLargePhotosShowsTheLast()
    {
        const QString folder = m_appFolder + u'/';
        const QStringList large = { "large-1.jpg", "large-2.jpg", "large-3.jpg" };
        for (int i = 0; i < large.size(); ++i)
            QVERIFY(quadrants(QSize(3000 + 600 * i, 2000)).save(folder + large[i], "JPG", 90));
        QPointer<FotoğrafSeçFormu> form = openForm();
        for (const QString& name : large) {
            clickFileOnly(*form, name);
            QVERIFY2(form->decoding(), "the click waited for the decode");
        }
        settle(*form);
        QCOMPARE(form->loadedPhotoPath(), folder + QStringLiteral("large-3.jpg"));
        QCOMPARE(form->OrjinalFotoğrafKutusu.size(), QSize(4200, 2000));
        verifyFilledWithQuadrants(form->ÖnizlemeKutusu);
        delete form;
        for (const QString& name : large)
            QFile::remove(folder + name);
    }

    // OK while the file selected last still decodes: OK waits for it and hands over that file,
    // not the older picture shown, and the window answers meanwhile.
    void okRightAfterChoosingAFileHandsOverThatFile_data()
    {
        QTest::addColumn<bool>("olderShown");
        QTest::newRow("nothing shown yet") << false;
        QTest::newRow("an older picture shown") << true;
    }

    void okRightAfterChoosingAFileHandsOverThatFile()
    {
        QFETCH(bool, olderShown);
        FakeMessageBoxes boxes;
        const QString folder = m_appFolder + u'/';
        QVERIFY(quadrants(QSize(4000, 3000)).save(folder + QStringLiteral("large.jpg")));
        QPointer<FotoğrafSeçFormu> form = openForm();
        if (olderShown)
            clickFile(*form, QStringLiteral("tall.bmp"));
        clickFileOnly(*form, QStringLiteral("large.jpg"));
        QVERIFY(form->decoding());
        bool answeredMeanwhile = false;
        QTimer::singleShot(0, form, [&] { answeredMeanwhile = true; });
        QTest::mouseClick(form->TamamDüğmesi, Qt::LeftButton);
        QVERIFY(answeredMeanwhile);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(shared().PhotoPath, folder + QStringLiteral("large.jpg"));
        QCOMPARE(m_game->OrjinalFotoğrafKutusu.size(), QSize(4000, 3000));
        verifyFilledWithQuadrants(m_game->ÖrnekKutusu);
        QTRY_VERIFY(form.isNull());
        QFile::remove(folder + QStringLiteral("large.jpg"));
    }

    // The file selected last turns out no picture while OK waits: the message for no file
    // selected, the window stays open, and the game keeps its photo.
    void okWaitingForAnUnreadableFileAsksForAFile()
    {
        FakeMessageBoxes boxes;
        QPointer<FotoğrafSeçFormu> form = openForm();
        clickFile(*form, QStringLiteral("tall.bmp"));
        clickFileOnly(*form, QStringLiteral("text.jpg"));
        QVERIFY(form->decoding());
        QTest::mouseClick(form->TamamDüğmesi, Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().first().text,
                 QStringLiteral("Please, select photo file from the list!"));
        QVERIFY(boxes.shown().first().centred);
        QVERIFY(form->isVisible());
        QCOMPARE(shared().PhotoPath, QStringLiteral("/before/Sample-1.jpg"));
        QVERIFY(m_game->OrjinalFotoğrafKutusu.isNull());
        delete form;
    }

    // Cancel while OK waits: the window closes, and nothing reaches the game.
    void cancelWhileOkWaitsHandsOverNothing()
    {
        FakeMessageBoxes boxes;
        const QString folder = m_appFolder + u'/';
        QVERIFY(quadrants(QSize(4000, 3000)).save(folder + QStringLiteral("large.jpg")));
        QPointer<FotoğrafSeçFormu> form = openForm();
        clickFileOnly(*form, QStringLiteral("large.jpg"));
        QVERIFY(form->decoding());
        QTimer::singleShot(0, form, [&] { QTest::mouseClick(form->İptalDüğmesi, Qt::LeftButton); });
        QTest::mouseClick(form->TamamDüğmesi, Qt::LeftButton);
        QTRY_VERIFY(form.isNull());
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(shared().PhotoPath, QStringLiteral("/before/Sample-1.jpg"));
        QVERIFY(m_game->OrjinalFotoğrafKutusu.isNull());
        QFile::remove(folder + QStringLiteral("large.jpg"));
    }

    // On Linux a backslash is a letter of a folder's name, not a separator: a file in a folder
    // whose name ends in one loads and is handed over.
    void folderNamedWithAFinalBackslash()
    {
        FakeMessageBoxes boxes;
        const QString folder = m_volumeB + QStringLiteral("/odd\\");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(quadrants(QSize(64, 48)).save(folder + QStringLiteral("/in.jpg")));
        remember(folder);
        QPointer<FotoğrafSeçFormu> form = openForm();
        QCOMPARE(form->KlasörListesi->path(), folder);
        clickFile(*form, QStringLiteral("in.jpg"));
        QCOMPARE(form->loadedPhotoPath(), folder + QStringLiteral("/in.jpg"));
        QTest::mouseClick(form->TamamDüğmesi, Qt::LeftButton);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(shared().PhotoPath, folder + QStringLiteral("/in.jpg"));
        QCOMPARE(m_game->OrjinalFotoğrafKutusu.size(), QSize(64, 48));
        QTRY_VERIFY(form.isNull());
    }

    // A folder of many pictures: the file list lists them all but measures only a few rows to
    // lay them out, where measuring each would hold the window for seconds.
    void aFolderOfManyPicturesIsLaidOutWithoutMeasuringEachRow()
    {
        const QString folder = m_volumeB + QStringLiteral("/many");
        QVERIFY(QDir().mkpath(folder));
        const int files = 20000;
        for (int i = 0; i < files; ++i)
            write(folder + QStringLiteral("/IMG_%1.JPG").arg(i, 5, 10, QLatin1Char('0')), {});
        QPointer<FotoğrafSeçFormu> form = openForm();
        struct CountingDelegate : QStyledItemDelegate
        {
            using QStyledItemDelegate::QStyledItemDelegate;
            mutable int measured = 0;
            QSize sizeHint(const QStyleOptionViewItem& option,
                           const QModelIndex& index) const override
            {
                ++measured;
                return QStyledItemDelegate::sizeHint(option, index);
            }
        };
        auto* counting = new CountingDelegate(form->DosyaListesi);
        form->DosyaListesi->setItemDelegate(counting);
        form->KlasörListesi->setPath(folder);
        QCOMPARE(form->DosyaListesi->count(), files);
        (void)form->grab(); // laid out and drawn
        QCOMPARE(form->DosyaListesi->item(0)->text(), QStringLiteral("IMG_00000.JPG"));
        QVERIFY2(counting->measured < 100, qPrintable(QString::number(counting->measured)));
        // The last file is reached as any other.
        form->DosyaListesi->scrollToBottom();
        const QRect last = form->DosyaListesi->visualItemRect(form->DosyaListesi->item(files - 1));
        QVERIFY(form->DosyaListesi->viewport()->rect().intersects(last));
        delete form;
        QVERIFY(QDir(folder).removeRecursively());
    }

    void okDividesWithTheCurrentBlockCountAndDrawsTheSample_data()
    {
        QTest::addColumn<int>("division");
        QTest::addColumn<QString>("file");
        QTest::newRow("4 x 4, wide") << 1 << "wide.jpg";
        QTest::newRow("5 x 5, tall") << 2 << "tall.bmp";
    }

    void okDividesWithTheCurrentBlockCountAndDrawsTheSample()
    {
        QFETCH(int, division);
        QFETCH(QString, file);
        shared().DivisionIndex = int16_t(division);
        QPointer<FotoğrafSeçFormu> form = openForm();
        clickFile(*form, file);
        form->TamamDüğmesi_Click();
        const int side = division + 3;
        QCOMPARE(int(m_game->DağınıkParçalar.size()), side * side);
        QCOMPARE(int(shared().DivisionIndex), division);
        // No game runs: the board shows the photo in order, its corners in the corner cells.
        QVERIFY(!m_game->SüreHesapla->running());
        QVERIFY(
            near(m_game->DağınıkParçalar.front()->picture().toImage().pixelColor(0, 0), topLeft));
        QVERIFY(near(m_game->DağınıkParçalar.back()->picture().toImage().pixelColor(
                         m_game->DağınıkParçalar.back()->picture().width() - 1,
                         m_game->DağınıkParçalar.back()->picture().height() - 1),
                     bottomRight));
        verifyFilledWithQuadrants(m_game->ÖrnekKutusu);
        QTRY_VERIFY(form.isNull());
    }

    void okBeforeAnyFile()
    {
        FakeMessageBoxes boxes;
        m_game->ParçalaraBölSeçeneği_Click(0);
        const size_t cells = m_game->DağınıkParçalar.size();
        QPointer<FotoğrafSeçFormu> form = openForm();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::mouseClick(form->TamamDüğmesi, Qt::LeftButton);
        QCOMPARE(boxes.shown().size(), 1);
        const MessageBoxRequest& box = boxes.shown().first();
        QCOMPARE(box.text, QStringLiteral("Please, select photo file from the list!"));
        QCOMPARE(box.icon, QMessageBox::Information);
        QCOMPARE(box.buttons, QMessageBox::Ok);
        QCOMPARE(box.title, QStringLiteral("Tessel"));
        QVERIFY(box.centred);
        QCOMPARE(QApplication::focusWidget(), form->DosyaListesi);
        QVERIFY(form->isVisible());
        // The game window is as it was.
        QCOMPARE(shared().PhotoPath, QStringLiteral("/before/Sample-1.jpg"));
        QVERIFY(m_game->OrjinalFotoğrafKutusu.isNull());
        QCOMPARE(m_game->DağınıkParçalar.size(), cells);
        QCOMPARE(storedFolder(), QStringLiteral("(none)"));
        delete form;
    }

    void everyCloseStoresTheFolder_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "OK";
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("close box") << "close box";
    }

    void everyCloseStoresTheFolder()
    {
        QFETCH(QString, how);
        FakeMessageBoxes boxes;
        remember(m_volumeB + QStringLiteral("/photos"));
        QPointer<FotoğrafSeçFormu> form = openForm();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form));
        form->KlasörListesi->openEntry(form->KlasörListesi->count() - 1);
        const QString shown = m_volumeB + QStringLiteral("/photos/holiday");
        QCOMPARE(form->KlasörListesi->path(), shown);
        if (how == QLatin1String("OK")) {
            form->KlasörListesi->setPath(m_appFolder);
            clickFile(*form, QStringLiteral("tall.bmp"));
            QTest::mouseClick(form->TamamDüğmesi, Qt::LeftButton);
        } else if (how == QLatin1String("Cancel")) {
            QTest::mouseClick(form->İptalDüğmesi, Qt::LeftButton);
        } else if (how == QLatin1String("Esc")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else {
            QVERIFY(form->close());
        }
        QTRY_VERIFY(form.isNull());
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(storedFolder(), how == QLatin1String("OK") ? m_appFolder : shown);
        // Only OK changes the game window.
        QCOMPARE(shared().PhotoPath,
                 how == QLatin1String("OK") ? m_appFolder + QStringLiteral("/tall.bmp")
                                            : QStringLiteral("/before/Sample-1.jpg"));
        QCOMPARE(m_game->OrjinalFotoğrafKutusu.isNull(), how != QLatin1String("OK"));
    }
};

QTEST_MAIN(TestFotografSecFormu)
#include "tst_fotografsecformu.moc"
