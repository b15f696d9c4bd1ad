// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace brevora {

// The due fields a file name stands for, split at the kind's separators without any check of their values;
// empty when the name has not the shape of the kind's names.
std::optional<QStringList> splitAlarmName(AlarmKind kind, const QString &fileName);

// The first minute, at or after the minute of `from`, whose due name equals `fileName` ignoring letter case:
// the due check builds that name from the clock, so this is the next minute the alarm is shown. Empty when the
// clock never writes that name again: a leading zero, a day the month never has, a misspelt weekday, a
// one-time moment that has passed.
std::optional<QDateTime> nextDueMoment(AlarmKind kind, const QString &fileName, const QDateTime &from);

} // namespace brevora
