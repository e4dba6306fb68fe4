// Windows bitmaps read as a stream of rows. The uncompressed 24- and 32-bit kinds are reduced
// while they are read, so a bitmap of any size costs a few rows of memory; the other kinds are
// left to Qt's reader.
#pragma once

#include <QImage>
#include <QSize>

#include <optional>

class QIODevice;

namespace tessel {

struct BitmapHeader
{
    QSize size; // width x height in pixels
    int bitsPerPixel = 0;
    int compression = 0; // 0: none
    bool topDown = false; // rows stored from the top (a negative height in the file)
    qint64 pixelOffset = 0; // of the first row, from the start of the file

    // Bytes per stored row, padded to four bytes.
    qint64 rowBytes() const;
    // Uncompressed 24 or 32 bits per pixel: the kinds read as a stream.
    bool streamable() const;
};

// Reads the file header and the information header from the start of `file`. Nullopt when
// the data is no Windows bitmap of a kind with such a header (the core header of OS/2 included):
// the caller then leaves the file to Qt's reader. Only the header is read.
std::optional<BitmapHeader> readBitmapHeader(QIODevice& file);

// The largest whole factor that keeps at least `needed` of `size` pixels (1 when the size is
// no larger than needed).
int reductionFactor(int size, int needed);

// Reads the rows of a streamable bitmap and averages every area of fx x fy pixels into one
// held pixel, fx and fy being the reduction factors that keep at least `detail` pixels (the
// areas of the last column and row may be smaller). A file shorter than its header says
// raises InvalidPicture before any row is read.
QImage readReducedBitmap(QIODevice& file, const BitmapHeader& header, QSize detail);

// The size of a read chunk: rows are read in chunks of about this many bytes.
inline constexpr qint64 bitmapChunkBytes = 1 << 20;

} // namespace tessel
