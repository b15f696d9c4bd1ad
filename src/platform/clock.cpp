#include "clock.h"

namespace brevora {

const SystemClock &SystemClock::instance()
{
    static const SystemClock clock;
    return clock;
}

} // namespace brevora
