// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/programdir.h"

#include "core/store/fileops.h"
#include "os/files/programfolder.h"
#include "ui/common/prompter.h"

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
                         const QString &userDataFolder, bool (*canWrite)(const QString &))
{
    const bool installed = !installedProgramFolder.isEmpty()
        && resolvedFolder(executableFolder) == resolvedFolder(installedProgramFolder);
    if (!installed && canWrite(executableFolder))
        return executableFolder;
    // When the data folder cannot be made either, the store reports its own errors as it fails to write.
    QDir().mkpath(userDataFolder);
    return userDataFolder;
}

ProgramDirChoice chooseProgramDirAndSay(const QString &executableFolder, const QString &installedProgramFolder,
                                        const QString &userDataFolder, bool (*canWrite)(const QString &))
{
    ProgramDirChoice choice{ chooseProgramDir(executableFolder, installedProgramFolder, userDataFolder, canWrite), {} };
    const bool installed = !installedProgramFolder.isEmpty()
        && resolvedFolder(executableFolder) == resolvedFolder(installedProgramFolder);
    // A store beside the program means the user put alarms there, and they would silently never fall due.
    if (!installed && choice.folder != executableFolder
        && QFileInfo(resolvePathIgnoringCase(executableFolder, QStringLiteral("Events"))).isDir())
        choice.unusedPortableFolder = executableFolder;
    return choice;
}

ProgramDirChoice programDir()
{
    return chooseProgramDirAndSay(programFolder(), QStringLiteral(BREVORA_INSTALL_BINDIR),
                                  QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

void reportUnusedPortableFolder(const ProgramDirChoice &choice, Prompter &prompter)
{
    if (choice.unusedPortableFolder.isEmpty())
        return;
    prompter.ask(
        nullptr, QMessageBox::Warning, QStringLiteral("Brevora"),
        QCoreApplication::translate("brevora::ProgramDir",
                                    "Brevora cannot write to its own folder %1, so it keeps its alarms and settings in "
                                    "%2. The alarms in %1 are not used until that folder can be written.")
            .arg(QDir::toNativeSeparators(choice.unusedPortableFolder), QDir::toNativeSeparators(choice.folder)),
        QMessageBox::Ok);
}

} // namespace brevora
