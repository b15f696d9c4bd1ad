// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/checkstore.h"

#include "core/names/alarmname.h"
#include "core/names/namefault.h"
#include "core/names/nextdue.h"
#include "core/settings/settingsfiles.h"
#include "os/files/regularfile.h"

#include <QFileInfo>
#include <QHash>

namespace brevora::cli {

namespace {

// How many fields the line holds, counted by the program's own reader.
int countFields(const QByteArray &line)
{
    int count = 0;
    while (count < 64 && parseAlarmLine(line, count + 1))
        ++count;
    return count;
}

void checkSettings(const StoreLayout &layout, QList<Problem> &problems)
{
    for (Setting setting : { Setting::Past, Setting::Startup, Setting::Hide }) {
        const QString path = settingFilePath(layout.settingsFolder(), setting);
        const QString fallback = settingDefault(setting) ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#");
        // Read without blocking: a pipe named like a settings file would wait for a writer for good.
        const std::optional<QByteArray> content = readRegularFile(path, 64);
        if (!content && QFileInfo::exists(path) && !QFileInfo(path).isFile()) {
            problems.append(
                { path,
                  QStringLiteral("is not a regular file (a pipe, a device or a folder), so the setting "
                                 "cannot be read"),
                  QStringLiteral("remove it; Brevora recreates it with %1 at its next start").arg(fallback) });
            continue;
        }
        if (!content) {
            problems.append({ path, QStringLiteral("the settings file is missing or cannot be read"),
                              QStringLiteral("Brevora recreates it with %1 at its next start; save the settings in "
                                             "Options to choose")
                                  .arg(fallback) });
            continue;
        }
        if (*content != formatSettingValue(true) && *content != formatSettingValue(false))
            problems.append(
                { path, QStringLiteral("the settings file does not hold exactly #TRUE# or #FALSE#"),
                  QStringLiteral("save the settings in Options, or write %1 followed by a line end").arg(fallback) });
    }
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

void StoreCheck::other(const QString &path)
{
    m_report({ path, QStringLiteral("is not an alarm file (.alm) and is never shown"),
               QStringLiteral("move it out of the alarm folders") });
}

void StoreCheck::alarm(const StoredAlarm &alarm, const AlarmContent &content)
{
    if (auto problem = nameProblem(alarm.kind, alarm.path(), alarm.fileName, m_now))
        m_report(*problem);
    checkContent(alarm, content, m_report);
    m_twins.add(alarm);
}

void StoreCheck::finish(const StoreLayout &layout)
{
    m_twins.forEachHidden([this](const StoredAlarm &hidden, const StoredAlarm &found, bool certain) {
        m_report(twinProblem(hidden, found, certain));
    });
    QList<Problem> settings;
    checkSettings(layout, settings);
    for (const Problem &problem : std::as_const(settings))
        m_report(problem);
}

} // namespace brevora::cli
