// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

namespace brevora {

// What wakes a sleeping machine for the alarms: the helper that holds the right to, or a test's stand-in. It is
// asked once whether it can, and told the moments from then on.
class Waker : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Asks whether the machine can be woken; availabilityKnown tells the answer.
    virtual void start() = 0;
    virtual bool available() const = 0;
    // Why the machine cannot be woken; empty while asking and when it can.
    virtual QString reason() const = 0;
    // The program that needs the right to wake the machine.
    virtual QString program() const = 0;
    // Replaces the moments to wake the machine at; false when it cannot be woken.
    virtual bool setMoments(const QList<QDateTime> &moments) = 0;

signals:
    void availabilityKnown(bool available);
};

// The command an administrator runs to let `helper` wake the machine, as every message that tells how words it.
inline QString wakeAllowCommand(const QString &helper)
{
    return QStringLiteral("setcap cap_wake_alarm+ep ") + helper;
}

} // namespace brevora
