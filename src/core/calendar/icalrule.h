// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <libical/ical.h>

#include <QDate>
#include <QList>
#include <QString>

#include <variant>

namespace brevora::ical {

// The kind that holds a component's repetition, and the days it names (weekdays Monday = 1, days of the month,
// months).
struct Repetition
{
    AlarmKind kind = AlarmKind::Once;
    QList<int> weekdays;
    QList<int> monthDays;
    int month = 0;
};

// The repetition of the event or to-do whose start falls on `eventDate`, counted in its own terms, or why no kind
// holds it.
std::variant<Repetition, QString> repetition(icalcomponent *component, const QDate &eventDate);

} // namespace brevora::ical
