// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/notify/desktopnotifier.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QDirIterator>
#include <QHash>
#include <QMetaObject>
#include <QSet>
#include <QStandardPaths>
#include <QTimer>
#include <QVariantMap>

namespace brevora {

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");
const QString interfaceName = QStringLiteral("org.freedesktop.Notifications");
const QString programName = QStringLiteral(BREVORA_APP_ID);
// Long enough for a server that is being started on demand; short enough that a hung one is given up soon.
constexpr int answerTimeoutMs = 4000;
// A slow server that answers after all has shown the notification: its id is still taken, so that what follows
// for the same alarm replaces that notification instead of adding a second.
constexpr int lateAnswerMs = 120000;
constexpr uchar normalUrgency = 1;
constexpr int serverDefaultExpiry = -1;
constexpr int neverExpires = 0;

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

// Whether the desktop finds the program's icon by name: a package installs it, a portable copy does not.
bool iconInstalled()
{
    const QStringList themes = QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("icons/hicolor"), QStandardPaths::LocateDirectory);
    for (const QString &theme : themes) {
        QDirIterator files(theme, { programName + QStringLiteral(".*") }, QDir::Files, QDirIterator::Subdirectories);
        if (files.hasNext())
            return true;
    }
    return false;
}

// The image-data hint: width, height, row stride, alpha, bits per sample, channels, pixels.
QVariant imageHint(QSize size, const QByteArray &rgba)
{
    QDBusArgument image;
    image.beginStructure();
    image << size.width() << size.height() << size.width() * 4 << true << 8 << 4 << rgba;
    image.endStructure();
    return QVariant::fromValue(image);
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
        , m_iconInstalled(iconInstalled())
    {
        if (!m_bus.isConnected())
            return;
        // Any sender here, as the server may be started on demand later under an owner not known yet; each
        // signal is then taken only from the owner that answered our Notify.
        m_bus.connect(QString(), objectPath, interfaceName, QStringLiteral("ActionInvoked"), this,
                      SLOT(serverActionInvoked(uint, QString, QDBusMessage)));
        m_bus.connect(QString(), objectPath, interfaceName, QStringLiteral("NotificationClosed"), this,
                      SLOT(notificationClosed(uint, uint, QDBusMessage)));
        // A restarted server numbers its notifications afresh: ours are gone, and their ids may be another's.
        auto *watcher = new QDBusServiceWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] {
            m_ids.clear();
            m_keys.clear();
            m_server.clear();
        });
    }

    void post(const QString &key, const QString &summary, const QString &body, Stay stay,
              const QList<NotificationAction> &actions) override
    {
        // One call at a time for each key: until the server has said which id the last one got, a new one could
        // only add a notification beside it. The newest waits; an older waiting one is outdated by it.
        if (m_pending.contains(key)) {
            m_waiting.insert(key, { summary, body, stay, actions });
            return;
        }
        if (!m_bus.isConnected()) {
            sayOnce(QStringLiteral("There is no D-Bus session bus, so alarms are shown in their notices only, "
                                   "without a desktop notification."));
            QMetaObject::invokeMethod(
                this, [this, key] { emit delivered(key, false); }, Qt::QueuedConnection);
            return;
        }
        QDBusMessage call
            = QDBusMessage::createMethodCall(service, objectPath, interfaceName, QStringLiteral("Notify"));
        QStringList actionList{ QStringLiteral("default"), showLabel() };
        for (const NotificationAction &action : actions)
            actionList << action.id << action.label;
        QVariantMap hints{ { QStringLiteral("desktop-entry"), programName },
                           { QStringLiteral("urgency"), QVariant::fromValue(normalUrgency) } };
        if (!m_iconInstalled && !m_imageRgba.isEmpty())
            hints.insert(QStringLiteral("image-data"), imageHint(m_imageSize, m_imageRgba));
        m_closeOnAnswer.remove(key);
        m_pending.insert(key);
        call << QStringLiteral("Brevora") << m_ids.value(key, 0u) << (m_iconInstalled ? programName : QString())
             << summary << escapedForMarkup(body) << actionList << hints
             << (stay == Stay::UntilDismissed ? neverExpires : serverDefaultExpiry);
        auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call, lateAnswerMs), this);
        // Whoever waits for the desktop (a closing program) hears at the usual bound that it did not answer.
        auto *late = new QTimer(watcher);
        late->setSingleShot(true);
        connect(late, &QTimer::timeout, this, [this, key] {
            sayOnce(failureText(QDBusError(QDBusError::Timeout, {})));
            emit delivered(key, false);
        });
        late->start(answerTimeoutMs);
        connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, late, key] {
            watcher->deleteLater();
            const bool told = !late->isActive();
            late->stop();
            m_pending.remove(key);
            const QDBusPendingReply<uint> reply = *watcher;
            if (reply.isError()) {
                if (!told) {
                    sayOnce(failureText(reply.error()));
                    emit delivered(key, false);
                }
            } else {
                m_said.clear();
                m_server = reply.reply().service();
                const uint id = reply.value();
                m_ids.insert(key, id);
                m_keys.insert(id, key);
                if (m_closeOnAnswer.remove(key))
                    withdraw(key);
                if (!told)
                    emit delivered(key, true);
            }
            if (const auto waiting = m_waiting.find(key); waiting != m_waiting.end()) {
                const Waiting next = *waiting;
                m_waiting.erase(waiting);
                post(key, next.summary, next.body, next.stay, next.actions);
            }
        });
    }

    void withdraw(const QString &key) override
    {
        m_waiting.remove(key);
        const uint id = m_ids.take(key);
        if (id == 0) {
            // Withdrawn before the server said which id it gave: taken off as soon as it says.
            if (m_pending.contains(key))
                m_closeOnAnswer.insert(key);
            return;
        }
        m_keys.remove(id);
        QDBusMessage call
            = QDBusMessage::createMethodCall(service, objectPath, interfaceName, QStringLiteral("CloseNotification"));
        call << id;
        m_bus.asyncCall(call, answerTimeoutMs);
    }

private slots:
    void serverActionInvoked(uint id, const QString &action, const QDBusMessage &message)
    {
        if (message.service() != m_server || !m_keys.contains(id))
            return;
        emit actionInvoked(m_keys.value(id), action);
        if (action == QLatin1String("default"))
            emit activated(m_keys.value(id));
    }

    // A closed notification is not replaced: the same key posts a new one.
    void notificationClosed(uint id, uint /*reason*/, const QDBusMessage &message)
    {
        if (message.service() != m_server)
            return;
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
    QSet<QString> m_pending; // keys whose Notify call is not answered yet
    struct Waiting
    {
        QString summary;
        QString body;
        Stay stay;
        QList<NotificationAction> actions;
    };
    QHash<QString, Waiting> m_waiting; // the newest post of each pending key, sent once the server answered
    QSet<QString> m_closeOnAnswer; // keys withdrawn while their Notify was unanswered
    QString m_server; // the unique bus name that answered our last Notify
    const bool m_iconInstalled;
    QString m_said;
};

std::unique_ptr<DesktopNotifier> createSystemNotifier(QObject *parent)
{
    return std::make_unique<FreedesktopNotifier>(parent);
}

} // namespace brevora

#include "desktopnotifier_linux.moc"
