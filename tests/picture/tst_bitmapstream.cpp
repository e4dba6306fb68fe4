#include "common/errors.h"
#include "picture/bitmapstream.h"
#include "support/coresupport.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <climits>

using namespace tessel;
using namespace tessel::test;

class TestBitmapStream : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    // Colours that differ in every channel from pixel to pixel.
    static QImage pattern(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y,
                               qRgb((x * 37 + y * 11) % 256, (x * 5 + y * 71) % 256,
                                    (x * 97 + y * 3 + 50) % 256));
        return image;
    }

    // The rounded mean of every fx x fy area, worked out pixel by pixel.
    static QImage areaMeans(const QImage& image, int fx, int fy)
    {
        QImage out((image.width() + fx - 1) / fx, (image.height() + fy - 1) / fy,
                   QImage::Format_RGB32);
        for (int oy = 0; oy < out.height(); ++oy)
            for (int ox = 0; ox < out.width(); ++ox) {
                int r = 0, g = 0, b = 0, n = 0;
                for (int y = oy * fy; y < std::min(image.height(), (oy + 1) * fy); ++y)
                    for (int x = ox * fx; x < std::min(image.width(), (ox + 1) * fx); ++x) {
                        const QRgb p = image.pixel(x, y);
                        r += qRed(p);
                        g += qGreen(p);
                        b += qBlue(p);
                        ++n;
                    }
                out.setPixel(ox, oy, qRgb((r + n / 2) / n, (g + n / 2) / n, (b + n / 2) / n));
            }
        return out;
    }

    static QImage readFile(const QString& path, QSize detail)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QImage();
        const std::optional<BitmapHeader> header = readBitmapHeader(file);
        if (!header)
            return QImage();
        return readReducedBitmap(file, *header, detail);
    }

    static ErrorCode readError(QByteArray data, QSize detail = QSize(1, 1))
    {
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        try {
            const std::optional<BitmapHeader> header = readBitmapHeader(buffer);
            if (!header)
                return ErrorCode::TypeMismatch; // stands for "no bitmap header"
            readReducedBitmap(buffer, *header, detail);
        } catch (const TesselError& e) {
            return e.code();
        }
        return ErrorCode::InvalidCall; // stands for "no error"
    }

private slots:
    // Every area of fx x fy pixels becomes its mean, whatever the row order, the padding of
    // the rows and the fourth byte of 32-bit pixels; smaller areas at the right and bottom.
    void reducesByAreaMeans_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("topDown");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QSize>("detail");
        QTest::addColumn<QSize>("area"); // fx x fy
        QTest::newRow("24-bit, rows padded, detail above the size: every pixel")
            << 24 << false << QSize(7, 5) << QSize(10, 10) << QSize(1, 1);
        QTest::newRow("32-bit from the top: every pixel")
            << 32 << true << QSize(6, 4) << QSize(6, 4) << QSize(1, 1);
        QTest::newRow("24-bit halved both ways")
            << 24 << false << QSize(12, 8) << QSize(6, 4) << QSize(2, 2);
        QTest::newRow("24-bit, areas of 3 x 2, part areas at the edges")
            << 24 << false << QSize(11, 7) << QSize(3, 3) << QSize(3, 2);
        QTest::newRow("32-bit from the top, areas of 2 x 3")
            << 32 << true << QSize(9, 10) << QSize(4, 3) << QSize(2, 3);
        QTest::newRow("one row of 1000 pixels")
            << 24 << false << QSize(1000, 1) << QSize(10, 1) << QSize(100, 1);
    }

    void reducesByAreaMeans()
    {
        QFETCH(int, bits);
        QFETCH(bool, topDown);
        QFETCH(QSize, size);
        QFETCH(QSize, detail);
        QFETCH(QSize, area);
        const QImage source = pattern(size);
        const QString path = m_dir.filePath(QStringLiteral("p.bmp"));
        QVERIFY(writeBitmap(source, path, bits, topDown));
        const QImage read = readFile(path, detail);
        QCOMPARE(read, areaMeans(source, area.width(), area.height()));
        QVERIFY(read.width() >= std::min(detail.width(), size.width()));
        QVERIFY(read.height() >= std::min(detail.height(), size.height()));
    }

    void theHeaderTellsSizeAndKind_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<bool>("topDown");
        QTest::newRow("24-bit from the bottom") << 24 << false;
        QTest::newRow("32-bit from the top") << 32 << true;
    }

    void theHeaderTellsSizeAndKind()
    {
        QFETCH(int, bits);
        QFETCH(bool, topDown);
        const QString path = m_dir.filePath(QStringLiteral("h.bmp"));
        QVERIFY(writeBitmap(pattern(QSize(5, 3)), path, bits, topDown));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::optional<BitmapHeader> header = readBitmapHeader(file);
        QVERIFY(header);
        QCOMPARE(header->size, QSize(5, 3));
        QCOMPARE(header->bitsPerPixel, bits);
        QCOMPARE(header->topDown, topDown);
        QCOMPARE(header->rowBytes(), bits == 24 ? 16 : 20);
        QVERIFY(header->streamable());
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("code");
        const QByteArray header = bitmapHeaderOnly(4, 2);
        QTest::newRow("header only, 65000 x 65000") << bitmapHeaderOnly(65000, 65000) << 481;
        // Rows of 4 x 3 bytes: 16 of the 24 bytes promised.
        QTest::newRow("one row and a half of two") << header + QByteArray(16, '\0') << 481;
        QByteArray forged = bitmapHeaderOnly(INT_MAX, INT_MAX);
        QTest::newRow("forged size, no overflow") << forged << 481;
        QByteArray core = header;
        core[14] = 12; // the old core header: left to Qt's reader
        QTest::newRow("core header") << core << int(ErrorCode::TypeMismatch);
        QTest::newRow("no bitmap") << QByteArray("GIF89a and more than fifty-four bytes of text "
                                                 "after it, to fill a header")
                                   << int(ErrorCode::TypeMismatch);
        QByteArray noWidth = header;
        noWidth[18] = 0;
        QTest::newRow("no width") << noWidth << int(ErrorCode::TypeMismatch);
    }

    void refusals()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, code);
        QCOMPARE(int(readError(data)), code);
    }

    void aWholeFileIsRead()
    {
        // The counterpart of the short file: both rows there, the file is read.
        QByteArray data = bitmapHeaderOnly(4, 2) + QByteArray(24, '\x40');
        QCOMPARE(readError(data), ErrorCode::InvalidCall);
    }
};

QTEST_GUILESS_MAIN(TestBitmapStream)
#include "tst_bitmapstream.moc"
