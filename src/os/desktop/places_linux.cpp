// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/desktop/places.h"

#include "os/files/programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMimeDatabase>
#include <QStandardPaths>

namespace brevora {

QStringList usualSoundFolders()
{
    // Our own sounds come first: a portable copy carries them beside itself, an installed one in its shared
    // data folder. The system's themes ship few waveform files, and Debian's none.
    const QStringList shared = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    QStringList folders{ programFolder() + QStringLiteral("/sounds") };
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

bool hasDocumentHandler(const QString &path, const QStringList &dataFolders)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    QStringList names = type.aliases();
    names.append(type.name());
    // The desktop entries themselves rather than the cache made from them, which is missing where
    // desktop-file-utils is not installed.
    for (const QString &data : dataFolders) {
        QDirIterator entries(data + QStringLiteral("/applications"), { QStringLiteral("*.desktop") }, QDir::Files,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            QFile entry(entries.next());
            if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
                continue;
            while (!entry.atEnd()) {
                const QString line = QString::fromUtf8(entry.readLine()).trimmed();
                if (!line.startsWith(QLatin1String("MimeType=")))
                    continue;
                const QStringList handled = line.mid(9).split(u';', Qt::SkipEmptyParts);
                for (const QString &name : names)
                    if (handled.contains(name))
                        return true;
            }
        }
    }
    return false;
}

QStringList chmViewers()
{
    return { QStringLiteral("xchm"), QStringLiteral("kchmviewer") };
}

QStringList webBrowsers()
{
    // Debian's alternative for the graphical browser, there only when one is installed. Not sensible-browser: it
    // is always there, and with no browser behind it, it starts and shows nothing.
    return { QStringLiteral("x-www-browser") };
}

bool textFilesUseLegacyCodePage()
{
    return false;
}

} // namespace brevora
