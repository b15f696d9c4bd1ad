// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/sound/soundplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <windows.h>

#include <mmsystem.h>

namespace brevora {

namespace {

// The system plays its default sound for a file it cannot play, and one asynchronous sound at a time.
class WindowsSoundPlayer final : public SoundPlayer
{
public:
    SoundOutcome playSync(const QString &path) override
    {
        play(path, SND_SYNC);
        return {};
    }
    void playAsync(const QString &path) override { play(path, SND_ASYNC); }
    // The system loops a sound without pauses only; a repeat with pauses is left to a later version here.
    void repeatAfter(const QString &, std::chrono::milliseconds) override { }
    void stop() override { PlaySoundW(nullptr, nullptr, 0); }

private:
    static void play(const QString &path, DWORD mode)
    {
        const QString native = QDir::toNativeSeparators(path);
        PlaySoundW(reinterpret_cast<LPCWSTR>(native.utf16()), nullptr, SND_FILENAME | mode);
    }
};

} // namespace

QString soundFileProblem(const QString &path)
{
    // The system's player reads its files itself; a file that is there is left to it.
    return QFileInfo(path).isFile() ? QString()
                                    : QCoreApplication::translate("brevora::SoundPlayer", "the file %1 does not exist")
                                          .arg(QDir::toNativeSeparators(path));
}

std::unique_ptr<SoundPlayer> createSystemSoundPlayer()
{
    return std::make_unique<WindowsSoundPlayer>();
}

} // namespace brevora
