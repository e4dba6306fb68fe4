#include "support/coresupport.h"

#include "store/settingskeys.h"
#include "store/settingsstore.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <cstdlib>

namespace tessel::test {

QImage testPhoto(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const bool square = (x / 20 + y / 20) % 2 == 0;
            image.setPixelColor(
                x, y, QColor(x * 255 / size.width(), y * 255 / size.height(), square ? 230 : 40));
        }
    return image;
}

QImage halves(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(halvesLeft);
    for (int y = 0; y < size.height(); ++y)
        for (int x = size.width() / 2; x < size.width(); ++x)
            image.setPixelColor(x, y, halvesRight);
    return image;
}

std::unique_ptr<SettingsStore> emptyStore(const QTemporaryDir& dir)
{
    auto store = std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("Tessel.ini")));
    QFile::remove(store->filePath());
    return store;
}

UrlOpenerSpy::UrlOpenerSpy()
{
    setUrlOpener([this](const QString& url) { m_opened.append(url); });
}

UrlOpenerSpy::~UrlOpenerSpy()
{
    setUrlOpener({});
}

QImage detailedPhoto(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width(), h = size.height();
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb(40 + 170 * x / w, 30 + 190 * y / h, 200 - 150 * (x + y) / (w + h));
    }
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        painter.setBrush(QColor::fromHsv(i * 30, 200, 120 + 10 * i));
        const int cx = (i * 37 % 10) * w / 10, cy = (i * 53 % 8) * h / 8;
        if (i % 2)
            painter.drawEllipse(QPoint(cx, cy), w / 9, h / 7);
        else
            painter.drawRect(cx - w / 12, cy - h / 10, w / 6, h / 5);
    }
    painter.end();
    uint32_t state = 2024;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            state = state * 1664525u + 1013904223u;
            const int grain = int(state >> 28) - 8;
            line[x] = qRgb(qBound(0, qRed(line[x]) + grain, 255),
                           qBound(0, qGreen(line[x]) + grain, 255),
                           qBound(0, qBlue(line[x]) + grain, 255));
        }
    }
    return image;
}

namespace {

void put16(QByteArray& out, int value)
{
    const quint16 v = qToLittleEndian<quint16>(quint16(value));
    out.append(reinterpret_cast<const char*>(&v), 2);
}

void put32(QByteArray& out, qint64 value)
{
    const quint32 v = qToLittleEndian<quint32>(quint32(value));
    out.append(reinterpret_cast<const char*>(&v), 4);
}

QByteArray bitmapHeaders(int width, int height, int bits, qint64 pixelBytes)
{
    QByteArray out("BM");
    put32(out, 54 + pixelBytes);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, bits);
    put32(out, 0); // no compression
    put32(out, pixelBytes);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    return out;
}

} // namespace

bool writeBitmap(const QImage& image, const QString& path, int bits, bool topDown,
                 int claimedHeight)
{
    const int w = image.width(), h = image.height();
    const qint64 stride = (qint64(w) * bits + 31) / 32 * 4;
    const int header = claimedHeight ? claimedHeight : h;
    QByteArray out = bitmapHeaders(w, topDown ? -header : header, bits, stride * header);
    for (int i = 0; i < h; ++i) {
        const int y = topDown ? i : h - 1 - i;
        QByteArray row(stride, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb p = image.pixel(x, y);
            char* at = row.data() + qint64(x) * (bits / 8);
            at[0] = char(qBlue(p));
            at[1] = char(qGreen(p));
            at[2] = char(qRed(p));
            if (bits == 32)
                at[3] = char(0x5A); // an unused byte that must not show
        }
        out += row;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

QByteArray bitmapHeaderOnly(int width, int height)
{
    // Unsigned: a forged size wraps in the 32-bit field as it would in a forged file.
    return bitmapHeaders(width, height, 24,
                         qint64((quint64(width) * 24 + 31) / 32 * 4 * quint64(height)));
}

QByteArray jpegClaiming(int width, int height, bool progressive)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImage tiny(16, 16, QImage::Format_RGB32);
    tiny.fill(Qt::gray);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(tiny);
    // The frame header: marker, length, precision, then height and width.
    const qsizetype frame = jpeg.indexOf(progressive ? "\xFF\xC2" : "\xFF\xC0");
    if (frame < 0)
        qFatal("no frame header");
    qToBigEndian<quint16>(quint16(height), jpeg.data() + frame + 5);
    qToBigEndian<quint16>(quint16(width), jpeg.data() + frame + 7);
    return jpeg;
}

QByteArray jpegHeaderOnly(int width, int height)
{
    const QByteArray jpeg = jpegClaiming(width, height);
    // Up to the end of the scan header: no coded data follows.
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    const int scanLength = (uchar(jpeg[scan + 2]) << 8) | uchar(jpeg[scan + 3]);
    return jpeg.left(scan + 2 + scanLength);
}

double meanAbsoluteDifference(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 total = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            total += std::abs(qRed(p[col]) - qRed(q[col]))
                + std::abs(qGreen(p[col]) - qGreen(q[col]))
                + std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return double(total) / (3.0 * x.width() * x.height());
}

void storeGame(SettingsStore& store, const QStringList& cells, const QString& moves)
{
    namespace k = settingskeys;
    const QString app = QStringLiteral("Velkor\\Tessel");
    SettingsBatch batch = store.beginBatch();
    for (int i = 0; i < cells.size(); ++i)
        batch.SaveSetting(app, k::Oyun, k::FotoPrefix + QString::number(i), cells[i]);
    batch.SaveSetting(app, k::OyunBilgiler, k::HamleBilgisi, moves);
    batch.commit();
}

} // namespace tessel::test
