// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/files/programfolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <unistd.h>

#include <array>
#include <optional>

namespace brevora {

namespace {

std::optional<QByteArray> linkTarget(const QByteArray &link)
{
    std::array<char, 4096> buffer{};
    const ssize_t length = ::readlink(link.constData(), buffer.data(), buffer.size());
    if (length <= 0 || std::size_t(length) >= buffer.size())
        return std::nullopt;
    return QByteArray(buffer.data(), length);
}

} // namespace

QString usableFolder(const QByteArray &folder, const QString &linkFolder)
{
    const QString spelt = QString::fromUtf8(folder);
    if (spelt.toUtf8() == folder)
        return spelt;
    if (linkFolder.isEmpty() || !QDir().mkpath(linkFolder))
        return {};
    const QString link = linkFolder + QStringLiteral("/brevora-folder-")
        + QString::fromLatin1(QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16));
    const QByteArray linkBytes = QFile::encodeName(link);
    if (linkTarget(linkBytes) == folder)
        return link;
    // Another store's link of the same name, or a leftover: replaced by one made beside it and renamed over it.
    const QByteArray made = linkBytes + ".new";
    ::unlink(made.constData());
    if (::symlink(folder.constData(), made.constData()) != 0 || ::rename(made.constData(), linkBytes.constData()) != 0)
        return {};
    return link;
}

QString programFolder()
{
    const auto executable = linkTarget("/proc/self/exe");
    if (!executable || !executable->startsWith('/'))
        return QCoreApplication::applicationDirPath();
    const QByteArray folder = executable->left(std::max<qsizetype>(executable->lastIndexOf('/'), 1));
    const QString usable = usableFolder(folder, QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    return usable.isEmpty() ? QCoreApplication::applicationDirPath() : usable;
}

} // namespace brevora
