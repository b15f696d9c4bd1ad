// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QDateTime>

#include <optional>

namespace brevora {

// Why the clock never produces a name from `now` on.
struct NameFault
{
    QString why;
    QString rename; // a name the clock does write for the same moment, where there is one
    bool passed = false; // a one-time moment that has been
};

// Empty when the alarm falls due.
std::optional<NameFault> nameFault(AlarmKind kind, const QString &fileName, const QDateTime &now);

} // namespace brevora
