// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/problem.h"
#include "core/life/addfields.h"
#include "core/store/storelayout.h"

#include <QDateTime>

namespace brevora {
class SystemProbe;
}

namespace brevora::cli {

struct AddRequest
{
    AlarmKind kind;
    QStringList when; // as typed: the date part (or weekday, or day) and then the time, HOUR:MINUTE
    QString text;
    std::optional<QString> sound; // empty for no sound
    bool force = false;
    QString replace; // an alarm file of the store that the new alarm takes the place of, or empty
};

// What each kind's time arguments look like ("D-M-YYYY H:MM"), and an example, for the messages.
QString addSyntax(AlarmKind kind);
QString addExample(AlarmKind kind);

// Reads --add's arguments as the clock writes the fields, then checks and writes the alarm through addFields; a
// refusal carries the command line's advice.
AddOutcome addAlarm(const StoreLayout &layout, const AddRequest &request, const QDateTime &now,
                    const SystemProbe &probe);

// Whether a sound plays, as the probe finds it: the command line's sound check for addFields.
SoundCheck probedSound(const SystemProbe &probe);

// What the command line advises about an alarm that --force would replace.
QString forceAdvice();

} // namespace brevora::cli
