// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/nextdue.h"

#include "core/names/alarmname.h"
#include "core/names/kindshape.h"
#include "os/clock/clock.h"

#include <algorithm>

namespace brevora {

namespace {

constexpr qint64 msecsPerDay = 86'400'000;

// The instants, earliest first, at which the local clock shows `time` on `date`: none in the hour a change to
// summer time skips, two in the hour a change to winter time repeats. Each carries the offset the clock had then.
QList<QDateTime> instantsShowing(const QDate &date, const QTime &time)
{
    const qint64 wall = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
    QList<QDateTime> found;
    // The offsets in force a day before and a day after cover any change of the clock on that date.
    for (qint64 probe : { wall - msecsPerDay, wall + msecsPerDay }) {
        const int offset = QDateTime::fromMSecsSinceEpoch(probe).offsetFromUtc();
        const QDateTime shown = QDateTime::fromMSecsSinceEpoch(wall - qint64(offset) * 1000);
        if (shown.date() != date || shown.time() != time)
            continue;
        const QDateTime instant = shown.toOffsetFromUtc(shown.offsetFromUtc());
        if (found.isEmpty() || found.first().toMSecsSinceEpoch() != instant.toMSecsSinceEpoch())
            found.append(instant);
    }
    std::sort(found.begin(), found.end());
    return found;
}

struct Search
{
    const DueName &name;
    qint64 from; // the first instant that counts, on a minute boundary
    QDate firstDate; // no earlier date can show a later instant
};

// The first instant, not before the search's, at which the clock writes the name on `date`. The candidate is
// confirmed by building the clock's own name for it, so a date that does not exist is never reported.
std::optional<QDateTime> confirmed(const Search &search, const QDate &date)
{
    const DueName &name = search.name;
    if (!date.isValid() || date < search.firstDate)
        return std::nullopt;
    const QStringList fields = dueFieldsAt(name.kind, QDateTime(date, name.time, Qt::UTC));
    if (alarmFileName(name.kind, fields).compare(name.fileName, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    for (const QDateTime &instant : instantsShowing(date, name.time)) {
        if (instant.toMSecsSinceEpoch() >= search.from)
            return instant;
    }
    return std::nullopt;
}

// The first confirmed date of `count` candidates from `candidate(0)` on.
template<typename Candidate>
std::optional<QDateTime> firstOf(const Search &search, int count, Candidate candidate)
{
    for (int ahead = 0; ahead < count; ++ahead) {
        if (auto due = confirmed(search, candidate(ahead)))
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
    const QList<TimeField> &fields = kindInfo(kind).fields;
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
    // The system clock never reads a moment before the epoch, so the check never shows one.
    const qint64 from = std::max<qint64>(minuteStart(fromMoment).toMSecsSinceEpoch(), 0);
    // A day early: a clock turned back over midnight shows the day before again.
    const QDate first = QDateTime::fromMSecsSinceEpoch(from).date().addDays(-1);
    const Search search{ name, from, first };
    if (name.year)
        return confirmed(search, QDate(*name.year, *name.month, *name.day));
    if (name.month) {
        // 29 February can be eight years away (2096 to 2104).
        return firstOf(search, 10, [&](int ahead) { return QDate(first.year() + ahead, *name.month, *name.day); });
    }
    if (name.day) {
        if (*name.day < 1 || *name.day > 31)
            return std::nullopt;
        // Every day up to 31 comes within two months; a year covers a skipped summer-time minute as well.
        return firstOf(search, 15, [&](int ahead) {
            const QDate month = QDate(first.year(), first.month(), 1).addMonths(ahead);
            return QDate(month.year(), month.month(), *name.day);
        });
    }
    // Two dates past the first cover one the clock skips.
    if (name.weekday) {
        const int toWeekday = (*name.weekday - first.dayOfWeek() + 7) % 7;
        return firstOf(search, 4, [&](int ahead) { return first.addDays(toWeekday + 7 * ahead); });
    }
    return firstOf(search, 4, [&](int ahead) { return first.addDays(ahead); });
}

std::optional<QDateTime> nextDueMoment(AlarmKind kind, const QString &fileName, const QDateTime &from)
{
    const auto name = readDueName(kind, fileName);
    return name ? nextDueMoment(*name, from) : std::nullopt;
}

} // namespace brevora
