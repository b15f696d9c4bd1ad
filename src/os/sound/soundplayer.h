// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>
#include <memory>

namespace brevora {

// What became of a sound that was to be heard.
struct SoundOutcome
{
    enum class Problem {
        None, // heard as chosen
        File, // the file could not be played; the desktop's default sound played in its place
        NoServer, // no sound server took the sound
        Muted, // it played, but the output it went to is muted
        Silent, // it played, but the output's volume is at zero
    };
    Problem problem = Problem::None;
    QString reason; // why, in the user's language, for a sentence "the sound could not be played: ..."
};

// Plays waveform sound files. The notices play synchronously (their window appears once the sound has
// ended); the sound chooser's "Play" and a notice's repeats play asynchronously. A file that cannot be played
// gives the desktop's default sound; no call ever hangs, also where no sound server runs.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Returns when the sound has ended, telling whether it could be heard. Runs on the calling thread without
    // processing events.
    virtual SoundOutcome playSync(const QString &path) = 0;
    // Returns at once; the sound plays on and replaces whatever this player was playing.
    virtual void playAsync(const QString &path) = 0;
    // Returns at once; the sound plays after `pause`, and again after each further pause, until stop() or
    // another call of this player, which replaces it.
    virtual void repeatAfter(const QString &path, std::chrono::milliseconds pause) = 0;
    // Silences whatever this player plays, at once.
    virtual void stop() = 0;
};

// Why the file cannot serve as an alarm's sound, in the user's language; empty when it can.
QString soundFileProblem(const QString &path);

// The player of this platform.
std::unique_ptr<SoundPlayer> createSystemSoundPlayer();

} // namespace brevora
