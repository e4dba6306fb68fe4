#include "common/errors.h"
#include "picture/photo.h"
#include "picture/picturefile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>

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
