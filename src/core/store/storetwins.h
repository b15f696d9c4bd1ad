// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/names/twins.h"
#include "core/store/storescan.h"

#include <QHash>

#include <functional>
#include <vector>

namespace brevora {

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
