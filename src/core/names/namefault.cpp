// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/namefault.h"

#include "core/model/coretext.h"
#include "core/names/alarmname.h"
#include "core/names/kindshape.h"
#include "core/names/nextdue.h"

#include <QDate>

#include <algorithm>

namespace brevora {

namespace {

bool isDigits(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A reason in the user's language where a window installed one; the command line keeps it as written.
QString said(const char *source)
{
    return coreText(QString::fromUtf8(source));
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
        return never(
            said(QT_TRANSLATE_NOOP("brevora::core", "the name does not have the form of a %1 alarm's name such as %2"))
                .arg(shownKindCaption(kind).toLower(), example));
    }
    const QList<TimeField> &fields = kindInfo(kind).fields;
    QStringList plain = *parts;
    bool leadingZero = false;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        QString &part = plain[i];
        if (fields[i] == TimeField::Weekday) {
            if (!weekdayNumber(part))
                return never(said(QT_TRANSLATE_NOOP("brevora::core",
                                                    "\"%1\" is not a weekday the clock writes (Monday to Sunday)"))
                                 .arg(part));
            continue;
        }
        const NameBounds b = nameBounds(fields[i]);
        if (!isDigits(part))
            return never(said(QT_TRANSLATE_NOOP("brevora::core", "the %1 \"%2\" is not a plain number"))
                             .arg(coreText(QString::fromLatin1(b.what)), part));
        if (part.size() > 1 && part[0] == u'0') {
            leadingZero = true;
            while (part.size() > 1 && part[0] == u'0')
                part.remove(0, 1);
        }
        const int value = nameNumber(part).value_or(b.high + 1);
        if (value < b.low || value > b.high)
            return never(said(QT_TRANSLATE_NOOP("brevora::core", "the %1 %2 is outside %3 to %4"))
                             .arg(coreText(QString::fromLatin1(b.what)), part)
                             .arg(b.low)
                             .arg(b.high));
    }
    if (leadingZero) {
        const QString fixed = alarmFileName(kind, plain);
        const bool helps = nextDueMoment(kind, fixed, now).has_value();
        return never(
            said(QT_TRANSLATE_NOOP("brevora::core", "a number has a leading zero, which the clock never writes")),
            helps ? fixed : QString());
    }
    if (kind == AlarmKind::Once) {
        const int year = plain[2].toInt();
        if (year < 1000)
            return never(
                said(QT_TRANSLATE_NOOP("brevora::core",
                                       "the year %1 is not written in full as the clock writes it (2007, not 7)"))
                    .arg(plain[2]));
        if (!QDate(year, plain[1].toInt(), plain[0].toInt()).isValid())
            return never(said(QT_TRANSLATE_NOOP("brevora::core", "the date %1-%2-%3 does not exist"))
                             .arg(plain[0], plain[1], plain[2]));
        return NameFault{ said(QT_TRANSLATE_NOOP("brevora::core", "the moment %1-%2-%3 %4:%5 has passed"))
                              .arg(plain[0], plain[1], plain[2], plain[3], plain[4].rightJustified(2, u'0')),
                          {},
                          true };
    }
    if (kind == AlarmKind::Yearly && !QDate(2000, plain[1].toInt(), plain[0].toInt()).isValid()) // a leap year
        return never(said(QT_TRANSLATE_NOOP("brevora::core", "month %1 never has a day %2")).arg(plain[1], plain[0]));
    return never(said(QT_TRANSLATE_NOOP("brevora::core", "the clock never writes this name")));
}

} // namespace brevora
