// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/notify/desktopnotifier.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QHash>
#include <QMetaObject>
#include <QVariantMap>

namespace brevora {

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");
const QString interfaceName = QStringLiteral("org.freedesktop.Notifications");
const QString programName = QStringLiteral(BREVORA_APP_ID);
// Long enough for a server that is being started on demand; short enough that a hung one is given up soon.
constexpr int answerTimeoutMs = 4000;
constexpr uchar criticalUrgency = 2;

// Servers read the body as a small markup language, so the alarm's own text must not be taken for tags.
QString escapedForMarkup(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            escaped += QStringLiteral("&amp;");
        else if (c == u'<')
            escaped += QStringLiteral("&lt;");
        else if (c == u'>')
            escaped += QStringLiteral("&gt;");
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

// The freedesktop notification service on the session bus. Every call is asynchronous and bounded, so neither
// a missing nor a hung server keeps a notice or its sound waiting.
class FreedesktopNotifier final : public DesktopNotifier
{
    Q_OBJECT
public:
    explicit FreedesktopNotifier(QObject *parent)
        : DesktopNotifier(parent)
        , m_bus(QDBusConnection::sessionBus())
    {
        if (!m_bus.isConnected())
            return;
        // Any sender: the server may be started on demand after this, under a name owner not known yet. Ids
        // that are not ours are ignored.
        m_bus.connect(QString(), objectPath, interfaceName, QStringLiteral("ActionInvoked"), this,
                      SLOT(serverActionInvoked(uint, QString)));
        m_bus.connect(QString(), objectPath, interfaceName, QStringLiteral("NotificationClosed"), this,
                      SLOT(notificationClosed(uint, uint)));
    }

    void post(const QString &key, const QString &summary, const QString &body,
              const QList<NotificationAction> &actions) override
    {
        if (!m_bus.isConnected()) {
            sayOnce(QStringLiteral("There is no D-Bus session bus, so alarms are shown in their notices only, "
                                   "without a desktop notification."));
            QMetaObject::invokeMethod(
                this, [this, key] { emit delivered(key, false); }, Qt::QueuedConnection);
            return;
        }
        QDBusMessage call
            = QDBusMessage::createMethodCall(service, objectPath, interfaceName, QStringLiteral("Notify"));
        QStringList actionList{ QStringLiteral("default"), QStringLiteral("Show") };
        for (const NotificationAction &action : actions)
            actionList << action.id << action.label;
        const QVariantMap hints{ { QStringLiteral("desktop-entry"), programName },
                                 { QStringLiteral("urgency"), QVariant::fromValue(criticalUrgency) } };
        // No expiry: like the notice, the trace stays until the user dismisses it.
        call << QStringLiteral("Brevora") << m_ids.value(key, 0u) << programName << summary << escapedForMarkup(body)
             << actionList << hints << 0;
        auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, answerTimeoutMs), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, key] {
            watcher->deleteLater();
            const QDBusPendingReply<uint> reply = *watcher;
            if (reply.isError()) {
                sayOnce(failureText(reply.error()));
                emit delivered(key, false);
                return;
            }
            m_said.clear();
            const uint id = reply.value();
            m_ids.insert(key, id);
            m_keys.insert(id, key);
            emit delivered(key, true);
        });
    }

private slots:
    void serverActionInvoked(uint id, const QString &action)
    {
        if (!m_keys.contains(id))
            return;
        emit actionInvoked(m_keys.value(id), action);
        if (action == QLatin1String("default"))
            emit activated(m_keys.value(id));
    }

    // A closed notification is not replaced: the same key posts a new one.
    void notificationClosed(uint id, uint /*reason*/)
    {
        const QString key = m_keys.take(id);
        if (!key.isNull() && m_ids.value(key) == id)
            m_ids.remove(key);
    }

private:
    static QString failureText(const QDBusError &error)
    {
        switch (error.type()) {
        case QDBusError::ServiceUnknown:
            return QStringLiteral("No notification server answers on the session bus, so alarms are shown in "
                                  "their notices only, without a desktop notification.");
        case QDBusError::NoReply:
        case QDBusError::Timeout:
            return QStringLiteral("The notification server did not answer within %1 s; the alarm is shown in its "
                                  "notice only.")
                .arg(answerTimeoutMs / 1000);
        default:
            return QStringLiteral("The notification server refused the alarm's notification (%1: %2).")
                .arg(error.name(), error.message());
        }
    }

    // One line for a lasting condition, not one per alarm; said again once it has changed.
    void sayOnce(const QString &text)
    {
        if (text == m_said)
            return;
        m_said = text;
        qInfo("%s", qPrintable(text));
    }

    QDBusConnection m_bus;
    QHash<QString, uint> m_ids; // the server's id of the notification shown under each key
    QHash<uint, QString> m_keys;
    QString m_said;
};

std::unique_ptr<DesktopNotifier> createSystemNotifier(QObject *parent)
{
    return std::make_unique<FreedesktopNotifier>(parent);
}

} // namespace brevora

#include "desktopnotifier_linux.moc"
