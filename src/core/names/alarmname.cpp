// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/alarmname.h"

#include "core/names/kindshape.h"
#include "os/clock/clock.h"

namespace brevora {

QString weekdayName(int mondayBasedDay)
{
    static const char *const names[] = { "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday" };
    if (mondayBasedDay < 1 || mondayBasedDay > 7)
        return {};
    return QString::fromLatin1(names[mondayBasedDay - 1]);
}

std::optional<int> weekdayNumber(const QString &text)
{
    for (int day = 1; day <= 7; ++day) {
        if (text.compare(weekdayName(day), Qt::CaseInsensitive) == 0)
            return day;
    }
    return std::nullopt;
}

namespace {

// A keyboard without the accents of the language is common, and "miercoles" is still Wednesday: names are
// compared by their base letters.
QString withoutAccents(const QString &text)
{
    QString bare;
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing)
            bare.append(c);
    }
    return bare;
}

} // namespace

std::optional<int> weekdayNumber(const QString &text, const QLocale &locale)
{
    if (const auto day = weekdayNumber(text))
        return day;
    const QString typed = withoutAccents(text);
    // Some languages inflect the name inside a date and not when it stands alone; either is the day.
    for (int day = 1; day <= 7; ++day) {
        for (const QString &name : { locale.dayName(day), locale.standaloneDayName(day) }) {
            if (typed.compare(withoutAccents(name), Qt::CaseInsensitive) == 0)
                return day;
        }
    }
    return std::nullopt;
}

std::optional<int> nameNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 4 || (text.size() > 1 && text[0] == u'0'))
        return std::nullopt;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return text.toInt();
}

QStringList dueFieldsAt(AlarmKind kind, const QDateTime &moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    QStringList fields;
    for (TimeField field : kindInfo(kind).fields) {
        switch (field) {
        case TimeField::Day:
            fields.append(QString::number(date.day()));
            break;
        case TimeField::Month:
            fields.append(QString::number(date.month()));
            break;
        case TimeField::Year:
            fields.append(QString::number(date.year()));
            break;
        case TimeField::Weekday:
            fields.append(weekdayName(date.dayOfWeek()));
            break;
        case TimeField::Hour:
            fields.append(QString::number(time.hour()));
            break;
        case TimeField::Minutes:
            fields.append(QString::number(time.minute()));
            break;
        }
    }
    return fields;
}

QString alarmFileName(AlarmKind kind, const QStringList &f)
{
    const KindInfo &shape = kindInfo(kind);
    if (f.size() != shape.fields.size())
        return {};
    QString name = f.mid(0, shape.dateParts).join(datePartSeparator);
    if (shape.dateParts > 0)
        name += nameSeparator;
    return name + f.mid(shape.dateParts).join(datePartSeparator) + alarmExtension;
}

std::optional<QStringList> splitAlarmName(AlarmKind kind, const QString &fileName)
{
    if (!hasAlarmExtension(fileName))
        return std::nullopt;
    const KindInfo &shape = kindInfo(kind);
    const QStringList halves = fileName.chopped(alarmExtension.size()).split(nameSeparator);
    if (halves.size() != (shape.dateParts > 0 ? 2 : 1))
        return std::nullopt;
    const QStringList time = halves.last().split(datePartSeparator);
    const QStringList date = shape.dateParts > 0 ? halves.first().split(datePartSeparator) : QStringList();
    if (time.size() != 2 || date.size() != shape.dateParts)
        return std::nullopt;
    return date + time;
}

bool hasAlarmExtension(const QString &fileName)
{
    return fileName.endsWith(alarmExtension, Qt::CaseInsensitive);
}

QString dueFileName(AlarmKind kind, const Clock &clock)
{
    return alarmFileName(kind, dueFieldsAt(kind, clock.now()));
}

} // namespace brevora
