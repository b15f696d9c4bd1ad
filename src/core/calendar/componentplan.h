// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calendar/icalimport.h"
#include "core/life/addfields.h"

#include <libical/ical.h>

namespace brevora::ical {

// What one component of a calendar becomes before anything is written: the alarms, in order, and what the report
// says of it first (why it or a part of it is not imported, a start moved to this machine's zone). The notes'
// places and UIDs are left to the caller.
struct ComponentPlan
{
    QList<FieldsRequest> alarms;
    QList<ImportNote> notes;
};

// An event or to-do whose repetition a kind can hold becomes an alarm for each of its reminders (one at its start
// when it has none); each alarm replaces an alarm of the same kind and minute when `force` is set. A component that
// Brevora exported and that still says what its alarm file says gives back that very file.
ComponentPlan planComponent(icalcomponent *component, bool force);

} // namespace brevora::ical
