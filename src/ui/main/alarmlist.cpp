// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/alarmlist.h"

#include "core/store/fileops.h"

#include <QDir>
#include <QSignalBlocker>

namespace brevora {

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
    addItems(listFolder(m_folder, QStringLiteral("*.alm")));
}

QString AlarmList::selectedPath() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    if (selected.isEmpty())
        return {};
    return m_folder + u'/' + selected.first()->text();
}

} // namespace brevora
