// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calendar/icalreminders.h"

#include "core/calendar/icalbits.h"

#include <QMap>
#include <QUrl>

namespace brevora::ical {

QString zoneName(const icaltimetype &time)
{
    auto *zone = const_cast<icaltimezone *>(time.zone);
    if (!zone || zone == icaltimezone_get_utc_timezone())
        return QStringLiteral("UTC");
    return fromIcal(icaltimezone_get_tzid(zone));
}

qint64 secondsOf(const icaltimetype &time)
{
    return icaltime_as_timet_with_zone(time, time.zone ? time.zone : icaltimezone_get_utc_timezone());
}

std::variant<QList<Reminder>, QString> reminders(icalcomponent *component, qint64 startSeconds)
{
    QMap<qint64, Reminder> byOffset;
    for (icalcomponent *alarm = icalcomponent_get_first_component(component, ICAL_VALARM_COMPONENT); alarm;
         alarm = icalcomponent_get_next_component(component, ICAL_VALARM_COMPONENT)) {
        icalproperty *trigger = icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY);
        if (!trigger)
            return said(QT_TRANSLATE_NOOP("brevora::core", "a reminder (VALARM) without a TRIGGER"));
        const icaltriggertype when = icalproperty_get_trigger(trigger);
        qint64 offset = 0;
        if (!icaltime_is_null_time(when.time)) {
            offset = secondsOf(when.time) - startSeconds;
        } else {
            offset = icaldurationtype_as_int(when.duration);
            icalparameter *related = icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
            if (related && icalparameter_get_related(related) == ICAL_RELATED_END) {
                const icaltimetype start = icalcomponent_get_dtstart(component);
                icaltimetype end = icalcomponent_isa(component) == ICAL_VTODO_COMPONENT
                    ? icalcomponent_get_due(component)
                    : icalcomponent_get_dtend(component);
                if (icaltime_is_null_time(end))
                    return said(
                        QT_TRANSLATE_NOOP("brevora::core", "a reminder counts from the end, and the event has none"));
                offset += secondsOf(end) - secondsOf(start);
            }
        }
        // The clock keeps minutes: a reminder some seconds into one is shown at its start.
        offset = offset >= 0 ? offset / 60 * 60 : -((-offset + 59) / 60 * 60);
        Reminder &reminder = byOffset[offset];
        reminder.offset = offset;
        if (icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY)
            && icalproperty_get_action(icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY))
                == ICAL_ACTION_AUDIO) {
            if (icalproperty *attach = icalcomponent_get_first_property(alarm, ICAL_ATTACH_PROPERTY)) {
                icalattach *sound = icalproperty_get_attach(attach);
                const QUrl url = sound && icalattach_get_is_url(sound)
                    ? QUrl::fromEncoded(QByteArray(icalattach_get_url(sound)))
                    : QUrl();
                if (!url.isLocalFile())
                    return said(QT_TRANSLATE_NOOP("brevora::core", "a reminder plays a sound that is no local file"));
                reminder.sound = url.toLocalFile();
            }
        }
    }
    return byOffset.values();
}

} // namespace brevora::ical
