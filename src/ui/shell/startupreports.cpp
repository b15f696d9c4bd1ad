// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/startupreports.h"

#include "core/life/pastreturn.h"
#include "core/settings/settingsfiles.h"
#include "os/session/logonstart.h"
#include "ui/common/prompter.h"

#include <QDir>

namespace brevora {

StartUpReports::StartUpReports(Prompter &prompter, std::function<void()> beforeAsking, QObject *parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_beforeAsking(std::move(beforeAsking))
{ }

void StartUpReports::tell(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    if (m_beforeAsking)
        m_beforeAsking();
    m_prompter.ask(nullptr, icon, title, text, QMessageBox::Ok);
}

void StartUpReports::foldersNotCreated(const QStringList &failed)
{
    if (failed.isEmpty())
        return;
    QStringList shown;
    for (const QString &folder : failed)
        shown.append(QDir::toNativeSeparators(folder));
    m_prompter.ask(nullptr, QMessageBox::Warning, QStringLiteral("Brevora"),
                   tr("These folders could not be created, so the alarms and settings kept in "
                      "them cannot be used:\n%1")
                       .arg(shown.join(u'\n')),
                   QMessageBox::Ok);
}

void StartUpReports::settingsRepaired(const RepairResult &repair)
{
    if (repair.report)
        tell(repair.report->warning ? QMessageBox::Warning : QMessageBox::Information, coreText(filesMissingTitle),
             repair.report->text);
}

void StartUpReports::logonEntryChecked(LogonStart &logonStart, bool startup)
{
    if (logonStart.heldByAnotherCopy())
        return;
    const std::optional<bool> registered = logonStart.registered();
    const bool disagrees = registered && *registered != startup;
    // An earlier version's entry names no program to test for, so it would start nothing but an error once the
    // program is removed; renewed now, it does not wait for the next save of the options.
    if (!disagrees && !logonStart.hasEarlierRegistration())
        return;
    if (!logonStart.set(startup).ok() || !disagrees)
        return;
    m_prompter.ask(nullptr, QMessageBox::Information, QStringLiteral("Brevora"),
                   startup ? tr("The log-on entry did not match the \"Run on startup\" setting, as after an "
                                "interrupted save of the options. It has been renewed: Brevora starts when you "
                                "log on.")
                           : tr("The log-on entry did not match the \"Run on startup\" setting, as after an "
                                "interrupted save of the options. It has been renewed: Brevora does not start "
                                "when you log on."),
                   QMessageBox::Ok);
}

void StartUpReports::linkedPastFolders(const PastReturnReport &report)
{
    QStringList shown;
    for (const QString &folder : report.linked) {
        if (!m_toldLinked.contains(folder)) {
            m_toldLinked.insert(folder);
            shown.append(QDir::toNativeSeparators(folder));
        }
    }
    if (shown.isEmpty())
        return;
    m_prompter.ask(nullptr, QMessageBox::Warning, QStringLiteral("Brevora"),
                   tr("These folders of acknowledged alarms are links to other folders, or lie in one, so Brevora "
                      "moves nothing out of them:\n%1\n\nMake each an ordinary folder again for its alarms "
                      "to come back.")
                       .arg(shown.join(u'\n')),
                   QMessageBox::Ok);
}

} // namespace brevora
