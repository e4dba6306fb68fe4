#include "benchphotos.h"

#include "support/coresupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

#include <cmath>
#include <cstdint>
#include <vector>

namespace bench {

namespace {

// Broad colour fields like a landscape's, with detail down to the single pixel everywhere:
// a grain of +-16 levels and, in every third band of rows, stripes one and two pixels wide.
// A camera photo at quality 90 compresses to about the same bytes per pixel.
QImage detailedPhoto(QSize size)
{
    const int w = size.width(), h = size.height();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    std::vector<int> across(w * 3), down(h * 3);
    for (int x = 0; x < w; ++x) {
        const double f = double(x) / w;
        across[x * 3] = int(70 * std::sin(f * 9));
        across[x * 3 + 1] = int(60 * std::sin(f * 5 + 1));
        across[x * 3 + 2] = int(50 * std::cos(f * 13));
    }
    for (int y = 0; y < h; ++y) {
        const double f = double(y) / h;
        down[y * 3] = int(40 * std::sin(f * 7));
        down[y * 3 + 1] = int(50 * std::cos(f * 4));
        down[y * 3 + 2] = int(60 * std::sin(f * 11 + 2));
    }
    uint32_t state = 12345;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const bool striped = (y * 24 / h) % 3 == 1;
        for (int x = 0; x < w; ++x) {
            state = state * 1664525u + 1013904223u;
            int grain = int(state >> 27) - 16;
            if (striped)
                grain += ((x >> (1 + (y >> 6 & 1))) & 1) ? 24 : -24;
            const int r = 120 + across[x * 3] + down[y * 3] + grain;
            const int g = 120 + across[x * 3 + 1] + down[y * 3 + 1] + grain;
            const int b = 120 + across[x * 3 + 2] + down[y * 3 + 2] + grain;
            line[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    return image;
}

bool writeJpeg(const QImage& image, const QString& path, bool progressive)
{
    QImageWriter writer(path, "JPEG");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    return writer.write(image);
}

// An uncompressed 24-bit bitmap, rows from the bottom, written a row at a time.
bool writeBitmap(const QImage& image, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const int w = image.width();
    const qint64 stride = (qint64(w) * 24 + 31) / 32 * 4;
    if (file.write(tessel::test::bitmapHeaderOnly(w, image.height())) != 54)
        return false;
    QByteArray row(stride, '\0');
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* out = row.data();
        for (int x = 0; x < w; ++x) {
            *out++ = char(qBlue(in[x]));
            *out++ = char(qGreen(in[x]));
            *out++ = char(qRed(in[x]));
        }
        if (file.write(row) != stride)
            return false;
    }
    return file.flush();
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// A JPEG's headers up to its first scan, its frame claiming width x height: no coded data.
QByteArray jpegHeaderOnly(int width, int height)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImage tiny(16, 16, QImage::Format_RGB32);
    tiny.fill(Qt::darkGreen);
    tiny.save(&buffer, "JPEG");
    const qsizetype frame = jpeg.indexOf("\xFF\xC0");
    qToBigEndian<quint16>(quint16(height), jpeg.data() + frame + 5);
    qToBigEndian<quint16>(quint16(width), jpeg.data() + frame + 7);
    const qsizetype scan = jpeg.indexOf("\xFF\xDA");
    const int scanLength = (uchar(jpeg[scan + 2]) << 8) | uchar(jpeg[scan + 3]);
    return jpeg.left(scan + 2 + scanLength);
}

} // namespace

bool makeBenchPhotos(const QString& folder, BenchPhotos& photos)
{
    const QDir dir(folder);
    photos.jpeg24 = dir.filePath("photo-24mp.jpg");
    photos.jpeg96 = dir.filePath("photo-96mp.jpg");
    photos.progressive24 = dir.filePath("photo-24mp-progressive.jpg");
    photos.bitmap24 = dir.filePath("photo-24mp.bmp");
    photos.bitmap96 = dir.filePath("photo-96mp.bmp");
    photos.jpegBomb = dir.filePath("bomb.jpg");
    photos.bitmapBomb = dir.filePath("bomb.bmp");
    photos.tinyJpeg = dir.filePath("tiny.jpg");
    photos.warmJpeg = dir.filePath("warm.jpg");
    photos.warmBitmap = dir.filePath("warm.bmp");

    {
        const QImage photo = detailedPhoto(QSize(12000, 8000));
        if (photo.isNull() || !writeJpeg(photo, photos.jpeg96, false)
            || !writeBitmap(photo, photos.bitmap96))
            return false;
    }
    {
        const QImage photo = detailedPhoto(QSize(6000, 4000));
        if (!writeJpeg(photo, photos.jpeg24, false) || !writeJpeg(photo, photos.progressive24, true)
            || !writeBitmap(photo, photos.bitmap24))
            return false;
    }
    const QImage warm = detailedPhoto(QSize(1600, 1200));
    return writeJpeg(warm, photos.warmJpeg, false) && writeBitmap(warm, photos.warmBitmap)
        && writeJpeg(detailedPhoto(QSize(8, 8)), photos.tinyJpeg, false)
        && writeFile(photos.jpegBomb, jpegHeaderOnly(65000, 65000))
        && writeFile(photos.bitmapBomb, tessel::test::bitmapHeaderOnly(65000, 65000));
}

bool makeCameraJpeg(const QString& path)
{
    return writeJpeg(detailedPhoto(QSize(6000, 4000)), path, false);
}

} // namespace bench
