#include "os/desktop/places.h"

#include <QStandardPaths>

namespace brevora {

QStringList usualSoundFolders()
{
    QStringList folders;
    for (const QString &data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString sounds = data + QStringLiteral("/sounds");
        for (const QString &theme : { QStringLiteral("alsa"), QStringLiteral("sound-icons"), QStringLiteral("purple"),
                                      QStringLiteral("speech-dispatcher"), QString() })
            folders.append(theme.isEmpty() ? sounds : sounds + u'/' + theme);
    }
    folders.removeDuplicates();
    return folders;
}

QStringList systemInfoTools()
{
    return { QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
             QStringLiteral("gnome-system-monitor"), QStringLiteral("mate-system-monitor") };
}

QStringList documentOpener()
{
    return {};
}

bool textFilesUseLegacyCodePage()
{
    return false;
}

} // namespace brevora
