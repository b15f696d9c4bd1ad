// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calendar/icalexport.h"

#include "core/calendar/carriedfile.h"
#include "core/calendar/icalbits.h"
#include "core/life/pastreturn.h"
#include "core/names/nextdue.h"
#include "core/store/storeproblems.h"
#include "core/store/storetwins.h"

#include <QHash>
#include <QUrl>

#include <algorithm>

namespace brevora {

using namespace ical;

namespace {

// The rule whose occurrences, from a start that is one of the alarm's moments, are the alarm's further moments.
QByteArray ruleText(const DueName &name)
{
    switch (name.kind) {
    case AlarmKind::Once:
        return {};
    case AlarmKind::Daily:
        return "FREQ=DAILY";
    case AlarmKind::Weekly:
        return QByteArray("FREQ=WEEKLY;BYDAY=") + dayCode(name.weekday.value_or(1));
    case AlarmKind::Monthly:
        return "FREQ=MONTHLY;BYMONTHDAY=" + QByteArray::number(name.day.value_or(1));
    case AlarmKind::Yearly:
        return "FREQ=YEARLY;BYMONTH=" + QByteArray::number(name.month.value_or(1))
            + ";BYMONTHDAY=" + QByteArray::number(name.day.value_or(1));
    }
    return {};
}

// A wall time with no zone: the alarm falls due when the local clock shows it, wherever the machine is.
icaltimetype floating(const QDateTime &moment)
{
    icaltimetype time = icaltime_null_time();
    const QDate date = moment.date();
    const QTime clock = moment.time();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    time.hour = clock.hour();
    time.minute = clock.minute();
    return time;
}

icalcomponent *reminder(icalproperty_action action)
{
    icalcomponent *alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(action));
    icalcomponent_add_property(alarm, icalproperty_new_trigger(icaltriggertype_from_int(0)));
    return alarm;
}

icalcomponent *alarmEvent(const StoredAlarm &alarm, const QByteArray &line, const AlarmRecord &record,
                          const QDateTime &start, const QDateTime &now)
{
    const DueName name = *readDueName(alarm.kind, alarm.fileName);
    const QByteArray text = record.text().toUtf8();
    icalcomponent *event = icalcomponent_new_vevent();
    icalcomponent_add_property(event, icalproperty_new_uid(eventUid(alarm.kind, alarm.fileName).toUtf8().constData()));
    icalcomponent_add_property(event,
                               icalproperty_new_dtstamp(icaltime_from_timet_with_zone(
                                   now.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone())));
    icalcomponent_add_property(event, icalproperty_new_dtstart(floating(start)));
    icalcomponent_add_property(event, icalproperty_new_summary(text.constData()));
    if (const QByteArray rule = ruleText(name); !rule.isEmpty())
        icalcomponent_add_property(event, icalproperty_new_rrule(icalrecurrencetype_from_string(rule.constData())));

    icalcomponent *display = reminder(ICAL_ACTION_DISPLAY);
    icalcomponent_add_property(display, icalproperty_new_description(text.constData()));
    icalcomponent_add_component(event, display);
    if (record.sound() != noSound) {
        icalcomponent *audio = reminder(ICAL_ACTION_AUDIO);
        icalattach *attach = icalattach_new_from_url(QUrl::fromLocalFile(record.sound()).toEncoded().constData());
        icalcomponent_add_property(audio, icalproperty_new_attach(attach));
        icalattach_unref(attach);
        icalcomponent_add_component(event, audio);
    }

    icalcomponent_add_property(event, carriedFileProperty(alarm.kind, alarm.fileName, line));
    return event;
}

} // namespace

QString eventUid(AlarmKind kind, const QString &fileName)
{
    return kindWord(kind) + u'-' + QString::fromLatin1(QUrl::toPercentEncoding(fileName)) + QStringLiteral("@brevora");
}

ExportedCalendar exportCalendar(const StoreLayout &layout, const QDateTime &now)
{
    ExportedCalendar result;
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Brevora//Brevora alarms//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    // Twins are known only once the whole store is read: their events are taken out again then.
    LetterCaseTwins twins(now);
    QHash<QString, icalcomponent *> events;
    StoreVisitor visitor;
    const ProblemSink leaveOut = [&](const Problem &problem) { result.leftOut.append(problem); };
    visitor.problem = leaveOut;
    visitor.oddEntry = leaveOut;
    visitor.alarm = [&](const StoredAlarm &alarm, const AlarmContent &content) {
        if (auto fault = nameProblem(alarm.kind, alarm.path(), alarm.fileName, now)) {
            leaveOut(*fault);
            return;
        }
        if (!content.record || !content.line) {
            checkContent(alarm, content, leaveOut);
            return;
        }
        const auto start = nextStoredMoment(alarm, now);
        if (!start) {
            leaveOut({ alarm.path(), QStringLiteral("the clock never writes this name again"), {} });
            return;
        }
        icalcomponent *event = alarmEvent(alarm, *content.line, *content.record, *start, now);
        icalcomponent_add_component(calendar.get(), event);
        events.insert(alarm.path(), event);
        twins.add(alarm);
    };
    visitStore(layout, QList<AlarmKind>(allKinds.begin(), allKinds.end()), visitor);
    QList<Problem> hidden;
    twins.forEachHidden([&](const StoredAlarm &alarm, const StoredAlarm &found, bool certain) {
        if (icalcomponent *event = events.take(alarm.path())) {
            icalcomponent_remove_component(calendar.get(), event);
            icalcomponent_free(event);
            hidden.append(twinProblem(alarm, found, certain));
        }
    });
    // The twins come in no particular order; the report names them in the order of their paths.
    std::sort(hidden.begin(), hidden.end(), [](const Problem &a, const Problem &b) { return a.path < b.path; });
    result.leftOut += hidden;

    // libical marks what breaks the standard with X-LIC-ERROR properties; a calendar with any is not written.
    icalrestriction_check(calendar.get());
    if (icalcomponent_count_errors(calendar.get()) > 0) {
        icalproperty *error = icalcomponent_get_first_property(calendar.get(), ICAL_XLICERROR_PROPERTY);
        for (icalcomponent *c = icalcomponent_get_first_component(calendar.get(), ICAL_ANY_COMPONENT); !error && c;
             c = icalcomponent_get_next_component(calendar.get(), ICAL_ANY_COMPONENT))
            error = icalcomponent_get_first_property(c, ICAL_XLICERROR_PROPERTY);
        result.error = said(QT_TRANSLATE_NOOP("brevora::core", "libical finds the calendar invalid: %1"))
                           .arg(error ? fromIcal(icalproperty_get_xlicerror(error))
                                      : said(QT_TRANSLATE_NOOP("brevora::core", "(no detail)")));
        return result;
    }
    char *text = icalcomponent_as_ical_string_r(calendar.get());
    result.text = QByteArray(text);
    icalmemory_free_buffer(text);
    return result;
}

} // namespace brevora
