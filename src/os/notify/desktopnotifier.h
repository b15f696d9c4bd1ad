// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QSize>
#include <QString>

#include <memory>

namespace brevora {

// A choice a notification offers beside its default action: `id` comes back with actionInvoked.
struct NotificationAction
{
    QString id;
    QString label;
};

// The desktop's notifications: a trace of an alarm that stays on the desktop until the user dismisses it, beside
// the program's own windows. Posting never waits for the desktop; what became of a notification is told later.
class DesktopNotifier : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // How long a notification stays up: as the desktop's own setting has it (a notice on screen says the same),
    // or until the user dismisses it (a trace of what nobody saw).
    enum class Stay { AsTheDesktopSays, UntilDismissed };

    // Posts a notification with a plain-text body. `key` names what it is about (an alarm and its minute, or a
    // summary); posting again under a key already posted replaces that notification instead of adding one.
    virtual void post(const QString &key, const QString &summary, const QString &body, Stay stay = Stay::UntilDismissed,
                      const QList<NotificationAction> &actions = {})
        = 0;
    // Takes the notification posted under `key` off the desktop; nothing when none is there.
    virtual void withdraw(const QString &key) = 0;

    // The program's picture, as 8-bit RGBA rows, for a desktop that has no icon of this program installed.
    void setImage(QSize size, QByteArray rgba)
    {
        m_imageSize = size;
        m_imageRgba = std::move(rgba);
    }

signals:
    // The desktop took the notification (true), or none answered in time or it refused (false).
    void delivered(const QString &key, bool shown);
    // The user chose the notification's default action.
    void activated(const QString &key);
    // The user chose one of the notification's actions ("default" for the default one).
    void actionInvoked(const QString &key, const QString &actionId);

protected:
    QSize m_imageSize;
    QByteArray m_imageRgba;
};

// The label of a notification's default action, which brings the alarm forward, in the user's language.
inline QString showLabel()
{
    return QCoreApplication::translate("brevora::DesktopNotifier", "Show");
}

// The desktop's own notification service where this system has one.
std::unique_ptr<DesktopNotifier> createSystemNotifier(QObject *parent = nullptr);

} // namespace brevora
