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
        if (outcome.ok() && registration)
            registration = on;
        return outcome;
    }
    bool hasEarlierRegistration() const override { return earlier && calls.isEmpty(); }
    std::optional<bool> registered() const override { return registration; }
    bool heldByAnotherCopy() const override { return anotherCopy && registration == true; }

    QList<bool> calls;
    LogonOutcome outcome;
    bool earlier = false; // an earlier version's registration, until the first set()
    std::optional<bool> registration; // whether the entry is there and on, when that can be told
    bool anotherCopy = false; // the entry starts another copy that is still there
};

} // namespace brevora::test
