// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace brevora {

// The folder of this process's executable, as a path the program can open. A QString cannot hold a file name
// that is not valid UTF-8, and Qt would spell such a folder with U+FFFD, a folder that does not exist: a
// portable copy kept there would quietly keep its alarms elsewhere. Such a folder is reached through a link with
// a UTF-8 name in the user's runtime folder instead, and works as any other.
QString programFolder();

// The same for a folder given as bytes: the folder itself when its name is valid UTF-8, else a link to it named
// after its bytes in `linkFolder`, made or renewed as needed. Empty when no link could be made.
QString usableFolder(const QByteArray &folder, const QString &linkFolder);

} // namespace brevora
