// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/model/alarmname.h"

#include "os/clock/clock.h"

namespace brevora {

QString weekdayName(int mondayBasedDay)
{
    static const char *const names[] = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday" };
    if (mondayBasedDay < 1 || mondayBasedDay > 7)
        return {};
    return QString::fromLatin1(names[mondayBasedDay - 1]);
}

QStringList dueFieldsAt(AlarmKind kind, const QDateTime &moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const QString day = QString::number(date.day());
    const QString hour = QString::number(time.hour());
    const QString minute = QString::number(time.minute());
    switch (kind) {
    case AlarmKind::Once:
        return { day, QString::number(date.month()), QString::number(date.year()), hour, minute };
    case AlarmKind::Daily:
        return { hour, minute };
    case AlarmKind::Weekly:
        return { weekdayName(date.dayOfWeek()), hour, minute };
    case AlarmKind::Monthly:
        return { day, hour, minute };
    case AlarmKind::Yearly:
        return { day, QString::number(date.month()), hour, minute };
    }
    return {};
}

QString alarmFileName(AlarmKind kind, const QStringList &f)
{
    if (f.size() != kindInfo(kind).fieldCount - 2)
        return {};
    const QChar dash = u'-';
    const QChar bar = u'_';
    const QString ext = QStringLiteral(".alm");
    switch (kind) {
    case AlarmKind::Once:
        return f[0] + dash + f[1] + dash + f[2] + bar + f[3] + dash + f[4] + ext;
    case AlarmKind::Daily:
        return f[0] + dash + f[1] + ext;
    case AlarmKind::Weekly:
    case AlarmKind::Monthly:
        return f[0] + bar + f[1] + dash + f[2] + ext;
    case AlarmKind::Yearly:
        return f[0] + dash + f[1] + bar + f[2] + dash + f[3] + ext;
    }
    return {};
}

QString dueFileName(AlarmKind kind, const Clock &clock)
{
    return alarmFileName(kind, dueFieldsAt(kind, clock.now()));
}

} // namespace brevora
