#include "resources/windowsicon.h"

#include "resources/appicon.h"

#include <QImage>
#include <QtEndian>

namespace tessel {

namespace {

constexpr int paletteEntries = 256;

void put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// Bytes of one stored row of `width` pixels at `bits` per pixel: rows end on 4 bytes.
int rowBytes(int width, int bits)
{
    return ((width * bits + 31) / 32) * 4;
}

// One image as the icon file stores it: a bitmap header of twice the height (the colour rows,
// then the mask's), the palette, the colour rows and the mask rows, bottom row first. A pixel at
// least half opaque shows its colour; the mask leaves out the others.
QByteArray iconImage(int side)
{
    const QImage drawn = appIconImage(side).convertToFormat(QImage::Format_ARGB32);
    QImage colours(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb pixel = drawn.pixel(x, y);
            colours.setPixel(x, y, qAlpha(pixel) >= 128 ? (pixel | 0xFF000000) : 0xFF000000);
        }
    }
    // Exact while the drawing has 256 colours or fewer.
    const QImage indexed = colours.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);

    QByteArray out;
    const int colourRow = rowBytes(side, 8);
    put32(out, 40); // the header's own size
    put32(out, quint32(side));
    put32(out, quint32(2 * side));
    put16(out, 1); // planes
    put16(out, 8); // bits per pixel
    put32(out, 0); // no compression
    put32(out, quint32(colourRow * side));
    put32(out, 0);
    put32(out, 0);
    put32(out, paletteEntries); // colours used
    put32(out, paletteEntries); // colours important
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < paletteEntries; ++i) {
        const QRgb colour = i < table.size() ? table[i] : 0;
        out.append(char(qBlue(colour))).append(char(qGreen(colour))).append(char(qRed(colour)));
        out.append('\0');
    }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < side; ++x)
            row[x] = char(indexed.pixelIndex(x, y));
        out.append(row);
    }
    for (int y = side - 1; y >= 0; --y) {
        QByteArray row(rowBytes(side, 1), '\0');
        for (int x = 0; x < side; ++x) {
            if (qAlpha(drawn.pixel(x, y)) < 128)
                row[x / 8] = char(uchar(row[x / 8]) | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray windowsIconFile()
{
    QList<QByteArray> images;
    for (int side : windowsIconSides)
        images.append(iconImage(side));

    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // an icon
    put16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int side = windowsIconSides[i];
        out.append(char(side)).append(char(side));
        out.append('\0'); // 256 colours or more
        out.append('\0');
        put16(out, 1); // planes
        put16(out, 8); // bits per pixel
        put32(out, quint32(images[i].size()));
        put32(out, offset);
        offset += quint32(images[i].size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}

} // namespace tessel
