// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/clock/wallclockalarm.h"

#include <QTimer>

#include <algorithm>

namespace brevora {

namespace {

// Where the system offers no wall-clock timer: an elapsed-time timer aimed at the moment. It is late by
// the length of a suspend and does not see a clock that was set, so it aims at most a minute ahead and
// checks the wall clock when it wakes.
class ElapsedWallClockAlarm final : public WallClockAlarm
{
public:
    explicit ElapsedWallClockAlarm(QObject *parent)
        : WallClockAlarm(parent)
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, &ElapsedWallClockAlarm::wake);
    }

    void arm(const QDateTime &moment) override
    {
        m_moment = moment;
        wakeAgain();
    }
    void disarm() override { m_timer.stop(); }
    bool isArmed() const override { return m_timer.isActive(); }

private:
    void wakeAgain()
    {
        const qint64 left = QDateTime::currentDateTime().msecsTo(m_moment);
        m_timer.start(int(std::clamp<qint64>(left, 0, 60000)));
    }
    void wake()
    {
        if (QDateTime::currentDateTime() < m_moment)
            wakeAgain();
        else
            emit rang();
    }

    QTimer m_timer;
    QDateTime m_moment;
};

} // namespace

std::unique_ptr<WallClockAlarm> createSystemWallClockAlarm(QObject *parent)
{
    return std::make_unique<ElapsedWallClockAlarm>(parent);
}

} // namespace brevora
