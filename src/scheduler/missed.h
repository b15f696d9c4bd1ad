// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"
#include "core/store/storescan.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace brevora {

class StoreLayout;

// One minute at which the due check would have shown an alarm, had anyone been watching.
struct MissedAlarm
{
    QDateTime moment;
    AlarmKind kind = AlarmKind::Once;
    QString path;
    QString text;
};

// The minutes that went by unwatched: every minute after the one of `since` and before the one of `now` (that one
// is still being checked). Without `since` nobody knows when the program last watched, so no recurring alarm
// counts as missed.
struct UnwatchedTime
{
    std::optional<QDateTime> since;
    QDateTime now;
    // One-time alarms stay in their folder once passed, so at a start every passed one is news; after a jump of
    // the clock only those of the unwatched minutes are, the rest were shown while the program watched.
    bool everyPassedOnce = true;
};

struct MissedAlarms
{
    // By moment, at most the limit asked for. When the count stopped at its bound, they are the misses of the
    // longest span back from now that was counted whole: none newer is left out.
    QList<MissedAlarm> listed;
    qint64 total = 0; // every occurrence found, listed or not
    bool totalIsLowerBound = false; // the count stopped at its bound: at least `total` were missed
    QList<Problem> problems; // folders that could not be read: their alarms are not in the count
};

// The occurrences that fell in the unwatched minutes, by the due checks' own rules: the name the clock writes and
// a file the check can read. An alarm the checks could never show (a damaged file, a date that never comes) is not
// missed. The work is per occurrence, never per minute, and stops counting at a bound.
// About a daily alarm for three hundred years, or a hundred daily alarms for three: enough for any real absence,
// and a fraction of a second of work.
inline constexpr qint64 missedCountBound = 100'000;

MissedAlarms findMissedAlarms(const StoreLayout &layout, const UnwatchedTime &time, qsizetype listLimit,
                              const QList<AlarmKind> &kinds = { allKinds.begin(), allKinds.end() },
                              qint64 countBound = missedCountBound);

} // namespace brevora
