// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>

namespace brevora {

// One running copy per ProgramDir: two copies on one store would both show every notice, and one copy's return
// of set-aside alarms would bring back the other's acknowledged alarm within its minute. A later start asks the
// running copy to show itself and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &programDir, QObject *parent = nullptr);

    // Takes the ProgramDir's lock and listens for later starts. False when another live copy holds it; a lock
    // left by a copy that died is taken over. A ProgramDir that cannot hold a lock file is not guarded.
    bool claim();

    // Asks the copy that holds the lock to show its main window; false when it did not answer in time.
    bool askRunningCopyToShow(int timeoutMs = 5000);

    // The local socket's name, derived from the ProgramDir, so copies on other ProgramDirs do not meet.
    static QString serverName(const QString &programDir);

signals:
    void showRequested();

private:
    QString m_programDir;
    QLockFile m_lock;
    QLocalServer m_server;
};

} // namespace brevora
