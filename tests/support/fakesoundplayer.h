// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "os/sound/soundplayer.h"

#include <QStringList>

#include <functional>

namespace brevora::test {

// Records what would have been played; onSyncPlay lets a test act while a synchronous sound "plays", and
// syncOutcome is what every synchronous sound tells. `repeating` is the sound being repeated, empty once stopped.
class FakeSoundPlayer final : public SoundPlayer
{
public:
    SoundOutcome playSync(const QString &path) override
    {
        syncPlays.append(path);
        repeating.clear();
        if (onSyncPlay)
            onSyncPlay(path);
        return syncOutcome;
    }
    void playAsync(const QString &path) override
    {
        asyncPlays.append(path);
        repeating.clear();
    }
    void repeatAfter(const QString &path, std::chrono::milliseconds) override { repeating = path; }
    void stop() override { repeating.clear(); }

    QStringList syncPlays;
    QStringList asyncPlays;
    QString repeating;
    SoundOutcome syncOutcome;
    std::function<void(const QString &)> onSyncPlay;
};

} // namespace brevora::test
