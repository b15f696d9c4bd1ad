// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmfile.h"

#include <QDateTime>
#include <QHash>

#include <functional>
#include <optional>

namespace brevora {

class Clock;

// One alarm's minute: the file the due check found, what it read there, and the minute it falls due in. It is made
// once, when the minute comes, and is all the notice, its notification and a snooze know of the alarm: none of them
// reads the file again or works out a minute or a key of its own.
struct Occurrence
{
    AlarmKind kind = AlarmKind::Once;
    QString path;
    AlarmRecord record;
    // The first moment of the minute, as an instant with the zone's offset from UTC at that moment.
    QDateTime due;

    QString text() const { return record.text(); }
    QString sound() const { return record.sound(); }
    qint64 dueMs() const { return due.toMSecsSinceEpoch(); }
    // The desktop notification's key: one per file and minute, in no letter case of the path.
    QString key() const { return occurrenceKey(path, dueMs()); }

    static QString occurrenceKey(const QString &path, qint64 dueMs);
    // Whether `key` is an occurrence's, not another notification's of the program.
    static bool isOccurrenceKey(const QString &key);
};

// Whether the occurrence's minute is over at `now`. Only the hour and the minute of the wall clock decide, so a
// clock set back a day to the same minute keeps the alarm's minute going, and a clock set to another minute ends it.
bool minuteHasEnded(const Occurrence &occurrence, const QDateTime &now);

// The folder's file names by case-folded name, as filesByFoldedName gives them.
using FoldedNames = QHash<QString, QString>;

// The path of the file in `activeFolder` that holds the alarm of `kind` due in the clock's current minute: the name
// the clock gives that minute, found without regard to letter case (of twins, the one the twin rule shows); empty
// when there is none. The name as the editor writes it needs no listing; any other case is looked up in `listing`,
// which lists the folder afresh unless the caller keeps a listing of its own.
QString dueFilePath(AlarmKind kind, const QString &activeFolder, const Clock &clock,
                    const std::function<FoldedNames()> &listing = {});

// The occurrence of the file at `path` in the minute that starts at `due`, if the file is there and can be read.
std::optional<Occurrence> readOccurrence(AlarmKind kind, const QString &path, const QDateTime &due);

// The alarm of the clock's current minute, if its file is there and can be read.
std::optional<Occurrence> findDueOccurrence(AlarmKind kind, const QString &activeFolder, const Clock &clock);

} // namespace brevora
