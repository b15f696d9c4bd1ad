// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/life/occurrence.h"

#include "core/names/alarmname.h"
#include "core/store/fileops.h"
#include "os/clock/clock.h"

#include <QFileInfo>

namespace brevora {

namespace {

const QString keyPrefix = QStringLiteral("notice ");

} // namespace

QString Occurrence::occurrenceKey(const QString &path, qint64 dueMs)
{
    // The instant, not the wall time: the same wall minute twice in a night the clocks go back is two occurrences.
    return keyPrefix + QString::number(dueMs / 1000) + u' ' + path.toCaseFolded();
}

bool Occurrence::isOccurrenceKey(const QString &key)
{
    return key.startsWith(keyPrefix);
}

bool minuteHasEnded(const Occurrence &occurrence, const QDateTime &now)
{
    const QTime wall = now.time();
    const QTime due = occurrence.due.time();
    return wall.hour() != due.hour() || wall.minute() != due.minute();
}

QString dueFilePath(AlarmKind kind, const QString &activeFolder, const Clock &clock,
                    const std::function<FoldedNames()> &listing)
{
    const QString name = dueFileName(kind, clock);
    if (QFileInfo::exists(activeFolder + u'/' + name))
        return activeFolder + u'/' + name;
    const QString found = (listing ? listing() : filesByFoldedName(activeFolder)).value(name.toCaseFolded());
    return found.isEmpty() ? QString() : activeFolder + u'/' + found;
}

std::optional<Occurrence> readOccurrence(AlarmKind kind, const QString &path, const QDateTime &due)
{
    if (path.isEmpty())
        return std::nullopt;
    auto record = readAlarmFile(path, kind);
    if (!record)
        return std::nullopt;
    return Occurrence{ kind, path, std::move(*record), due };
}

std::optional<Occurrence> findDueOccurrence(AlarmKind kind, const QString &activeFolder, const Clock &clock)
{
    return readOccurrence(kind, dueFilePath(kind, activeFolder, clock), minuteStart(clock.now()));
}

} // namespace brevora
