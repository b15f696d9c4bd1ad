// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/sound/pulsesoundplayer.h"

#include "os/sound/pcmsource.h"
#include "os/sound/pulseplayback.h"

#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace brevora {

using std::chrono::steady_clock;
using namespace std::chrono_literals;

// One sound's thread and what the player shares with it. The thread holds its own reference, so a job the
// player gives up on stays valid for as long as its thread runs.
struct SoundJob
{
    std::atomic_bool cancel{ false };
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;

    bool waitUntil(steady_clock::time_point deadline)
    {
        std::unique_lock lock(mutex);
        return finished.wait_until(lock, deadline, [this] { return done; });
    }
};

namespace {

// Beyond its own length a sound may take this long to be heard to its end before its caller stops waiting.
constexpr auto syncSlack = 1500ms;
// How long the player's destruction waits for its sounds to fall silent.
constexpr auto exitWait = 250ms;

std::unique_ptr<PcmSource> openOrDefault(const QString &path, const QStringList &defaultSounds)
{
    std::unique_ptr<PcmSource> source = openSoundFile(path);
    for (qsizetype i = 0; !source && i < defaultSounds.size(); ++i)
        source = openSoundFile(defaultSounds.at(i));
    return source ? std::move(source) : makeBeep();
}

// A length that libsndfile does not know is reported as huge; a day is as long as any wait should be.
std::chrono::milliseconds soundLength(const PcmSource &source)
{
    const std::int64_t rate = source.sampleRate();
    const std::int64_t seconds = std::min<std::int64_t>(source.frameCount() / rate, 24 * 3600);
    return std::chrono::seconds(seconds) + std::chrono::milliseconds(source.frameCount() % rate * 1000 / rate);
}

template<typename Play>
std::shared_ptr<SoundJob> startJob(Play play)
{
    auto job = std::make_shared<SoundJob>();
    std::thread([job, play = std::move(play)]() mutable {
        {
            // Its sound file is closed before the caller hears that the sound has ended.
            Play playing = std::move(play);
            playing(job->cancel);
        }
        const std::lock_guard lock(job->mutex);
        job->done = true;
        job->finished.notify_all();
    }).detach();
    return job;
}

} // namespace

QStringList themeDefaultSounds()
{
    QStringList found;
    for (const char *name : { "bell.oga", "message.oga" }) {
        const QString path = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                    QStringLiteral("sounds/freedesktop/stereo/") + QLatin1String(name));
        if (!path.isEmpty())
            found.append(path);
    }
    return found;
}

PulseSoundPlayer::PulseSoundPlayer(PulseSoundOptions options)
    : m_options(std::move(options))
{ }

PulseSoundPlayer::~PulseSoundPlayer()
{
    silenceAll();
    const auto deadline = steady_clock::now() + exitWait;
    for (const auto &job : m_jobs)
        job->waitUntil(deadline);
}

void PulseSoundPlayer::playSync(const QString &path)
{
    silenceAll();
    std::shared_ptr<PcmSource> source = openOrDefault(path, m_options.defaultSounds);
    const auto deadline = steady_clock::now() + soundLength(*source) + syncSlack;
    auto job = startJob([source, server = m_options.server](const std::atomic_bool &cancel) {
        playThroughPulse(*source, server, Latency::Relaxed, cancel);
    });
    if (!job->waitUntil(deadline)) {
        job->cancel = true;
        m_jobs.push_back(std::move(job));
    }
}

void PulseSoundPlayer::playAsync(const QString &path)
{
    silenceAll();
    m_jobs.push_back(startJob([path, options = m_options](const std::atomic_bool &cancel) {
        playThroughPulse(*openOrDefault(path, options.defaultSounds), options.server, Latency::Short, cancel);
    }));
}

void PulseSoundPlayer::silenceAll()
{
    std::erase_if(m_jobs, [](const std::shared_ptr<SoundJob> &job) {
        job->cancel = true;
        const std::lock_guard lock(job->mutex);
        return job->done;
    });
}

std::unique_ptr<SoundPlayer> createSystemSoundPlayer()
{
    return std::make_unique<PulseSoundPlayer>();
}

} // namespace brevora
