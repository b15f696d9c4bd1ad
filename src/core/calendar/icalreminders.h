// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmfile.h"

#include <libical/ical.h>

#include <QList>
#include <QString>

#include <variant>

namespace brevora::ical {

// A reminder's minute, counted from the event's start, and the sound it plays.
struct Reminder
{
    qint64 offset = 0; // seconds
    QString sound = noSound;
};

// The name of a time's zone, for people to read.
QString zoneName(const icaltimetype &time);

// The moment of a time in seconds since the epoch; a floating time is read as UTC.
qint64 secondsOf(const icaltimetype &time);

// The reminders (VALARM) of the event or to-do that starts at `startSeconds`, one a minute in the order of their
// minutes, or why they cannot be an alarm's.
std::variant<QList<Reminder>, QString> reminders(icalcomponent *component, qint64 startSeconds);

} // namespace brevora::ical
