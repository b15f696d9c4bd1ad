// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QObject>

#include <memory>

namespace brevora {

// Wakes the program at a moment of the wall clock, however the machine got there: a timer that counts
// elapsed time is late after a suspend and blind to a clock that was set, so a minute boundary would be
// missed exactly when the user notices most (opening the lid at 7:05).
class WallClockAlarm : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Rings once at `moment`, or at once when the moment is already past. Replaces any earlier moment.
    virtual void arm(const QDateTime &moment) = 0;
    virtual void disarm() = 0;
    virtual bool isArmed() const = 0;

signals:
    // The armed moment has come.
    void rang();
    // The wall clock was set, its time zone changed or the machine slept: moments computed before may be wrong
    // and time counted meanwhile by elapsed-time timers is off. The alarm is disarmed; arm it again.
    void clockJumped();
};

// The system's wall-clock alarm, for the system clock.
std::unique_ptr<WallClockAlarm> createSystemWallClockAlarm(QObject *parent = nullptr);

} // namespace brevora
