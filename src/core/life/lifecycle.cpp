// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/life/lifecycle.h"

#include "core/store/fileops.h"
#include "core/store/storelayout.h"
#include "os/files/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace brevora {

namespace {

// The order in which "Delete all alarms" empties the folders.
constexpr std::array<std::pair<AlarmKind, bool>, 9> removeAllOrder{ {
    { AlarmKind::Once, false },
    { AlarmKind::Monthly, false },
    { AlarmKind::Yearly, false },
    { AlarmKind::Weekly, false },
    { AlarmKind::Daily, false },
    { AlarmKind::Monthly, true },
    { AlarmKind::Yearly, true },
    { AlarmKind::Weekly, true },
    { AlarmKind::Daily, true },
} };

bool deleteAlarm(const QString &path, QString &reason)
{
    if (deleteFileForced(path) || !QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (file.remove())
        return true;
    reason = file.errorString();
    return false;
}

bool setAlarmAside(const StoreLayout &layout, AlarmKind kind, const QString &path, QString &reason)
{
    const QString name = QFileInfo(path).fileName();
    const QString &pastFolder = layout.pastFolder(kind);
    QDir().mkpath(pastFolder);
    const QString destination = layout.pastPath(kind, name);
    MoveResult result = moveFile(path, destination);
    if (result == MoveResult::DestinationExists) {
        // A waiting copy under this name is an older state of the same alarm; the one just shown wins, so
        // the file never stays in its active folder to fire again within the minute.
        const QString waiting = findNameIgnoringCase(pastFolder, name);
        if (!waiting.isEmpty() && deleteFileForced(pastFolder + u'/' + waiting))
            result = moveFile(path, destination);
    }
    if (result == MoveResult::Moved || result == MoveResult::SourceMissing)
        return true;
    QFile file(path);
    if (result == MoveResult::Failed && file.rename(destination))
        return true;
    reason = result == MoveResult::DestinationExists
        ? QCoreApplication::translate("brevora::core", "a file of that name waits in %1")
              .arg(QDir::toNativeSeparators(pastFolder))
        : file.errorString();
    return false;
}

void emptyFolder(const QString &folder, const QString &pattern, const Remover &remove, RemovalOutcome &outcome)
{
    // A store folder that is itself a link leads out of the store: what it names is not emptied from here. A
    // linked folder above it (Events on a synced drive) keeps the store whole and is used as it is.
    if (entryType(folder) == EntryType::Link) {
        outcome.notDeleted.append(
            QCoreApplication::translate("brevora::core", "%1 (a link to another folder, whose files are left)")
                .arg(folder));
        return;
    }
    // One listing serves the whole folder: each file is tried once, so an undeletable one cannot hold the loop.
    for (const QString &name : listFolder(folder, pattern))
        removeAlarmFile(folder + u'/' + name, remove, outcome);
    // A name that is not UTF-8 cannot be named back to the system, so that file stays; the user hears of it.
    for (const QString &name : namesNotValidUtf8(folder)) {
        if (QDir::match(pattern, name))
            outcome.notDeleted.append(QCoreApplication::translate("brevora::core", "%1 (its name is not valid UTF-8)")
                                          .arg(folder + u'/' + name));
    }
}

} // namespace

bool acknowledgeAlarm(const StoreLayout &layout, AlarmKind kind, const QString &path, QString &reason)
{
    return kind == AlarmKind::Once ? deleteAlarm(path, reason) : setAlarmAside(layout, kind, path, reason);
}

bool isStoreFolder(const StoreLayout &layout, const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty())
        return false;
    for (AlarmKind kind : allKinds) {
        for (const QString &candidate : { layout.activeFolder(kind), layout.pastFolder(kind) }) {
            if (!candidate.isEmpty() && QFileInfo(candidate).canonicalFilePath() == canonical)
                return true;
        }
    }
    return false;
}

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\');
}

void removeAlarmFile(const QString &path, const Remover &remove, RemovalOutcome &outcome)
{
    if (remove(path))
        ++outcome.deleted;
    else if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        outcome.notDeleted.append(path);
}

void removeKind(const StoreLayout &layout, AlarmKind kind, const Remover &remove, RemovalOutcome &outcome)
{
    emptyFolder(layout.activeFolder(kind), QStringLiteral("*.alm"), remove, outcome);
    if (isRecurring(kind))
        emptyFolder(layout.pastFolder(kind), QStringLiteral("*"), remove, outcome);
}

void removeAll(const StoreLayout &layout, const Remover &remove, RemovalOutcome &outcome)
{
    for (const auto &[kind, past] : removeAllOrder)
        emptyFolder(past ? layout.pastFolder(kind) : layout.activeFolder(kind), QStringLiteral("*"), remove, outcome);
}

} // namespace brevora
