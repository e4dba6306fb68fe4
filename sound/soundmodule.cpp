// The sound module: PCM played through Qt Multimedia's default output device.
#include "sound/pcmoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <memory>

namespace tessel {

namespace {

// One sound at a time, played from the caller's bytes.
class SystemPcmOutput : public PcmOutput
{
public:
    ~SystemPcmOutput() override { stop(); }

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

    void play(const WaveFormat& wave, const char* samples, qsizetype size) override
    {
        stop();
        QAudioFormat format;
        format.setSampleRate(wave.sampleRate);
        format.setChannelCount(wave.channels);
        format.setSampleFormat(wave.bitsPerSample == 8        ? QAudioFormat::UInt8
                                   : wave.bitsPerSample == 16 ? QAudioFormat::Int16
                                                              : QAudioFormat::Int32);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull() || !device.isFormatSupported(format))
            return;
        // A view of the caller's bytes, not a copy.
        m_samples = QByteArray::fromRawData(samples, size);
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

} // namespace tessel

extern "C" Q_DECL_EXPORT tessel::PcmOutput* tessel_create_pcm_output()
{
    return new tessel::SystemPcmOutput;
}
