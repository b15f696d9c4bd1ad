// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <atomic>

namespace brevora {

class PcmSource;

enum class Latency {
    Relaxed, // the server's own buffering: a sound that is only ever left to play to its end
    Short, // a few milliseconds queued, so that cancelling silences the sound at once
};

// Plays source to its end through a PulseAudio server (PipeWire's too) and returns once the last sample has
// been heard, or soon after cancel is raised. server names the server in libpulse's notation; empty means the
// user's default one. Returns false when no server took the sound; that failure is immediate, never a wait.
bool playThroughPulse(PcmSource &source, const QByteArray &server, Latency latency, const std::atomic_bool &cancel);

} // namespace brevora
