// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmfile.h"

#include <QHash>

#include <functional>
#include <optional>

namespace brevora {

class Clock;

// An alarm whose minute is now, as the due check found it.
struct DueAlarm
{
    AlarmKind kind = AlarmKind::Once;
    QString path;
    AlarmRecord record;

    QString text() const { return record.text(); }
    QString sound() const { return record.sound(); }
};

// The folder's file names by case-folded name, as filesByFoldedName gives them.
using FoldedNames = QHash<QString, QString>;

// The path of the file in `activeFolder` that holds the alarm of `kind` due in the clock's current minute:
// the name the clock gives that minute, found without regard to letter case (of twins, the one twins.h says);
// empty when there is none. The name as the editor writes it needs no listing; any other case is looked up in
// `listing`, which lists the folder afresh unless the caller keeps a listing of its own.
QString dueFilePath(AlarmKind kind, const QString &activeFolder, const Clock &clock,
                    const std::function<FoldedNames()> &listing = {});

// The alarm in the file at `path`, if there is one and it can be read.
std::optional<DueAlarm> readDueAlarm(AlarmKind kind, const QString &path);

// The alarm of the current minute, if its file is there and can be read.
std::optional<DueAlarm> findDueAlarm(AlarmKind kind, const QString &activeFolder, const Clock &clock);

} // namespace brevora
