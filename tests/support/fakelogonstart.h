// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "os/session/logonstart.h"

#include <QList>

namespace brevora::test {

// Records each registration asked for and answers with the outcome set.
class FakeLogonStart final : public LogonStart
{
public:
    LogonOutcome set(bool on) override
    {
        calls.append(on);
        return outcome;
    }
    bool hasEarlierRegistration() const override { return earlier && calls.isEmpty(); }

    QList<bool> calls;
    LogonOutcome outcome;
    bool earlier = false; // an earlier version's registration, until the first set()
};

} // namespace brevora::test
