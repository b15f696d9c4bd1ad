// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmfile.h"

#include <QStringList>

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
    enum class Outcome { Created, InvalidFields, NotSaved };
    Outcome outcome;
    QString path; // the alarm's file, once its fields are valid
    QString message; // what the user is told when it was not created
};

// The one way a new alarm reaches the store, from the wizard and from the command line: checks the fields,
// makes the kind's folder when it is missing and writes the file through the safe save.
CreatedAlarm createAlarm(const StoreLayout &layout, const NewAlarm &alarm);

} // namespace brevora
