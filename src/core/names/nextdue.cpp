// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler/nextdue.h"

#include "core/model/alarmname.h"

namespace brevora {

namespace {

// The clock writes numbers without leading zeros, signs or blanks; anything else can never be produced.
std::optional<int> clockNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 4 || (text.size() > 1 && text[0] == u'0'))
        return std::nullopt;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return text.toInt();
}

std::optional<int> weekdayNumber(const QString &text)
{
    for (int day = 1; day <= 7; ++day) {
        if (text.compare(weekdayName(day), Qt::CaseInsensitive) == 0)
            return day;
    }
    return std::nullopt;
}

// The candidate is confirmed by building the clock's own name for it, so a date that does not exist or a minute
// the local clock skips (a change to summer time) is never reported. Candidates are compared as plain dates and
// times: only the one confirmed becomes a local moment, since each local conversion asks the system's time zone.
std::optional<QDateTime> confirmed(AlarmKind kind, const QString &fileName, const QDate &date, const QTime &time,
                                   const QDateTime &from)
{
    if (!date.isValid() || date < from.date() || (date == from.date() && time < from.time()))
        return std::nullopt;
    const QStringList fields = dueFieldsAt(kind, QDateTime(date, time, Qt::UTC));
    if (alarmFileName(kind, fields).compare(fileName, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QDateTime moment(date, time);
    if (!moment.isValid() || moment.date() != date || moment.time() != time)
        return std::nullopt;
    return moment;
}

} // namespace

std::optional<QStringList> splitAlarmName(AlarmKind kind, const QString &fileName)
{
    if (!fileName.endsWith(QStringLiteral(".alm"), Qt::CaseInsensitive))
        return std::nullopt;
    const QString stem = fileName.chopped(4);
    const QStringList halves = stem.split(u'_');
    const bool hasDatePart = kind != AlarmKind::Daily;
    if (halves.size() != (hasDatePart ? 2 : 1))
        return std::nullopt;
    const QStringList time = halves.last().split(u'-');
    const QStringList date = hasDatePart ? halves.first().split(u'-') : QStringList();
    const int dateParts = kind == AlarmKind::Once ? 3 : kind == AlarmKind::Yearly ? 2 : hasDatePart ? 1 : 0;
    if (time.size() != 2 || date.size() != dateParts)
        return std::nullopt;
    return date + time;
}

std::optional<QDateTime> nextDueMoment(AlarmKind kind, const QString &fileName, const QDateTime &fromMoment)
{
    const auto parts = splitAlarmName(kind, fileName);
    if (!parts)
        return std::nullopt;
    const QStringList &f = *parts;
    const auto hour = clockNumber(f[f.size() - 2]);
    const auto minute = clockNumber(f[f.size() - 1]);
    if (!hour || !minute)
        return std::nullopt;
    const QTime time(*hour, *minute);
    if (!time.isValid())
        return std::nullopt;
    const QDateTime from(fromMoment.date(), QTime(fromMoment.time().hour(), fromMoment.time().minute()));
    const QDate today = from.date();

    switch (kind) {
    case AlarmKind::Once: {
        const auto day = clockNumber(f[0]);
        const auto month = clockNumber(f[1]);
        const auto year = clockNumber(f[2]);
        if (!day || !month || !year)
            return std::nullopt;
        return confirmed(kind, fileName, QDate(*year, *month, *day), time, from);
    }
    case AlarmKind::Daily:
        for (int ahead = 0; ahead <= 2; ++ahead) {
            if (auto due = confirmed(kind, fileName, today.addDays(ahead), time, from))
                return due;
        }
        return std::nullopt;
    case AlarmKind::Weekly: {
        const auto weekday = weekdayNumber(f[0]);
        if (!weekday)
            return std::nullopt;
        for (int ahead = 0; ahead <= 14; ++ahead) {
            const QDate date = today.addDays(ahead);
            if (date.dayOfWeek() != *weekday)
                continue;
            if (auto due = confirmed(kind, fileName, date, time, from))
                return due;
        }
        return std::nullopt;
    }
    case AlarmKind::Monthly: {
        const auto day = clockNumber(f[0]);
        if (!day || *day < 1 || *day > 31)
            return std::nullopt;
        // Every day up to 31 comes within two months; a year covers a skipped summer-time minute as well.
        for (int ahead = 0; ahead <= 13; ++ahead) {
            const QDate first = QDate(today.year(), today.month(), 1).addMonths(ahead);
            if (auto due = confirmed(kind, fileName, QDate(first.year(), first.month(), *day), time, from))
                return due;
        }
        return std::nullopt;
    }
    case AlarmKind::Yearly: {
        const auto day = clockNumber(f[0]);
        const auto month = clockNumber(f[1]);
        if (!day || !month)
            return std::nullopt;
        // 29 February can be eight years away (2096 to 2104).
        for (int ahead = 0; ahead <= 9; ++ahead) {
            if (auto due = confirmed(kind, fileName, QDate(today.year() + ahead, *month, *day), time, from))
                return due;
        }
        return std::nullopt;
    }
    }
    return std::nullopt;
}

} // namespace brevora
