// Photos handed to the game window from outside the photo selection window: a file opened (the
// command line, "Open with") and a file dropped on the window.
#include "common/shared.h"
#include "game/anaform.h"
#include "store/closesettings.h"
#include "support/testsupport.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace tessel;
using namespace tessel::test;

namespace {

const QColor left = halvesLeft;
const QColor right = halvesRight;

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) <= 16 && std::abs(a.green() - b.green()) <= 16
        && std::abs(a.blue() - b.blue()) <= 16;
}

QColor centreOf(const QPixmap& piece)
{
    const QImage image = piece.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// Whether the board shows the held photo cut n x n in order (the clock stopped): every cell
// its own block, and the blocks of the left column from the photo's left half, those of the
// right column from its right half.
void verifyHalvesInOrder(const AnaForm& form, int n)
{
    QCOMPARE(int(form.DağınıkParçalar.size()), n * n);
    for (int c = 0; c < n * n; ++c) {
        const QPixmap& shown = form.DağınıkParçalar[c]->picture();
        QCOMPARE(shown.cacheKey(), form.SıralıParçalar.at(c).cacheKey());
        if (c % n == 0)
            QVERIFY2(near(centreOf(shown), left), qPrintable(QString::number(c)));
        if (c % n == n - 1)
            QVERIFY2(near(centreOf(shown), right), qPrintable(QString::number(c)));
    }
}

std::unique_ptr<QMimeData> urls(const QList<QUrl>& list)
{
    auto data = std::make_unique<QMimeData>();
    data->setUrls(list);
    return data;
}

// Sends a drag's entry and tells whether the window took it.
bool entersAccepted(AnaForm& form, const QMimeData* data)
{
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction | Qt::LinkAction, data, Qt::LeftButton,
                          Qt::NoModifier);
    enter.setAccepted(false);
    QCoreApplication::sendEvent(&form, &enter);
    return enter.isAccepted();
}

} // namespace

class TestAnaFormPhoto : public GameWindowTest
{
    Q_OBJECT

private:
    QString m_photo; // 300 x 200, halves
    QString m_other; // 90 x 240, halves

