// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler/clockdisplay.h"

#include "core/names/alarmname.h"

#include <QRegularExpression>

namespace brevora {

namespace {

// The regional long time format shows the seconds; Qt's version of it may also name the time zone, which
// a desk clock does not. The zone goes with whatever brackets held it; quoted literal text stays.
QString timeFormatWithoutZone(const QLocale &locale)
{
    static const QRegularExpression emptyBrackets(QStringLiteral("\\(\\s*\\)|\\[\\s*\\]|\\x{FF08}\\s*\\x{FF09}"));
    QString format;
    bool quoted = false;
    for (const QChar c : locale.timeFormat(QLocale::LongFormat)) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            format += c;
    }
    format.replace(emptyBrackets, QStringLiteral(" "));
    return format.simplified();
}

} // namespace

ClockTexts clockTexts(const QDateTime &now, const QLocale &locale)
{
    return { locale.toString(now.time(), timeFormatWithoutZone(locale)),
             locale.toString(now.date(), QLocale::ShortFormat), weekdayName(now.date().dayOfWeek()) };
}

} // namespace brevora
