// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/life/addfields.h"
#include "core/store/storelayout.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

namespace brevora {

struct ImportOptions
{
    bool dryRun = false; // check everything, write nothing
    bool force = false; // replace an alarm of the same kind and minute
};

// One line of an import's report, about one component of the calendar or the calendar as a whole.
struct ImportNote
{
    enum class Kind {
        NotImported, // `text` says why
        Taken, // not imported: without `force`, the alarm `text` names is in the way
        Note, // what the user should know of what was imported or was there already
    };
    Kind kind;
    int line = 0; // where the component begins in the calendar's text, from 1; 0 where the text does not say
    int item = 0; // the component's place in the calendar, from 1; 0 for the calendar as a whole
    QString uid; // the component's UID; empty when it has none
    QString text; // in the user's language where a window shows it, as written on the command line
};

struct ImportReport
{
    QStringList written; // the alarm files written, or that would be written
    QList<ImportNote> notes; // in the calendar's order

    qsizetype notImported() const;
};

// Makes alarms of the calendar's events and to-dos whose repetition a kind can hold, each through the checks and
// the write of addFields. A component that Brevora exported and that still says what its alarm file says is
// recognised by the file it carries, and gives back that very file; one changed in a calendar since becomes what
// it now says. The same alarm already in the store is no clash: the calendar and the store agree.
ImportReport importCalendar(const StoreLayout &layout, const QByteArray &calendar, const QDateTime &now,
                            const SoundCheck &soundPlays, const ImportOptions &options);

} // namespace brevora
