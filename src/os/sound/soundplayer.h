// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

namespace brevora {

// Plays waveform sound files. The notices play synchronously (their window appears once the sound has
// ended); the sound chooser's "Play" plays asynchronously. A file that cannot be played gives the desktop's
// default sound; no call ever hangs, also where no sound server runs.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Returns when the sound has ended. Runs on the calling thread without processing events.
    virtual void playSync(const QString &path) = 0;
    // Returns at once; the sound plays on and replaces whatever this player was playing.
    virtual void playAsync(const QString &path) = 0;
};

// The player of this platform.
std::unique_ptr<SoundPlayer> createSystemSoundPlayer();

} // namespace brevora
