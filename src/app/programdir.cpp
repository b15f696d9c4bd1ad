#include "programdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace brevora {

namespace {

// Merged-/usr systems reach /usr/bin also as /bin, so folders are compared after resolving links.
QString resolvedFolder(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

} // namespace

bool canCreateFilesIn(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.brevora-write-probe-XXXXXX"));
    return probe.open();
}

QString chooseProgramDir(const QString &executableFolder, const QString &installedProgramFolder,
                         const QString &userDataFolder)
{
    const bool installed = !installedProgramFolder.isEmpty()
        && resolvedFolder(executableFolder) == resolvedFolder(installedProgramFolder);
    if (!installed && canCreateFilesIn(executableFolder))
        return executableFolder;
    // When the data folder cannot be made either, the store reports its own errors as it fails to write.
    QDir().mkpath(userDataFolder);
    return userDataFolder;
}

QString programDir()
{
    return chooseProgramDir(QCoreApplication::applicationDirPath(), QStringLiteral(BREVORA_INSTALL_BINDIR),
                            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

} // namespace brevora
