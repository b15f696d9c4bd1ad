// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QDateTime>
#include <QStringList>

#include <optional>

namespace brevora {

// When the due check next shows an alarm of an active folder, or why it never does: what a window tells the user
// about one alarm. The store check words the same faults as problems, with what to do about them.
struct DueVerdict
{
    std::optional<QDateTime> next;
    QString whyNever; // in the user's language where a window installed one; empty when `next` is set
};

// `readable`: the file holds the fields of its kind. `folderNames`: the names beside it in its folder, among which
// a twin that differs only in letter case may be opened in its place.
DueVerdict dueVerdict(AlarmKind kind, const QString &fileName, bool readable, const QStringList &folderNames,
                      const QDateTime &now);

} // namespace brevora
