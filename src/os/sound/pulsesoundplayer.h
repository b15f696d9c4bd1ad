// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "os/sound/soundplayer.h"

#include <QByteArray>
#include <QStringList>

#include <memory>
#include <vector>

namespace brevora {

// The desktop sound theme's default sounds that are installed here, most fitting first.
QStringList themeDefaultSounds();

struct PulseSoundOptions
{
    QByteArray server; // libpulse's notation, e.g. "unix:/run/user/1000/pulse/native"; empty: the default
    QStringList defaultSounds = themeDefaultSounds(); // tried in turn for an unplayable file, then a beep
};

struct SoundJob;

// Decodes with libsndfile and plays through PulseAudio. Every sound plays on a thread of its own, which a later
// call silences without waiting for it. A synchronous call waits for its sound, but no longer than the sound
// lasts and a little more: a sink that never plays (suspended, or stuck) must not freeze the program.
// A synchronous call also asks the server whether its output is muted. Calls come from one thread.
class PulseSoundPlayer final : public SoundPlayer
{
public:
    explicit PulseSoundPlayer(PulseSoundOptions options = {});
    ~PulseSoundPlayer() override;
    PulseSoundPlayer(const PulseSoundPlayer &) = delete;
    PulseSoundPlayer &operator=(const PulseSoundPlayer &) = delete;

    SoundOutcome playSync(const QString &path) override;
    void playAsync(const QString &path) override;
    void repeatAfter(const QString &path, std::chrono::milliseconds pause) override;
    void stop() override;

private:
    void silenceAll();

    const PulseSoundOptions m_options;
    std::vector<std::shared_ptr<SoundJob>> m_jobs; // sounds that may still be playing
};

} // namespace brevora
