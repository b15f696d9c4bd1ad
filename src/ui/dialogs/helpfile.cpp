#include "ui/dialogs/helpfile.h"

#include "core/store/fileops.h"
#include "ui/common/launcher.h"
#include "ui/common/prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace brevora {

QString helpFilePath(const QString &programDir)
{
    const QString relative = QStringLiteral("Help file/Helpfile.chm");
    const QString own = resolvePathIgnoringCase(programDir, relative);
    if (QFileInfo(own).isFile())
        return own;
    // An installed program's ProgramDir is the user's data folder, which starts without a help file: the one
    // installed with the program is found among the shared data folders.
    const QString installed = QStandardPaths::locate(QStandardPaths::AppDataLocation, relative);
    return installed.isEmpty() ? own : installed;
}

bool openHelpFile(const QString &programDir, Launcher &launcher, Prompter &prompter, QWidget *parent)
{
    const QString path = helpFilePath(programDir);
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        prompter.ask(
            parent, QMessageBox::Warning, QStringLiteral("Brevora"),
            QCoreApplication::translate("brevora::HelpFile", "The help file \"%1\" could not be found.").arg(shown),
            QMessageBox::Ok);
        return false;
    }
    if (launcher.openDocument(path))
        return true;
    prompter.ask(
        parent, QMessageBox::Warning, QStringLiteral("Brevora"),
        QCoreApplication::translate("brevora::HelpFile",
                                    "The help file \"%1\" could not be opened: no program to show it could be started.")
            .arg(shown),
        QMessageBox::Ok);
    return false;
}

} // namespace brevora
