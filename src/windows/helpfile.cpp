#include "helpfile.h"

#include "platform/launcher.h"
#include "platform/prompter.h"
#include "store/fileops.h"

#include <QDir>
#include <QFileInfo>

namespace brevora {

QString helpFilePath(const QString &programDir)
{
    return resolvePathIgnoringCase(programDir, QStringLiteral("Help file/Helpfile.chm"));
}

bool openHelpFile(const QString &programDir, Launcher &launcher, Prompter &prompter, QWidget *parent)
{
    const QString path = helpFilePath(programDir);
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        prompter.ask(parent, QMessageBox::Warning, QStringLiteral("Brevora"),
                     QStringLiteral("The help file \"%1\" could not be found.").arg(shown), QMessageBox::Ok);
        return false;
    }
    if (launcher.openDocument(path))
        return true;
    prompter.ask(
        parent, QMessageBox::Warning, QStringLiteral("Brevora"),
        QStringLiteral("The help file \"%1\" could not be opened: no program to show it could be started.").arg(shown),
        QMessageBox::Ok);
    return false;
}

} // namespace brevora
