// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/sound/pulseplayback.h"

#include "os/sound/pcmsource.h"

#include <pulse/simple.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace brevora {

namespace {

struct SimpleFree
{
    void operator()(pa_simple *stream) const { pa_simple_free(stream); }
};
using SimpleStream = std::unique_ptr<pa_simple, SimpleFree>;

// What a short-latency stream keeps queued in the server: the longest a replaced sound may still be heard.
constexpr pa_usec_t shortQueueUsec = 20 * 1000;

SimpleStream openStream(const PcmSource &source, const QByteArray &server, bool shortQueue)
{
    const pa_sample_spec format{ PA_SAMPLE_FLOAT32NE, static_cast<uint32_t>(source.sampleRate()),
                                 static_cast<uint8_t>(source.channels()) };
    // Everything else keeps the server's defaults; prebuffering in particular must stay on, or draining the
    // stream waits for libpulse's 30 s timeout instead of the sound's end.
    pa_buffer_attr queue;
    queue.maxlength = static_cast<uint32_t>(-1);
    queue.tlength = static_cast<uint32_t>(pa_usec_to_bytes(shortQueueUsec, &format));
    queue.prebuf = static_cast<uint32_t>(-1);
    queue.minreq = static_cast<uint32_t>(-1);
    queue.fragsize = static_cast<uint32_t>(-1);
    int error = 0;
    return SimpleStream(pa_simple_new(server.isEmpty() ? nullptr : server.constData(), "Brevora", PA_STREAM_PLAYBACK,
                                      nullptr, "Alarm sound", &format, nullptr, shortQueue ? &queue : nullptr, &error));
}

} // namespace

bool playThroughPulse(PcmSource &source, const QByteArray &server, Latency latency, const std::atomic_bool &cancel)
{
    SimpleStream stream = openStream(source, server, latency == Latency::Short);
    if (!stream)
        return false;
    // Pieces of 10 ms: a cancelled sound notices the flag after at most one piece.
    const auto channels = static_cast<std::size_t>(source.channels());
    const std::size_t pieceFrames = std::max(static_cast<std::size_t>(source.sampleRate()) / 100, std::size_t{ 64 });
    std::vector<float> piece(pieceFrames * channels);
    int error = 0;
    while (true) {
        if (cancel.load()) {
            pa_simple_flush(stream.get(), &error);
            return true;
        }
        const std::size_t frames = source.read(piece.data(), pieceFrames);
        if (frames == 0)
            break;
        // A write fails only when the server has gone; the sound is over then.
        if (pa_simple_write(stream.get(), piece.data(), frames * channels * sizeof(float), &error) < 0)
            return true;
    }
    pa_simple_drain(stream.get(), &error);
    return true;
}

} // namespace brevora
