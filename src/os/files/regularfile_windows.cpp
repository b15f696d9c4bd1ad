// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/files/regularfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <io.h>
#include <windows.h>

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

QStringList fileNamesNotValidUtf8(const QString &)
{
    return {};
}

QStringList fileNamesValidUtf8(const QString &folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        names.append(it.fileName());
    }
    return names;
}

bool syncFolder(const QString &)
{
    return true; // NTFS journals the rename itself
}

bool writeNewFileSynced(const QString &path, const QByteArray &bytes, const QString &permissionsOf, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const bool ok = file.write(bytes) == bytes.size() && file.flush()
        && FlushFileBuffers(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle())));
    if (ok && QFileInfo(permissionsOf).isFile())
        file.setPermissions(QFile::permissions(permissionsOf));
    if (!ok && error)
        *error = file.errorString();
    file.close();
    if (!ok)
        file.remove();
    return ok;
}

bool renameReplacing(const QString &from, const QString &to, QString *error)
{
    const auto native = [](const QString &path) { return reinterpret_cast<LPCWSTR>(path.utf16()); };
    if (MoveFileExW(native(QDir::toNativeSeparators(from)), native(QDir::toNativeSeparators(to)),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (error)
        *error = QStringLiteral("The file could not be replaced (error %1).").arg(GetLastError());
    return false;
}

std::optional<EntryIdentity> entryIdentity(const QString &path)
{
    const HANDLE handle = CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool ok = GetFileInformationByHandle(handle, &info);
    CloseHandle(handle);
    if (!ok)
        return std::nullopt;
    return EntryIdentity{ info.dwVolumeSerialNumber, (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow };
}

bool makeWritableByOwner(const QString &path)
{
    if (entryType(path) != EntryType::Regular)
        return false;
    QFile file(path);
    return file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

} // namespace brevora
