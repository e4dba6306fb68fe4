#include "board/boardlayout.h"
#include "common/errors.h"
#include "picture/photo.h"
#include "picture/photoformats.h"
#include "picture/photoprefetch.h"
#include "support/coresupport.h"
#include "system/filenames.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QRandomGenerator>
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

    // A 32-bit bitmap with an alpha mask whose alpha bytes are all zero, as some programs write
    // them: Qt reads it as wholly transparent, and the game shows its colours.
    void aBitmapWithZeroAlphaShowsItsColours_data()
    {
        QTest::addColumn<int>("headerBytes");
        QTest::newRow("BITMAPV4HEADER") << 108;
        QTest::newRow("BITMAPV5HEADER") << 124;
    }

    void aBitmapWithZeroAlphaShowsItsColours()
    {
        QFETCH(int, headerBytes);
        const int width = 4, height = 2;
        QByteArray info(headerBytes, '\0');
        auto put = [](QByteArray& bytes, int at, quint32 value) {
            for (int i = 0; i < 4; ++i)
                bytes[at + i] = char((value >> (8 * i)) & 0xFF);
        };
        put(info, 0, quint32(headerBytes));
        put(info, 4, width);
        put(info, 8, height);
        put(info, 12, 1 | (32 << 16)); // planes, bits per pixel
        put(info, 16, 3); // BI_BITFIELDS
        put(info, 20, width * height * 4);
        put(info, 40, 0x00FF0000); // red, green, blue and alpha masks
        put(info, 44, 0x0000FF00);
        put(info, 48, 0x000000FF);
        put(info, 52, 0xFF000000);
        QByteArray pixels;
        for (int i = 0; i < width * height; ++i)
            pixels += i % 2 ? QByteArray("\x20\x40\xC0\x00", 4) : QByteArray("\x10\xE0\x30\x00", 4);
        QByteArray head(14, '\0');
        head[0] = 'B';
        head[1] = 'M';
        put(head, 2, quint32(14 + headerBytes + pixels.size()));
        put(head, 10, quint32(14 + headerBytes));
        QFile out(file(QStringLiteral("zeroalpha.bmp")));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(head + info + pixels);
        out.close();

        const Photo photo = Photo::load(out.fileName(), photoDetailPixels(1));
        QCOMPARE(photo.size(), QSize(width, height));
        const QImage pixelsRead = photo.pixels();
        QVERIFY(!pixelsRead.hasAlphaChannel() || pixelsRead.pixelColor(0, 0).alpha() == 255);
        // Bottom-up rows: the file's first pixel is the bottom row's first.
        QCOMPARE(pixelsRead.pixelColor(0, height - 1), QColor(0x30, 0xE0, 0x10));
        QCOMPARE(pixelsRead.pixelColor(1, height - 1), QColor(0xC0, 0x40, 0x20));
        QCOMPARE(photo.cut(QRect(0, 0, 1, 1), QSize(1, 1)).pixelColor(0, 0).alpha(), 255);
    }

    // The kinds a photo may be, read against a decoder's own reading, under names that say
    // nothing; the desktop entry offers the same kinds.
    void photoKindsAreToldByContent()
    {
        const QImage image = halves(QSize(40, 30));
        for (const char* kind : { "jpeg", "bmp", "png" }) {
            const QString path = file(QStringLiteral("kind-%1.dat").arg(kind));
            QVERIFY(image.save(path, kind));
            QCOMPARE(readerFormatName(photoFileFormat(path)), QByteArray(kind));
            const Photo photo = Photo::load(path, photoDetailPixels(1));
            QCOMPARE(photo.size(), QSize(40, 30));
            QCOMPARE(photo.pixels().pixelColor(5, 15).red() > 200, true);
            QCOMPARE(photo.pixels().pixelColor(35, 15).blue() > 200, true);
        }
        // One pixel, as a GIF: Qt reads it, nobody here writes it.
        // (A hex escape takes every hex digit after it: "D" stands apart from "\x02".)
        static const char gifBytes[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\x00\x00\x00\x00\x00,"
                                       "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02"
                                       "D\x01\x00;";
        const QByteArray gif(gifBytes, sizeof gifBytes - 1);
        QFile gifFile(file(QStringLiteral("kind-gif.dat")));
        QVERIFY(gifFile.open(QIODevice::WriteOnly));
        gifFile.write(gif);
        gifFile.close();
        QCOMPARE(photoFileFormat(gifFile.fileName()), PhotoFormat::Gif);
        QCOMPARE(Photo::load(gifFile.fileName(), photoDetailPixels(1)).pixels().pixelColor(0, 0),
                 QImage(gifFile.fileName(), "gif").pixelColor(0, 0));
        // Pictures Qt reads that are no photo kind of this program, and no pictures at all.
        const QString icon = file(QStringLiteral("kind-ico.jpg"));
        QVERIFY(image.scaled(32, 32).save(icon, "ico"));
        QCOMPARE(photoFileFormat(icon), PhotoFormat::None);
        QCOMPARE(loadError(icon), ErrorCode::InvalidPicture);
        QCOMPARE(photoFileFormat(m_dir.path()), PhotoFormat::None);
        QCOMPARE(photoFileFormat(file(QStringLiteral("gone.png"))), PhotoFormat::None);

        QFile entry(QFINDTESTDATA("../../desktop/tessel.desktop.in"));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        QString mimeLine;
        for (const QByteArray& line : entry.readAll().split('\n'))
            if (line.startsWith("MimeType="))
                mimeLine = QString::fromUtf8(line.mid(9));
        QStringList offered = mimeLine.split(u';', Qt::SkipEmptyParts);
        QStringList read = photoMimeTypes();
        offered.sort();
        read.sort();
        QCOMPARE(offered, read);
    }

    // Any bytes make a name that gives back the same bytes; a UTF-8 name reads as UTF-8.
    void fileNamesKeepTheirBytes()
    {
        QRandomGenerator random(6);
        for (int round = 0; round < 5000; ++round) {
            QByteArray bytes(random.bounded(1, 12), Qt::Uninitialized);
            for (char& b : bytes)
                b = char(random.bounded(1, 256));
            const QString name = decodeFileName(bytes);
            QCOMPARE(encodeFileName(name), bytes);
            QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString asUtf8 = strict(bytes);
            if (!strict.hasError())
                QCOMPARE(name, asUtf8);
        }
        const QString mixed = QStringLiteral("Ağaç 🌳 ") + decodeFileName("\xE9\x80");
        QCOMPARE(encodeFileName(mixed),
                 QByteArray("A\xC4\x9F"
                            "a\xC3\xA7 \xF0\x9F\x8C\xB3 \xE9\x80"));

        // A photo under such a name loads, and is found and told by its bytes.
        QBuffer jpeg;
        QVERIFY(jpeg.open(QIODevice::WriteOnly));
        QVERIFY(halves(QSize(60, 40)).save(&jpeg, "JPG"));
        const QByteArray path = QFile::encodeName(m_dir.path()) + "/foto-\xE7\xEE.jpg";
        FILE* raw = std::fopen(path.constData(), "wb");
        QVERIFY(raw);
        QCOMPARE(std::fwrite(jpeg.data().constData(), 1, size_t(jpeg.data().size()), raw),
                 size_t(jpeg.data().size()));
        std::fclose(raw);
        const QString name = decodeFileName(path);
        QVERIFY(fileNameExists(name));
        QVERIFY(!QFileInfo::exists(name)); // what Qt's own encoding makes of it is not there
        QCOMPARE(photoFileFormat(name), PhotoFormat::Jpeg);
        QCOMPARE(Photo::load(name, photoDetailPixels(1)).size(), QSize(60, 40));
        std::remove(path.constData());
    }

    // A JPEG whose writer left out only the end marker shows as a decoder shows it; one cut
    // anywhere in its scan, even by a byte, is refused, and so is a progressive one without its
    // end marker, whose later scans no decoder misses.
    void aJpegLackingOnlyItsEndMarker_data()
    {
        QTest::addColumn<bool>("progressive");
        QTest::addColumn<int>("cut");
        QTest::addColumn<bool>("loads");
        QTest::newRow("the end marker alone") << false << 2 << true;
        QTest::newRow("the end marker and a byte of the scan") << false << 3 << false;
        QTest::newRow("the last tenth of the scan") << false << -10 << false;
        QTest::newRow("a third") << false << -3 << false;
        QTest::newRow("progressive, the end marker alone") << true << 2 << false;
    }

    void aJpegLackingOnlyItsEndMarker()
    {
        QFETCH(bool, progressive);
        QFETCH(int, cut);
        QFETCH(bool, loads);
        // Noise in colour, so that every byte of the scan codes pixels.
        QImage image(120, 80, QImage::Format_RGB32);
        QRandomGenerator random(12);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, random.generate() | 0xFF000000);
        QBuffer whole;
        QVERIFY(whole.open(QIODevice::WriteOnly));
        QImageWriter writer(&whole, "jpeg");
        writer.setQuality(90);
        writer.setProgressiveScanWrite(progressive);
        QVERIFY(writer.write(image));
        QByteArray bytes = whole.data();
        QVERIFY(bytes.endsWith("\xFF\xD9"));
        bytes.chop(cut > 0 ? cut : bytes.size() / -cut);
        const QString path = file(QStringLiteral("noend.jpg"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        if (!loads) {
            QCOMPARE(loadError(path), ErrorCode::InvalidPicture);
            return;
        }
        const Photo photo = Photo::load(path, QSize(120, 80));
        QCOMPARE(photo.size(), QSize(120, 80));
        // Pixel for pixel what the decoder makes of the whole file.
        const QImage expected
            = QImage::fromData(whole.data(), "jpeg").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(photo.pixels().convertToFormat(QImage::Format_RGB32), expected);
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
