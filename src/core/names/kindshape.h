// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"
#include "core/model/fieldrules.h"

#include <QList>
#include <QString>

#include <optional>

namespace brevora {

// What an alarm file's name is made of, one row per kind: its due fields in name order, the first `dateParts` of
// them joined by datePartSeparator, then nameSeparator, then the hour and the minute joined by datePartSeparator,
// then the extension ("3-2-2007_14-0.alm", "14-0.alm", "Monday_8-30.alm"). The command line's --add takes the
// same fields as a date argument (joined the same way) and a time H:MM.
struct KindShape
{
    AlarmKind kind;
    const char *word; // the command line's word for the kind: --kind, the listings
    QList<TimeField> fields;
    qsizetype dateParts;
    const char *addSyntax; // the --add arguments, for the messages
    const char *addExample;
};

const KindShape &kindShape(AlarmKind kind);

inline constexpr QChar datePartSeparator = u'-';
inline constexpr QChar nameSeparator = u'_';
inline const QString alarmExtension = QStringLiteral(".alm");

// The bounds of a field as the clock writes it in a name, and the word a fault names it by.
struct NameBounds
{
    const char *what;
    int low;
    int high;
};

// Empty `what` for the weekday, which is a word rather than a number.
NameBounds nameBounds(TimeField field);

// The word the command line uses for a kind ("once", "daily", ...), and back, in any letter case.
QString kindWord(AlarmKind kind);
std::optional<AlarmKind> kindFromWord(const QString &word);

} // namespace brevora
