// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ical/icalimport.h"

#include "cli/commands/addalarm.h"
#include "cli/ical/icalbits.h"
#include "core/model/alarmfile.h"
#include "core/model/fieldrules.h"
#include "core/names/alarmname.h"

#include <QList>
#include <QMap>
#include <QSet>
#include <QTimeZone>
#include <QUrl>

#include <variant>

namespace brevora::cli {

using namespace ical;

namespace {

// Where each component of a calendar starts, read from the text itself: libical keeps no line numbers. Only the
// components right inside a VCALENDAR count, in their order, as libical gives them back.
struct ComponentStart
{
    QByteArray name;
    int line;
};

QList<ComponentStart> componentStarts(const QByteArray &text)
{
    QList<ComponentStart> starts;
    int depth = 0;
    int number = 0;
    for (QByteArray line : text.split('\n')) {
        ++number;
        line = line.trimmed().toUpper();
        if (line.startsWith("BEGIN:")) {
            if (depth == 1)
                starts.append({ line.mid(6), number });
            ++depth;
        } else if (line.startsWith("END:")) {
            --depth;
        }
    }
    return starts;
}

template<std::size_t N>
QList<short> byList(const short (&values)[N])
{
    QList<short> list;
    for (std::size_t i = 0; i < N && values[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        list.append(values[i]);
    return list;
}

// The kind that holds the rule, and the days it names (weekdays Monday = 1, days of the month, months), or why no
// kind holds it.
struct Repetition
{
    AlarmKind kind = AlarmKind::Once;
    QList<int> weekdays;
    QList<int> monthDays;
    int month = 0;
};

std::variant<Repetition, QString> repetition(icalcomponent *component, const QDate &eventDate)
{
    const int rules = icalcomponent_count_properties(component, ICAL_RRULE_PROPERTY);
    if (rules == 0) {
        if (icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY))
            return QStringLiteral("RDATE adds moments of its own, which an alarm cannot hold");
        return Repetition{};
    }
    if (rules > 1)
        return QStringLiteral("more than one RRULE, which an alarm cannot hold");
    if (icalcomponent_get_first_property(component, ICAL_EXDATE_PROPERTY))
        return QStringLiteral("EXDATE leaves out occurrences, which an alarm cannot");
    if (icalcomponent_get_first_property(component, ICAL_RDATE_PROPERTY))
        return QStringLiteral("RDATE adds moments of its own, which an alarm cannot hold");
    if (icalcomponent_get_first_property(component, ICAL_EXRULE_PROPERTY))
        return QStringLiteral("EXRULE leaves out occurrences, which an alarm cannot");
    const icalrecurrencetype rule
        = icalproperty_get_rrule(icalcomponent_get_first_property(component, ICAL_RRULE_PROPERTY));
    if (rule.count > 0)
        return QStringLiteral("COUNT=%1 ends the repetition, and an alarm repeats for good").arg(rule.count);
    if (!icaltime_is_null_time(rule.until))
        return QStringLiteral("UNTIL ends the repetition, and an alarm repeats for good");
    if (rule.interval > 1)
        return QStringLiteral("INTERVAL=%1 skips occurrences, which an alarm cannot").arg(rule.interval);
    if (!byList(rule.by_set_pos).isEmpty())
        return QStringLiteral("BYSETPOS picks occurrences by their place, which an alarm cannot");
    if (!byList(rule.by_second).isEmpty() || !byList(rule.by_minute).isEmpty() || !byList(rule.by_hour).isEmpty())
        return QStringLiteral("the rule repeats within a day (BYHOUR, BYMINUTE or BYSECOND), which an alarm cannot");
    if (!byList(rule.by_year_day).isEmpty() || !byList(rule.by_week_no).isEmpty())
        return QStringLiteral("BYYEARDAY and BYWEEKNO count days an alarm does not know");

    Repetition held;
    QList<int> weekdays;
    for (short day : byList(rule.by_day)) {
        if (icalrecurrencetype_day_position(day) != 0)
            return QStringLiteral("BYDAY names a weekday's place in the month or year, which an alarm cannot hold");
        const int sundayFirst = icalrecurrencetype_day_day_of_week(day);
        weekdays.append(sundayFirst == ICAL_SUNDAY_WEEKDAY ? 7 : sundayFirst - 1);
    }
    const QList<short> monthDays = byList(rule.by_month_day);
    const QList<short> months = byList(rule.by_month);
    switch (rule.freq) {
    case ICAL_DAILY_RECURRENCE:
    case ICAL_WEEKLY_RECURRENCE:
        if (!monthDays.isEmpty() || !months.isEmpty())
            return QStringLiteral("BYMONTH and BYMONTHDAY limit the repetition, which a daily or weekly alarm "
                                  "cannot");
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
            return QStringLiteral("a monthly rule by weekday or by month, which an alarm cannot hold");
        held.kind = AlarmKind::Monthly;
        for (short day : monthDays) {
            if (day < 1)
                return QStringLiteral("BYMONTHDAY counts from the end of the month, which an alarm cannot");
            held.monthDays.append(day);
        }
        if (held.monthDays.isEmpty())
            held.monthDays.append(eventDate.day());
        return held;
    case ICAL_YEARLY_RECURRENCE:
        if (!weekdays.isEmpty() || monthDays.size() > 1 || months.size() > 1)
            return QStringLiteral("a yearly rule on more than one date, which an alarm cannot hold");
        if (!monthDays.isEmpty() && monthDays.first() < 1)
            return QStringLiteral("BYMONTHDAY counts from the end of the month, which an alarm cannot");
        if (!months.isEmpty() && (months.first() & 0x1000) != 0)
            return QStringLiteral("a leap month, which an alarm cannot hold");
        held.kind = AlarmKind::Yearly;
        held.month = months.isEmpty() ? eventDate.month() : months.first();
        held.monthDays.append(monthDays.isEmpty() ? eventDate.day() : monthDays.first());
        return held;
    default:
        return QStringLiteral("FREQ=%1 repeats within a day, which an alarm cannot")
            .arg(fromIcal(icalrecur_freq_to_string(rule.freq)));
    }
}

// A reminder's minute, counted from the event's start, and the sound it plays.
struct Reminder
{
    qint64 offset = 0; // seconds
    QString sound = noSound;
};

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
            return QStringLiteral("a reminder (VALARM) without a TRIGGER");
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
                    return QStringLiteral("a reminder counts from the end, and the event has none");
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
                    return QStringLiteral("a reminder plays a sound that is no local file");
                reminder.sound = url.toLocalFile();
            }
        }
    }
    return byOffset.values();
}

