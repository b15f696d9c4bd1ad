// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/sound/soundplayer.h"

#include <QDir>

#include <windows.h>

#include <mmsystem.h>

namespace brevora {

namespace {

// The system plays its default sound for a file it cannot play, and one asynchronous sound at a time.
class WindowsSoundPlayer final : public SoundPlayer
{
public:
    void playSync(const QString &path) override { play(path, SND_SYNC); }
    void playAsync(const QString &path) override { play(path, SND_ASYNC); }

private:
    static void play(const QString &path, DWORD mode)
    {
        const QString native = QDir::toNativeSeparators(path);
        PlaySoundW(reinterpret_cast<LPCWSTR>(native.utf16()), nullptr, SND_FILENAME | mode);
    }
};

} // namespace

std::unique_ptr<SoundPlayer> createSystemSoundPlayer()
{
    return std::make_unique<WindowsSoundPlayer>();
}

} // namespace brevora
