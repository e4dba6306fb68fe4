#include "sound/gamesound.h"

#include "common/errors.h"
#include "sound/pcmoutput.h"
#include "sound/wave.h"

#include <QFile>
#include <QLibrary>
#include <QLoggingCategory>

namespace tessel {

namespace {

// Off unless asked for (QT_LOGGING_RULES="tessel.sound.debug=true"): where the module came from.
Q_LOGGING_CATEGORY(soundLog, "tessel.sound", QtWarningMsg)

SoundOutput*& overrideSlot()
{
    static SoundOutput* output = nullptr;
    return output;
}

// The system's output: the sound module, loaded when the first sound is asked for. Without the
// module there is no output device and the game is silent.
class SystemSoundOutput : public SoundOutput
{
public:
    ~SystemSoundOutput() override { stop(); }

    int deviceCount() override
    {
        PcmOutput* pcm = output();
        return pcm ? pcm->deviceCount() : 0;
    }

    void stop() override
    {
        if (m_pcm)
            m_pcm->stop();
    }

    void play(const QString& name, const QByteArray& wave) override
    {
        Q_UNUSED(name);
        stop();
        const std::optional<WaveFormat> header = readWaveHeader(wave);
        PcmOutput* pcm = output();
        if (!header || header->dataSize == 0 || !pcm)
            return;
        pcm->play(*header, wave.constData() + header->dataOffset, header->dataSize);
    }

private:
    PcmOutput* output()
    {
        if (!m_pcm && !m_tried) {
            m_tried = true;
            // The library stays loaded for the rest of the run.
            QLibrary module(soundModulePath());
            if (auto create
                = reinterpret_cast<CreatePcmOutput>(module.resolve(createPcmOutputName)))
                m_pcm.reset(create());
            qCDebug(soundLog).noquote()
                << "sound module" << module.fileName()
                << (m_pcm ? QStringLiteral("loaded") : module.errorString());
        }
        return m_pcm.get();
    }

    std::unique_ptr<PcmOutput> m_pcm;
    bool m_tried = false;
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
