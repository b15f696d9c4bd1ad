// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/sound/pulsesoundplayer.h"

#include "os/sound/pcmsource.h"
#include "os/sound/pulseplayback.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/mainloop.h>
#include <pulse/volume.h>

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
    SoundOutcome outcome; // what became of the sound, once done

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
// How long the server may take to say whether its output is muted; the sound is not held up by it.
constexpr auto askServerWait = 1000ms;
// Repeats wait in slices this long, so that stopping them is heard at once.
constexpr auto pauseSlice = 10ms;

QString soundText(const char *text)
{
    return QCoreApplication::translate("brevora::SoundPlayer", text);
}

std::unique_ptr<PcmSource> openOrDefault(const QString &path, const QStringList &defaultSounds,
                                         QString *problem = nullptr)
{
    std::unique_ptr<PcmSource> source = openSoundFile(path, problem);
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

// Whether the default output of the server plays what it gets at a volume anyone hears. A sound that went to
// a muted output is lost as surely as one that found no server, and the user is the one to put it right.
SoundOutcome::Problem outputState(const QByteArray &server)
{
    struct Query
    {
        SoundOutcome::Problem found = SoundOutcome::Problem::None;
        bool answered = false;
    } query;
    pa_mainloop *loop = pa_mainloop_new();
    pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "Brevora");
    pa_operation *asking = nullptr;
    if (context
        && pa_context_connect(context, server.isEmpty() ? nullptr : server.constData(), PA_CONTEXT_NOAUTOSPAWN, nullptr)
            >= 0) {
        const auto deadline = steady_clock::now() + askServerWait;
        while (!query.answered && steady_clock::now() < deadline) {
            pa_mainloop_iterate(loop, 0, nullptr);
            const pa_context_state_t state = pa_context_get_state(context);
            if (!PA_CONTEXT_IS_GOOD(state))
                break;
            if (state == PA_CONTEXT_READY && !asking) {
                // "@DEFAULT_SINK@" is the server's own name for its default output.
                asking = pa_context_get_sink_info_by_name(
                    context, "@DEFAULT_SINK@",
                    [](pa_context *, const pa_sink_info *sink, int eol, void *data) {
                        auto *query = static_cast<Query *>(data);
                        if (sink && eol == 0) {
                            if (sink->mute)
                                query->found = SoundOutcome::Problem::Muted;
                            else if (pa_cvolume_max(&sink->volume) == PA_VOLUME_MUTED)
                                query->found = SoundOutcome::Problem::Silent;
                        }
                        if (eol != 0)
                            query->answered = true;
                    },
                    &query);
                if (!asking)
                    break;
            }
            std::this_thread::sleep_for(2ms);
        }
    }
    if (asking) {
        if (pa_operation_get_state(asking) == PA_OPERATION_RUNNING)
            pa_operation_cancel(asking);
        pa_operation_unref(asking);
    }
    if (context) {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return query.found;
}

template<typename Play>
std::shared_ptr<SoundJob> startJob(Play play)
{
    auto job = std::make_shared<SoundJob>();
    std::thread([job, play = std::move(play)]() mutable {
        SoundOutcome outcome;
        {
            // Its sound file is closed before the caller hears that the sound has ended.
            Play playing = std::move(play);
            outcome = playing(job->cancel);
        }
        const std::lock_guard lock(job->mutex);
        job->outcome = std::move(outcome);
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

SoundOutcome PulseSoundPlayer::playSync(const QString &path)
{
    silenceAll();
    QString fileProblem;
    std::shared_ptr<PcmSource> source = openOrDefault(path, m_options.defaultSounds, &fileProblem);
    // A ticked box without a file asks for the desktop's default sound, which is what played.
    if (path.isEmpty())
        fileProblem.clear();
    const auto deadline = steady_clock::now() + soundLength(*source) + syncSlack + askServerWait;
    auto job = startJob([source, fileProblem, server = m_options.server](const std::atomic_bool &cancel) {
        if (!playThroughPulse(*source, server, Latency::Relaxed, cancel))
            return SoundOutcome{ SoundOutcome::Problem::NoServer,
                                 soundText(QT_TRANSLATE_NOOP("brevora::SoundPlayer", "no sound server took it")) };
        // The file's own fault first: it is the one the user can put right in the alarm.
        if (!fileProblem.isEmpty())
            return SoundOutcome{ SoundOutcome::Problem::File, fileProblem };
        switch (outputState(server)) {
        case SoundOutcome::Problem::Muted:
            return SoundOutcome{ SoundOutcome::Problem::Muted,
                                 soundText(QT_TRANSLATE_NOOP("brevora::SoundPlayer", "the sound output is muted")) };
        case SoundOutcome::Problem::Silent:
            return SoundOutcome{ SoundOutcome::Problem::Silent,
                                 soundText(QT_TRANSLATE_NOOP("brevora::SoundPlayer",
                                                             "the sound output's volume is at zero")) };
        default:
            return SoundOutcome{};
        }
    });
    if (!job->waitUntil(deadline)) {
        job->cancel = true;
        m_jobs.push_back(std::move(job));
        return {};
    }
    const std::lock_guard lock(job->mutex);
    return job->outcome;
}

void PulseSoundPlayer::playAsync(const QString &path)
{
    silenceAll();
    m_jobs.push_back(startJob([path, options = m_options](const std::atomic_bool &cancel) {
        playThroughPulse(*openOrDefault(path, options.defaultSounds), options.server, Latency::Short, cancel);
        return SoundOutcome{};
    }));
}

void PulseSoundPlayer::repeatAfter(const QString &path, std::chrono::milliseconds pause)
{
    silenceAll();
    m_jobs.push_back(startJob([path, pause, options = m_options](const std::atomic_bool &cancel) {
        while (true) {
            for (auto waited = 0ms; waited < pause; waited += pauseSlice) {
                if (cancel.load())
                    return SoundOutcome{};
                std::this_thread::sleep_for(pauseSlice);
            }
            // Opened afresh each time: the file may have been put right, or gone, since the last time.
            playThroughPulse(*openOrDefault(path, options.defaultSounds), options.server, Latency::Short, cancel);
        }
    }));
}

void PulseSoundPlayer::stop()
{
    silenceAll();
}

void PulseSoundPlayer::silenceAll()
{
    std::erase_if(m_jobs, [](const std::shared_ptr<SoundJob> &job) {
        job->cancel = true;
        const std::lock_guard lock(job->mutex);
        return job->done;
    });
}

QString soundFileProblem(const QString &path)
{
    QString problem;
    openSoundFile(path, &problem);
    return problem;
}

std::unique_ptr<SoundPlayer> createSystemSoundPlayer()
{
    return std::make_unique<PulseSoundPlayer>();
}

} // namespace brevora
