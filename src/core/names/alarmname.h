// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QDateTime>
#include <QStringList>

namespace brevora {

class Clock;

// "Monday" for 1 ... "Sunday" for 7; empty outside that range.
QString weekdayName(int mondayBasedDay);

// The fields after text and sound that an alarm of `kind` due at `moment` carries, in file order,
// each in plain decimal without leading zeros (the weekday by its English name).
QStringList dueFieldsAt(AlarmKind kind, const QDateTime &moment);

// The file name (no folder) of an alarm of `kind` with the given due fields in file order, such as
// "3-2-2007_14-0.alm"; empty when the number of fields does not fit the kind. The fields are used as
// they stand, so the editor, the due check and the notice all build byte-identical names.
QString alarmFileName(AlarmKind kind, const QStringList &dueFields);

// The name of the alarm of `kind` that is due in the clock's current minute.
QString dueFileName(AlarmKind kind, const Clock &clock);

} // namespace brevora
