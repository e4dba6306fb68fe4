// The Windows build's icon file: two images, 16 x 16 and 32 x 32, each of 256 colours, showing
// the program's own icon drawing.
#include "resources/appicon.h"
#include "resources/windowsicon.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>
#include <QtTest>

using namespace tessel;

namespace {

const QString iconPath = QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/windows/tessel.ico");

// One image of the icon file as its directory and its bitmap header describe it.
struct IconImage
{
    int width = 0, height = 0; // from the directory (0 stands for 256)
    int directoryColours = 0; // colours in the directory: 0 for 256 or more
    int directoryBits = 0;
    int headerBits = 0; // bits per pixel of the bitmap header
    int paletteEntries = 0; // the header's colours used (0: all that the bits allow)
    qsizetype bytes = 0;
    qsizetype expectedBytes = 0; // header, palette, colour rows and mask rows
};

QList<IconImage> readIconDirectory(const QByteArray& file)
{
    const auto* data = reinterpret_cast<const uchar*>(file.constData());
    QList<IconImage> images;
    if (file.size() < 6 || qFromLittleEndian<quint16>(data + 2) != 1)
        return images;
    const int count = qFromLittleEndian<quint16>(data + 4);
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        if (entry + 16 > file.size())
            return {};
        IconImage image;
        image.width = data[entry] ? data[entry] : 256;
        image.height = data[entry + 1] ? data[entry + 1] : 256;
        image.directoryColours = data[entry + 2];
        image.directoryBits = qFromLittleEndian<quint16>(data + entry + 6);
        image.bytes = qFromLittleEndian<quint32>(data + entry + 8);
        const qsizetype offset = qFromLittleEndian<quint32>(data + entry + 12);
        if (offset + 40 > file.size() || offset + image.bytes > file.size())
            return {};
        const uchar* header = data + offset;
        image.headerBits = qFromLittleEndian<quint16>(header + 14);
        image.paletteEntries = int(qFromLittleEndian<quint32>(header + 32));
        const int palette = image.headerBits <= 8
            ? (image.paletteEntries ? image.paletteEntries : 1 << image.headerBits)
            : 0;
        auto rowBytes = [](int width, int bits) { return ((width * bits + 31) / 32) * 4; };
        image.expectedBytes = 40 + 4 * palette
            + qsizetype(rowBytes(image.width, image.headerBits)) * image.height
            + qsizetype(rowBytes(image.width, 1)) * image.height;
        images.append(image);
    }
    return images;
}

} // namespace

class TestWindowsIcon : public QObject
{
    Q_OBJECT

private slots:
    void bothImagesHave256Colours()
    {
        QFile file(iconPath);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(iconPath));
        const QList<IconImage> images = readIconDirectory(file.readAll());
        QCOMPARE(images.size(), 2);
        QList<int> sizes;
        for (const IconImage& image : images) {
            const QString which = QStringLiteral("%1 x %2").arg(image.width).arg(image.height);
            sizes << image.width;
            QCOMPARE(image.height, image.width);
            QVERIFY2(image.directoryBits == 8 && image.headerBits == 8, qPrintable(which));
            QVERIFY2(image.directoryColours == 0, qPrintable(which));
            QVERIFY2(image.paletteEntries == 0 || image.paletteEntries == 256, qPrintable(which));
            QVERIFY2(image.bytes == image.expectedBytes, qPrintable(which));
        }
        std::sort(sizes.begin(), sizes.end());
        QCOMPARE(sizes, (QList<int> { 16, 32 }));
    }

    // The images are the icon the program shows in its windows, pixel for pixel: a pixel at
    // least half opaque in the drawing shows its colour, the others are left out by the mask.
    void theImagesAreTheProgramsIcon()
    {
        QImageReader reader(iconPath, "ico");
        int read = 0;
        do {
            const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            const int side = image.width();
            const QImage drawn = appIconImage(side).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), drawn.size());
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) {
                    const QRgb want = drawn.pixel(x, y);
                    const QRgb got = image.pixel(x, y);
                    const QString where
                        = QStringLiteral("%1 x %1 at (%2, %3)").arg(side).arg(x).arg(y);
                    if (qAlpha(want) < 128) {
                        QVERIFY2(qAlpha(got) == 0, qPrintable(where));
                    } else {
                        QVERIFY2(qAlpha(got) == 255 && (got & 0xFFFFFF) == (want & 0xFFFFFF),
                                 qPrintable(where));
                    }
                }
            }
            ++read;
        } while (reader.jumpToNextImage());
        QCOMPARE(read, 2);
    }

    // The file kept in the tree is the one the drawing gives now.
    void theFileFollowsTheDrawing()
    {
        QFile file(iconPath);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll() == windowsIconFile(),
                 "resources/windows/tessel.ico is not the icon's drawing: write it again with "
                 "tessel_art tessel.ico resources/windows/tessel.ico");
    }
};

QTEST_GUILESS_MAIN(TestWindowsIcon)
#include "tst_windowsicon.moc"
