// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/files/programfolder.h"

#include <QCoreApplication>

namespace brevora {

// File names are UTF-16 here, which a QString holds whole.
QString usableFolder(const QByteArray &folder, const QString &)
{
    return QString::fromUtf8(folder);
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

} // namespace brevora
