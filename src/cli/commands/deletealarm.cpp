// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/deletealarm.h"

#include "core/life/lifecycle.h"
#include "core/names/kindshape.h"
#include "core/store/fileops.h"

#include <QDir>
#include <QFileInfo>

namespace brevora::cli {

namespace {

NamedAlarm notNamed(const QString &what, const QString &problem, const QString &advice)
{
    return { {}, { what, problem, advice } };
}

} // namespace

NamedAlarm namedAlarm(const StoreLayout &layout, const QString &file, std::optional<AlarmKind> kind)
{
    if (kind && isPlainName(file)) {
        for (const QString &folder : { layout.activeFolder(*kind), layout.pastFolder(*kind) }) {
            const QString path = folder + u'/' + file;
            if (!folder.isEmpty() && QFileInfo(path).isFile())
                return { path, {} };
        }
    }
    const QFileInfo info(file);
    const QString shown = QDir::toNativeSeparators(file);
    // A folder reached through a link is the store's when it is one of the store's folders, as for the window.
    if (!isPlainName(info.fileName()) || !isStoreFolder(layout, info.absolutePath()))
        return notNamed(
            shown, QStringLiteral("is not in a folder of the alarms in %1").arg(layout.programDir()),
            kind ? QStringLiteral("give the path of an alarm file, or its name in the %1 folders").arg(kindWord(*kind))
                 : QStringLiteral("give the path of an alarm file, or its kind and name"));
    if (!info.fileName().endsWith(alarmExtension, Qt::CaseInsensitive))
        return notNamed(shown, QStringLiteral("is not an alarm file (.alm)"), QStringLiteral("give an alarm file"));
    if (!info.isFile())
        return notNamed(shown, QStringLiteral("there is no such alarm file"),
                        QStringLiteral("see brevora --list --json for the alarms and their files"));
    return { info.absoluteFilePath(), {} };
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
