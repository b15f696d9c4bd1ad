// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace brevora::cli {

// Whether the process was started with arguments for the command line (see wantsCommandLine).
bool wantsCommandLine(int argc, char *argv[]);

// Whether the windows have somewhere to open: a display named in the environment (DISPLAY, WAYLAND_DISPLAY),
// or a platform chosen outright (QT_QPA_PLATFORM, or Qt's -platform argument) that may need none.
bool windowsCanOpen(int argc, char *argv[]);

// Says on the standard error that the windows need a display (none set, or the one set could not be opened) and
// what works without one; returns the exit status.
int reportNoDisplay(bool namedButClosed = false);

// Names the system's time zone once for the process, where it would otherwise be looked up at every conversion.
void settleTimeZone();

// The command line as a whole program: a QCoreApplication, so no window system is ever touched, the system's
// clock and probe, the standard streams. Returns the exit status.
int runCommandLineProgram(int argc, char *argv[], const QString &version,
                          const std::function<QString()> &defaultProgramDir);

} // namespace brevora::cli
