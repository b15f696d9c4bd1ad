// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

namespace brevora {

// What the system says of its sleep: that the computer is about to suspend, and that it has resumed. While it
// listens it holds a delay lock, so that the program can write down what it must before the computer sleeps.
// Where the system has no such service (a container, another init), it hears nothing and says nothing.
class SleepWatch : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void start() = 0;
    // The program has done what it had to before the sleep: the computer may go.
    virtual void readyToSleep() = 0;
    // Whether the delay lock is held now.
    virtual bool holdsLock() const = 0;

signals:
    void aboutToSleep();
    void resumed();
};

// The system's own: logind on Linux; nothing elsewhere.
std::unique_ptr<SleepWatch> createSystemSleepWatch(QObject *parent = nullptr);

} // namespace brevora
