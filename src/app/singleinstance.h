// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <optional>

namespace brevora {

// One running copy per ProgramDir: two copies on one store would both show every notice, and one copy's return
// of set-aside alarms would bring back the other's acknowledged alarm within its minute. A later start asks the
// running copy to show itself and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &programDir, QObject *parent = nullptr);

    // Takes the ProgramDir's lock and listens for later starts. False when another running copy holds it. A lock
    // that no running copy holds is taken over: one left by a copy that died, one naming a process that is not a
    // copy, and an entry that is no lock file at all (a link, a folder, a pipe), looked at without blocking. A
    // ProgramDir that cannot hold a lock file is not guarded.
    bool claim();

    // Asks the copy that holds the lock to show its main window; false when it did not answer in time.
    bool askRunningCopyToShow(int timeoutMs = 5000);

    // The local socket's name, derived from the ProgramDir, so copies on other ProgramDirs do not meet.
    static QString serverName(const QString &programDir);

    QString lockPath() const { return m_lock.fileName(); }

signals:
    void showRequested();

private:
    void putAsideWhatIsNotALock();

    QString m_programDir;
    QLockFile m_lock;
    QLocalServer m_server;
};

class Prompter;

// A start that finds another copy running on its ProgramDir asks that copy to show itself and ends. Returns
// the exit status of this start then, or nothing when this copy is the one to run. A copy that does not answer
// is reported in a message box as well as on the error output, since a desktop start shows nothing else.
std::optional<int> endForRunningCopy(SingleInstance &instance, Prompter &prompter, int timeoutMs = 5000);

} // namespace brevora
