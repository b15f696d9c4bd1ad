// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmfile.h"

#include <QDateTime>
#include <QStringList>
#include <QTimeZone>

#include <functional>

namespace brevora {

class StoreLayout;

// Replaces the file atomically with the record's line. Fails, writing nothing, when the record does not
// fit the kind or a field cannot be stored; `error`, when given, then says why.
bool writeAlarmFile(const QString &path, AlarmKind kind, const AlarmRecord &record, QString *error = nullptr);

// A new alarm as the user gave it: the due fields in file order as typed, the text as typed, and the sound
// ("ninguno" for none).
struct NewAlarm
{
    AlarmKind kind;
    QStringList fields;
    QString text;
    QString sound;
};

struct CreatedAlarm
{
    enum class Outcome { Created, InvalidFields, NotSaved, NotReplaced };
    Outcome outcome;
    QString path; // the alarm's file, once its fields are valid
    QString message; // what the user is told when it was not created
};

// The one way a new alarm reaches the store, from the wizard and from the command line: checks the fields,
// makes the kind's folder when it is missing and writes the file through the safe save.
CreatedAlarm createAlarm(const StoreLayout &layout, const NewAlarm &alarm);

// Asked with the path of another alarm that a change would replace; true lets it be replaced.
using ReplaceQuestion = std::function<bool(const QString &otherPath)>;

// Changes the alarm at `oldPath` into `alarm`: the new file is written through createAlarm first, and only then
// is the old one removed when its name differs, so a failed write leaves the old alarm as it was. When the new
// name is another existing alarm, `mayReplace` decides; refused, nothing is written (NotReplaced). A Created
// outcome with a message says the old file could not be removed.
CreatedAlarm changeAlarm(const StoreLayout &layout, const QString &oldPath, const NewAlarm &alarm,
                         const ReplaceQuestion &mayReplace);

inline constexpr int snoozeMinutes = 10;

// The one-time alarm's file name a snooze at `now` writes into `onceFolder`: the minute snoozeMinutes after the
// minute of `now`, or the first minute after it whose name no file there has in any letter case.
QString snoozeFileName(const QString &onceFolder, const QDateTime &now);

// Writes an ordinary one-time alarm with the text and sound of a due alarm, under snoozeFileName.
CreatedAlarm snoozeAlarm(const StoreLayout &layout, const QString &text, const QString &sound, const QDateTime &now);

} // namespace brevora
