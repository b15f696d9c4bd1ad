// SPDX-License-Identifier: GPL-3.0-or-later
#include "scheduler/nextwake.h"

#include "core/names/nextdue.h"

namespace brevora {

std::optional<QDateTime> NextWake::earliest(const std::array<const FoldedNames *, 5> &listings, const QDateTime &from)
{
    std::optional<QDateTime> first;
    for (AlarmKind kind : allKinds) {
        const auto index = static_cast<std::size_t>(kind);
        const Moments &kept = m_moments[index];
        Moments moments;
        if (const FoldedNames *names = listings[index]) {
            moments.reserve(names->size());
            for (auto it = names->cbegin(); it != names->cend(); ++it) {
                // A kept moment still ahead stays right until the clock is set; "never" stays never.
                const auto old = kept.constFind(it.key());
                std::optional<QDateTime> due;
                if (old != kept.cend() && (!*old || **old >= from))
                    due = *old;
                else
                    due = nextDueMoment(kind, it.value(), from);
                if (due && (!first || *due < *first))
                    first = due;
                moments.insert(it.key(), due);
            }
        }
        m_moments[index] = std::move(moments);
    }
    return first;
}

void NextWake::forgetAll()
{
    for (Moments &moments : m_moments)
        moments.clear();
}

} // namespace brevora
