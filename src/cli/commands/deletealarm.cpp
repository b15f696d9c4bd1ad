// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/deletealarm.h"

#include "core/life/lifecycle.h"
#include "core/names/alarmname.h"
#include "core/names/kindshape.h"
#include "core/store/fileops.h"
#include "os/files/regularfile.h"

#include <QDir>
#include <QFileInfo>

namespace brevora::cli {

namespace {

NamedAlarm notNamed(const QString &what, const QString &problem, const QString &advice)
{
    return { {}, { what, problem, advice } };
}

// Whether the entry at `path`, in a folder of the store, is an alarm that may be deleted: an alarm file's name
// on a regular file (a link to one is removed as a link). Anything else there is the user's and is kept.
NamedAlarm alarmEntry(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!hasAlarmExtension(QFileInfo(path).fileName()))
        return notNamed(shown, QStringLiteral("is not an alarm file (.alm)"), QStringLiteral("give an alarm file"));
    if (entryType(path) == EntryType::Missing)
        return notNamed(shown, QStringLiteral("there is no such alarm file"),
                        QStringLiteral("see brevora --list --json for the alarms and their files"));
    if (!QFileInfo(path).isFile())
        return notNamed(shown,
                        QStringLiteral("is not a regular file (a pipe, a folder, a device or a link that leads "
                                       "nowhere), so it is no alarm"),
                        QStringLiteral("move it out of the alarm folders"));
    return { QFileInfo(path).absoluteFilePath(), {} };
}

} // namespace

NamedAlarm namedAlarm(const StoreLayout &layout, const QString &file, std::optional<AlarmKind> kind)
{
    if (kind && isPlainName(file)) {
        for (const QString &folder : { layout.activeFolder(*kind), layout.pastFolder(*kind) }) {
            const QString path = folder + u'/' + file;
            if (!folder.isEmpty() && entryType(path) != EntryType::Missing)
                return alarmEntry(path);
        }
    }
    const QFileInfo info(file);
    // A folder reached through a link is the store's when it is one of the store's folders, as for the window.
    if (!isPlainName(info.fileName()) || !isStoreFolder(layout, info.absolutePath()))
        return notNamed(
            QDir::toNativeSeparators(file),
            QStringLiteral("is not in a folder of the alarms in %1").arg(layout.programDir()),
            kind ? QStringLiteral("give the path of an alarm file, or its name in the %1 folders").arg(kindWord(*kind))
                 : QStringLiteral("give the path of an alarm file, or its kind and name"));
    return alarmEntry(info.absoluteFilePath());
}

QList<Problem> deleteNamedAlarm(const NamedAlarm &alarm)
{
    RemovalOutcome outcome;
    removeAlarmFile(alarm.path, deleteFileForced, outcome);
    if (outcome.notDeleted.isEmpty())
        return {};
    return { { QDir::toNativeSeparators(alarm.path), QStringLiteral("the file could not be deleted"),
               QStringLiteral("check the folder's permissions") } };
}

} // namespace brevora::cli
