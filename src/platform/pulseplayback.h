#pragma once

#include <QByteArray>

#include <atomic>

namespace brevora {

class PcmSource;

// Plays source to its end through a PulseAudio server (PipeWire's too). server names the server in libpulse's
// notation; empty means the user's default one. Without cancel the call returns once the last sample has
// been heard. With cancel the stream keeps only a few milliseconds queued, so that raising the flag silences
// the sound at once. Returns false when no server took the sound; that failure is immediate, never a wait.
bool playThroughPulse(PcmSource &source, const QByteArray &server, const std::atomic_bool *cancel);

} // namespace brevora
