// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calendar/componentplan.h"

#include "core/calendar/carriedfile.h"
#include "core/calendar/icalbits.h"
#include "core/calendar/icalreminders.h"
#include "core/calendar/icalrule.h"
#include "core/names/alarmname.h"

#include <QTimeZone>

namespace brevora::ical {

namespace {

bool sameAlarm(const FieldsRequest &a, const FieldsRequest &b)
{
    return a.kind == b.kind && a.text == b.text && a.sound == b.sound
        && alarmFileName(a.kind, a.fields).compare(alarmFileName(b.kind, b.fields), Qt::CaseInsensitive) == 0;
}

class Planner
{
public:
    explicit Planner(bool force)
        : m_force(force)
    { }

    ComponentPlan plan(icalcomponent *component)
    {
        const icalcomponent_kind kind = icalcomponent_isa(component);
        if (kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VTODO_COMPONENT)
            refuse(said(QT_TRANSLATE_NOOP("brevora::core", "a %1 holds no moment to be reminded of"))
                       .arg(fromIcal(icalcomponent_kind_to_string(kind))));
        else if (icalproperty *error = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY))
            refuse(said(QT_TRANSLATE_NOOP("brevora::core", "libical cannot read it: %1"))
                       .arg(fromIcal(icalproperty_get_xlicerror(error))));
        else if (icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY))
            refuse(said(QT_TRANSLATE_NOOP(
                "brevora::core", "it changes one occurrence of a repeating event, which an alarm cannot hold")));
        else
            fromEvent(component);
        // An event Brevora wrote and nobody changed since gives back its file as it was, down to a weekday's
        // letter case; one moved or renamed in a calendar becomes what the calendar now says.
        if (auto carried = carriedFile(component);
            carried && m_plan.alarms.size() == 1 && sameAlarm(m_plan.alarms.first(), *carried)) {
            carried->force = m_force;
            m_plan.alarms = { *carried };
        }
        return m_plan;
    }

private:
    void refuse(const QString &why) { m_plan.notes.append({ ImportNote::Kind::NotImported, 0, 0, {}, why }); }

    void fromEvent(icalcomponent *component)
    {
        const bool todo = icalcomponent_isa(component) == ICAL_VTODO_COMPONENT;
        icaltimetype start = icalcomponent_get_dtstart(component);
        if (icaltime_is_null_time(start) && todo)
            start = icalcomponent_get_due(component);
        if (icaltime_is_null_time(start))
            return refuse(said(QT_TRANSLATE_NOOP("brevora::core", "it has no start (DTSTART) to be reminded of")));
        icalproperty *startProperty = icalcomponent_get_first_property(
            component,
            icaltime_is_null_time(icalcomponent_get_dtstart(component)) ? ICAL_DUE_PROPERTY : ICAL_DTSTART_PROPERTY);
        icalparameter *tzid = icalproperty_get_first_parameter(startProperty, ICAL_TZID_PARAMETER);
        if (tzid && !start.zone)
            return refuse(said(QT_TRANSLATE_NOOP("brevora::core", "its time zone %1 is unknown"))
                              .arg(fromIcal(icalparameter_get_tzid(tzid))));

        // The event's date in its own terms, which its rule's days are counted in, and its start on this
        // machine's clock: a floating time and a whole day are read as they stand, a zoned one is converted.
        const QDate eventDate(start.year, start.month, start.day);
        QDateTime local(eventDate, start.is_date ? QTime(0, 0) : QTime(start.hour, start.minute, start.second));
        if (!start.is_date && (start.zone || icaltime_is_utc(start))) {
            local = QDateTime::fromSecsSinceEpoch(secondsOf(start));
            if (local.date() != eventDate || local.time() != QTime(start.hour, start.minute, start.second))
                m_plan.notes.append(
                    { ImportNote::Kind::Note,
                      0,
                      0,
                      {},
                      said(QT_TRANSLATE_NOOP("brevora::core", "%1 %2 is %3 on this machine (%4)"))
                          .arg(QDateTime(eventDate, QTime(start.hour, start.minute)).toString("yyyy-MM-dd H:mm"),
                               zoneName(start), local.toString("yyyy-MM-dd H:mm"),
                               QString::fromUtf8(QTimeZone::systemTimeZoneId())) });
        }

        const auto rule = repetition(component, eventDate);
        if (const QString *why = std::get_if<QString>(&rule))
            return refuse(*why);
        const auto found = reminders(component, local.toSecsSinceEpoch());
        if (const QString *why = std::get_if<QString>(&found))
            return refuse(*why);
        QList<Reminder> list = std::get<QList<Reminder>>(found);
        const bool anyReminder = !list.isEmpty();
        if (!anyReminder)
            list.append(Reminder{});

        const QString summary = fromIcal(icalcomponent_get_summary(component));
        for (const Reminder &reminder : std::as_const(list)) {
            const QDateTime moment = local.addSecs(reminder.offset);
            // The event's own time beside its text tells what a reminder ahead of it is for; a whole day has none.
            const QString text = anyReminder && reminder.offset != 0 && !start.is_date
                ? QStringLiteral("%1 (%2)").arg(summary, local.toString("H:mm"))
                : summary;
            alarms(std::get<Repetition>(rule), eventDate, moment, text, reminder.sound);
        }
    }

    // The alarms of one reminder: the rule's days move with the reminder and the zone, when they take it to another
    // day.
    void alarms(const Repetition &rule, const QDate &eventDate, const QDateTime &moment, const QString &text,
                const QString &sound)
    {
        const qint64 shift = eventDate.daysTo(moment.date());
        const QStringList time{ QString::number(moment.time().hour()), QString::number(moment.time().minute()) };
        const auto add = [&](AlarmKind kind, const QStringList &date) {
            m_plan.alarms.append(FieldsRequest{ kind, date + time, text, sound, m_force, {} });
        };
        const auto number = [](int value) { return QString::number(value); };
        switch (rule.kind) {
        case AlarmKind::Once: {
            const QDate day = moment.date();
            return add(AlarmKind::Once, { number(day.day()), number(day.month()), number(day.year()) });
        }
        case AlarmKind::Daily:
            return add(AlarmKind::Daily, {});
        case AlarmKind::Weekly:
            for (int weekday : rule.weekdays)
                add(AlarmKind::Weekly, { weekdayName(int(((weekday - 1 + shift) % 7 + 7) % 7) + 1) });
            return;
        case AlarmKind::Monthly:
            for (int day : rule.monthDays) {
                const qint64 moved = day + shift;
                if (moved < 1 || moved > 31)
                    refuse(said(QT_TRANSLATE_NOOP("brevora::core",
                                                  "day %1 moves to another month with the reminder "
                                                  "or the time zone, which a monthly alarm cannot "
                                                  "hold"))
                               .arg(day));
                else
                    add(AlarmKind::Monthly, { number(int(moved)) });
            }
            return;
        case AlarmKind::Yearly: {
            // Counted in a leap year, so 29 February keeps its place.
            const QDate date = QDate(2000, rule.month, rule.monthDays.first()).addDays(shift);
            if (!date.isValid())
                return refuse(said(QT_TRANSLATE_NOOP("brevora::core", "the rule names a date no year has")));
            return add(AlarmKind::Yearly, { number(date.day()), number(date.month()) });
        }
        }
    }

    bool m_force;
    ComponentPlan m_plan;
};

} // namespace

ComponentPlan planComponent(icalcomponent *component, bool force)
{
    return Planner(force).plan(component);
}

} // namespace brevora::ical
