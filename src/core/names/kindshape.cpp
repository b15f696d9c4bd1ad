// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/kindshape.h"

#include <array>

namespace brevora {

namespace {

using enum TimeField;

const std::array<KindShape, 5> &shapes()
{
    static const std::array<KindShape, 5> table{ {
        { AlarmKind::Once, "once", { Day, Month, Year, Hour, Minutes }, 3, "D-M-YYYY H:MM", "3-2-2030 14:00" },
        { AlarmKind::Daily, "daily", { Hour, Minutes }, 0, "H:MM", "7:05" },
        { AlarmKind::Weekly, "weekly", { Weekday, Hour, Minutes }, 1, "WEEKDAY H:MM", "Monday 8:30" },
        { AlarmKind::Monthly, "monthly", { Day, Hour, Minutes }, 1, "D H:MM", "15 9:00" },
        { AlarmKind::Yearly, "yearly", { Day, Month, Hour, Minutes }, 2, "D-M H:MM", "24-12 20:15" },
    } };
    return table;
}

} // namespace

const KindShape &kindShape(AlarmKind kind)
{
    return shapes()[static_cast<std::size_t>(kind)];
}

NameBounds nameBounds(TimeField field)
{
    // The year as the clock writes it: never below 1, and in full (the once check asks for four digits).
    static const std::array<NameBounds, 6> bounds{ {
        { QT_TRANSLATE_NOOP("brevora::core", "day"), 1, 31 },
        { QT_TRANSLATE_NOOP("brevora::core", "month"), 1, 12 },
        { QT_TRANSLATE_NOOP("brevora::core", "year"), 1, 9999 },
        { QT_TRANSLATE_NOOP("brevora::core", "hour"), 0, 23 },
        { QT_TRANSLATE_NOOP("brevora::core", "minute"), 0, 59 },
        { "", 0, 0 },
    } };
    return bounds[static_cast<std::size_t>(field)];
}

QString kindWord(AlarmKind kind)
{
    return QString::fromLatin1(kindShape(kind).word);
}

std::optional<AlarmKind> kindFromWord(const QString &word)
{
    for (const KindShape &shape : shapes()) {
        if (word.compare(QLatin1String(shape.word), Qt::CaseInsensitive) == 0)
            return shape.kind;
    }
    return std::nullopt;
}

} // namespace brevora
