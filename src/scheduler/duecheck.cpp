// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler/duecheck.h"

#include "core/names/alarmname.h"
#include "core/store/fileops.h"

#include <QFileInfo>

namespace brevora {

QString dueFilePath(AlarmKind kind, const QString &activeFolder, const Clock &clock,
                    const std::function<FoldedNames()> &listing)
{
    const QString name = dueFileName(kind, clock);
    if (QFileInfo::exists(activeFolder + u'/' + name))
        return activeFolder + u'/' + name;
    const QString found = (listing ? listing() : filesByFoldedName(activeFolder)).value(name.toCaseFolded());
    return found.isEmpty() ? QString() : activeFolder + u'/' + found;
}

std::optional<DueAlarm> readDueAlarm(AlarmKind kind, const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    auto record = readAlarmFile(path, kind);
    if (!record)
        return std::nullopt;
    return DueAlarm{ kind, path, std::move(*record) };
}

std::optional<DueAlarm> findDueAlarm(AlarmKind kind, const QString &activeFolder, const Clock &clock)
{
    return readDueAlarm(kind, dueFilePath(kind, activeFolder, clock));
}

} // namespace brevora
