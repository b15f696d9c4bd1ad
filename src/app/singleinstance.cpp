// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include "os/files/lockentry.h"
#include "ui/common/prompter.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace brevora {

namespace {

const QString lockName = QStringLiteral(".brevora.lock");

} // namespace

SingleInstance::SingleInstance(const QString &programDir, QObject *parent)
    : QObject(parent)
    , m_programDir(programDir)
    , m_lock(QDir(programDir).filePath(lockName))
{
    // A copy runs for weeks: its lock is stale only when its process is gone, never merely because it is old.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromServer();
            emit showRequested();
        }
    });
}

QString SingleInstance::serverName(const QString &programDir)
{
    const QString canonical = QFileInfo(programDir).canonicalFilePath();
    const QByteArray key = (canonical.isEmpty() ? QDir::cleanPath(programDir) : canonical).toUtf8();
    return QStringLiteral("brevora-")
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

bool SingleInstance::claim()
{
    // QLockFile opens what it finds to read whose it is, which blocks for good on a pipe, and it trusts the
    // process number in it, which after a restart may name any program: the entry is looked at first.
    if (removeLockNobodyHolds(lockPath()) == LockEntry::NotALockFile)
        putAsideWhatIsNotALock();
    // tryLock takes over a lock whose process no longer runs, so a crash does not block the next start.
    if (!m_lock.tryLock(0)) {
        if (m_lock.error() == QLockFile::LockFailedError)
            return false;
        qWarning("Brevora cannot keep a lock in %s, so a second start on it is not prevented.",
                 qPrintable(QDir::toNativeSeparators(m_programDir)));
        return true;
    }
    const QString name = serverName(m_programDir);
    // The lock is ours, so a socket left under the name belongs to a copy that died.
    QLocalServer::removeServer(name);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(name))
        qWarning("Brevora cannot listen for later starts: %s", qPrintable(m_server.errorString()));
    return true;
}

void SingleInstance::putAsideWhatIsNotALock()
{
    const QString path = lockPath();
    const QFileInfo entry(path);
    QString done = QStringLiteral("removed");
    if (entry.isSymLink() || !entry.isDir()) {
        // Only the link itself (or the pipe, the device) goes, never what a link names.
        if (!QFile::remove(path))
            done.clear();
    } else if (!QDir().rmdir(path)) {
        // A folder with files in it is the user's: it is moved aside, not emptied.
        QString aside = path + QStringLiteral(".moved-aside");
        for (int n = 2; QFileInfo(aside).exists() || QFileInfo(aside).isSymLink(); ++n)
            aside = path + QStringLiteral(".moved-aside-%1").arg(n);
        done = QDir().rename(path, aside) ? QStringLiteral("moved to %1").arg(QDir::toNativeSeparators(aside))
                                          : QString();
    }
    if (done.isEmpty())
        qWarning("Brevora: %s is not a lock file and cannot be replaced by one.",
                 qPrintable(QDir::toNativeSeparators(path)));
    else
        qWarning("Brevora: %s was not a lock file; it was %s and a lock was made in its place.",
                 qPrintable(QDir::toNativeSeparators(path)), qPrintable(done));
}

bool SingleInstance::askRunningCopyToShow(int timeoutMs)
{
    // The running copy may still be starting and not yet listening: try again until the time is up.
    const QDeadlineTimer deadline(timeoutMs);
    do {
        QLocalSocket socket;
        socket.connectToServer(serverName(m_programDir));
        if (socket.waitForConnected(int(std::max<qint64>(1, deadline.remainingTime())))) {
            socket.disconnectFromServer();
            return true;
        }
        QThread::msleep(50);
    } while (!deadline.hasExpired());
    return false;
}

std::optional<int> endForRunningCopy(SingleInstance &instance, Prompter &prompter, int timeoutMs)
{
    if (instance.claim())
        return std::nullopt;
    if (instance.askRunningCopyToShow(timeoutMs))
        return 0;
    const QString folder = QDir::toNativeSeparators(QFileInfo(instance.lockPath()).path());
    const QString text = QCoreApplication::translate(
                             "brevora::SingleInstance",
                             "Brevora is already running on %1, but it does not answer, so this start ends.\n\nIf "
                             "it stays like this, end the running copy (for example in a task manager) and start "
                             "Brevora again.")
                             .arg(folder);
    qWarning("%s", qPrintable(text));
    prompter.ask(nullptr, QMessageBox::Warning, QStringLiteral("Brevora"), text, QMessageBox::Ok);
    return 1;
}

} // namespace brevora
