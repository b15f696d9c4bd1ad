// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/storelayout.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

namespace brevora {
class SystemProbe;
}

namespace brevora::cli {

struct ImportOptions
{
    bool dryRun = false; // check everything, write nothing
    bool force = false; // replace an alarm of the same kind and minute, as --add --force does
};

struct ImportReport
{
    QStringList written; // the alarm files written, or that would be written
    // In the calendar's order, "FILE:LINE: UID: ...": a line "not imported: why" for everything of the calendar
    // that did not become an alarm, and what the user should know about what was imported (a time moved to this
    // machine's zone, a sound that does not play, an alarm that was already there).
    QStringList lines;
    qsizetype notImported = 0;
};

// Makes alarms of the calendar's events and to-dos whose repetition a kind can hold, each through the checks and
// the write of --add. `label` names the calendar in the report lines. A component that Brevora exported and that
// still says what its alarm file says is recognised by the file it carries, and gives back that very file; one
// changed in a calendar since becomes what it now says.
ImportReport importCalendar(const StoreLayout &layout, const QByteArray &calendar, const QString &label,
                            const QDateTime &now, const SystemProbe &probe, const ImportOptions &options);

} // namespace brevora::cli
