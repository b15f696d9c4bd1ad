#include "clockdisplay.h"

#include "store/alarmname.h"

#include <QRegularExpression>

namespace brevora {

namespace {

// The regional long time format shows the seconds; Qt's version of it may also name the time zone, which
// a desk clock does not.
QString timeFormatWithoutZone(const QLocale &locale)
{
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.replace(zone, QStringLiteral(" "));
    return format.trimmed();
}

} // namespace

ClockTexts clockTexts(const QDateTime &now, const QLocale &locale)
{
    return { locale.toString(now.time(), timeFormatWithoutZone(locale)),
             locale.toString(now.date(), QLocale::ShortFormat), weekdayName(now.date().dayOfWeek()) };
}

} // namespace brevora
