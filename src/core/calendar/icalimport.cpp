// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calendar/icalimport.h"

#include "core/calendar/componentplan.h"
#include "core/calendar/icalbits.h"
#include "core/model/alarmfile.h"
#include "core/model/fieldrules.h"
#include "core/names/alarmname.h"

#include <QSet>

#include <algorithm>

namespace brevora {

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

// Writes the planned alarms of each component in turn, and tells what became of them.
class Importer
{
public:
    Importer(const StoreLayout &layout, const QDateTime &now, const SoundCheck &soundPlays,
             const ImportOptions &options, ImportReport &report)
        : m_layout(layout)
        , m_now(now)
        , m_soundPlays(soundPlays)
        , m_options(options)
        , m_report(report)
    { }

    void component(icalcomponent *component, int line, int item)
    {
        m_line = line;
        m_item = item;
        m_uid = fromIcal(icalcomponent_get_uid(component));
        const ComponentPlan plan = planComponent(component, m_options.force);
        for (const ImportNote &note : plan.notes)
            tell(note.kind, note.text);
        for (const FieldsRequest &request : plan.alarms)
            add(request);
    }

private:
    void tell(ImportNote::Kind kind, const QString &text)
    {
        m_report.notes.append({ kind, m_line, m_item, m_uid, text });
    }

    void add(const FieldsRequest &request)
    {
        const QString name = alarmFileName(request.kind, request.fields);
        const QString key = kindWord(request.kind) + u'/' + name.toLower();
        if (m_taken.contains(key))
            return tell(
                ImportNote::Kind::NotImported,
                said(QT_TRANSLATE_NOOP("brevora::core", "%1 is already taken by another event of this calendar"))
                    .arg(name));
        // The same alarm imported again is no clash: the calendar and the store already agree.
        const QString path = m_layout.activePath(request.kind, name);
        if (!name.isEmpty()
            && readAlarmFile(path, request.kind)
                == AlarmRecord{ QStringList{ storableText(request.text), request.sound } + request.fields }) {
            m_taken.insert(key);
            return tell(ImportNote::Kind::Note,
                        said(QT_TRANSLATE_NOOP("brevora::core", "%1 is already in the store")).arg(path));
        }
        const AddOutcome outcome = addFields(m_layout, request, m_now, m_soundPlays, m_options.dryRun, &m_folderNames);
        if (outcome.status != AddOutcome::Status::Added) {
            const Problem &problem = outcome.messages.first();
            return tell(outcome.status == AddOutcome::Status::Taken ? ImportNote::Kind::Taken
                                                                    : ImportNote::Kind::NotImported,
                        problem.path + QStringLiteral(": ") + problem.problem
                            + (problem.advice.isEmpty() ? QString() : QStringLiteral("; ") + problem.advice));
        }
        m_taken.insert(key);
        m_report.written.append(outcome.path);
        for (const Problem &warning : outcome.messages)
            tell(ImportNote::Kind::Note, warning.path + QStringLiteral(": ") + warning.problem);
    }

    const StoreLayout &m_layout;
    QDateTime m_now;
    const SoundCheck &m_soundPlays;
    ImportOptions m_options;
    ImportReport &m_report;
    QSet<QString> m_taken; // the alarms of this calendar so far, by kind and name in lower case
    FolderNames m_folderNames;
    int m_line = 0;
    int m_item = 0;
    QString m_uid;
};

} // namespace

qsizetype ImportReport::notImported() const
{
    return std::count_if(notes.begin(), notes.end(),
                         [](const ImportNote &note) { return note.kind != ImportNote::Kind::Note; });
}

ImportReport importCalendar(const StoreLayout &layout, const QByteArray &calendar, const QDateTime &now,
                            const SoundCheck &soundPlays, const ImportOptions &options)
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
        report.notes.append({ ImportNote::Kind::NotImported,
                              0,
                              0,
                              {},
                              said(QT_TRANSLATE_NOOP("brevora::core",
                                                     "libical finds no whole calendar in it "
                                                     "(BEGIN:VCALENDAR to END:VCALENDAR)")) });
        return report;
    }

    const QList<ComponentStart> starts = componentStarts(calendar);
    Importer importer(layout, now, soundPlays, options, report);
    qsizetype index = 0;
    for (icalcomponent *c : std::as_const(calendars)) {
        for (icalcomponent *component = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); component;
             component = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT), ++index) {
            const QByteArray name = QByteArray(icalcomponent_kind_to_string(icalcomponent_isa(component)));
            if (name == "VTIMEZONE")
                continue;
            // Where the text and libical disagree on the components, the report counts them instead.
            const bool lined = index < starts.size() && starts[index].name == name;
            importer.component(component, lined ? starts[index].line : 0, int(index + 1));
        }
    }
    return report;
}

} // namespace brevora
