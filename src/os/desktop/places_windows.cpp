#include "os/desktop/places.h"

#include <QCoreApplication>

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

bool textFilesUseLegacyCodePage()
{
    return true;
}

} // namespace brevora
