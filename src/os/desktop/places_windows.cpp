// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/desktop/places.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace brevora {

QStringList usualSoundFolders()
{
    // Our own sounds travel beside the program.
    return { QCoreApplication::applicationDirPath() + QStringLiteral("/sounds"), QStringLiteral("C:/Windows/Media") };
}

QStringList systemInfoTools()
{
    return { QStringLiteral("msinfo32") };
}

QStringList documentOpener()
{
    // The protocol handler of url.dll opens the file with the viewer registered for its type, also for
    // compiled help files.
    return { QStringLiteral("rundll32.exe"), QStringLiteral("url.dll,FileProtocolHandler") };
}

QString programStateFolder()
{
    // Windows has no separate place for state: the local application data is it.
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

bool hasDocumentHandler(const QString &, const QStringList &)
{
    // The system's own help viewer is registered for compiled help and its browser for pages.
    return true;
}

QStringList chmViewers()
{
    return {};
}

QStringList webBrowsers()
{
    return {};
}

bool textFilesUseLegacyCodePage()
{
    return true;
}

} // namespace brevora
