#include "picture/bitmapstream.h"

#include "common/errors.h"

#include <QIODevice>
#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace tessel {

namespace {

constexpr int fileHeaderBytes = 14;
constexpr int coreHeaderBytes = 12;
constexpr int infoHeaderBytes = 40;

uint16_t word(const uchar* at)
{
    return qFromLittleEndian<uint16_t>(at);
}
uint32_t dword(const uchar* at)
{
    return qFromLittleEndian<uint32_t>(at);
}
int32_t signedDword(const uchar* at)
{
    return qFromLittleEndian<int32_t>(at);
}

[[noreturn]] void invalidPicture()
{
    throw TesselError(ErrorCode::InvalidPicture, QStringLiteral("Invalid picture"));
}

} // namespace

qint64 BitmapHeader::rowBytes() const
{
    return (qint64(size.width()) * bitsPerPixel + 31) / 32 * 4;
}

bool BitmapHeader::streamable() const
{
    return compression == 0 && (bitsPerPixel == 24 || bitsPerPixel == 32);
}

std::optional<BitmapHeader> readBitmapHeader(QIODevice& file)
{
    uchar head[fileHeaderBytes + infoHeaderBytes];
    if (file.read(reinterpret_cast<char*>(head), sizeof head) != qint64(sizeof head))
        return std::nullopt;
    if (head[0] != 'B' || head[1] != 'M')
        return std::nullopt;
    const uchar* info = head + fileHeaderBytes;
    const uint32_t infoBytes = dword(info);
    if (infoBytes == coreHeaderBytes || infoBytes < infoHeaderBytes)
        return std::nullopt;
    const int32_t width = signedDword(info + 4);
    const int32_t height = signedDword(info + 8);
    const int bits = word(info + 14);
    if (width <= 0 || height == 0 || height == INT32_MIN)
        return std::nullopt;

    BitmapHeader header;
    header.size = QSize(width, height < 0 ? -height : height);
    header.bitsPerPixel = bits;
    header.compression = static_cast<int>(dword(info + 16));
    header.topDown = height < 0;
    header.pixelOffset = dword(head + 10);
    if (header.pixelOffset < fileHeaderBytes + qint64(infoBytes))
        return std::nullopt;
    return header;
}

int reductionFactor(int size, int needed)
{
    return needed > 0 ? std::max(1, size / needed) : 1;
}

QImage readReducedBitmap(QIODevice& file, const BitmapHeader& header, QSize detail)
{
    const int width = header.size.width();
    const int height = header.size.height();
    const qint64 stride = header.rowBytes();
    // A header that claims more rows than the file holds is refused before anything is
    // allocated for them (divided, not multiplied: a forged size must not overflow).
    const qint64 pixelBytes = file.size() - header.pixelOffset;
    if (!header.streamable() || width <= 0 || height <= 0 || pixelBytes < 0
        || stride > pixelBytes / height || stride > INT_MAX)
        invalidPicture();

    const int fx = reductionFactor(width, detail.width());
    // The byte sums of one output row hold at most 16 million rows of 255.
    const int fy = std::min(reductionFactor(height, detail.height()), 1 << 24);
    QImage held((width + fx - 1) / fx, (height + fy - 1) / fy, QImage::Format_RGB32);
    if (held.isNull())
        throw TesselError(ErrorCode::OutOfMemory, QStringLiteral("Out of memory"));

    const int bytesPerPixel = header.bitsPerPixel / 8;
    const int usedBytes = width * bytesPerPixel;
    // Sums of the rows of one output row, byte by byte: adding whole rows of bytes keeps the
    // inner loop simple enough for the compiler to vectorise; the columns are summed once per
    // output row.
    std::vector<uint32_t> sums(usedBytes, 0);
    int sumRows = 0;
    auto flush = [&](int outRow) {
        auto* out = reinterpret_cast<QRgb*>(held.scanLine(outRow));
        for (int ox = 0, x = 0; x < width; ++ox, x += fx) {
            const int columns = std::min(fx, width - x);
            uint64_t blue = 0, green = 0, red = 0;
            for (const uint32_t* s = sums.data() + size_t(x) * bytesPerPixel;
                 s < sums.data() + size_t(x + columns) * bytesPerPixel; s += bytesPerPixel) {
                blue += s[0];
                green += s[1];
                red += s[2];
            }
            const uint64_t count = uint64_t(columns) * sumRows;
            out[ox] = qRgb(int((red + count / 2) / count), int((green + count / 2) / count),
                           int((blue + count / 2) / count));
        }
        std::fill(sums.begin(), sums.end(), 0u);
        sumRows = 0;
    };

    if (!file.seek(header.pixelOffset))
        invalidPicture();
    const int chunkRows
        = static_cast<int>(std::clamp<qint64>(bitmapChunkBytes / stride, 1, height));
    std::vector<uchar> chunk(size_t(stride) * chunkRows);
    int outRow = -1;
    for (int fileRow = 0; fileRow < height;) {
        const int rows = std::min(chunkRows, height - fileRow);
        const qint64 bytes = stride * rows;
        if (file.read(reinterpret_cast<char*>(chunk.data()), bytes) != bytes)
            invalidPicture();
        for (int r = 0; r < rows; ++r, ++fileRow) {
            // Stored bottom row first unless the height was negative; either way the rows of
            // one output row follow each other in the file.
            const int imageRow = header.topDown ? fileRow : height - 1 - fileRow;
            if (imageRow / fy != outRow) {
                if (outRow >= 0)
                    flush(outRow);
                outRow = imageRow / fy;
            }
            const uchar* row = chunk.data() + size_t(stride) * r;
            uint32_t* sum = sums.data();
            for (int i = 0; i < usedBytes; ++i)
                sum[i] += row[i];
            ++sumRows;
        }
    }
    flush(outRow);
    return held;
}

} // namespace tessel
