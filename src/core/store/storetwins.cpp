// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/storetwins.h"

#include <algorithm>

namespace brevora {

namespace {

QString twinKey(const StoredAlarm &alarm)
{
    return QString::number(static_cast<int>(alarm.kind)) + u'/' + alarm.fileName.toCaseFolded();
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
    for (const QList<StoredAlarm> &group : std::as_const(groups)) {
        // Active ones are found before waiting ones, which come back only where no active one is.
        const bool anyActive = std::any_of(group.cbegin(), group.cend(), [](const auto &a) { return !a.waiting; });
        QList<StoredAlarm> candidates;
        QStringList names;
        for (const StoredAlarm &alarm : group) {
            if (alarm.waiting != anyActive) {
                candidates.append(alarm);
                names.append(alarm.fileName);
            }
        }
        const qsizetype index = foundTwin(candidates.first().kind, names, m_now);
        const StoredAlarm &found = candidates[index];
        const bool certain = found.fileName == clockSpelling(found.kind, found.fileName, m_now);
        for (const StoredAlarm &alarm : group) {
            if (alarm.waiting != found.waiting || alarm.fileName != found.fileName)
                visit(alarm, found, certain || alarm.waiting != found.waiting);
        }
    }
}

} // namespace brevora
