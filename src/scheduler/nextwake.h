// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/model/alarmkind.h"
#include "scheduler/duecheck.h"

#include <QDateTime>
#include <QHash>

#include <array>
#include <optional>

namespace brevora {

// The earliest moment any alarm of the active folders falls due, so that the scheduler can sleep until then.
// Each name's next moment is kept between calls: a folder change costs its listing and a lookup per name, and
// only names that are new or whose kept moment has come are worked out again.
class NextWake
{
public:
    // The earliest due moment at or after `from` over the folders' names (each kind's listing as the due check
    // keeps it); empty when no name the folders hold comes again.
    std::optional<QDateTime> earliest(const std::array<const FoldedNames *, 5> &listings, const QDateTime &from);
    // After the clock was set: every kept moment may be wrong.
    void forgetAll();

private:
    using Moments = QHash<QString, std::optional<QDateTime>>; // by case-folded name; empty: never again
    std::array<Moments, 5> m_moments;
};

} // namespace brevora
