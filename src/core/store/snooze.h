// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/createalarm.h"

#include <QDateTime>
#include <QTimeZone>

namespace brevora {

class StoreLayout;

inline constexpr int snoozeMinutes = 10;

// The one-time alarm's file name a snooze at `now` writes into `onceFolder`: the minute snoozeMinutes after the
// minute of `now`, or the first minute after it whose name no file there has in any letter case.
QString snoozeFileName(const QString &onceFolder, const QDateTime &now);

// Writes an ordinary one-time alarm with the text and sound of a due alarm, under snoozeFileName.
CreatedAlarm snoozeAlarm(const StoreLayout &layout, const QString &text, const QString &sound, const QDateTime &now);

} // namespace brevora
