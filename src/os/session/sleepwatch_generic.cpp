// SPDX-License-Identifier: GPL-3.0-or-later
#include "os/session/sleepwatch.h"

namespace brevora {

namespace {

// Where the system tells nothing of its sleep, a resume is noticed as a late wake-up of the checks.
class SilentSleepWatch final : public SleepWatch
{
public:
    using SleepWatch::SleepWatch;
    void start() override { }
    void readyToSleep() override { }
    bool holdsLock() const override { return false; }
};

} // namespace

std::unique_ptr<SleepWatch> createSystemSleepWatch(QObject *parent)
{
    return std::make_unique<SilentSleepWatch>(parent);
}

} // namespace brevora
