// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <memory>

namespace brevora {

// The desktop's notifications: a trace of an alarm that stays on the desktop until the user dismisses it, beside
// the program's own windows. Posting never waits for the desktop; what became of a notification is told later.
class DesktopNotifier : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Posts a notification with a plain-text body. `key` names what it is about (an alarm and its minute, or a
    // summary); posting again under a key already posted replaces that notification instead of adding one.
    virtual void post(const QString &key, const QString &summary, const QString &body) = 0;

signals:
    // The desktop took the notification (true), or none answered in time or it refused (false).
    void delivered(const QString &key, bool shown);
    // The user chose the notification's default action.
    void activated(const QString &key);
};

// The label of a notification's default action, which brings the alarm forward, in the user's language.
inline QString showLabel()
{
    return QCoreApplication::translate("brevora::DesktopNotifier", "Show");
}

// The desktop's own notification service where this system has one.
std::unique_ptr<DesktopNotifier> createSystemNotifier(QObject *parent = nullptr);

} // namespace brevora
