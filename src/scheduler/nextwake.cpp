// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler/nextwake.h"

#include "core/names/nextdue.h"

#include <algorithm>

namespace brevora {

std::optional<qint64> NextWake::keptStillRight(std::size_t index, const FoldedNames *names, qint64 start) const
{
    // The common change rewrites or touches a file and leaves the names as they were: then every kept moment
    // holds, and the kept table is not built again.
    const Moments &kept = m_moments[index];
    if (!names || names->size() != kept.size())
        return std::nullopt;
    qint64 kindFirst = never;
    for (auto it = names->cbegin(); it != names->cend(); ++it) {
        const auto old = kept.constFind(it.key());
        if (old == kept.cend() || *old < start)
            return std::nullopt;
        kindFirst = std::min(kindFirst, *old);
    }
    return kindFirst;
}

std::optional<QDateTime> NextWake::earliest(const std::array<const FoldedNames *, 5> &listings, const QDateTime &from)
{
    const qint64 start = from.toMSecsSinceEpoch();
    qint64 first = never;
    for (AlarmKind kind : allKinds) {
        const auto index = static_cast<std::size_t>(kind);
        if (const auto kindFirst = m_first[index]; kindFirst && *kindFirst >= start) {
            first = std::min(first, *kindFirst);
            continue;
        }
        const FoldedNames *names = listings[index];
        if (const auto unchanged = keptStillRight(index, names, start)) {
            m_first[index] = *unchanged;
            first = std::min(first, *unchanged);
            continue;
        }
        qint64 kindFirst = never;
        const Moments &kept = m_moments[index];
        Moments moments;
        if (names) {
            moments.reserve(names->size());
            for (auto it = names->cbegin(); it != names->cend(); ++it) {
                // A kept moment still ahead stays right until the clock is set; "never" stays never.
                const auto old = kept.constFind(it.key());
                qint64 due = never;
                if (old != kept.cend() && *old >= start) {
                    due = *old;
                } else if (const auto moment = nextDueMoment(kind, it.value(), from)) {
                    due = moment->toMSecsSinceEpoch();
                }
                kindFirst = std::min(kindFirst, due);
                moments.insert(it.key(), due);
            }
        }
        m_moments[index] = std::move(moments);
        m_first[index] = kindFirst;
        first = std::min(first, kindFirst);
    }
    if (first == never)
        return std::nullopt;
    // An instant, not a wall time: a change of time zone must not move it.
    return QDateTime::fromMSecsSinceEpoch(first, Qt::UTC);
}

void NextWake::forgetAll()
{
    for (Moments &moments : m_moments)
        moments.clear();
    m_first.fill(std::nullopt);
}

} // namespace brevora
