// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/alarmdeletion.h"

#include "core/life/lifecycle.h"
#include "core/store/fileops.h"
#include "core/store/storelayout.h"
#include "ui/common/prompter.h"

#include <QCoreApplication>
#include <QDir>

namespace brevora {

namespace {

// Asked for each time: a text translated when the program loads, before any catalogue is installed, stays English.
QString confirmTitle()
{
    return QCoreApplication::translate("brevora::AlarmDeletion", "Confirm the elimination");
}

constexpr int namesShownAtMost = 10;

} // namespace

AlarmDeletion::AlarmDeletion(const StoreLayout &layout, Prompter &prompter, QWidget *parent, Remover remove)
    : m_layout(layout)
    , m_prompter(prompter)
    , m_parent(parent)
    , m_remove(remove ? std::move(remove) : Remover(deleteFileForced))
{ }

DeletionOutcome AlarmDeletion::deleteSelected(const QString &listedFolder, const QString &selectedName)
{
    DeletionOutcome outcome;
    if (!isPlainName(selectedName) || !isStoreFolder(m_layout, listedFolder))
        return outcome;
    if (!confirm(QCoreApplication::translate("brevora::AlarmDeletion", "Are you sure you want to delete: %1?")
                     .arg(selectedName)))
        return outcome;
    outcome.confirmed = true;
    removeAlarmFile(listedFolder + u'/' + selectedName, m_remove, outcome);
    reportFailures(outcome);
    return outcome;
}

DeletionOutcome AlarmDeletion::deleteAllOfType(const QString &kindBoxText)
{
    DeletionOutcome outcome;
    // The confirmation names the kind the text names, so that kind is what goes, whatever the list shows.
    const std::optional<AlarmKind> kind = kindFromCaption(kindBoxText);
    if (!kind) {
        m_prompter.ask(m_parent, QMessageBox::Critical, QCoreApplication::translate("brevora::AlarmDeletion", "Error"),
                       QCoreApplication::translate("brevora::AlarmDeletion", "Select an alarm type"), QMessageBox::Ok);
        return outcome;
    }
    if (!confirm(
            QCoreApplication::translate("brevora::AlarmDeletion",
                                        "Are you sure you want to delete all the alarms of the following type: %1?")
                .arg(kindBoxText)))
        return outcome;
    outcome.confirmed = true;
    removeKind(m_layout, *kind, m_remove, outcome);
    reportFailures(outcome);
    return outcome;
}

DeletionOutcome AlarmDeletion::deleteAll()
{
    DeletionOutcome outcome;
    if (!confirm(QCoreApplication::translate("brevora::AlarmDeletion", "Are you sure you want to delete all alarms?")))
        return outcome;
    outcome.confirmed = true;
    removeAll(m_layout, m_remove, outcome);
    reportFailures(outcome);
    return outcome;
}

bool AlarmDeletion::confirm(const QString &question)
{
    return m_prompter.ask(m_parent, QMessageBox::NoIcon, confirmTitle(), question, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

void AlarmDeletion::reportFailures(const DeletionOutcome &outcome)
{
    if (outcome.notDeleted.isEmpty())
        return;
    QStringList shown;
    for (const QString &path : outcome.notDeleted.mid(0, namesShownAtMost))
        shown.append(QDir::toNativeSeparators(path));
    if (outcome.notDeleted.size() > namesShownAtMost)
        shown.append(QCoreApplication::translate("brevora::AlarmDeletion", "... and %1 more")
                         .arg(outcome.notDeleted.size() - namesShownAtMost));
    m_prompter.ask(m_parent, QMessageBox::Warning, QStringLiteral("Brevora"),
                   QCoreApplication::translate("brevora::AlarmDeletion", "These files could not be deleted:\n%1")
                       .arg(shown.join(u'\n')),
                   QMessageBox::Ok);
}

} // namespace brevora
