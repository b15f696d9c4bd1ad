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
    QList<MissedAlarm> listed; // by moment, at most the limit asked for
    qint64 total = 0; // every occurrence found, listed or not
    bool totalIsLowerBound = false; // the count stopped at its bound: at least `total` were missed
    QList<Problem> problems; // folders that could not be read: their alarms are not in the count
};

// The occurrences that fell in the unwatched minutes, by the due checks' own rules: the name the clock writes and
// a file the check can read. An alarm the checks could never show (a damaged file, a date that never comes) is not
// missed. The work is per occurrence, never per minute, and stops counting at a bound.
MissedAlarms findMissedAlarms(const StoreLayout &layout, const UnwatchedTime &time, qsizetype listLimit,
                              const QList<AlarmKind> &kinds = { allKinds.begin(), allKinds.end() });

} // namespace brevora
