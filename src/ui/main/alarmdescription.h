// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QDateTime>
#include <QStringList>

namespace brevora {

// What the list says of one alarm when pointed at or read out: its text, then when it next rings, or "never" and
// why. `folderNames` are the names listed beside it.
QString describeAlarm(AlarmKind kind, const QString &path, const QStringList &folderNames, const QDateTime &now);

} // namespace brevora
