// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/commands/storescan.h"

#include <QDateTime>
#include <QHash>

#include <functional>
#include <vector>

namespace brevora::cli {

// Alarms of one kind whose names differ only in letter case stand for the same minute, and the due check finds
// one of them: the one spelt as the clock spells the name, or else whichever the folder lists (taken here as
// the first in name order). A waiting alarm never comes back while the same alarm is active. Only names are
// kept, so a store of any size is sorted out at the end of its scan.
class LetterCaseTwins
{
public:
    explicit LetterCaseTwins(const QDateTime &now)
        : m_now(now)
    { }

    void add(const StoredAlarm &alarm);

    // Each alarm that is never shown because of a twin, with the twin found instead, and whether the found one
    // is certain (it is spelt as the clock spells the name) rather than a matter of the folder's order.
    using Visit = std::function<void(const StoredAlarm &hidden, const StoredAlarm &found, bool certain)>;
    void forEachHidden(const Visit &visit) const;

private:
    QDateTime m_now;
    QHash<QString, StoredAlarm> m_first; // by kind and case-folded name
    std::vector<std::pair<QString, StoredAlarm>> m_more;
};

} // namespace brevora::cli
