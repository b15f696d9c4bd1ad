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

namespace {

// The moment with the zone or offset of `like`, set from the epoch: a wall time is never rebuilt.
QDateTime atEpochMSecs(const QDateTime &like, qint64 msecs)
{
    QDateTime moment = like;
    moment.setMSecsSinceEpoch(msecs);
    return moment;
}

qint64 minuteStartMSecs(const QDateTime &moment)
{
    const qint64 msecs = moment.toMSecsSinceEpoch();
    return msecs - ((msecs % msecsPerMinute) + msecsPerMinute) % msecsPerMinute;
}

} // namespace

// Minutes are counted on the epoch: in the hour a change to winter time repeats, a wall time names two instants,
// and a boundary rebuilt from it may lie an hour away.
QDateTime minuteStart(const QDateTime &moment)
{
    return atEpochMSecs(moment, minuteStartMSecs(moment));
}

QDateTime nextMinuteBoundary(const QDateTime &moment)
{
    return atEpochMSecs(moment, minuteStartMSecs(moment) + msecsPerMinute);
}

} // namespace brevora
