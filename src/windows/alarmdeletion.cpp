#include "alarmdeletion.h"

#include "platform/prompter.h"
#include "platform/regularfile.h"
#include "store/fileops.h"
#include "store/storelayout.h"

#include <QDir>
#include <QFileInfo>

namespace brevora {

namespace {

const QString confirmTitle = QStringLiteral("Confirm the elimination");
constexpr int namesShownAtMost = 10;

// The order in which "Delete all alarms" empties the folders.
constexpr std::array<std::pair<AlarmKind, bool>, 9> deleteAllOrder{ {
    { AlarmKind::Once, false },
    { AlarmKind::Monthly, false },
    { AlarmKind::Yearly, false },
    { AlarmKind::Weekly, false },
    { AlarmKind::Daily, false },
    { AlarmKind::Monthly, true },
    { AlarmKind::Yearly, true },
    { AlarmKind::Weekly, true },
    { AlarmKind::Daily, true },
} };

bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(u'\\');
}

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
    if (!isPlainName(selectedName) || !isStoreFolder(listedFolder))
        return outcome;
    if (!confirm(QStringLiteral("Are you sure you want to delete: ") + selectedName + u'?'))
        return outcome;
    outcome.confirmed = true;
    deleteFile(listedFolder + u'/' + selectedName, outcome);
    reportFailures(outcome);
    return outcome;
}

DeletionOutcome AlarmDeletion::deleteAllOfType(const QString &kindBoxText)
{
    DeletionOutcome outcome;
    // The confirmation names the kind the text names, so that kind is what goes, whatever the list shows.
    const std::optional<AlarmKind> kind = kindFromCaption(kindBoxText);
    if (!kind) {
        m_prompter.ask(m_parent, QMessageBox::Critical, QStringLiteral("Error"), QStringLiteral("Select an alarm type"),
                       QMessageBox::Ok);
        return outcome;
    }
    if (!confirm(QStringLiteral("Are you sure you want to delete all the alarms of the following type: ") + kindBoxText
                 + u'?'))
        return outcome;
    outcome.confirmed = true;
    emptyFolder(m_layout.activeFolder(*kind), QStringLiteral("*.alm"), outcome);
    if (isRecurring(*kind))
        emptyFolder(m_layout.pastFolder(*kind), QStringLiteral("*"), outcome);
    reportFailures(outcome);
    return outcome;
}

DeletionOutcome AlarmDeletion::deleteAll()
{
    DeletionOutcome outcome;
    if (!confirm(QStringLiteral("Are you sure you want to delete all alarms?")))
        return outcome;
    outcome.confirmed = true;
    for (const auto &[kind, past] : deleteAllOrder)
        emptyFolder(past ? m_layout.pastFolder(kind) : m_layout.activeFolder(kind), QStringLiteral("*"), outcome);
    reportFailures(outcome);
    return outcome;
}

bool AlarmDeletion::confirm(const QString &question)
{
    return m_prompter.ask(m_parent, QMessageBox::NoIcon, confirmTitle, question, QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes;
}

bool AlarmDeletion::isStoreFolder(const QString &folder) const
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty())
        return false;
    for (AlarmKind kind : allKinds) {
        for (const QString &candidate : { m_layout.activeFolder(kind), m_layout.pastFolder(kind) }) {
            if (!candidate.isEmpty() && QFileInfo(candidate).canonicalFilePath() == canonical)
                return true;
        }
    }
    return false;
}

void AlarmDeletion::deleteFile(const QString &path, DeletionOutcome &outcome)
{
    if (m_remove(path))
        ++outcome.deleted;
    else if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) // one a notice removed meanwhile is gone
        outcome.notDeleted.append(path);
}

void AlarmDeletion::emptyFolder(const QString &folder, const QString &pattern, DeletionOutcome &outcome)
{
    // A store folder that is itself a link leads out of the store: what it names is not emptied from here. A
    // linked folder above it (Events on a synced drive) keeps the store whole and is used as it is.
    if (entryType(folder) == EntryType::Link) {
        outcome.notDeleted.append(folder + QStringLiteral(" (a link to another folder, whose files are left)"));
        return;
    }
    // One listing serves the whole folder: each file is tried once, so an undeletable one cannot hold the loop.
    for (const QString &name : listFolder(folder, pattern))
        deleteFile(folder + u'/' + name, outcome);
    // A name that is not UTF-8 cannot be named back to the system, so that file stays; the user hears of it.
    for (const QString &name : namesNotValidUtf8(folder)) {
        if (QDir::match(pattern, name))
            outcome.notDeleted.append(folder + u'/' + name + QStringLiteral(" (its name is not valid UTF-8)"));
    }
}

void AlarmDeletion::reportFailures(const DeletionOutcome &outcome)
{
    if (outcome.notDeleted.isEmpty())
        return;
    QStringList shown;
    for (const QString &path : outcome.notDeleted.mid(0, namesShownAtMost))
        shown.append(QDir::toNativeSeparators(path));
    if (outcome.notDeleted.size() > namesShownAtMost)
        shown.append(QStringLiteral("... and %1 more").arg(outcome.notDeleted.size() - namesShownAtMost));
    m_prompter.ask(m_parent, QMessageBox::Warning, QStringLiteral("Brevora"),
                   QStringLiteral("These files could not be deleted:\n") + shown.join(u'\n'), QMessageBox::Ok);
}

} // namespace brevora
