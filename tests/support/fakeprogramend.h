// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "os/session/programend.h"

namespace brevora::test {

class FakeProgramEnd final : public ProgramEnd
{
public:
    void endNow() override { ++ends; }
    int ends = 0;
};

} // namespace brevora::test
