// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

#include <optional>

namespace brevora {

class Clock;

// "Monday" for 1 ... "Sunday" for 7; empty outside that range.
QString weekdayName(int mondayBasedDay);

// The day (1 for Monday) whose name the text is in any letter case.
std::optional<int> weekdayNumber(const QString &text);
// The same, also for the day's name in the locale's language (how a user types it: "Montag", "lunes"), with or
// without its accents ("miércoles", "miercoles").
std::optional<int> weekdayNumber(const QString &text, const QLocale &locale);

// A number as the clock writes it in a name: up to four plain decimal digits without a leading zero. Anything
// else (a sign, a blank, a leading zero) the clock never writes.
std::optional<int> nameNumber(const QString &text);

// The fields after text and sound that an alarm of `kind` due at `moment` carries, in file order,
// each in plain decimal without leading zeros (the weekday by its English name).
QStringList dueFieldsAt(AlarmKind kind, const QDateTime &moment);

// The file name (no folder) of an alarm of `kind` with the given due fields in file order, such as
// "3-2-2007_14-0.alm"; empty when the number of fields does not fit the kind. The fields are used as
// they stand, so the editor, the due check and the notice all build byte-identical names.
QString alarmFileName(AlarmKind kind, const QStringList &dueFields);

// The due fields a file name stands for, split at the kind's separators without any check of their values;
// empty when the name has not the shape of the kind's names.
std::optional<QStringList> splitAlarmName(AlarmKind kind, const QString &fileName);

// Whether the name is an alarm file's, whatever the letter case of its extension.
bool hasAlarmExtension(const QString &fileName);

// The name of the alarm of `kind` that is due in the clock's current minute.
QString dueFileName(AlarmKind kind, const Clock &clock);

} // namespace brevora
