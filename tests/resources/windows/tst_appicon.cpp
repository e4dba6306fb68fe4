// The program's icon: sharp at every installed size, the same drawing as the scalable icon
// (checked against an SVG renderer of its own, rsvg-convert), the files the build installs, and
// the window's icon drawn for the device-pixel ratio asked for.
#include "resources/appicon.h"

#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

using namespace tessel;

namespace {

const QRgb emptyCell = qRgb(255, 255, 192);

// The pixels alone, at ratio 1.
QImage argb(const QImage& image)
{
    QImage pixels = image.convertToFormat(QImage::Format_ARGB32);
    pixels.setDevicePixelRatio(1);
    return pixels;
}

// The light yellow empty cell as found in the image: its bounding box, and whether every pixel
// in it is exactly that colour.
struct Found
{
    QRect box;
    bool solid = true;
};

Found emptyCellOf(const QImage& image)
{
    Found found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == emptyCell)
                found.box |= QRect(x, y, 1, 1);
    for (int y = found.box.top(); y <= found.box.bottom(); ++y)
        for (int x = found.box.left(); x <= found.box.right(); ++x)
            found.solid = found.solid && image.pixel(x, y) == emptyCell;
    return found;
}

// The mean difference per channel (alpha included) and the share of pixels that differ by more
// than a quarter of the range in some channel.
std::pair<double, double> difference(const QImage& a, const QImage& b)
{
    double sum = 0;
    int far = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int d[] = { std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q)) };
            sum += d[0] + d[1] + d[2] + d[3];
            far += *std::max_element(std::begin(d), std::end(d)) > 64 ? 1 : 0;
        }
    const double pixels = double(a.width()) * a.height();
    return { sum / (4 * pixels), far / pixels };
}

} // namespace

class TestAppIcon : public QObject
{
    Q_OBJECT

private slots:
    // At every size the empty cell is a sharp square of whole pixels, big enough that three
    // cells and their gaps fill the board, and framed: the pixels around it are no cell colour.
    void sharpAtEverySize_data()
    {
        QTest::addColumn<int>("side");
        for (int side : appIconSizes)
            QTest::addRow("%d px", side) << side;
    }

    void sharpAtEverySize()
    {
        QFETCH(int, side);
        const QImage icon = argb(appIconImage(side));
        QCOMPARE(icon.size(), QSize(side, side));
        const Found cell = emptyCellOf(icon);
        QVERIFY(cell.solid);
        QCOMPARE(cell.box.width(), cell.box.height());
        // Three cells, two gaps of a pixel or more, and a frame of a pixel or more each side.
        QVERIFY2(3 * cell.box.width() + 2 + 2 <= side,
                 qPrintable(QString::number(cell.box.width())));
        QVERIFY(3 * cell.box.width() >= side * 2 / 3);
        QVERIFY(cell.box.right() < side - 1 && cell.box.bottom() < side - 1);
        const int x = cell.box.left() - 1;
        const int y = cell.box.top() - 1;
        for (int i = cell.box.top(); i <= cell.box.bottom(); ++i) {
            QVERIFY(icon.pixel(x, i) != emptyCell);
            QVERIFY(icon.pixel(cell.box.right() + 1, i) != emptyCell);
            QVERIFY(qAlpha(icon.pixel(x, i)) == 255);
        }
        for (int i = cell.box.left(); i <= cell.box.right(); ++i)
            QVERIFY(icon.pixel(i, y) != emptyCell);
        // The photo's blocks: the top left one starts with sky, the middle one holds the sun.
        const QColor sky = icon.pixelColor(side / 4, side / 5);
        QVERIFY2(sky.blue() > sky.red() + 60, qPrintable(sky.name()));
    }

    // Another renderer's picture of the SVG is the picture the program draws.
    void theSvgIsTheSameDrawing_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("64") << 64;
        QTest::newRow("128") << 128;
        QTest::newRow("256") << 256;
    }

    void theSvgIsTheSameDrawing()
    {
        QFETCH(int, side);
        const QString rsvg = QStandardPaths::findExecutable(QStringLiteral("rsvg-convert"));
        QVERIFY2(!rsvg.isEmpty(), "rsvg-convert (librsvg2-bin) is needed");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString svg = dir.filePath(QStringLiteral("icon.svg"));
        const QString png = dir.filePath(QStringLiteral("icon.png"));
        QFile file(svg);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(appIconSvg());
        file.close();
        QProcess convert;
        convert.start(rsvg,
                      { QStringLiteral("-w"), QString::number(side), QStringLiteral("-h"),
                        QString::number(side), svg, QStringLiteral("-o"), png });
        QVERIFY(convert.waitForFinished(60000));
        QCOMPARE(convert.exitCode(), 0);
        const QImage theirs = argb(QImage(png));
        QCOMPARE(theirs.size(), QSize(side, side));
        const auto [mean, far] = difference(argb(appIconImage(side)), theirs);
        QVERIFY2(mean < 2.0 && far < 0.01,
                 qPrintable(QStringLiteral("mean %1, far %2").arg(mean).arg(far)));
    }

    // The build installs the same drawing it shows.
    void theBuildsIconFiles()
    {
        const QDir root(QStringLiteral(TESSEL_ICON_DIR));
        const QString name = QString::fromUtf8(TESSEL_APP_ID);
        QFile svg(root.filePath(QStringLiteral("scalable/apps/") + name + QStringLiteral(".svg")));
        QVERIFY2(svg.open(QIODevice::ReadOnly), qPrintable(svg.fileName()));
        QCOMPARE(svg.readAll(), appIconSvg());
        for (int side : appIconSizes) {
            const QString png = root.filePath(QStringLiteral("%1x%1/apps/").arg(side) + name
                                              + QStringLiteral(".png"));
            QCOMPARE(argb(QImage(png)), argb(appIconImage(side)));
        }
    }

    // Drawn for the pixels asked for, never scaled from another size.
    void theWindowIconAtEveryRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
        QTest::newRow("3") << 3.0;
    }

    void theWindowIconAtEveryRatio()
    {
        QFETCH(qreal, ratio);
        const QIcon icon = appIcon();
        const int device = qRound(32 * ratio);
        const QPixmap pixmap = icon.pixmap(QSize(32, 32), ratio);
        QCOMPARE(pixmap.size(), QSize(device, device));
        QCOMPARE(pixmap.devicePixelRatio(), ratio);
        QCOMPARE(argb(pixmap.toImage()), argb(appIconImage(device)));

        // Painted onto a surface of that ratio, as a title bar or dock paints it.
        QImage surface(device, device, QImage::Format_ARGB32_Premultiplied);
        surface.setDevicePixelRatio(ratio);
        surface.fill(Qt::transparent);
        QPainter painter(&surface);
        icon.paint(&painter, QRect(0, 0, 32, 32));
        painter.end();
        QCOMPARE(argb(surface), argb(appIconImage(device)));

        const QImage disabled = argb(icon.pixmap(QSize(32, 32), ratio, QIcon::Disabled).toImage());
        const QRgb pixel = disabled.pixel(device / 2, device / 2);
        QCOMPARE(qRed(pixel), qBlue(pixel));
    }
};

QTEST_MAIN(TestAppIcon)
#include "tst_appicon.moc"
