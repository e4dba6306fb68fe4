#include "common/errors.h"
#include "picture/photo.h"
#include "picture/picturefile.h"
#include "support/coresupport.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>

#include <climits>
#include <tuple>

using namespace tessel;

namespace {

QImage detailed(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, QColor((x * 7) % 256, (y * 5) % 256, (x * y) % 256));
    return image;
}

QByteArray encoded(const QImage& image, const char* format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// A JPEG with a complete thumbnail in an APP1 segment after its start marker, as cameras write.
QByteArray jpegWithThumbnail()
{
    const QByteArray main = encoded(detailed(QSize(120, 90)), "JPG");
    const QByteArray thumbnail = encoded(detailed(QSize(16, 12)), "JPG");
    QByteArray segment("\xFF\xE1\0\0Exif\0\0", 10);
    segment += thumbnail;
    qToBigEndian<quint16>(quint16(segment.size() - 2), segment.data() + 2);
    return main.left(2) + segment + main.mid(2);
}

QByteArray bmpOfSize(int width, int height)
{
    return encoded(detailed(QSize(width, height)), "BMP");
}

// `count` fill bytes (0xFF, which may stand before any marker) before the first segment after
// the start marker.
QByteArray withFillBytes(const QByteArray& jpeg, qsizetype count)
{
    return jpeg.left(2) + QByteArray(count, '\xFF') + jpeg.mid(2);
}

// Six bytes of junk between the first segment after the start marker and the next, which
// libjpeg passes over with a warning.
QByteArray withJunkBetweenSegments(const QByteArray& jpeg)
{
    const qsizetype next = 4 + qFromBigEndian<quint16>(jpeg.constData() + 4);
    return jpeg.left(next) + QByteArray("Exif\0\0", 6) + jpeg.mid(next);
}

// A bitmap header claiming width x height at `bits` bits, and nothing after it.
QByteArray bmpClaiming(qint32 width, qint32 height, quint16 bits)
{
    QByteArray bytes = bmpOfSize(4, 4).left(54);
    qToLittleEndian<qint32>(width, bytes.data() + 18);
    qToLittleEndian<qint32>(height, bytes.data() + 22);
    qToLittleEndian<quint16>(bits, bytes.data() + 28);
    return bytes;
}

QString written(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

ErrorCode loadError(const QString& path)
{
    try {
        Photo::load(path);
    } catch (const TesselError& error) {
        return error.code();
    }
    return ErrorCode(0);
}

} // namespace

class TestPictureFile : public QObject
{
    Q_OBJECT

private slots:
    void completeness_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("complete");
        const QByteArray jpeg = encoded(detailed(QSize(120, 90)), "JPG");
        const QByteArray progressive = encoded(detailed(QSize(120, 90)), "JPG", true);
        const QByteArray thumbnailed = jpegWithThumbnail();
        const QByteArray bmp = bmpOfSize(33, 20); // rows padded to 100 bytes
        QTest::newRow("JPEG") << jpeg << true;
        QTest::newRow("JPEG with data after its end (motion photo)")
            << jpeg + QByteArray(4096, 'x') << true;
        // The file is searched from its end in parts of 64 KB.
        QTest::newRow("JPEG with 200 KB after its end") << jpeg + QByteArray(200000, 'x') << true;
        QTest::newRow("JPEG with its end marker split between two parts")
            << jpeg + QByteArray(65535, 'x') << true;
        QTest::newRow("JPEG cut in its scan") << jpeg.left(jpeg.size() * 2 / 3) << false;
        QTest::newRow("JPEG cut before its end marker") << jpeg.chopped(2) << false;
        QTest::newRow("JPEG cut in its headers") << jpeg.left(100) << false;
        QTest::newRow("progressive JPEG") << progressive << true;
        QTest::newRow("progressive JPEG cut") << progressive.left(progressive.size() / 2) << false;
        QTest::newRow("JPEG with a thumbnail") << thumbnailed << true;
        QTest::newRow("JPEG with a thumbnail, cut in its scan")
            << thumbnailed.left(thumbnailed.size() - 200) << false;
        QTest::newRow("BMP") << bmp << true;
        QTest::newRow("BMP cut by a row") << bmp.chopped(100) << false;
        QTest::newRow("BMP cut by a byte") << bmp.chopped(1) << false;
        QTest::newRow("BMP cut in its header") << bmp.left(20) << false;
        QByteArray topDown = bmp;
        qToLittleEndian<qint32>(-20, topDown.data() + 22);
        QTest::newRow("top-down BMP") << topDown << true;
        QByteArray claimsMore = bmpOfSize(16, 16);
        qToLittleEndian<qint32>(5000, claimsMore.data() + 18);
        qToLittleEndian<qint32>(5000, claimsMore.data() + 22);
        QTest::newRow("BMP claiming 5000 x 5000") << claimsMore << false;
        // Fill bytes may stand before any marker; the check reads them forward in blocks.
        QTest::newRow("JPEG with 1 MB of fill bytes before its headers")
            << withFillBytes(jpeg, 1 << 20) << true;
        QTest::newRow("JPEG start marker and fill bytes to the end")
            << jpeg.left(2) + QByteArray(1 << 20, '\xFF') << false;
        QTest::newRow("JPEG with more headers than any photo")
            << withFillBytes(jpeg, jpegHeaderBytes) << false;
        // The walk passes over junk where a marker should stand, as the decoder does.
        QTest::newRow("JPEG with junk between two segments")
            << withJunkBetweenSegments(jpeg) << true;
        QTest::newRow("JPEG with junk between two segments, cut in its scan")
            << withJunkBetweenSegments(jpeg).left(jpeg.size() * 2 / 3) << false;
        // The end marker is looked for in the file's last 16 MB only.
        QTest::newRow("JPEG with its end marker at the end of the searched tail")
            << jpeg + QByteArray(jpegEndSearchBytes - 2, 'x') << true;
        QTest::newRow("JPEG with its end marker before the searched tail")
            << jpeg + QByteArray(jpegEndSearchBytes - 1, 'x') << false;
        // Width and height near INT32_MAX: the bytes the rows need pass 64 bits.
        QTest::newRow("BMP claiming INT32_MAX x INT32_MAX at 64 bits")
            << bmpClaiming(INT32_MAX, INT32_MAX, 64) << false;
        QTest::newRow("BMP claiming INT32_MAX x -INT32_MAX at 32 bits")
            << bmpClaiming(INT32_MAX, -INT32_MAX, 32) << false;
        QTest::newRow("text") << QByteArray("no picture") << true;
        QTest::newRow("PNG") << encoded(detailed(QSize(8, 8)), "PNG") << true;
    }

    // In memory and as a file, which is read in parts.
    void completeness()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, complete);
        QCOMPARE(pictureDataComplete(bytes), complete);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("picture")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QCOMPARE(pictureFileComplete(file.fileName()), complete);
    }

    // The reader alone would take these: they must not reach the game as pictures.
    void loadRefusesWhatTheReaderWouldFillIn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray jpeg = encoded(detailed(QSize(120, 90)), "JPG");
        const QByteArray bmp = bmpOfSize(64, 48);
        QTest::newRow("JPEG cut in its scan") << "cut.jpg" << jpeg.left(jpeg.size() * 2 / 3);
        QTest::newRow("BMP cut in its rows") << "cut.bmp" << bmp.left(bmp.size() / 2);
    }

    void loadRefusesWhatTheReaderWouldFillIn()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QVERIFY(!QImage(path).isNull());
        QVERIFY_THROWS_EXCEPTION(TesselError, Photo::load(path));
    }

    // What the decoder will need is known from the frame header; the figures beside are the
    // peak memory measured while decoding such files (djpeg, and the program before the bound).
    void decodeMemoryFromTheHeader_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("chromaSampling"); // 2: 4:2:0, 1: 4:4:4
        QTest::addColumn<bool>("progressive");
        QTest::addColumn<double>("lowMB");
        QTest::addColumn<double>("highMB");
        // djpeg -scale 1/8 peaks at 70.6 MB on the bench's 24 MP progressive photo.
        QTest::newRow("24 MP progressive, 4:2:0") << QSize(6000, 4000) << 2 << true << 65.0 << 80.0;
        // The program peaked at 613 MB on a 1.17 MB progressive 10000 x 10000 photo.
        QTest::newRow("100 MP progressive, 4:4:4")
            << QSize(10000, 10000) << 1 << true << 580.0 << 640.0;
        // A sequential file decodes row by row: the output at the size asked for is what counts.
        QTest::newRow("100 MP baseline, 4:4:4") << QSize(10000, 10000) << 1 << false << 0.3 << 0.5;
    }

    void decodeMemoryFromTheHeader()
    {
        QFETCH(QSize, size);
        QFETCH(int, chromaSampling);
        QFETCH(bool, progressive);
        QFETCH(double, lowMB);
        QFETCH(double, highMB);
        JpegFrame frame;
        frame.size = size;
        frame.buffered = progressive;
        frame.components = { { chromaSampling, chromaSampling }, { 1, 1 }, { 1, 1 } };
        const double mb = jpegDecodeBytes(frame, QSize(351, 264)) / 1e6;
        QVERIFY2(mb >= lowMB && mb <= highMB, qPrintable(QString::number(mb)));
    }

    // The frame as the headers give it, in memory and on file alike.
    void theFrameOfAJpeg()
    {
        const QImage photo = detailed(QSize(120, 90));
        const QByteArray baseline = encoded(photo, "JPG");
        const QByteArray progressive = encoded(photo, "JPG", true);
        const QByteArray grey = encoded(photo.convertToFormat(QImage::Format_Grayscale8), "JPG");
        QTemporaryDir dir;
        for (const auto& [bytes, buffered, components] :
             { std::tuple { baseline, false, 3 }, { progressive, true, 3 }, { grey, false, 1 } }) {
            for (const PictureCheck& check :
                 { checkPictureData(bytes), [&] {
                      QFile file(written(dir, QStringLiteral("frame.jpg"), bytes));
                      file.open(QIODevice::ReadOnly);
                      return checkPictureFile(file);
                  }() }) {
                QVERIFY(check.complete);
                QVERIFY(check.jpeg);
                QCOMPARE(check.jpeg->size, QSize(120, 90));
                QCOMPARE(check.jpeg->buffered, buffered);
                QCOMPARE(int(check.jpeg->components.size()), components);
            }
        }
    }

    // A progressive photo keeps every coefficient while it decodes: one whose decode would need
    // more than 512 MB is refused on its header, before any of it is decoded; a real 24 MP one
    // (about 70 MB) is the bench's and loads there.
    void aProgressivePhotoTooLargeToDecodeIsUnreadable()
    {
        QTemporaryDir dir;
        // 15000 x 15000 at 4:2:0: 675 MB of coefficients; a baseline one of that size is
        // within the bound.
        const QByteArray large = tessel::test::jpegClaiming(15000, 15000, true);
        QCOMPARE(loadError(written(dir, QStringLiteral("large.jpg"), large)),
                 ErrorCode::InvalidPicture);
        // The decoder finds the frame behind junk between two segments; so does the estimate.
        QCOMPARE(
            loadError(written(dir, QStringLiteral("junk.jpg"), withJunkBetweenSegments(large))),
            ErrorCode::InvalidPicture);
        const QString small = written(dir, QStringLiteral("small.jpg"),
                                      encoded(detailed(QSize(120, 90)), "JPG", true));
        QCOMPARE(Photo::load(small).size(), QSize(120, 90));
    }

    // The decoder warns of damage and fills the rest in grey; such a file is no picture.
    void aDamagedJpegWithItsEndMarkerIsUnreadable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("claiming 4000 x 4000 (premature end of data segment)")
            << tessel::test::jpegClaiming(4000, 4000);
        QByteArray scrambled = encoded(detailed(QSize(120, 90)), "JPG");
        for (qsizetype i = scrambled.size() / 2; i < scrambled.size() / 2 + 40; ++i)
            if (uchar(scrambled[i]) != 0xFF && uchar(scrambled[i]) != 0xA5)
                scrambled[i] = char(scrambled[i] ^ 0x5A);
        QTest::newRow("scrambled in its scan (coded data left over)") << scrambled;
    }

    void aDamagedJpegWithItsEndMarkerIsUnreadable()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = written(dir, QStringLiteral("damaged.jpg"), bytes);
        QVERIFY(pictureFileComplete(path));
        QVERIFY(!QImage(path).isNull()); // Qt's reader alone takes it
        QCOMPARE(loadError(path), ErrorCode::InvalidPicture);
    }

    void aPipeIsNoPicture()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("pipe.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        try {
            Photo::load(path);
            QFAIL("a pipe loaded");
        } catch (const TesselError& e) {
            QCOMPARE(e.code(), ErrorCode::InvalidPicture);
        }
    }
};

QTEST_GUILESS_MAIN(TestPictureFile)
#include "tst_picturefile.moc"
