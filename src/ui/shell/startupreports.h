// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>

namespace brevora {

class Prompter;
class StoreLayout;
struct PastReturnReport;
struct RepairResult;

// What start-up has to tell about the store before the program runs: folders it could not create, settings
// files it recreated, and folders of acknowledged alarms that lead outside the store.
class StartUpReports : public QObject
{
    Q_OBJECT
public:
    StartUpReports(const StoreLayout &layout, Prompter &prompter, QObject *parent = nullptr);

    // Nothing is said when every folder was there or could be made.
    void foldersNotCreated(const QStringList &failed);
    void settingsRepaired(const RepairResult &repair);
    // Every return finds such a folder again; the user hears of each once a run, at the start when it is there.
    void foldersLeadingOutside(const PastReturnReport &report);

private:
    const StoreLayout &m_layout;
    Prompter &m_prompter;
    QSet<QString> m_toldLeadOutside;
};

} // namespace brevora
