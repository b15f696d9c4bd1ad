// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

#include <memory>

class QObject;

namespace brevora {

class WallClockAlarm;

// Every read of the time goes through a Clock, so that tests can move time freely. A clock also makes the
// alarms that ring by its time, so that what wakes the program and what it then reads always agree.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    virtual std::unique_ptr<WallClockAlarm> createAlarm(QObject *parent = nullptr) const = 0;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    std::unique_ptr<WallClockAlarm> createAlarm(QObject *parent = nullptr) const override;
    static const SystemClock &instance();
};

inline constexpr qint64 msecsPerMinute = 60'000;

// The first instant of the minute `moment` is in, and of the minute after it: whole minutes of the epoch, in the
// zone or offset of `moment`.
QDateTime minuteStart(const QDateTime &moment);
QDateTime nextMinuteBoundary(const QDateTime &moment);

} // namespace brevora
