// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/commands/storescan.h"
#include "cli/problem.h"

namespace brevora {
class SystemProbe;
}

namespace brevora::cli {

// What the system around the store must offer: the log-on entry when the log-on setting is on, a notification
// area when the hide setting is on, and for alarms with a sound, a sound server and sound files that decode.
QList<Problem> checkSystem(const StoreLayout &layout, const QList<StoredAlarm> &alarms, const SystemProbe &probe);

} // namespace brevora::cli
