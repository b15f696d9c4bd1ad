// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/names/kindshape.h"

#include <array>

namespace brevora {

NameBounds nameBounds(TimeField field)
{
    // The year as the clock writes it: never below 1, and in full (the once check asks for four digits).
    static const std::array<NameBounds, 6> bounds{ {
        { QT_TRANSLATE_NOOP("brevora::core", "day"), 1, 31 },
        { QT_TRANSLATE_NOOP("brevora::core", "month"), 1, 12 },
        { QT_TRANSLATE_NOOP("brevora::core", "year"), 1, 9999 },
        { QT_TRANSLATE_NOOP("brevora::core", "hour"), 0, 23 },
        { QT_TRANSLATE_NOOP("brevora::core", "minute"), 0, 59 },
        { "", 0, 0 },
    } };
    return bounds[static_cast<std::size_t>(field)];
}

} // namespace brevora
