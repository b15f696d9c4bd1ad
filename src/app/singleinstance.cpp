// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
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

} // namespace brevora
