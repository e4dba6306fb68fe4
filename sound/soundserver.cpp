#include "sound/soundserver.h"

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/simple.h>

#include <chrono>
#include <memory>

namespace tessel {

namespace {

using Clock = std::chrono::steady_clock;

// Runs the loop until `done` holds or the deadline passes; false on the deadline or an error.
template<typename Done>
bool runUntil(pa_mainloop* loop, Clock::time_point deadline, Done done)
{
    while (!done()) {
        const auto left
            = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
        if (left.count() <= 0 || pa_mainloop_prepare(loop, int(left.count())) < 0
            || pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
            return false;
    }
    return true;
}

} // namespace

int soundServerSinkCount()
{
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    std::unique_ptr<pa_mainloop, decltype(&pa_mainloop_free)> loop(pa_mainloop_new(),
                                                                   &pa_mainloop_free);
    if (!loop)
        return 0;
    std::unique_ptr<pa_context, decltype(&pa_context_unref)> context(
        pa_context_new(pa_mainloop_get_api(loop.get()), "Tessel"), &pa_context_unref);
    // Without a server this fails at once: no socket to connect to.
    if (!context || pa_context_connect(context.get(), nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        return 0;
    const auto settled = [&] {
        const pa_context_state_t state = pa_context_get_state(context.get());
        return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
    };
    int sinks = 0;
    if (runUntil(loop.get(), deadline, settled)
        && pa_context_get_state(context.get()) == PA_CONTEXT_READY) {
        struct Count
        {
            int sinks = 0;
            bool done = false;
        } count;
        pa_operation* listing = pa_context_get_sink_info_list(
            context.get(),
            [](pa_context*, const pa_sink_info* sink, int eol, void* data) {
                auto* c = static_cast<Count*>(data);
                if (eol != 0)
                    c->done = true;
                else if (sink)
                    ++c->sinks;
            },
            &count);
        if (listing) {
            if (runUntil(loop.get(), deadline, [&] { return count.done; }))
                sinks = count.sinks;
            pa_operation_unref(listing);
        }
    }
    pa_context_disconnect(context.get());
    return sinks;
}

void SoundServerPlayer::play(const WaveFormat& format, const char* samples, qsizetype size)
{
    stop();
    pa_sample_spec sampleFormat;
    sampleFormat.format = format.bitsPerSample == 8 ? PA_SAMPLE_U8
        : format.bitsPerSample == 16                ? PA_SAMPLE_S16LE
                                                    : PA_SAMPLE_S32LE;
    sampleFormat.rate = quint32(format.sampleRate);
    sampleFormat.channels = quint8(format.channels);
    if (format.channels <= 0 || format.channels > int(PA_CHANNELS_MAX)
        || !pa_sample_spec_valid(&sampleFormat) || size <= 0)
        return;
    m_stop = false;
    m_thread = std::thread([this, sampleFormat, samples, size] {
        int error = 0;
        pa_simple* stream = pa_simple_new(nullptr, "Tessel", PA_STREAM_PLAYBACK, nullptr,
                                          "Game sound", &sampleFormat, nullptr, nullptr, &error);
        if (!stream)
            return;
        // In small pieces, so that a new sound need not wait for this one.
        constexpr qsizetype piece = 4096;
        for (qsizetype at = 0; at < size && !m_stop; at += piece)
            if (pa_simple_write(stream, samples + at, size_t(std::min(piece, size - at)), &error)
                < 0)
                break;
        // The server holds the rest; freeing the stream would cut it off, so wait for it to be
        // heard unless stopped (and no longer than the sound lasts, and a second).
        const qsizetype frame = qsizetype(pa_frame_size(&sampleFormat));
        const auto end = Clock::now() + std::chrono::seconds(1)
            + std::chrono::microseconds(qint64(size / frame) * 1000000 / sampleFormat.rate);
        while (!m_stop && Clock::now() < end) {
            const pa_usec_t left = pa_simple_get_latency(stream, &error);
            if (left == pa_usec_t(-1) || left == 0)
                break;
            std::this_thread::sleep_for(
                std::chrono::microseconds(std::min<pa_usec_t>(left, 10000)));
        }
        if (m_stop)
            pa_simple_flush(stream, &error);
        pa_simple_free(stream);
    });
}

void SoundServerPlayer::stop()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace tessel
