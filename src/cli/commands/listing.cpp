// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/listing.h"

#include "core/life/pastreturn.h"

#include "core/names/kindshape.h"
#include "core/store/storetwins.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>

namespace brevora::cli {

namespace {

// A moment as the local clock showed it, with the offset it had then: in the hour a change to winter time repeats,
// the wall time alone names two moments.
QDateTime withOffset(const QDateTime &moment)
{
    return moment.toOffsetFromUtc(moment.offsetFromUtc());
}

QString momentText(const QDateTime &moment)
{
    const QDateTime shown = withOffset(moment);
    const int offset = shown.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return shown.toString(QStringLiteral("yyyy-MM-dd HH:mm")) + (offset < 0 ? u'-' : u'+')
        + QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString momentJson(const QDateTime &moment)
{
    return withOffset(moment).toString(Qt::ISODate);
}

QString escapedColumn(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\':
            escaped += QStringLiteral("\\\\");
            break;
        case u'\t':
            escaped += QStringLiteral("\\t");
            break;
        case u'\r':
            escaped += QStringLiteral("\\r");
            break;
        case u'\n':
            escaped += QStringLiteral("\\n");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QDateTime localMoment(qint64 msecs)
{
    return QDateTime::fromMSecsSinceEpoch(msecs);
}

} // namespace

QList<ListedAlarm> listAlarms(const StoreLayout &layout, const QList<AlarmKind> &kinds, const QDateTime &now,
                              const ProblemSink &problems)
{
    QList<ListedAlarm> list;
    LetterCaseTwins twins(now);
    StoreVisitor visitor;
    visitor.problem = problems;
    visitor.alarm = [&](const StoredAlarm &alarm, const AlarmContent &content) {
        // Sorted by keys worked out once: comparing local moments would ask the time zone at every comparison.
        qint64 key = ListedAlarm::never;
        if (content.record) {
            if (const auto due = nextStoredMoment(alarm, now))
                key = due->toMSecsSinceEpoch();
        }
        if (content.record)
            list.append({ alarm, key, content.record->text(), content.record->sound() });
        else
            list.append({ alarm, key, std::nullopt, {} });
        twins.add(alarm);
    };
    visitStore(layout, kinds, visitor);

    QSet<QString> hidden;
    twins.forEachHidden([&](const StoredAlarm &alarm, const StoredAlarm &, bool) { hidden.insert(alarm.path()); });
    if (!hidden.isEmpty()) {
        for (ListedAlarm &item : list) {
            if (hidden.contains(item.alarm.path()))
                item.nextDue = ListedAlarm::never;
        }
    }
    std::stable_sort(list.begin(), list.end(), [](const ListedAlarm &a, const ListedAlarm &b) {
        if (a.nextDue != b.nextDue)
            return a.nextDue < b.nextDue;
        if (a.alarm.kind != b.alarm.kind)
            return a.alarm.kind < b.alarm.kind;
        return twinOrder(a.alarm.fileName, b.alarm.fileName);
    });
    return list;
}

void printListing(QTextStream &out, const QList<ListedAlarm> &list)
{
    for (const ListedAlarm &item : list) {
        const StoredAlarm &a = item.alarm;
        const QString sound = !item.text ? QStringLiteral("?")
            : item.sound == noSound      ? QStringLiteral("-")
                                         : escapedColumn(item.sound);
        out << (item.nextDue != ListedAlarm::never ? momentText(localMoment(item.nextDue)) : QStringLiteral("never"))
            << '\t' << kindWord(a.kind) << '\t' << (a.waiting ? "waiting" : "active") << '\t' << sound << '\t'
            << escapedColumn(item.text ? *item.text : QStringLiteral("(unreadable: ") + a.fileName + u')') << '\n';
    }
    out.flush();
}

void printListingJson(QTextStream &out, const QList<ListedAlarm> &list)
{
    JsonListWriter json(out, "alarms");
    for (const ListedAlarm &item : list) {
        const StoredAlarm &a = item.alarm;
        QJsonObject entry{ { "kind", kindWord(a.kind) },
                           { "file", QDir::toNativeSeparators(a.path()) },
                           { "nextDue",
                             item.nextDue != ListedAlarm::never ? QJsonValue(momentJson(localMoment(item.nextDue)))
                                                                : QJsonValue(QJsonValue::Null) },
                           { "waiting", a.waiting },
                           { "readable", item.text.has_value() } };
        if (item.text) {
            entry.insert("text", *item.text);
            entry.insert("sound", item.sound == noSound ? QJsonValue(QJsonValue::Null) : QJsonValue(item.sound));
        }
        json.add(entry);
    }
    json.finish();
}

void printMissed(QTextStream &out, const MissedAlarms &missed)
{
    for (const MissedAlarm &alarm : missed.listed)
        out << momentText(alarm.moment) << '\t' << kindWord(alarm.kind) << '\t' << escapedColumn(alarm.text) << '\n';
    out.flush();
}

QByteArray missedJson(const MissedAlarms &missed)
{
    QJsonArray alarms;
    for (const MissedAlarm &alarm : missed.listed)
        alarms.append(QJsonObject{ { "moment", momentJson(alarm.moment) },
                                   { "kind", kindWord(alarm.kind) },
                                   { "file", QDir::toNativeSeparators(alarm.path) },
                                   { "text", alarm.text } });
    // A folder that could not be read hides its misses as surely as the bound does.
    const bool complete = !missed.totalIsLowerBound && missed.problems.isEmpty();
    return QJsonDocument(QJsonObject{ { "missed", alarms }, { "complete", complete } }).toJson();
}

} // namespace brevora::cli
