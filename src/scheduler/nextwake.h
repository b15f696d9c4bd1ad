// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/life/occurrence.h"
#include "core/model/alarmkind.h"

#include <QDateTime>
#include <QHash>

#include <array>
#include <limits>
#include <optional>

namespace brevora {

// The earliest moment any alarm of the active folders falls due, so that the scheduler can sleep until then.
// Each name's next moment is kept between calls, and each kind's earliest: a folder change costs that folder's
// listing and a lookup per name of it, and only names that are new or whose kept moment has come are worked out
// again. The other kinds cost nothing until their earliest moment has come.
class NextWake
{
public:
    // The earliest due moment at or after `from` over the folders' names (each kind's listing as the due check
    // keeps it); empty when no name the folders hold comes again.
    std::optional<QDateTime> earliest(const std::array<const FoldedNames *, 5> &listings, const QDateTime &from);
    // The kind's folder was listed anew: its names are looked at again at the next call.
    void listingChanged(AlarmKind kind) { m_first[static_cast<std::size_t>(kind)] = std::nullopt; }
    // After the clock was set: every kept moment may be wrong.
    void forgetAll();

private:
    // Milliseconds since the epoch by case-folded name, `never` for a name that does not come again: kept as
    // instants, so that a folder change compares numbers rather than asking the time zone for every name.
    static constexpr qint64 never = std::numeric_limits<qint64>::max();
    using Moments = QHash<QString, qint64>;

    // The kind's earliest from its kept moments, when the listing holds just the kept names and each is still ahead.
    std::optional<qint64> keptStillRight(std::size_t index, const FoldedNames *names, qint64 start) const;
    std::array<Moments, 5> m_moments;
    std::array<std::optional<qint64>, 5> m_first; // each kind's earliest, until its listing changes
};

} // namespace brevora
