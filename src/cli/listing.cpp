#include "listing.h"

#include "scheduler/nextdue.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace brevora::cli {

namespace {

const QString momentFormat = QStringLiteral("yyyy-MM-dd HH:mm");

} // namespace

QList<ListedAlarm> listAlarms(QList<StoredAlarm> alarms, const QDateTime &now)
{
    QList<ListedAlarm> list;
    list.reserve(alarms.size());
    for (StoredAlarm &alarm : alarms) {
        const QDateTime from = alarm.waiting ? now.addSecs(65) : now;
        auto due = nextDueMoment(alarm.kind, alarm.fileName, from);
        list.append({ std::move(alarm), due });
    }
    std::stable_sort(list.begin(), list.end(), [](const ListedAlarm &a, const ListedAlarm &b) {
        if (a.nextDue.has_value() != b.nextDue.has_value())
            return a.nextDue.has_value();
        if (a.nextDue && *a.nextDue != *b.nextDue)
            return *a.nextDue < *b.nextDue;
        if (a.alarm.kind != b.alarm.kind)
            return a.alarm.kind < b.alarm.kind;
        return a.alarm.fileName.compare(b.alarm.fileName, Qt::CaseInsensitive) < 0;
    });
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
