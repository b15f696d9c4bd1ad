// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/pastreturn.h"

#include "core/store/fileops.h"
#include "core/store/storelayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    for (const QString &name : waiting) {
        if (keep && keep(kind, name))
            continue;
        const QString source = past + u'/' + name;
        const QString key = name.toCaseFolded();
        if (present.contains(key)) {
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
            ++report.returned;
        } else {
            ++report.skipped;
        }
    }
}

bool isWithin(const QString &canonical, const QString &folder)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    return !root.isEmpty() && (canonical == root || canonical.startsWith(root + u'/'));
}

// A link among the past folders (Events/Past, or Events/Past/Day) may name any folder of the user's: its
// photos would be "returned" into the alarms. A whole Events folder linked elsewhere keeps the tree whole.
bool leadsOutside(const StoreLayout &layout, const QString &past)
{
    const QString canonical = QFileInfo(past).canonicalFilePath();
    if (canonical.isEmpty())
        return false; // missing: nothing to return
    const QString events = QFileInfo(QFileInfo(past).path()).path();
    return !isWithin(canonical, layout.programDir()) && !isWithin(canonical, events);
}

} // namespace

PastReturnReport returnPastAlarms(const StoreLayout &layout, const PastReturnFilter &keep)
{
    PastReturnReport report;
    for (AlarmKind kind : pastReturnOrder) {
        if (leadsOutside(layout, layout.pastFolder(kind))) {
            report.leadOutside.append(layout.pastFolder(kind));
            continue;
        }
        returnFolder(kind, layout.pastFolder(kind), layout.activeFolder(kind), keep, report);
    }
    return report;
}

} // namespace brevora
