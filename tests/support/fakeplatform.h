// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakelauncher.h"
#include "fakelogonstart.h"
#include "fakenotifier.h"
#include "fakeprogramend.h"
#include "fakeprompter.h"
#include "fakesoundplayer.h"

#include "ui/shell/platform.h"

namespace brevora::test {

// Every desktop service of the program as a recording fake.
struct FakePlatform
{
    FakePrompter prompter;
    FakeProgramEnd programEnd;
    FakeSoundPlayer sound;
    FakeLauncher launcher;
    FakeLogonStart logonStart;
    FakeNotifier notifier;

    Platform platform() { return Platform{ prompter, programEnd, sound, launcher, logonStart, notifier }; }
};

} // namespace brevora::test
