// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "os/sound/soundplayer.h"

#include <QStringList>

#include <functional>

namespace brevora::test {

// Records what would have been played; onSyncPlay lets a test act while a synchronous sound "plays".
class FakeSoundPlayer final : public SoundPlayer
{
public:
    void playSync(const QString &path) override
    {
        syncPlays.append(path);
        if (onSyncPlay)
            onSyncPlay(path);
    }
    void playAsync(const QString &path) override { asyncPlays.append(path); }

    QStringList syncPlays;
    QStringList asyncPlays;
    std::function<void(const QString &)> onSyncPlay;
};

} // namespace brevora::test
