// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/problem.h"
#include "core/store/storescan.h"
#include "scheduler/missed.h"

#include <QDateTime>

#include <limits>

class QTextStream;

namespace brevora::cli {

// An alarm's place in the listing: where it is and when it next falls due, and of its contents only what a line
// shows, kept from the one reading of the file. A store holds tens of thousands of alarms.
struct ListedAlarm
{
    static constexpr qint64 never = std::numeric_limits<qint64>::max();

    StoredAlarm alarm;
    qint64 nextDue; // milliseconds since the epoch, or `never`
    std::optional<QString> text; // empty when the file cannot be read as an alarm
    QString sound;
};

// The alarms by their next due moment, the ones that never fall due last. An acknowledged alarm waits at least
// 65 seconds before it comes back, so its next moment is counted from then. A file the due check can never
// show falls due never: one that cannot be read as an alarm, and one whose name differs only in letter case
// from the one found instead. `problems` hears of folders that cannot be read.
QList<ListedAlarm> listAlarms(const StoreLayout &layout, const QList<AlarmKind> &kinds, const QDateTime &now,
                              const ProblemSink &problems);

// One line per alarm: next due moment, kind, where it waits, sound, text; separated by tabs. A tab, a line
// end or a backslash within a column is written as \t, \r, \n or \\, so every alarm stays one line of five
// columns.
void printListing(QTextStream &out, const QList<ListedAlarm> &list);
void printListingJson(QTextStream &out, const QList<ListedAlarm> &list);

// One line per missed occurrence: its moment, kind and text, separated by tabs.
void printMissed(QTextStream &out, const MissedAlarms &missed);
QByteArray missedJson(const MissedAlarms &missed);

} // namespace brevora::cli
