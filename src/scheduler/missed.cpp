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

// About a daily alarm for three hundred years, or a hundred daily alarms for three: enough for any real absence,
// and a fraction of a second of work.
constexpr qint64 countBound = 100'000;

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

} // namespace

MissedAlarms findMissedAlarms(const StoreLayout &layout, const UnwatchedTime &time, qsizetype listLimit,
                              const QList<AlarmKind> &kinds)
{
    // Compared as instants: in the hour a change to winter time repeats, a wall time names two.
    const QDateTime end = minuteStart(time.now);
    const std::optional<QDateTime> after = time.since ? std::optional(minuteStart(*time.since)) : std::nullopt;
    MissedAlarms result;
    std::vector<Found> found;
    QStringList paths;
    QList<std::optional<AlarmRecord>> records;

    for (AlarmKind kind : kinds) {
        const bool everyPassed = kind == AlarmKind::Once && time.everyPassedOnce;
        if (!everyPassed && !after)
            continue;
        const QDateTime start = everyPassed ? earliest : after->addSecs(60);
        // A set-aside alarm comes back to its active folder and falls due there like any other, unless the same
        // alarm is already there.
        QSet<QString> seen;
        for (const QString &folder : { layout.activeFolder(kind), layout.pastFolder(kind) }) {
            for (const QStringList &twins : twinGroups(folder, seen, result.problems)) {
                std::vector<QDateTime> moments;
                QDateTime from = start;
                while (result.total + qint64(moments.size()) < countBound) {
                    const auto due = nextDueMoment(kind, twins.first(), from);
                    if (!due || *due >= end)
                        break;
                    moments.push_back(*due);
                    from = due->addSecs(60);
                }
                if (moments.empty())
                    continue;
                // Read only now: most files have nothing in the window.
                const QString path = folder + u'/' + twins[foundTwin(kind, twins, moments.front())];
                auto record = readAlarmFile(path, kind);
                if (!record)
                    continue;
                paths.append(path);
                records.append(std::move(record));
                for (QDateTime &moment : moments)
                    found.push_back({ moment.toMSecsSinceEpoch(), kind, paths.size() - 1, std::move(moment) });
                result.total += qint64(moments.size());
                if (result.total >= countBound)
                    result.totalIsLowerBound = true;
            }
        }
    }

    const auto listed = std::min(found.size(), std::size_t(std::max<qsizetype>(listLimit, 0)));
    std::partial_sort(found.begin(), found.begin() + qsizetype(listed), found.end(),
                      [&](const Found &a, const Found &b) {
                          if (a.key != b.key)
                              return a.key < b.key;
                          if (a.kind != b.kind)
                              return a.kind < b.kind;
                          return paths[a.file].compare(paths[b.file], Qt::CaseInsensitive) < 0;
                      });
    for (std::size_t i = 0; i < listed; ++i) {
        const Found &f = found[i];
        result.listed.append({ f.moment, f.kind, paths[f.file], records[f.file]->text() });
    }
    return result;
}

} // namespace brevora
