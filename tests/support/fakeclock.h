// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "os/clock/clock.h"
#include "os/clock/wallclockalarm.h"

#include <QList>
#include <QPointer>

namespace brevora::test {

class FakeClock;

// Rings when its fake clock is moved to or past the armed moment, on the next turn of the event loop as a
// real alarm would.
class FakeWallClockAlarm final : public WallClockAlarm
{
public:
    using WallClockAlarm::WallClockAlarm;
    void arm(const QDateTime &moment) override
    {
        m_moment = moment;
        ++m_arms;
        m_armed = true;
    }
    void disarm() override { m_armed = false; }
    bool isArmed() const override { return m_armed; }
    const QDateTime &moment() const { return m_moment; }
    int arms() const { return m_arms; }

    void clockMoved(const QDateTime &now, bool jumped)
    {
        if (!m_armed || (!jumped && now < m_moment))
            return;
        m_armed = false;
        QMetaObject::invokeMethod(
            this, [this, jumped] { jumped ? emit clockJumped() : emit rang(); }, Qt::QueuedConnection);
    }

private:
    QDateTime m_moment;
    int m_arms = 0;
    bool m_armed = false;
};

class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2007, 2, 3), QTime(13, 59, 58)))
        : m_now(std::move(start))
    { }
    QDateTime now() const override { return m_now; }
    std::unique_ptr<WallClockAlarm> createAlarm(QObject *parent = nullptr) const override
    {
        auto alarm = std::make_unique<FakeWallClockAlarm>(parent);
        m_alarms.append(alarm.get());
        return alarm;
    }

    // Time passing: alarms whose moment has come ring.
    void set(const QDateTime &moment) { move(moment, false); }
    void set(int year, int month, int day, int hour, int minute, int second = 0)
    {
        set(QDateTime(QDate(year, month, day), QTime(hour, minute, second)));
    }
    void advanceSeconds(int seconds) { set(m_now.addSecs(seconds)); }
    // Time passing unheard, as by a stopped process: what is armed rings only once something else has woken the
    // program and it looks at the clock.
    void passUnheard(const QDateTime &moment) { m_now = moment; }
    // The clock set by hand, or a resume from a suspend: every armed alarm reports the jump.
    void jump(const QDateTime &moment) { move(moment, true); }

    QList<FakeWallClockAlarm *> alarms() const
    {
        QList<FakeWallClockAlarm *> live;
        for (const auto &alarm : m_alarms)
            if (alarm)
                live.append(alarm);
        return live;
    }

private:
    void move(const QDateTime &moment, bool jumped)
    {
        m_now = moment;
        for (FakeWallClockAlarm *alarm : alarms())
            alarm->clockMoved(m_now, jumped);
    }

    QDateTime m_now;
    mutable QList<QPointer<FakeWallClockAlarm>> m_alarms;
};

} // namespace brevora::test
