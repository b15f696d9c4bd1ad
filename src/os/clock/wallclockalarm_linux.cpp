// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/clock/wallclockalarm.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <sys/inotify.h>
#include <sys/timerfd.h>
#include <unistd.h>

namespace brevora {

namespace {

qint64 nanoseconds(clockid_t id)
{
    timespec ts{};
    clock_gettime(id, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// Time spent asleep so far: the boot clock counts a suspend, the monotonic clock does not.
qint64 sleptNs()
{
    return nanoseconds(CLOCK_BOOTTIME) - nanoseconds(CLOCK_MONOTONIC);
}

// An absolute CLOCK_REALTIME timerfd fires at the wall-clock moment also when the machine slept through it,
// and with TFD_TIMER_CANCEL_ON_SET its read fails with ECANCELED as soon as anyone sets the clock.
class TimerFdWallClockAlarm final : public WallClockAlarm
{
public:
    explicit TimerFdWallClockAlarm(QObject *parent)
        : WallClockAlarm(parent)
        , m_fd(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC))
    {
        if (m_fd < 0) {
            qWarning("Brevora: no wall-clock timer (%s); alarms will not ring", strerror(errno));
            return;
        }
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        m_notifier->setEnabled(false);
        connect(m_notifier, &QSocketNotifier::activated, this, &TimerFdWallClockAlarm::onReadable);
        watchTimeZone();
    }
    ~TimerFdWallClockAlarm() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (m_zoneFd >= 0)
            ::close(m_zoneFd);
    }

    void arm(const QDateTime &moment) override
    {
        if (m_fd < 0)
            return;
        const qint64 ms = moment.toMSecsSinceEpoch();
        itimerspec due{};
        due.it_value.tv_sec = ms / 1000;
        due.it_value.tv_nsec = (ms % 1000) * 1000000;
        if (due.it_value.tv_sec == 0 && due.it_value.tv_nsec == 0)
            due.it_value.tv_nsec = 1; // zero would disarm
        m_slept = sleptNs();
        if (timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &due, nullptr) != 0) {
            qWarning("Brevora: the wall-clock timer cannot be set (%s)", strerror(errno));
            return;
        }
        m_armed = true;
        m_notifier->setEnabled(true);
    }

    void disarm() override
    {
        if (m_fd < 0)
            return;
        const itimerspec off{};
        timerfd_settime(m_fd, 0, &off, nullptr);
        m_armed = false;
        m_notifier->setEnabled(false);
    }

    bool isArmed() const override { return m_armed; }

private:
    void onReadable()
    {
        quint64 expirations = 0;
        const ssize_t n = ::read(m_fd, &expirations, sizeof expirations);
        if (n < 0 && errno == EAGAIN)
            return;
        disarm();
        // A second or more of sleep since arming means the machine was suspended; a mere late wake-up of a
        // busy machine is not a jump.
        const bool slept = sleptNs() - m_slept > 1000000000;
        if ((n < 0 && errno == ECANCELED) || slept)
            emit clockJumped();
        else
            emit rang();
    }

    // A change of time zone sets no clock, yet every local minute moves: the zone file is watched (the link
    // itself, which the time-date service replaces, and its folder for a link made anew), which costs no
    // wake-up while nothing changes.
    void watchTimeZone()
    {
        m_zoneFd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (m_zoneFd < 0)
            return;
        inotify_add_watch(m_zoneFd, "/etc", IN_CREATE | IN_MOVED_TO | IN_ONLYDIR);
        watchZoneFile();
        auto *notifier = new QSocketNotifier(m_zoneFd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &TimerFdWallClockAlarm::onZoneEvent);
    }
    void watchZoneFile()
    {
        inotify_add_watch(m_zoneFd, zoneFile,
                          IN_DONT_FOLLOW | IN_ATTRIB | IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF);
    }
    void onZoneEvent()
    {
        alignas(inotify_event) char buffer[4096];
        bool changed = false;
        ssize_t n;
        while ((n = ::read(m_zoneFd, buffer, sizeof buffer)) > 0) {
            for (ssize_t at = 0; at < n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                const bool inFolder = event->len > 0;
                if (!inFolder ? !(event->mask & IN_IGNORED) : std::strcmp(event->name, "localtime") == 0)
                    changed = true;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        }
        if (!changed)
            return;
        watchZoneFile(); // the link replaced is another file now
        disarm();
        emit clockJumped();
    }

    static constexpr const char *zoneFile = "/etc/localtime";
    int m_fd = -1;
    int m_zoneFd = -1;
    QSocketNotifier *m_notifier = nullptr;
    qint64 m_slept = 0;
    bool m_armed = false;
};

} // namespace

std::unique_ptr<WallClockAlarm> createSystemWallClockAlarm(QObject *parent)
{
    return std::make_unique<TimerFdWallClockAlarm>(parent);
}

} // namespace brevora
