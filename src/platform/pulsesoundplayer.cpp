#include "pulsesoundplayer.h"

#include "pcmsource.h"
#include "pulseplayback.h"

#include <QStandardPaths>

#include <utility>

namespace brevora {

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
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
        m_cancel = true;
    }
    m_wake.notify_one();
    if (m_worker.joinable())
        m_worker.join();
}

void PulseSoundPlayer::playSync(const QString &path)
{
    {
        const std::lock_guard lock(m_mutex);
        m_next.reset();
        m_cancel = true;
    }
    play(path, nullptr);
}

void PulseSoundPlayer::playAsync(const QString &path)
{
    {
        const std::lock_guard lock(m_mutex);
        m_next = path;
        m_cancel = true;
        if (!m_worker.joinable())
            m_worker = std::thread([this] { runWorker(); });
    }
    m_wake.notify_one();
}

void PulseSoundPlayer::play(const QString &path, const std::atomic_bool *cancel) const
{
    std::unique_ptr<PcmSource> source = openSoundFile(path);
    for (qsizetype i = 0; !source && i < m_options.defaultSounds.size(); ++i)
        source = openSoundFile(m_options.defaultSounds.at(i));
    if (!source)
        source = makeBeep();
    playThroughPulse(*source, m_options.server, cancel);
}

void PulseSoundPlayer::runWorker()
{
    std::unique_lock lock(m_mutex);
    while (true) {
        m_wake.wait(lock, [this] { return m_quit || m_next.has_value(); });
        if (m_quit)
            return;
        const QString path = *std::exchange(m_next, std::nullopt);
        m_cancel = false;
        lock.unlock();
        play(path, &m_cancel);
        lock.lock();
    }
}

std::unique_ptr<SoundPlayer> createSystemSoundPlayer()
{
    return std::make_unique<PulseSoundPlayer>();
}

} // namespace brevora
