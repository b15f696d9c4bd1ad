// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/problem.h"
#include "core/store/storelayout.h"

#include <QStringList>

namespace brevora::cli {

// An alarm file of the store that a command names, or why what it names is none.
struct NamedAlarm
{
    QString path; // empty when no alarm of the store is named
    Problem problem;
};

// `file`: a path to an alarm file in one of the store's folders (as --check and --list --json print them). When
// `kind` is given, `file` may also be the bare name of an alarm in that kind's folder, or else in its folder of
// acknowledged alarms; that is looked for first.
NamedAlarm namedAlarm(const StoreLayout &layout, const QString &file, std::optional<AlarmKind> kind = std::nullopt);

// Deletes the alarm as the window's Delete does: only a file in the store's folders, a read-only one too. Empty
// when it is gone; otherwise what kept it.
QList<Problem> deleteNamedAlarm(const NamedAlarm &alarm);

} // namespace brevora::cli
