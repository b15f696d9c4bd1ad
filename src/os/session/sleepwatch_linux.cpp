// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/session/sleepwatch.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>

namespace brevora {

namespace {

const QString service = QStringLiteral("org.freedesktop.login1");
const QString path = QStringLiteral("/org/freedesktop/login1");
const QString manager = QStringLiteral("org.freedesktop.login1.Manager");

class LogindSleepWatch final : public SleepWatch
{
    Q_OBJECT
public:
    using SleepWatch::SleepWatch;

    void start() override
    {
        QDBusConnection bus = QDBusConnection::systemBus();
        if (!bus.isConnected())
            return;
        bus.connect(service, path, manager, QStringLiteral("PrepareForSleep"), this, SLOT(onPrepareForSleep(bool)));
        takeLock();
    }

    void readyToSleep() override { m_lock = QDBusUnixFileDescriptor(); }
    bool holdsLock() const override { return m_lock.isValid(); }

private slots:
    void onPrepareForSleep(bool sleeping)
    {
        if (sleeping) {
            emit aboutToSleep();
            // Whoever heard it had its say; the lock goes even if nobody called readyToSleep().
            readyToSleep();
        } else {
            takeLock();
            emit resumed();
        }
    }

private:
    void takeLock()
    {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, manager, QStringLiteral("Inhibit"));
        call << QStringLiteral("sleep") << QStringLiteral("Brevora")
             << QStringLiteral("Writes down which alarms were handled before the computer sleeps")
             << QStringLiteral("delay");
        // Never started on demand: a system without logind simply answers with an error.
        call.setAutoStartService(false);
        auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::systemBus().asyncCall(call), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
            const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *done;
            if (reply.isValid())
                m_lock = reply.value();
            done->deleteLater();
        });
    }

    QDBusUnixFileDescriptor m_lock;
};

} // namespace

std::unique_ptr<SleepWatch> createSystemSleepWatch(QObject *parent)
{
    return std::make_unique<LogindSleepWatch>(parent);
}

} // namespace brevora

#include "sleepwatch_linux.moc"
