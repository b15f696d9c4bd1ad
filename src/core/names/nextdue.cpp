// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/nextdue.h"

#include "core/names/alarmname.h"
#include "core/names/kindshape.h"

namespace brevora {

namespace {

// The candidate is confirmed by building the clock's own name for it, so a date that does not exist or a minute
// the local clock skips (a change to summer time) is never reported. Candidates are compared as plain dates and
// times: only the one confirmed becomes a local moment, since each local conversion asks the system's time zone.
std::optional<QDateTime> confirmed(const DueName &name, const QDate &date, const QDateTime &from)
{
    if (!date.isValid() || date < from.date() || (date == from.date() && name.time < from.time()))
        return std::nullopt;
    const QStringList fields = dueFieldsAt(name.kind, QDateTime(date, name.time, Qt::UTC));
    if (alarmFileName(name.kind, fields).compare(name.fileName, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QDateTime moment(date, name.time);
    if (!moment.isValid() || moment.date() != date || moment.time() != name.time)
        return std::nullopt;
    return moment;
}

// The first confirmed date of `count` candidates from `candidate(0)` on.
template<typename Candidate>
std::optional<QDateTime> firstOf(const DueName &name, const QDateTime &from, int count, Candidate candidate)
{
    for (int ahead = 0; ahead < count; ++ahead) {
        if (auto due = confirmed(name, candidate(ahead), from))
            return due;
    }
    return std::nullopt;
}

} // namespace

std::optional<DueName> readDueName(AlarmKind kind, const QString &fileName)
{
    const auto parts = splitAlarmName(kind, fileName);
    if (!parts)
        return std::nullopt;
    DueName name{ kind, fileName, {}, {}, {}, {}, {} };
    std::optional<int> hour, minute;
    const QList<TimeField> &fields = kindShape(kind).fields;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString &part = parts->at(i);
        const std::optional<int> value = fields[i] == TimeField::Weekday ? weekdayNumber(part) : nameNumber(part);
        if (!value)
            return std::nullopt;
        switch (fields[i]) {
        case TimeField::Day:
            name.day = value;
            break;
        case TimeField::Month:
            name.month = value;
            break;
        case TimeField::Year:
            name.year = value;
            break;
        case TimeField::Weekday:
            name.weekday = value;
            break;
        case TimeField::Hour:
            hour = value;
            break;
        case TimeField::Minutes:
            minute = value;
            break;
        }
    }
    name.time = QTime(*hour, *minute);
    if (!name.time.isValid())
        return std::nullopt;
    return name;
}

std::optional<QDateTime> nextDueMoment(const DueName &name, const QDateTime &fromMoment)
{
    const QDateTime from(fromMoment.date(), QTime(fromMoment.time().hour(), fromMoment.time().minute()));
    const QDate today = from.date();
    if (name.year)
        return confirmed(name, QDate(*name.year, *name.month, *name.day), from);
    if (name.month) {
        // 29 February can be eight years away (2096 to 2104).
        return firstOf(name, from, 10, [&](int ahead) { return QDate(today.year() + ahead, *name.month, *name.day); });
    }
    if (name.day) {
        if (*name.day < 1 || *name.day > 31)
            return std::nullopt;
        // Every day up to 31 comes within two months; a year covers a skipped summer-time minute as well.
        return firstOf(name, from, 14, [&](int ahead) {
            const QDate first = QDate(today.year(), today.month(), 1).addMonths(ahead);
            return QDate(first.year(), first.month(), *name.day);
        });
    }
    if (name.weekday) {
        const int toWeekday = (*name.weekday - today.dayOfWeek() + 7) % 7;
        return firstOf(name, from, 3, [&](int ahead) { return today.addDays(toWeekday + 7 * ahead); });
    }
    return firstOf(name, from, 3, [&](int ahead) { return today.addDays(ahead); });
}

std::optional<QDateTime> nextDueMoment(AlarmKind kind, const QString &fileName, const QDateTime &from)
{
    const auto name = readDueName(kind, fileName);
    return name ? nextDueMoment(*name, from) : std::nullopt;
}

} // namespace brevora
