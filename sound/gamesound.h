// Where the game's sounds go: an output behind a small interface, so that tests hear which sound
// was asked for and can pretend to have no output device or one. The audio layer is touched
// only when the first sound is asked for.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace tessel {

class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // The number of audio output devices now; asked before every sound.
    virtual int deviceCount() = 0;
    // Stops the sound playing, so that its bytes may be released or replaced.
    virtual void stop() = 0;
    // Starts playing the sound `name` from `wave`, a RIFF WAVE image in memory, and returns at
    // once. The bytes stay with the caller and must not change until stop(). Data that cannot
    // be played is silence, never a default sound.
    virtual void play(const QString& name, const QByteArray& wave) = 0;
};

// The output of the system's audio layer (Qt Multimedia, through the sound module).
std::unique_ptr<SoundOutput> makeSystemSoundOutput();

// While set, every game window plays through `output` (not owned) instead of its own system
// output; null restores the system's.
void setSoundOutputOverride(SoundOutput* output);
SoundOutput* soundOutputOverride();

// The bytes of the program's own sound `name`: "DUR", "TAMAM" or "TEBRIK". Another name raises
// ResourceNotFound.
QByteArray gameSoundBytes(const QString& name);

} // namespace tessel
