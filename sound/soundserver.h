// The desktop's sound server asked directly. Qt's PulseAudio engine connects once, when the first
// sound asks for devices: started before the server (a session still coming up, a server
// restarted for a headset), it never sees one. So when Qt has no output device, the module asks
// the server itself, and plays through it what Qt cannot.
#pragma once

#include "sound/wave.h"

#include <QtGlobal>

#include <atomic>
#include <thread>

namespace tessel {

// The number of output devices (sinks) of the sound server reachable now; 0 without one. Never
// starts a server, and gives up on one that does not answer within a second.
int soundServerSinkCount();

// One sound at a time played on a thread of its own, straight to the server's default sink.
class SoundServerPlayer
{
public:
    ~SoundServerPlayer() { stop(); }
    // Returns at once; the samples stay with the caller until stop().
    void play(const WaveFormat& format, const char* samples, qsizetype size);
    // Ends the sound playing, if any, and returns when the thread no longer reads the samples.
    void stop();

private:
    std::thread m_thread;
    std::atomic<bool> m_stop { false };
};

} // namespace tessel
