#include "board/boardlayout.h"
#include "common/errors.h"
#include "picture/photo.h"
#include "picture/photoprefetch.h"
#include "support/coresupport.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessel;
using namespace tessel::test;

class TestPhoto : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString file(const QString& name) const { return m_dir.filePath(name); }

    static ErrorCode loadError(const QString& path)
    {
        try {
            Photo::load(path, photoDetailPixels(1));
        } catch (const TesselError& e) {
            return e.code();
        }
        return ErrorCode::InvalidCall; // stands for "no error"
    }

    // Left half red, right half blue.
    static QImage halves(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::red);
        for (int y = 0; y < size.height(); ++y)
            for (int x = size.width() / 2; x < size.width(); ++x)
                image.setPixelColor(x, y, Qt::blue);
        return image;
    }

private slots:
    void loadFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<int>("code");
        QTest::newRow("missing file") << "missing.jpg" << QByteArray() << 53;
        QTest::newRow("text named .jpg") << "text.jpg" << QByteArray("not a picture") << 481;
        QTest::newRow("truncated JPEG")
            << "cut.jpg" << QByteArray("\xFF\xD8\xFF\xE0\0\x10JF", 9) << 481;
        // Forged sizes are refused on the header alone.
        QTest::newRow("JPEG header claiming 65000 x 65000")
            << "bomb.jpg" << jpegHeaderOnly(65000, 65000) << 481;
        // Under Qt's allocation limit at 1/8, so the size alone refuses it.
        QTest::newRow("whole JPEG claiming 20000 x 20000")
            << "big.jpg" << jpegClaiming(20000, 20000) << 481;
        QTest::newRow("bitmap header claiming 65000 x 65000")
            << "bomb.bmp" << bitmapHeaderOnly(65000, 65000) << 481;
        QTest::newRow("bitmap header claiming 250 million and one pixels")
            << "big.bmp" << bitmapHeaderOnly(250'000'001, 1) << 481;
        QTest::newRow("bitmap header claiming more rows than follow")
            << "short.bmp" << bitmapHeaderOnly(2000, 1000) + QByteArray(6000 * 999, '\x7F') << 481;
    }

    void loadFailures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, code);
        if (!content.isEmpty()) {
            QFile f(file(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QCOMPARE(int(loadError(file(name))), code);
    }

    void aFolderIsNoPicture() { QCOMPARE(loadError(m_dir.path()), ErrorCode::InvalidPicture); }

    // Every kind of file keeps its true size; pixels are held at no more than the views need.
    void loadKeepsTheTrueSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("held"); // with the views' need at ratio 1, 351 x 264
        QTest::newRow("small JPEG, held whole") << "s.jpg"
                                                << "JPEG" << QSize(150, 100) << QSize(150, 100);
        QTest::newRow("small bitmap, held whole") << "s.bmp"
                                                  << "24" << QSize(150, 100) << QSize(150, 100);
        // Read at 2/8: 1/8 would give 250 rows, fewer than 264.
        QTest::newRow("3000 x 2000 JPEG, scaled while read")
            << "l.jpg"
            << "JPEG" << QSize(3000, 2000) << QSize(750, 500);
        // Whole areas of 8 x 7 pixels: 3000 / 8 = 375 >= 351, 2000 / 7 = 285.7 >= 264.
        QTest::newRow("3000 x 2000 24-bit bitmap, streamed")
            << "l24.bmp"
            << "24" << QSize(3000, 2000) << QSize(375, 286);
        QTest::newRow("3000 x 2000 32-bit bitmap from the top, streamed")
            << "l32.bmp"
            << "32 top" << QSize(3000, 2000) << QSize(375, 286);
        QTest::newRow("3000 x 2000 8-bit bitmap, Qt's reader then reduced")
            << "l8.bmp"
            << "8" << QSize(3000, 2000) << QSize(375, 286);
        QTest::newRow("a PNG named .jpg: the content decides")
            << "png.jpg"
            << "PNG" << QSize(800, 600) << QSize(400, 300);
    }

    void loadKeepsTheTrueSize()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QSize, size);
        QFETCH(QSize, held);
        const QImage image = halves(size);
        const QString path = file(name);
        if (kind == "JPEG" || kind == "PNG")
            QVERIFY(image.save(path, kind.toLatin1()));
        else if (kind == "8")
            QVERIFY(image.convertToFormat(QImage::Format_Indexed8).save(path, "BMP"));
        else
            QVERIFY(writeBitmap(image, path, kind.left(2).toInt(), kind.endsWith("top")));
        const Photo photo = Photo::load(path, photoDetailPixels(1));
        QCOMPARE(photo.size(), size);
        QCOMPARE(photo.pixels().size(), held);
        // Still red on the left and blue on the right.
        const QImage left = photo.cut(QRect(0, 0, size.width() / 4, size.height()), QSize(8, 8));
        const QImage right = photo.cut(
            QRect(size.width() * 3 / 4, 0, size.width() / 4, size.height()), QSize(8, 8));
        QVERIFY(qRed(left.pixel(4, 4)) > 200 && qBlue(left.pixel(4, 4)) < 50);
        QVERIFY(qBlue(right.pixel(4, 4)) > 200 && qRed(right.pixel(4, 4)) < 50);
    }

    void theViewsNeedTheBoardsSizeAtTheScreensRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QSize>("detail");
        // The widest board is 3 x 117 px (3 x 3), the tallest 3 x 88 (3 x 3); sample and
        // preview are smaller.
        QTest::newRow("ratio 1") << qreal(1) << QSize(351, 264);
        QTest::newRow("ratio 1.5, rounded up") << qreal(1.5) << QSize(527, 396);
        QTest::newRow("ratio 2") << qreal(2) << QSize(702, 528);
    }

    void theViewsNeedTheBoardsSizeAtTheScreensRatio()
    {
        QFETCH(qreal, ratio);
        QFETCH(QSize, detail);
        QCOMPARE(photoDetailPixels(ratio), detail);
    }

    // The decoder scales by M/8 with the smallest M that keeps the detail; odd sizes round down
    // so that Qt's reader picks that M.
    void jpegReadSize_data()
    {
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<QSize>("detail");
        QTest::addColumn<QSize>("read");
        QTest::newRow("24 MP at 1/8") << QSize(6000, 4000) << QSize(351, 264) << QSize(750, 500);
        QTest::newRow("96 MP at 1/8") << QSize(12000, 8000) << QSize(351, 264) << QSize(1500, 1000);
        QTest::newRow("odd sizes round down")
            << QSize(6001, 4003) << QSize(351, 264) << QSize(750, 500);
        QTest::newRow("1200 x 900 at 3/8")
            << QSize(1200, 900) << QSize(351, 264) << QSize(450, 337);
        QTest::newRow("ratio 2 needs 2/8")
            << QSize(6000, 4000) << QSize(702, 528) << QSize(1500, 1000);
        QTest::newRow("no reduction keeps enough")
            << QSize(400, 300) << QSize(351, 264) << QSize(400, 300);
    }

    void jpegReadSize()
    {
        QFETCH(QSize, stored);
        QFETCH(QSize, detail);
        QFETCH(QSize, read);
        QCOMPARE(Photo::jpegReadSize(stored, detail), read);
    }

    void aTurnedCameraPhotoStandsUpright()
    {
        // Stored 3200 x 2400 with the orientation tag "turn 90 degrees clockwise".
        const QImage image = halves(QSize(3200, 2400));
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(image.save(&buffer, "JPEG"));
        const QByteArray exif("\xFF\xE1\x00\x22"
                              "Exif\0\0"
                              "II\x2A\0\x08\0\0\0"
                              "\x01\0"
                              "\x12\x01\x03\0\x01\0\0\0\x06\0\0\0"
                              "\0\0\0\0",
                              36);
        jpeg.insert(2, exif);
        QFile out(file("turned.jpg"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(jpeg);
        out.close();

        const Photo photo = Photo::load(out.fileName(), photoDetailPixels(1));
        QCOMPARE(photo.size(), QSize(2400, 3200));
        // Upright 2400 x 3200 needs 351 across, which 1/8 (300 of the stored height) misses:
        // read at 2/8 and turned.
        QCOMPARE(photo.pixels().size(), QSize(600, 800));
        // The left half (red) is now at the top.
        const QImage top = photo.cut(QRect(0, 0, 2400, 800), QSize(4, 4));
        QVERIFY(qRed(top.pixel(2, 2)) > 200);
    }

    // The blocks cut from the held reduction look like those cut from the whole picture.
    void blocksLookTheSame_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("JPEG 3 x 3") << "JPEG" << 3 << qreal(1);
        QTest::newRow("JPEG 5 x 5") << "JPEG" << 5 << qreal(1);
        QTest::newRow("JPEG 4 x 4 at ratio 2") << "JPEG" << 4 << qreal(2);
        QTest::newRow("24-bit bitmap 3 x 3") << "24" << 3 << qreal(1);
        QTest::newRow("32-bit bitmap 5 x 5") << "32" << 5 << qreal(1);
    }

    void blocksLookTheSame()
    {
        QFETCH(QString, kind);
        QFETCH(int, gridSize);
        QFETCH(qreal, ratio);
        static const QImage image = detailedPhoto(QSize(4000, 3000));
        const QString path = file("same." + kind);
        if (kind == "JPEG")
            QVERIFY(QImageWriter(path, "JPEG").write(image));
        else
            QVERIFY(writeBitmap(image, path, kind.toInt(), false));

        const Photo held = Photo::load(path, photoDetailPixels(ratio));
        QVERIFY(held.pixels().width() < 4000);
        const Photo whole(QImageReader(path).read());
        QCOMPARE(held.size(), whole.size());

        // Cut as the board cuts: the cells' interiors (2 pixels of border) in device pixels.
        using namespace boardlayout;
        const QSize cell = cellRectPixels(0, gridSize, cellSizeTwips(gridSize, frameTwips)).size();
        const QSize piece = (cell - QSize(4, 4)) * ratio;
        double worst = 0;
        for (int k = 0; k < gridSize * gridSize; ++k) {
            const QRect rect = blockRect(k, gridSize, held.size());
            worst = std::max(worst,
                             meanAbsoluteDifference(held.cut(rect, piece), whole.cut(rect, piece)));
        }
        qDebug("worst block: %.2f levels", worst);
        QVERIFY2(worst <= 3, qPrintable(QString::number(worst)));
        QVERIFY(meanAbsoluteDifference(held.scaled(QSize(165, 121)), whole.scaled(QSize(165, 121)))
                <= 3);
    }

    // The start-up's photo, decoded ahead: handed over for its own path only.
    void aPrefetchedPhotoIsTakenForItsPathOnly_data()
    {
        QTest::addColumn<QString>("started");
        QTest::addColumn<QString>("taken");
        QTest::addColumn<int>("width"); // of the photo taken; 0: FileNotFound
        QTest::newRow("the same path") << "a.jpg"
                                       << "a.jpg" << 120;
        QTest::newRow("another path: that one is read") << "a.jpg"
                                                        << "b.bmp" << 90;
        QTest::newRow("a missing file fails when taken") << "none.jpg"
                                                         << "none.jpg" << 0;
        QTest::newRow("a failed start spoils no other read") << "none.jpg"
                                                             << "a.jpg" << 120;
    }

    void aPrefetchedPhotoIsTakenForItsPathOnly()
    {
        QFETCH(QString, started);
        QFETCH(QString, taken);
        QFETCH(int, width);
        QVERIFY(halves(QSize(120, 80)).save(file("a.jpg")));
        QVERIFY(halves(QSize(90, 60)).save(file("b.bmp")));
        photoprefetch::start(file(started), Photo::screenDetail());
        try {
            const Photo photo = photoprefetch::take(file(taken));
            QCOMPARE(photo.size().width(), width);
        } catch (const TesselError& e) {
            QCOMPARE(width, 0);
            QCOMPARE(e.code(), ErrorCode::FileNotFound);
        }
        // Taken once: the next take reads the file again.
        if (width)
            QCOMPARE(photoprefetch::take(file(taken)).size().width(), width);
    }

    void noPicture()
    {
        const Photo photo;
        QVERIFY(photo.isNull());
        QVERIFY(photo.cut(QRect(0, 0, 10, 10), QSize(5, 5)).isNull());
        QVERIFY(photo.scaled(QSize(5, 5)).isNull());
    }

    // Cutting measures in true pixels, whatever size the pixels are held at.
    void cutMapsTrueCoordinates_data()
    {
        QTest::addColumn<QSize>("held");
        QTest::newRow("held at true size") << QSize(100, 80);
        QTest::newRow("held at half size") << QSize(50, 40);
    }

    void cutMapsTrueCoordinates()
    {
        QFETCH(QSize, held);
        const Photo photo(halves(held), QSize(100, 80));
        QCOMPARE(photo.size(), QSize(100, 80));
        const QImage left = photo.cut(QRect(0, 0, 50, 80), QSize(20, 30));
        const QImage right = photo.cut(QRect(50, 0, 50, 80), QSize(20, 30));
        QCOMPARE(left.size(), QSize(20, 30));
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 20; ++x) {
                QCOMPARE(left.pixelColor(x, y), QColor(Qt::red));
                QCOMPARE(right.pixelColor(x, y), QColor(Qt::blue));
            }
    }

    void aBlockNarrowerThanAPixelStillTakesOne()
    {
        // A 2-pixel photo in 3 columns: blocks of round(0.67) = 1 and round(0) = 0 pixels.
        const Photo photo(halves(QSize(2, 2)));
        const QImage cut = photo.cut(QRect(1, 0, 0, 1), QSize(4, 4));
        QCOMPARE(cut.size(), QSize(4, 4));
        QCOMPARE(cut.pixelColor(2, 2), QColor(Qt::blue));
    }

    void scaledFillsTheTargetIgnoringProportions()
    {
        const Photo photo(halves(QSize(100, 20)));
        const QImage sample = photo.scaled(QSize(40, 40));
        QCOMPARE(sample.size(), QSize(40, 40));
        QCOMPARE(sample.pixelColor(5, 35), QColor(Qt::red));
        QCOMPARE(sample.pixelColor(35, 5), QColor(Qt::blue));
    }
};

QTEST_GUILESS_MAIN(TestPhoto)
#include "tst_photo.moc"
