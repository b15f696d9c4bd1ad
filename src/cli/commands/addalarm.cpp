// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/addalarm.h"

#include "core/model/alarmfile.h"
#include "core/model/fieldrules.h"
#include "core/names/alarmname.h"
#include "core/names/kindshape.h"
#include "os/probe/systemprobe.h"

#include <QFileInfo>

namespace brevora::cli {

namespace {

using Status = AddOutcome::Status;

// The weekday as the clock spells it, whatever its letter case; any other text as typed.
QString clockWeekday(const QString &typed)
{
    const auto day = weekdayNumber(typed);
    return day ? weekdayName(*day) : typed;
}

// A date written year first (2027-02-03, as ISO 8601 has it), told apart from a mistyped day by its
// four-digit first part; the same date day first, or empty.
QString dayFirst(AlarmKind kind, const QStringList &when)
{
    const QStringList parts = when.value(0).split(u'-');
    if (!kindInfo(kind).fields.contains(TimeField::Year) || parts.size() != 3 || parts[0].size() != 4
        || parts[2].size() > 2)
        return {};
    bool numbers = true;
    QStringList plain;
    for (const QString &part : { parts[2], parts[1], parts[0] }) {
        const int value = part.toInt(&numbers);
        if (!numbers)
            return {};
        plain.append(QString::number(value));
    }
    return plain.join(u'-');
}

// The due fields in file order from the arguments; empty when their shape does not fit the kind. A clock time
// is written 14:00 or 7:05, so one zero that pads the hour or the minute is the clock's notation, not part of
// the number; every other text goes to the wizard's checks as typed.
std::optional<QStringList> fieldsFromArguments(AlarmKind kind, const QStringList &when)
{
    const KindInfo &shape = kindInfo(kind);
    if (when.size() != (shape.dateParts > 0 ? 2 : 1))
        return std::nullopt;
    const QStringList time = when.last().split(u':');
    if (time.size() != 2)
        return std::nullopt;
    // A lone date field is taken whole, so a stray separator in it reaches the field checks as typed.
    QStringList fields = shape.dateParts > 1 ? when.first().split(datePartSeparator) : when.mid(0, shape.dateParts);
    if (fields.size() != shape.dateParts)
        return std::nullopt;
    if (shape.fields.first() == TimeField::Weekday)
        fields[0] = clockWeekday(fields[0]);
    for (QString part : time) {
        if (part.size() == 2 && part[0] == u'0' && part[1].isDigit())
            part.remove(0, 1);
        fields.append(part);
    }
    return fields;
}

AddOutcome rejected(const QString &path, const QString &why)
{
    return { Status::Rejected, { Problem{ path, why, {} } }, path };
}

} // namespace

QString addSyntax(AlarmKind kind)
{
    return QString::fromLatin1(kindInfo(kind).addSyntax);
}

QString addExample(AlarmKind kind)
{
    return QString::fromLatin1(kindInfo(kind).addExample);
}

AddOutcome addAlarm(const StoreLayout &layout, const AddRequest &request, const QDateTime &now,
                    const SystemProbe &probe)
{
    const QString folder = layout.activeFolder(request.kind);
    if (const QString date = dayFirst(request.kind, request.when); !date.isEmpty())
        return { Status::Usage,
                 { Problem{
                     folder,
                     QStringLiteral("%1 gives the year first; write the day first: %2").arg(request.when.first(), date),
                     {} } },
                 folder };
    const auto values = fieldsFromArguments(request.kind, request.when);
    if (!values)
        return { Status::Usage, {}, folder };

    for (qsizetype i = 0; i < values->size(); ++i) {
        if (breaksLeadingZeroRule(timeFieldRule(kindInfo(request.kind).fields[i]).leadingZeros, values->at(i)))
            return rejected(folder, leadingZeroMessage);
    }
    // The sound is played by a program started elsewhere, so a relative path is anchored here.
    const QString sound = request.sound ? QFileInfo(*request.sound).absoluteFilePath() : noSound;
    AddOutcome outcome
        = addFields(layout, { request.kind, *values, request.text, sound, request.force, request.replace }, now,
                    probedSound(probe));
    if (outcome.status == Status::Taken)
        outcome.messages.first().advice = forceAdvice();
    if (outcome.replacedStayed)
        outcome.messages.prepend({ request.replace,
                                   QStringLiteral("the new alarm was added, but this one, which it replaces, could not "
                                                  "be removed, so both are there"),
                                   QStringLiteral("delete it with brevora --delete") });
    return outcome;
}

SoundCheck probedSound(const SystemProbe &probe)
{
    return [&probe](const QString &path) {
        const auto frames = probe.soundFrames(path);
        return frames && *frames > 0;
    };
}

QString forceAdvice()
{
    return QStringLiteral("add --force to replace it");
}

} // namespace brevora::cli
