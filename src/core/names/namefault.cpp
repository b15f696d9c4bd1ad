// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/namecheck.h"

#include "core/model/alarmname.h"
#include "scheduler/nextdue.h"

#include <QDate>

#include <algorithm>

namespace brevora::cli {

namespace {

struct Bounds
{
    const char *what;
    int low;
    int high;
};

// The bounds of each part of a kind's name, in name order; a null `what` marks the weekday.
QList<Bounds> partBounds(AlarmKind kind)
{
    const Bounds day{ "day", 1, 31 }, month{ "month", 1, 12 }, year{ "year", 1, 9999 };
    const Bounds hour{ "hour", 0, 23 }, minute{ "minute", 0, 59 }, weekday{ nullptr, 0, 0 };
    switch (kind) {
    case AlarmKind::Once:
        return { day, month, year, hour, minute };
    case AlarmKind::Daily:
        return { hour, minute };
    case AlarmKind::Weekly:
        return { weekday, hour, minute };
    case AlarmKind::Monthly:
        return { day, hour, minute };
    case AlarmKind::Yearly:
        return { day, month, hour, minute };
    }
    return {};
}

bool isDigits(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

NameFault never(const QString &why, const QString &rename = {})
{
    return { why, rename, false };
}

} // namespace

std::optional<NameFault> nameFault(AlarmKind kind, const QString &fileName, const QDateTime &now)
{
    if (nextDueMoment(kind, fileName, now))
        return std::nullopt;
    const auto parts = splitAlarmName(kind, fileName);
    if (!parts) {
        const QString example = alarmFileName(kind, dueFieldsAt(kind, QDateTime(QDate(2007, 2, 3), QTime(14, 0))));
        return never(QStringLiteral("the name does not have the form of a %1 alarm's name such as %2")
                         .arg(kindCaption(kind).toLower(), example));
    }
    const QList<Bounds> bounds = partBounds(kind);
    QStringList plain = *parts;
    bool leadingZero = false;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const Bounds &b = bounds[i];
        QString &part = plain[i];
        if (!b.what) {
            bool known = false;
            for (int day = 1; day <= 7; ++day)
                known = known || part.compare(weekdayName(day), Qt::CaseInsensitive) == 0;
            if (!known)
                return never(QStringLiteral("\"%1\" is not a weekday the clock writes (Monday to Sunday)").arg(part));
            continue;
        }
        if (!isDigits(part))
            return never(QStringLiteral("the %1 \"%2\" is not a plain number").arg(QLatin1String(b.what), part));
        if (part.size() > 1 && part[0] == u'0') {
            leadingZero = true;
            while (part.size() > 1 && part[0] == u'0')
                part.remove(0, 1);
        }
        const int value = part.size() > 4 ? b.high + 1 : part.toInt();
        if (value < b.low || value > b.high)
            return never(QStringLiteral("the %1 %2 is outside %3 to %4")
                             .arg(QLatin1String(b.what), part)
                             .arg(b.low)
                             .arg(b.high));
    }
    if (leadingZero) {
        const QString fixed = alarmFileName(kind, plain);
        const bool helps = nextDueMoment(kind, fixed, now).has_value();
        return never(QStringLiteral("a number has a leading zero, which the clock never writes"),
                     helps ? fixed : QString());
    }
    if (kind == AlarmKind::Once) {
        const int year = plain[2].toInt();
        if (year < 1000)
            return never(QStringLiteral("the year %1 is not written in full as the clock writes it (2007, not 7)")
                             .arg(plain[2]));
        if (!QDate(year, plain[1].toInt(), plain[0].toInt()).isValid())
            return never(QStringLiteral("the date %1-%2-%3 does not exist").arg(plain[0], plain[1], plain[2]));
        return NameFault{ QStringLiteral("the moment %1-%2-%3 %4:%5 has passed")
                              .arg(plain[0], plain[1], plain[2], plain[3], plain[4].rightJustified(2, u'0')),
                          {},
                          true };
    }
    if (kind == AlarmKind::Yearly && !QDate(2000, plain[1].toInt(), plain[0].toInt()).isValid()) // a leap year
        return never(QStringLiteral("month %1 never has a day %2").arg(plain[1], plain[0]));
    return never(QStringLiteral("the clock never writes this name"));
}

std::optional<Problem> nameProblem(AlarmKind kind, const QString &path, const QString &fileName, const QDateTime &now)
{
    const auto fault = nameFault(kind, fileName, now);
    if (!fault)
        return std::nullopt;
    if (fault->passed)
        return Problem{ path, QStringLiteral("this one-time alarm's moment has passed, so it is never shown"),
                        QStringLiteral("delete it") };
    return Problem{ path, fault->why + QStringLiteral(", so this alarm is never shown"),
                    fault->rename.isEmpty() ? QStringLiteral("delete it and add the alarm again")
                                            : QStringLiteral("rename it to %1").arg(fault->rename) };
}

} // namespace brevora::cli
