#include "os/desktop/places.h"

#include <QCoreApplication>
#include <QDir>
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

QString programStateFolder()
{
    // The XDG base directories: a relative XDG_STATE_HOME is to be ignored.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + u'/' + QCoreApplication::applicationName();
}

bool textFilesUseLegacyCodePage()
{
    return false;
}

} // namespace brevora
