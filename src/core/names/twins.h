// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QDateTime>
#include <QStringList>

namespace brevora {

// Alarms of one kind whose names differ only in letter case stand for the same minute, and the due check, which
// builds the minute's name from the clock, opens one of them: the one spelt as the clock spells that name, or
// else the first in twinOrder. The listing, the store check, the missed list, the return of set-aside alarms and
// the folder listings all ask this one rule.

// Names in a stable order, letter case ignored first; between names that differ only in letter case, the one
// the due check finds when none is spelt as the clock spells it comes first.
inline bool twinOrder(const QString &a, const QString &b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

// Which of `names` (one kind, equal but for letter case) the due check opens in the first minute from `from` in
// which they fall due; the first in twinOrder when they never do. Its index in `names`.
qsizetype foundTwin(AlarmKind kind, const QStringList &names, const QDateTime &from);

// The name the clock writes in the first minute from `from` in which `name` falls due; empty when it never does.
QString clockSpelling(AlarmKind kind, const QString &name, const QDateTime &from);

} // namespace brevora
