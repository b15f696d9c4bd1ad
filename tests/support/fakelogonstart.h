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

    QList<bool> calls;
    LogonOutcome outcome;
};

} // namespace brevora::test
