// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/alarmlist.h"

#include "core/store/fileops.h"

#include <QDir>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QToolTip>

namespace brevora {

class AlarmList::Entry : public QListWidgetItem
{
public:
    Entry(const QString &name, const AlarmList &list)
        : QListWidgetItem(name)
        , m_list(list)
    { }

    QVariant data(int role) const override
    {
        if ((role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) && m_list.m_describe)
            return m_list.m_describe(text());
        return QListWidgetItem::data(role);
    }

private:
    const AlarmList &m_list;
};

AlarmList::AlarmList(QWidget *parent)
    : QListWidget(parent)
    , m_folder(QDir::currentPath())
{
    setObjectName(QStringLiteral("File1"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // No label stands beside the list; a screen reader names it like the menu of its commands.
    setAccessibleName(tr("Alarms"));
}

void AlarmList::setFolder(const QString &folder)
{
    m_folder = folder;
    reload();
}

void AlarmList::reload()
{
    const QSignalBlocker quiet(this);
    clear();
    // A missing folder simply lists nothing.
    for (const QString &name : listFolder(m_folder, QStringLiteral("*.alm")))
        addItem(new Entry(name, *this));
}

void AlarmList::focusInEvent(QFocusEvent *event)
{
    QListWidget::focusInEvent(event);
    // Reached by the keyboard, the entry with focus is the one read out and the one Enter, Ctrl+E and Delete act
    // on: it is selected. A click selects the entry it lands on by itself.
    if (event->reason() != Qt::MouseFocusReason && selectedItems().isEmpty() && currentItem())
        currentItem()->setSelected(true);
}

bool AlarmList::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QListWidget::viewportEvent(event);
    // The alarm's text is the user's, shown as typed: a tooltip would take "<b>" in it for markup.
    const auto *help = static_cast<QHelpEvent *>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString said = index.data(Qt::ToolTipRole).toString();
    if (said.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), Qt::convertFromPlainText(said), viewport(), visualRect(index));
    return true;
}

QString AlarmList::selectedPath() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return {};
    return m_folder + u'/' + selected.first()->text();
}

QStringList AlarmList::names() const
{
    QStringList listed;
    listed.reserve(count());
    for (int row = 0; row < count(); ++row)
        listed.append(item(row)->text());
    return listed;
}

} // namespace brevora
