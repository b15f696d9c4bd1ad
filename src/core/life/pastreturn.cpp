// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/life/pastreturn.h"

#include "core/names/nextdue.h"
#include "core/store/fileops.h"
#include "core/store/storelayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace brevora {

namespace {

void returnFolder(AlarmKind kind, const QString &past, const QString &active, const PastReturnFilter &keep,
                  PastReturnReport &report)
{
    const QStringList waiting = listFolder(past);
    if (waiting.isEmpty())
        return;
    // One listing of the active folder serves every file, so a full folder returns in linear time.
    QHash<QString, QString> present = filesByFoldedName(active);
    // Twins (names equal but for letter case) that wait together all come back, and the twin rule shows the same
    // one as before they were set aside; one of them is no newer alarm that would make the others stale.
    QSet<QString> returnedNow; // by case-folded name
    for (const QString &name : waiting) {
        if (keep && keep(kind, name))
            continue;
        const QString source = past + u'/' + name;
        const QString key = name.toCaseFolded();
        if (present.contains(key) && !returnedNow.contains(key)) {
            // The user created the same alarm again while this one waited: the newer one stays.
            if (deleteFileForced(source))
                ++report.superseded;
            else
                ++report.skipped;
            continue;
        }
        // QFile::rename never replaces a file, so one created meanwhile is not lost.
        if (QFile::rename(source, active + u'/' + name)) {
            present.insert(key, name);
            returnedNow.insert(key);
            ++report.returned;
        } else {
            ++report.skipped;
        }
    }
}

// A link among the past folders (Events/Past, or Events/Past/Day) may name any folder of the user's, inside the
// program folder too (a portable copy run from the home folder): its documents would be "returned" into the
// alarms. Only real folders of the store are emptied; a whole Events folder linked elsewhere keeps the tree whole.
bool isLinked(const QString &past)
{
    return QFileInfo(past).isSymLink() || QFileInfo(QFileInfo(past).path()).isSymLink();
}

} // namespace

std::optional<QDateTime> nextStoredMoment(const StoredAlarm &alarm, const QDateTime &now)
{
    return nextDueMoment(alarm.kind, alarm.fileName, alarm.waiting ? now.addSecs(pastReturnSeconds) : now);
}

PastReturnReport returnPastAlarms(const StoreLayout &layout, const PastReturnFilter &keep)
{
    PastReturnReport report;
    for (AlarmKind kind : pastReturnOrder) {
        if (isLinked(layout.pastFolder(kind))) {
            report.linked.append(layout.pastFolder(kind));
            continue;
        }
        returnFolder(kind, layout.pastFolder(kind), layout.activeFolder(kind), keep, report);
    }
    return report;
}

} // namespace brevora
