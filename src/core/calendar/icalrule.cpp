// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calendar/icalrule.h"

#include "core/calendar/icalbits.h"

namespace brevora::ical {

namespace {

template<std::size_t N>
QList<short> byList(const short (&values)[N])
{
    QList<short> list;
    for (std::size_t i = 0; i < N && values[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        list.append(values[i]);
    return list;
}

} // namespace

std::variant<Repetition, QString> repetition(icalcomponent *component, const QDate &eventDate)
{
    const int rules = icalcomponent_count_properties(component, ICAL_RRULE_PROPERTY);
    if (rules == 0) {
        if (icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY))
            return said(
                QT_TRANSLATE_NOOP("brevora::core", "RDATE adds moments of its own, which an alarm cannot hold"));
        return Repetition{};
    }
    if (rules > 1)
        return said(QT_TRANSLATE_NOOP("brevora::core", "more than one RRULE, which an alarm cannot hold"));
    if (icalcomponent_get_first_property(component, ICAL_EXDATE_PROPERTY))
        return said(QT_TRANSLATE_NOOP("brevora::core", "EXDATE leaves out occurrences, which an alarm cannot"));
    if (icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY))
        return said(QT_TRANSLATE_NOOP("brevora::core", "RDATE adds moments of its own, which an alarm cannot hold"));
    if (icalcomponent_get_first_property(component, ICAL_EXRULE_PROPERTY))
        return said(QT_TRANSLATE_NOOP("brevora::core", "EXRULE leaves out occurrences, which an alarm cannot"));
    const icalrecurrencetype rule
        = icalproperty_get_rrule(icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY));
    if (rule.count > 0)
        return said(QT_TRANSLATE_NOOP("brevora::core", "COUNT=%1 ends the repetition, and an alarm repeats for good"))
            .arg(rule.count);
    if (!icaltime_is_null_time(rule.until))
        return said(QT_TRANSLATE_NOOP("brevora::core", "UNTIL ends the repetition, and an alarm repeats for good"));
    if (rule.interval > 1)
        return said(QT_TRANSLATE_NOOP("brevora::core", "INTERVAL=%1 skips occurrences, which an alarm cannot"))
            .arg(rule.interval);
    if (!byList(rule.by_set_pos).isEmpty())
        return said(
            QT_TRANSLATE_NOOP("brevora::core", "BYSETPOS picks occurrences by their place, which an alarm cannot"));
    if (!byList(rule.by_second).isEmpty() || !byList(rule.by_minute).isEmpty() || !byList(rule.by_hour).isEmpty())
        return said(QT_TRANSLATE_NOOP(
            "brevora::core", "the rule repeats within a day (BYHOUR, BYMINUTE or BYSECOND), which an alarm cannot"));
    if (!byList(rule.by_year_day).isEmpty() || !byList(rule.by_week_no).isEmpty())
        return said(QT_TRANSLATE_NOOP("brevora::core", "BYYEARDAY and BYWEEKNO count days an alarm does not know"));

    Repetition held;
    QList<int> weekdays;
    for (short day : byList(rule.by_day)) {
        if (icalrecurrencetype_day_position(day) != 0)
            return said(QT_TRANSLATE_NOOP(
                "brevora::core", "BYDAY names a weekday's place in the month or year, which an alarm cannot hold"));
        const int sundayFirst = icalrecurrencetype_day_day_of_week(day);
        weekdays.append(sundayFirst == ICAL_SUNDAY_WEEKDAY ? 7 : sundayFirst - 1);
    }
    const QList<short> monthDays = byList(rule.by_month_day);
    const QList<short> months = byList(rule.by_month);
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE:
    case ICAL_WEEKLY_RECURRENCE:
        if (!monthDays.isEmpty() || !months.isEmpty())
            return said(QT_TRANSLATE_NOOP("brevora::core",
                                          "BYMONTH and BYMONTHDAY limit the repetition, which a daily or weekly alarm "
                                          "cannot"));
        // A daily rule on some weekdays falls on the same days as a weekly one.
        if (rule.freq == ICAL_DAILY_RECURRENCE && weekdays.isEmpty()) {
            held.kind = AlarmKind::Daily;
            return held;
        }
        held.kind = AlarmKind::Weekly;
        held.weekdays = weekdays.isEmpty() ? QList<int>{ eventDate.dayOfWeek() } : weekdays;
        return held;
    case ICAL_MONTHLY_RECURRENCE:
        if (!weekdays.isEmpty() || !months.isEmpty())
            return said(QT_TRANSLATE_NOOP("brevora::core",
                                          "a monthly rule by weekday or by month, which an alarm cannot hold"));
        held.kind = AlarmKind::Monthly;
        for (short day : monthDays) {
            if (day < 1)
                return said(QT_TRANSLATE_NOOP("brevora::core",
                                              "BYMONTHDAY counts from the end of the month, which an alarm cannot"));
            held.monthDays.append(day);
        }
        if (held.monthDays.isEmpty())
            held.monthDays.append(eventDate.day());
        return held;
    case ICAL_YEARLY_RECURRENCE:
        if (!weekdays.isEmpty() || monthDays.size() > 1 || months.size() > 1)
            return said(
                QT_TRANSLATE_NOOP("brevora::core", "a yearly rule on more than one date, which an alarm cannot hold"));
        if (!monthDays.isEmpty() && monthDays.first() < 1)
            return said(QT_TRANSLATE_NOOP("brevora::core",
                                          "BYMONTHDAY counts from the end of the month, which an alarm cannot"));
        if (!months.isEmpty() && (months.first() & 0x1000) != 0)
            return said(QT_TRANSLATE_NOOP("brevora::core", "a leap month, which an alarm cannot hold"));
        held.kind = AlarmKind::Yearly;
        held.month = months.isEmpty() ? eventDate.month() : months.first();
        held.monthDays.append(monthDays.isEmpty() ? eventDate.day() : monthDays.first());
        return held;
    default:
        return said(QT_TRANSLATE_NOOP("brevora::core", "FREQ=%1 repeats within a day, which an alarm cannot"))
            .arg(fromIcal(icalrecur_freq_to_string(rule.freq)));
    }
}

} // namespace brevora::ical
