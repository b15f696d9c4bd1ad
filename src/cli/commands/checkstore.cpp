// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/checkstore.h"

#include "cli/commands/namecheck.h"
#include "core/settings/settingsfiles.h"
#include "scheduler/nextdue.h"

#include <QFile>
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

void checkContent(const StoredAlarm &alarm, QList<Problem> &problems)
{
    const int expected = kindInfo(alarm.kind).fieldCount;
    if (!alarm.record) {
        if (!alarm.line)
            problems.append({ alarm.path(),
                              QStringLiteral("the file cannot be read, or its first line is over 64 KiB, so this alarm "
                                             "is never shown"),
                              QStringLiteral("check its permissions, or delete it and add the alarm again") });
        else
            problems.append({ alarm.path(),
                              QStringLiteral("the file holds %1 readable fields where a %2 alarm has %3, so this alarm "
                                             "is never shown")
                                  .arg(countFields(*alarm.line))
                                  .arg(kindCaption(alarm.kind).toLower())
                                  .arg(expected),
                              QStringLiteral("delete it and add the alarm again") });
        return;
    }
    if (parseAlarmLine(*alarm.line, expected + 1))
        problems.append(
            { alarm.path(),
              QStringLiteral("the file holds more than the %1 fields of its kind; the rest is ignored").arg(expected),
              QStringLiteral("delete it and add the alarm again") });
    const auto parts = splitAlarmName(alarm.kind, alarm.fileName);
    if (!parts)
        return;
    const QStringList fields = alarm.record->dueFields();
    for (qsizetype i = 0; i < parts->size(); ++i) {
        if (fields.value(i).compare(parts->at(i), Qt::CaseInsensitive) != 0) {
            problems.append({ alarm.path(),
                              QStringLiteral("the fields in the file (%1) disagree with its name: the alarm falls due "
                                             "by its name but its notice shows the fields")
                                  .arg(fields.join(u' ')),
                              QStringLiteral("delete it and add the alarm again") });
            return;
        }
    }
}

void checkLetterCase(const QList<StoredAlarm> &alarms, QList<Problem> &problems)
{
    QHash<QString, const StoredAlarm *> seen;
    for (const StoredAlarm &alarm : alarms) {
        const QString key = QString::number(static_cast<int>(alarm.kind)) + u'/' + alarm.fileName.toCaseFolded();
        const StoredAlarm *other = seen.value(key);
        if (!other) {
            seen.insert(key, &alarm);
        } else if (other->waiting != alarm.waiting) {
            const StoredAlarm &waiting = alarm.waiting ? alarm : *other;
            const StoredAlarm &active = alarm.waiting ? *other : alarm;
            problems.append({ waiting.path(),
                              QStringLiteral("waits to come back but the same alarm is already in %1, so it cannot "
                                             "come back")
                                  .arg(active.path()),
                              QStringLiteral("delete the one you do not want") });
        } else {
            problems.append({ alarm.path(),
                              QStringLiteral("differs from %1 only in letter case, so only one of them is shown")
                                  .arg(other->fileName),
                              QStringLiteral("delete the one you do not want") });
        }
    }
}

void checkSettings(const StoreLayout &layout, QList<Problem> &problems)
{
    for (Setting setting : { Setting::Past, Setting::Startup, Setting::Hide }) {
        const QString path = settingFilePath(layout.settingsFolder(), setting);
        QFile file(path);
        const QString fallback = settingDefault(setting) ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#");
        if (!file.open(QIODevice::ReadOnly)) {
            problems.append({ path, QStringLiteral("the settings file is missing or cannot be read"),
                              QStringLiteral("Brevora recreates it with %1 at its next start; save the settings in "
                                             "Options to choose")
                                  .arg(fallback) });
            continue;
        }
        const QByteArray content = file.read(64);
        if (content != formatSettingValue(true) && content != formatSettingValue(false))
            problems.append(
                { path, QStringLiteral("the settings file does not hold exactly #TRUE# or #FALSE#"),
                  QStringLiteral("save the settings in Options, or write %1 followed by a line end").arg(fallback) });
    }
}

} // namespace

QList<Problem> checkStore(const StoreLayout &layout, const QList<StoredAlarm> &alarms, const QStringList &others,
                          const QDateTime &now)
{
    QList<Problem> problems;
    for (const QString &path : others)
        problems.append({ path, QStringLiteral("is not an alarm file (.alm) and is never shown"),
                          QStringLiteral("move it out of the alarm folders") });
    for (const StoredAlarm &alarm : alarms) {
        if (auto problem = nameProblem(alarm.kind, alarm.path(), alarm.fileName, now))
            problems.append(*problem);
        checkContent(alarm, problems);
    }
    checkLetterCase(alarms, problems);
    checkSettings(layout, problems);
    return problems;
}

} // namespace brevora::cli
