// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/life/createalarm.h"

#include "core/model/alarmfile.h"
#include "core/model/fieldrules.h"
#include "core/names/alarmname.h"
#include "core/store/fileops.h"
#include "core/store/safesave.h"
#include "core/store/storelayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace brevora {

CreatedAlarm createAlarm(const StoreLayout &layout, const NewAlarm &alarm)
{
    using Outcome = CreatedAlarm::Outcome;
    if (const QString invalid = invalidFieldsMessage(alarm.kind, alarm.fields); !invalid.isEmpty())
        return { Outcome::InvalidFields, {}, invalid };

    const QString folder = layout.activeFolder(alarm.kind);
    const QString path = layout.activePath(alarm.kind, alarmFileName(alarm.kind, alarm.fields));
    // An empty sound would be taken for a file and play the default sound; no sound is stored as such.
    const QString sound = alarm.sound.isEmpty() ? noSound : alarm.sound;
    QString error;
    if (!QDir().mkpath(folder))
        error = QCoreApplication::translate("brevora::core", "The folder %1 does not exist and cannot be created.")
                    .arg(QDir::toNativeSeparators(folder));
    else if (writeAlarmFile(path, alarm.kind,
                            AlarmRecord{ QStringList{ storableText(alarm.text), sound } + alarm.fields }, &error))
        return { Outcome::Created, path, {} };
    return { Outcome::NotSaved, path,
             QCoreApplication::translate("brevora::core", "The alarm could not be saved in the file %1.\n\n%2")
                 .arg(QDir::toNativeSeparators(path), error) };
}

namespace {

bool sameFile(const QString &a, const QString &b)
{
    return QFileInfo(a) == QFileInfo(b);
}

// The file in `folder` named `name` in any letter case; empty when there is none (or no folder, for Once).
QString findIn(const QString &folder, const QString &name)
{
    const QString found = folder.isEmpty() ? QString() : findNameIgnoringCase(folder, name);
    return found.isEmpty() ? QString() : QDir(folder).filePath(found);
}

} // namespace

CreatedAlarm changeAlarm(const StoreLayout &layout, const QString &oldPath, const NewAlarm &alarm,
                         const ReplaceQuestion &mayReplace)
{
    using Outcome = CreatedAlarm::Outcome;
    if (const QString invalid = invalidFieldsMessage(alarm.kind, alarm.fields); !invalid.isEmpty())
        return { Outcome::InvalidFields, {}, invalid };
    const QString name = alarmFileName(alarm.kind, alarm.fields);
    const QString oldName = QFileInfo(oldPath).fileName();
    // Another alarm under the new name in any letter case is replaced only when the user says so: an active one,
    // or one set aside after its notice, which comes back at the return.
    const QString other = findIn(layout.activeFolder(alarm.kind), name);
    const bool replacesOther = !other.isEmpty() && !sameFile(other, oldPath);
    const QString otherAside = findIn(layout.pastFolder(alarm.kind), name);
    const bool replacesAside = !otherAside.isEmpty() && name.compare(oldName, Qt::CaseInsensitive) != 0;
    if (replacesOther && !mayReplace(other))
        return { Outcome::NotReplaced, other, {} };
    if (!replacesOther && replacesAside && !mayReplace(otherAside))
        return { Outcome::NotReplaced, otherAside, {} };

    CreatedAlarm created = createAlarm(layout, alarm);
    if (created.outcome != Outcome::Created)
        return created;
    QStringList stale;
    if (!sameFile(oldPath, created.path))
        stale.append(oldPath);
    // A twin in another letter case would otherwise stay beside the alarm that replaced it.
    if (replacesOther && !sameFile(other, created.path))
        stale.append(other);
    if (replacesAside)
        stale.append(otherAside);
    // The old alarm set aside (its notice answered while the editor was open) would come back at the return beside
    // the changed one: its minute is gone with the change. It waits in the past folder of its own kind, the one
    // whose folder holds it, which a change to another kind leaves.
    QString oldPastFolder = layout.pastFolder(alarm.kind);
    for (AlarmKind kind : allKinds) {
        if (QDir::cleanPath(layout.activeFolder(kind)) == QFileInfo(oldPath).absolutePath())
            oldPastFolder = layout.pastFolder(kind);
    }
    if (const QString oldAside = findIn(oldPastFolder, oldName); !oldAside.isEmpty())
        stale.append(oldAside);
    for (const QString &path : std::as_const(stale)) {
        if (QFileInfo::exists(path) && !deleteFileForced(path))
            created.message = QCoreApplication::translate(
                                  "brevora::core", "The alarm was saved in the file %1, but %2 could not be removed.")
                                  .arg(QDir::toNativeSeparators(created.path), QDir::toNativeSeparators(path));
    }
    return created;
}

bool writeAlarmFile(const QString &path, AlarmKind kind, const AlarmRecord &record, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (record.fields.size() != kindInfo(kind).fieldCount())
        return fail(QCoreApplication::translate("brevora::core", "The alarm does not have the fields of its kind."));
    for (const QString &field : record.fields) {
        if (!canStoreField(field))
            return fail(QCoreApplication::translate("brevora::core",
                                                    "A value holds a character that an alarm file cannot store: %1")
                            .arg(field));
    }
    const QByteArray line = formatAlarmLine(record.fields);
    // What is written must be read back: the reader's cap is the one limit, checked here with a message.
    if (line.size() - 2 > maxAlarmLineBytes)
        return fail(QCoreApplication::translate(
                        "brevora::core",
                        "The alarm is too long: an alarm file holds at most %1 bytes, and this one would "
                        "need %2. Shorten the alarm text.")
                        .arg(maxAlarmLineBytes)
                        .arg(line.size() - 2));
    return saveFileAtomically(path, line, error);
}

namespace {

// Counted from the epoch, so a change of the clocks in between cannot skip or repeat a minute.
QDateTime snoozeMinute(const QDateTime &now, int offset)
{
    const qint64 minute = now.toSecsSinceEpoch() / 60 * 60;
    return QDateTime::fromSecsSinceEpoch(minute + 60LL * (snoozeMinutes + offset), now.timeZone());
}

} // namespace

QString snoozeFileName(const QString &onceFolder, const QDateTime &now)
{
    // A day's worth of taken minutes is more than any store holds; past it the last name tried is taken over.
    QString name;
    for (int offset = 0; offset < 24 * 60; ++offset) {
        name = alarmFileName(AlarmKind::Once, dueFieldsAt(AlarmKind::Once, snoozeMinute(now, offset)));
        if (findNameIgnoringCase(onceFolder, name).isEmpty())
            break;
    }
    return name;
}

CreatedAlarm snoozeAlarm(const StoreLayout &layout, const QString &text, const QString &sound, const QDateTime &now)
{
    const QString name = snoozeFileName(layout.activeFolder(AlarmKind::Once), now);
    const std::optional<QStringList> fields = splitAlarmName(AlarmKind::Once, name);
    return createAlarm(layout, NewAlarm{ AlarmKind::Once, fields.value_or(QStringList()), text, sound });
}

} // namespace brevora
