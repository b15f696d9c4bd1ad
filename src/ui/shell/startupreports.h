// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>

namespace brevora {

class LogonStart;
class Prompter;
struct PastReturnReport;
struct RepairResult;

// What start-up has to tell about the store before the program runs: folders it could not create, settings
// files it recreated, a log-on entry it renewed, and folders of acknowledged alarms that are links.
class StartUpReports : public QObject
{
    Q_OBJECT
public:
    explicit StartUpReports(Prompter &prompter, QObject *parent = nullptr);

    // Nothing is said when every folder was there or could be made.
    void foldersNotCreated(const QStringList &failed);
    void settingsRepaired(const RepairResult &repair);
    // Every return finds such a folder again; the user hears of each once a run, at the start when it is there.
    void linkedPastFolders(const PastReturnReport &report);
    // An earlier version's entry, or one that does not follow the "Run on startup" setting (a save of the options
    // ended between the two), is renewed from the setting; a renewed disagreement is told.
    void logonEntryChecked(LogonStart &logonStart, bool startup);

private:
    Prompter &m_prompter;
    QSet<QString> m_toldLinked;
};

} // namespace brevora
