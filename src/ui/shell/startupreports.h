// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>

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
    // `beforeAsking` runs before each box, which waits for the user's answer: whatever must not wait with it
    // (the checks of the alarms) is started there.
    StartUpReports(Prompter &prompter, std::function<void()> beforeAsking, QObject *parent = nullptr);

    // Nothing is said when every folder was there or could be made.
    void foldersNotCreated(const QStringList &failed);
    void settingsRepaired(const RepairResult &repair);
    // Every return finds such a folder again; the user hears of each once a run, at the start when it is there.
    void linkedPastFolders(const PastReturnReport &report);
    // An earlier version's entry, or one that does not follow the "Run on startup" setting (a save of the options
    // ended between the two), is renewed from the setting; a renewed disagreement is told.
    void logonEntryChecked(LogonStart &logonStart, bool startup);

private:
    void tell(QMessageBox::Icon icon, const QString &title, const QString &text);

    Prompter &m_prompter;
    std::function<void()> m_beforeAsking;
    QSet<QString> m_toldLinked;
};

} // namespace brevora
