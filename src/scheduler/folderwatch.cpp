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
    // The parent tells when a removed folder is made again.
    const QString parent = QFileInfo(folder).path();
    if (!m_watcher.directories().contains(parent))
        addWatch(parent);
    arm(folder);
}

void FolderWatch::arm(const QString &folder)
{
    bool watched;
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
    // A parent changed: a folder of ours may have been made again.
    for (const QString &folder : std::as_const(m_folders)) {
        if (QFileInfo(folder).path() == path && !m_watcher.directories().contains(folder)
            && QFileInfo(folder).isDir()) {
            arm(folder);
            emit folderChanged(folder);
        }
    }
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
