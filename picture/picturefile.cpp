#include "picture/picturefile.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tessel {

namespace {

uint32_t littleEndian16(QByteArrayView b, qsizetype at)
{
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8;
}

uint32_t littleEndian32(QByteArrayView b, qsizetype at)
{
    return littleEndian16(b, at) | littleEndian16(b, at + 2) << 16;
}

// Bytes in memory, read forward up to a limit: past it the data ends for the reader.
class MemorySource
{
public:
    MemorySource(QByteArrayView bytes, qsizetype from, qint64 limit)
        : m_bytes(bytes)
        , m_end(qsizetype(std::min<qint64>(bytes.size(), limit)))
        , m_at(from)
    { }

    qint64 size() const { return m_bytes.size(); }
    qint64 position() const { return m_at; }
    int byte() { return m_at < m_end ? uint8_t(m_bytes[m_at++]) : -1; }
    // Moves past every 0xFF from here on.
    void skipFill()
    {
        while (m_at < m_end && uint8_t(m_bytes[m_at]) == 0xFF)
            ++m_at;
    }
    // Moves to the next 0xFF.
    void skipToMarker()
    {
        while (m_at < m_end && uint8_t(m_bytes[m_at]) != 0xFF)
            ++m_at;
    }
    // Moves to `to`; false when the data ends before it.
    bool skipTo(qint64 to)
    {
        m_at = qsizetype(std::min<qint64>(to, m_end));
        return to <= m_end;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_end;
    qsizetype m_at;
};

// A file read forward in blocks up to a limit: never a seek back, so a run of fill bytes costs
// what reading it costs, and a long segment is passed over by one seek forward.
class FileSource
{
public:
    FileSource(QIODevice& file, qint64 size, qint64 from, qint64 limit)
        : m_file(file)
        , m_size(size)
        , m_end(std::min(size, limit))
        , m_start(from)
    {
        m_file.seek(from);
    }

    qint64 size() const { return m_size; }
    qint64 position() const { return m_start + m_at; }
    int byte()
    {
        if (m_at == m_buffer.size() && !refill())
            return -1;
        return uint8_t(m_buffer[m_at++]);
    }
    void skipFill() { skipWhile(true); }
    void skipToMarker() { skipWhile(false); }
    bool skipTo(qint64 to)
    {
        if (to >= m_start && to <= m_start + m_buffer.size()) {
            m_at = to - m_start;
            return true;
        }
        if (to > m_end)
            return false;
        m_start = to;
        m_buffer.clear();
        m_at = 0;
        return m_file.seek(to);
    }

private:
    // Moves past the bytes that are 0xFF (`fill`) or that are not.
    void skipWhile(bool fill)
    {
        for (;;) {
            const auto end = m_buffer.cend();
            const auto found = std::find_if(m_buffer.cbegin() + m_at, end, [fill](char c) {
                return (uint8_t(c) == 0xFF) != fill;
            });
            m_at = found - m_buffer.cbegin();
            if (found != end || !refill())
                return;
        }
    }

    bool refill()
    {
        m_start += m_buffer.size();
        m_at = 0;
        m_buffer = m_file.read(std::min(blockBytes, m_end - m_start));
        return !m_buffer.isEmpty();
    }

