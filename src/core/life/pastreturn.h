// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"
#include "core/store/storescan.h"

#include <QDateTime>

#include <QString>
#include <QStringList>

#include <functional>

namespace brevora {

class StoreLayout;

struct PastReturnReport
{
    int returned = 0; // moved back to the active folder
    int superseded = 0; // waiting copies removed because the active folder holds a newer alarm of that name
    int skipped = 0; // could not be moved; left where they are
    // Folders of acknowledged alarms that are links or lie under one: a user's folder, whose files are never
    // taken into the active folders.
    QStringList linked;
};

// How long a set-aside alarm waits before it comes back, counted from its acknowledgement.
inline constexpr int pastReturnSeconds = 65;

// The next moment an alarm of the store falls due at or after `now`: a set-aside one only once it has come back.
// The listing and the calendar export both count so, as the due checks will.
std::optional<QDateTime> nextStoredMoment(const StoredAlarm &alarm, const QDateTime &now);

// Says which waiting files stay where they are this time.
using PastReturnFilter = std::function<bool(AlarmKind kind, const QString &name)>;

// Moves every file of the four folders of acknowledged alarms back into its active folder. Each file is tried
// once, so a file that cannot be moved never holds up the others or loops. A folder that is a link, or lies in
// a linked Events/Past, is left alone wherever it leads (the Events folder may itself be a link to a synced folder).
// Waiting twins (names equal but for letter case) all come back: none of them is taken for a newer alarm.
PastReturnReport returnPastAlarms(const StoreLayout &layout, const PastReturnFilter &keep = {});

} // namespace brevora
