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

// The first instant, at or after the start of the minute of `from`, at which the local clock writes a due name
// equal to the name ignoring letter case: the due check builds that name from the clock, so this is the next minute
// the alarm is shown. In the hour a change to winter time repeats, the clock writes a name twice and both instants
// count; in the hour a change to summer time skips, never. Empty when the clock never writes that name again: a day
// the month never has, a one-time moment that has passed or lies before the epoch. The moment carries the clock's
// offset at that instant.
std::optional<QDateTime> nextDueMoment(const DueName &name, const QDateTime &from);
std::optional<QDateTime> nextDueMoment(AlarmKind kind, const QString &fileName, const QDateTime &from);

} // namespace brevora
