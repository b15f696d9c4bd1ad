#pragma once

#include "platform/soundplayer.h"

#include <QByteArray>
#include <QStringList>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace brevora {

// The desktop sound theme's default sounds that are installed here, most fitting first.
QStringList themeDefaultSounds();

struct PulseSoundOptions
{
    QByteArray server; // libpulse's notation, e.g. "unix:/run/user/1000/pulse/native"; empty: the default
    QStringList defaultSounds = themeDefaultSounds(); // tried in turn for an unplayable file, then a beep
};

// Decodes with libsndfile and plays through PulseAudio. Asynchronous sounds play on one worker thread; each
// new call silences the sound playing there without waiting for it.
class PulseSoundPlayer final : public SoundPlayer
{
public:
    explicit PulseSoundPlayer(PulseSoundOptions options = {});
    ~PulseSoundPlayer() override;
    PulseSoundPlayer(const PulseSoundPlayer &) = delete;
    PulseSoundPlayer &operator=(const PulseSoundPlayer &) = delete;

    void playSync(const QString &path) override;
    void playAsync(const QString &path) override;

private:
    void play(const QString &path, const std::atomic_bool *cancel) const;
    void runWorker();

    const PulseSoundOptions m_options;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<QString> m_next; // the asynchronous sound the worker is to start
    bool m_quit = false;
    std::atomic_bool m_cancel{ false }; // silences the worker's current sound
    std::thread m_worker;
};

} // namespace brevora
