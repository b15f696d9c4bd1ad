// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/clock/clock.h"

#include "os/clock/wallclockalarm.h"

namespace brevora {

const SystemClock &SystemClock::instance()
{
    static const SystemClock clock;
    return clock;
}

std::unique_ptr<WallClockAlarm> SystemClock::createAlarm(QObject *parent) const
{
    return createSystemWallClockAlarm(parent);
}

QDateTime minuteStart(const QDateTime &moment)
{
    QDateTime start = moment;
    start.setTime(QTime(moment.time().hour(), moment.time().minute()));
    return start;
}

QDateTime nextMinuteBoundary(const QDateTime &moment)
{
    return minuteStart(moment).addSecs(60);
}

} // namespace brevora
