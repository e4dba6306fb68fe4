#include "picture/picturefile.h"

#include <QFile>

#include <algorithm>

#include <cstdint>

namespace tessel {

namespace {

uint32_t bigEndian16(QByteArrayView b, qsizetype at)
{
    return uint32_t(uint8_t(b[at])) << 8 | uint8_t(b[at + 1]);
}

uint32_t littleEndian16(QByteArrayView b, qsizetype at)
{
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8;
}

uint32_t littleEndian32(QByteArrayView b, qsizetype at)
{
    return littleEndian16(b, at) | littleEndian16(b, at + 2) << 16;
}

// Walks the segments to the first scan (a thumbnail inside a segment is skipped with it), then
// looks for the end marker: entropy-coded data never holds 0xFF 0xD9.
bool jpegComplete(QByteArrayView b)
{
    qsizetype at = 2;
    while (at + 1 < b.size()) {
        if (uint8_t(b[at]) != 0xFF)
            return true; // not the layout we know: the reader decides
        const uint8_t marker = uint8_t(b[at + 1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            at += 2;
            continue;
        }
        if (marker == 0xD9)
            return true;
        if (at + 3 >= b.size())
            return false;
        const qsizetype length = bigEndian16(b, at + 2);
        if (length < 2)
            return true;
        if (marker == 0xDA)
            return b.sliced(std::min(at + 2 + length, b.size()))
                       .indexOf(QByteArrayView("\xFF\xD9", 2))
                >= 0;
        at += 2 + length;
    }
    return false; // the headers end before the first scan
}

// `b` holds at least the headers; `length` is the whole file's.
bool bmpComplete(QByteArrayView b, qint64 length)
{
    if (b.size() < 26)
        return false;
    const int64_t offset = littleEndian32(b, 10);
    const uint32_t headerSize = littleEndian32(b, 14);
    int64_t width = 0;
    int64_t height = 0;
    uint32_t bits = 0;
    uint32_t compression = 0;
    if (headerSize == 12) { // the old core header
        width = littleEndian16(b, 18);
        height = littleEndian16(b, 20);
        bits = littleEndian16(b, 24);
    } else {
        if (b.size() < 34)
            return false;
        width = int32_t(littleEndian32(b, 18));
        height = int32_t(littleEndian32(b, 22));
        bits = littleEndian16(b, 28);
        compression = littleEndian32(b, 30);
    }
    // Run-length and embedded JPEG/PNG data have no length of their own to check.
    const bool rows = compression == 0 || compression == 3 || compression == 6;
    if (!rows || width <= 0 || height == 0 || bits == 0 || bits > 64)
        return true;
    const int64_t stride = (width * bits + 31) / 32 * 4;
    const int64_t needed = offset + stride * (height < 0 ? -height : height);
    return length >= needed;
}

// Where the first scan's coded data begins, the segments before it read one by one: -1 when the
// headers end before a scan, 0 for a layout this does not know or no scan at all (the reader
// then decides).
qint64 jpegScanData(QIODevice& file)
{
    const qint64 size = file.size();
    qint64 at = 2;
    while (at + 1 < size) {
        if (!file.seek(at))
            return -1;
        const QByteArray head = file.read(4);
        if (head.size() < 2)
            return -1;
        if (uint8_t(head[0]) != 0xFF)
            return 0;
        const uint8_t marker = uint8_t(head[1]);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            at += 2;
            continue;
        }
        if (marker == 0xD9)
            return 0;
        if (head.size() < 4)
            return -1;
        const qsizetype length = bigEndian16(head, 2);
        if (length < 2)
            return 0;
        if (marker == 0xDA)
            return std::min(at + 2 + length, size);
        at += 2 + length;
    }
    return -1;
}

// Whether the end marker stands anywhere from `from` on, searched from the file's end back: in
// a whole file it stands at the end or just before a camera's trailer, so a photo of any size
// costs a read of its last bytes, not of all of them.
bool endMarkerFrom(QIODevice& file, qint64 from)
{
    constexpr qint64 chunkBytes = 64 * 1024;
    qint64 end = file.size();
    while (end - from >= 2) {
        const qint64 start = std::max(from, end - chunkBytes);
        if (!file.seek(start))
            return false;
        const QByteArray chunk = file.read(end - start);
        if (chunk.size() != end - start)
            return false;
        if (chunk.lastIndexOf(QByteArrayView("\xFF\xD9", 2)) >= 0)
            return true;
        end = start + 1; // a marker split between two chunks is found in the next
    }
    return false;
}

} // namespace

bool pictureDataComplete(QByteArrayView bytes)
{
    if (bytes.startsWith(QByteArrayView("\xFF\xD8", 2)))
        return jpegComplete(bytes);
    if (bytes.startsWith(QByteArrayView("BM")))
        return bmpComplete(bytes, bytes.size());
    return true;
}

bool pictureFileComplete(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return true;
    // Read in parts: a mapped photo searched whole would cost its size in memory and time.
    const QByteArray head = file.read(34);
    if (head.startsWith(QByteArrayView("\xFF\xD8", 2))) {
        const qint64 scan = jpegScanData(file);
        return scan == 0 || (scan > 0 && endMarkerFrom(file, scan));
    }
    if (head.startsWith(QByteArrayView("BM")))
        return bmpComplete(head, file.size());
    return true;
}

} // namespace tessel
