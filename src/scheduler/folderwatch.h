// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include "os/files/regularfile.h"

#include <optional>

class QTimer;

namespace brevora {

// Reports changes to a few folders, and to the files in them that matter right now: a file made, renamed
// or removed changes its folder; a file rewritten in place changes only itself. A folder that cannot be
// watched (inotify limits, a file system without notifications) is looked at once a second instead, and
// said so once; a folder removed and made again, or renamed away and replaced by another, is watched again.
class FolderWatch : public QObject
{
    Q_OBJECT
public:
    explicit FolderWatch(QObject *parent = nullptr);

    void watchFolder(const QString &folder);
    // Replaces the files watched for rewrites.
    void watchFiles(const QStringList &files);
    bool isPolling(const QString &folder) const { return m_polled.contains(folder); }
    // Looks whether each path still leads to the folder that is watched there, and watches the one it leads to
    // now. The system does not report a watched folder that is moved away, nor a parent replaced as a whole, so
    // this is also called at each minute boundary.
    void checkFoldersAreTheSame();

signals:
    // Something in `folder` may have changed.
    void folderChanged(const QString &folder);

protected:
    // Sets a notification on a path; false when the system refuses one.
    virtual bool addWatch(const QString &path);

private:
    void arm(const QString &folder);
    void onDirectoryChanged(const QString &path);
    void onFileChanged(const QString &path);
    void poll();
    // Keeps what the folder's path leads to now, and says once when that is another folder than before.
    void noteIdentity(const QString &folder);

    QFileSystemWatcher m_watcher;
    QStringList m_folders;
    QSet<QString> m_polled; // folders looked at once a second
    QSet<QString> m_saidPolled;
    QStringList m_files;
    // What each watched folder and parent was when its watch was set; none while missing.
    QHash<QString, std::optional<EntryIdentity>> m_identities;
    QHash<QString, EntryIdentity> m_lastSeen; // each folder's last identity, kept while it is missing
    QTimer *m_pollTimer;
};

} // namespace brevora