    QString file(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    // A window as the start-up leaves it: the default photo (none here) cut 3 x 3, the clock
    // stopped, then divided 4 x 4 by the player.
    std::unique_ptr<AnaForm> window()
    {
        auto form = std::make_unique<AnaForm>(*m_store);
        form->applyAppearance();
        form->restoreAtStartUp();
        form->ParçalaraBölSeçeneği[1]->click();
        return form;
    }

private slots:
    void initTestCase()
    {
        shared().AppFolder = m_dir.path() + u'/';
        m_photo = file(QStringLiteral("wide photo.jpg"));
        m_other = file(QStringLiteral("Tall.BMP"));
        QVERIFY(halves(QSize(300, 200)).save(m_photo, "JPG", 95));
        QVERIFY(halves(QSize(90, 240)).save(m_other, "BMP"));
    }

    void init()
    {
        freshStore();
        shared().PhotoPath.clear();
    }

    // As OK takes a photo: it becomes the photo and the last photo, and the board is divided
    // with the block count chosen.
    void anOpenedFileIsTakenAsOkTakesIt()
    {
        FakeMessageBoxes boxes;
        auto form = window();
        QCOMPARE(shared().DivisionIndex, int16_t(1));
        form->openPhotoFile(m_photo);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(shared().PhotoPath, m_photo);
        QCOMPARE(form->OrjinalFotoğrafKutusu.size(), QSize(300, 200));
        verifyHalvesInOrder(*form, 4);
        QVERIFY(!form->SüreHesapla->running());
        // Remembered as the last photo: the close writes it.
        QCOMPARE(form->closeSnapshot().photoPath, m_photo);
    }

    void aRelativeNameIsTakenFromTheCurrentFolder()
    {
        FakeMessageBoxes boxes;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));
        auto form = window();
        form->openPhotoFile(QStringLiteral("Tall.BMP"));
        QDir::setCurrent(before);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(shared().PhotoPath, m_other);
        QCOMPARE(form->OrjinalFotoğrafKutusu.size(), QSize(90, 240));
    }

    // While a game runs, a new photo deals a new game, as OK's division does.
    void aPhotoDuringAGameDealsANewOne()
    {
        FakeMessageBoxes boxes;
        FakeSoundOutput sound;
        auto form = window();
        form->openPhotoFile(m_other);
        arrangeBoard(*form, QStringLiteral("0 1 2 3/4 5 6 7/8 9 10 11/12 13 14 ."));
        form->DağınıkParçalar_Click(14);
        QCOMPARE(form->ClickCount(), 1);
        form->openPhotoFile(m_photo);
        QVERIFY(boxes.shown().isEmpty());
        QCOMPARE(form->OrjinalFotoğrafKutusu.size(), QSize(300, 200));
        QVERIFY(form->SüreHesapla->running());
        QCOMPARE(form->ClickCount(), 0);
        QVERIFY(!boardText(*form).contains(u'?'));
    }

    void aFileThatFailsIsReportedAndChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("number");
        QTest::newRow("missing") << QStringLiteral("gone.jpg") << QByteArray() << 53;
        QTest::newRow("no picture")
            << QStringLiteral("notes.jpg") << QByteArray("just some words\n") << 481;
        QTest::newRow("cut off") << QStringLiteral("cut.jpg") << QByteArray() << 481;
    }

    void aFileThatFailsIsReportedAndChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, number);
        const QString path = file(name);
        QFile::remove(path);
        if (name == QLatin1String("cut.jpg")) {
            QFile whole(m_photo);
            QVERIFY(whole.open(QIODevice::ReadOnly));
            content = whole.readAll();
            content.chop(content.size() / 3);
        }
        if (!content.isEmpty()) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        FakeMessageBoxes boxes;
        auto form = window();
        form->openPhotoFile(m_photo);
        form->openPhotoFile(path);
        // The program's own report: Yes goes on, with the photo it had.
        QCOMPARE(boxes.shown().size(), 1);
        QCOMPARE(boxes.shown().first().icon, QMessageBox::Critical);
        QVERIFY2(boxes.shown().first().text.contains(QString::number(number)),
                 qPrintable(boxes.shown().first().text));
        QCOMPARE(shared().PhotoPath, m_photo);
        QCOMPARE(form->OrjinalFotoğrafKutusu.size(), QSize(300, 200));
        verifyHalvesInOrder(*form, 4);
    }

    void noOnTheReportEndsTheProgram()
    {
        FakeMessageBoxes boxes;
        ProgramEndSpy end;
        auto form = window();
        boxes.answerNext(QMessageBox::No);
        QVERIFY(endsProgram([&] { form->openPhotoFile(file(QStringLiteral("gone.jpg"))); }));
        QCOMPARE(end.ends(), 1);
    }

    void theWindowTakesDrops() { QVERIFY(AnaForm(*m_store).acceptDrops()); }

    void aDroppedPictureFileIsTaken()
    {
        FakeMessageBoxes boxes;
        auto form = window();
        const auto data = urls({ QUrl::fromLocalFile(m_photo) });
        QVERIFY(entersAccepted(*form, data.get()));
        QDropEvent drop(QPointF(30, 30), Qt::CopyAction | Qt::LinkAction, data.get(),
                        Qt::LeftButton, Qt::NoModifier);
        drop.setAccepted(false);
        QCoreApplication::sendEvent(form.get(), &drop);
        QVERIFY(drop.isAccepted());
        // Taken in its own turn, once the drop has ended.
        QTRY_COMPARE(shared().PhotoPath, m_photo);
        QCOMPARE(form->OrjinalFotoğrafKutusu.size(), QSize(300, 200));
        verifyHalvesInOrder(*form, 4);
        QVERIFY(boxes.shown().isEmpty());
    }

    // Anything else is refused at the entry, so the pointer shows no entry, and a drop of it
    // changes nothing.
    void anythingElseIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a text file") << "text file";
        QTest::newRow("a folder named like a picture") << "folder";
        QTest::newRow("a picture on the web") << "remote";
        QTest::newRow("two pictures") << "two";
        QTest::newRow("a picture name that is not there") << "missing";
        QTest::newRow("plain text") << "text";
    }

    void anythingElseIsRefused()
    {
        QFETCH(QString, kind);
        std::unique_ptr<QMimeData> data;
        if (kind == QLatin1String("text file")) {
            QFile notes(file(QStringLiteral("notes.txt")));
            QVERIFY(notes.open(QIODevice::WriteOnly));
            notes.write("words");
            notes.close();
            data = urls({ QUrl::fromLocalFile(notes.fileName()) });
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("album.jpg")));
            data = urls({ QUrl::fromLocalFile(file(QStringLiteral("album.jpg"))) });
        } else if (kind == QLatin1String("remote")) {
            data = urls({ QUrl(QStringLiteral("https://example.org/photo.jpg")) });
        } else if (kind == QLatin1String("two")) {
            data = urls({ QUrl::fromLocalFile(m_photo), QUrl::fromLocalFile(m_other) });
        } else if (kind == QLatin1String("missing")) {
            data = urls({ QUrl::fromLocalFile(file(QStringLiteral("gone.jpg"))) });
        } else {
            data = std::make_unique<QMimeData>();
            data->setText(m_photo);
        }
        FakeMessageBoxes boxes;
        auto form = window();
        QVERIFY(!entersAccepted(*form, data.get()));
        QDropEvent drop(QPointF(30, 30), Qt::CopyAction, data.get(), Qt::LeftButton,
                        Qt::NoModifier);
        drop.setAccepted(false);
        QCoreApplication::sendEvent(form.get(), &drop);
        QVERIFY(!drop.isAccepted());
        QCoreApplication::processEvents();
        QVERIFY(shared().PhotoPath.isEmpty() || shared().PhotoPath.endsWith(u"Sample-1.jpg"));
        QVERIFY(form->OrjinalFotoğrafKutusu.isNull());
        QVERIFY(boxes.shown().isEmpty());
    }

    void droppedNamesTheProgramOpens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("taken");
        QTest::newRow("jpg") << "a.jpg" << true;
        QTest::newRow("JPG") << "b.JPG" << true;
        QTest::newRow("jpeg") << "c.jpeg" << true;
        QTest::newRow("Jpe") << "d.Jpe" << true;
        QTest::newRow("bmp") << "e.bmp" << true;
        QTest::newRow("png") << "f.png" << false;
        QTest::newRow("jpg inside the name") << "g.jpg.txt" << false;
    }

    void droppedNamesTheProgramOpens()
    {
        QFETCH(QString, name);
        QFETCH(bool, taken);
        QVERIFY(QFile::copy(m_photo, file(name)));
        auto form = window();
        const auto data = urls({ QUrl::fromLocalFile(file(name)) });
        QCOMPARE(entersAccepted(*form, data.get()), taken);
        QFile::remove(file(name));
    }
};

QTEST_MAIN(TestAnaFormPhoto)
#include "tst_anaformphoto.moc"
