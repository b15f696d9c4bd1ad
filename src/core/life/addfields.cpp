// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/life/addfields.h"

#include "core/life/createalarm.h"
#include "core/model/fieldrules.h"
#include "core/names/alarmname.h"
#include "core/names/namefault.h"
#include "core/store/fileops.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace brevora {

namespace {

using Status = AddOutcome::Status;

bool sameFile(const QString &a, const QString &b)
{
    return !b.isEmpty() && QFileInfo(a) == QFileInfo(b);
}

AddOutcome refused(Status status, const QString &path, const QString &problem, const QString &advice = {})
{
    return { status, { Problem{ path, problem, advice } }, path };
}

} // namespace

AddOutcome addFields(const StoreLayout &layout, const FieldsRequest &request, const QDateTime &now,
                     const SoundCheck &soundPlays, bool dryRun, FolderNames *folderNames)
{
    const QString folder = layout.activeFolder(request.kind);
    if (const QString invalid = invalidFieldsMessage(request.kind, request.fields); !invalid.isEmpty())
        return refused(Status::Rejected, folder, invalid);
    const QString name = alarmFileName(request.kind, request.fields);
    QString path = layout.activePath(request.kind, name);
    if (const auto fault = nameFault(request.kind, name, now))
        return refused(Status::Rejected, path, fault->why);

    QStringList existing;
    for (const QString &where : { folder, layout.pastFolder(request.kind) }) {
        const QString found = where.isEmpty() ? QString()
            : folderNames                     ? folderNames->findIgnoringCase(where, name)
                                              : findNameIgnoringCase(where, name);
        // The alarm being changed is no other alarm in the way.
        if (!found.isEmpty() && !sameFile(where + u'/' + found, request.replace))
            existing.append(where + u'/' + found);
    }
    // Only an alarm file is ever replaced: a pipe or a folder under an alarm's name is the user's.
    for (const QString &other : std::as_const(existing)) {
        if (!QFileInfo(other).isFile())
            return refused(Status::Refused, other,
                           QCoreApplication::translate("brevora::core",
                                                       "is not a regular file (a pipe, a folder, a device or a link "
                                                       "that leads nowhere), so it is no alarm and is not replaced"),
                           QCoreApplication::translate("brevora::core", "move it out of the alarm folders"));
    }
    if (!existing.isEmpty() && !request.force)
        return refused(
            Status::Taken, existing.first(),
            QCoreApplication::translate("brevora::core", "an alarm of this kind at this moment already exists"));
    if (dryRun)
        return { Status::Added, {}, path };

    const NewAlarm alarm{ request.kind, request.fields, request.text, request.sound };
    const CreatedAlarm created = request.replace.isEmpty()
        ? createAlarm(layout, alarm)
        : changeAlarm(layout, request.replace, alarm, [](const QString &) { return true; });
    if (created.outcome != CreatedAlarm::Outcome::Created)
        return refused(Status::Refused, path, created.message);
    for (const QString &old : std::as_const(existing)) {
        if (old != path && deleteFileForced(old) && folderNames)
            folderNames->removed(QFileInfo(old).path(), QFileInfo(old).fileName());
    }
    if (folderNames)
        folderNames->written(folder, name);
    AddOutcome added{ Status::Added, {}, path };
    // Written, but the replaced file stayed: the user has two alarms where one was meant.
    added.replacedStayed = !created.message.isEmpty();
    if (request.sound != noSound && (!QFileInfo(request.sound).isFile() || !soundPlays(request.sound)))
        added.messages.append({ path,
                                QCoreApplication::translate("brevora::core", "warning: the sound file %1 does not play")
                                    .arg(request.sound),
                                QStringLiteral("choose a sound file that exists and holds sound") });
    return added;
}

} // namespace brevora
