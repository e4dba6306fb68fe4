// The audio layer's side of the game's sounds. It is built as a module of its own, loaded with
// the first sound, so that Qt Multimedia and the twenty-odd libraries under it cost nothing at
// start-up.
#pragma once

#include "sound/wave.h"
#include "system/programfolders.h"

#include <QCoreApplication>
#include <QString>

namespace tessel {

class PcmOutput
{
public:
    virtual ~PcmOutput() = default;
    virtual int deviceCount() = 0;
    virtual void stop() = 0;
    // Plays `size` bytes of samples in `format` from `samples`, which stay with the caller until
    // stop(); returns at once. A format the device cannot play is silence.
    virtual void play(const WaveFormat& format, const char* samples, qsizetype size) = 0;
};

// The module's one entry point, looked up by this name; the caller owns the result.
using CreatePcmOutput = PcmOutput* (*)();
inline constexpr char createPcmOutputName[] = "tessel_create_pcm_output";

// Where the module is: next to the program in the build folder, in the program's library folder
// once installed.
inline QString soundModulePath()
{
    return soundModuleFile(QCoreApplication::applicationDirPath());
}

} // namespace tessel
