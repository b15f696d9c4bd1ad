// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/files/regularfile.h"

#include <QFile>
#include <QFileInfo>

namespace brevora {

EntryType entryType(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || info.isJunction())
        return EntryType::Link;
    if (!info.exists())
        return EntryType::Missing;
    return info.isFile() ? EntryType::Regular : EntryType::Other;
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes)
{
    // Named pipes live in their own namespace here, so a plain file open cannot block on one.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(maxBytes);
}

QStringList namesNotValidUtf8(const QString &)
{
    return {}; // names are UTF-16 here, and every one can be named back
}

bool syncFolder(const QString &)
{
    return true; // NTFS journals the rename itself
}

bool makeWritableByOwner(const QString &path)
{
    if (entryType(path) != EntryType::Regular)
        return false;
    QFile file(path);
    return file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

} // namespace brevora
