// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevora {

// Ends the program at once, without any window's closing steps (an open notice stays unacknowledged).
class ProgramEnd
{
public:
    virtual ~ProgramEnd() = default;
    virtual void endNow() = 0;
};

// Leaves the event loop; main() returns and the windows are destroyed without their closing steps.
class QuitProgramEnd final : public ProgramEnd
{
public:
    void endNow() override;
};

} // namespace brevora
