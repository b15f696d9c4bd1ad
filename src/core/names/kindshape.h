// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"

#include <QString>

namespace brevora {

// The separators of an alarm file's name (its shape per kind is the kind's row in alarmkind.h).
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

} // namespace brevora
