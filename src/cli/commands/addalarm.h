// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/problem.h"
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
};

struct AddOutcome
{
    enum class Status { Added, Refused, Usage };
    Status status;
    QList<Problem> messages; // the refusal, or warnings about an alarm that was added
    QString path;
};

// What each kind's time arguments look like, for the usage message.
QString addSyntax(AlarmKind kind);

// Checks the fields as the wizard's editor does and writes the same file with the same bytes. Also refuses an
// alarm that the clock would never bring due and, without `force`, one that replaces an existing alarm.
AddOutcome addAlarm(const StoreLayout &layout, const AddRequest &request, const QDateTime &now,
                    const SystemProbe &probe);

} // namespace brevora::cli
