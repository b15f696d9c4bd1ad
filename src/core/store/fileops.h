// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace brevora {

enum class MoveResult { Moved, SourceMissing, DestinationExists, Failed };

// Moves a file without ever overwriting: a destination that exists under any letter case counts as existing.
MoveResult moveFile(const QString &source, const QString &destination);

// Removes a file, also when it is marked read-only. Fails when it does not exist or cannot be removed, and then
// leaves its permissions as they were. A link is removed itself; what it names is left as it is, permissions
// included.
bool deleteFileForced(const QString &path);

// The names of the folder's plain files that match the wildcard pattern (letter case ignored), without
// folders and hidden files, in twinOrder (core/names/twins.h), the one order of every listing.
QStringList listFolder(const QString &folder, const QString &pattern = QStringLiteral("*"));

// The name under which `name` exists in `folder` ignoring letter case, or an empty string.
QString findNameIgnoringCase(const QString &folder, const QString &name);

// findNameIgnoringCase for a run of many files written one after another into the same folders, such as an import
// of a calendar, where reading a folder for each file would take the square of their number: each folder is read
// once, when first asked, and what the run writes or removes there is told to it.
class FolderNames
{
public:
    QString findIgnoringCase(const QString &folder, const QString &name);
    void written(const QString &folder, const QString &name);
    void removed(const QString &folder, const QString &name);

private:
    QHash<QString, QStringList> &namesIn(const QString &folder);

    QHash<QString, QHash<QString, QStringList>> m_folders; // by folder: the names of its entries by case-folded name
};

// The folder's files (hidden ones too, no folders) by their case-folded name, for look-ups that ignore case; of
// names that differ only in letter case, the first in twinOrder.
QHash<QString, QString> filesByFoldedName(const QString &folder);

// A folder path whose components exist on disk under another letter case resolves to the existing ones;
// missing components keep the case given. `base` is taken as it is.
QString resolvePathIgnoringCase(const QString &base, const QString &relative);

} // namespace brevora
