#pragma once

#include "store/alarmkind.h"

#include <span>

namespace brevora {

// For each due field of a kind's alarm file, in file order, the hidden label (0 for Label1) that keeps it.
// Label4 always holds the hour and Label5 the minute, which the auto-dismiss check relies on.
inline std::span<const int> noticeFieldSlots(AlarmKind kind)
{
    static constexpr int once[] = { 0, 1, 2, 3, 4 };
    static constexpr int daily[] = { 3, 4 };
    static constexpr int yearly[] = { 0, 1, 3, 4 };
    static constexpr int dayAndTime[] = { 0, 3, 4 }; // monthly day or weekly weekday name
    switch (kind) {
    case AlarmKind::Once:
        return once;
    case AlarmKind::Daily:
        return daily;
    case AlarmKind::Yearly:
        return yearly;
    case AlarmKind::Monthly:
    case AlarmKind::Weekly:
        break;
    }
    return dayAndTime;
}

} // namespace brevora
