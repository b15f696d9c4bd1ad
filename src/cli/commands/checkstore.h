// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/commands/storescan.h"
#include "cli/problem.h"

#include <QDateTime>

namespace brevora::cli {

// Everything in the store itself that keeps an alarm from being shown: unreadable files, names the clock never
// writes, contents that disagree with the name, moments that have passed, names that differ only in letter
// case, stray files in the active folders and settings files that are not exactly one of the two values.
QList<Problem> checkStore(const StoreLayout &layout, const QList<StoredAlarm> &alarms, const QStringList &others,
                          const QDateTime &now);

} // namespace brevora::cli
