// The header of a RIFF WAVE image held in memory: the sample format and where the samples are.
#pragma once

#include <QByteArrayView>

#include <optional>

namespace tessel {

struct WaveFormat
{
    int channels = 0;
    int sampleRate = 0; // frames per second
    int bitsPerSample = 0; // 8 (unsigned), 16 or 32 (signed)
    qsizetype dataOffset = 0; // first byte of the samples
    qsizetype dataSize = 0; // whole frames only, within the image
};

// The format of an uncompressed PCM wave (format tag 1) whose "fmt " chunk comes before its
// "data" chunk; nullopt for anything else, a damaged header included. A data chunk that claims
// more than the image holds is cut to what is there.
std::optional<WaveFormat> readWaveHeader(QByteArrayView image);

} // namespace tessel
