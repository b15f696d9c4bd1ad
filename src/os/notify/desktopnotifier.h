// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

namespace brevora {

// The desktop's notifications: a trace of an alarm that stays on the desktop until the user dismisses it, beside
// the program's own windows. Posting never waits for the desktop; what became of a notification is told later.
// A choice a notification offers beside its default action: `id` comes back with actionInvoked.
struct NotificationAction
{
    QString id;
    QString label;
};

class DesktopNotifier : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Posts a notification with a plain-text body. `key` names what it is about (an alarm and its minute, or a
    // summary); posting again under a key already posted replaces that notification instead of adding one.
    virtual void post(const QString &key, const QString &summary, const QString &body,
                      const QList<NotificationAction> &actions = {})
        = 0;

signals:
    // The desktop took the notification (true), or none answered in time or it refused (false).
    void delivered(const QString &key, bool shown);
    // The user chose the notification's default action.
    void activated(const QString &key);
    // The user chose one of the notification's actions ("default" for the default one).
    void actionInvoked(const QString &key, const QString &actionId);
};

// The desktop's own notification service where this system has one.
std::unique_ptr<DesktopNotifier> createSystemNotifier(QObject *parent = nullptr);

} // namespace brevora
