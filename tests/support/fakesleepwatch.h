// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "os/session/sleepwatch.h"

namespace brevora::test {

// A system that announces sleeps when the test says so; it counts the times the program let the computer go.
class FakeSleepWatch final : public SleepWatch
{
public:
    void start() override { m_started = true; }
    void readyToSleep() override { ++readyCalls; }
    bool holdsLock() const override { return m_started; }

    int readyCalls = 0;

private:
    bool m_started = false;
};

} // namespace brevora::test
