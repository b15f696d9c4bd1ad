// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/twins.h"

#include "core/names/alarmname.h"
#include "core/names/nextdue.h"

#include <algorithm>

namespace brevora {

QString clockSpelling(AlarmKind kind, const QString &name, const QDateTime &from)
{
    const auto due = nextDueMoment(kind, name, from);
    return due ? alarmFileName(kind, dueFieldsAt(kind, *due)) : QString();
}

qsizetype foundTwin(AlarmKind kind, const QStringList &names, const QDateTime &from)
{
    if (names.isEmpty())
        return -1;
    const QString spelling = clockSpelling(kind, names.first(), from);
    if (const qsizetype exact = spelling.isEmpty() ? -1 : names.indexOf(spelling); exact >= 0)
        return exact;
    return std::min_element(names.cbegin(), names.cend(), twinOrder) - names.cbegin();
}

} // namespace brevora
