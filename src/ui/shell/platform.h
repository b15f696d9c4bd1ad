// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevora {

class DesktopNotifier;
class Launcher;
class LogonStart;
class ProgramEnd;
class Prompter;
class SoundPlayer;

// The services of the desktop the program uses, real ones in the program and fakes in tests.
struct Platform
{
    Prompter &prompter;
    ProgramEnd &programEnd;
    SoundPlayer &sound;
    Launcher &launcher;
    LogonStart &logonStart;
    DesktopNotifier &notifier;
};

} // namespace brevora