// The alarm file an event carries, when it gives back the very same bytes; empty otherwise.
std::optional<FieldsRequest> carriedFile(icalcomponent *component)
{
    for (icalproperty *p = icalcomponent_get_first_property(component, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_X_PROPERTY)) {
        if (qstricmp(icalproperty_get_x_name(p), fileProperty) != 0)
            continue;
        const QList<QByteArray> parts = QByteArray(icalproperty_get_x(p)).split('/');
        if (parts.size() != 3)
            return std::nullopt;
        const auto kind = kindFromWord(QString::fromLatin1(parts[0]));
        const auto line = QByteArray::fromBase64Encoding(
            parts[2], QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
        if (!kind || !line)
            return std::nullopt;
        const auto fields = parseAlarmLine(*line, kindInfo(*kind).fieldCount());
        if (!fields)
            return std::nullopt;
        const AlarmRecord record{ *fields };
        // What createAlarm writes for these fields must be the file that was exported, under its name.
        if (formatAlarmLine(*fields) != *line + "\r\n" || storableText(record.text()) != record.text()
            || alarmFileName(*kind, record.dueFields()) != QUrl::fromPercentEncoding(parts[1]))
            return std::nullopt;
        return FieldsRequest{ *kind, record.dueFields(), record.text(), record.sound(), false, {} };
    }
    return std::nullopt;
}

class Importer
{
public:
    Importer(const StoreLayout &layout, const QDateTime &now, const SystemProbe &probe, const ImportOptions &options,
             ImportReport &report)
        : m_layout(layout)
        , m_now(now)
        , m_probe(probe)
        , m_options(options)
        , m_report(report)
    { }

    void component(icalcomponent *component, const QString &where)
    {
        m_where = where;
        m_uid = fromIcal(icalcomponent_get_uid(component));
        if (m_uid.isEmpty())
            m_uid = QStringLiteral("(no UID)");
        const icalcomponent_kind kind = icalcomponent_isa(component);
        if (kind != ICAL_VEVENT_COMPONENT && kind != ICAL_VTODO_COMPONENT)
            return refuse(QStringLiteral("a %1 holds no moment to be reminded of")
                              .arg(fromIcal(icalcomponent_kind_to_string(kind))));
        if (icalproperty *error = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY))
            return refuse(QStringLiteral("libical cannot read it: ") + fromIcal(icalproperty_get_xlicerror(error)));
        if (icalcomponent_get_first_property(component, ICAL_RECURRENCEID_PROPERTY))
            return refuse(QStringLiteral("it changes one occurrence of a repeating event, which an alarm cannot "
                                         "hold"));
        m_plan.clear();
        fromEvent(component);
        // An event Brevora wrote and nobody changed since gives back its file as it was, down to a weekday's
        // letter case; one moved or renamed in a calendar becomes what the calendar now says.
        if (auto carried = carriedFile(component);
            carried && m_plan.size() == 1 && sameAlarm(m_plan.first(), *carried)) {
            carried->force = m_options.force;
            m_plan = { *carried };
        }
        for (const FieldsRequest &request : std::as_const(m_plan))
            add(request);
    }

private:
    void refuse(const QString &why)
    {
        m_report.lines.append(QStringLiteral("%1: %2: not imported: %3").arg(m_where, m_uid, why));
        ++m_report.notImported;
    }

    static bool sameAlarm(const FieldsRequest &a, const FieldsRequest &b)
    {
        return a.kind == b.kind && a.text == b.text && a.sound == b.sound
            && alarmFileName(a.kind, a.fields).compare(alarmFileName(b.kind, b.fields), Qt::CaseInsensitive) == 0;
    }

    void add(const FieldsRequest &request)
    {
        const QString key = kindWord(request.kind) + u'/' + alarmFileName(request.kind, request.fields).toLower();
        if (m_taken.contains(key))
            return refuse(QStringLiteral("%1 is already taken by another event of this calendar")
                              .arg(alarmFileName(request.kind, request.fields)));
        // The same alarm imported again is no clash: the calendar and the store already agree.
        const QString name = alarmFileName(request.kind, request.fields);
        const QString path = m_layout.activePath(request.kind, name);
        if (!name.isEmpty()
            && readAlarmFile(path, request.kind)
                == AlarmRecord{ QStringList{ storableText(request.text), request.sound } + request.fields }) {
            m_taken.insert(key);
            m_report.lines.append(QStringLiteral("%1: %2: %3 is already in the store").arg(m_where, m_uid, path));
            return;
        }
        const AddOutcome outcome = addFields(m_layout, request, m_now, m_probe, m_options.dryRun);
        if (outcome.status != AddOutcome::Status::Added) {
            const Problem &problem = outcome.messages.first();
            return refuse(problem.path + QStringLiteral(": ") + problem.problem
                          + (problem.advice.isEmpty() ? QString() : QStringLiteral("; ") + problem.advice));
        }
        m_taken.insert(key);
        m_report.written.append(outcome.path);
        for (const Problem &warning : outcome.messages)
            m_report.lines.append(QStringLiteral("%1: %2: %3: %4").arg(m_where, m_uid, warning.path, warning.problem));
    }

    void fromEvent(icalcomponent *component)
    {
        const bool todo = icalcomponent_isa(component) == ICAL_VTODO_COMPONENT;
        icaltimetype start = icalcomponent_get_dtstart(component);
        if (icaltime_is_null_time(start) && todo)
            start = icalcomponent_get_due(component);
        if (icaltime_is_null_time(start))
            return refuse(QStringLiteral("it has no start (DTSTART) to be reminded of"));
        icalproperty *startProperty = icalcomponent_get_first_property(
            component,
            icaltime_is_null_time(icalcomponent_get_dtstart(component)) ? ICAL_DUE_PROPERTY : ICAL_DTSTART_PROPERTY);
        icalparameter *tzid = icalproperty_get_first_parameter(startProperty, ICAL_TZID_PARAMETER);
        if (tzid && !start.zone)
            return refuse(QStringLiteral("its time zone %1 is unknown").arg(fromIcal(icalparameter_get_tzid(tzid))));

        // The event's date in its own terms, which its rule's days are counted in, and its start on this
        // machine's clock: a floating time and a whole day are read as they stand, a zoned one is converted.
        const QDate eventDate(start.year, start.month, start.day);
        QDateTime local(eventDate, start.is_date ? QTime(0, 0) : QTime(start.hour, start.minute, start.second));
        if (!start.is_date && (start.zone || icaltime_is_utc(start))) {
            local = QDateTime::fromSecsSinceEpoch(secondsOf(start));
            if (local.date() != eventDate || local.time() != QTime(start.hour, start.minute, start.second))
                m_report.lines.append(
                    QStringLiteral("%1: %2: %3 %4 is %5 on this machine (%6)")
                        .arg(m_where, m_uid,
                             QDateTime(eventDate, QTime(start.hour, start.minute)).toString("yyyy-MM-dd H:mm"),
                             zoneName(start), local.toString("yyyy-MM-dd H:mm"),
                             QString::fromUtf8(QTimeZone::systemTimeZoneId())));
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

    // The alarms of one reminder, planned: the rule's days move with the reminder and the zone, when they take it to
    // another day.
    void alarms(const Repetition &rule, const QDate &eventDate, const QDateTime &moment, const QString &text,
                const QString &sound)
    {
        const qint64 shift = eventDate.daysTo(moment.date());
        const QStringList time{ QString::number(moment.time().hour()), QString::number(moment.time().minute()) };
        const auto request = [&](AlarmKind kind, const QStringList &date) {
            return FieldsRequest{ kind, date + time, text, sound, m_options.force, {} };
        };
        const auto number = [](int value) { return QString::number(value); };
        switch (rule.kind) {
        case AlarmKind::Once: {
            const QDate day = moment.date();
            return m_plan.append(
                request(AlarmKind::Once, { number(day.day()), number(day.month()), number(day.year()) }));
        }
        case AlarmKind::Daily:
            return m_plan.append(request(AlarmKind::Daily, {}));
        case AlarmKind::Weekly:
            for (int weekday : rule.weekdays)
                m_plan.append(
                    request(AlarmKind::Weekly, { weekdayName(int(((weekday - 1 + shift) % 7 + 7) % 7) + 1) }));
            return;
        case AlarmKind::Monthly:
            for (int day : rule.monthDays) {
                const qint64 moved = day + shift;
                if (moved < 1 || moved > 31)
                    refuse(QStringLiteral("day %1 moves to another month with the reminder or the time zone, which "
                                          "a monthly alarm cannot hold")
                               .arg(day));
                else
                    m_plan.append(request(AlarmKind::Monthly, { number(int(moved)) }));
            }
            return;
        case AlarmKind::Yearly: {
            // Counted in a leap year, so 29 February keeps its place.
            const QDate date = QDate(2000, rule.month, rule.monthDays.first()).addDays(shift);
            if (!date.isValid())
                return refuse(QStringLiteral("the rule names a date no year has"));
            return m_plan.append(request(AlarmKind::Yearly, { number(date.day()), number(date.month()) }));
        }
        }
    }

    const StoreLayout &m_layout;
    QDateTime m_now;
    const SystemProbe &m_probe;
    ImportOptions m_options;
    ImportReport &m_report;
    QSet<QString> m_taken;
    QList<FieldsRequest> m_plan; // the alarms of the component at hand, before they are written
    QString m_where;
    QString m_uid;
};

} // namespace

ImportReport importCalendar(const StoreLayout &layout, const QByteArray &calendar, const QString &label,
                            const QDateTime &now, const SystemProbe &probe, const ImportOptions &options)
{
    ImportReport report;
    Component root(icalparser_parse_string(calendar.constData()));
    QList<icalcomponent *> calendars;
    if (root && icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT)
        calendars.append(root.get());
    else if (root && icalcomponent_isa(root.get()) == ICAL_XROOT_COMPONENT) {
        for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT); c;
             c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendars.append(c);
    }
    if (calendars.isEmpty()) {
        report.lines.append(
            QStringLiteral("%1: not imported: libical finds no whole calendar in it (BEGIN:VCALENDAR to END:VCALENDAR)")
                .arg(label));
        ++report.notImported;
        return report;
    }

    const QList<ComponentStart> starts = componentStarts(calendar);
    Importer importer(layout, now, probe, options, report);
    qsizetype index = 0;
    for (icalcomponent *c : std::as_const(calendars)) {
        for (icalcomponent *component = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); component;
             component = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT), ++index) {
            const QByteArray name = QByteArray(icalcomponent_kind_to_string(icalcomponent_isa(component)));
            if (name == "VTIMEZONE")
                continue;
            // Where the text and libical disagree on the components, the report counts them instead.
            const bool lined = index < starts.size() && starts[index].name == name;
            importer.component(component,
                               lined ? QStringLiteral("%1:%2").arg(label).arg(starts[index].line)
                                     : QStringLiteral("%1: item %2").arg(label).arg(index + 1));
        }
    }
    return report;
}

} // namespace brevora::cli
