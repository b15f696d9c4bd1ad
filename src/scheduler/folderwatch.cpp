// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler/folderwatch.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace brevora {

FolderWatch::FolderWatch(QObject *parent)
    : QObject(parent)
    , m_pollTimer(new QTimer(this))
{
    m_pollTimer->setInterval(1000);
    connect(m_pollTimer, &QTimer::timeout, this, &FolderWatch::poll);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &FolderWatch::onDirectoryChanged);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &FolderWatch::onFileChanged);
}

bool FolderWatch::addWatch(const QString &path)
{
    return m_watcher.addPath(path) || m_watcher.directories().contains(path) || m_watcher.files().contains(path);
}

void FolderWatch::watchFolder(const QString &folder)
{
    if (m_folders.contains(folder))
        return;
    m_folders.append(folder);
    // The parent tells when a removed folder is made again, or when one is renamed away; its parent in turn
    // tells when the whole tree above the folders is replaced (a restore from a backup, a sync tool).
    const QString parent = QFileInfo(folder).path();
    for (const QString &above : { parent, QFileInfo(parent).path() }) {
        if (!m_identities.contains(above)) {
            addWatch(above);
            m_identities.insert(above, entryIdentity(above));
        }
    }
    arm(folder);
}

void FolderWatch::arm(const QString &folder)
{
    bool watched;
    noteIdentity(folder);
    if (QFileInfo(folder).isDir())
        watched = addWatch(folder);
    else // a missing folder is waited for through its parent
        watched = m_watcher.directories().contains(QFileInfo(folder).path());
    if (watched) {
        m_polled.remove(folder);
    } else if (!m_polled.contains(folder)) {
        m_polled.insert(folder);
        if (!m_saidPolled.contains(folder)) {
            m_saidPolled.insert(folder);
            qWarning("Brevora: no change notifications for %s; it is looked at once a second",
                     qPrintable(QDir::toNativeSeparators(folder)));
        }
    }
    if (m_polled.isEmpty())
        m_pollTimer->stop();
    else if (!m_pollTimer->isActive())
        m_pollTimer->start();
}

void FolderWatch::watchFiles(const QStringList &files)
{
    if (files == m_files)
        return;
    if (!m_files.isEmpty())
        m_watcher.removePaths(m_files);
    m_files = files;
    for (const QString &file : files)
        addWatch(file);
}

void FolderWatch::onDirectoryChanged(const QString &path)
{
    if (m_folders.contains(path)) {
        // A removed folder drops its watch; it is set again when the folder comes back.
        if (!m_watcher.directories().contains(path))
            arm(path);
        emit folderChanged(path);
        return;
    }
    // A parent changed: a folder of ours may have been made again, renamed away or replaced.
    checkFoldersAreTheSame();
}

void FolderWatch::checkFoldersAreTheSame()
{
    // Parents first, so a folder made again in a new parent is waited for through the new one.
    const QStringList paths = m_identities.keys();
    for (const QString &path : paths) {
        const std::optional<EntryIdentity> now = entryIdentity(path);
        if (m_folders.contains(path) || now == m_identities.value(path))
            continue;
        m_watcher.removePath(path);
        addWatch(path);
        m_identities.insert(path, now);
    }
    for (const QString &folder : std::as_const(m_folders)) {
        if (entryIdentity(folder) == m_identities.value(folder))
            continue;
        // The old watch follows the old folder wherever it went; the path is watched afresh.
        m_watcher.removePath(folder);
        arm(folder);
        emit folderChanged(folder);
    }
}

void FolderWatch::noteIdentity(const QString &folder)
{
    const std::optional<EntryIdentity> identity = entryIdentity(folder);
    m_identities.insert(folder, identity);
    if (!identity)
        return;
    const auto seen = m_lastSeen.constFind(folder);
    if (seen != m_lastSeen.cend() && *seen != *identity)
        qInfo("Brevora: the folder %s was replaced by another one; the new folder is watched",
              qPrintable(QDir::toNativeSeparators(folder)));
    m_lastSeen.insert(folder, *identity);
}

void FolderWatch::onFileChanged(const QString &path)
{
    // A file replaced by a rename loses its watch; watching the name again follows the new file.
    if (QFileInfo::exists(path) && !m_watcher.files().contains(path))
        addWatch(path);
    emit folderChanged(QFileInfo(path).path());
}

void FolderWatch::poll()
{
    const QStringList polled(m_polled.cbegin(), m_polled.cend());
    for (const QString &folder : polled) {
        arm(folder);
        emit folderChanged(folder);
    }
}

} // namespace brevora