    static constexpr qint64 blockBytes = 256 * 1024;
    QIODevice& m_file;
    qint64 m_size;
    qint64 m_end; // nothing from here on is read
    qint64 m_start; // file position of m_buffer[0]
    QByteArray m_buffer;
    qsizetype m_at = 0;
};

struct JpegWalk
{
    enum Result {
        Unknown, // no scan at all, or a segment length this does not know: the reader decides
        Cut, // the headers end before the first scan
        Scan, // the first scan's coded data begins at scanData
    } result
        = Cut;
    qint64 scanData = 0;
    std::optional<JpegFrame> frame;
};

bool isFrameMarker(int marker)
{
    // SOF0 to SOF15 less DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

template<class Source>
std::optional<JpegFrame> readFrame(Source& in, int marker)
{
    int header[6];
    for (int& b : header)
        if ((b = in.byte()) < 0)
            return std::nullopt;
    JpegFrame frame;
    frame.size = QSize(header[3] << 8 | header[4], header[1] << 8 | header[2]);
    // SOF2, SOF6, SOF10 and SOF14 are progressive.
    frame.buffered = (marker & 0x3) == 2;
    for (int c = 0; c < header[5]; ++c) {
        const int id = in.byte();
        const int sampling = in.byte();
        const int table = in.byte();
        if (id < 0 || sampling < 0 || table < 0)
            return std::nullopt;
        frame.components.push_back({ std::max(1, sampling >> 4), std::max(1, sampling & 0xF) });
    }
    return frame;
}

// Walks the segments from just after the start marker to the first scan (a thumbnail inside a
// segment is passed over with it) as libjpeg does: bytes where a marker should stand are passed
// over up to the next 0xFF, and so is a 0xFF 0x00 pair. Headers longer than jpegHeaderBytes
// count as no headers at all.
template<class Source>
JpegWalk walkJpeg(Source& in)
{
    JpegWalk walk;
    for (;;) {
        in.skipToMarker();
        if (in.byte() < 0)
            return walk;
        in.skipFill();
        const int marker = in.byte();
        if (marker < 0)
            return walk;
        if (marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8))
            continue;
        if (marker == 0xD9) {
            walk.result = JpegWalk::Unknown;
            return walk;
        }
        const int high = in.byte();
        const int low = in.byte();
        if (low < 0)
            return walk;
        const int length = high << 8 | low;
        if (length < 2) {
            walk.result = JpegWalk::Unknown;
            return walk;
        }
        const qint64 segmentEnd = in.position() + length - 2;
        if (marker == 0xDA) {
            const int scanComponents = in.byte();
            if (walk.frame && scanComponents >= 0
                && size_t(scanComponents) < walk.frame->components.size())
                walk.frame->buffered = true; // the other components come in later scans
            walk.result = JpegWalk::Scan;
            walk.scanData = std::min(segmentEnd, in.size());
            return walk;
        }
        if (isFrameMarker(marker) && !walk.frame)
            walk.frame = readFrame(in, marker);
        if (!in.skipTo(segmentEnd))
            return walk;
    }
}

// Entropy-coded data never holds 0xFF 0xD9: the end marker is the last such pair. It is looked
// for from the end back, in the tail only.
qint64 endSearchStart(qint64 scanData, qint64 size)
{
    return std::max(scanData, size - jpegEndSearchBytes);
}

bool endMarkerInTail(QByteArrayView b, qint64 scanData)
{
    if (scanData >= b.size())
        return false;
    return b.sliced(endSearchStart(scanData, b.size())).lastIndexOf(QByteArrayView("\xFF\xD9", 2))
        >= 0;
}

bool endMarkerInTail(QIODevice& file, qint64 scanData, qint64 size)
{
    constexpr qint64 chunkBytes = 64 * 1024;
    const qint64 from = endSearchStart(scanData, size);
    qint64 end = size;
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
    // At most 2^31 pixels of 64 bits a row and 2^31 rows: the product can pass 64 bits, so it
    // is compared by division. A file that would need more than any file holds is cut off.
    const int64_t stride = (width * int64_t(bits) + 31) / 32 * 4;
    const int64_t rowCount = height < 0 ? -height : height;
    if (stride > (std::numeric_limits<int64_t>::max() - offset) / rowCount)
        return false;
    return length >= offset + stride * rowCount;
}

bool startsLikeJpeg(QByteArrayView b)
{
    return b.startsWith(QByteArrayView("\xFF\xD8", 2));
}

bool startsLikeBmp(QByteArrayView b)
{
    return b.startsWith(QByteArrayView("BM"));
}

} // namespace

PictureCheck checkPictureData(QByteArrayView bytes)
{
    PictureCheck check;
    if (startsLikeJpeg(bytes)) {
        MemorySource in(bytes, 2, jpegHeaderBytes);
        const JpegWalk walk = walkJpeg(in);
        check.jpeg = walk.frame;
        check.complete = walk.result == JpegWalk::Unknown
            || (walk.result == JpegWalk::Scan && endMarkerInTail(bytes, walk.scanData));
        check.onlyEndMarkerMissing = !check.complete && walk.result == JpegWalk::Scan && walk.frame
            && !walk.frame->buffered;
    } else if (startsLikeBmp(bytes)) {
        check.complete = bmpComplete(bytes, bytes.size());
    }
    return check;
}

PictureCheck checkPictureFile(QIODevice& file)
{
    PictureCheck check;
    const qint64 size = file.size();
    if (size <= 0 || !file.seek(0))
        return check;
    const QByteArray head = file.read(34);
    if (startsLikeJpeg(head)) {
        FileSource in(file, size, 2, jpegHeaderBytes);
        const JpegWalk walk = walkJpeg(in);
        check.jpeg = walk.frame;
        check.complete = walk.result == JpegWalk::Unknown
            || (walk.result == JpegWalk::Scan && endMarkerInTail(file, walk.scanData, size));
        check.onlyEndMarkerMissing = !check.complete && walk.result == JpegWalk::Scan && walk.frame
            && !walk.frame->buffered;
    } else if (startsLikeBmp(head)) {
        check.complete = bmpComplete(head, size);
    }
    return check;
}

bool pictureDataComplete(QByteArrayView bytes)
{
    return checkPictureData(bytes).complete;
}

bool pictureFileComplete(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return true;
    return checkPictureFile(file).complete;
}

qint64 jpegDecodeBytes(const JpegFrame& frame, QSize output)
{
    qint64 bytes = qint64(std::max(0, output.width())) * std::max(0, output.height()) * 4;
    if (!frame.buffered)
        return bytes;
    int maxHorizontal = 1;
    int maxVertical = 1;
    for (const JpegFrame::Component& c : frame.components) {
        maxHorizontal = std::max(maxHorizontal, c.horizontal);
        maxVertical = std::max(maxVertical, c.vertical);
    }
    auto divideUp = [](qint64 a, qint64 b) { return (a + b - 1) / b; };
    const qint64 width = std::max(0, frame.size.width());
    const qint64 height = std::max(0, frame.size.height());
    for (const JpegFrame::Component& c : frame.components) {
        // As libjpeg sizes its coefficient arrays: the component's blocks, padded to whole
        // sampling units, 64 coefficients of 2 bytes each.
        const qint64 columns = divideUp(width * c.horizontal, qint64(maxHorizontal) * 8);
        const qint64 rows = divideUp(height * c.vertical, qint64(maxVertical) * 8);
        bytes += divideUp(columns, c.horizontal) * c.horizontal * divideUp(rows, c.vertical)
            * c.vertical * 128;
    }
    return bytes;
}

} // namespace tessel
