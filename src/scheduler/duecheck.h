#pragma once

#include "store/alarmfile.h"

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

// The path of the file in `activeFolder` that holds the alarm of `kind` due in the clock's current minute:
// the name the clock gives that minute, found without regard to letter case; empty when there is none.
QString dueFilePath(AlarmKind kind, const QString &activeFolder, const Clock &clock);

// The alarm of the current minute, if its file is there and can be read.
std::optional<DueAlarm> findDueAlarm(AlarmKind kind, const QString &activeFolder, const Clock &clock);

} // namespace brevora
