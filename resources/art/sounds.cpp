// The game's three sounds, synthesised: a low double knock for a refused click, a short wooden
// tick for a move, and a rising bell arpeggio for the completed photo. Each is written as a
// 16-bit mono PCM wave at 22050 frames per second.
#include "art.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace tessel::art {

namespace {

constexpr int rate = 22050;

using Samples = std::vector<double>; // -1 to 1

// A tone from `start` seconds on: partials of the base frequency with their weights, a short
// attack and an exponential decay with time constant `decay` seconds, cut off after `length`.
void addTone(Samples& out, double start, double length, double frequency, double decay,
             double volume, std::initializer_list<double> partials)
{
    const int first = static_cast<int>(start * rate);
    const int count = static_cast<int>(length * rate);
    const double attack = 0.004;
    if (out.size() < size_t(first + count))
        out.resize(first + count, 0.0);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / rate;
        const double envelope = std::min(1.0, t / attack) * std::exp(-t / decay)
            * std::min(1.0, (length - t) / 0.005); // no click at the cut
        double value = 0;
        int harmonic = 1;
        for (double weight : partials)
            value += weight * std::sin(2 * std::numbers::pi * frequency * harmonic++ * t);
        out[first + i] += volume * envelope * value;
    }
}

bool writeWave(const QString& path, const Samples& samples)
{
    QByteArray data;
    data.reserve(qsizetype(samples.size()) * 2);
    for (double s : samples) {
        const auto value = static_cast<qint16>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
        char bytes[2];
        qToLittleEndian(value, bytes);
        data.append(bytes, 2);
    }
    QByteArray wave;
    auto u32 = [&wave](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wave.append(b, 4);
    };
    auto u16 = [&wave](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wave.append(b, 2);
    };
    wave.append("RIFF");
    u32(quint32(36 + data.size()));
    wave.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(rate);
    u32(rate * 2); // bytes per second
    u16(2); // block align
    u16(16); // bits per sample
    wave.append("data");
    u32(quint32(data.size()));
    wave.append(data);

    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(wave) == wave.size();
}

} // namespace

bool writeRefusedSound(const QString& path)
{
    Samples s;
    addTone(s, 0.00, 0.08, 196.0, 0.035, 0.5, { 1.0, 0.0, 0.35, 0.0, 0.15 });
    addTone(s, 0.09, 0.11, 147.0, 0.045, 0.5, { 1.0, 0.0, 0.35, 0.0, 0.15 });
    return writeWave(path, s);
}

bool writeMoveSound(const QString& path)
{
    Samples s;
    addTone(s, 0.0, 0.045, 1180.0, 0.009, 0.45, { 1.0, 0.3, 0.1 });
    addTone(s, 0.0, 0.045, 620.0, 0.012, 0.25, { 1.0 });
    return writeWave(path, s);
}

bool writeCompletedSound(const QString& path)
{
    Samples s;
    const double notes[] = { 523.25, 659.25, 783.99, 1046.50 }; // C, E, G and the octave
    for (int i = 0; i < 4; ++i) {
        const bool last = i == 3;
        addTone(s, i * 0.11, last ? 0.6 : 0.35, notes[i], last ? 0.22 : 0.12, 0.28,
                { 1.0, 0.25, 0.1 });
    }
    return writeWave(path, s);
}

} // namespace tessel::art
