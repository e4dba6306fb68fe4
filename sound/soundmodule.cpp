// The sound module: PCM played through Qt Multimedia's default output device, or, where Qt has
// none, through the sound server asked directly.
#include "sound/pcmoutput.h"
#ifdef TESSEL_SOUND_SERVER
#include "sound/soundserver.h"
#endif

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

    int deviceCount() override
    {
        const int devices = static_cast<int>(QMediaDevices::audioOutputs().size());
#ifdef TESSEL_SOUND_SERVER
        // Asked only while Qt has no device, so a sound where it has one costs no more.
        m_serverSinks = devices > 0 ? 0 : soundServerSinkCount();
        return devices > 0 ? devices : m_serverSinks;
#else
        return devices;
#endif
    }

    void stop() override
    {
#ifdef TESSEL_SOUND_SERVER
        m_server.stop();
#endif
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
#ifdef TESSEL_SOUND_SERVER
        if (device.isNull() && m_serverSinks > 0) {
            m_server.play(wave, samples, size);
            return;
        }
#endif
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
#ifdef TESSEL_SOUND_SERVER
    SoundServerPlayer m_server;
    int m_serverSinks = 0; // when last asked
#endif
};

} // namespace

} // namespace tessel

extern "C" Q_DECL_EXPORT tessel::PcmOutput* tessel_create_pcm_output()
{
    return new tessel::SystemPcmOutput;
}
