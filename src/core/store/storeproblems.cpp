// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/storeproblems.h"

#include "core/names/alarmname.h"
#include "core/names/namefault.h"

namespace brevora {

namespace {

// How many fields the line holds, counted by the program's own reader.
int countFields(const QByteArray &line)
{
    int count = 0;
    while (count < 64 && parseAlarmLine(line, count + 1))
        ++count;
    return count;
}

} // namespace

Problem twinProblem(const StoredAlarm &hidden, const StoredAlarm &found, bool certain)
{
    const QString advice = QStringLiteral("delete the one you do not want");
    if (hidden.waiting && !found.waiting)
        return { hidden.path(),
                 QStringLiteral("waits to come back but the same alarm is already in %1, so it cannot come back")
                     .arg(found.path()),
                 advice };
    if (certain)
        return { hidden.path(),
                 QStringLiteral("differs from %1 only in letter case, and the program finds that one, so this "
                                "alarm is never shown")
                     .arg(found.fileName),
                 advice };
    return { hidden.path(),
             QStringLiteral("differs from %1 only in letter case, so only one of them is shown").arg(found.fileName),
             advice };
}

void checkContent(const StoredAlarm &alarm, const AlarmContent &content, const ProblemSink &report)
{
    const int expected = kindInfo(alarm.kind).fieldCount();
    if (!content.record) {
        if (!content.line) {
            report({ alarm.path(),
                     QStringLiteral("the file cannot be read, or its first line is over 64 KiB, so this alarm is "
                                    "never shown"),
                     QStringLiteral("check its permissions, or delete it and add the alarm again") });
        } else {
            const int found = countFields(*content.line);
            report({ alarm.path(),
                     QStringLiteral("the file holds %1 readable %2 where a %3 alarm has %4, so this alarm is never "
                                    "shown")
                         .arg(found)
                         .arg(found == 1 ? QStringLiteral("field") : QStringLiteral("fields"))
                         .arg(kindCaption(alarm.kind).toLower())
                         .arg(expected),
                     QStringLiteral("delete it and add the alarm again") });
        }
        return;
    }
    if (parseAlarmLine(*content.line, expected + 1))
        report(
            { alarm.path(),
              QStringLiteral("the file holds more than the %1 fields of its kind; the rest is ignored").arg(expected),
              QStringLiteral("delete it and add the alarm again") });
    const auto parts = splitAlarmName(alarm.kind, alarm.fileName);
    if (!parts)
        return;
    const QStringList fields = content.record->dueFields();
    for (qsizetype i = 0; i < parts->size(); ++i) {
        if (fields.value(i).compare(parts->at(i), Qt::CaseInsensitive) != 0) {
            report({ alarm.path(),
                     QStringLiteral("the fields in the file (%1) disagree with its name: the alarm falls due by its "
                                    "name but its notice shows the fields")
                         .arg(fields.join(u' ')),
                     QStringLiteral("delete it and add the alarm again") });
            return;
        }
    }
}

std::optional<Problem> nameProblem(AlarmKind kind, const QString &path, const QString &fileName, const QDateTime &now)
{
    const auto fault = nameFault(kind, fileName, now);
    if (!fault)
        return std::nullopt;
    if (fault->passed)
        return Problem{ path, QStringLiteral("this one-time alarm's moment has passed, so it is never shown"),
                        QStringLiteral("delete it") };
    return Problem{ path, fault->why + QStringLiteral(", so this alarm is never shown"),
                    fault->rename.isEmpty() ? QStringLiteral("delete it and add the alarm again")
                                            : QStringLiteral("rename it to %1").arg(fault->rename) };
}

} // namespace brevora
