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
    QString replace; // an alarm file of the store that the new alarm takes the place of, or empty
};

struct AddOutcome
{
    // Rejected: the request itself is wrong, and messages say what is wrong with it. Refused: the store keeps
    // the alarm from being written. Usage: the arguments have not the shape of the kind's; messages may say why.
    enum class Status { Added, Rejected, Refused, Usage };
    Status status;
    QList<Problem> messages; // the refusal, or warnings about an alarm that was added
    QString path;
    bool replacedStayed = false; // added, but the alarm it replaces could not be removed: both are there
};

// What each kind's time arguments look like ("D-M-YYYY H:MM"), and an example, for the messages.
QString addSyntax(AlarmKind kind);
QString addExample(AlarmKind kind);

// Checks the fields as the wizard's editor does and writes the same file with the same bytes. Also refuses an
// alarm that the clock would never bring due and, without `force`, one that replaces an existing alarm. With
// `replace`, the alarm is changed as the window changes one: the new file is written first, and only then is the
// replaced one removed, so a refusal or a failed write leaves it as it was.
AddOutcome addAlarm(const StoreLayout &layout, const AddRequest &request, const QDateTime &now,
                    const SystemProbe &probe);

// An alarm whose due fields are already in file order and as the clock writes them, and whose sound is stored as
// given (noSound for none): what --add does after reading its arguments, and what an import does with each alarm.
struct FieldsRequest
{
    AlarmKind kind;
    QStringList fields;
    QString text;
    QString sound;
    bool force = false;
    QString replace;
};

// The checks and the write of addAlarm. With `dryRun`, everything is checked and nothing written: an Added
// outcome then names the file that would have been written.
AddOutcome addFields(const StoreLayout &layout, const FieldsRequest &request, const QDateTime &now,
                     const SystemProbe &probe, bool dryRun = false);

} // namespace brevora::cli
