// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/clock/wallclockalarm.h"

#include <QSocketNotifier>

#include <cerrno>
#include <ctime>
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
    }
    ~TimerFdWallClockAlarm() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
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

    int m_fd = -1;
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
