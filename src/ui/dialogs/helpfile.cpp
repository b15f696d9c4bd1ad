// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/helpfile.h"

#include "core/store/fileops.h"
#include "os/desktop/places.h"
#include "ui/common/launcher.h"
#include "ui/common/prompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace brevora {

namespace {

// Starts the first of these programs found on PATH that starts.
bool openWithFirstOf(const QStringList &programs, const QString &path, Launcher &launcher)
{
    for (const QString &name : programs) {
        const QString program = launcher.findProgram(name);
        if (!program.isEmpty() && launcher.openDocumentWith(program, path))
            return true;
    }
    return false;
}

// A CHM viewer on PATH is started directly: without xdg-open (xdg-utils is only recommended) Qt hands documents to
// a web browser, which offers to download a CHM rather than show it. Otherwise the program the desktop has for
// the type, and only when it has one: its opener starts, and shows nothing, even when it has none.
bool openCompiledHelp(const QString &path, Launcher &launcher)
{
    if (openWithFirstOf(chmViewers(), path, launcher))
        return true;
    return launcher.canOpenDocument(path) && launcher.openDocument(path);
}

// The same holds for the pages: an opener with no browser behind it would leave the user with nothing, and no word.
bool openHtmlHelp(const QString &index, Launcher &launcher)
{
    return (launcher.canOpenDocument(index) && launcher.openDocument(index))
        || openWithFirstOf(webBrowsers(), index, launcher);
}

// The same help written in the user's language, in a folder named for the language beside the English one, or
// the English help itself. A user who puts English before another language keeps the English.
QString inUsersLanguage(const QString &englishPath)
{
    const QFileInfo english(englishPath);
    if (englishPath.isEmpty() || !english.isFile())
        return englishPath;
    for (const QString &tag : QLocale().uiLanguages()) {
        const QString language = tag.section(u'-', 0, 0).toLower();
        if (language == u"en" || language == u"c")
            break;
        const QString translated = english.dir().filePath(language + u'/' + english.fileName());
        if (QFileInfo(translated).isFile())
            return translated;
    }
    return englishPath;
}

} // namespace

QString helpFilePath(const QString &programDir)
{
    const QString own = resolvePathIgnoringCase(programDir, QStringLiteral("Help file/Helpfile.chm"));
    if (QFileInfo(own).isFile())
        return inUsersLanguage(own);
    // An installed program's ProgramDir is the user's data folder, which starts without a help file: the one
    // installed with the program is found among the shared data folders.
    QString installed
        = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("brevora/Helpfile.chm"));
    if (installed.isEmpty())
        installed = QStandardPaths::locate(QStandardPaths::AppDataLocation, QStringLiteral("Help file/Helpfile.chm"));
    return installed.isEmpty() ? own : inUsersLanguage(installed);
}

QString htmlHelpIndex()
{
    return inUsersLanguage(
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("brevora/html/index.html")));
}

bool openHelpFile(const QString &programDir, Launcher &launcher, Prompter &prompter, QWidget *parent)
{
    const QString path = helpFilePath(programDir);
    const bool compiled = QFileInfo(path).isFile();
    if (compiled && openCompiledHelp(path, launcher))
        return true;
    const QString index = htmlHelpIndex();
    if (!index.isEmpty() && openHtmlHelp(index, launcher))
        return true;

    QString text;
    if (compiled)
        text = QCoreApplication::translate("brevora::HelpFile",
                                           "The help file \"%1\" could not be opened: no program to show it could be "
                                           "started. Install a viewer for CHM files, such as xchm, to read it.")
                   .arg(QDir::toNativeSeparators(path));
    else if (!index.isEmpty())
        text = QCoreApplication::translate("brevora::HelpFile",
                                           "The help \"%1\" could not be opened: no program to show it could be "
                                           "started. Install xdg-utils and a web browser to read it.")
                   .arg(QDir::toNativeSeparators(index));
    else
        text = QCoreApplication::translate("brevora::HelpFile", "The help file \"%1\" could not be found.")
                   .arg(QDir::toNativeSeparators(path));
    prompter.ask(parent, QMessageBox::Warning, QStringLiteral("Brevora"), text, QMessageBox::Ok);
    return false;
}

} // namespace brevora
