#include "sound/wave.h"

#include <QtEndian>

namespace tessel {

namespace {

quint32 le32(QByteArrayView image, qsizetype at)
{
    return qFromLittleEndian<quint32>(image.data() + at);
}

quint16 le16(QByteArrayView image, qsizetype at)
{
    return qFromLittleEndian<quint16>(image.data() + at);
}

} // namespace

std::optional<WaveFormat> readWaveHeader(QByteArrayView image)
{
    if (image.size() < 12 || image.first(4) != "RIFF" || image.sliced(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<WaveFormat> format;
    qsizetype at = 12;
    while (at + 8 <= image.size()) {
        const QByteArrayView id = image.sliced(at, 4);
        const qint64 size = le32(image, at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = image.size() - body;
        if (id == "fmt ") {
            if (size < 16 || available < 16)
                return std::nullopt;
            const int tag = le16(image, body);
            const int channels = le16(image, body + 2);
            const quint32 rate = le32(image, body + 4);
            const int blockAlign = le16(image, body + 12);
            const int bits = le16(image, body + 14);
            if (tag != 1 || channels < 1 || channels > 8 || rate < 1 || rate > 384000
                || (bits != 8 && bits != 16 && bits != 32) || blockAlign != channels * bits / 8)
                return std::nullopt;
            format = WaveFormat { channels, static_cast<int>(rate), bits, 0, 0 };
        } else if (id == "data") {
            if (!format)
                return std::nullopt;
            const qsizetype frame = format->channels * format->bitsPerSample / 8;
            const qsizetype bytes = std::min<qint64>(size, available);
            format->dataOffset = body;
            format->dataSize = bytes - bytes % frame;
            return format;
        }
        // Chunks are padded to an even length.
        at = body + static_cast<qsizetype>(size + (size & 1));
    }
    return std::nullopt;
}

} // namespace tessel
