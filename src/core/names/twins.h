// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/store/fileops.h"
#include "core/store/storescan.h"

#include <QDateTime>
#include <QHash>

#include <functional>
#include <vector>

namespace brevora {

// Alarms of one kind whose names differ only in letter case stand for the same minute, and the due check, which
// builds the minute's name from the clock, opens one of them: the one spelt as the clock spells that name, or
// else the first in twinOrder. The listing, the store check and the missed list all ask this one rule.

// Which of `names` (one kind, equal but for letter case) the due check opens in the first minute from `from` in
// which they fall due; the first in twinOrder when they never do. Its index in `names`.
qsizetype foundTwin(AlarmKind kind, const QStringList &names, const QDateTime &from);

// The twins of a scan of the store. A waiting alarm never comes back while the same alarm is active. Only names
// are kept, so a store of any size is sorted out at the end of its scan.
class LetterCaseTwins
{
public:
    explicit LetterCaseTwins(const QDateTime &now)
        : m_now(now)
    { }

    void add(const StoredAlarm &alarm);

    // Each alarm that is never shown because of a twin, with the twin found instead, and whether the found one
    // is certain (it is spelt as the clock spells the name) rather than a matter of the names' order.
    using Visit = std::function<void(const StoredAlarm &hidden, const StoredAlarm &found, bool certain)>;
    void forEachHidden(const Visit &visit) const;

private:
    QDateTime m_now;
    QHash<QString, StoredAlarm> m_first; // by kind and case-folded name
    std::vector<std::pair<QString, StoredAlarm>> m_more;
};

} // namespace brevora
