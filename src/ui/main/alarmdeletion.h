// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/life/lifecycle.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace brevora {

class Prompter;
class StoreLayout;

struct DeletionOutcome : RemovalOutcome
{
    // The user answered Yes: the main window empties its text area and re-reads its alarm list.
    bool confirmed = false;
};

// The main window's three delete commands, apart from its widgets: the window passes what its kind box reads,
// the folder its alarm list shows and the selected entry. Only folders of the alarm store are ever emptied,
// and every file listed is tried once, so no command can loop.
class AlarmDeletion
{
public:
    // `remove` deletes one file, also a read-only one; the store's forced delete unless a test puts another.
    AlarmDeletion(const StoreLayout &layout, Prompter &prompter, QWidget *parent = nullptr, Remover remove = {});

    // "Delete" and "Delete alarm": the selected entry of the alarm list; nothing happens without one.
    DeletionOutcome deleteSelected(const QString &listedFolder, const QString &selectedName);
    // "Delete all alarms of this type": the alarms of the kind that the kind box's text names, waiting and set
    // aside; a text that names no kind asks for one.
    DeletionOutcome deleteAllOfType(const QString &kindBoxText);
    // "Delete all alarms": every file of every kind's folders.
    DeletionOutcome deleteAll();

private:
    bool confirm(const QString &question);
    void reportFailures(const DeletionOutcome &outcome);

    const StoreLayout &m_layout;
    Prompter &m_prompter;
    QWidget *m_parent;
    Remover m_remove;
};

} // namespace brevora
