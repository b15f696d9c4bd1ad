// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/commands/storescan.h"

#include <QDateTime>

class QTextStream;

namespace brevora::cli {

struct ListedAlarm
{
    StoredAlarm alarm;
    std::optional<QDateTime> nextDue;
};

// The alarms by their next due moment, the ones that never fall due last. An acknowledged alarm waits at least
// 65 seconds before it comes back, so its next moment is counted from then.
QList<ListedAlarm> listAlarms(QList<StoredAlarm> alarms, const QDateTime &now);

// One line per alarm: next due moment, kind, where it waits, sound, text; separated by tabs.
void printListing(QTextStream &out, const QList<ListedAlarm> &list);
QByteArray listingJson(const QList<ListedAlarm> &list);

} // namespace brevora::cli
