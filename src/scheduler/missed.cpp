// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler/missed.h"

#include "core/model/alarmfile.h"
#include "core/names/alarmname.h"
#include "core/names/nextdue.h"
#include "core/names/twins.h"
#include "core/store/storelayout.h"
#include "os/clock/clock.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <vector>

namespace brevora {

namespace {

// Before any moment the clock can show: every passed one-time alarm is found from here.
const QDateTime earliest = QDateTime::fromMSecsSinceEpoch(0, Qt::UTC);

// The folder's alarm names, those that differ only in letter case together, leaving out the ones already `seen`
// in a folder that comes first.
QList<QStringList> twinGroups(const QString &folder, QSet<QString> &seen, QList<Problem> &problems)
{
    QList<QStringList> groups;
    if (folder.isEmpty())
        return groups;
    QSet<QString> here;
    QHash<QString, qsizetype> group;
    for (const QString &name : storeFolderNames(folder, [&](const Problem &p) { problems.append(p); })) {
        if (!hasAlarmExtension(name))
            continue;
        const QString folded = name.toCaseFolded();
        if (seen.contains(folded))
            continue;
        here.insert(folded);
        const auto at = group.constFind(folded);
        if (at != group.cend()) {
            groups[*at].append(name);
        } else {
            group.insert(folded, groups.size());
            groups.append({ name });
        }
    }
    seen.unite(here);
    return groups;
}

struct Found
{
    qint64 key;
    AlarmKind kind;
    qsizetype file;
    QDateTime moment;
};

// The names of one alarm (twins in letter case) in one folder, and the first moment it can have been missed.
struct Group
{
    AlarmKind kind;
    QString folder;
    QStringList twins;
    QDateTime start;
};

// What fell due in a span of the unwatched time.
struct Span
{
    std::vector<Found> found;
    QStringList paths;
    QStringList texts;
    qint64 total = 0;
    bool cut = false; // the count reached its bound: the span holds more than was found
};

// The occurrences from `from` (or each alarm's own start, when later) to `end`, by the due checks' rules, until the
// count reaches `bound`. Each file is read once for all spans: most files have nothing in the window.
Span occurrences(const QList<Group> &groups, const std::optional<QDateTime> &from, const QDateTime &end, qint64 bound,
                 QHash<QString, std::optional<AlarmRecord>> &records)
{
    Span span;
    for (const Group &group : groups) {
        std::vector<QDateTime> moments;
        QDateTime at = from && *from > group.start ? *from : group.start;
        while (span.total + qint64(moments.size()) < bound) {
            const auto due = nextDueMoment(group.kind, group.twins.first(), at);
            if (!due || *due >= end)
                break;
            moments.push_back(*due);
            at = due->addSecs(60);
        }
        if (moments.empty())
            continue;
        const QString path = group.folder + u'/' + group.twins[foundTwin(group.kind, group.twins, moments.front())];
        auto record = records.find(path);
        if (record == records.end())
            record = records.insert(path, readAlarmFile(path, group.kind));
        if (!*record)
            continue;
        span.paths.append(path);
        span.texts.append((*record)->text());
        for (QDateTime &moment : moments)
            span.found.push_back({ moment.toMSecsSinceEpoch(), group.kind, span.paths.size() - 1, std::move(moment) });
        span.total += qint64(moments.size());
    }
    span.cut = span.total >= bound;
    return span;
}

} // namespace

MissedAlarms findMissedAlarms(const StoreLayout &layout, const UnwatchedTime &time, qsizetype listLimit,
                              const QList<AlarmKind> &kinds, qint64 countBound)
{
    // Compared as instants: in the hour a change to winter time repeats, a wall time names two.
    const QDateTime end = minuteStart(time.now);
    const std::optional<QDateTime> after = time.since ? std::optional(minuteStart(*time.since)) : std::nullopt;
    MissedAlarms result;
    QList<Group> groups;
    for (AlarmKind kind : kinds) {
        const bool everyPassed = kind == AlarmKind::Once && time.everyPassedOnce;
        if (!everyPassed && !after)
            continue;
        const QDateTime start = everyPassed ? earliest : after->addSecs(60);
        // A set-aside alarm comes back to its active folder and falls due there like any other, unless the same
        // alarm is already there.
        QSet<QString> seen;
        for (const QString &folder : { layout.activeFolder(kind), layout.pastFolder(kind) }) {
            for (QStringList &twins : twinGroups(folder, seen, result.problems))
                groups.append({ kind, folder, std::move(twins), start });
        }
    }

    QHash<QString, std::optional<AlarmRecord>> records;
    Span span = occurrences(groups, std::nullopt, end, countBound, records);
    result.total = span.total;
    result.totalIsLowerBound = span.cut;
    if (span.cut) {
        // The count ran from the oldest moment and stopped there, but the newest misses matter most (the report
        // shows them first). So the misses are counted again back from now, in spans that double, each counted
        // once, and the first span that would pass the bound is left out whole: no miss newer than a listed one is
        // missing, and the work stays within twice the bound.
        Span newest;
        QDateTime upTo = end;
        for (qint64 seconds = 3600;; seconds *= 2) {
            const QDateTime from = end.addSecs(-seconds);
            Span older = occurrences(groups, from, upTo, countBound - newest.total, records);
            if (older.cut)
                break;
            for (Found &found : older.found) {
                found.file += newest.paths.size();
                newest.found.push_back(std::move(found));
            }
            newest.paths += older.paths;
            newest.texts += older.texts;
            newest.total += older.total;
            upTo = from;
        }
        span = std::move(newest);
    }

    const auto listed = std::min(span.found.size(), std::size_t(std::max<qsizetype>(listLimit, 0)));
    std::partial_sort(span.found.begin(), span.found.begin() + qsizetype(listed), span.found.end(),
                      [&](const Found &a, const Found &b) {
                          if (a.key != b.key)
                              return a.key < b.key;
                          if (a.kind != b.kind)
                              return a.kind < b.kind;
                          return span.paths[a.file].compare(span.paths[b.file], Qt::CaseInsensitive) < 0;
                      });
    for (std::size_t i = 0; i < listed; ++i) {
        const Found &f = span.found[i];
        result.listed.append({ f.moment, f.kind, span.paths[f.file], span.texts[f.file] });
    }
    return result;
}

} // namespace brevora
