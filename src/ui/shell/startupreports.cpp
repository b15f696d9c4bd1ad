// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shell/startupreports.h"

#include "core/settings/settingsfiles.h"
#include "core/store/pastreturn.h"
#include "core/store/storelayout.h"
#include "ui/common/prompter.h"

#include <QDir>

namespace brevora {

StartUpReports::StartUpReports(const StoreLayout &layout, Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_layout(layout)
    , m_prompter(prompter)
{ }

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
        m_prompter.ask(nullptr, repair.report->warning ? QMessageBox::Warning : QMessageBox::Information,
                       coreText(filesMissingTitle), repair.report->text, QMessageBox::Ok);
}

void StartUpReports::foldersLeadingOutside(const PastReturnReport &report)
{
    QStringList shown;
    for (const QString &folder : report.leadOutside) {
        if (!m_toldLeadOutside.contains(folder)) {
            m_toldLeadOutside.insert(folder);
            shown.append(QDir::toNativeSeparators(folder));
        }
    }
    if (shown.isEmpty())
        return;
    m_prompter.ask(nullptr, QMessageBox::Warning, QStringLiteral("Brevora"),
                   tr("These folders of acknowledged alarms are links to folders outside %1, so Brevora "
                      "moves nothing out of them:\n%2\n\nMake each an ordinary folder again for its alarms "
                      "to come back.")
                       .arg(QDir::toNativeSeparators(m_layout.programDir()), shown.join(u'\n')),
                   QMessageBox::Ok);
}

} // namespace brevora
