#include "os/desktop/places.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace brevora {

QStringList usualSoundFolders()
{
    // Our own sounds come first: a portable copy carries them beside itself, an installed one in its shared
    // data folder. The system's themes ship few waveform files, and Debian's none.
    const QStringList shared = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    QStringList folders{ QCoreApplication::applicationDirPath() + QStringLiteral("/sounds") };
    for (const QString &data : shared)
        folders.append(data + QStringLiteral("/brevora/sounds"));
    for (const QString &data : shared) {
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
