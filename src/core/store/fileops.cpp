// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/fileops.h"

#include "core/names/twins.h"

#include "os/files/regularfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace brevora {

QString findNameIgnoringCase(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(QDir(folder).filePath(name)))
        return name;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QString candidate = it.fileName();
        if (candidate.compare(name, Qt::CaseInsensitive) == 0)
            return candidate;
    }
    return {};
}

QString FolderNames::findIgnoringCase(const QString &folder, const QString &name)
{
    const QStringList &found = namesIn(folder).value(name.toCaseFolded());
    // The name as written wins over its twins, as it does for findNameIgnoringCase.
    return found.contains(name) ? name : found.value(0);
}

void FolderNames::written(const QString &folder, const QString &name)
{
    QStringList &names = namesIn(folder)[name.toCaseFolded()];
    if (!names.contains(name))
        names.append(name);
}

void FolderNames::removed(const QString &folder, const QString &name)
{
    auto &names = namesIn(folder);
    const QString folded = name.toCaseFolded();
    if (names.contains(folded))
        names[folded].removeAll(name);
}

QHash<QString, QStringList> &FolderNames::namesIn(const QString &folder)
{
    const auto known = m_folders.find(folder);
    if (known != m_folders.end())
        return *known;
    QHash<QString, QStringList> &names = m_folders[folder];
    // The entries findNameIgnoringCase looks at, pipes and folders among them.
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        names[it.fileName().toCaseFolded()].append(it.fileName());
    }
    return names;
}

QHash<QString, QString> filesByFoldedName(const QString &folder)
{
    QHash<QString, QString> names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        // Of names that differ only in letter case, the due check's rule keeps the first.
        const QString name = it.fileName();
        QString &kept = names[name.toCaseFolded()];
        if (kept.isEmpty() || twinOrder(name, kept))
            kept = name;
    }
    return names;
}

QString resolvePathIgnoringCase(const QString &base, const QString &relative)
{
    QString path = base;
    bool missing = false;
    for (const QString &part : relative.split(u'/', Qt::SkipEmptyParts)) {
        const QString found = missing ? QString() : findNameIgnoringCase(path, part);
        missing = missing || found.isEmpty();
        path = QDir(path).filePath(missing ? part : found);
    }
    return path;
}

MoveResult moveFile(const QString &source, const QString &destination)
{
    const QFileInfo src(source);
    if (!src.exists() || src.isDir())
        return MoveResult::SourceMissing;
    const QFileInfo dst(destination);
    if (dst.exists() || !findNameIgnoringCase(dst.path(), dst.fileName()).isEmpty())
        return MoveResult::DestinationExists;
    // QFile::rename never replaces an existing file, which closes the gap between the check and the move.
    if (!QFile::rename(source, destination))
        return MoveResult::Failed;
    return MoveResult::Moved;
}

bool deleteFileForced(const QString &path)
{
    // A link is removed as a link (also one that names nothing), and its target is never touched.
    const EntryType type = entryType(path);
    if (type == EntryType::Missing)
        return false;
    if (QFile::remove(path))
        return true;
    if (type != EntryType::Regular)
        return false;
    // The user flags tell what this process may do, and setting them would set the owner's: only the mode is kept.
    const QFileDevice::Permissions before
        = QFile::permissions(path) & ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    if (!makeWritableByOwner(path))
        return false;
    if (QFile::remove(path))
        return true;
    // The file stays, so it keeps the read-only mark its owner gave it.
    QFile::setPermissions(path, before);
    return false;
}

QStringList listFolder(const QString &folder, const QString &pattern)
{
    QStringList names;
    QDirIterator it(folder, { pattern }, QDir::Files | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    std::sort(names.begin(), names.end(), twinOrder);
    return names;
}

} // namespace brevora
