// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/commands/lettercase.h"

#include "core/model/alarmname.h"
#include "scheduler/nextdue.h"

#include <algorithm>

namespace brevora::cli {

namespace {

QString twinKey(const StoredAlarm &alarm)
{
    return QString::number(static_cast<int>(alarm.kind)) + u'/' + alarm.fileName.toCaseFolded();
}

bool speltAsTheClock(const StoredAlarm &alarm, const QDateTime &now)
{
    const auto due = nextDueMoment(alarm.kind, alarm.fileName, now);
    return due && alarmFileName(alarm.kind, dueFieldsAt(alarm.kind, *due)) == alarm.fileName;
}

} // namespace

void LetterCaseTwins::add(const StoredAlarm &alarm)
{
    QString key = twinKey(alarm);
    if (!m_first.contains(key))
        m_first.insert(std::move(key), alarm);
    else
        m_more.emplace_back(std::move(key), alarm);
}

void LetterCaseTwins::forEachHidden(const Visit &visit) const
{
    QHash<QString, QList<StoredAlarm>> groups;
    for (const auto &[key, alarm] : m_more) {
        QList<StoredAlarm> &group = groups[key];
        if (group.isEmpty())
            group.append(m_first.value(key));
        group.append(alarm);
    }
    for (QList<StoredAlarm> &group : groups) {
        // Active ones first, each part in name order; the found one is the first spelt as the clock spells it,
        // or else the first of all.
        std::sort(group.begin(), group.end(), [](const StoredAlarm &a, const StoredAlarm &b) {
            if (a.waiting != b.waiting)
                return !a.waiting;
            const int c = a.fileName.compare(b.fileName, Qt::CaseInsensitive);
            return c != 0 ? c < 0 : a.fileName < b.fileName;
        });
        const bool allWaiting = group.first().waiting;
        auto found = std::find_if(group.cbegin(), group.cend(), [&](const StoredAlarm &a) {
            return a.waiting == allWaiting && speltAsTheClock(a, m_now);
        });
        const bool certain = found != group.cend();
        if (!certain)
            found = group.cbegin();
        for (auto it = group.cbegin(); it != group.cend(); ++it) {
            if (it != found)
                visit(*it, *found, certain || it->waiting != found->waiting);
        }
    }
}

} // namespace brevora::cli
