// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/storelayout.h"
#include "core/store/storescan.h"

#include <QByteArray>
#include <QDateTime>

namespace brevora {

struct ExportedCalendar
{
    QByteArray text; // the calendar, empty when libical found it invalid
    QList<Problem> leftOut; // alarms that are not in it, in the words of the store's check (storeproblems.h)
    QString error; // why there is no calendar
};

// Every alarm of the store, active or set aside, as one event each: the next due moment as its floating start and
// the kind's repetition as its rule, so a calendar shows the moments --list shows; a reminder at the start that
// shows the text and one that plays the sound; and the file itself, so that an import gives it back unchanged.
// An alarm that never falls due (its name or its contents are at fault, or a twin is shown instead) is left out,
// with the store check's words. The UID comes from the kind and the name alone, so a calendar that imports the export
// twice updates its events instead of doubling them.
ExportedCalendar exportCalendar(const StoreLayout &layout, const QDateTime &now);

// The UID of the event of an alarm of the kind's word with this file name.
QString eventUid(AlarmKind kind, const QString &fileName);

} // namespace brevora
