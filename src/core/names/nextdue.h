// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace brevora {

// What a name asks of the clock, read once: the time, and the date fields the kind's names carry (the others
// empty). Kept apart from the search below, so that how moments are counted can change without the names.
struct DueName
{
    AlarmKind kind = AlarmKind::Once;
    QString fileName;
    QTime time;
    std::optional<int> year, month, day, weekday;
};

// Empty when the clock never writes a name of this shape and these numbers (a leading zero, a misspelt weekday).
std::optional<DueName> readDueName(AlarmKind kind, const QString &fileName);

// The first minute, at or after the minute of `from`, whose due name equals the name ignoring letter case: the due
// check builds that name from the clock, so this is the next minute the alarm is shown. Empty when the clock never
// writes that name again: a day the month never has, a one-time moment that has passed.
std::optional<QDateTime> nextDueMoment(const DueName &name, const QDateTime &from);
std::optional<QDateTime> nextDueMoment(AlarmKind kind, const QString &fileName, const QDateTime &from);

} // namespace brevora
