#include "game/gamesound.h"

#include "common/errors.h"
#include "game/wave.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>

namespace tessel {

namespace {

SoundOutput*& overrideSlot()
{
    static SoundOutput* output = nullptr;
    return output;
}

// Plays one sound at a time from the caller's bytes through the default output device.
class SystemSoundOutput : public SoundOutput
{
public:
    ~SystemSoundOutput() override { stop(); }

    int deviceCount() override { return static_cast<int>(QMediaDevices::audioOutputs().size()); }

    void stop() override
    {
        if (m_sink) {
            m_sink->stop();
            m_sink.reset();
        }
        m_buffer.close();
        m_samples.clear();
    }

    void play(const QString& name, const QByteArray& wave) override
    {
        Q_UNUSED(name);
        stop();
        const std::optional<WaveFormat> header = readWaveHeader(wave);
        if (!header || header->dataSize == 0)
            return;
        QAudioFormat format;
        format.setSampleRate(header->sampleRate);
        format.setChannelCount(header->channels);
        format.setSampleFormat(header->bitsPerSample == 8        ? QAudioFormat::UInt8
                                   : header->bitsPerSample == 16 ? QAudioFormat::Int16
                                                                 : QAudioFormat::Int32);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(format))
            return;
        // A view of the caller's bytes, not a copy: the sound plays from the window's buffer.
        m_samples
            = QByteArray::fromRawData(wave.constData() + header->dataOffset, header->dataSize);
        m_buffer.setBuffer(&m_samples);
        if (!m_buffer.open(QIODevice::ReadOnly))
            return;
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->start(&m_buffer);
    }

private:
    QByteArray m_samples;
    QBuffer m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace

std::unique_ptr<SoundOutput> makeSystemSoundOutput()
{
    return std::make_unique<SystemSoundOutput>();
}

void setSoundOutputOverride(SoundOutput* output)
{
    overrideSlot() = output;
}

SoundOutput* soundOutputOverride()
{
    return overrideSlot();
}

QByteArray gameSoundBytes(const QString& name)
{
    QFile file(QStringLiteral(":/tessel/sounds/") + name + QStringLiteral(".wav"));
    if (name.isEmpty() || name.contains(u'/') || !file.open(QIODevice::ReadOnly))
        throw TesselError(ErrorCode::ResourceNotFound,
                          QStringLiteral("Resource with identifier '%1' not found").arg(name));
    return file.readAll();
}

} // namespace tessel
