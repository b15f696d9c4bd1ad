// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/problem.h"
#include "core/model/alarmkind.h"

#include <QDateTime>

#include <optional>

namespace brevora::cli {

// Why the clock never produces this name from `now` on, and what to do; empty when the alarm falls due.
std::optional<Problem> nameProblem(AlarmKind kind, const QString &path, const QString &fileName, const QDateTime &now);

} // namespace brevora::cli
