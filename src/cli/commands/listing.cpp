// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/listing.h"

#include "scheduler/nextdue.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>
#include <limits>
#include <vector>

namespace brevora::cli {

namespace {

const QString momentFormat = QStringLiteral("yyyy-MM-dd HH:mm");

} // namespace

QList<ListedAlarm> listAlarms(QList<StoredAlarm> alarms, const QDateTime &now)
{
    // Sorted by keys worked out once: comparing local moments would ask the time zone at every comparison.
    struct Keyed
    {
        qint64 due;
        ListedAlarm item;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(static_cast<std::size_t>(alarms.size()));
    const QDateTime afterReturn = now.addSecs(65);
    for (StoredAlarm &alarm : alarms) {
        auto due = nextDueMoment(alarm.kind, alarm.fileName, alarm.waiting ? afterReturn : now);
        const qint64 key = due ? due->toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
        keyed.push_back({ key, { std::move(alarm), std::move(due) } });
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        if (a.due != b.due)
            return a.due < b.due;
        if (a.item.alarm.kind != b.item.alarm.kind)
            return a.item.alarm.kind < b.item.alarm.kind;
        return a.item.alarm.fileName.compare(b.item.alarm.fileName, Qt::CaseInsensitive) < 0;
    });
    QList<ListedAlarm> list;
    list.reserve(alarms.size());
    for (Keyed &k : keyed)
        list.append(std::move(k.item));
    return list;
}

void printListing(QTextStream &out, const QList<ListedAlarm> &list)
{
    for (const ListedAlarm &item : list) {
        const StoredAlarm &a = item.alarm;
        const QString sound = !a.record    ? QStringLiteral("?")
            : a.record->sound() == noSound ? QStringLiteral("-")
                                           : a.record->sound();
        out << (item.nextDue ? item.nextDue->toString(momentFormat) : QStringLiteral("never")) << '\t'
            << kindWord(a.kind) << '\t' << (a.waiting ? "waiting" : "active") << '\t' << sound << '\t'
            << (a.record ? a.record->text() : QStringLiteral("(unreadable: ") + a.fileName + u')') << '\n';
    }
    out.flush();
}

QByteArray listingJson(const QList<ListedAlarm> &list)
{
    QJsonArray alarms;
    for (const ListedAlarm &item : list) {
        const StoredAlarm &a = item.alarm;
        QJsonObject entry{ { "kind", kindWord(a.kind) },
                           { "file", QDir::toNativeSeparators(a.path()) },
                           { "nextDue",
                             item.nextDue ? QJsonValue(item.nextDue->toString(momentFormat))
                                          : QJsonValue(QJsonValue::Null) },
                           { "waiting", a.waiting },
                           { "readable", a.record.has_value() } };
        if (a.record) {
            entry.insert("text", a.record->text());
            entry.insert("sound",
                         a.record->sound() == noSound ? QJsonValue(QJsonValue::Null) : QJsonValue(a.record->sound()));
        }
        alarms.append(entry);
    }
    return QJsonDocument(QJsonObject{ { "alarms", alarms } }).toJson();
}

} // namespace brevora::cli
